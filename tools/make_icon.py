#!/usr/bin/env python3
"""Draws the launcher's icon, two networked computers, into a 16-colour .ico file, and the
installer's wizard picture, the logo (see logo.py), into a 24-bit .bmp file.

The icon holds a 32 x 32 and a 16 x 16 image, each a classic 4-bit bitmap with an AND
mask, which every Windows version shows. The wizard picture has the size NSIS's welcome and
finish pages ask for, 164 x 314. Usage:
    make_icon.py OUTPUT.ico
    make_icon.py --wizard OUTPUT.bmp
"""

import struct
import sys

import logo

WIZARD_SIZE = (164, 314)

# The standard 16-colour palette, so the icon looks the same on any display.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, TEAL, SILVER, GRAY, BLUE, AQUA, WHITE, YELLOW = 0, 4, 6, 7, 8, 12, 14, 15, 11
CLEAR = None  # transparent: set in the AND mask


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def fill(self, left, top, right, bottom, colour):
        """Fills the rectangle with both corners inclusive."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.pixels[y][x] = colour

    def outline(self, left, top, right, bottom, colour):
        self.fill(left, top, right, top, colour)
        self.fill(left, bottom, right, bottom, colour)
        self.fill(left, top, left, bottom, colour)
        self.fill(right, top, right, bottom, colour)


def draw_computer(canvas, left, top, width, height):
    """A monitor of width x height on a neck and a base below it."""
    right, bottom = left + width - 1, top + height - 1
    # Light from the top left: white and silver bezel, grey shadow, black outline.
    canvas.fill(left, top, right, bottom, SILVER)
    canvas.fill(left + 1, top + 1, right - 1, top + 1, WHITE)
    canvas.fill(left + 1, top + 1, left + 1, bottom - 1, WHITE)
    canvas.fill(left + 2, bottom - 1, right - 1, bottom - 1, GRAY)
    canvas.fill(right - 1, top + 2, right - 1, bottom - 1, GRAY)
    canvas.outline(left, top, right, bottom, BLACK)
    border = 3 if width >= 12 else 2
    screen = (left + border, top + border, right - border, bottom - border - (1 if width >= 12 else 0))
    canvas.fill(*screen, NAVY)
    canvas.fill(screen[0], screen[1], screen[2] - 1, screen[1], BLUE)
    canvas.fill(screen[0], screen[1], screen[0], screen[3] - 1, BLUE)
    canvas.pixels[screen[1]][screen[0]] = AQUA
    centre = left + width // 2
    neck = max(1, width // 8)
    canvas.fill(centre - neck, bottom + 1, centre + neck - (1 - width % 2), bottom + 1, GRAY)
    base_half = width // 3
    base_top = bottom + 2
    canvas.fill(centre - base_half, base_top, centre + base_half - (1 - width % 2), base_top,
                SILVER if width >= 12 else GRAY)
    if width >= 12:
        canvas.outline(centre - base_half, base_top, centre + base_half - (1 - width % 2), base_top + 1, BLACK)
        canvas.fill(centre - base_half + 1, base_top, centre + base_half - (2 - width % 2), base_top, SILVER)
    return centre, base_top + (1 if width >= 12 else 0)


def draw_icon(size):
    canvas = Canvas(size)
    if size == 32:
        width, height, first, second = 16, 13, (1, 1), (15, 14)
    else:
        width, height, first, second = 9, 7, (0, 0), (7, 7)
    # The cable runs from under the first computer's base to the side of the second one.
    cable_x, cable_top = first[0] + width // 2, first[1] + height + 2
    cable_y = second[1] + height // 2
    canvas.fill(cable_x, cable_top, cable_x, cable_y, YELLOW)
    canvas.fill(cable_x, cable_y, second[0], cable_y, YELLOW)
    draw_computer(canvas, first[0], first[1], width, height)
    draw_computer(canvas, second[0], second[1], width, height)
    return canvas


def bitmap_bytes(canvas):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and the 1-bit AND mask, bottom row first."""
    size = canvas.size
    colour_row = (size * 4 + 31) // 32 * 4
    mask_row = (size + 31) // 32 * 4
    colours, mask = bytearray(), bytearray()
    for row in reversed(canvas.pixels):
        packed = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x, colour in enumerate(row):
            index = 0 if colour is CLEAR else colour
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if colour is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        colours += packed
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(colours) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in PALETTE)
    return header + palette + bytes(colours) + bytes(mask)


def icon_file(canvases):
    images = [bitmap_bytes(canvas) for canvas in canvases]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for canvas, image in zip(canvases, images):
        entries += struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def bmp_file(rows):
    """A bottom-up 24-bit .bmp of rows of (red, green, blue), top row first."""
    width, height = len(rows[0]), len(rows)
    padding = bytes(-width * 3 % 4)
    pixels = b"".join(bytes(channel for red, green, blue in row for channel in (blue, green, red))
                      + padding for row in reversed(rows))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def main():
    arguments = sys.argv[1:]
    if len(arguments) == 1:
        content = icon_file([draw_icon(32), draw_icon(16)])
    elif len(arguments) == 2 and arguments[0] == "--wizard":
        content = bmp_file(logo.wizard_picture(*WIZARD_SIZE).rgb_rows(logo.YELLOW))
    else:
        sys.exit("usage: make_icon.py OUTPUT.ico | make_icon.py --wizard OUTPUT.bmp")
    with open(arguments[-1], "wb") as output:
        output.write(content)


if __name__ == "__main__":
    main()
