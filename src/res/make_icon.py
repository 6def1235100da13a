#!/usr/bin/env python3
"""Draws the program's icon and writes Plumweir.ico beside this script.

The motif: a clock face whose dial is a power symbol. The symbol's open ring sits on the face,
its bar doubles as the minute hand pointing at twelve, and a short hour hand points at three.

Standard library only, so the icon can be redrawn anywhere; the .ico is committed so that a
build never needs Python. Output is byte-for-byte reproducible.

Images, in the order the directory lists them:
  48x48 in 16 colours; 48x48, 32x32, 16x16 in 256 colours;
  128x128 (PNG-compressed), 48x48, 32x32, 16x16 in 32-bit colour.
"""

import math
import os
import struct
import zlib

# Colours (R, G, B) of the full-colour images. Flat fills keep the PNG image small.
TRUE_COLOUR = {
    "face": (255, 255, 255),
    "rim": (59, 52, 71),
    "plum_top": (170, 62, 150),
    "plum_bottom": (108, 28, 100),
    "hand": (59, 52, 71),
    "tick": (120, 112, 132),
}

# The same motif in colours of the standard 16-colour palette, drawn without soft edges.
SIXTEEN_COLOUR = {
    "face": (255, 255, 255),
    "rim": (0, 0, 0),
    "plum_top": (128, 0, 128),
    "plum_bottom": (128, 0, 128),
    "hand": (0, 0, 0),
    "tick": (128, 128, 128),
}


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# Signed distances (negative inside), in the same units as the arguments.

def sd_disc(px, py, cx, cy, r):
    return math.hypot(px - cx, py - cy) - r


def sd_capsule(px, py, ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    t = clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy))
    return math.hypot(px - ax - t * dx, py - ay - t * dy) - half_width


def sd_open_ring(px, py, cx, cy, r, half_width, gap):
    """A ring with round ends, open by +-gap around the top."""
    x, y = px - cx, py - cy
    angle = math.atan2(x, -y)  # 0 at twelve o'clock, clockwise positive
    if abs(angle) >= gap:
        return abs(math.hypot(x, y) - r) - half_width
    ex = r * math.sin(gap)
    ey = -r * math.cos(gap)
    return min(math.hypot(x - ex, y - ey), math.hypot(x + ex, y - ey)) - half_width


# Hand-fitted geometry for the small sizes: whole-pixel strokes on whole-pixel radii, so that
# each stroke covers whole pixels instead of smearing over half ones.
SMALL = {
    16: {"face": 8.0, "rim": 1.0, "ring": 4.0, "stroke": 2.0, "bar_top": 3.0,
         "hand_len": 2.0, "hand": 2.0, "hub": 0.0, "ticks": "none", "gap": 48.0},
    32: {"face": 16.0, "rim": 1.5, "ring": 8.0, "stroke": 4.0, "bar_top": 5.0,
         "hand_len": 5.5, "hand": 2.0, "hub": 2.0, "ticks": "major"},
    48: {"face": 24.0, "rim": 2.0, "ring": 13.0, "stroke": 4.0, "bar_top": 8.0,
         "hand_len": 8.0, "hand": 4.0, "hub": 3.0, "ticks": "all"},
}


def params(size):
    """Geometry in pixels, centred on the image."""
    s = float(size)
    c = s / 2.0
    p = {
        "c": c,
        "face": s * 0.47,
        "rim": s * 0.045,
        "ring": s * 0.27,
        "stroke": s * 0.095,
        "bar_top": s * 0.17,
        "hand_len": s * 0.17,
        "hand": s * 0.065,
        "hub": s * 0.05,
        "ticks": "all",
        "gap": 38.0,  # the power ring's opening around twelve o'clock, half-angle in degrees
    }
    p.update(SMALL.get(size, {}))
    return p


def render(size, colours=TRUE_COLOUR, hard=False):
    """Returns rows of (R, G, B, A) tuples, 8 bits each, straight (not premultiplied) alpha.
    With hard set, every pixel is either inside a shape or not (for the 16-colour image)."""
    p = params(size)
    k = colours

    def cover(d):
        if hard:
            return 1.0 if d < 0.0 else 0.0
        return clamp01(0.5 - d)

    c = p["c"]
    ticks = []
    if p["ticks"] != "none":
        for hour in range(1, 12):
            major = hour % 3 == 0
            if not major and p["ticks"] != "all":
                continue
            a = math.radians(hour * 30)
            sx, sy = math.sin(a), -math.cos(a)
            inner = size * (0.335 if major else 0.36)
            outer = size * 0.395
            width = max(1.0, size * (0.035 if major else 0.02))
            ticks.append((c + sx * inner, c + sy * inner, c + sx * outer, c + sy * outer, width / 2))

    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            x, y = i + 0.5, j + 0.5
            colour = (0.0, 0.0, 0.0)
            alpha = 0.0

            def over(col, cov):
                nonlocal colour, alpha
                if cov <= 0.0:
                    return
                out_a = cov + alpha * (1.0 - cov)
                colour = tuple((col[n] * cov + colour[n] * alpha * (1.0 - cov)) / out_a for n in range(3))
                alpha = out_a

            d_face = sd_disc(x, y, c, c, p["face"])
            over(k["face"], cover(d_face))
            # The rim is the face's outer band.
            over(k["rim"], cover(d_face) * cover(-d_face - p["rim"]))
            for (ax, ay, bx, by, hw) in ticks:
                over(k["tick"], cover(sd_capsule(x, y, ax, ay, bx, by, hw)))
            plum = mix(k["plum_top"], k["plum_bottom"], clamp01(y / size))
            over(plum, cover(sd_open_ring(x, y, c, c, p["ring"], p["stroke"] / 2, math.radians(p["gap"]))))
            if p["hand_len"] > 0:
                over(k["hand"], cover(sd_capsule(x, y, c, c, c + p["hand_len"], c, p["hand"] / 2)))
            over(plum, cover(sd_capsule(x, y, c, c, c, p["bar_top"], p["stroke"] / 2)))
            if p["hub"] > 0:
                over(k["hand"], cover(sd_disc(x, y, c, c, p["hub"])))
            row.append(tuple(int(round(v)) for v in colour) + (int(round(alpha * 255)),))
        rows.append(row)
    return rows


