#!/usr/bin/env python3
"""Draws the button image editor's bitmaps and cursors.

Usage: make_images.py OUTPUT_DIR
Writes orx_image_tools.bmp (the editor's tool palette: nine 16 x 15 images, pencil, fill, line,
rectangle, ellipse, pick colour, copy, paste, clear, on light grey, 24 bits per pixel) and one
32 x 32 monochrome cursor per drawing tool (orx_cur_pencil.cur, orx_cur_fill.cur, orx_cur_line.cur,
orx_cur_rect.cur, orx_cur_ellipse.cur, orx_cur_pick.cur), each a small cross with the tool's mark.
"""
import os
import struct
import sys

W, H = 16, 15
GREY = (192, 192, 192)
COLOURS = {'#': (0, 0, 0), 'w': (255, 255, 255), 'r': (255, 0, 0), 'b': (0, 0, 255), 'y': (255, 255, 0),
           'g': (128, 128, 128)}

TOOLS = [
    # pencil
    ['................', '...........##...', '..........#yy#..', '.........#yy#...', '........#yy#....',
     '.......#yy#.....', '......#yy#......', '.....#yy#.......', '....#yy#........', '...#yy#.........',
     '...###..........', '...##...........', '...#............', '................', '................'],
    # fill: a tipped pot
    ['................', '......##........', '.....#..#.......', '....#.####......', '...#.#bbbb#.....',
     '..#.#bbbbbb#....', '..#bbbbbbbbb#...', '...#bbbbbbb#b...', '....#bbbbb#.bb..', '.....#bbb#..bb..',
     '......#b#...bb..', '.......#.....b..', '................', '................', '................'],
    # line
    ['................', '..............#.', '.............#..', '............#...', '...........#....',
     '..........#.....', '.........#......', '........#.......', '.......#........', '......#.........',
     '.....#..........', '....#...........', '...#............', '..#.............', '................'],
    # rectangle
    ['................', '................', '.############...', '.#..........#...', '.#..........#...',
     '.#..........#...', '.#..........#...', '.#..........#...', '.#..........#...', '.#..........#...',
     '.#..........#...', '.############...', '................', '................', '................'],
    # ellipse
    ['................', '................', '.....#####......', '...##.....##....', '..#.........#...',
     '.#...........#..', '.#...........#..', '.#...........#..', '.#...........#..', '..#.........#...',
     '...##.....##....', '.....#####......', '................', '................', '................'],
    # pick colour: a dropper
    ['................', '............##..', '...........####.', '..........#####.', '.........####...',
     '........#w##....', '.......#w#.#....', '......#w#.......', '.....#w#........', '....#w#.........',
     '...#w#..........', '..#r#...........', '..##............', '................', '................'],
    # copy: two sheets
    ['................', '.######.........', '.#....##........', '.#.##.#.#.......', '.#....######....',
     '.#.####.#..##...', '.#....#.#..#.#..', '.#.####.#.##.##.', '.#....#.#.....#.', '.######.#.###.#.',
     '.......#.....#..', '.......#.###.#..', '.......#.....#..', '.......#######..', '................'],
    # paste: a board with a sheet
    ['................', '.....####.......', '.###.#..#.###...', '.#g#######g#....', '.#ggggggggg#....',
     '.#gggg#######...', '.#gggg#.....##..', '.#gggg#.###.#.#.', '.#gggg#.....####', '.#gggg#.#####..#',
     '.#gggg#.......#.', '.######.#####.#.', '......#........#', '......##########', '................'],
    # clear: an eraser
    ['................', '................', '........######..', '.......#rrrrr#..', '......#rrrrr##..',
     '.....#rrrrr#.#..', '....#rrrrr#..#..', '...#wwwww#..#...', '..#wwwww#..#....', '..#wwwww#.#.....',
     '..#wwwww##......', '..#######.......', '................', '................', '................'],
]

# Marks drawn beside the cross of a cursor, 8 x 8.
MARKS = {
    'pencil': ['......XX', '.....XoX', '....XoX.', '...XoX..', '..XoX...', '.XoX....', 'XXX.....', 'X.......'],
    'fill': ['..XX....', '.X..X...', 'X.XXXX..', 'XXooooX.', '.XooooXo', '..XooX.o', '...XX..o', '........'],
    'line': ['.......X', '......X.', '.....X..', '....X...', '...X....', '..X.....', '.X......', 'X.......'],
    'rect': ['XXXXXXXX', 'X......X', 'X......X', 'X......X', 'X......X', 'X......X', 'X......X', 'XXXXXXXX'],
    'ellipse': ['..XXXX..', '.X....X.', 'X......X', 'X......X', 'X......X', 'X......X', '.X....X.', '..XXXX..'],
    'pick': ['......XX', '.....XXX', '....XXX.', '...XoX..', '..XoX...', '.XoX....', 'XoX.....', 'XX......'],
}


def write_bmp(path, width, height, pixel):
    rows = b''
    for y in range(height - 1, -1, -1):
        row = b''.join(bytes(reversed(pixel(x, y))) for x in range(width))
        rows += row + b'\0' * ((4 - len(row) % 4) % 4)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(header) + len(rows), 0, 0, 14 + len(header)))
        f.write(header + rows)


def write_tools(path):
    def pixel(x, y):
        ch = TOOLS[x // W][y][x % W]
        return COLOURS.get(ch, GREY)
    write_bmp(path, W * len(TOOLS), H, pixel)


def write_cursor(path, mark):
    """A cross with its hot spot at its centre (7, 7) and the tool's mark at the lower right."""
    size = 32
    rows = [['.'] * size for _ in range(size)]
    for i in range(15):
        if abs(i - 7) > 1:
            rows[7][i] = 'X'
            rows[i][7] = 'X'
    for y, row in enumerate(MARKS[mark]):
        for x, ch in enumerate(row):
            if ch != '.':
                rows[10 + y][10 + x] = ch
    xor = b''
    andmask = b''
    for y in range(size - 1, -1, -1):
        xbits = abits = 0
        for x in range(size):
            ch = rows[y][x]
            xbits = (xbits << 1) | (1 if ch == 'o' else 0)
            abits = (abits << 1) | (1 if ch == '.' else 0)
        xor += struct.pack('>I', xbits)
        andmask += struct.pack('>I', abits)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = header + palette + xor + andmask
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 2, 1))
        f.write(struct.pack('<BBBBHHII', size, size, 0, 0, 7, 7, len(image), 22))
        f.write(image)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_tools(os.path.join(out, 'orx_image_tools.bmp'))
    for name in MARKS:
        write_cursor(os.path.join(out, 'orx_cur_%s.cur' % name), name)


if __name__ == '__main__':
    main()
