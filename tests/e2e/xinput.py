"""Real input through the X server (xdotool) and screenshots (ImageMagick).

Used where the real keyboard or mouse path is the point: the amount box's key filter, focus
moving away from it, the arrows of the spin control, keys at window level. Wine's windows lie
at their Windows screen coordinates on the X screen, so a control's screen rect from the driver
is where to click.
"""

import os
import re
import subprocess


class XInput:
    def __init__(self, session):
        self.session = session

    def click(self, x, y):
        self.session.x11(["xdotool", "mousemove", str(x), str(y), "click", "1"])

    def click_centre(self, control):
        """A left click in the middle of a control read by the driver (sx, sy, w, h)."""
        self.click(control["sx"] + control["w"] // 2, control["sy"] + control["h"] // 2)

    def point_at_caption(self, main):
        """Rests the pointer on the window's caption: on a bare X server keys go to the window
        under the pointer. main: the window as read by the driver."""
        self.session.x11(["xdotool", "mousemove", str(main["x"] + 150), str(main["y"] + 8)])

    def type(self, text):
        self.session.x11(["xdotool", "type", "--delay", "40", "--", text])

    def key(self, *keys):
        self.session.x11(["xdotool", "key", "--delay", "40", *keys])


def screenshot(session, name, rect):
    """Saves the screen area rect = (x, y, w, h) as <screenshots>/<name>.png; returns the path."""
    os.makedirs(session.config.screenshots, exist_ok=True)
    path = os.path.join(session.config.screenshots, name + ".png")
    x, y, w, h = rect
    session.x11(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", path])
    return path


def colour_histogram(session, path, rect):
    """{(r, g, b): pixel count} of an area of a saved screenshot."""
    x, y, w, h = rect
    out = session.x11(["convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                       "-format", "%c", "histogram:info:-"])
    counts = {}
    for line in out.splitlines():
        match = re.match(r"\s*(\d+):\s*\(\s*(\d+),\s*(\d+),\s*(\d+)", line)
        if match:
            count, r, g, b = (int(v) for v in match.groups())
            counts[(r, g, b)] = counts.get((r, g, b), 0) + count
    return counts


def find_image(session, path, rect, image):
    """Looks for a small image inside an area of a saved screenshot.

    Returns (normalised RMSE, x, y) of the best place, relative to the area; 0 is a perfect
    match, 1 the worst."""
    x, y, w, h = rect
    area = path[:-len(".png")] + "-area.png"
    session.x11(["convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", area])
    done = subprocess.run(["compare", "-metric", "RMSE", "-subimage-search", area, image, "null:"],
                          env=session.env, capture_output=True, timeout=60, check=False)
    os.remove(area)
    match = re.search(r"\(([\d.e+-]+)\) @ (\d+),(\d+)", done.stderr.decode())
    if not match:
        return 1.0, None, None  # too dissimilar for a result at all
    return float(match.group(1)), int(match.group(2)), int(match.group(3))
