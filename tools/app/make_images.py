#!/usr/bin/env python3
"""Writes the program's own pictures into the folder given as the only argument: the splash
screen (zozorure_splash.png), the window icon (zozorureicon.png) and the built-in logo shown when
the company has none (zozorure.png). All three show the same mark, a pipe cross-section in blue;
the splash leaves its lower band plain, where the start-up messages are drawn in black.
Run it again after changing the shapes."""
import math
import os
import struct
import sys
import zlib


def png(width, height, pixel):
    """PNG bytes of an RGBA picture; pixel(x, y) gives (r, g, b, a)."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


BLUE = (32, 84, 150)
WATER = (70, 150, 210)


def mark(x, y, cx, cy, r):
    """The mark's colour at (x, y) for a ring of outer radius r at (cx, cy), or None outside."""
    d = math.hypot(x - cx, y - cy)
    if r * 0.78 <= d <= r:
        return BLUE
    if d < r * 0.78 and y > cy + r * 0.35:
        return WATER
    return None


def blend(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def splash(x, y, w=480, h=280):
    c = mark(x, y, w / 2, 115, 80)
    if c:
        return c + (255,)
    if y >= h - 40:
        return (236, 236, 236, 255)
    return blend((204, 204, 204), (250, 250, 250), y / (h - 40)) + (255,)


def icon(x, y):
    c = mark(x, y, 31.5, 31.5, 30)
    return c + (255,) if c else (0, 0, 0, 0)


def logo(x, y):
    c = mark(x, y, 75, 75, 62)
    if c:
        return c + (255,)
    # three bars beside the ring, a stand-in for a company name
    for i, length in enumerate((140, 110, 125)):
        top = 40 + i * 28
        if 155 <= x < 155 + length and top <= y < top + 14:
            return BLUE + (255,)
    return (0, 0, 0, 0)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, w, h, pixel in (("zozorure_splash.png", 480, 280, splash),
                              ("zozorureicon.png", 64, 64, icon),
                              ("zozorure.png", 310, 150, logo)):
        with open(os.path.join(out, name), "wb") as f:
            f.write(png(w, h, pixel))


if __name__ == "__main__":
    main()
