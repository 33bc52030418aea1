#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the calculator's icon, 32 x 32 and 16 x 16 pixels in 16 colours, as 4-bit palette
PNG files.

Standard library only, and deterministic: running it again gives the same bytes, so the
committed files can be checked against the script.

    scripts/make_icon.py OUTPUT_DIR    (writes vimbo-calculator-32.png and -16.png)
"""

import os
import struct
import sys
import zlib

# The 16 colours of the classic VGA palette. Magenta, which the icon does not draw with,
# stands for the transparent pixels around the calculator.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TRANSPARENT = 13

# Each picture: a letter per pixel. "." transparent, "k" black, "d" dark grey, "g" grey,
# "w" white, "n" light green (the display's digits), "r" red (the "=" key).
LETTERS = {".": TRANSPARENT, "k": 0, "d": 8, "g": 7, "w": 15, "n": 10, "r": 9}


def calculator(size):
    """The calculator drawn on a size x size grid of letters."""
    grid = [["."] * size for _ in range(size)]

    def rect(left, top, width, height, letter):
        for y in range(top, top + height):
            for x in range(left, left + width):
                grid[y][x] = letter

    if size == 32:
        rect(4, 1, 24, 30, "k")       # outline
        rect(5, 2, 22, 28, "g")       # body
        rect(5, 2, 22, 1, "w")        # lit top edge
        rect(5, 2, 1, 28, "w")        # lit left edge
        rect(7, 4, 18, 7, "k")        # display
        # "32" on the display in light green, 3 x 5 digits.
        three = ["111", "001", "111", "001", "111"]
        two = ["111", "001", "111", "100", "111"]
        for row in range(5):
            for col in range(3):
                if three[row][col] == "1":
                    grid[5 + row][16 + col] = "n"
                if two[row][col] == "1":
                    grid[5 + row][20 + col] = "n"
        for row in range(4):
            for col in range(4):
                x = 7 + col * 5
                y = 13 + row * 4
                letter = "r" if (row, col) in [(2, 3), (3, 3)] else "w"
                rect(x, y, 3, 3, "d")
                rect(x, y, 2, 2, letter)
    else:
        rect(2, 0, 12, 16, "k")
        rect(3, 1, 10, 14, "g")
        rect(4, 2, 8, 3, "k")
        rect(8, 3, 3, 1, "n")
        for row in range(3):
            for col in range(3):
                x = 4 + col * 3
                y = 6 + row * 3
                rect(x, y, 2, 2, "r" if (row, col) == (2, 2) else "w")
    return grid


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(grid):
    """A 4-bit indexed PNG with the 16-colour palette, magenta transparent."""
    size = len(grid)
    raw = bytearray()
    for row in grid:
        raw.append(0)  # no filter
        indices = [LETTERS[c] for c in row]
        for i in range(0, size, 2):
            raw.append(indices[i] << 4 | indices[i + 1])
    header = struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(c) for c in PALETTE)
    transparency = bytes([255] * TRANSPARENT + [0])  # entries past the list are opaque
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette)
            + chunk(b"tRNS", transparency) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT_DIR")
    for size in (32, 16):
        path = os.path.join(sys.argv[1], f"vimbo-calculator-{size}.png")
        with open(path, "wb") as out:
            out.write(png_bytes(calculator(size)))


if __name__ == "__main__":
    main()
