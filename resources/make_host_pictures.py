#!/usr/bin/env python3
"""Writes the pictures of the host program CQuilm into host/: the tool bar strips (16x15 images),
the 23 border pictures of the picker (16x16 each), the cell sample bitmap, the icons and the link
cursor. Run from resources/: python3 make_host_pictures.py"""
import struct

GREY = (192, 192, 192)  # the tool bars' and pickers' transparent colour
BLACK, WHITE, DARK = (0, 0, 0), (255, 255, 255), (128, 128, 128)
BLUE, NAVY, RED, GREEN, YELLOW = (0, 0, 255), (0, 0, 128), (255, 0, 0), (0, 128, 0), (255, 255, 0)

FONT = {  # 5x7 letters
    "B": ["1111.", "1...1", "1...1", "1111.", "1...1", "1...1", "1111."],
    "I": [".111.", "..1..", "..1..", "..1..", "..1..", "..1..", ".111."],
    "U": ["1...1", "1...1", "1...1", "1...1", "1...1", "1...1", ".111."],
    "A": [".111.", "1...1", "1...1", "11111", "1...1", "1...1", "1...1"],
    "a": [".....", ".....", ".111.", "....1", ".1111", "1...1", ".1111"],
    "Q": [".111.", "1...1", "1...1", "1...1", "1.1.1", "1..1.", ".11.1"],
}


