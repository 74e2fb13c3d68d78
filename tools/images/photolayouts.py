#!/usr/bin/env python3
"""Draws the small previews of the photo-report layouts shown in the settings dialog.

Each preview is a page in miniature: the letterhead band at the top, then the photo cells of the
layout (columns x rows); the layouts with texts put a few text lines beside each photo.
Run: python3 tools/images/photolayouts.py resources/images
"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 62, 88
WHITE = (255, 255, 255)
EDGE = (90, 90, 90)
BAND = (170, 185, 205)
PHOTO = (70, 110, 150)
TEXT = (150, 150, 150)

LAYOUTS = [
    ("1_2.png", 1, 2, False), ("1_3.png", 1, 3, False), ("2_2.png", 2, 2, False),
    ("2_3.png", 2, 3, False), ("3_2.png", 3, 2, False), ("3_3.png", 3, 3, False),
    ("1_2_Text.png", 1, 2, True), ("1_3_Text.png", 1, 3, True),
]


def png(pixels):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def fill(pixels, x0, y0, x1, y1, color):
    for y in range(max(0, y0), min(HEIGHT, y1)):
        for x in range(max(0, x0), min(WIDTH, x1)):
            pixels[y][x] = color


def draw(columns, rows, texts):
    pixels = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    fill(pixels, 0, 0, WIDTH, 1, EDGE)
    fill(pixels, 0, HEIGHT - 1, WIDTH, HEIGHT, EDGE)
    fill(pixels, 0, 0, 1, HEIGHT, EDGE)
    fill(pixels, WIDTH - 1, 0, WIDTH, HEIGHT, EDGE)
    fill(pixels, 5, 4, WIDTH - 5, 11, BAND)
    left, top, right, bottom = 5, 15, WIDTH - 5, HEIGHT - 5
    cell_w = (right - left) / columns
    cell_h = (bottom - top) / rows
    for r in range(rows):
        for c in range(columns):
            x0 = int(left + c * cell_w) + 1
            y0 = int(top + r * cell_h) + 1
            x1 = int(left + (c + 1) * cell_w) - 1
            y1 = int(top + (r + 1) * cell_h) - 1
            if texts:
                split = x0 + (x1 - x0) * 11 // 20
                fill(pixels, x0, y0, split, y1, PHOTO)
                for line in range(y0 + 2, y1 - 1, 4):
                    fill(pixels, split + 3, line, x1, line + 2, TEXT)
            else:
                fill(pixels, x0, y0, x1, y1, PHOTO)
    return pixels


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    for name, columns, rows, texts in LAYOUTS:
        with open(f"{folder}/{name}", "wb") as out:
            out.write(png(draw(columns, rows, texts)))


if __name__ == "__main__":
    main()
