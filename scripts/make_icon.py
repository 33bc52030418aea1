#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the calculator's icon in 16 colours: PNG files of 16 to 256 pixels and one SVG.

There is one drawing, the calculator laid out on a grid of any size: outline, lit edges,
display with its digits, and keys with the "=" keys in red. Each PNG is that drawing on its
own pixel grid, every edge on a whole pixel so that small sizes stay sharp; the SVG is the
256-pixel grid as vector shapes, for any size in between.

Standard library only, and deterministic: running it again gives the same bytes, so the
committed files can be checked against the script.

    scripts/make_icon.py OUTPUT_DIR
        writes vimbo-calculator-SIZE.png for every size of SIZES, and vimbo-calculator.svg
"""

import os
import struct
import sys
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SVG_GRID = 256

# The 16 colours of the classic VGA palette. Magenta, which the icon does not draw with,
# stands for the transparent pixels around the calculator.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TRANSPARENT = 13

# The colours by letter: "k" black, "d" dark grey, "g" grey, "w" white, "n" light green (the
# display's digits), "r" red (the "=" keys).
LETTERS = {"k": 0, "d": 8, "g": 7, "w": 15, "n": 10, "r": 9}

# The digits "3" and "2" on the display, 3 x 5 cells each.
DIGITS = (["111", "001", "111", "001", "111"], ["111", "001", "111", "100", "111"])


def calculator(size):
    """The drawing on a size x size grid: (left, top, width, height, letter) rectangles in
    painting order. Lengths are fractions of the 32-pixel icon, rounded to whole pixels."""
    unit = size / 32

    shapes = []
    left, top = round(4 * unit), round(1 * unit)
    width, height = size - 2 * left, size - 2 * top
    border = max(1, round(size / 64))
    shapes.append((left, top, width, height, "k"))  # outline
    left, top = left + border, top + border
    width, height = width - 2 * border, height - 2 * border
    shapes.append((left, top, width, height, "g"))  # body
    if size >= 22:
        shapes.append((left, top, width, border, "w"))  # lit top edge
        shapes.append((left, top, border, height, "w"))  # lit left edge

    pad = max(1, round(2 * unit))
    display = (left + pad, top + pad, width - 2 * pad, int(7 * unit))
    shapes.append(display + ("k",))
    dx, dy, dw, dh = display
    cell = max(1, round(dh / 7))
    if dh >= 7:  # "32" in light green, right-aligned
        x = dx + dw - 2 * cell - 7 * cell
        y = dy + (dh - 5 * cell) // 2
        for digit in DIGITS:
            for row, bits in enumerate(digit):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        shapes.append((x + col * cell, y + row * cell, cell, cell, "n"))
            x += 4 * cell
    else:  # room for one stroke only
        shapes.append((dx + dw - 4, dy + dh // 2, 3, 1, "n"))

    # Four rows of four keys, three of three below 32 pixels, spaced as on the 32 and 16
    # pixel grids (keys 3 and 2 pixels square, with gaps of 2 and 1 across, 1 down).
    keys = 4 if size >= 32 else 3
    keys_left, keys_top = left + pad, dy + dh + pad
    across, down = width - 2 * pad, top + height - pad - keys_top
    key_w, key_h = max(1, round(across / (2 * keys - 2))), max(1, round(down / (keys + 1)))
    gap_x, gap_y = (across - keys * key_w) // (keys - 1), (down - keys * key_h) // (keys - 1)
    shadow = max(1, key_w // 4) if size >= 32 else 0
    for row in range(keys):
        for col in range(keys):
            x = keys_left + col * (key_w + gap_x)
            y = keys_top + row * (key_h + gap_y)
            letter = "r" if col == keys - 1 and row >= 2 else "w"  # "=" from the third row
            if shadow:
                shapes.append((x, y, key_w, key_h, "d"))
            shapes.append((x, y, key_w - shadow, key_h - shadow, letter))
    return shapes


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(size):
    """The drawing as a 4-bit indexed PNG with the 16-colour palette, magenta transparent."""
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    for left, top, width, height, letter in calculator(size):
        for y in range(top, top + height):
            pixels[y][left:left + width] = [LETTERS[letter]] * width
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # no filter
        for i in range(0, size, 2):
            raw.append(row[i] << 4 | row[i + 1])
    header = struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(c) for c in PALETTE)
    transparency = bytes([255] * TRANSPARENT + [0])  # entries past the list are opaque
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette)
            + chunk(b"tRNS", transparency) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def svg_text():
    """The drawing on the SVG grid as rectangles, in the same colours."""
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<!-- SPDX-License-Identifier: MIT -->',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SVG_GRID}" height="{SVG_GRID}"'
        f' viewBox="0 0 {SVG_GRID} {SVG_GRID}" shape-rendering="crispEdges">',
    ]
    for left, top, width, height, letter in calculator(SVG_GRID):
        red, green, blue = PALETTE[LETTERS[letter]]
        lines.append(f'  <rect x="{left}" y="{top}" width="{width}" height="{height}"'
                     f' fill="#{red:02x}{green:02x}{blue:02x}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT_DIR")
    for size in SIZES:
        path = os.path.join(sys.argv[1], f"vimbo-calculator-{size}.png")
        with open(path, "wb") as out:
            out.write(png_bytes(size))
    with open(os.path.join(sys.argv[1], "vimbo-calculator.svg"), "w", encoding="ascii") as out:
        out.write(svg_text())


if __name__ == "__main__":
    main()
