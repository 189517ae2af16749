#pragma once

// The alignment page's choice without a window: the text position codes it writes, how it reads
// a cell's own code, indent and angle back, the code OK gives each cell, and the geometry of its
// angle dial and of its nine stacked positions.
//
// Position codes, with h 0 left, 1 centre, 2 right and v 0 top, 1 middle, 2 bottom: 1 + h + 3v one
// line; 10 + 2(h + 3v) several lines and that + 1 word-wrapped; 39 + p text stacked vertically at
// place p (1..9, numbered like the one-line codes); 49 shrunk to fit.

#include "framework/Geometry.h"

#include <optional>

struct TextPlacement
{
    enum Mode
    {
        Common = 0, // the combos, indent, angle, wrap and shrink
        Stacked = 1 // one of the nine stacked positions
    };
    int mode = Common;
    int horizontal = 1; // 0 left, 1 centre, 2 right
    int vertical = 1;   // 0 top, 1 middle, 2 bottom
    bool wrap = false;
    bool shrink = false;
    int indent = 0;
    int angle = 0;    // degrees, 0..360
    int stacked = -1; // 1..9, -1 none chosen

    // The code this placement stands for; none in the stacked mode before a position is chosen.
    std::optional<int> Code() const;
    // The code OK writes into a cell that has cellCode: this placement's, unless the cell's own
    // code already reads as this placement (the several-line codes and those the page cannot
    // show are kept so) or no position is chosen yet.
    int CodeForCell(int cellCode) const;
    // What OK writes: the escapement in tenths of a degree (0 unless a common, unwrapped and
    // unshrunk line) and the indent (0 when stacked).
    long Escapement() const;
    int Indent() const;

    // The placement a cell shows: its code, indent and font escapement (tenths of a degree). A
    // code the page cannot show (0, 28..39) reads as one centred line.
    static TextPlacement OfCell(int code, int indent, long escapement);
};

namespace TextPositionCode {
constexpr int kShrink = 49;
constexpr int SingleLine(int h, int v) { return 1 + h + 3 * v; }
constexpr int Wrapped(int h, int v) { return 11 + 2 * (h + 3 * v); }
constexpr int StackedAt(int position) { return 39 + position; }
} // namespace TextPositionCode

// The angle a click on the dial picks: 0 to the right of the centre, counter-clockwise, whole
// degrees truncated; the centre itself keeps current.
int DialAngleAt(POINT point, POINT centre, int current);
// The stacked position (1..9) under a point of the positions' box split into 3 x 3 equal cells,
// or -1 outside it.
int StackedPositionAt(const RECT& box, POINT point);
// The rectangle of stacked position 1..9 in the box.
CRect StackedPositionRect(const RECT& box, int position);
