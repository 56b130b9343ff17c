#!/usr/bin/env python3
"""Writes the binary resources of TARN32.dll into resources/.

The cursors and bitmaps are drawn here as character pictures so that their
look can be reviewed and changed in a text diff; the generated .cur and .bmp
files are committed next to tarn32.rc and rebuilt only when this script
changes.

    python3 tools/make_resources.py [output-directory]

Without an argument the files go to resources/ beside this script's parent.
"""

import os
import struct
import sys

# ---------------------------------------------------------------------------
# Cursors: 32 x 32 monochrome, stored as an XOR and an AND mask.
#
# Picture characters:
#   '.'  transparent  (AND 1, XOR 0)
#   'X'  black        (AND 0, XOR 0)
#   'o'  white        (AND 0, XOR 1)
#
# Shapes are drawn in black first; outline() then rings every black pixel
# with white so that the pointer stays visible on any background.
# ---------------------------------------------------------------------------

SIZE = 32


def blank():
    return [['.'] * SIZE for _ in range(SIZE)]


def put(img, x, y, c):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = c


def hline(img, x0, x1, y, c='X'):
    for x in range(x0, x1 + 1):
        put(img, x, y, c)


def vline(img, x, y0, y1, c='X'):
    for y in range(y0, y1 + 1):
        put(img, x, y, c)


def outline(img):
    """Paints white every transparent pixel that touches a black one."""
    ring = []
    for y in range(SIZE):
        for x in range(SIZE):
            if img[y][x] != '.':
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < SIZE and 0 <= ny < SIZE and img[ny][nx] == 'X':
                        ring.append((x, y))
                        break
                else:
                    continue
                break
    for x, y in ring:
        img[y][x] = 'o'


def stamp(img, art, left, top):
    """Copies a character picture onto img; '.' in the picture leaves img as is."""
    for dy, row in enumerate(art):
        for dx, c in enumerate(row):
            if c != '.':
                put(img, left + dx, top + dy, c)


def column_size_cursor():
    """Divider cursor: two bars, with arrows pointing left and right.

    The hot spot (15,15) sits between the bars, on the divider itself."""
    img = blank()
    cx, cy = 15, 15
    # The two bars, one pixel of space either side of the hot spot column.
    vline(img, cx - 2, cy - 8, cy + 8)
    vline(img, cx - 1, cy - 8, cy + 8)
    vline(img, cx + 1, cy - 8, cy + 8)
    vline(img, cx + 2, cy - 8, cy + 8)
    # Shafts two pixels thick, leaving a gap before each bar.
    for y in (cy, cy + 1):
        hline(img, cx - 10, cx - 4, y)
        hline(img, cx + 4, cx + 10, y)
    # Arrow heads: solid triangles whose points face away from the bars.
    for i in range(5):
        vline(img, cx - 11 + i, cy - i, cy + 1 + i)
        vline(img, cx + 11 - i, cy - i, cy + 1 + i)
    outline(img)
    return img, (cx, cy)


ARROW = [
    "X...........",
    "XX..........",
    "XoX.........",
    "XooX........",
    "XoooX.......",
    "XooooX......",
    "XoooooX.....",
    "XooooooX....",
    "XoooooooX...",
    "XooooooooX..",
    "XoooooooooX.",
    "XooooooXXXXX",
    "XoooXooX....",
    "XooXXooX....",
    "XoX..XooX...",
    "XX...XooX...",
    "X.....XX....",
]


def column_drag_cursor():
    """Column move cursor: the arrow carries a small column header block.

    The hot spot (10,10) is the arrow's tip."""
    img = blank()
    hx, hy = 10, 10
    # The header block: a framed button with a caption line, hanging below
    # and to the right of the arrow like the header being dragged. It stays
    # clear of the arrow's rim so both shapes read at a glance.
    left, top, right, bottom = 20, 23, 30, 30
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            put(img, x, y, 'X' if edge else 'o')
    # A dark lower edge gives the block a raised, button-like look.
    hline(img, left + 1, right - 1, bottom - 1)
    # Caption text stand-in.
    hline(img, left + 2, right - 3, top + 3)
    outline(img)
    # The arrow is drawn last, in front of the block, with its own rim.
    arrow = blank()
    stamp(arrow, ARROW, hx, hy)
    outline(arrow)
    for y in range(SIZE):
        for x in range(SIZE):
            if arrow[y][x] != '.':
                img[y][x] = arrow[y][x]
    return img, (hx, hy)


