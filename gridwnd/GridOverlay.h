#pragma once

// The overlay the grid draws between its normal cells and its charts, by drawing mode: 1 the
// selection frame (bands inverted around the selected range with a square fill handle at its
// bottom-right corner), 2 the range frame (a blue line with square handles on its corners and the
// middles of its edges); any other mode draws nothing. No window: the grid gives the range's box.

#include "framework/CDC.h"

#include <array>

enum : int
{
    kGridOverlayNone = 0,
    kGridOverlaySelection = 1,
    kGridOverlayRangeFrame = 2,
};

// The pixels an overlay of the range covers: the cells' rectangles with the lines around them,
// from first (the top-left cell's rectangle) to last (the bottom-right cell's), inclusive
// rectangles as the grid's geometry gives them. Everything is drawn inside it.
CRect GridOverlayBox(const CRect& first, const CRect& last);

// The rectangles the mode draws in box (bands or line and handles), for drawing and repainting.
std::array<CRect, 4> GridOverlayOutline(const CRect& box);

void DrawGridOverlay(CDC& dc, int mode, const CRect& box);