class Canvas:
    def __init__(self, width, height, background=GREY):
        self.w, self.h = width, height
        self.px = [[background] * width for _ in range(height)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):  # filled, inclusive
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, y0, x, y1, c)

    def text(self, x, y, letter, c):
        for dy, row in enumerate(FONT[letter]):
            for dx, bit in enumerate(row):
                if bit == "1":
                    self.set(x + dx, y + dy, c)

    def paste(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                self.set(ox + x, oy + y, other.px[y][x])


def bmp(canvas):
    row_size = (canvas.w * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(canvas.h)):
        row = b"".join(bytes((b, g, r)) for (r, g, b) in canvas.px[y])
        rows.append(row + b"\0" * (row_size - len(row)))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


def icon_image(canvas, transparent=GREY):
    """One 32-bit image of an .ico/.cur: XOR bitmap with alpha, then the AND mask."""
    xor = b""
    for y in reversed(range(canvas.h)):
        for (r, g, b) in canvas.px[y]:
            alpha = 0 if (r, g, b) == transparent else 255
            xor += bytes((b, g, r, alpha))
    mask_row = (canvas.w + 31) // 32 * 4
    mask = b""
    for y in reversed(range(canvas.h)):
        bits = 0
        row = b""
        for x in range(canvas.w):
            bits = (bits << 1) | (1 if canvas.px[y][x] == transparent else 0)
            if x % 8 == 7:
                row += bytes((bits,))
                bits = 0
        mask += row + b"\0" * (mask_row - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def ico(canvas, cursor=None):
    image = icon_image(canvas)
    kind = 2 if cursor else 1
    planes, bits = (cursor if cursor else (1, 32))
    entry = struct.pack("<BBBBHHII", canvas.w, canvas.h, 0, 0, planes, bits, len(image), 6 + 16)
    return struct.pack("<HHH", 0, kind, 1) + entry + image


# ---- tool bar glyphs (16 x 15) ----

def glyph(draw):
    c = Canvas(16, 15)
    draw(c)
    return c


def page(c, x=3, y=1):
    c.rect(x, y, x + 8, y + 12, WHITE)
    c.frame(x, y, x + 8, y + 12, BLACK)


def new(c):
    page(c)
    c.rect(9, 1, 11, 3, GREY)
    c.hline(5, 9, 5, DARK)
    c.hline(5, 9, 7, DARK)


def open_(c):
    c.rect(1, 4, 13, 12, YELLOW)
    c.frame(1, 4, 13, 12, BLACK)
    c.rect(1, 2, 6, 4, YELLOW)
    c.frame(1, 2, 6, 4, BLACK)


def save(c):
    c.rect(1, 1, 13, 13, NAVY)
    c.rect(3, 1, 11, 6, WHITE)
    c.rect(4, 9, 10, 13, DARK)


def print_(c):
    c.rect(4, 1, 11, 5, WHITE)
    c.frame(4, 1, 11, 5, BLACK)
    c.rect(1, 6, 14, 11, DARK)
    c.frame(1, 6, 14, 11, BLACK)
    c.rect(4, 10, 11, 13, WHITE)
    c.frame(4, 10, 11, 13, BLACK)


def preview(c):
    page(c, 2, 1)
    c.frame(8, 6, 12, 10, BLUE)
    c.rect(12, 10, 14, 12, BLUE)


def cut(c):
    for i in range(7):
        c.set(4 + i, 1 + i, BLACK)
        c.set(11 - i, 1 + i, BLACK)
    c.frame(2, 8, 6, 12, RED)
    c.frame(9, 8, 13, 12, RED)


def copy(c):
    page(c, 1, 1)
    c.rect(6, 4, 14, 13, WHITE)
    c.frame(6, 4, 14, 13, BLACK)


def paste(c):
    c.rect(2, 2, 11, 13, (160, 110, 40))
    c.rect(5, 1, 8, 3, DARK)
    c.rect(7, 6, 14, 13, WHITE)
    c.frame(7, 6, 14, 13, BLACK)


def brush(c):
    c.rect(3, 1, 12, 5, (255, 200, 0))
    c.frame(3, 1, 12, 5, BLACK)
    c.rect(7, 6, 8, 13, (160, 110, 40))


def sheet(c, mark=None):
    c.rect(1, 2, 14, 12, WHITE)
    for x in (1, 5, 10, 14):
        c.vline(x, 2, 12, DARK)
    for y in (2, 5, 9, 12):
        c.hline(1, 14, y, DARK)
    if mark:
        mark(c)


def merge(c):
    sheet(c, lambda c: (c.rect(2, 6, 13, 8, (255, 255, 200)), c.hline(3, 12, 7, BLUE)))


def unmerge(c):
    sheet(c, lambda c: (c.hline(2, 4, 7, BLUE), c.hline(11, 13, 7, BLUE)))


def insert_row(c):
    sheet(c, lambda c: c.rect(2, 6, 13, 8, GREEN))


def delete_row(c):
    sheet(c, lambda c: c.rect(2, 6, 13, 8, RED))


def insert_col(c):
    sheet(c, lambda c: c.rect(6, 3, 9, 11, GREEN))


def delete_col(c):
    sheet(c, lambda c: c.rect(6, 3, 9, 11, RED))


def letter(ch, colour=BLACK, bar=None):
    def draw(c):
        c.text(5, 2, ch, colour)
        if ch in "BIU":
            c.text(6, 2, ch, colour) if ch == "B" else None
        if bar:
            c.rect(1, 11, 14, 13, bar)
    return draw


def align(kind):
    def draw(c):
        for i, y in enumerate((2, 5, 8, 11)):
            length = 12 if i % 2 == 0 else 8
            x0 = {"left": 2, "centre": 8 - length // 2, "right": 14 - length}[kind]
            c.hline(x0, x0 + length - 1, y, BLACK)
    return draw


def no_align(c):
    c.text(5, 3, "a", BLACK)
    c.frame(2, 1, 13, 12, DARK)


def bucket(c):
    c.rect(3, 2, 10, 9, WHITE)
    c.frame(3, 2, 10, 9, BLACK)
    c.rect(1, 11, 14, 13, YELLOW)


def borders(c):
    c.frame(2, 1, 13, 12, BLACK)
    c.vline(7, 1, 12, DARK)
    c.hline(2, 13, 6, DARK)


def line_colour(c):
    for i in range(9):
        c.set(3 + i, 9 - i, BLACK)
    c.rect(1, 11, 14, 13, BLUE)


def placeholder(c):
    c.frame(1, 3, 14, 11, DARK)


def strip(draws):
    out = Canvas(16 * len(draws), 15)
    for i, d in enumerate(draws):
        out.paste(glyph(d), 16 * i, 0)
    return out


STANDARD = [new, open_, save, print_, preview, cut, copy, paste, brush, merge, unmerge, insert_row, delete_row,
            insert_col, delete_col]
FORMAT = [placeholder, placeholder, letter("B"), letter("I"), letter("U"), align("left"), align("centre"),
          align("right"), no_align, bucket, letter("A", BLACK, RED)]
LINE = [placeholder, placeholder, line_colour, borders]


# ---- the 23 border pictures of the picker (16 x 16 each): a 2 x 2 block and its lines ----

def border_picture(kind):
    c = Canvas(16, 16)
    c.rect(1, 1, 14, 14, WHITE)
    grid = (200, 200, 200)
    c.frame(1, 1, 14, 14, grid)
    c.vline(7, 1, 14, grid)
    c.hline(1, 14, 7, grid)
    heavy = BLACK
    if kind == 0:
        pass
    elif kind in (1, 2, 3):
        c.frame(1, 1, 14, 14, heavy)
        if kind == 3:
            c.vline(7, 1, 14, heavy)
            c.hline(1, 14, 7, heavy)
    elif kind in (4, 14, 18):
        c.hline(1, 14, 1, heavy)
    elif kind == 5:
        c.hline(1, 14, 7, heavy)
    elif kind in (6, 15, 19):
        c.hline(1, 14, 14, heavy)
    elif kind in (7, 16, 20):
        c.vline(1, 1, 14, heavy)
    elif kind == 8:
        c.vline(7, 1, 14, heavy)
    elif kind in (9, 17, 21):
        c.vline(14, 1, 14, heavy)
    elif kind in (10, 11, 12, 13):
        for i in range(14):
            c.set(1 + i, 1 + i if kind % 2 == 0 else 14 - i, DARK)
    elif kind == 22:
        c.frame(1, 1, 14, 14, heavy)
        c.vline(7, 1, 14, heavy)
        c.hline(1, 14, 7, heavy)
    return c


def borders_strip():
    out = Canvas(16 * 23, 16)
    for k in range(23):
        out.paste(border_picture(k), 16 * k, 0)
    return out


# ---- icons ----

def app_icon(size=32):
    c = Canvas(size, size)
    c.rect(2, 4, size - 3, size - 3, WHITE)
    c.frame(2, 4, size - 3, size - 3, NAVY)
    c.rect(3, 5, size - 4, 9, (40, 120, 200))
    for x in range(2, size - 2, 7):
        c.vline(x, 4, size - 3, DARK)
    for y in range(9, size - 2, 5):
        c.hline(2, size - 3, y, DARK)
    c.text(size // 2 - 2, size // 2 - 1, "Q", RED)
    return c


def small_icon(colour, shape):
    c = Canvas(16, 16)
    if shape == "ball":
        for y in range(16):
            for x in range(16):
                if (x - 7.5) ** 2 + (y - 7.5) ** 2 <= 42:
                    c.set(x, y, colour)
    elif shape == "square":
        c.rect(2, 2, 13, 13, colour)
        c.frame(2, 2, 13, 13, BLACK)
    elif shape == "diamond":
        for y in range(16):
            half = 7 - abs(7 - y)
            c.hline(7 - half, 8 + half, y, colour)
    elif shape == "star":
        c.rect(6, 1, 9, 14, colour)
        c.rect(1, 6, 14, 9, colour)
    else:
        c.rect(1, 4, 14, 11, colour)
        c.frame(1, 4, 14, 11, BLACK)
    return c


def hand_cursor():
    c = Canvas(32, 32)
    c.rect(8, 2, 10, 14, BLACK)
    c.rect(9, 3, 9, 13, WHITE)
    c.rect(8, 12, 20, 24, BLACK)
    c.rect(9, 13, 19, 23, WHITE)
    return c


def cell_sample():
    c = Canvas(32, 24, WHITE)
    c.rect(0, 14, 31, 23, GREEN)
    c.rect(20, 2, 27, 9, YELLOW)
    c.frame(0, 0, 31, 23, DARK)
    return c


if __name__ == "__main__":
    outputs = {
        "host/toolbar_standard.bmp": bmp(strip(STANDARD)),
        "host/toolbar_format.bmp": bmp(strip(FORMAT)),
        "host/toolbar_line.bmp": bmp(strip(LINE)),
        "host/border_pictures.bmp": bmp(borders_strip()),
        "host/cell_sample.bmp": bmp(cell_sample()),
        "host/cquilm.ico": ico(app_icon()),
        "host/icon133.ico": ico(small_icon(RED, "ball")),
        "host/icon134.ico": ico(small_icon(GREEN, "square")),
        "host/icon135.ico": ico(small_icon(BLUE, "diamond")),
        "host/icon136.ico": ico(small_icon((255, 128, 0), "star")),
        "host/icon137.ico": ico(small_icon((128, 0, 128), "tag")),
        "host/link.cur": ico(hand_cursor(), cursor=(9, 2)),
    }
    for name, data in outputs.items():
        with open(name, "wb") as out:
            out.write(data)
