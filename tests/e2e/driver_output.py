"""Runs e2e_driver.exe and turns its lines into a Reading.

Each line is "kind [label] key=value ...". Texts arrive as hex GBK bytes ("-" for the empty
text) and are kept as bytes, so that every comparison is byte for byte.
"""

from wine_session import WINE64

HEX_KEYS = {"text", "title", "seltext", "caption", "name"}
HEX_LIST_KEYS = {"items"}


def gbk(text):
    """The GBK bytes of a text, for comparing with what the program shows."""
    return text.encode("gbk")


def unhex(value):
    return b"" if value == "-" else bytes.fromhex(value)


def _value(key, value):
    if key in HEX_KEYS:
        return unhex(value)
    if key in HEX_LIST_KEYS:
        return [] if value == "-" else [unhex(v) for v in value.split(",")]
    if key == "ids":
        return [] if value == "-" else [int(v) for v in value.split(",")]
    if key == "buttons":
        if value == "-":
            return []
        return [(int(i), unhex(t)) for i, t in (b.split(":") for b in value.split(","))]
    if key == "images":
        return value.split(",") if value else []
    if key == "edges":
        return [int(v) for v in value.split(",") if v]
    try:
        return int(value, 0)
    except ValueError:
        return value


class DriverError(AssertionError):
    pass


class Reading:
    """What one driver run printed, by kind."""

    def __init__(self, output):
        self.output = output
        self.main = None
        self.controls = {}   # label ("0".."13", "spin") -> fields
        self.zorder = {}     # "window" / "frame" -> child ids, top first
        self.focus = None
        self.status = None
        self.msgbox = None
        self.processes = []  # exe names as bytes
        self.file_icon = None
        self.error = None
        self.lines = []      # (kind, label, fields) in the order printed
        for line in output.replace("\r", "").splitlines():
            words = line.split()
            if not words:
                continue
            if words[0].startswith("error="):
                self.error = words[0][len("error="):]
                continue
            kind, rest = words[0], words[1:]
            label = None
            if rest and "=" not in rest[0]:
                label, rest = rest[0], rest[1:]
            fields = {}
            for word in rest:
                key, _, value = word.partition("=")
                fields[key] = _value(key, value)
            self.lines.append((kind, label, fields))
            if kind == "main":
                self.main = fields
            elif kind == "ctl":
                self.controls[label] = fields
            elif kind == "zorder":
                self.zorder[label] = fields["ids"]
            elif kind == "focus":
                self.focus = fields
            elif kind == "status":
                self.status = fields
            elif kind == "msgbox":
                self.msgbox = fields
            elif kind == "fileicon":
                self.file_icon = fields
            elif kind == "proc":
                self.processes.append(fields["name"])

    def control(self, window_id):
        """A control by its child-window id, read by "read=ID" or by "dump" (which labels the
        controls by their place in the template, id - 100)."""
        if str(window_id) in self.controls:
            return self.controls[str(window_id)]
        return self.controls[str(window_id - 100)]

    def all(self, kind):
        """Every line of one kind, in order (several status readings, status changes)."""
        return [fields for k, _, fields in self.lines if k == kind]


def run_driver(session, *commands, timeout=60, allow_error=False):
    code, output = session.run([WINE64, session.config.driver, *commands], timeout=timeout)
    reading = Reading(output)
    if (code != 0 or reading.error) and not allow_error:
        raise DriverError("driver %s failed (exit %d): %s" % (" ".join(commands), code, output.strip()))
    return reading
