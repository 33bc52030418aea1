#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the picture window's bitmap: 685 x 361 pixels, 24 bits a pixel, as a BMP file.

Standard library only, and deterministic: running it again gives the same bytes, so the
committed file can be checked against the script.

    scripts/make_picture.py window/pictures/form1_picture.bmp
"""

import struct
import sys

WIDTH = 685
HEIGHT = 361

# A 5 x 7 pixel font, just the letters and digits the picture writes.
GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    "+": ["00000", "00100", "00100", "11111", "00100", "00100", "00000"],
    "-": ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    "=": ["00000", "00000", "11111", "00000", "11111", "00000", "00000"],
    ".": ["00000", "00000", "00000", "00000", "00000", "01100", "01100"],
    "^": ["00100", "01010", "10001", "00000", "00000", "00000", "00000"],
    "(": ["00010", "00100", "01000", "01000", "01000", "00100", "00010"],
    ")": ["01000", "00100", "00010", "00010", "00010", "00100", "01000"],
    " ": ["00000"] * 7,
}


class Canvas:
    """Rows of (red, green, blue) pixels, top row first."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[(0, 0, 0)] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, left, top, width, height, colour):
        for y in range(max(top, 0), min(top + height, self.height)):
            row = self.pixels[y]
            for x in range(max(left, 0), min(left + width, self.width)):
                row[x] = colour

    def frame(self, left, top, width, height, colour, thickness=1):
        self.rect(left, top, width, thickness, colour)
        self.rect(left, top + height - thickness, width, thickness, colour)
        self.rect(left, top, thickness, height, colour)
        self.rect(left + width - thickness, top, thickness, height, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(cy - radius, cy + radius + 1):
            for x in range(cx - radius, cx + radius + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def text(self, left, top, text, scale, colour):
        """Writes text in the 5 x 7 font, each font pixel a scale x scale square."""
        x = left
        for char in text:
            for row, bits in enumerate(GLYPHS[char]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        self.rect(x + col * scale, top + row * scale, scale, scale, colour)
            x += 6 * scale


def text_width(text, scale):
    return len(text) * 6 * scale - scale


def blend(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def draw_sky(canvas):
    top = (16, 32, 84)
    bottom = (28, 118, 140)
    for y in range(canvas.height):
        canvas.rect(0, y, canvas.width, 1, blend(top, bottom, y / (canvas.height - 1)))
    # A few fixed stars in the upper sky.
    for x, y in [(95, 40), (180, 22), (260, 58), (330, 30), (410, 48), (470, 18), (540, 66),
                 (600, 28), (650, 52), (130, 84), (380, 90), (500, 100)]:
        canvas.rect(x, y, 2, 2, (230, 236, 255))
    canvas.disc(600, 105, 38, (250, 214, 92))
    canvas.disc(614, 95, 34, blend(top, bottom, 95 / (canvas.height - 1)))  # a crescent


def draw_hills(canvas):
    far = (22, 86, 74)
    near = (18, 64, 52)
    for x in range(canvas.width):
        far_top = 286 - round(26 * (1 - ((x - 470) / 260) ** 2)) if 210 < x < 730 else 286
        canvas.rect(x, far_top, 1, canvas.height - far_top, far)
        near_top = 312 - round(30 * (1 - ((x - 150) / 230) ** 2)) if -80 < x < 380 else 312
        canvas.rect(x, near_top, 1, canvas.height - near_top, near)


def draw_calculator(canvas, left, top):
    body = (192, 192, 192)
    shadow = (96, 96, 96)
    light = (240, 240, 240)
    canvas.rect(left + 6, top + 6, 170, 240, (10, 20, 40))  # its shadow on the sky
    canvas.rect(left, top, 170, 240, body)
    canvas.frame(left, top, 170, 240, shadow, 2)
    canvas.rect(left + 2, top + 2, 166, 2, light)
    # The display: light green digits on black, as the grand total shows them.
    canvas.rect(left + 14, top + 16, 142, 40, (0, 0, 0))
    canvas.frame(left + 14, top + 16, 142, 40, shadow, 2)
    canvas.text(left + 156 - 8 - text_width("3.14159", 3), top + 26, "3.14159", 3,
                (128, 255, 128))
    keys = ["789-", "456+", "123=", "0.()"]
    for row, captions in enumerate(keys):
        for col, caption in enumerate(captions):
            x = left + 14 + col * 37
            y = top + 72 + row * 41
            canvas.rect(x, y, 31, 33, light)
            canvas.rect(x + 2, y + 2, 29, 31, shadow)
            canvas.rect(x + 2, y + 2, 27, 29, body)
            colour = (160, 24, 24) if caption in "=-+" else (0, 0, 0)
            canvas.text(x + 9, y + 10, caption, 2, colour)


def draw_title(canvas):
    gold = (250, 214, 92)
    white = (236, 240, 248)
    for offset, colour in [(3, (8, 16, 40)), (0, gold)]:
        canvas.text(262 + offset, 150 + offset, "VIMBO", 9, colour)
    for offset, colour in [(2, (8, 16, 40)), (0, white)]:
        canvas.text(264 + offset, 230 + offset, "CALCULATOR", 4, colour)
    canvas.text(266, 272, "2(1+3)^2 = 32", 2, (190, 230, 236))


def draw_picture():
    canvas = Canvas(WIDTH, HEIGHT)
    draw_sky(canvas)
    draw_hills(canvas)
    draw_calculator(canvas, 58, 70)
    draw_title(canvas)
    return canvas


def bmp_bytes(canvas):
    """A bottom-up BITMAPINFOHEADER file with 24 bits a pixel and no compression."""
    row_size = (canvas.width * 3 + 3) // 4 * 4
    image_size = row_size * canvas.height
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + image_size, 0, 0, header_size)
    # 2835 pixels a metre is 72 dots an inch.
    info_header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                              image_size, 2835, 2835, 0, 0)
    rows = []
    padding = bytes(row_size - canvas.width * 3)
    for row in reversed(canvas.pixels):
        rows.append(b"".join(bytes((b, g, r)) for (r, g, b) in row) + padding)
    return file_header + info_header + b"".join(rows)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_picture.py OUTPUT.bmp")
    with open(sys.argv[1], "wb") as out:
        out.write(bmp_bytes(draw_picture()))


if __name__ == "__main__":
    main()
