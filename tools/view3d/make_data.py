#!/usr/bin/env python3
"""Writes the 3D view's data files: the house model (obj/House.tsobj) and the compass picture
(img/compass.png) into the folder given as the only argument.

The model file is an XML document of "object" elements, each with a texture (base64 of an image
in Qt's data-stream form: a 32-bit flag 1 followed by PNG bytes), vertices in hundredths of a
scene unit, normals, texture coordinates and faces. Run it again after changing the shapes."""
import base64
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


def streamed_image(png_bytes):
    """An image as Qt's data stream writes it: a non-null flag, then the PNG."""
    return struct.pack(">i", 1) + png_bytes


def plain_texture(rgb, shade):
    """A 16 x 16 texture of one colour with a slight pattern of courses."""
    def pixel(x, y):
        d = shade if y % 4 == 0 else 0
        return (max(rgb[0] - d, 0), max(rgb[1] - d, 0), max(rgb[2] - d, 0), 255)
    return png(16, 16, pixel)


class Mesh:
    def __init__(self):
        self.vertices, self.normals, self.uvs, self.faces = [], [], [], []

    def polygon(self, corners, uvs):
        """A flat convex polygon, counter-clockwise seen from outside."""
        a, b, c = corners[0], corners[1], corners[2]
        u = [b[i] - a[i] for i in range(3)]
        v = [c[i] - a[i] for i in range(3)]
        n = [u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]]
        length = math.sqrt(sum(x * x for x in n))
        n = [x / length for x in n]
        first = len(self.vertices)
        for corner, uv in zip(corners, uvs):
            self.vertices.append(corner)
            self.normals.append(n)
            self.uvs.append(uv)
        for k in range(1, len(corners) - 1):
            self.faces.append((first, first + k, first + k + 1))


def number(value):
    text = "%.4f" % value
    text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def house_objects():
    # Metres at the default plan scale: 10 m long (x), 8 m deep (z), walls 3 m, ridge 5 m.
    hx, hz, wall, ridge = 5.0, 4.0, 3.0, 5.0
    walls = Mesh()
    square = [(0, 0), (1, 0), (1, 1), (0, 1)]
    walls.polygon([(-hx, 0, hz), (hx, 0, hz), (hx, wall, hz), (-hx, wall, hz)], square)
    walls.polygon([(hx, 0, -hz), (-hx, 0, -hz), (-hx, wall, -hz), (hx, wall, -hz)], square)
    walls.polygon([(hx, 0, hz), (hx, 0, -hz), (hx, wall, -hz), (hx, wall, hz)], square)
    walls.polygon([(-hx, 0, -hz), (-hx, 0, hz), (-hx, wall, hz), (-hx, wall, -hz)], square)
    # The gables close the walls under the roof.
    walls.polygon([(hx, wall, hz), (hx, wall, -hz), (hx, ridge, 0)], [(0, 0), (1, 0), (0.5, 1)])
    walls.polygon([(-hx, wall, -hz), (-hx, wall, hz), (-hx, ridge, 0)], [(0, 0), (1, 0), (0.5, 1)])
    walls.polygon([(-hx, 0, -hz), (hx, 0, -hz), (hx, 0, hz), (-hx, 0, hz)], square)

    roof = Mesh()
    eave = 0.5
    rx, rz = hx + eave, hz + eave
    drop = (ridge - wall) * eave / hz
    roof.polygon([(-rx, wall - drop, rz), (rx, wall - drop, rz), (rx, ridge, 0), (-rx, ridge, 0)], square)
    roof.polygon([(rx, wall - drop, -rz), (-rx, wall - drop, -rz), (-rx, ridge, 0), (rx, ridge, 0)], square)
    # The underside, so the eaves show from below too.
    roof.polygon([(rx, ridge, 0), (rx, wall - drop, rz), (-rx, wall - drop, rz), (-rx, ridge, 0)], square)
    roof.polygon([(-rx, ridge, 0), (-rx, wall - drop, -rz), (rx, wall - drop, -rz), (rx, ridge, 0)], square)

    return [(walls, plain_texture((236, 226, 204), 18)), (roof, plain_texture((168, 58, 42), 30))]


def model_file(objects):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<model>"]
    for mesh, texture in objects:
        def flat(rows):
            return [x for row in rows for x in row]
        vertices = flat(mesh.vertices)
        normals = flat(mesh.normals)
        uvs = flat(mesh.uvs)
        faces = flat(mesh.faces)
        lines.append("  <object>")
        lines.append("    <texture>%s</texture>" % base64.b64encode(streamed_image(texture)).decode())
        lines.append('    <vertices count="%d">%s</vertices>' % (len(vertices), " ".join(number(v) for v in vertices)))
        lines.append('    <normals count="%d">%s</normals>' % (len(normals), " ".join(number(v) for v in normals)))
        lines.append('    <uvs count="%d">%s</uvs>' % (len(uvs), " ".join(number(v) for v in uvs)))
        lines.append('    <faces count="%d">%s</faces>' % (len(faces), " ".join(str(v) for v in faces)))
        lines.append("  </object>")
    lines.append("</model>")
    return "\n".join(lines) + "\n"


def compass_png(size=128):
    """A compass rose on a transparent ground: north (red) at the top row, the other points grey."""
    c = (size - 1) / 2.0
    outer = size * 0.47
    ring = size * 0.035

    def inside_point(px, py, angle, length, half_width):
        # A kite from the centre towards angle (0 = up), as wide as 2 * half_width at its middle.
        dx, dy = math.sin(angle), -math.cos(angle)
        along = px * dx + py * dy
        across = abs(-px * dy + py * dx)
        if along < 0 or along > length:
            return False
        return across <= half_width * (1 - along / length) * min(1.0, (along + half_width) / half_width)

    def pixel(x, y):
        px, py = x - c, y - c
        r = math.hypot(px, py)
        if abs(r - outer) <= ring / 2:
            return (60, 60, 60, 255)
        if inside_point(px, py, 0.0, outer * 0.95, size * 0.09):
            return (200, 30, 30, 255)
        for angle in (math.pi / 2, math.pi, 3 * math.pi / 2):
            if inside_point(px, py, angle, outer * 0.8, size * 0.07):
                return (90, 90, 90, 255)
        if r <= size * 0.03:
            return (40, 40, 40, 255)
        return (0, 0, 0, 0)

    return png(size, size, pixel)


def main():
    root = sys.argv[1]
    os.makedirs(os.path.join(root, "obj"), exist_ok=True)
    os.makedirs(os.path.join(root, "img"), exist_ok=True)
    with open(os.path.join(root, "obj", "House.tsobj"), "w", encoding="utf-8") as f:
        f.write(model_file(house_objects()))
    with open(os.path.join(root, "img", "compass.png"), "wb") as f:
        f.write(compass_png())


if __name__ == "__main__":
    main()
