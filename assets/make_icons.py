#!/usr/bin/env python3
"""Draws the nine slot icons of the storage cage graphic and writes them as .ico files.

Each file carries the picture at 16, 32, 48 and 64 pixels, 32 bits with alpha, so that the graphic
and the tab captions pick the image that matches the screen's pixels and stay sharp at 1x, 1.5x
and 2x. The picture is designed on a 32 x 32 grid and drawn at each size with its edges on whole
pixels (every line at least one pixel wide) rather than scaled, so that no size is blurred.

A drive is a flat box seen from the front, in the colour of its RAID set, filling rows 8 to 23 of
the grid (a quarter to three quarters of the height at every size): the cage's connector lines run
from the bottom edge of one slot's drive to the top edge of the next, so the drive must sit exactly
in those rows. The empty slot is the outline of a free bay with a red line across it.

Run it from anywhere; it writes into its own folder:  python3 make_icons.py
Only the standard library is used.
"""

import math
import pathlib
import struct

SIZES = (16, 32, 48, 64)
GRID = 32
TOP, BOTTOM = 8, 24  # rows of the drive body on the grid, bottom exclusive
LEFT, RIGHT = 3, 29  # columns of the drive body on the grid, right exclusive

# File name -> colour of the RAID set whose drives the icon shows (sets 0 to 7 in order).
SET_COLOURS = [
    ("diskblue.ico", (40, 90, 230)),
    ("diskred.ico", (220, 40, 40)),
    ("diskdkturk.ico", (0, 140, 150)),
    ("diskgreen.ico", (40, 170, 60)),
    ("diskpurple.ico", (160, 60, 200)),
    ("diskdkblue.ico", (20, 30, 130)),
    ("diskdkred.ico", (130, 10, 20)),
    ("diskdkpurple.ico", (90, 20, 110)),
]
EMPTY_SLOT = "diskredline.ico"

TRANSPARENT = (0, 0, 0, 0)


def nearest(value):
    """The nearest whole number, halves upwards (Python's round() goes to the even one)."""
    return int(math.floor(value + 0.5))


def shade(colour, factor):
    """The colour lightened (factor > 1) or darkened (factor < 1), kept in range."""
    if factor >= 1:
        return tuple(min(255, nearest(c + (255 - c) * (factor - 1))) for c in colour)
    return tuple(nearest(c * factor) for c in colour)


def opaque(rgb):
    return (rgb[0], rgb[1], rgb[2], 255)


class Canvas:
    """A square of pixels at one size, drawn on in grid units."""

    def __init__(self, size):
        self.size = size
        self.scale = size / GRID
        self.px = [[TRANSPARENT for _ in range(size)] for _ in range(size)]

    def span(self, start, end):
        """The pixels a grid span covers: edges on whole pixels, never thinner than one pixel."""
        first = nearest(start * self.scale)
        last = max(first + 1, nearest(end * self.scale))
        return first, last

    def fill(self, left, top, right, bottom, colour):
        """Fills the grid rectangle [left, right) x [top, bottom); colour may depend on the row."""
        x0, x1 = self.span(left, right)
        y0, y1 = self.span(top, bottom)
        for y in range(y0, y1):
            shade_of_row = colour(y) if callable(colour) else colour
            for x in range(x0, x1):
                self.px[y][x] = shade_of_row


def drive(size, colour):
    """A drive box in the colour: dark outline, lit top edge, a bezel groove and an activity light."""
    canvas = Canvas(size)
    canvas.fill(LEFT, TOP, RIGHT, BOTTOM, opaque(shade(colour, 0.45)))
    face_top, face_bottom = canvas.span(TOP + 1, BOTTOM - 1)

    def face(y):
        # The face darkens a little towards the bottom, which reads as a box under light from above.
        depth = (y - face_top) / max(1, face_bottom - 1 - face_top)
        return opaque(shade(colour, 1.0 - 0.25 * depth))

    canvas.fill(LEFT + 1, TOP + 1, RIGHT - 1, BOTTOM - 1, face)
    canvas.fill(LEFT + 1, TOP + 1, RIGHT - 1, TOP + 2, opaque(shade(colour, 1.55)))
    canvas.fill(LEFT + 3, TOP + 6, RIGHT - 3, TOP + 7, opaque(shade(colour, 0.6)))
    canvas.fill(LEFT + 3, TOP + 7, RIGHT - 3, TOP + 8, opaque(shade(colour, 1.3)))
    canvas.fill(RIGHT - 6, BOTTOM - 5, RIGHT - 4, BOTTOM - 3, opaque((120, 255, 120)))
    return canvas.px


def empty_slot(size):
    """An empty bay: a grey outline with a red line across its middle."""
    canvas = Canvas(size)
    frame = opaque((128, 128, 128))
    canvas.fill(LEFT, TOP, RIGHT, TOP + 1, frame)
    canvas.fill(LEFT, BOTTOM - 1, RIGHT, BOTTOM, frame)
    canvas.fill(LEFT, TOP, LEFT + 1, BOTTOM, frame)
    canvas.fill(RIGHT - 1, TOP, RIGHT, BOTTOM, frame)
    middle = (TOP + BOTTOM) // 2 - 1
    canvas.fill(LEFT + 2, middle, RIGHT - 2, middle + 2, opaque((230, 0, 0)))
    return canvas.px


def bitmap(pixels):
    """One 32-bit image as an .ico holds it: BMP header, BGRA rows bottom-up, then the AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    mask_row_bytes = (size + 31) // 32 * 4  # mask rows are padded to four bytes
    colour_rows = b""
    mask_rows = b""
    for row in reversed(pixels):
        colour_rows += b"".join(struct.pack("BBBB", b, g, r, a) for (r, g, b, a) in row)
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (mask_row_bytes * 8 - 1 - x)
        mask_rows += bits.to_bytes(mask_row_bytes, "big")
    return header + colour_rows + mask_rows


def ico(images):
    """The images, smallest first, in one .ico container."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for pixels in images:
        size = len(pixels)
        image = bitmap(pixels)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + entries + data


def main():
    folder = pathlib.Path(__file__).resolve().parent
    for name, colour in SET_COLOURS:
        (folder / name).write_bytes(ico([drive(size, colour) for size in SIZES]))
    (folder / EMPTY_SLOT).write_bytes(ico([empty_slot(size) for size in SIZES]))


if __name__ == "__main__":
    main()
