"""A countdown ending with "关机" or "重启" asks for a forced shutdown or restart. Under Wine that
request ends every process of the program's prefix and nothing outside it; even so these tests
run only on an Xvfb display and only in a prefix of their own, made for this suite and removed
after it. A countdown ending with any other action text does nothing: the program stays, Ended.

Measured with Wine 8: ExitWindowsEx with EWX_FORCE starts "wineboot.exe --kill", with
"--shutdown" added unless EWX_REBOOT is set (a restart then boots the prefix again, and that new
session ends by itself once no program runs). The program runs with WINEDEBUG=+process, whose
trace shows that command line, so the two requests can be told apart from outside.
"""

import copy
import re
import shutil
import subprocess
import tempfile

from action_support import (RECORDER_NAME, WORK_FOLDER, display_server, end_countdown,
                            install_recorder, prefix_processes, stop, windows_of)
from program import ACTION_INDEX, ACTIONS, CANCEL, OK, ProgramTestCase, minutes_status
from wine_session import WINE64, WINESERVER, Config, wait_until

BYSTANDER = WORK_FOLDER + "\\" + RECORDER_NAME
NO_ACTION = -1  # CB_SETCURSEL -1: the action box shows no item, its text is empty
WINEBOOT_REQUEST = re.compile(r'CreateProcessInternalW app L"[^"]*wineboot\.exe" cmdline L"[^"]*wineboot\.exe([^"]*)"')


def power_session(shared):
    """The shared session's display and program, with a prefix of its own beside the shared one."""
    session = copy.copy(shared)
    session.own_xvfb = None  # the display stays the shared session's
    config = shared.config
    session.config = Config(config.exe, config.driver, config.prefix + "-power", config.screenshots)
    session.env = dict(shared.env, WINEPREFIX=session.config.prefix)
    return session


class PowerActionTest(ProgramTestCase):
    @classmethod
    def setUpClass(cls):
        shared = ProgramTestCase.session
        server = display_server(shared.env["DISPLAY"])
        if server != "Xvfb":
            raise RuntimeError("display %s is served by %s, not Xvfb: the session-ending tests run only on Xvfb"
                               % (shared.env["DISPLAY"], server))
        cls.shared_session = shared
        cls.session = power_session(shared)
        cls.addClassCleanup(shutil.rmtree, cls.session.config.prefix, True)
        cls.addClassCleanup(cls.end_session)
        cls.session.create_prefix()
        # No persistent server: a test's first program starts one that ends with the session.
        cls.end_session()
        install_recorder(cls.session, BYSTANDER)

    @classmethod
    def end_session(cls):
        subprocess.run([WINESERVER, "-k"], env=cls.session.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
        wait_until(lambda: not prefix_processes(cls.session.config.prefix), 20)

    def setUp(self):
        prefix = self.session.config.prefix
        self.assertEqual(prefix_processes(prefix), {}, "the prefix runs nothing before the test")
        self.addCleanup(self.end_session)
        # Two programs that only a session's end would stop: the recorder and Wine's notepad.
        self.bystanders = [self.session.start([WINE64, BYSTANDER, "bystander"]),
                           self.session.start([WINE64, "notepad"])]
        for bystander in self.bystanders:
            self.addCleanup(stop, bystander)
        shown = wait_until(lambda: {name for name in (RECORDER_NAME, "notepad.exe")
                                    if [w for w in windows_of(self.drive("windows"), name) if w["visible"]]}
                           == {RECORDER_NAME, "notepad.exe"}, 20)
        self.assertTrue(shown, "the recorder and notepad show their windows")

        # The program's Wine trace of the processes it creates.
        self.trace = tempfile.TemporaryFile()
        self.addCleanup(self.trace.close)
        self.process = subprocess.Popen([WINE64, self.session.config.exe], stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=self.trace,
                                        env=dict(self.session.env, WINEDEBUG="+process"))
        self.addCleanup(self._end_program)
        self.drive("wait=20000")

    def wineboot_requests(self):
        self.trace.seek(0)
        return [arguments.split() for arguments in
                WINEBOOT_REQUEST.findall(self.trace.read().decode("latin-1"))]

    def assertSessionEnds(self, action_index, wineboot_arguments):
        prefix = self.session.config.prefix
        before = prefix_processes(prefix)
        shared_servers = [pid for pid, command in prefix_processes(self.shared_session.config.prefix).items()
                          if "wineserver" in command]
        # The driver ends with every other process of the prefix.
        end_countdown(self, action_index, allow_error=True)

        for process, what in [(self.process, "the program")] + [(b, "a bystander") for b in self.bystanders]:
            wait_until(lambda: process.poll() is not None, 20)
            self.assertIsNotNone(process.poll(), "%s ended" % what)
        wait_until(lambda: not set(prefix_processes(prefix)) & set(before), 20)
        self.assertEqual({pid: c for pid, c in prefix_processes(prefix).items() if pid in before}, {},
                         "every process the prefix ran has ended, its server included")
        wait_until(lambda: not prefix_processes(prefix), 20)
        self.assertEqual(prefix_processes(prefix), {}, "no process of the prefix is left")

        self.assertEqual(self.wineboot_requests(), [wineboot_arguments], "the request Wine received")
        self.assertEqual([pid for pid in shared_servers if pid in prefix_processes(self.shared_session.config.prefix)],
                         shared_servers, "the other prefix's server lives on")
        self.assertEqual(display_server(self.session.env["DISPLAY"]), "Xvfb", "the display lives on")

    def test_shutdown_ends_the_prefix_session(self):
        self.assertSessionEnds(ACTION_INDEX["关机"], ["--kill", "--shutdown"])

    def test_restart_ends_the_prefix_session(self):
        self.assertSessionEnds(ACTION_INDEX["重启"], ["--kill"])

    def test_an_action_box_without_a_choice_does_nothing(self):
        prefix = self.session.config.prefix
        before = prefix_processes(prefix)
        reading = end_countdown(self, NO_ACTION, after_last_tick=("dump", "sleep=1500", "status"))
        actions = reading.control(ACTIONS)
        self.assertEqual((actions["sel"], actions["text"]), (-1, b""), "the action box shows nothing")
        self.assertEqual((reading.control(OK)["enabled"], reading.control(CANCEL)["enabled"]), (0, 1),
                         "Ended: OK disabled, Cancel enabled")
        statuses = [s["text"] for s in reading.all("status")]
        self.assertEqual(statuses[2:], [minutes_status(0)] * 2, "the last status text stays: no timer runs")
        self.assertIsNone(self.process.poll(), "the program still runs")
        self.assertEqual(self.wineboot_requests(), [], "nothing was asked of Wine")
        self.assertEqual(sorted(pid for pid in before if pid in prefix_processes(prefix)), sorted(before),
                         "every process of the prefix still runs")
