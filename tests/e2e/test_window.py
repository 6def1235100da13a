"""The loaded window as a user finds it: title, size and place, every control, z-order, focus,
colours and the keys that act at window level."""

import os

from program import CANCEL, ID, OK, TITLE, ProgramTestCase, hexed
from xinput import colour_histogram, find_image

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX = 0xC00000, 0x80000, 0x20000
WS_CLIPCHILDREN, WS_THICKFRAME, WS_MAXIMIZEBOX, WS_TABSTOP = 0x2000000, 0x40000, 0x10000, 0x10000
WS_EX_WINDOWEDGE, WS_EX_CLIENTEDGE, WS_EX_STATICEDGE = 0x100, 0x200, 0x20000
ES_CENTER, ES_AUTOHSCROLL = 0x1, 0x80
BS_TYPEMASK, BS_PUSHBUTTON, BS_GROUPBOX = 0xF, 0x0, 0x7
BS_CENTER, BS_VCENTER, BS_MULTILINE = 0x300, 0xC00, 0x2000
CBS_DROPDOWNLIST, CBS_SORT = 0x3, 0x100
SBARS_SIZEGRIP, SBARS_TOOLTIPS = 0x100, 0x800

WINDOW, FRAME = 0, ID["分组框1"]

# What a user finds after start. None: left to the system (class names of the program's own
# windows, the closed height of a drop-down list, a timer's place) or shown elsewhere.
#  control         class              parent  x    y    w    h     visible enabled text
EXPECTED_CONTROLS = [
    ("标签2",       None,              WINDOW, 10,  56,  44,  24,   False, True,  "程 序："),
    ("编辑框2",     "Edit",            WINDOW, 56,  57,  352, 20,   False, False, ""),
    ("超级链接框1", None,              WINDOW, 269, 83,  141, 17,   True,  True,  None),
    ("分组框1",     "Button",          WINDOW, 1,   -5,  407, 55,   True,  True,  ""),
    ("组合框1",     "ComboBox",        FRAME,  158, 20,  87,  None, True,  True,  "重启"),
    ("标签1",       None,              FRAME,  136, 18,  17,  24,   True,  True,  "后"),
    ("组合框2",     "ComboBox",        FRAME,  68,  20,  60,  None, True,  True,  "分钟"),
    ("按钮2",       "Button",          FRAME,  359, 14,  44,  32,   True,  False, "取消"),
    ("时钟2",       None,              FRAME,  None, None, None, None, False, True, None),
    ("时钟1",       None,              FRAME,  None, None, None, None, False, True, None),
    ("编辑框1",     "Edit",            FRAME,  5,   20,  41,  20,   True,  True,  "1"),
    ("按钮1",       "Button",          FRAME,  253, 14,  105, 32,   True,  True,  "确定"),
]


class LoadedWindowTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        self.reading = self.dump()

    def control(self, name):
        return self.reading.control(ID[name])

    def test_title_size_place_and_frame(self):
        main = self.reading.main
        self.assertText(main["title"], TITLE, "title")
        self.assertEqual((main["w"], main["h"]), (416, 133), "outer size")
        self.assertEqual((main["x"], main["y"]),
                         ((main["screenw"] - 416) // 2, (main["screenh"] - 133) // 2), "centred")
        style = main["style"]
        for bit, name in [(WS_CAPTION, "caption"), (WS_SYSMENU, "system menu"),
                          (WS_MINIMIZEBOX, "minimise box"), (WS_CLIPCHILDREN, "clip children")]:
            self.assertTrue(style & bit, name)
        self.assertFalse(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), "fixed size, no maximise box")
        # Wine adds the window edge to every captioned window by itself.
        self.assertEqual(main["exstyle"] & ~WS_EX_WINDOWEDGE, 0, "extended style")
        self.assertEqual(main["owner"], 0, "a top-level window of its own")
        self.assertEqual((main["visible"], main["enabled"]), (1, 1))

    def test_program_icon_in_the_title_bar(self):
        # Wine does not answer WM_GETICON from another process, so look at the caption itself:
        # the program's 16x16 image, laid over the caption's colour, must be there.
        path = self.screenshot("loaded", self.reading)
        icon_file = os.path.join(SOURCE_DIR, "src", "res", "Plumweir.ico")
        frames = self.session.x11(["identify", "-format", "%p %w %h\n", icon_file]).split("\n")
        small = [f.split()[0] for f in frames if f.endswith(" 16 16")][-1]
        caption = self.session.x11(["convert", path, "-format", "%[pixel:p{60,3}]", "info:"]).strip()
        expected = os.path.join(os.path.dirname(path), "icon16-over-caption.png")
        self.addCleanup(os.remove, expected)
        self.session.x11(["convert", "%s[%s]" % (icon_file, small), "-background", caption, "-flatten", expected])
        error, x, y = find_image(self.session, path, (0, 0, 40, 26), expected)
        self.assertLess(error, 0.05, "the program's small icon in the caption (best match at %s,%s)" % (x, y))

    def test_every_control(self):
        for name, cls, parent, x, y, w, h, visible, enabled, text in EXPECTED_CONTROLS:
            with self.subTest(control=name):
                c = self.control(name)
                self.assertNotIn("missing", c, "control window exists")
                if cls:
                    self.assertEqual(c["class"].lower(), cls.lower())
                self.assertEqual(c["parent"], parent, "parent")
                for key, want in (("x", x), ("y", y), ("w", w), ("h", h)):
                    if want is not None:
                        self.assertEqual(c[key], want, key)
                self.assertEqual(c["visible"], int(visible), "visible")
                self.assertEqual(c["enabled"], int(enabled), "enabled")
                if text is not None:
                    self.assertText(c["text"], text, "text")

    def test_amount_box_and_its_spin_control(self):
        box, spin = self.control("编辑框1"), self.reading.controls["spin"]
        self.assertTrue(box["style"] & ES_CENTER, "centred")
        self.assertTrue(box["style"] & ES_AUTOHSCROLL)
        self.assertTrue(box["exstyle"] & WS_EX_CLIENTEDGE, "sunken border")
        self.assertEqual(box["limit"], 6)
        self.assertGreater(self.control("编辑框2")["limit"], 1_000_000, "target box: no practical limit")
        self.assertEqual(spin["class"].lower(), "msctls_updown32")
        self.assertEqual(spin["parent"], FRAME)
        self.assertEqual((spin["x"], spin["y"], spin["w"], spin["h"]),
                         (box["x"] + box["w"], box["y"], 18, box["h"]), "beside the box, 18 wide")
        self.assertEqual((spin["lower"], spin["upper"]), (1, 9999))
        self.assertTrue(spin["exstyle"] & WS_EX_STATICEDGE)
        self.assertEqual((spin["visible"], spin["enabled"]), (1, 1))

    def test_lists_buttons_and_frame_kinds(self):
        for name, items, selected in [("组合框2", ["分钟", "小时"], "分钟"),
                                      ("组合框1", ["重启", "关机", "运行程序", "关闭程序"], "重启")]:
            with self.subTest(control=name):
                c = self.control(name)
                self.assertEqual([i.decode("gbk") for i in c["items"]], items, "items in order")
                self.assertEqual(c["sel"], 0)
                self.assertText(c["seltext"], selected, "selected item")
                self.assertEqual(c["style"] & 3, CBS_DROPDOWNLIST)
                self.assertFalse(c["style"] & CBS_SORT, "not sorted")
                self.assertTrue(c["style"] & WS_TABSTOP)
        for name in ("按钮1", "按钮2"):
            with self.subTest(control=name):
                style = self.control(name)["style"]
                self.assertEqual(style & BS_TYPEMASK, BS_PUSHBUTTON, "a push button, not a default one")
                self.assertEqual(style & (BS_CENTER | BS_VCENTER | BS_MULTILINE),
                                 BS_CENTER | BS_VCENTER | BS_MULTILINE)
                self.assertTrue(style & WS_TABSTOP)
        self.assertEqual(self.control("分组框1")["style"] & BS_TYPEMASK, BS_GROUPBOX)

    def test_status_bar_is_docked_with_one_empty_part(self):
        bar, main = self.control("状态条1"), self.reading.main
        self.assertEqual(bar["class"].lower(), "msctls_statusbar32")
        self.assertEqual(bar["parent"], WINDOW)
        self.assertEqual((bar["x"], bar["w"], bar["y"] + bar["h"]), (0, main["cw"], main["ch"]),
                         "docked at the bottom over the full width")
        self.assertEqual(bar["visible"], 1)
        self.assertFalse(bar["style"] & SBARS_SIZEGRIP, "no size grip")
        self.assertTrue(bar["style"] & SBARS_TOOLTIPS)
        status = self.reading.status
        self.assertEqual((status["parts"], status["edges"], status["simple"], status["type"]),
                         (1, [255], 0, 0))
        self.assertText(status["text"], "", "status text")

    def test_z_order(self):
        def listed(ids, wanted):
            return [i for i in ids if i in wanted]
        window = [ID[n] for n in ("标签2", "编辑框2", "超级链接框1", "状态条1", "分组框1")]
        frame = [ID[n] for n in ("组合框1", "标签1", "组合框2", "按钮2", "编辑框1", "按钮1")]
        self.assertEqual(listed(self.reading.zorder["window"], window), window)
        self.assertEqual(listed(self.reading.zorder["frame"], frame), frame)

    def test_ok_button_has_the_focus(self):
        self.assertEqual(self.reading.focus["id"], OK)
        self.assertEqual(self.reading.focus["active"], 1, "the window is active")

    def test_colours(self):
        path = self.screenshot("loaded-colours", self.reading)
        main = self.reading.main

        def area(control, left, top, width, height):
            """Colours of an area given relative to a control's top-left corner."""
            rect = (control["sx"] - main["x"] + left, control["sy"] - main["y"] + top, width, height)
            return colour_histogram(self.session, path, rect)

        box = self.control("编辑框1")
        colours = area(box, 3, 3, box["w"] - 6, box["h"] - 6)  # inside the sunken border
        self.assertGreater(colours.get((0, 0, 0), 0), sum(colours.values()) // 2,
                           "the amount box: mostly black background: %s" % colours)
        self.assertTrue(any(min(c) >= 200 for c in colours), "the amount box: white text: %s" % colours)

        face = main["btnface"]
        face = (face & 0xFF, face >> 8 & 0xFF, face >> 16 & 0xFF)
        frame, bar = self.control("分组框1"), self.control("状态条1")
        blank = {
            # below the amount box and its spin control, inside the frame box's border
            "frame box": area(frame, box["x"] + 2, box["y"] + box["h"] + 2, 50, 5),
            # between the frame box and the status bar, left of the hyperlink
            "window": area(bar, 10, frame["y"] + frame["h"] - bar["y"] + 4, 200, 4),
        }
        for where, colours in blank.items():
            with self.subTest(where=where):
                self.assertEqual(set(colours), {face}, "plain COLOR_BTNFACE background")

    def test_program_file_icon_has_eight_images(self):
        exe = self.session.config.exe
        windows_path = "Z:" + exe.replace("/", "\\")
        icon = self.drive("fileicon=%s" % hexed(windows_path)).file_icon
        self.assertEqual(icon["found"], 1, "an icon in the program file")
        self.assertEqual(sorted(icon["images"]),
                         sorted(["48x48x4", "48x48x8", "32x32x8", "16x16x8",
                                 "128x128x32", "48x48x32", "32x32x32", "16x16x32"]))


class WindowKeysTest(ProgramTestCase):
    """Keys at window level after start, pressed for real with the pointer over the window."""

    def setUp(self):
        super().setUp()
        self.x.point_at_caption(self.dump().main)

    def buttons_enabled(self):
        reading = self.drive("read=%d" % OK, "read=%d" % CANCEL)
        return reading.control(OK)["enabled"], reading.control(CANCEL)["enabled"]

    def test_enter_and_escape_do_nothing(self):
        self.x.key("Return", "Escape")
        self.assertEqual(self.buttons_enabled(), (1, 0), "no countdown started")
        self.assertIsNone(self.process.poll(), "the window stays open")
        self.assertEqual(self.drive("focus").focus["id"], OK)
        self.assertText(self.status_text(), "")

    def test_space_clicks_the_focused_ok_button(self):
        self.x.key("space")
        self.assertEqual(self.buttons_enabled(), (0, 1), "the countdown started")