# Palettes and colour reduction for the older image formats.

VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def nearest(palette, rgb):
    best, best_d = 0, None
    for k, q in enumerate(palette):
        # Weighted towards green, as the eye is.
        d = 2 * (rgb[0] - q[0]) ** 2 + 4 * (rgb[1] - q[1]) ** 2 + 3 * (rgb[2] - q[2]) ** 2
        if best_d is None or d < best_d:
            best, best_d = k, d
    return best


def median_cut(colours, limit):
    """Reduces a list of RGB tuples to at most `limit` representative colours."""
    unique = sorted(set(colours))
    if len(unique) <= limit:
        return unique
    boxes = [unique]
    while len(boxes) < limit:
        boxes.sort(key=lambda b: max(max(c[k] for c in b) - min(c[k] for c in b) for k in range(3)))
        box = boxes.pop()
        if len(box) < 2:
            boxes.append(box)
            break
        axis = max(range(3), key=lambda k: max(c[k] for c in box) - min(c[k] for c in box))
        box.sort(key=lambda c: c[axis])
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    return sorted(tuple(sum(c[k] for c in b) // len(b) for k in range(3)) for b in boxes)


def opaque(px):
    return px[3] >= 128


def indexed(rows, palette):
    return [[nearest(palette, px[:3]) if opaque(px) else 0 for px in row] for row in rows]


# Image encoders.

def and_mask(rows):
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for i, px in enumerate(row):
            if not opaque(px):
                bits[i // 8] |= 0x80 >> (i % 8)
        out += bits
    return bytes(out)


def bmp_header(size, bpp, data_len):
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, data_len, 0, 0, 0, 0)


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def bmp_indexed(rows, palette, bpp):
    full = list(palette) + [(0, 0, 0)] * ((1 << bpp) - len(palette))
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in full)
    idx = indexed(rows, palette)
    xor = bytearray()
    for row in reversed(idx):
        if bpp == 4:
            packed = bytes((row[k] << 4) | row[k + 1] for k in range(0, len(row), 2))
        else:
            packed = bytes(row)
        xor += pad(packed)
    mask = and_mask(rows)
    return bmp_header(len(rows), bpp, len(xor) + len(mask)) + pal + bytes(xor) + mask


def bmp_32(rows):
    xor = b"".join(bytes(v for (r, g, b, a) in row for v in (b, g, r, a)) for row in reversed(rows))
    mask = and_mask(rows)
    return bmp_header(len(rows), 32, len(xor) + len(mask)) + xor + mask


def png(rows):
    size = len(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    # Adaptive filtering, picking per row the filter with the smallest absolute sum.
    raw = bytearray()
    prev = bytes(size * 4)
    for row in rows:
        cur = bytes(v for px in row for v in px)
        candidates = []
        for ftype in range(5):
            out = bytearray([ftype])
            for k, v in enumerate(cur):
                a = cur[k - 4] if k >= 4 else 0
                b = prev[k]
                c = prev[k - 4] if k >= 4 else 0
                if ftype == 0:
                    pred = 0
                elif ftype == 1:
                    pred = a
                elif ftype == 2:
                    pred = b
                elif ftype == 3:
                    pred = (a + b) // 2
                else:
                    pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                    pred = a if pa <= pb and pa <= pc else b if pb <= pc else c
                out.append((v - pred) & 0xFF)
            candidates.append(out)
        raw += min(candidates, key=lambda o: sum(x if x < 128 else 256 - x for x in o[1:]))
        prev = cur
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def ico(images):
    """images: (size, colour count field, bpp, data) tuples."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, colours, bpp, data in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, colours, 0, 1, bpp, len(data), offset)
        blobs += data
        offset += len(data)
    return header + entries + blobs


def main():
    art = {size: render(size) for size in (128, 48, 32, 16)}
    images = [(48, 16, 4, bmp_indexed(render(48, SIXTEEN_COLOUR, hard=True), VGA16, 4))]
    for size in (48, 32, 16):
        palette = median_cut([px[:3] for row in art[size] for px in row if opaque(px)], 256)
        images.append((size, 0, 8, bmp_indexed(art[size], palette, 8)))
    images.append((128, 0, 32, png(art[128])))
    for size in (48, 32, 16):
        images.append((size, 0, 32, bmp_32(art[size])))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Plumweir.ico")
    with open(path, "wb") as f:
        f.write(ico(images))
    print("%s: %d bytes" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
