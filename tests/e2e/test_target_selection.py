"""Choosing the target program in the real window: a pick in the action box opens the real
"打开" dialog, which is answered by typing a path and pressing Return, or cancelled with Esc.

Picks made with the mouse or the keyboard go through the dropped list for real; the others are
CB_SETCURSEL plus CBN_SELENDOK from the driver, which is what the list sends for a user's pick.
"""

from program import (ACTIONS, ACTION_INDEX, AMOUNT, CANCEL, ID, MINUTES_TIMER, OK, TARGET,
                     ProgramTestCase, hexed, minutes_status)
from wine_session import wait_until
from xinput import screenshot

LABEL = ID["标签2"]
NOTEPAD = r"C:\windows\notepad.exe"  # a file every prefix has
NO_FILE = "没有指定要运行的文件及路径."
DIALOG_TITLE = "打开"
HARMLESS_TARGET = "plumweir-e2e-nothing.exe"


class TargetSelectionTest(ProgramTestCase):
    # --- picking an action ------------------------------------------------------------------

    def drop_action_list(self):
        """Clicks the action box and returns the dropped list as the driver reads it."""
        self.x.click_centre(self.read(ACTIONS))
        def dropped():
            found = self.drive("droplist").all("droplist")[0]
            return found if found["found"] else None
        found = wait_until(dropped, 5)
        self.assertTrue(found, "the action box's list drops")
        return found

    def pick_with_mouse(self, action):
        dropped = self.drop_action_list()
        row = ACTION_INDEX[action] - dropped["top"]
        self.x.click(dropped["cx"] + dropped["w"] // 2,
                     dropped["cy"] + row * dropped["itemh"] + dropped["itemh"] // 2)

    def pick_with_keyboard(self, action):
        """Drops the list, then moves to the item with the arrow keys and takes it with Return."""
        self.drop_action_list()
        steps = ACTION_INDEX[action] - self.read(ACTIONS)["sel"]
        self.x.key(*(["Down"] * steps if steps > 0 else ["Up"] * -steps), "Return")

    def pick_from_driver(self, action):
        self.drive("pick=%d,%d" % (ACTIONS, ACTION_INDEX[action]))

    # --- the dialog -------------------------------------------------------------------------

    def wait_dialog(self):
        """Waits for the open-file dialog and checks what holds while it is open."""
        reading = self.drive("waitdialog=10000", "droplist", "read=%d" % LABEL, "read=%d" % TARGET)
        dialog = reading.all("dialog")[0]
        self.assertEqual(reading.all("droplist")[0]["found"], 0, "the list has closed")
        self.assertText(dialog["title"], DIALOG_TITLE, "dialog title")
        self.assertEqual(dialog["owned"], 1, "the dialog belongs to the main window")
        self.assertEqual(dialog["mainenabled"], 0, "the main window is disabled while it is open")
        for control in (LABEL, TARGET):
            self.assertEqual(reading.control(control)["visible"], 1, "shown before the dialog opens")
        self.assertEqual(reading.control(TARGET)["enabled"], 1, "the target box is enabled")
        # Keys go to the window under the pointer: rest it on the dialog's caption.
        self.session.x11(["xdotool", "mousemove", str(dialog["x"] + dialog["w"] // 2), str(dialog["y"] + 8)])
        return dialog

    def answer_dialog(self, path):
        self.x.type(path)
        self.x.key("Return")
        self.drive("waitnodialog=10000")

    def cancel_dialog(self):
        self.x.key("Escape")
        self.drive("waitnodialog=10000")

    def assertChosen(self, target, status):
        """After a confirmed or reused file: no message, the boxes and the bar show the file."""
        reading = self.drive("sleep=300", "dialog", "dump")
        self.assertEqual(reading.all("dialog")[0]["found"], 0, "one dialog per pick")
        self.assertFalse(reading.msgbox["found"], "no message")
        self.assertEqual(reading.main["enabled"], 1, "the main window is enabled again")
        self.assertEqual((reading.control(LABEL)["visible"], reading.control(TARGET)["visible"],
                          reading.control(TARGET)["enabled"]), (1, 1, 1), "label and box shown, box enabled")
        self.assertText(reading.control(TARGET)["text"], target, "target box")
        self.assertText(reading.status["text"], status, "status bar")
        return reading

    # --- cases ------------------------------------------------------------------------------

    def test_run_program_picked_with_the_mouse_shows_the_full_path(self):
        before = self.dump()
        self.assertEqual((before.control(LABEL)["visible"], before.control(TARGET)["visible"]), (0, 0),
                         "label and target box hidden at start")
        self.pick_with_mouse("运行程序")
        dialog = self.wait_dialog()
        main = self.dump().main
        left, top = min(main["x"], dialog["x"]), min(main["y"], dialog["y"])
        right = max(main["x"] + main["w"], dialog["x"] + dialog["w"])
        bottom = max(main["y"] + main["h"], dialog["y"] + dialog["h"])
        screenshot(self.session, "file-dialog", (left, top, right - left, bottom - top))
        self.answer_dialog(NOTEPAD)
        reading = self.assertChosen(NOTEPAD, NOTEPAD)
        self.assertEqual(reading.control(ACTIONS)["sel"], ACTION_INDEX["运行程序"])
        self.assertEqual(reading.focus["id"], ACTIONS, "the focus is back where it was")
        self.screenshot("run-program-chosen", reading)

    def test_close_program_picked_with_the_keyboard_shows_the_bare_name(self):
        self.pick_with_keyboard("关闭程序")
        self.wait_dialog()
        self.answer_dialog(NOTEPAD)
        self.assertChosen("notepad.exe", NOTEPAD)
        self.screenshot("close-program-chosen")
        # The same item again opens the dialog again; a cancel then reuses the file, silently.
        self.pick_with_mouse("关闭程序")
        self.wait_dialog()
        self.cancel_dialog()
        self.assertChosen("notepad.exe", NOTEPAD)

    def test_cancel_without_an_earlier_file_shows_the_message(self):
        for action in ("运行程序", "关闭程序"):
            with self.subTest(action=action):
                self.pick_from_driver(action)
                self.wait_dialog()
                self.cancel_dialog()
                reading = self.drive("waitmsgbox", "dump")
                self.assertMessage(reading, NO_FILE)
                if action == "运行程序":
                    self.screenshot("no-file-chosen", reading)
                reading = self.drive("closemsgbox", "waitenabled", "dump")
                self.assertEqual(reading.main["enabled"], 1)
                self.assertEqual((reading.control(LABEL)["visible"], reading.control(TARGET)["visible"],
                                  reading.control(TARGET)["enabled"]), (1, 1, 1),
                                 "label and box stay shown, the box enabled")
                self.assertText(reading.control(TARGET)["text"], "", "target box")
                self.assertText(reading.status["text"], "", "status bar unchanged")

    def start_harmless_countdown(self):
        """A one-minute countdown whose action, whichever program action it ends with, finds
        nothing to run or close."""
        self.drive("settext=%d,%s" % (AMOUNT, hexed("1")),
                   "setsel=%d,%d" % (ACTIONS, ACTION_INDEX["关闭程序"]),
                   "settext=%d,%s" % (TARGET, hexed(HARMLESS_TARGET)),
                   "click=%d" % OK, "waitstatus")

    def test_a_countdown_ticks_on_while_the_dialog_and_the_message_are_open(self):
        self.start_harmless_countdown()
        self.pick_from_driver("运行程序")
        self.wait_dialog()
        changes = [c["text"] for c in self.drive("watch=2600").all("change")]
        first = int(changes[0].split()[-2])
        self.assertEqual(changes, [minutes_status(first - n) for n in range(len(changes))],
                         "one tick after another")
        self.assertGreaterEqual(len(changes), 3, "real ticks come while the dialog is open: %r" % changes)
        self.cancel_dialog()
        reading = self.drive("waitmsgbox", "waitstatus=2500", "waitstatus=2500", "dump")
        self.assertMessage(reading, NO_FILE)
        ticks = [s["text"] for s in reading.all("status")][:2]  # the two waits; the dump reads it again
        self.assertNotEqual(ticks[0], ticks[1], "real ticks come while the message is open")
        reading = self.drive("closemsgbox", "dump")
        self.assertText(reading.control(TARGET)["text"], HARMLESS_TARGET, "the target box keeps its text")
        self.assertEqual((reading.control(OK)["enabled"], reading.control(CANCEL)["enabled"]), (0, 1),
                         "the countdown still runs")
        self.drive("click=%d" % CANCEL)

    def test_a_countdown_can_end_while_the_dialog_is_open(self):
        self.start_harmless_countdown()
        self.pick_from_driver("运行程序")
        self.wait_dialog()
        # The rest of the minute at once; the last tick runs the action, which ends the program.
        self.drive("tick=%d,60" % MINUTES_TIMER)
        self.assertEqual(self.wait_exit(), 0, "the program ended from inside the dialog's loop")
