"""Draws the version window's animation: a dot going round a dial, as an uncompressed 8-bit AVI clip
that the animation control can play without a codec."""

import math
import struct
import sys

SIZE = 32
FRAMES = 12


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, data):
    return kind + struct.pack("<I", len(data) + 4) + fourcc + data


def frame(n):
    # Rows bottom-up, each 32 bytes (already a multiple of four). Index 0 is the background that
    # a transparent control leaves out, 1 the dial, 2 the dot.
    pixels = bytearray(SIZE * SIZE)
    c = (SIZE - 1) / 2.0
    angle = 2 * math.pi * n / FRAMES
    dx, dy = c + 10 * math.sin(angle), c - 10 * math.cos(angle)
    for y in range(SIZE):
        for x in range(SIZE):
            r = math.hypot(x - c, y - c)
            if math.hypot(x - dx, y - dy) <= 3.2:
                value = 2
            elif 13.5 <= r <= 15.0:
                value = 1
            else:
                value = 0
            pixels[(SIZE - 1 - y) * SIZE + x] = value
    return bytes(pixels)


def main(path):
    palette = [(0xC0, 0xC0, 0xC0), (0x80, 0x40, 0x00), (0x00, 0x00, 0xC0)] + [(0, 0, 0)] * 253
    frame_size = SIZE * SIZE
    avih = struct.pack("<14I", 100000, frame_size * 10, 0, 0x10, FRAMES, 0, 1, frame_size, SIZE, SIZE, 0, 0, 0, 0)
    strh = (b"vids" + b"DIB " + struct.pack("<IHHIIIIIIII", 0, 0, 0, 0, 1, 10, 0, FRAMES, frame_size, 0xFFFFFFFF, 0)
            + struct.pack("<4h", 0, 0, SIZE, SIZE))
    bih = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 0, frame_size, 0, 0, 256, 256)
    strf = bih + b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in palette)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)
    movi_data = b""
    index = b""
    for n in range(FRAMES):
        offset = 4 + len(movi_data)  # from the 'movi' fourcc
        movi_data += chunk(b"00db", frame(n))
        index += b"00db" + struct.pack("<III", 0x10, offset, frame_size)
    movi = riff_list(b"LIST", b"movi", movi_data)
    body = hdrl + movi + chunk(b"idx1", index)
    with open(path, "wb") as f:
        f.write(riff_list(b"RIFF", b"AVI ", body))


if __name__ == "__main__":
    main(sys.argv[1])