def no_drop_cursor():
    """Refusal cursor: a ring crossed by a diagonal bar, hot spot (15,15)."""
    img = blank()
    cx, cy = 15.5, 15.5
    outer, inner = 10.6, 7.4
    for y in range(SIZE):
        for x in range(SIZE):
            px, py = x + 0.5, y + 0.5
            d2 = (px - cx) ** 2 + (py - cy) ** 2
            if inner * inner <= d2 <= outer * outer:
                img[y][x] = 'X'
            # The bar runs from upper left to lower right inside the ring,
            # about three pixels wide.
            elif d2 < inner * inner and abs((px - cx) - (py - cy)) <= 2.2:
                img[y][x] = 'X'
    outline(img)
    return img, (15, 15)


def cursor_file(img, hotspot):
    """Builds a .cur file holding one 32 x 32 1-bit image."""
    xor_rows = []
    and_rows = []
    for row in reversed(img):  # DIB rows are stored bottom-up
        xor_bits = 0
        and_bits = 0
        for c in row:
            xor_bits = (xor_bits << 1) | (1 if c == 'o' else 0)
            and_bits = (and_bits << 1) | (1 if c == '.' else 0)
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    # The height in the header counts both masks.
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0,
                         SIZE * 4 * 2, 0, 0, 2, 0)
    palette = struct.pack('<BBBB', 0, 0, 0, 0) + struct.pack('<BBBB', 255, 255, 255, 0)
    image = header + palette + b''.join(xor_rows) + b''.join(and_rows)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, hotspot[0], hotspot[1],
                        len(image), 6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------------------
# Bitmaps: 16 x 12 pixels, 16 colours. The pixel at the top left is the
# colour the control treats as transparent, so every picture keeps its
# background in that one colour, which appears nowhere else.
# ---------------------------------------------------------------------------

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

COLOURS = {
    '.': 13,  # background, magenta: drawn transparent
    'k': 0,   # black
    'd': 8,   # dark grey
    's': 7,   # silver
    'w': 15,  # white
    'g': 10,  # bright green
    'b': 4,   # navy
}

# Two overlapping "T" letters, the rear one grey: the TrueType mark.
TRUETYPE = [
    "................",
    ".ddddddd........",
    ".dd.dd.d........",
    ".d..dd..........",
    "....dd.kkkkkkk..",
    "....dd.kk.kk.k..",
    "....dd.k..kk....",
    "...dddd...kk....",
    "..........kk....",
    "..........kk....",
    ".........kkkk...",
    "................",
]

# A small printer with a sheet of paper: the printer-font mark.
PRINTER = [
    "................",
    "....kkkkkkk.....",
    "....kwwwwwk.....",
    "....kwkkkwk.....",
    "..kkkkkkkkkkk...",
    ".kwwwwwwwwwwsk..",
    ".kssssssssgssk..",
    ".kssssssssssdk..",
    ".kkkkkkkkkkkkk..",
    "..kwwwwwwwwwk...",
    "..kkkkkkkkkkk...",
    "................",
]


def bitmap_file(art):
    """Builds a 4-bit .bmp file from a 16 x 12 character picture."""
    width, height = len(art[0]), len(art)
    stride = ((width * 4 + 31) // 32) * 4
    rows = []
    for row in reversed(art):  # bottom-up
        data = bytearray(stride)
        for x, c in enumerate(row):
            index = COLOURS[c]
            if x % 2 == 0:
                data[x // 2] |= index << 4
            else:
                data[x // 2] |= index
        rows.append(bytes(data))
    pixels = b''.join(rows)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(pixels),
                       0, 0, 16, 0)
    offset = 14 + len(info) + len(palette)
    head = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return head + info + palette + pixels


def check_art(name, art, width, height):
    if len(art) != height or any(len(row) != width for row in art):
        raise SystemExit(f'{name}: picture is not {width} x {height}')
    if art[0][0] != '.':
        raise SystemExit(f'{name}: top-left pixel must be the background')


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'resources')
    os.makedirs(out, exist_ok=True)

    cursors = {
        'column_size.cur': column_size_cursor(),
        'column_drag.cur': column_drag_cursor(),
        'no_drop.cur': no_drop_cursor(),
    }
    bitmaps = {
        'font_truetype.bmp': TRUETYPE,
        'font_printer.bmp': PRINTER,
    }

    for name, (img, hotspot) in cursors.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(cursor_file(img, hotspot))
    for name, art in bitmaps.items():
        check_art(name, art, 16, 12)
        with open(os.path.join(out, name), 'wb') as f:
            f.write(bitmap_file(art))


if __name__ == '__main__':
    main()
