#!/usr/bin/env python3
"""Draws the picker's three 16 x 16, 16-colour tree images into res/:
bookmark.bmp (a diagonal bookmark ribbon), folder_closed.bmp (the ribbon in
a closed box) and folder_open.bmp (the ribbon in an open box). White is
where the image is transparent. Run it after changing a picture and commit
the .bmp files."""
import os
import struct

# The standard 16-colour palette, as the images' colour table.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
INK = {'.': 15, 'k': 0, 'r': 1, 'R': 9, 'o': 3, 'y': 11, 'g': 8, 's': 7}

BOOKMARK = """
................
.............kk.
............kRRk
...........kRRrk
..........kRRrk.
.........kRRrk..
........kRRrk...
.......kRRrk....
......kRRrk.....
.....kRRrk......
....kRRrk.......
...kRRrk........
..kRRrk.........
.kRkrk..........
.kk.k...........
................
"""

CLOSED = """
................
...........kk...
..........kRRk..
.........kRRrk..
.kkkkkkkkkkkkkk.
.kyyyyyyyyyyyyk.
.kooooooooooook.
.kkkkkkkkkkkkkk.
..kyyyyyyyyyyok.
..kyyyyyyyyyyok.
..kyyyykkyyyyok.
..kyyyyyyyyyyok.
..kyyyyyyyyyyok.
..kooooooooooook
..kkkkkkkkkkkkk.
................
"""

OPEN = """
.kkk............
.kyykk..........
.kyyyyk.....kk..
..kyyyyk...kRRk.
..kkooyyk.kRRrk.
....kkkkkkRRrk..
..kyyyyykRRrkok.
..kyyyykRRrkyok.
..kyyykRRrkyyok.
..kyyykRkrkyyok.
..kyyykkyyyyyok.
..kyyyyyyyyyyok.
..kyyyyyyyyyyok.
..kooooooooooook
..kkkkkkkkkkkkk.
................
"""


def bmp(picture):
    rows = [line for line in picture.strip().splitlines()]
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), picture
    pixels = b''
    for row in reversed(rows):  # bottom-up
        for x in range(0, 16, 2):
            pixels += bytes([INK[row[x]] << 4 | INK[row[x + 1]]])
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(table)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, 16, 16, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    return header + info + table + pixels


res = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'res')
for name, picture in (('bookmark', BOOKMARK), ('folder_closed', CLOSED), ('folder_open', OPEN)):
    with open(os.path.join(res, name + '.bmp'), 'wb') as f:
        f.write(bmp(picture))
