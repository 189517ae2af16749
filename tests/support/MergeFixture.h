#pragma once

// Marks a merge on a page the way combining leaves it (origin spans, covered cells pointing at the
// origin, merged-line flags and edit lock for body merges, and the page's record), without the
// checks of the real operation, so tests and benchmarks can lay out pages with merges directly.

#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

inline void MarkMerge(CNorvakPage& page, CNorvakPageCells& cells, int r0, int c0, int r1, int c1,
                      int lock = 0, bool header = false)
{
    for (int row = r0; row <= r1; ++row)
        for (int col = c0; col <= c1; ++col) {
            CNorvakCell& cell = *cells.EditCell(row, col);
            if (row == r0 && col == c0) {
                cell.SetRowSpan(WORD(r1 - r0));
                cell.SetColSpan(WORD(c1 - c0));
            } else {
                cell.SetCovered(TRUE);
                cell.SetMergeOrigin(CCellCoord(r0, c0));
            }
            if (header)
                continue;
            cell.SetEditLock(lock);
            cell.SetMergedRight(col < c1);
            cell.SetMergedBelow(row < r1);
        }
    (header ? page.m_headerMerges : page.m_bodyMerges)
        .push_back(CMergeCellRange::Of(r0, c0, r1, c1, header ? 0 : lock));
}
