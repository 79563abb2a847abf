#!/usr/bin/env python3
"""Draws the program's icons (a small clock face, and the pictures of the sound buttons) and the
hyperlink's two pointers, and writes them as .ico and .cur files.

Usage: make_icons.py OUTPUT_DIR
Each icon holds a 16x16 and a 32x32 image, 32 bits per pixel with an AND mask, the form that
every Windows version from 95 on reads. The pointers are 32x32 monochrome cursors.
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
    write_images(path, lambda s: draw(s, face, rim, hour_angle, minute_angle))


def write_images(path, drawing):
    images = [(s, image_bytes(s, drawing(s))) for s in (16, 32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


# The button pictures, drawn on a 16-unit grid and scaled to the image size.
def picture(size, shapes):
    """Rows of (b, g, r, a) pixels; shapes is a list of (inside(x, y) on the 16-unit grid, colour)."""
    k = size / 16.0
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            gx, gy = (x + 0.5) / k, (y + 0.5) / k
            for inside, colour in shapes:
                if inside(gx, gy):
                    pixels[y][x] = colour + (255,)
    return pixels


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def triangle_right(x0, y0, x1, y1):
    """A triangle pointing right, filling the box."""
    mid = (y0 + y1) / 2.0
    half = (y1 - y0) / 2.0
    return lambda x, y: x0 <= x < x1 and abs(y - mid) <= half * (x1 - x) / (x1 - x0)


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) <= r


BLACK, WHITE = (0, 0, 0), (255, 255, 255)
YELLOW, DARK_YELLOW = (60, 200, 250), (0, 128, 160)
GREEN, DARK_GREEN = (40, 180, 40), (0, 90, 0)
RED, DARK_RED = (40, 40, 220), (0, 0, 120)
SILVER, GREY = (210, 210, 210), (110, 110, 110)


def browse_picture(size):
    """An open folder."""
    return picture(size, [(box(1, 3, 7, 5), DARK_YELLOW), (box(1, 4, 14, 14), DARK_YELLOW),
                          (box(2, 5, 13, 13), YELLOW),
                          (lambda x, y: 6 <= y < 14 and 3 + (14 - y) * 0.4 <= x < 16 - (14 - y) * 0.2, DARK_YELLOW),
                          (lambda x, y: 7 <= y < 13 and 4 + (14 - y) * 0.4 <= x < 15 - (14 - y) * 0.2, YELLOW)])


def test_picture(size):
    """A loudspeaker with its sound."""
    cone = lambda x, y: 6 <= x < 10 and abs(y - 8) <= 2 + (x - 6) * 1.2
    wave = lambda r: (lambda x, y: x >= 11 and abs(math.hypot(x - 9, y - 8) - r) <= 0.6)
    return picture(size, [(box(2, 6, 6, 11), BLACK), (box(3, 7, 6, 10), GREY), (cone, BLACK),
                          (lambda x, y: cone(x - 1, y) and x < 9.5 and abs(y - 8) <= 1 + (x - 7) * 1.2, GREY),
                          (wave(3), GREEN), (wave(5.5), GREEN)])


def stop_picture(size):
    """A red square."""
    return picture(size, [(box(3, 3, 13, 13), DARK_RED), (box(4, 4, 12, 12), RED)])


def cd_picture(size, mark):
    """A compact disc with a play triangle or a stop square over its corner."""
    shapes = [(disc(7, 7, 6.5), GREY), (disc(7, 7, 5.8), SILVER), (disc(7, 7, 2), GREY), (disc(7, 7, 1), WHITE)]
    if mark == 'play':
        shapes += [(triangle_right(8, 7, 16, 16), DARK_GREEN), (triangle_right(9, 8.5, 14.5, 14.5), GREEN)]
    else:
        shapes += [(box(8, 8, 16, 16), DARK_RED), (box(9, 9, 15, 15), RED)]
    return picture(size, shapes)


# The hyperlink's pointers: "#" black, "." white, blank clear; the first row is the top.
HAND = """
     ##
    #..#
    #..#
    #..#
    #..#
    #..###
    #..#..###
    #..#..#..##
 ## #..#..#..#.#
#..##........#..#
#...#...........#
 #..............#
  #.............#
  #............#
   #...........#
   #..........#
    #.........#
    #.........#
     #########
"""

ARROW = """
#
##
#.#
#..#
#...#
#....#
#.....#
#......#
#.......#
#........#
#.....#####
#..#..#
#.# #..#
##  #..#
#    #..#
     #..#
      ##
"""


def write_cursor(path, art, hot_x, hot_y):
    size = 32
    rows = art.strip('\n').split('\n')
    xor = andmask = b''
    for y in range(size - 1, -1, -1):
        line = rows[y] if y < len(rows) else ''
        xbits = abits = 0
        for x in range(size):
            c = line[x] if x < len(line) else ' '
            xbits = (xbits << 1) | (1 if c == '.' else 0)
            abits = (abits << 1) | (1 if c == ' ' else 0)
        xor += struct.pack('>I', xbits)
        andmask += struct.pack('>I', abits)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    image = header + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + xor + andmask
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 2, 1))
        f.write(struct.pack('<BBBBHHII', size, size, 0, 0, hot_x, hot_y, len(image), 22))
        f.write(image)


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
    write_images(os.path.join(out_dir, 'button_browse.ico'), browse_picture)
    write_images(os.path.join(out_dir, 'button_test.ico'), test_picture)
    write_images(os.path.join(out_dir, 'button_stop.ico'), stop_picture)
    write_images(os.path.join(out_dir, 'button_cd_play.ico'), lambda s: cd_picture(s, 'play'))
    write_images(os.path.join(out_dir, 'button_cd_stop.ico'), lambda s: cd_picture(s, 'stop'))
    write_cursor(os.path.join(out_dir, 'hlink_hand.cur'), HAND, 5, 1)
    write_cursor(os.path.join(out_dir, 'hlink_other.cur'), ARROW, 0, 0)


if __name__ == '__main__':
    main()
