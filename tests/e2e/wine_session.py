"""The Wine side of the end-to-end tests: the display, the throw-away prefix and its wineserver.

One prefix and one persistent wineserver serve every suite of a run; each test case starts a
fresh program in it. Output of Wine processes goes to files, never to pipes: a Wine process can
start helpers (the desktop process, services) that inherit its standard handles and live on,
and a pipe held by them would never reach its end.
"""

import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import time

WINE64 = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"
SCREEN = "1024x768x24"
PR_SET_PDEATHSIG = 1


class Config:
    """Paths handed over by ctest."""

    def __init__(self, exe, driver, prefix, screenshots):
        self.exe = os.path.abspath(exe)
        self.driver = os.path.abspath(driver)
        self.prefix = os.path.abspath(prefix)
        self.screenshots = os.path.abspath(screenshots)


def _end_with_parent():
    """In the child: receive SIGTERM when the process that started it dies (also when ctest
    kills a suite at its timeout), so that no display is left behind."""
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def start_xvfb():
    """Starts Xvfb on a free display number; returns (process, ':N')."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        preexec_fn=_end_with_parent)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number


class WineSession:
    def __init__(self, config):
        self.config = config
        self.own_xvfb = None
        display = os.environ.get("DISPLAY")
        if not display:
            # Run by hand without a display: one of our own for this process only.
            self.own_xvfb, display = start_xvfb()
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": display,
            "WINEPREFIX": config.prefix,
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            # Only under a Chinese locale is Wine's ANSI code page 936, which the program's
            # GBK texts need.
            "LC_ALL": "zh_CN.UTF-8",
        })
        self.env.pop("WINELOADER", None)

    def close(self):
        if self.own_xvfb:
            # The prefix's desktop process is bound to this display: end the server with it.
            self.kill_server()
            self.own_xvfb.terminate()
            self.own_xvfb.wait()

    # --- the prefix -------------------------------------------------------------------------

    def create_prefix(self):
        """A fresh prefix with a persistent server; Wine draws the frames and no window waits
        for a window manager (none runs on Xvfb)."""
        self.kill_server()
        shutil.rmtree(self.config.prefix, ignore_errors=True)
        os.makedirs(self.config.prefix)
        self.start_server()
        self.run([WINE64, "wineboot", "-i"], timeout=120)
        for value in ("Decorated", "Managed"):
            self.run([WINE64, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", value,
                      "/t", "REG_SZ", "/d", "N", "/f"], timeout=30)

    def start_server(self):
        subprocess.run([WINESERVER, "-p"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)

    def kill_server(self):
        if os.path.isdir(self.config.prefix):
            subprocess.run([WINESERVER, "-k"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=False)

    # --- running Wine programs --------------------------------------------------------------

    def run(self, argv, timeout=60):
        """Runs a program to its end; returns (exit code, its output as text)."""
        with tempfile.TemporaryFile() as out:
            done = subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL, stdout=out,
                                  stderr=subprocess.STDOUT, timeout=timeout, check=False)
            out.seek(0)
            return done.returncode, out.read().decode("latin-1")

    def start(self, argv, cwd=None):
        """Starts a program and returns its process without waiting; Wine makes the Linux folder
        cwd (default: ours) its working directory."""
        return subprocess.Popen(argv, env=self.env, cwd=cwd, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def x11(self, argv, timeout=30):
        """Runs an X client (xdotool, import) on the session's display."""
        done = subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=timeout, check=False)
        if done.returncode != 0:
            raise RuntimeError("%s failed: %s" % (argv[0], done.stderr.decode(errors="replace")))
        return done.stdout.decode()


def wait_until(predicate, timeout, step=0.05):
    """Polls predicate until it is true or timeout seconds pass; returns its last value."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= end:
            return value
        time.sleep(step)
