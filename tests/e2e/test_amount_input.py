"""The amount box through real key presses and mouse clicks: the key filter, the 6-character
limit, the normalisation when the focus leaves, and the spin arrows that wrap."""

from program import AMOUNT, SPIN_ID, ProgramTestCase, hexed

# typed, shown while the box has the focus, keys that move the focus away, shown afterwards
TYPING = [
    ("a.5",      "5",      "Tab",       "5"),
    ("007",      "007",    "Tab",       "7"),
    ("0",        "0",      "Tab",       ""),
    ("-0",       "-0",     "shift+Tab", ""),
    ("-",        "-",      "Tab",       ""),
    ("12-3",     "12-3",   "Tab",       "12"),
    ("-5",       "-5",     "shift+Tab", "-5"),
    ("x9y8z",    "98",     "Tab",       "98"),
    ("12345678", "123456", "Tab",       "123456"),
]

# text in the box, arrow clicked, text afterwards
SPIN = [
    ("9999",  "up",   "1"),
    ("1",     "down", "9999"),
    ("5",     "up",   "6"),
    ("5",     "down", "4"),
    ("",      "up",   "1"),
    ("",      "down", "9999"),
    ("-5",    "up",   "1"),
    ("20000", "down", "9999"),
    ("abc",   "up",   "1"),
]


class AmountInputTest(ProgramTestCase):
    def amount(self):
        return self.read(AMOUNT)

    def test_key_filter_and_normalisation_on_focus_loss(self):
        for typed, while_focused, leave_keys, after in TYPING:
            with self.subTest(typed=typed, leave=leave_keys):
                self.x.click_centre(self.amount())
                self.x.key("End", *["BackSpace"] * 8)
                self.x.type(typed)
                reading = self.drive("focus", "read=%d" % AMOUNT)
                self.assertEqual(reading.focus["id"], AMOUNT, "the box has the focus")
                self.assertText(reading.control(AMOUNT)["text"], while_focused, "while focused")
                self.x.key(leave_keys)
                reading = self.drive("focus", "read=%d" % AMOUNT)
                self.assertNotEqual(reading.focus["id"], AMOUNT, "the focus has left the box")
                self.assertText(reading.control(AMOUNT)["text"], after, "after focus loss")

    def test_spin_arrows_wrap_within_1_to_9999(self):
        spin = self.read(SPIN_ID)
        arrows = {"up": (spin["sx"] + spin["w"] // 2, spin["sy"] + spin["h"] // 4),
                  "down": (spin["sx"] + spin["w"] // 2, spin["sy"] + spin["h"] * 3 // 4)}
        for before, arrow, after in SPIN:
            with self.subTest(before=before, arrow=arrow):
                self.drive("settext=%d,%s" % (AMOUNT, hexed(before)))
                self.x.click(*arrows[arrow])
                reading = self.drive("focus", "read=%d" % AMOUNT)
                self.assertText(reading.control(AMOUNT)["text"], after)
                self.assertEqual(reading.focus["id"], AMOUNT, "the arrow gives the box the focus")

    def test_spin_by_posted_clicks_without_the_pointer(self):
        # The same arrows pressed by messages to the control: the window need not be in front.
        self.drive("settext=%d,%s" % (AMOUNT, hexed("9999")), "spin=up")
        self.assertText(self.amount()["text"], "1")
        self.drive("spin=down")
        self.assertText(self.amount()["text"], "9999")
