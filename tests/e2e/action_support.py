"""What the suites of the four actions share: the recorder program placed in a prefix, its
records, the prefix's processes as Linux sees them, and a countdown driven to its end.

The recorder (fixtures/recorder.cpp, built as e2e_recorder.exe beside the driver) appends
"pid, own path, current directory, command line" to "<its path without .exe>.log" when it starts,
shows a window titled "recorder <arguments>" and stays until closed, then ends with exit code 7.
"""

import os
import shutil
import signal
import subprocess
import time
from collections import namedtuple

from program import ACTIONS, AMOUNT, MINUTES_TIMER, OK, TARGET, UNITS, UNIT_INDEX, hexed, minutes_status
from wine_session import wait_until

RECORDER_NAME = "recorder.exe"
RECORDER_CLOSED_EXIT_CODE = 7
# Everything a test puts into a prefix goes below this folder, and is removed after the test.
WORK_FOLDER = "C:\\plumweir-e2e"

Record = namedtuple("Record", "pid exe cwd command_line")


# --- paths ------------------------------------------------------------------------------------

def unix_path(session, windows_path):
    """A path on one of the prefix's drives (C:, or one a test added) as a Linux path: each drive
    is a link in the prefix's dosdevices folder."""
    drive, root, rest = windows_path[:2], windows_path[2:3], windows_path[3:]
    if not (drive[:1].isalpha() and drive[1:] == ":" and root == "\\"):
        raise ValueError("not a full path on a drive: %s" % windows_path)
    return os.path.join(session.config.prefix, "dosdevices", drive.lower(), *rest.split("\\"))


def windows_path(linux_path):
    """A Linux path as a Wine program sees it (drive Z: is the Linux root)."""
    return "Z:" + os.path.abspath(linux_path).replace("/", "\\")


def program_folder(session):
    """The folder of the program under test, which is its current directory."""
    return windows_path(os.path.dirname(session.config.exe))


def remove_work_folder(session):
    shutil.rmtree(unix_path(session, WORK_FOLDER), ignore_errors=True)


# --- the recorder -----------------------------------------------------------------------------

def install_recorder(session, at):
    """Copies the recorder to a full path on a drive of the session's prefix (its folders are made)."""
    target = unix_path(session, at)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    shutil.copyfile(os.path.join(os.path.dirname(session.config.driver), "e2e_recorder.exe"), target)


def records(session, recorder):
    """Every start of the recorder at a full path on a drive of the prefix, in order."""
    log = os.path.splitext(unix_path(session, recorder))[0] + ".log"
    if not os.path.exists(log):
        return []
    with open(log, "rb") as lines:
        return [Record(int(f[0]), *f[1:]) for f in
                (line.decode("gbk").rstrip("\n").split("\t") for line in lines)]


def wait_for_records(session, recorder, count, timeout=10):
    wait_until(lambda: len(records(session, recorder)) >= count, timeout)
    return records(session, recorder)


# --- processes of a prefix, seen from Linux ---------------------------------------------------

def prefix_processes(prefix):
    """The live Linux processes of a Wine prefix, its wineserver included: {pid: command line}.
    Every process Wine starts keeps the WINEPREFIX of the environment it was started from."""
    wanted = ("WINEPREFIX=" + os.path.abspath(prefix)).encode()
    found = {}
    for name in os.listdir("/proc"):
        if not name.isdigit():
            continue
        try:
            with open("/proc/%s/environ" % name, "rb") as environ:
                if wanted not in environ.read().split(b"\0"):
                    continue  # another prefix, not Wine, or a zombie (its environment is gone)
            with open("/proc/%s/cmdline" % name, "rb") as cmdline:
                found[int(name)] = cmdline.read().replace(b"\0", b" ").decode("utf-8", "replace").strip()
        except OSError:
            continue
    return found


def kill_prefix_processes(prefix, *names):
    """Ends, from Linux, the prefix's processes whose command line holds one of names (lower
    case); for what the program under test started and left running."""
    def matching():
        return [pid for pid, command in prefix_processes(prefix).items()
                if any(n in command.lower() for n in names)]
    for pid in matching():
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    wait_until(lambda: not matching(), 10)


def stop(process):
    """Ends a Wine process started from the test, if it still runs."""
    if process.poll() is None:
        process.kill()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass


# --- the X display ----------------------------------------------------------------------------

def display_server(display):
    """The command name of the local process that serves an X display (":N"), or None."""
    number = display.partition(":")[2].partition(".")[0]
    if display.partition(":")[0] or not number.isdigit():
        return None  # a display on another host
    sockets = {"/tmp/.X11-unix/X" + number, "@/tmp/.X11-unix/X" + number}
    listening = set()
    with open("/proc/net/unix") as table:
        next(table)
        for fields in (line.split() for line in table):
            if len(fields) >= 8 and fields[7] in sockets and fields[5] == "01":
                listening.add("socket:[%s]" % fields[6])
    for name in os.listdir("/proc"):
        if not name.isdigit():
            continue
        try:
            for fd in os.listdir("/proc/%s/fd" % name):
                if os.readlink("/proc/%s/fd/%s" % (name, fd)) in listening:
                    with open("/proc/%s/comm" % name) as comm:
                        return comm.read().strip()
        except OSError:
            continue
    return None


# --- a countdown to its end -------------------------------------------------------------------

def end_countdown(test, action_index, target=None, target_after_ok=None, before_last_tick=(),
                  after_last_tick=(), allow_error=False):
    """Starts a one-minute countdown with the action box at action_index (CB_SETCURSEL only, as
    the dispatch reads the box's text) and the target box set before OK, after OK, or both, then
    lets it end: the first tick is a real one, the next 58 come as WM_TIMER messages right after
    it, in the same driver run, so that no real tick can fall between them, then the last one.
    Returns the driver's reading; the status bar is checked to read 1 second before the end."""
    commands = ["settext=%d,%s" % (AMOUNT, hexed("1")), "pick=%d,%d" % (UNITS, UNIT_INDEX["分钟"]),
                "setsel=%d,%d" % (ACTIONS, action_index)]
    if target is not None:
        commands.append("settext=%d,%s" % (TARGET, hexed(target)))
    commands.append("click=%d" % OK)
    if target_after_ok is not None:
        commands.append("settext=%d,%s" % (TARGET, hexed(target_after_ok)))
    commands += ["waitstatus", "tick=%d,58" % MINUTES_TIMER, "status", *before_last_tick,
                 "tick=%d" % MINUTES_TIMER, *after_last_tick]
    started = time.monotonic()
    reading = test.drive(*commands, allow_error=allow_error)
    statuses = [s["text"] for s in reading.all("status")]
    test.assertGreaterEqual(len(statuses), 2, "the countdown ran: %s" % reading.output)
    test.assertEqual(statuses[:2], [minutes_status(59), minutes_status(1)],
                     "one second left before the last tick (%.1f s)" % (time.monotonic() - started))
    return reading


def windows_of(reading, exe_name):
    """The top-level windows ("windows" command) of processes with this file name, in order."""
    return [w for w in reading.all("win") if w["name"].lower() == exe_name.lower().encode()]
