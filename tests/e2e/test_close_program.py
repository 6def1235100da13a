"""A countdown ending with "关闭程序": the process that owns the first visible top-level window,
in EnumWindows order, of a program with the target's file name (letters of either case) is
terminated with exit code 0; other instances keep running; then the program ends with exit
code 0.

The instances are copies of the recorder (see action_support), started from the test. Closed
normally a recorder ends with exit code 7, so an exit code of 0 means TerminateProcess(..., 0).
"""

from action_support import (RECORDER_NAME, WORK_FOLDER, end_countdown, install_recorder, records,
                            remove_work_folder, stop, windows_of)
from program import ACTION_INDEX, ProgramTestCase
from wine_session import WINE64, wait_until

CLOSE = ACTION_INDEX["关闭程序"]
RECORDER = WORK_FOLDER + "\\close\\" + RECORDER_NAME
TARGET = RECORDER_NAME.upper()


class Instance:
    def __init__(self, label, process, pid):
        self.label, self.process, self.pid = label, process, pid


class CloseProgramTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        remove_work_folder(self.session)
        self.addCleanup(remove_work_folder, self.session)
        install_recorder(self.session, RECORDER)

    def start_recorder(self, label, *options):
        """Starts an instance and waits until it runs (and shows its window, unless hidden)."""
        process = self.session.start([WINE64, RECORDER, label, *options])
        self.addCleanup(stop, process)
        started = wait_until(lambda: [r for r in records(self.session, RECORDER)
                                      if label in r.command_line.split()], 20)
        self.assertTrue(started, "the recorder %s started" % label)
        instance = Instance(label, process, started[0].pid)
        if "hidden" not in (label, *options):
            shown = wait_until(lambda: [w for w in windows_of(self.drive("windows"), RECORDER_NAME)
                                        if w["pid"] == instance.pid and w["visible"]], 10)
            self.assertTrue(shown, "the recorder %s shows its window" % label)
        return instance

    def assertKeepsRunning(self, instance):
        # A terminated Wine process takes a moment to end on the Linux side.
        ended = wait_until(lambda: instance.process.poll() is not None, 1.0)
        self.assertFalse(ended, "the %s instance keeps running" % instance.label)

    def assertClosesTheFirstWindowOnly(self, older_options, expected_first):
        older = self.start_recorder("older", *older_options)
        newer = self.start_recorder("newer")
        reading = end_countdown(self, CLOSE, target=TARGET, before_last_tick=("windows",))
        shown = [w for w in windows_of(reading, RECORDER_NAME) if w["visible"]]
        instances = {older.pid: older, newer.pid: newer}
        self.assertEqual(sorted(w["pid"] for w in shown), sorted(instances), "one visible window each")
        first = instances[shown[0]["pid"]]
        other = newer if first is older else older
        self.assertEqual(first.label, expected_first, "the windows come in the intended order")

        self.assertEqual(self.wait_exit(), 0, "the program ends with exit code 0")
        self.assertKeepsRunning(other)
        wait_until(lambda: first.process.poll() is not None, 10)
        self.assertEqual(first.process.poll(), 0,
                         "the first window's process is terminated with exit code 0 (None: still runs)")
        remaining = [w["pid"] for w in windows_of(self.drive("windows"), RECORDER_NAME) if w["visible"]]
        self.assertEqual(remaining, [other.pid], "the other instance's window stays")

    def test_the_newer_window_on_top_is_closed(self):
        self.assertClosesTheFirstWindowOnly((), "newer")

    def test_an_older_window_on_top_is_closed_not_the_newer_process(self):
        # A topmost window comes ahead of the newer one, while its process comes first in the
        # process list: the window order decides.
        self.assertClosesTheFirstWindowOnly(("topmost",), "older")

    def test_a_program_without_a_visible_window_is_left_running(self):
        hidden = self.start_recorder("hidden")
        reading = end_countdown(self, CLOSE, target=TARGET, before_last_tick=("windows",))
        windows = [w for w in windows_of(reading, RECORDER_NAME) if w["pid"] == hidden.pid]
        self.assertTrue(windows, "the recorder has top-level windows")
        self.assertFalse([w for w in windows if w["visible"]], "none of them visible")

        self.assertEqual(self.wait_exit(), 0, "the program ends with exit code 0")
        self.assertKeepsRunning(hidden)
