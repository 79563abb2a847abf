#!/usr/bin/env python3
"""Draws the tool-bar framework's own bitmaps and cursors.

Usage: make_bitmaps.py OUTPUT_DIR
Writes orx_glyphs.bmp (the 9 x 9 glyph strip: black glyphs, grey disabled forms, magenta where
transparent, 24 bits per pixel) and the two stretch cursors orx_stretch.cur (left-right) and
orx_stretch_vert.cur (up-down), the drag cursors of buttons (move, copy, delete), the hand cursor
of links and the default icon of user tools.
"""
import os
import struct
import sys

SIZE = 9
MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)


def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def triangle(direction, small=True):
    """A filled arrow head pointing down, up, left or right."""
    g = blank()
    rows = 3 if small else 4
    for i in range(rows):
        for j in range(i, 2 * rows - 1 - i):
            x, y = j + (SIZE - (2 * rows - 1)) // 2, i + (SIZE - rows) // 2
            if direction == 'down':
                g[y][x] = 1
            elif direction == 'up':
                g[SIZE - 1 - y][x] = 1
            elif direction == 'right':
                g[x][y] = 1
            else:
                g[x][SIZE - 1 - y] = 1
    return g


def from_rows(rows):
    g = blank()
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == '#':
                g[y][x] = 1
    return g


CHECK = from_rows(['.........', '.......#.', '......##.', '.#...###.', '.##.###..', '.#####...', '..###....', '...#.....', '.........'])
RADIO = from_rows(['.........', '.........', '...###...', '..#####..', '..#####..', '..#####..', '...###...', '.........', '.........'])
MINIMIZE = from_rows(['.........', '.........', '.........', '.........', '.........', '.........', '.######..', '.######..', '.........'])
RESTORE = from_rows(['...######', '...######', '...#....#', '######..#', '######..#', '#....####', '#....#...', '######...', '.........'])
CLOSE = from_rows(['.........', '.##...##.', '..##.##..', '...###...', '...###...', '..##.##..', '.##...##.', '.........', '.........'])
MAXIMIZE = from_rows(['#########', '#########', '#.......#', '#.......#', '#.......#', '#.......#', '#.......#', '#########', '.........'])
SHOW_ALL = from_rows(['.........', '.#.....#.', '..#...#..', '...#.#...', '.#..#..#.', '..#...#..', '...#.#...', '....#....', '.........'])
CLOSE_SMALL = from_rows(['.........', '.........', '..#...#..', '...#.#...', '....#....', '...#.#...', '..#...#..', '.........', '.........'])
MORE = from_rows(['.........', '.#...#...', '..#...#..', '...#...#.', '..#...#..', '.#...#...', '.........', '.........', '.........'])
FIRST = from_rows(['.........', '.#....#..', '.#...##..', '.#..###..', '.#.####..', '.#..###..', '.#...##..', '.#....#..', '.........'])
LAST = [list(reversed(r)) for r in FIRST]
PIN_HORZ = from_rows(['.........', '...#.....', '...#####.', '####...#.', '...#####.', '...#####.', '...#.....', '.........', '.........'])
PIN_VERT = from_rows(['..#####..', '..#...#..', '..#...#..', '..#...#..', '.#######.', '....#....', '....#....', '....#....', '.........'])
PAGE_LEFT = from_rows(['.........', '...#..#..', '..##.##..', '.#######.', '..##.##..', '...#..#..', '.........', '.........', '.........'])
PAGE_RIGHT = [list(reversed(r)) for r in PAGE_LEFT]


def glyphs():
    """The strip in the order the framework numbers its glyphs."""
    down, up, left, right = triangle('down'), triangle('up'), triangle('left'), triangle('right')
    ldown, lup, lleft, lright = (triangle(d, False) for d in ('down', 'up', 'left', 'right'))
    return [
        (down, BLACK), (down, GREY), (left, BLACK), (left, GREY), (ldown, BLACK), (ldown, GREY),
        (CHECK, BLACK), (CHECK, GREY), (MINIMIZE, BLACK), (MINIMIZE, GREY), (RESTORE, BLACK),
        (RESTORE, GREY), (CLOSE, BLACK), (CLOSE, GREY), (MAXIMIZE, BLACK), (MAXIMIZE, GREY),
        (up, BLACK), (up, GREY), (SHOW_ALL, BLACK), (right, BLACK), (CLOSE_SMALL, BLACK), (MORE, BLACK),
        (RADIO, BLACK), (RADIO, GREY), (lup, BLACK), (lup, GREY), (lright, BLACK), (lright, GREY),
        (down, (0, 0, 128)), (MINIMIZE, (0, 0, 128)), (RESTORE, (0, 0, 128)), (CLOSE, (0, 0, 128)),
        (FIRST, BLACK), (LAST, BLACK), (lleft, BLACK), (PIN_HORZ, BLACK), (PIN_VERT, BLACK),
        (PAGE_LEFT, BLACK), (PAGE_RIGHT, BLACK), (lleft, GREY),
    ]


