#!/usr/bin/env python3
"""Draws the program's icons (a small clock face) and writes them as .ico files.

Usage: make_icons.py OUTPUT_DIR
Each icon holds a 16x16 and a 32x32 image, 32 bits per pixel with an AND mask, the form that
every Windows version from 95 on reads.
"""
import math
import os
import struct
import sys


def draw(size, face, rim, hour_angle, minute_angle):
    """Returns rows (top to bottom) of (b, g, r, a) pixels."""
    c = (size - 1) / 2.0
    radius = size / 2.0 - 0.5
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d <= radius - max(1.0, size / 16.0):
                pixels[y][x] = face + (255,)
            elif d <= radius:
                pixels[y][x] = rim + (255,)

    def hand(angle, length, colour):
        steps = size * 4
        for i in range(steps + 1):
            t = length * i / steps
            x = int(round(c + t * math.sin(angle)))
            y = int(round(c - t * math.cos(angle)))
            if 0 <= x < size and 0 <= y < size:
                pixels[y][x] = colour + (255,)

    hand(hour_angle, radius * 0.5, (0, 0, 0))
    hand(minute_angle, radius * 0.8, (0, 0, 0))
    return pixels


def image_bytes(size, pixels):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes(p) for row in reversed(pixels) for p in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(pixels):
        bits = 0
        line = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + xor + mask


def write_icon(path, face, rim, hour_angle, minute_angle):
    images = [(s, image_bytes(s, draw(s, face, rim, hour_angle, minute_angle))) for s in (16, 32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


def main():
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    white, green, red = (255, 255, 255), (94, 255, 94), (60, 60, 230)
    blue, dark = (160, 60, 20), (40, 40, 40)
    ten_past_ten = (math.radians(305), math.radians(60))
    write_icon(os.path.join(out_dir, 'velmora.ico'), white, blue, *ten_past_ten)
    write_icon(os.path.join(out_dir, 'tray_normal1.ico'), green, dark, *ten_past_ten)
    write_icon(os.path.join(out_dir, 'tray_normal2.ico'), green, dark, math.radians(305), math.radians(90))
    write_icon(os.path.join(out_dir, 'tray_error1.ico'), red, dark, *ten_past_ten)
    write_icon(os.path.join(out_dir, 'tray_error2.ico'), white, red, *ten_past_ten)


if __name__ == '__main__':
    main()
