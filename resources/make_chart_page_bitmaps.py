#!/usr/bin/env python3
"""Writes the bitmaps of the chart settings pages into resources/dialogs/: the chart type combo's
five 16 x 15 icons, the sub-type galleries (32 x 32 pictures side by side, one file per type) and
the two pictures of the display page (a chart inside its window, a chart as an object)."""
import os
import sys

from make_dialog_bitmaps import write_bmp

WHITE, BLACK, GREY = (255, 255, 255), (0, 0, 0), (128, 128, 128)
SERIES = [(0, 0, 160), (160, 0, 0), (0, 128, 0)]


def columns(x, y, size, lying=False, stacked=False, depth=0):
    """Three groups of bars on an axis; lying bars grow from the left edge."""
    if lying:
        x, y = size - 1 - y, x
    if x == 2 and y >= 2 or y == size - 3 and x >= 2:
        return BLACK
    heights = [size * 4 // 10, size * 6 // 10, size * 3 // 10]
    slot = (x - 4) // max(2, size // 8)
    if 0 <= slot < 9 and (x - 4) % max(2, size // 8) < max(1, size // 8 - 1 - depth):
        group, series = divmod(slot, 3)
        height = heights[(group + series) % 3] if not stacked else size - 6
        if size - 3 - height <= y < size - 3:
            return SERIES[series if not stacked else (y * 3 // size) % 3]
    return WHITE


def lines(x, y, size, markers=False):
    for i, colour in enumerate(SERIES):
        level = size // 4 + i * size // 5 + ((x // 4) % 3) - 1
        if y == level and 2 <= x < size - 2:
            return colour
        if markers and x % 8 == 4 and abs(y - level) <= 1:
            return colour
    return BLACK if x == 2 or y == size - 3 else WHITE


def pie(x, y, size, ring=False, exploded=False):
    cx = cy = size / 2
    dx, dy = x - cx + 0.5, (y - cy + 0.5) * 1.3
    r2 = dx * dx + dy * dy
    outer = (size / 2 - 2) ** 2
    if r2 > outer or ring and r2 < outer / 4:
        return WHITE
    if exploded and (abs(dx) < 1 or abs(dy) < 1):
        return WHITE
    return SERIES[(0 if dx >= 0 else 1) if dy < 0 else 2]


def gallery(pictures):
    def pixel(x, y):
        image, x = divmod(x, 32)
        return pictures[image](x, y)
    return len(pictures) * 32, pixel


def write_gallery(folder, name, pictures):
    width, pixel = gallery(pictures)
    write_bmp(os.path.join(folder, name), width, 32, pixel)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    icons = [lambda x, y: columns(x, y, 16), lambda x, y: columns(x, y, 16, lying=True),
             lambda x, y: lines(x, y, 16), lambda x, y: pie(x, y, 16), lambda x, y: columns(x, y, 16, depth=1)]
    write_bmp(os.path.join(folder, "chart_types.bmp"), 80, 15, lambda x, y: icons[x // 16](x % 16, y))
    write_gallery(folder, "chart_column.bmp",
                  [lambda x, y, s=s, d=d: columns(x, y, 32, stacked=s, depth=d)
                   for s, d in [(0, 0), (1, 0), (1, 1), (0, 1), (1, 1), (1, 2), (0, 2)]])
    write_gallery(folder, "chart_bar.bmp",
                  [lambda x, y, s=s, d=d: columns(x, y, 32, lying=True, stacked=s, depth=d)
                   for s, d in [(0, 0), (1, 0), (1, 1), (0, 1), (1, 1), (1, 2)]])
    write_gallery(folder, "chart_line.bmp",
                  [lambda x, y, m=m: lines(x, y, 32, markers=m) for m in [0, 0, 0, 1, 1, 1, 0]])
    write_gallery(folder, "chart_pie.bmp",
                  [lambda x, y, r=r, e=e: pie(x, y, 32, ring=r, exploded=e)
                   for r, e in [(0, 0), (0, 0), (0, 1), (0, 1), (1, 0), (1, 1), (1, 0), (1, 1)]])
    write_gallery(folder, "chart_cylinder.bmp",
                  [lambda x, y, l=l, s=s: columns(x, y, 32, lying=l, stacked=s, depth=1)
                   for l, s in [(0, 0), (0, 1), (0, 1), (1, 0), (1, 1), (1, 1)]])

    def framed(x, y, inside):
        if x in (0, 63) or y in (0, 47):
            return BLACK
        if y < 6:
            return (0, 0, 128) if inside else WHITE
        return columns(x - 12, y - 8, 40) if 12 <= x < 52 and 8 <= y < 48 else (WHITE if inside else GREY)
    write_bmp(os.path.join(folder, "chart_as_object.bmp"), 64, 48, lambda x, y: framed(x, y, False))
    write_bmp(os.path.join(folder, "chart_in_window.bmp"), 64, 48, lambda x, y: framed(x, y, True))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "dialogs"))
