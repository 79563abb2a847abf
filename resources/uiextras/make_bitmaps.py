#!/usr/bin/env python3
"""Draws the extras' own bitmaps.

Usage: make_bitmaps.py OUTPUT_DIR
Writes, each at 24 bits per pixel on the button-face grey 0xC0C0C0 that tool bars map to the
system's face colour:
- orx_tasks_nav.bmp: the tasks pane's navigation images, four of 12 x 12 pixels side by side (Back,
  Forward, Home, Close), black;
- outlook_shortcuts.bmp: the demonstration's shortcut images, six of 32 x 32 pixels: a disc, a
  square and a diamond, twice, each in a colour of its own with a black rim.
"""
import os
import struct
import sys

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


SHORTCUT = 32
SHORTCUT_COLOURS = [(200, 40, 40), (40, 140, 40), (40, 60, 200), (210, 150, 20), (140, 40, 160),
                    (20, 150, 160)]


# Each shape answers whether a pixel lies inside it when drawn smaller by the given inset; its rim
# is what lies inside at inset 0 and not at inset 2 (3 for the diamond, whose rim runs slantwise).
def disc(x, y, inset):
    dx, dy = x + 0.5 - SHORTCUT / 2, y + 0.5 - SHORTCUT / 2
    return dx * dx + dy * dy <= (13 - inset) ** 2


def square(x, y, inset):
    return 4 + inset <= x <= 27 - inset and 4 + inset <= y <= 27 - inset


def diamond(x, y, inset):
    return abs(x + 0.5 - SHORTCUT / 2) + abs(y + 0.5 - SHORTCUT / 2) <= 14 - inset


def shortcut(shape, rim, colour):
    """One image as rows of colours."""
    return [[INK if shape(x, y, 0) and not shape(x, y, rim) else colour if shape(x, y, 0) else FACE
             for x in range(SHORTCUT)] for y in range(SHORTCUT)]


def glyph(pattern):
    return [[INK if c == '#' else FACE for c in row] for row in pattern]


def write_bmp(path, images):
    """Writes the images, each a list of rows of (r, g, b), side by side."""
    width, height = sum(len(image[0]) for image in images), len(images[0])
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for image in images:
            for r, g, b in image[y]:
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
    write_bmp(os.path.join(out, 'orx_tasks_nav.bmp'), [glyph(g) for g in (BACK, FORWARD, HOME, CLOSE)])
    shapes = [(disc, 2), (square, 2), (diamond, 3)]
    write_bmp(os.path.join(out, 'outlook_shortcuts.bmp'),
              [shortcut(*shapes[i % 3], colour) for i, colour in enumerate(SHORTCUT_COLOURS)])


if __name__ == '__main__':
    main()
