#!/usr/bin/env python3
"""Draws the demonstration tool bar's button images.

Usage: make_demo_bitmap.py OUTPUT_FILE
One strip of 16 x 15 images on the classic button face (0xC0C0C0), 24 bits per pixel, in the
order of the demonstration tool bar's commands: new (a page), open (a folder), save (a disk),
bold (a B), check (a tick), alarm (a bell), large (a square).
"""
import struct
import sys

W, H = 16, 15
FACE = (192, 192, 192)


def canvas():
    return [[FACE] * W for _ in range(H)]


def rect(img, x0, y0, x1, y1, colour, fill=None):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1)
            if edge:
                img[y][x] = colour
            elif fill is not None:
                img[y][x] = fill


def page():
    img = canvas()
    rect(img, 3, 1, 12, 13, (0, 0, 0), (255, 255, 255))
    for y in (4, 6, 8, 10):
        for x in range(5, 11):
            img[y][x] = (0, 0, 128)
    return img


def folder():
    img = canvas()
    rect(img, 1, 4, 14, 12, (0, 0, 0), (255, 255, 0))
    rect(img, 1, 2, 6, 4, (0, 0, 0), (255, 255, 0))
    return img


def disk():
    img = canvas()
    rect(img, 2, 1, 13, 13, (0, 0, 0), (0, 0, 160))
    rect(img, 4, 1, 11, 6, (0, 0, 0), (255, 255, 255))
    rect(img, 5, 9, 10, 13, (0, 0, 0), (128, 128, 128))
    return img


def bold():
    img = canvas()
    rows = ['##########', '###....###', '###....###', '#########.', '###....###', '###....###', '##########']
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == '#':
                img[y + 4][x + 3] = (0, 0, 0)
    return img


def tick():
    img = canvas()
    pts = [(3, 8), (4, 9), (5, 10), (6, 11), (7, 10), (8, 9), (9, 8), (10, 7), (11, 6), (12, 5)]
    for x, y in pts:
        for d in (0, 1):
            img[y - d][x] = (0, 128, 0)
    return img


def bell():
    img = canvas()
    for y in range(3, 11):
        half = 2 + (y - 3) // 2
        for x in range(8 - half, 8 + half):
            img[y][x] = (255, 200, 0)
    for x in range(3, 13):
        img[11][x] = (0, 0, 0)
    img[12][7] = img[12][8] = (0, 0, 0)
    img[2][7] = img[2][8] = (0, 0, 0)
    return img


def square():
    img = canvas()
    rect(img, 2, 2, 13, 12, (128, 0, 0), (255, 128, 128))
    return img


def main():
    images = [page(), folder(), disk(), bold(), tick(), bell(), square()]
    width = W * len(images)
    stride = (width * 3 + 3) & ~3
    rows = b''
    for y in range(H - 1, -1, -1):
        line = bytearray()
        for img in images:
            for x in range(W):
                r, g, b = img[y][x]
                line += bytes((b, g, r))
        line += b'\0' * (stride - len(line))
        rows += bytes(line)
    header = struct.pack('<IiiHHIIiiII', 40, width, H, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(sys.argv[1], 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(header) + len(rows), 0, 0, 14 + len(header)))
        f.write(header + rows)


if __name__ == '__main__':
    main()