def write_bmp(path, width, height, pixel):
    """24-bit bottom-up bitmap; pixel(x, y) gives (r, g, b) with y from the top."""
    stride = (width * 3 + 3) & ~3
    rows = b''
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        line += b'\0' * (stride - len(line))
        rows += bytes(line)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(header) + len(rows), 0, 0, 14 + len(header)))
        f.write(header + rows)


def write_glyphs(path):
    strip = glyphs()

    def pixel(x, y):
        shape, colour = strip[x // SIZE]
        return colour if shape[y][x % SIZE] else MAGENTA

    write_bmp(path, SIZE * len(strip), SIZE, pixel)


def write_cursor(path, vertical):
    """A 32 x 32 monochrome cursor: a double arrow with a bar across, hot spot in the middle."""
    size = 32
    c = 15
    shape = [[0] * size for _ in range(size)]
    for i in range(-10, 11):
        shape[c][c + i] = 1
        shape[c + 1][c + i] = 1
    for d in range(5):
        for k in range(-d, d + 1):
            shape[c + k][c - 10 + d] = 1
            shape[c + k][c + 10 - d] = 1
    for k in range(-6, 7):
        shape[c + k][c - 1] = 1
        shape[c + k][c + 1] = 1
    if vertical:
        shape = [[shape[x][y] for x in range(size)] for y in range(size)]
    xor = b''
    andmask = b''
    for y in range(size - 1, -1, -1):
        xbits = abits = 0
        for x in range(size):
            xbits = (xbits << 1)
            abits = (abits << 1) | (0 if shape[y][x] else 1)
        xor += struct.pack('>I', xbits)
        andmask += struct.pack('>I', abits)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = header + palette + xor + andmask
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 2, 1))
        f.write(struct.pack('<BBBBHHII', size, size, 0, 0, c, c, len(image), 22))
        f.write(image)


# The arrow of the drag cursors, 'X' black, 'o' white, hot spot at its tip (0, 0).
ARROW = [
    'X...........',
    'XX..........',
    'XoX.........',
    'XooX........',
    'XoooX.......',
    'XooooX......',
    'XoooooX.....',
    'XooooooX....',
    'XoooooooX...',
    'XooooooooX..',
    'XoooooXXXXX.',
    'XooXooX.....',
    'XoX.XooX....',
    'XX..XooX....',
    'X....XooX...',
    '.....XooX...',
    '......XX....',
]

# The small page under the arrow that stands for the dragged button.
PAGE = [
    'XXXXXXXXXXX',
    'XoooooooooX',
    'XoooooooooX',
    'XoooooooooX',
    'XoooooooooX',
    'XoooooooooX',
    'XoooooooooX',
    'XoooooooooX',
    'XXXXXXXXXXX',
]
PLUS = ['....X....', '....X....', '..XXXXX..', '....X....', '....X....']
CROSS = ['.X.....X.', '..X...X..', '...X.X...', '....X....', '...X.X...', '..X...X..', '.X.....X.']

# A pointing hand with its finger tip as the hot spot.
HAND = [
    '.....XX.........',
    '....XooX........',
    '....XooX........',
    '....XooX........',
    '....XooXXX......',
    '....XooXooXXX...',
    '....XooXooXooXX.',
    '.XX.XooXooXooXoX',
    'XooXXooooooooXoX',
    'XoooXoooooooooooX',
    '.XooXooooooooooX',
    '..XoooooooooooX.',
    '..XoooooooooooX.',
    '...XooooooooooX.',
    '...XoooooooooX..',
    '....XoooooooX...',
    '....XXXXXXXXX...',
]


