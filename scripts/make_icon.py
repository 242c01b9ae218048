#!/usr/bin/env python3
"""Draws the program icon: a six-stat radar chart on a hexagon.

Writes a 16-colour .ico with 48x48, 32x32 and 16x16 images (4 bits per pixel,
standard VGA palette, transparency through the AND mask).

Usage: make_icon.py OUT.ico
"""
import math
import struct
import sys

# The sixteen colours of the standard VGA palette, as (B, G, R, 0).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # as (R, G, B)
BLACK, NAVY, SILVER, RED, YELLOW, WHITE = 0, 4, 7, 9, 11, 15
TRANSPARENT = None

# How far each stat reaches, HP first, clockwise from the top.
STAT_REACH = [0.95, 0.75, 0.55, 0.9, 0.5, 0.8]


def hexagon(cx, cy, radius, reach=None):
    points = []
    for k in range(6):
        angle = math.radians(-90 + 60 * k)
        r = radius * (reach[k] if reach else 1.0)
        points.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    return points


def inside(points, x, y):
    result = False
    n = len(points)
    for i in range(n):
        x1, y1 = points[i]
        x2, y2 = points[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            cross = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < cross:
                result = not result
    return result


def segment_distance(px, py, a, b):
    (x1, y1), (x2, y2) = a, b
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - x1) * dx + (py - y1) * dy) / length2))
    return math.hypot(px - (x1 + t * dx), py - (y1 + t * dy))


def near_outline(points, x, y, width):
    n = len(points)
    return any(segment_distance(x, y, points[i], points[(i + 1) % n]) <= width
               for i in range(n))


def draw(size):
    c = (size - 1) / 2.0
    radius = size * 0.47
    outer = hexagon(c, c, radius)
    stats = hexagon(c, c, radius * 0.86, STAT_REACH)
    centre = (c, c)
    line = max(0.45, size / 56.0)
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            colour = TRANSPARENT
            if inside(outer, x, y):
                colour = NAVY
                if size >= 32 and any(segment_distance(x, y, centre, p) <= line * 0.6
                                      for p in hexagon(c, c, radius)):
                    colour = SILVER
                if inside(stats, x, y):
                    colour = YELLOW
                if near_outline(stats, x, y, line):
                    colour = RED
            if near_outline(outer, x, y, line * 1.1) and (colour is not None or inside(outer, x, y)):
                colour = WHITE if size > 16 else SILVER
            row.append(colour)
        pixels.append(row)
    return pixels


def image_bytes(size, pixels):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x in range(size):
            colour = pixels[y][x]
            index = 0 if colour is None else colour
            if x % 2 == 0:
                row[x // 2] |= index << 4
            else:
                row[x // 2] |= index
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += row
        mask += bits
    return header + palette + bytes(xor) + bytes(mask)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUT.ico")
    sizes = [48, 32, 16]
    images = [image_bytes(s, draw(s)) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
