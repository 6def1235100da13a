"""The messages of the OK button: each shows in the task-modal "提示：" box and leaves
everything as it was, no countdown started."""

from program import (ACTIONS, ACTION_INDEX, AMOUNT, CANCEL, OK, TARGET, UNITS, UNIT_INDEX,
                     ProgramTestCase, hexed)

NO_AMOUNT = "请添写要控制的时间数."
NO_CLOSE_TARGET = "没有指定要关闭的文件."
NO_RUN_TARGET = "没有指定要运行的文件."

# amount written into the box, unit, action, target, message. The amount is written without
# the box having the focus, so it reaches the OK button as written.
WRITTEN = [
    ("",     "分钟", "重启",     "",            NO_AMOUNT),
    ("",     "分钟", "关闭程序", "",            NO_AMOUNT),        # the amount is tested first
    ("1",    "分钟", "关闭程序", "",            NO_CLOSE_TARGET),
    ("1",    "小时", "运行程序", "",            NO_RUN_TARGET),
    # An amount that reads as 0 or less would act a second after OK: refused.
    ("-3",   "分钟", "关机",     "",            NO_AMOUNT),
    ("0",    "分钟", "重启",     "",            NO_AMOUNT),
    ("abc",  "分钟", "重启",     "",            NO_AMOUNT),
    # Hours whose whole minutes come to 0 or less would never end: refused.
    ("0.01", "小时", "关机",     "",            NO_AMOUNT),
    ("-1",   "小时", "重启",     "",            NO_AMOUNT),
    ("1",    "小时", "关闭程序", "",            NO_CLOSE_TARGET),
]

# typed into the box for real, then the OK button clicked with the mouse
TYPED = [
    ("0",  NO_AMOUNT),   # becomes empty when the click takes the focus
    ("-3", NO_AMOUNT),   # stays "-3", which reads as less than 0
]


class MessagesTest(ProgramTestCase):
    def assertRefused(self, message, amount_after, screenshot=None):
        reading = self.drive("waitmsgbox", "dump")
        self.assertMessage(reading, message)
        if screenshot:
            self.screenshot(screenshot, reading)
        # Nothing changes, and no timer runs: the status bar stays empty past a tick's time.
        reading = self.drive("closemsgbox", "sleep=1100", "dump")
        self.assertFalse(reading.msgbox["found"], "the message box is gone")
        self.assertEqual(reading.main["enabled"], 1, "the window takes input again")
        self.assertEqual(reading.control(OK)["enabled"], 1, "OK still enabled")
        self.assertEqual(reading.control(CANCEL)["enabled"], 0, "Cancel still disabled")
        self.assertText(reading.status["text"], "", "status text")
        self.assertText(reading.control(AMOUNT)["text"], amount_after, "amount")

    def cancel_any_countdown(self):
        if self.read(CANCEL)["enabled"]:
            self.drive("click=%d" % CANCEL)

    def test_messages_for_written_inputs(self):
        for amount, unit, action, target, message in WRITTEN:
            with self.subTest(amount=amount, unit=unit, action=action):
                self.drive("settext=%d,%s" % (AMOUNT, hexed(amount)),
                           "setsel=%d,%d" % (UNITS, UNIT_INDEX[unit]),
                           "setsel=%d,%d" % (ACTIONS, ACTION_INDEX[action]),
                           "settext=%d,%s" % (TARGET, hexed(target)),
                           "click=%d" % OK)
                try:
                    self.assertRefused(message, amount,
                                       screenshot="message" if message == NO_CLOSE_TARGET else None)
                finally:
                    self.cancel_any_countdown()

    def test_typed_amounts_that_are_refused(self):
        for typed, message in TYPED:
            with self.subTest(typed=typed):
                reading = self.drive("read=%d" % AMOUNT, "read=%d" % OK)
                self.x.click_centre(reading.control(AMOUNT))
                self.x.key("End", *["BackSpace"] * 8)
                self.x.type(typed)
                self.x.click_centre(reading.control(OK))
                normalised = "" if typed == "0" else typed
                try:
                    self.assertRefused(message, normalised)
                finally:
                    self.cancel_any_countdown()
