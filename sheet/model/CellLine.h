#pragma once

// One grid line as a cell or an edge entry keeps it: colour, width and style. A cell owns its
// bottom (horizontal) and right (vertical) lines; the line above row 0 and the line left of
// column 0 are the page's edge entries. The border page and the cell buffer both read and write
// lines through these.

#include "sheet/model/NorvakCell.h"
#include "sheet/model/NorvakPage.h"

struct CellLine
{
    COLORREF colour = kDefaultLineColor;
    BYTE width = 1;
    BYTE style = 1;
    friend bool operator==(const CellLine& a, const CellLine& b)
    {
        return a.colour == b.colour && a.width == b.width && a.style == b.style;
    }
};

// The grid's own solid grey line, which a cleared or reset edge returns to.
constexpr CellLine kDefaultGridLine{kDefaultLineColor, 1, 1};

// horizontal: the cell's bottom line; otherwise its right-hand line.
CellLine LineOf(const CNorvakCell& cell, bool horizontal);
void SetLineOf(CNorvakCell& cell, bool horizontal, const CellLine& line);

inline CellLine LineOf(const CEdgeLineEntry& entry)
{
    return CellLine{entry.crColor, entry.width, entry.style};
}
void SetLineOf(CEdgeLineEntry& entry, const CellLine& line);
