"""The program under test: a fresh process per test case, driven and read through the driver."""

import subprocess
import unittest

from driver_output import gbk, run_driver
from wine_session import WINE64
from xinput import XInput, screenshot

# The controls in template order; a control's child-window id is 100 + its place here.
CONTROLS = ["标签2", "编辑框2", "超级链接框1", "通用对话框2", "状态条1", "分组框1", "组合框1",
            "标签1", "组合框2", "按钮2", "时钟2", "时钟1", "编辑框1", "按钮1"]
ID = {name: 100 + index for index, name in enumerate(CONTROLS)}
SPIN_ID = 200

AMOUNT = ID["编辑框1"]
TARGET = ID["编辑框2"]
ACTIONS = ID["组合框1"]
UNITS = ID["组合框2"]
OK = ID["按钮1"]
CANCEL = ID["按钮2"]
MINUTES_TIMER = ID["时钟2"]
HOURS_TIMER = ID["时钟1"]

TITLE = "定时重启/关机/运行/关闭程序   [Plumweir]"
MESSAGE_CAPTION = "提示："
STATUS_PREFIX = " 开始倒计时操作： "
UNIT_INDEX = {"分钟": 0, "小时": 1}
ACTION_INDEX = {"重启": 0, "关机": 1, "运行程序": 2, "关闭程序": 3}


def hexed(text):
    """A text as the driver takes it: GBK bytes in hex."""
    return gbk(text).hex() or "-"


def minutes_status(seconds):
    return gbk("%s%d 秒" % (STATUS_PREFIX, seconds))


def hours_status(minutes, seconds):
    return gbk("%s%d 分 %d 秒" % (STATUS_PREFIX, minutes, seconds))


class ProgramTestCase(unittest.TestCase):
    """Starts the program before each case and makes sure it is gone after it."""

    session = None  # the WineSession of this run, set by run_e2e.py

    def setUp(self):
        self.x = XInput(self.session)
        self.process = None
        self.addCleanup(self._end_program)
        self.start_program(self.session.config.exe)

    def start_program(self, exe, folder=None):
        """Starts the program file exe (a Linux path) with the Linux folder folder (default: the
        runner's own) as working directory, and waits for its window; one already running is
        ended first."""
        self._end_program()
        self.process = self.session.start([WINE64, exe], cwd=folder)
        self.drive("wait=20000")

    def _end_program(self):
        if self.process and self.process.poll() is None:
            run_driver(self.session, "close", allow_error=True)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    # --- driving and reading ----------------------------------------------------------------

    def drive(self, *commands, **options):
        return run_driver(self.session, *commands, **options)

    def dump(self):
        return self.drive("dump")

    def read(self, control_id):
        return self.drive("read=%d" % control_id).control(control_id)

    def text_of(self, control_id):
        return self.read(control_id)["text"]

    def status_text(self):
        return self.drive("status").status["text"]

    def wait_exit(self, timeout=15):
        """The program's exit code once it has ended."""
        return self.process.wait(timeout=timeout)

    def screenshot(self, name, reading=None):
        """Saves the main window (and a message box, if one shows) as build/screenshots/<name>.png."""
        reading = reading or self.dump()
        rects = [reading.main]
        if reading.msgbox and reading.msgbox.get("found"):
            rects.append(reading.msgbox)
        left = min(r["x"] for r in rects)
        top = min(r["y"] for r in rects)
        right = max(r["x"] + r["w"] for r in rects)
        bottom = max(r["y"] + r["h"] for r in rects)
        return screenshot(self.session, name, (left, top, right - left, bottom - top))

    # --- assertions -------------------------------------------------------------------------

    def assertText(self, actual, expected, what=""):
        """Byte-wise comparison of GBK texts, with both shown readably on failure."""
        if actual != gbk(expected):
            self.fail("%s: %r (%s) != %r" % (what or "text", actual.decode("gbk", "replace"), actual.hex(),
                                             expected))

    def assertMessage(self, reading, text):
        box = reading.msgbox
        self.assertTrue(box and box["found"], "no message box is shown")
        self.assertText(box["caption"], MESSAGE_CAPTION, "message caption")
        self.assertText(box["text"], text, "message text")
        self.assertEqual(box["owner"], 0, "the message box has no owner")
        self.assertEqual([i for i, _ in box["buttons"]], [1], "one OK button")
        self.assertEqual(box["icon"], 0, "the message box shows no icon")
        self.assertEqual(box["mainenabled"], 0, "task-modal: the main window is disabled")
