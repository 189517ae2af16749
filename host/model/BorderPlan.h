#pragma once

// The lines that one border picture of the host's picker puts on one selected cell, from which of
// its four neighbours are selected too. The popup's apply step turns each kind into a style, width
// and colour and sets it with the cell object's line setters.

#include <vector>

enum class BorderLine
{
    Line, // the chosen style, width and colour
    Grid, // style 1, width 1, colour 0xC0C0C0
    None  // style 0 with the chosen width and colour
};

struct BorderEdit
{
    bool horizontal; // a horizontal line (top edge or bottom) or a vertical one
    int side;        // 0 the top or left edge (the neighbour's line), 2 the cell's own, 1 both
    BorderLine kind;
};

struct SelectedNeighbours
{
    bool up, down, left, right;
};

constexpr int kBorderPictureCount = 23;

// The edits for border picture `type` (0..22), in the order they are set; none for 10 to 13 and
// for types outside the pictures.
std::vector<BorderEdit> PlanCellBorders(int type, SelectedNeighbours selected);
