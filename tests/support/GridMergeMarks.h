#pragma once

// Marks (r0, c0)..(r1, c1) as one merged area on the cells, as a program does through them: the
// first cell carries the spans, every other cell the first as its origin, and the lines inside
// the area are hidden. cells: a grid or a cell store.

#include "gridwnd/GridCell.h"

template <class Cells> void MarkGridMerge(Cells& cells, int r0, int c0, int r1, int c1)
{
    for (int row = r0; row <= r1; ++row)
        for (int col = c0; col <= c1; ++col) {
            CGridCell* cell = cells.GetCell(row, col);
            cell->mergeOrigin = CCellCoord(r0, c0);
            cell->bRightHidden = col < c1;
            cell->bBottomHidden = row < r1;
        }
    CGridCell* origin = cells.GetCell(r0, c0);
    origin->mergeOrigin = CCellCoord();
    origin->bMerged = 1;
    origin->nRowSpan = WORD(r1 - r0);
    origin->nColSpan = WORD(c1 - c0);
}
