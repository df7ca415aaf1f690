#!/usr/bin/env python3
"""Draws the program's pictures: the toolbar strips and the icon (horodex.ico).

Plain Python 3, no third-party modules. Run it from anywhere; it writes next to itself.
A toolbar strip is five images on the mask colour magenta (255, 0, 255):
0 Open (folder), 1 Save (disk), 2 Delete (red cross), 3 Replace (two arrows), 4 Update (clock).
The strips are toolbar.bmp (16 x 16 images), toolbar24.bmp and toolbar32.bmp: the same
drawings on a 16-pixel grid, scaled, for 150 % and 200 %.
The icon holds a 32 x 32 and a 16 x 16 image in 256 colours.
"""

import math
import os
import struct

MASK = (255, 0, 255)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (192, 192, 192)
DARK_GREY = (128, 128, 128)
FOLDER_EDGE = (128, 96, 0)
FOLDER_BACK = (230, 180, 40)
FOLDER_FRONT = (255, 224, 96)
DISK_EDGE = (0, 0, 96)
DISK_BODY = (48, 80, 176)
RED = (220, 0, 0)
DARK_RED = (128, 0, 0)
BLUE = (0, 64, 200)
GREEN = (0, 144, 0)
RIM = (0, 64, 160)


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with both corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(int(math.ceil(max(abs(x1 - x0), abs(y1 - y0)))), 1)
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            y = y0 + (y1 - y0) * i / steps
            for dy in range(width):
                for dx in range(width):
                    self.put(round(x) + dx - width // 2, round(y) + dy - width // 2, colour)

    def polygon(self, points, colour):
        """Fills a polygon by testing every pixel centre (even-odd rule)."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(points, x + 0.5, y + 0.5):
                    self.put(x, y, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(self.height):
            for x in range(self.width):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def paste(self, other, left, top, see_through=False):
        """Copies other here; with see_through its mask pixels leave this canvas as it is."""
        for y in range(other.height):
            for x in range(other.width):
                colour = other.pixels[y][x]
                if not (see_through and colour == MASK):
                    self.put(left + x, top + y, colour)


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


class Grid:
    """Draws on a canvas of `size` pixels in the coordinates of a 16-pixel image: each
    16-pixel unit covers size / 16 pixels, and line widths grow with it."""

    def __init__(self, size):
        self.c = Canvas(size, size, MASK)
        self.k = size / 16

    def _at(self, v):
        return int(math.floor(v * self.k + 1e-9))

    def put(self, x, y, colour):
        self.rect(x, y, x, y, colour)

    def rect(self, x0, y0, x1, y1, colour):
        self.c.rect(self._at(x0), self._at(y0), self._at(x1 + 1) - 1, self._at(y1 + 1) - 1, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0, colour)
        self.rect(x0, y1, x1, y1, colour)
        self.rect(x0, y0, x0, y1, colour)
        self.rect(x1, y0, x1, y1, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        k = self.k
        if k == 1:
            self.c.line(x0, y0, x1, y1, colour, width)
            return
        # The 16-pixel line's pixels are unit squares on (x, y): their centres move by k.
        offset = (k - 1) / 2
        self.c.line(x0 * k + offset, y0 * k + offset, x1 * k + offset, y1 * k + offset, colour,
                    max(1, round(width * k)))

    def polygon(self, points, colour):
        self.c.polygon([(x * self.k, y * self.k) for x, y in points], colour)


def folder(size=16):
    c = Grid(size)
    c.rect(1, 3, 6, 4, FOLDER_BACK)
    c.frame(1, 2, 6, 4, FOLDER_EDGE)
    c.rect(1, 4, 13, 13, FOLDER_BACK)
    c.frame(1, 4, 13, 13, FOLDER_EDGE)
    flap = [(4, 7), (15.5, 7), (13, 13.5), (1.5, 13.5)]
    c.polygon(flap, FOLDER_FRONT)
    c.line(4, 7, 15, 7, FOLDER_EDGE)
    c.line(15, 7, 13, 13, FOLDER_EDGE)
    c.line(4, 7, 1, 13, FOLDER_EDGE)
    c.line(1, 13, 13, 13, FOLDER_EDGE)
    return c.c


def disk(size=16):
    c = Grid(size)
    c.rect(1, 1, 14, 14, DISK_BODY)
    c.frame(1, 1, 14, 14, DISK_EDGE)
    c.rect(14, 1, 14, 1, MASK)  # the cut corner
    c.rect(4, 2, 11, 7, WHITE)
    c.line(5, 4, 10, 4, DARK_GREY)
    c.line(5, 6, 10, 6, DARK_GREY)
    c.rect(4, 10, 11, 14, GREY)
    c.rect(8, 11, 9, 13, DISK_EDGE)
    return c.c


def cross(size=16):
    c = Grid(size)
    c.line(3, 3, 12, 12, DARK_RED, width=4)
    c.line(12, 3, 3, 12, DARK_RED, width=4)
    c.line(3, 3, 12, 12, RED, width=2)
    c.line(12, 3, 3, 12, RED, width=2)
    return c.c


def arrows(size=16):
    c = Grid(size)
    # Upper arrow to the right, lower arrow to the left: one text over all the others.
    c.rect(1, 4, 10, 5, BLUE)
    c.polygon([(10, 1), (15, 4.9), (10, 8.8)], BLUE)
    c.rect(5, 10, 14, 11, GREEN)
    c.polygon([(6, 7), (1, 10.9), (6, 14.8)], GREEN)
    return c.c


def clock(size, rim, face, hands):
    c = Canvas(size, size, MASK)
    centre = size / 2
    c.disc(centre, centre, size / 2 - 0.2, rim)
    c.disc(centre, centre, size / 2 - max(1.2, size / 12), face)
    marks = 12 if size >= 24 else 4
    for i in range(marks):
        angle = 2 * math.pi * i / marks
        r = size / 2 - max(2.2, size / 7)
        c.put(int(centre + r * math.sin(angle)), int(centre - r * math.cos(angle)), hands)
    middle = int(centre - 0.5)
    tip = size // 2 - max(3, size // 5)
    c.line(middle, middle, middle, middle - tip, hands, width=2 if size >= 24 else 1)
    c.line(middle, middle, middle + tip - 1, middle, hands, width=2 if size >= 24 else 1)
    c.put(middle, middle, RED)
    return c


def strip(size=16):
    images = [folder(size), disk(size), cross(size), arrows(size), clock(size, RIM, WHITE, BLACK)]
    c = Canvas(size * len(images), size, MASK)
    for i, image in enumerate(images):
        c.paste(image, size * i, 0)
    return c


def icon_image(size):
    c = Canvas(size, size, MASK)
    if size >= 32:
        # A calendar page behind the clock.
        c.rect(2, 3, 21, 24, WHITE)
        c.rect(2, 3, 21, 7, RED)
        c.frame(2, 3, 21, 24, DARK_GREY)
        for y in (11, 15, 19):
            for x in (5, 9, 13, 17):
                c.rect(x, y, x + 1, y + 1, DARK_GREY)
        c.paste(clock(20, RIM, WHITE, BLACK), 11, 11, see_through=True)
        return c
    return clock(16, RIM, WHITE, BLACK)


def bmp_bytes(canvas):
    row_size = (canvas.width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray()
        for r, g, b in canvas.pixels[y]:
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        pixels += row
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(pixels),
                         2835, 2835, 0, 0)
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + pixels


def icon_entry_bytes(canvas, palette):
    """One 8-bit image of an icon file: header, palette, colour pixels and the mask."""
    w, h = canvas.width, canvas.height
    colour_row = (w + 3) // 4 * 4
    mask_row = (w + 31) // 32 * 4
    colours = bytearray()
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray()
        bits = bytearray(mask_row)
        for x, colour in enumerate(canvas.pixels[y]):
            if colour == MASK:
                row.append(0)
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                row.append(palette.index(colour))
        colours += row + bytes(colour_row - len(row))
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 8, 0, len(colours) + len(mask), 0, 0,
                         256, 0)
    table = bytearray()
    for r, g, b in palette:
        table += bytes((b, g, r, 0))
    return header + table + colours + mask


def ico_bytes(canvases):
    palette = [BLACK]
    for canvas in canvases:
        for row in canvas.pixels:
            for colour in row:
                if colour != MASK and colour not in palette:
                    palette.append(colour)
    assert len(palette) <= 256, "too many colours for a 256-colour icon"
    palette += [BLACK] * (256 - len(palette))
    images = [icon_entry_bytes(c, palette) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 8,
                           len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for size, name in ((16, "toolbar.bmp"), (24, "toolbar24.bmp"), (32, "toolbar32.bmp")):
        with open(os.path.join(here, name), "wb") as f:
            f.write(bmp_bytes(strip(size)))
    with open(os.path.join(here, "horodex.ico"), "wb") as f:
        f.write(ico_bytes([icon_image(32), icon_image(16)]))


if __name__ == "__main__":
    main()
