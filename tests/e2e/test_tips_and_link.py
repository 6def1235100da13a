"""The balloon tips and the maker's link in the real window, with the real mouse.

Tips are read back from the program's tooltip window; the link's colours are counted in
screenshots of it. A click on the link runs whatever the prefix has registered for opening web
pages: the suite registers Wine's cmd as a recorder that writes what it was given into a file,
or removes the registrations, and puts the prefix's own back at the end.
"""

import os
import tempfile

from driver_output import gbk
from program import ACTIONS, ACTION_INDEX, AMOUNT, CANCEL, ID, OK, TARGET, ProgramTestCase, hexed
from wine_session import WINE64, wait_until
from xinput import colour_histogram, screenshot

UNITS = ID["组合框2"]
LINK = ID["超级链接框1"]

# In the order the window installs them.
TIPS = [
    (AMOUNT, "此处添写需要等待的数值."),
    (UNITS, "此处选择按分钟/小时."),
    (ACTIONS, "此处选择 重启电脑/关闭电脑/运行指定程序或打开指定文件."),
    (OK, "点此确定按钮开始倒计时."),
    (CANCEL, "取消倒计时."),
    (TARGET, "要运行程序的路径."),
]
TTS_ALWAYSTIP, TTS_NOPREFIX, TTS_BALLOON = 0x1, 0x2, 0x40
TTF_IDISHWND, TTF_SUBCLASS = 0x1, 0x10
HARMLESS_TARGET = "plumweir-e2e-nothing.exe"

ADDRESS = "http://plumweir.test/"
NORMAL, HOVER, VISITED = (0, 0, 255), (49, 106, 197), (128, 0, 0)
LINK_COLOURS = {NORMAL: "normal", HOVER: "hover", VISITED: "visited"}

# The recorder: cmd writes the rest of its command line into RECORD. The shell puts the address
# in place of %1; the program's own fallback cuts the command at %1 (or at "%1") and appends a
# blank and the address, and cmd's echo drops one blank.
RECORD = r"C:\users\Public\plumweir-e2e-link.txt"
RECORDER = r"C:\windows\system32\cmd.exe /c >%s echo" % RECORD
HTTP_COMMAND = r"HKCR\http\shell\open\command"
PAGE_CLASS = "plumweir.e2e.page"
SAVED_KEYS = ["http", ".htm"]  # the prefix's own, put back after the suite

# how the prefix opens web pages: http command, .htm command (None: not registered); what the
# recorder then gets. A click succeeds in every row.
OPENERS = [
    ("the shell's http command", RECORDER + " %1", None, ADDRESS),
    ("the browser for .htm, quoted %1", None, RECORDER + ' "%1"', " " + ADDRESS),
    ("the browser for .htm, bare %1", None, RECORDER + " %1 -new", " " + ADDRESS),
]


