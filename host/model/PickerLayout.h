#pragma once

// Where the items of the host's picker popup lie in its client area, by mode: in the border mode
// 24 picture slots, 4 to a row; in the colour modes a top button (item -1), 16 colour cells, 4 to a
// row (items 0..15), and a bottom button (item 16).

#include "framework/Geometry.h"

enum class PickerMode
{
    Borders = 1,
    FillColour = 2,
    TextColour = 3,
    LineColour = 4,
};

constexpr int kPickerNoItem = -2;
constexpr int kPickerTopButton = -1;
constexpr int kPickerBottomButton = 16;
constexpr int kBorderSlots = 24;

// The rectangle of item in client; empty for an item the mode does not have.
CRect PickerItemRect(PickerMode mode, int item, const CRect& client);
// The item under point, or kPickerNoItem.
int PickerItemAt(PickerMode mode, POINT point, const CRect& client);

// The line width the border apply step uses for the width box's selection (-1: none).
int BorderLineWidth(int widthSelection);
// The line style for the style box's selection (-1: none).
int BorderLineStyle(int styleSelection);

// The parts of an item of the line-style and line-width boxes: a sample line across the middle
// from lineLeft to lineRight, then the item's name in text. The name keeps its whole width however
// narrow the box; the line takes what is left of the item's left half (none when nothing is).
struct LineItemParts
{
    int lineLeft;
    int lineRight;
    CRect text;
};
LineItemParts LineItemLayout(const CRect& item, int textWidth);
