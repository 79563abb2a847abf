#!/usr/bin/env python3
"""Draws the extras' own bitmaps.

Usage: make_bitmaps.py OUTPUT_DIR
Writes orx_tasks_nav.bmp: the tasks pane's navigation images, four of 12 x 12 pixels side by side
(Back, Forward, Home, Close), black on the button-face grey 0xC0C0C0 that tool bars map to the
system's face colour, 24 bits per pixel.
"""
import os
import struct
import sys

SIZE = 12
FACE = (192, 192, 192)
INK = (0, 0, 0)

BACK = ['............',
        '.....#......',
        '....##......',
        '...###......',
        '..#########.',
        '.##########.',
        '..#########.',
        '...###......',
        '....##......',
        '.....#......',
        '............',
        '............']
FORWARD = [row[::-1] for row in BACK]
HOME = ['............',
        '.....##.....',
        '....####....',
        '...######...',
        '..########..',
        '.##########.',
        '..#......#..',
        '..#.##...#..',
        '..#.##...#..',
        '..#.##...#..',
        '..########..',
        '............']
CLOSE = ['............',
         '............',
         '..##....##..',
         '...##..##...',
         '....####....',
         '.....##.....',
         '....####....',
         '...##..##...',
         '..##....##..',
         '............',
         '............',
         '............']


def write_bmp(path, images):
    width, height = SIZE * len(images), SIZE
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for image in images:
            for x in range(SIZE):
                r, g, b = INK if image[y][x] == '#' else FACE
                row += bytes((b, g, r))
        row += b'\0' * (stride - len(row))
        rows.append(bytes(row))
    pixels = b''.join(rows)
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, 'orx_tasks_nav.bmp'), [BACK, FORWARD, HOME, CLOSE])


if __name__ == '__main__':
    main()
