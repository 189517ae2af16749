#!/usr/bin/env python3
"""Writes the stepping buttons of the 3-D rotation page into resources/dialogs/: for each button an
up image, a down image (pressed: sunken edge, arrow moved one pixel) and a disabled image (the
arrow etched in grey), 24 x 22 pixels."""
import os
import sys

from make_dialog_bitmaps import write_bmp

WIDTH, HEIGHT = 24, 22
FACE, LIGHT, SHADOW, DARK = (192, 192, 192), (255, 255, 255), (128, 128, 128), (0, 0, 0)
ARROW = (0, 0, 128)


def head(direction, x, y, cx, cy):
    """A filled arrow head of five rows whose tip is at (cx, cy), pointing in direction."""
    dx, dy = x - cx, y - cy
    along, across = {"left": (dx, dy), "right": (-dx, dy), "up": (dy, dx), "down": (-dy, dx)}[direction]
    return 0 <= along <= 4 and abs(across) <= along


def shaft(direction, x, y, a, b, c):
    """A two-pixel line from a to b along the axis, at c across it."""
    lo, hi = min(a, b), max(a, b)
    if direction in ("left", "right"):
        return lo <= x <= hi and c - 1 <= y <= c
    return lo <= y <= hi and c - 1 <= x <= c


def glyph(name):
    """Whether the arrow picture of the button covers (x, y), in a 24 x 22 frame."""
    cx, cy = WIDTH // 2, HEIGHT // 2
    if name in ("left", "right", "up", "down"):
        def pixel(x, y):
            if name == "left":
                return head("left", x, y, 5, cy) or shaft("left", x, y, 9, 18, cy)
            if name == "right":
                return head("right", x, y, WIDTH - 6, cy) or shaft("right", x, y, 5, WIDTH - 10, cy)
            if name == "up":
                return head("up", x, y, cx, 4) or shaft("up", x, y, 8, 17, cx)
            return head("down", x, y, cx, HEIGHT - 5) or shaft("down", x, y, 4, HEIGHT - 9, cx)
        return pixel
    # Two heads on one axis: pointing outwards (grow) or inwards (shrink).
    vertical = name.startswith("tall") or name.startswith("low")
    outwards = name in ("taller", "wider")

    def pair(x, y):
        if vertical:
            if outwards:
                return head("up", x, y, cx, 3) or head("down", x, y, cx, HEIGHT - 4) or shaft("up", x, y, 7, HEIGHT - 8, cx)
            return (head("down", x, y, cx, 9) or head("up", x, y, cx, HEIGHT - 10)
                    or shaft("up", x, y, 1, 5, cx) or shaft("up", x, y, HEIGHT - 6, HEIGHT - 2, cx))
        if outwards:
            return head("left", x, y, 3, cy) or head("right", x, y, WIDTH - 4, cy) or shaft("left", x, y, 7, WIDTH - 8, cy)
        return (head("right", x, y, 10, cy) or head("left", x, y, WIDTH - 11, cy)
                or shaft("left", x, y, 1, 6, cy) or shaft("left", x, y, WIDTH - 7, WIDTH - 2, cy))
    return pair


def button(name, pressed, disabled=False):
    covers = glyph(name)
    shift = 1 if pressed else 0

    def arrow(x, y):
        if not disabled:
            return ARROW if covers(x - shift, y - shift) else FACE
        if covers(x, y):
            return SHADOW
        return LIGHT if covers(x - 1, y - 1) else FACE

    def pixel(x, y):
        last_x, last_y = WIDTH - 1, HEIGHT - 1
        if x == last_x or y == last_y:
            return LIGHT if pressed else DARK
        if x == 0 or y == 0:
            return DARK if pressed else LIGHT
        if not pressed and (x == last_x - 1 or y == last_y - 1):
            return SHADOW
        if pressed and (x == 1 or y == 1):
            return SHADOW
        return arrow(x, y)
    return pixel


BUTTONS = {"rotate_left": "left", "rotate_right": "right", "rotate_up": "up", "rotate_down": "down",
           "pie_taller": "taller", "pie_lower": "lower", "pie_wider": "wider", "pie_narrower": "narrower"}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for file_name, picture in BUTTONS.items():
        for suffix, pressed, disabled in (("up", False, False), ("down", True, False), ("disabled", False, True)):
            write_bmp(os.path.join(folder, f"{file_name}_{suffix}.bmp"), WIDTH, HEIGHT,
                      button(picture, pressed, disabled))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "dialogs"))
