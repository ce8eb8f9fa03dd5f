#!/usr/bin/env python3
"""Draws the applet's icons and writes them as 16-colour ICO files.

applet.ico          the Control Panel icon: a Mini PCI card with radio waves,
                    32x32 and 16x16
active_profile.ico  the mark of the active profile in the profile list: a
                    green check mark, 16x16

Standard library only. Run from anywhere; the files land beside this script.
The pictures are computed from simple shapes so that they can be changed
here rather than in a binary editor.
"""

import math
import os
import struct
import sys

# The standard 16-colour palette (RGB), so the icons look the same on every
# display depth.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 fuchsia
    (0x00, 0xFF, 0xFF),  # 14 aqua
    (0xFF, 0xFF, 0xFF),  # 15 white
]

BLACK, GREEN, OLIVE, NAVY, TEAL, SILVER, GREY = 0, 2, 3, 4, 6, 7, 8
LIME, YELLOW, BLUE, AQUA, WHITE = 10, 11, 12, 14, 15
CLEAR = None  # transparent pixel


def blank(size):
    return [[CLEAR] * size for _ in range(size)]


def fill_rect(img, x0, y0, x1, y1, colour):
    """Fills the inclusive rectangle (x0, y0)-(x1, y1)."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def frame_rect(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour


def arcs(img, cx, cy, radii, colour, half_width, lo_deg=35, hi_deg=145):
    """Upward circular arcs around (cx, cy): the radio waves."""
    size = len(img)
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - cx, cy - (y + 0.5)
            if dy <= 0:
                continue
            angle = math.degrees(math.atan2(dy, dx))
            if not lo_deg <= angle <= hi_deg:
                continue
            d = math.hypot(dx, dy)
            if any(abs(d - r) <= half_width for r in radii):
                img[y][x] = colour


def card(img, x0, y0, x1, y1, contacts_y, chip, antenna_x, antenna_top):
    """A Mini PCI card: board, edge contacts, one chip, antenna post."""
    fill_rect(img, x0, y0, x1, y1, TEAL)
    frame_rect(img, x0, y0, x1, y1, NAVY)
    # gold fingers along the card edge, every other column
    for x in range(x0 + 1, x1, 2):
        for y in range(y1 + 1, contacts_y + 1):
            img[y][x] = YELLOW
    cx0, cy0, cx1, cy1 = chip
    fill_rect(img, cx0, cy0, cx1, cy1, BLACK)
    for x in range(cx0 + 1, cx1, 2):
        img[cy0 - 1][x] = SILVER
        img[cy1 + 1][x] = SILVER
    for y in range(antenna_top, y0):
        img[y][antenna_x] = GREY
    img[antenna_top][antenna_x] = BLACK


def applet_32():
    img = blank(32)
    card(img, 2, 15, 27, 27, 29, chip=(6, 19, 13, 23),
         antenna_x=22, antenna_top=11)
    # a second, smaller chip makes the board read as a board
    fill_rect(img, 17, 20, 19, 23, GREY)
    arcs(img, 22.5, 11.5, (3.5, 6.5, 9.5), BLUE, 0.75)
    return img


def applet_16():
    img = blank(16)
    card(img, 0, 8, 12, 13, 14, chip=(2, 10, 5, 11),
         antenna_x=10, antenna_top=6)
    arcs(img, 10.5, 6.5, (2.5, 5.0), BLUE, 0.6)
    return img


def check_mark_16():
    """Lime check mark with a dark green rim."""
    img = blank(16)
    path = [(2.5, 8.5), (6.0, 12.0), (13.5, 3.5)]

    def dist(px, py):
        best = float("inf")
        for (ax, ay), (bx, by) in zip(path, path[1:]):
            vx, vy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy)
                             / (vx * vx + vy * vy)))
            best = min(best, math.hypot(px - ax - t * vx, py - ay - t * vy))
        return best

    for y in range(16):
        for x in range(16):
            d = dist(x + 0.5, y + 0.5)
            if d <= 1.3:
                img[y][x] = LIME
            elif d <= 2.2:
                img[y][x] = GREEN
    return img


def dib(img):
    """One icon image: BITMAPINFOHEADER, palette, 4-bpp XOR and 1-bpp AND
    bitmaps, rows bottom-up and padded to 4 bytes."""
    size = len(img)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for row in reversed(img):
        xor = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for x, colour in enumerate(row):
            if colour is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
                colour = 0  # a transparent pixel keeps black in the XOR
            if x % 2 == 0:
                xor[x // 2] |= colour << 4
            else:
                xor[x // 2] |= colour
        xor_rows.append(bytes(xor))
        and_rows.append(bytes(mask))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(bits), 0, 0, 0, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0)
                       for r, g, b in PALETTE)
    return header + palette + bits


def ico(images):
    """An ICO file holding the given square images, largest first."""
    blobs = [dib(img) for img in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, blobs):
        size = len(img)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    files = {
        "applet.ico": [applet_32(), applet_16()],
        "active_profile.ico": [check_mark_16()],
    }
    for name, images in files.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(ico(images))
    return 0


if __name__ == "__main__":
    sys.exit(main())
