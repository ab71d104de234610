#!/usr/bin/env python3
"""Draws Ostrel's icon and writes it as a 16-colour Windows icon file (766 bytes).

A disc about 21 pixels across in the middle of a 32 x 32 square, divided by an S-shaped curve
into a white upper-right part and a black lower-left part, with no dots; pixels on the disc's
rim and on the curve are grey or silver; outside the disc is transparent.

Usage: make-icon.py OUTPUT.ico
"""
import math
import struct
import sys

SIZE = 32
CENTRE = 16.0          # the disc's centre, in pixel coordinates (a pixel's centre is +0.5)
RADIUS = 10.5
SAMPLES = 8            # per pixel and axis

# The standard 16-colour palette, as blue, green, red, reserved.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, SILVER, GREY, WHITE = 0, 7, 8, 15


def sample(x, y):
    """None outside the disc, else True where the point is white."""
    dx, dy = x - CENTRE, y - CENTRE
    if dx * dx + dy * dy > RADIUS * RADIUS:
        return None
    # The curve runs from the upper-left to the lower-right rim through the centre: two
    # half-discs of half the radius, centred on that diagonal, swap their halves' colours.
    half = RADIUS / 2
    off = half / math.sqrt(2)
    in_upper_left = (dx + off) ** 2 + (dy + off) ** 2 <= half * half
    in_lower_right = (dx - off) ** 2 + (dy - off) ** 2 <= half * half
    if in_upper_left:
        return True
    if in_lower_right:
        return False
    return dx > dy


def pixel(px, py):
    """The palette index of a pixel, or None where it is transparent."""
    inside = white = 0
    for i in range(SAMPLES):
        for j in range(SAMPLES):
            s = sample(px + (i + 0.5) / SAMPLES, py + (j + 0.5) / SAMPLES)
            if s is not None:
                inside += 1
                white += s
    total = SAMPLES * SAMPLES
    if inside < total * 0.35:
        return None
    share = white / inside
    if inside < total * 0.9:                       # on the rim
        return SILVER if share >= 0.5 else GREY
    if share > 0.8:
        return WHITE
    if share < 0.2:
        return BLACK
    return SILVER if share >= 0.5 else GREY        # on the curve


def icon_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):                     # bitmaps run bottom-up
        for x in range(0, SIZE, 2):
            hi, lo = (row[x] or 0), (row[x + 1] or 0)
            colour.append(hi << 4 | lo)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (row[x] is None)
        mask += struct.pack('>I', bits)
    image = header + palette + bytes(colour) + bytes(mask)
    assert len(image) == 744
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + entry + image


def main():
    data = icon_bytes()
    assert len(data) == 766
    with open(sys.argv[1], 'wb') as out:
        out.write(data)


if __name__ == '__main__':
    main()
