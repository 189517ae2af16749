#!/usr/bin/env python3
"""Writes the page tab icons and the arrow bar's default button icons as 16x16 32-bit .ico files.

Each drawing is 16x16: ' ' transparent, other letters name a colour of the palette below. The
cool, hot and active tab icons are one sheet of paper in three moods; the button's hot icon is the
cool one lit up. Run from this folder: python3 make_tab_icons.py
"""
import struct

PALETTE = {
    "k": (64, 64, 64),      # outline
    "w": (255, 255, 255),   # paper
    "g": (200, 200, 200),   # folded corner, ruled lines of a resting sheet
    "b": (40, 110, 220),    # ruled lines under the pointer
    "y": (255, 236, 150),   # paper under the pointer
    "r": (200, 60, 40),     # ruled lines of the active sheet
    "o": (250, 160, 40),    # the lit button's glow
}

SHEET = """
  kkkkkkkkk     
  kPPPPPPPkk    
  kPPPPPPPkCk   
  kPLLLLLPkkkk  
  kPPPPPPPPPPk  
  kPLLLLLLLLPk  
  kPPPPPPPPPPk  
  kPLLLLLLLLPk  
  kPPPPPPPPPPk  
  kPLLLLLLLLPk  
  kPPPPPPPPPPk  
  kPLLLLLLLLPk  
  kPPPPPPPPPPk  
  kkkkkkkkkkkk  
                
                """

ICONS = {
    # paper, lines, corner
    "tab_cool.ico": ("w", "g", "g", None),
    "tab_hot.ico": ("y", "b", "g", None),
    "tab_active.ico": ("w", "r", "r", None),
    "button_hot.ico": ("y", "b", "g", "o"),
}


def rows(paper, lines, corner, glow):
    text = SHEET.strip("\n").split("\n")
    out = []
    for y, row in enumerate(text):
        row = row.ljust(16)[:16]
        row = row.replace("P", paper).replace("L", lines).replace("C", corner)
        if glow:
            row = "".join(glow if c == " " and (x in (0, 15) or y in (0, 15)) else c
                          for x, c in enumerate(row))
        out.append(row)
    return out


def ico(pixels):
    size = 16
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up
        bits = 0
        for x in range(size):
            c = pixels[y][x]
            if c == " ":
                xor += bytes((0, 0, 0, 0))
                bits |= 1 << (15 - x)
            else:
                r, g, b = PALETTE[c]
                xor += bytes((b, g, r, 255))
        mask += struct.pack(">H", bits) + b"\0\0"  # rows padded to 32 bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


for name, colours in ICONS.items():
    with open(name, "wb") as f:
        f.write(ico(rows(*colours)))
