#!/usr/bin/env python3
"""Draws the program icon: a six-stat radar chart on a hexagon.

Writes an .ico with 16-colour images of 48x48, 32x32 and 16x16 pixels (4 bits
per pixel, standard VGA palette, transparency through the AND mask) and
32-bit colour images of 64x64, 40x40, 24x24 and 20x20 pixels for the display
scales of 125 %, 150 % and 200 % (the same drawing, sampled 4 x 4 times per
pixel for smooth edges, with an alpha channel).

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


class Shape:
    """The drawing at one image size, asked for the colour at any point."""

    def __init__(self, size):
        self.size = size
        c = (size - 1) / 2.0
        self.radius = size * 0.47
        self.outer = hexagon(c, c, self.radius)
        self.stats = hexagon(c, c, self.radius * 0.86, STAT_REACH)
        self.centre = (c, c)
        self.line = max(0.45, size / 56.0)

    def colour(self, x, y):
        colour = TRANSPARENT
        if inside(self.outer, x, y):
            colour = NAVY
            if self.size >= 32 and any(
                    segment_distance(x, y, self.centre, p) <= self.line * 0.6
                    for p in self.outer):
                colour = SILVER
            if inside(self.stats, x, y):
                colour = YELLOW
            if near_outline(self.stats, x, y, self.line):
                colour = RED
        if near_outline(self.outer, x, y, self.line * 1.1) and (
                colour is not None or inside(self.outer, x, y)):
            colour = WHITE if self.size > 16 else SILVER
        return colour


def draw(size):
    shape = Shape(size)
    return [[shape.colour(x, y) for x in range(size)] for y in range(size)]


SAMPLES = 4  # per pixel and axis, for the 32-bit images


def draw_smooth(size):
    """(B, G, R, A) per pixel: the share of samples each colour covers."""
    shape = Shape(size)
    offsets = [(k + 0.5) / SAMPLES - 0.5 for k in range(SAMPLES)]
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = covered = 0
            for dy in offsets:
                for dx in offsets:
                    colour = shape.colour(x + dx, y + dy)
                    if colour is None:
                        continue
                    pr, pg, pb = PALETTE[colour]
                    r, g, b, covered = r + pr, g + pg, b + pb, covered + 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                # Colours of the covered samples only; their share is alpha.
                row.append((round(b / covered), round(g / covered),
                            round(r / covered),
                            round(255 * covered / SAMPLES ** 2)))
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


def image_bytes_32(size, pixels):
    """A 32-bit BGRA image; its AND mask marks the fully transparent pixels."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    and_stride = ((size + 31) // 32) * 4
    colour = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        bits = bytearray(and_stride)
        for x in range(size):
            colour += bytes(pixels[y][x])
            if pixels[y][x][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUT.ico")
    # (size, colours in the directory entry, bits per pixel, image)
    entries = [(s, 16, 4, image_bytes(s, draw(s))) for s in [48, 32, 16]]
    entries += [(s, 0, 32, image_bytes_32(s, draw_smooth(s))) for s in [64, 40, 24, 20]]
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, colours, bits, data in entries:
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, _, data in entries)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
