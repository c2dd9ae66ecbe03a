#!/usr/bin/env python3
"""Draws the nine slot icons of the storage cage graphic and writes them as .ico files.

Each icon is 32 x 32 pixels, 32 bits with alpha. A drive is a flat box seen from the front, in the
colour of its RAID set, filling rows 8 to 23: the cage's connector lines run from the bottom edge of
one slot's drive to the top edge of the next, so the drive must sit exactly in those rows. The empty
slot is the outline of a free bay with a red line across it.

Run it from anywhere; it writes into its own folder:  python3 make_icons.py
Only the standard library is used.
"""

import pathlib
import struct

SIZE = 32
TOP, BOTTOM = 8, 23  # rows of the drive body, inclusive
LEFT, RIGHT = 3, 28  # columns of the drive body, inclusive

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


def shade(colour, factor):
    """The colour lightened (factor > 1) or darkened (factor < 1), kept in range."""
    if factor >= 1:
        return tuple(min(255, round(c + (255 - c) * (factor - 1))) for c in colour)
    return tuple(round(c * factor) for c in colour)


def blank():
    return [[TRANSPARENT for _ in range(SIZE)] for _ in range(SIZE)]


def opaque(rgb):
    return (rgb[0], rgb[1], rgb[2], 255)


def drive(colour):
    """A drive box in the colour: dark outline, lit top edge, a bezel groove and an activity light."""
    px = blank()
    outline = opaque(shade(colour, 0.45))
    for y in range(TOP, BOTTOM + 1):
        # The face darkens a little towards the bottom, which reads as a box under light from above.
        face = opaque(shade(colour, 1.0 - 0.25 * (y - TOP) / (BOTTOM - TOP)))
        for x in range(LEFT, RIGHT + 1):
            edge = y in (TOP, BOTTOM) or x in (LEFT, RIGHT)
            px[y][x] = outline if edge else face
    for x in range(LEFT + 1, RIGHT):
        px[TOP + 1][x] = opaque(shade(colour, 1.55))
    for x in range(LEFT + 3, RIGHT - 2):
        px[TOP + 6][x] = opaque(shade(colour, 0.6))
        px[TOP + 7][x] = opaque(shade(colour, 1.3))
    for y in (BOTTOM - 4, BOTTOM - 3):
        for x in (RIGHT - 5, RIGHT - 4):
            px[y][x] = opaque((120, 255, 120))
    return px


def empty_slot():
    """An empty bay: a grey outline with a red line across its middle."""
    px = blank()
    frame = opaque((128, 128, 128))
    for y in range(TOP, BOTTOM + 1):
        for x in range(LEFT, RIGHT + 1):
            if y in (TOP, BOTTOM) or x in (LEFT, RIGHT):
                px[y][x] = frame
    red = opaque((230, 0, 0))
    middle = (TOP + BOTTOM) // 2
    for y in (middle, middle + 1):
        for x in range(LEFT + 2, RIGHT - 1):
            px[y][x] = red
    return px


def ico(pixels):
    """One 32-bit image in an .ico container: BMP header, BGRA rows bottom-up, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, 0, 0, 0, 0, 0)
    colour_rows = b""
    mask_rows = b""
    for row in reversed(pixels):
        colour_rows += b"".join(struct.pack("BBBB", b, g, r, a) for (r, g, b, a) in row)
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (SIZE - 1 - x)
        mask_rows += struct.pack(">I", bits)  # 32 pixels = one 4-byte row, already aligned
    image = header + colour_rows + mask_rows
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    folder = pathlib.Path(__file__).resolve().parent
    for name, colour in SET_COLOURS:
        (folder / name).write_bytes(ico(drive(colour)))
    (folder / EMPTY_SLOT).write_bytes(ico(empty_slot()))


if __name__ == "__main__":
    main()