class TooltipsTest(ProgramTestCase):
    def rest_on(self, control_id):
        """Moves the pointer from a point beside the window onto the middle of a control, as a
        hand does: in steps (a single jump onto a control from outside the window sometimes
        shows no tip under Wine)."""
        c = self.read(control_id)
        main = self.dump().main
        x, y = c["sx"] + c["w"] // 2, c["sy"] + c["h"] // 2
        for point in ((main["x"] + main["w"] + 20, main["y"] + 20), (x - 3, y - 2), (x, y)):
            self.session.x11(["xdotool", "mousemove", str(point[0]), str(point[1])])

    def tip_on(self, control_id, timeout=5):
        """The program's tooltip window once it shows the tip of this control, or None."""
        def shown():
            for window in self.drive("tips").all("tipwin"):
                if window["owner"] == 0 and window["visible"] and window["current"] == control_id:
                    return window
            return None
        return wait_until(shown, timeout, step=0.1)

    def test_one_tooltip_window_holds_the_six_tips(self):
        reading = self.drive("tips")
        # The status bar keeps a tooltip window of its own, owned by the main window.
        own = [w for w in reading.all("tipwin") if w["owner"] == 0]
        self.assertEqual(len(own), 1, "one tooltip window without an owner")
        self.assertEqual(own[0]["style"] & (TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON),
                         TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON, "balloon style")
        tools = reading.all("tip")
        self.assertEqual([(t["id"], t["text"]) for t in tools], [(i, gbk(text)) for i, text in TIPS],
                         "one tool per control, in order, with its text")
        for tool in tools:
            self.assertEqual((tool["flags"], tool["hwnd"]), (TTF_IDISHWND | TTF_SUBCLASS, 0))

    def test_balloon_on_the_amount_box_and_the_long_tip_on_one_line(self):
        self.rest_on(AMOUNT)
        tip = self.tip_on(AMOUNT)
        self.assertIsNotNone(tip, "the amount box's tip shows")
        reading = self.dump()
        main, box = reading.main, reading.control(AMOUNT)
        self.assertTrue(tip["x"] < box["sx"] + box["w"] and box["sx"] < tip["x"] + tip["w"],
                        "the balloon stands over the box")
        left, top = min(main["x"], tip["x"]), min(main["y"], tip["y"])
        right = max(main["x"] + main["w"], tip["x"] + tip["w"])
        bottom = max(main["y"] + main["h"], tip["y"] + tip["h"])
        screenshot(self.session, "tip-amount-box", (left, top, right - left, bottom - top))

        self.rest_on(ACTIONS)
        long_tip = self.tip_on(ACTIONS)
        self.assertIsNotNone(long_tip, "the action box's tip shows")
        self.assertEqual(long_tip["h"], tip["h"], "the long text stays on one line, as high as the short one")
        self.assertGreater(long_tip["w"], tip["w"], "and wider")

    def test_cancel_and_target_tips_only_while_usable(self):
        self.rest_on(CANCEL)
        self.assertIsNone(self.tip_on(CANCEL, 1.5), "no tip on the disabled Cancel button")
        self.drive("settext=%d,%s" % (AMOUNT, hexed("1")),
                   "setsel=%d,%d" % (ACTIONS, ACTION_INDEX["关闭程序"]),
                   "settext=%d,%s" % (TARGET, hexed(HARMLESS_TARGET)), "click=%d" % OK)
        self.rest_on(CANCEL)
        self.assertIsNotNone(self.tip_on(CANCEL), "the Cancel button's tip during a countdown")
        self.drive("click=%d" % CANCEL)

        self.rest_on(TARGET)
        self.assertIsNone(self.tip_on(TARGET, 1.5), "no tip where the hidden target box lies")
        # Shown and enabled by a program pick; the dialog is cancelled and its message closed.
        self.drive("pick=%d,%d" % (ACTIONS, ACTION_INDEX["运行程序"]), "waitdialog=10000")
        dialog = self.drive("dialog").all("dialog")[0]
        self.session.x11(["xdotool", "mousemove", str(dialog["x"] + dialog["w"] // 2), str(dialog["y"] + 8)])
        self.x.key("Escape")
        self.drive("waitnodialog=10000", "waitmsgbox", "closemsgbox")
        self.rest_on(TARGET)
        self.assertIsNotNone(self.tip_on(TARGET), "the target box's tip once it is shown")


class HyperlinkTest(ProgramTestCase):
    @classmethod
    def setUpClass(cls):
        cls.saved = {}
        for key in SAVED_KEYS:
            windows_path = r"C:\users\Public\plumweir-e2e-saved-%s.reg" % key.strip(".")
            code, _ = cls.session.run([WINE64, "reg", "export", "HKCR\\" + key, windows_path, "/y"])
            if code == 0:
                cls.saved[key] = windows_path

    @classmethod
    def tearDownClass(cls):
        for key in SAVED_KEYS + [PAGE_CLASS]:
            cls.reg("delete", "HKCR\\" + key, "/f")
        for windows_path in cls.saved.values():
            cls.reg("import", windows_path)

    @classmethod
    def reg(cls, *args):
        return cls.session.run([WINE64, "reg", *args])[0]

    def setUp(self):
        super().setUp()
        self.record_file = os.path.join(self.session.config.prefix, "drive_c", "users", "Public",
                                        "plumweir-e2e-link.txt")
        self.forget_record()
        reading = self.dump()
        self.main, self.link, self.bar = reading.main, reading.control(LINK), reading.control(ID["状态条1"])

    def forget_record(self):
        if os.path.exists(self.record_file):
            os.remove(self.record_file)

    def register(self, http_command, htm_command):
        """Makes the prefix open web pages this way; None: no such registration."""
        for key in SAVED_KEYS + [PAGE_CLASS]:
            self.reg("delete", "HKCR\\" + key, "/f")
        if http_command:
            self.assertEqual(self.reg("add", HTTP_COMMAND, "/ve", "/d", http_command, "/f"), 0)
        if htm_command:
            self.assertEqual(self.reg("add", r"HKCR\.htm", "/ve", "/d", PAGE_CLASS, "/f"), 0)
            self.assertEqual(self.reg("add", "HKCR\\%s\\shell\\open\\command" % PAGE_CLASS, "/ve", "/d",
                                      htm_command, "/f"), 0)

    # --- the pointer and the link's colours -------------------------------------------------

    def move(self, x, y):
        self.session.x11(["xdotool", "mousemove", str(x), str(y)])

    def move_off(self):
        """To a point of the main window off the link: Wine reports moves over its own windows
        only."""
        self.move(self.bar["sx"] + 60, self.bar["sy"] + self.bar["h"] // 2)

    def move_onto(self):
        self.move_off()
        self.move(self.link["sx"] + self.link["w"] // 2, self.link["sy"] + self.link["h"] // 2)

    def link_colours(self):
        """Pixels of each link colour in the link's area of the screen."""
        link = self.link
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "link.png")
            self.session.x11(["import", "-window", "root", "-crop",
                              "%dx%d+%d+%d" % (link["w"], link["h"], link["sx"], link["sy"]), "+repage", path])
            counts = colour_histogram(self.session, path, (0, 0, link["w"], link["h"]))
        return {name: counts.get(colour, 0) for colour, name in LINK_COLOURS.items()}

    def assertLinkColour(self, name):
        """The text is drawn in this link colour and in no other (polled: painting follows the
        pointer's move)."""
        def drawn():
            counts = self.link_colours()
            return counts if counts[name] >= 20 and sum(counts.values()) == counts[name] else None
        self.assertTrue(wait_until(drawn, 3, step=0.1), "link drawn in its %s colour: %s" % (name, self.link_colours()))

    def click_link(self):
        self.move_onto()
        self.assertLinkColour("hover")
        self.session.x11(["xdotool", "click", "1"])

    def recorded(self, timeout=5):
        def read():
            if not os.path.exists(self.record_file):
                return None
            with open(self.record_file, "rb") as f:
                data = f.read()
            return data if data.endswith(b"\r\n") else None
        return wait_until(read, timeout, step=0.1)

    def assertStillRunning(self):
        self.assertIsNone(self.process.poll(), "the program keeps running")
        self.assertEqual(self.read(LINK)["visible"], 1, "its window is still there")

    # --- cases ------------------------------------------------------------------------------

    def test_hover_colour_follows_the_pointer(self):
        self.register(None, None)
        self.assertLinkColour("normal")
        self.move_onto()
        self.assertLinkColour("hover")
        self.screenshot("link-hover")
        self.move_off()
        self.assertLinkColour("normal")

    def test_a_click_that_opens_the_address_leaves_it_visited(self):
        for opener, http_command, htm_command, got in OPENERS:
            with self.subTest(opener=opener):
                self.register(http_command, htm_command)
                self.forget_record()
                self.move_off()
                self.click_link()
                self.assertEqual(self.recorded(), gbk(got + "\r\n"), "what the opener was given")
                self.assertLinkColour("hover")  # while the pointer stays on it
                self.move_off()
                self.assertLinkColour("visited")
                self.assertStillRunning()

    def test_a_click_that_opens_nothing_loses_the_visited_colour(self):
        self.register(RECORDER + " %1", None)
        self.click_link()
        self.assertIsNotNone(self.recorded(), "the first click opens the address")
        self.move_off()
        self.assertLinkColour("visited")

        self.register(None, None)
        self.forget_record()
        self.click_link()
        self.move_off()
        self.assertLinkColour("normal")
        self.assertIsNone(self.recorded(timeout=1), "nothing was run")
        self.assertStillRunning()
