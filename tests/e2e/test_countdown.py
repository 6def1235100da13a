"""Countdowns in the real window: the status text tick by tick, the amount box at minute
boundaries, Cancel, and closing the window while a countdown runs.

Most ticks are delivered as WM_TIMER messages to the timer's own window, right after a real
tick has come ("waitstatus"), so that the next real tick, a second later, cannot fall between
them. No test here lets a countdown end, and the action box is set to closing a program that
does not exist, so that nothing could happen to the prefix even then.
"""

from program import (ACTIONS, ACTION_INDEX, AMOUNT, CANCEL, HOURS_TIMER, MINUTES_TIMER, OK,
                     TARGET, UNITS, UNIT_INDEX, ProgramTestCase, hexed, hours_status,
                     minutes_status)

HARMLESS_TARGET = "plumweir-e2e-nothing.exe"


class CountdownTest(ProgramTestCase):
    def start_countdown(self, amount, unit):
        """Sets the inputs, presses OK and checks the state right after it."""
        reading = self.drive("settext=%d,%s" % (AMOUNT, hexed(amount)),
                             "pick=%d,%d" % (UNITS, UNIT_INDEX[unit]),
                             "setsel=%d,%d" % (ACTIONS, ACTION_INDEX["关闭程序"]),
                             "settext=%d,%s" % (TARGET, hexed(HARMLESS_TARGET)),
                             "click=%d" % OK, "dump")
        self.assertFalse(reading.msgbox["found"], "no message")
        self.assertEqual((reading.control(OK)["enabled"], reading.control(CANCEL)["enabled"]), (0, 1),
                         "OK disabled, Cancel enabled")
        self.assertText(reading.status["text"], "", "no status text before the first tick")
        return reading

    def statuses_and_amounts(self, reading):
        return ([s["text"] for s in reading.all("status")],
                [c["text"] for c in reading.all("ctl") if c["id"] == AMOUNT])

    def test_minutes_countdown_tick_by_tick(self):
        self.start_countdown("2", "分钟")
        reading = self.drive("waitstatus", "read=%d" % AMOUNT,
                             "tick=%d,58" % MINUTES_TIMER, "status", "read=%d" % AMOUNT,
                             "tick=%d" % MINUTES_TIMER, "status", "read=%d" % AMOUNT,
                             "tick=%d" % MINUTES_TIMER, "status", "read=%d" % AMOUNT)
        statuses, amounts = self.statuses_and_amounts(reading)
        self.assertEqual(statuses, [minutes_status(s) for s in (59, 1, 0, 59)])
        self.assertEqual(amounts, [b"2", b"2", b"1", b"1"], "lowered at the minute boundary")
        self.screenshot("counting-minutes")

    def test_hours_countdown_tick_by_tick(self):
        self.start_countdown("1", "小时")
        reading = self.drive("waitstatus",
                             "tick=%d,58" % HOURS_TIMER, "status",
                             "tick=%d" % HOURS_TIMER, "status",
                             "tick=%d" % HOURS_TIMER, "status", "read=%d" % AMOUNT)
        statuses, amounts = self.statuses_and_amounts(reading)
        self.assertEqual(statuses, [hours_status(60, 59), hours_status(60, 1), hours_status(60, 0),
                                    hours_status(59, 59)])
        self.assertEqual(amounts, [b"1"], "hours mode leaves the amount box alone")
        self.screenshot("counting-hours")

    def test_real_ticks_come_once_a_second(self):
        self.start_countdown("1", "分钟")
        changes = self.drive("watch=2600").all("change")
        self.assertEqual([c["text"] for c in changes][:3], [b"", minutes_status(59), minutes_status(58)],
                         "the status bar shows 59, then 58")
        self.assertGreaterEqual(changes[1]["t"], 500, "the first tick comes about a second after OK")
        self.assertLessEqual(len(changes), 3, "no more than one tick a second")

    def test_emptying_the_amount_between_boundaries_does_not_end_the_countdown(self):
        # Backspacing "2" to type "45": the box is empty for a moment, and a tick may come then.
        self.start_countdown("2", "分钟")
        reading = self.drive("waitstatus", "settext=%d,-" % AMOUNT, "tick=%d" % MINUTES_TIMER,
                             "settext=%d,%s" % (AMOUNT, hexed("45")), "waitstatus=2500",
                             "read=%d" % AMOUNT)
        statuses, amounts = self.statuses_and_amounts(reading)
        self.assertEqual(statuses, [minutes_status(59), minutes_status(57)],
                         "the timer still runs: a real tick follows the one with the empty box")
        self.assertEqual(amounts, [b"45"])

    def test_cancel_stops_and_a_new_start_counts_from_what_is_left(self):
        self.start_countdown("5", "分钟")
        reading = self.drive("waitstatus", "tick=%d,119" % MINUTES_TIMER, "status", "read=%d" % AMOUNT,
                             "click=%d" % CANCEL, "dump")
        statuses, amounts = self.statuses_and_amounts(reading)
        self.assertEqual(statuses[-2:], [minutes_status(0), b""], "two minutes gone, then Cancel empties")
        self.assertEqual(amounts, [b"3", b"3"], "the amount box keeps its lowered value")
        self.assertEqual((reading.control(OK)["enabled"], reading.control(CANCEL)["enabled"]), (1, 0))
        self.screenshot("cancelled", reading)
        # The timer is stopped: no tick rewrites the status bar.
        self.assertText(self.drive("sleep=1300", "status").status["text"], "", "status after Cancel")
        reading = self.drive("click=%d" % OK, "waitstatus", "read=%d" % AMOUNT)
        statuses, amounts = self.statuses_and_amounts(reading)
        self.assertEqual((statuses, amounts), ([minutes_status(59)], [b"3"]), "counts down from 3")


class CloseDuringCountdownTest(ProgramTestCase):
    """Closing the window ends the program at once, exit code 0, and nothing else happens."""

    def start_and_wait_for_a_tick(self):
        self.drive("settext=%d,%s" % (AMOUNT, hexed("1")),
                   "setsel=%d,%d" % (ACTIONS, ACTION_INDEX["关闭程序"]),
                   "settext=%d,%s" % (TARGET, hexed(HARMLESS_TARGET)), "click=%d" % OK, "waitstatus")

    def assertEndedAlone(self):
        self.assertEqual(self.wait_exit(), 0, "exit code")
        names = [n.lower() for n in self.drive("procs").processes]
        self.assertNotIn(b"plumweir.exe", names, "the program's process is gone")
        # A restart or shutdown would have ended every process of the prefix.
        self.assertIn(b"services.exe", names, "the prefix lives on")

    def test_close_message(self):
        self.start_and_wait_for_a_tick()
        self.drive("close", "waitgone")
        self.assertEndedAlone()

    def test_close_button(self):
        self.start_and_wait_for_a_tick()
        main = self.dump().main
        # The close button is the rightmost of the caption's buttons, which Wine draws itself.
        self.x.click(main["x"] + main["w"] - 14, main["y"] + 11)
        self.assertEndedAlone()
