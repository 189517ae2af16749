#!/usr/bin/env python3
"""Writes the bitmaps of the property pages and pickers into resources/dialogs/:
the border page's pressed-button brush, the style combo's selection frame, the gradient page's
shade bar and its arrows, and the line lists' background with its four animation frames."""
import os
import struct
import sys

WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def write_bmp(path, width, height, pixel):
    """A 24-bit bitmap; pixel(x, y) gives (r, g, b) with y counted from the top."""
    row_size = (width * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(height)):  # bottom-up
        row = b"".join(bytes(reversed(pixel(x, y))) for x in range(width))  # stored B, G, R
        rows.append(row + b"\0" * (row_size - len(row)))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    with open(path, "wb") as out:
        out.write(header + info + image)


def checker(a, b):
    return lambda x, y: a if (x + y) % 2 == 0 else b


def shade_bar(x, y, width=135):
    grey = round(255 * x / (width - 1))
    return (grey, grey, grey)


def arrows(image_width, colour):
    """Two images side by side: a line from a left-pointing head, and a line to a right-pointing one."""
    def pixel(x, y):
        image, x = divmod(x, image_width)
        distance = abs(y - 3)
        if image == 0:
            head = x < 4 and distance <= x
            line = x >= 3 and y == 3
        else:
            tip = image_width - 1
            head = x > tip - 4 and distance <= tip - x
            line = x <= tip - 3 and y == 3
        return colour if head or line else WHITE
    return pixel


def line_frame(phase):
    """A pale texture whose diagonal stripes move by two pixels a frame."""
    def pixel(x, y):
        stripe = (x + y + 2 * phase) % 8
        if stripe < 2:
            return (214, 226, 246)
        return (246, 249, 255)
    return pixel


def main(folder):
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, "border_pressed.bmp"), 8, 8, checker((192, 192, 192), WHITE))
    write_bmp(os.path.join(folder, "style_selection.bmp"), 2, 2, checker((0, 128, 128), WHITE))
    write_bmp(os.path.join(folder, "shade_bar.bmp"), 135, 21, shade_bar)
    write_bmp(os.path.join(folder, "shade_arrows.bmp"), 300, 7, arrows(150, (64, 64, 64)))
    write_bmp(os.path.join(folder, "shade_arrows_pressed.bmp"), 304, 7, arrows(152, (0, 0, 160)))
    for frame in range(5):
        write_bmp(os.path.join(folder, f"line_frame{frame}.bmp"), 16, 16, line_frame(frame))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "dialogs"))
