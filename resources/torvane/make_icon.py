#!/usr/bin/env python3
"""Draws the editor's icon (a globe with a meridian and a clock hand) and writes it as .ico.

Usage: make_icon.py OUTPUT_FILE
The icon holds a 16x16 and a 32x32 image, 32 bits per pixel with an AND mask.
"""
import math
import struct
import sys


def draw(size):
    c = (size - 1) / 2.0
    radius = size / 2.0 - 0.5
    ocean, land, rim, hand = (200, 120, 40), (60, 160, 70), (90, 50, 20), (20, 20, 200)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = x - c, y - c
            d = math.hypot(dx, dy)
            if d > radius:
                row.append((0, 0, 0, 0))
            elif d > radius - max(1.0, size / 16.0):
                row.append(rim + (255,))
            elif abs(dx) < size / 20.0 + 0.5 or abs(dy) < size / 20.0 + 0.5:
                row.append(land + (255,))
            else:
                row.append(ocean + (255,))
        rows.append(row)
    # One hand from the centre towards two o'clock.
    angle = math.radians(60)
    for i in range(size * 4 + 1):
        t = (radius * 0.7) * i / (size * 4)
        px, py = int(round(c + t * math.sin(angle))), int(round(c - t * math.cos(angle)))
        if 0 <= px < size and 0 <= py < size:
            rows[py][px] = hand + (255,)
    return rows


def image(size):
    rows = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes(p) for row in reversed(rows) for p in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + xor + mask


def main():
    sizes = [16, 32]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