def write_mono_cursor(path, rows, hot):
    """A 32 x 32 monochrome cursor from rows of 'X' (black), 'o' (white) and '.' (transparent)."""
    size = 32
    xor = b''
    andmask = b''
    for y in range(size - 1, -1, -1):
        xbits = abits = 0
        for x in range(size):
            ch = rows[y][x] if y < len(rows) and x < len(rows[y]) else '.'
            xbits = (xbits << 1) | (1 if ch == 'o' else 0)
            abits = (abits << 1) | (1 if ch == '.' else 0)
        xor += struct.pack('>I', xbits)
        andmask += struct.pack('>I', abits)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = header + palette + xor + andmask
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 2, 1))
        f.write(struct.pack('<BBBBHHII', size, size, 0, 0, hot[0], hot[1], len(image), 22))
        f.write(image)


def stamp(canvas, shape, left, top):
    for y, row in enumerate(shape):
        for x, ch in enumerate(row):
            if ch != '.':
                canvas[top + y][left + x] = ch


def drag_cursor(mark):
    """The arrow over a page; the copy cursor marks the page with a plus, the delete one with a cross."""
    canvas = [['.'] * 32 for _ in range(32)]
    stamp(canvas, PAGE, 8, 17)
    if mark is not None:
        stamp(canvas, mark, 9, 17 + (len(PAGE) - len(mark)) // 2)
    stamp(canvas, ARROW, 0, 0)
    return [''.join(r) for r in canvas]


def write_tool_icon(path):
    """The default icon of a user tool: a window with a title bar and a gear-like mark, 16 and 32
    pixels, 24 bits per pixel with a transparency mask."""
    def image(size):
        s = size / 16.0
        pixels = {}
        for y in range(size):
            for x in range(size):
                fx, fy = x / s, y / s
                if 1 <= fx < 15 and 2 <= fy < 14:
                    if fx < 2 or fx >= 14 or fy < 3 or fy >= 13:
                        pixels[(x, y)] = (0, 0, 0)
                    elif fy < 5:
                        pixels[(x, y)] = (0, 0, 128)
                    else:
                        dx, dy = fx - 8, fy - 9
                        r2 = dx * dx + dy * dy
                        if r2 < 1.2:
                            pixels[(x, y)] = (255, 255, 255)
                        elif r2 < 7.5 or (r2 < 11 and (abs(dx) < 0.9 or abs(dy) < 0.9)):
                            pixels[(x, y)] = (128, 128, 128)
                        else:
                            pixels[(x, y)] = (255, 255, 255)
        stride = (size * 3 + 3) & ~3
        mstride = ((size + 31) // 32) * 4
        xor = b''
        andmask = b''
        for y in range(size - 1, -1, -1):
            line = bytearray()
            bits = bytearray(mstride)
            for x in range(size):
                r, g, b = pixels.get((x, y), (0, 0, 0))
                line += bytes((b, g, r))
                if (x, y) not in pixels:
                    bits[x // 8] |= 0x80 >> (x % 8)
            line += b'\0' * (stride - len(line))
            xor += bytes(line)
            andmask += bytes(bits)
        header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
        return header + xor + andmask
    images = [image(16), image(32)]
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)))
        offset = 6 + 16 * len(images)
        for size, data in zip((16, 32), images):
            f.write(struct.pack('<BBBBHHII', size, size, 0, 0, 1, 24, len(data), offset))
            offset += len(data)
        for data in images:
            f.write(data)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_glyphs(os.path.join(out, 'orx_glyphs.bmp'))
    write_cursor(os.path.join(out, 'orx_stretch.cur'), False)
    write_cursor(os.path.join(out, 'orx_stretch_vert.cur'), True)
    write_mono_cursor(os.path.join(out, 'orx_drag_move.cur'), drag_cursor(None), (0, 0))
    write_mono_cursor(os.path.join(out, 'orx_drag_copy.cur'), drag_cursor(PLUS), (0, 0))
    write_mono_cursor(os.path.join(out, 'orx_drag_delete.cur'), drag_cursor(CROSS), (0, 0))
    write_mono_cursor(os.path.join(out, 'orx_hand.cur'), HAND, (5, 0))
    write_tool_icon(os.path.join(out, 'orx_user_tool.ico'))


if __name__ == '__main__':
    main()
