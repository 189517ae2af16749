#!/usr/bin/env python3
"""Writes the control's 16x15 toolbox bitmap: a small sheet with a blue header row and column."""
import struct
import sys

WIDTH, HEIGHT = 16, 15
WHITE, GRID, HEADER, FRAME = (255, 255, 255), (192, 192, 192), (200, 120, 40), (64, 64, 64)


def pixel(x, y):
    if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
        return FRAME
    if y <= 3 or x <= 3:
        return HEADER
    if x % 4 == 3 or y % 4 == 3:
        return GRID
    return WHITE


def bitmap():
    row_size = (WIDTH * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(HEIGHT)):  # bottom-up
        row = b"".join(bytes(pixel(x, y)) for x in range(WIDTH))  # colours are stored B, G, R
        rows.append(row + b"\0" * (row_size - len(row)))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "Norvak.bmp", "wb") as out:
        out.write(bitmap())
