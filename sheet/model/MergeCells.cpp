#include "sheet/model/MergeCells.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace SheetModel {

namespace {

bool Overlaps(const CMergeCellRange& m, int r0, int c0, int r1, int c1)
{
    return m.firstRow <= r1 && r0 <= m.lastRow && m.firstCol <= c1 && c0 <= m.lastCol;
}

// Removes the last record of the list with exactly these bounds.
void RemoveRecord(std::vector<CMergeCellRange>& list, int r0, int c0, int r1, int c1)
{
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->firstRow == r0 && it->firstCol == c0 && it->lastRow == r1 && it->lastCol == c1) {
            list.erase(std::next(it).base());
            return;
        }
}

// Spans are stored in 16 bits.
bool SpansFit(int rowSpan, int colSpan)
{
    return rowSpan <= 0xFFFF && colSpan <= 0xFFFF;
}

// Gives every cell of the range a record with room for merge marks, and the list room for one
// more record, so that marking the merge cannot run out of memory half way; false when memory ran
// out, with nothing the page shows changed.
bool PrepareMerge(CNorvakPageCells& cells, const CCellRect& range, std::vector<CMergeCellRange>& list)
{
    if (!cells.EditRange(range))
        return false;
    try {
        for (int r = range.minRow; r <= range.maxRow; ++r)
            for (int c = range.minCol; c <= range.maxCol; ++c)
                cells.FindOwnCell(r, c)->ReserveRareFields();
        list.reserve(list.size() + 1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Gives the origin its spans and points every other cell of the range at it.
void MarkCovered(CNorvakPageCells& cells, int row, int col, int lastRow, int lastCol)
{
    for (int r = row; r <= lastRow; ++r)
        for (int c = col; c <= lastCol; ++c) {
            CNorvakCell* cell = cells.FindOwnCell(r, c);
            if (r == row && c == col) {
                cell->SetRowSpan(WORD(lastRow - row));
                cell->SetColSpan(WORD(lastCol - col));
            } else {
                cell->SetCovered(TRUE);
                cell->SetMergeOrigin(CCellCoord(row, col));
            }
        }
}

} // namespace

BOOL CombineCells(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, int rowSpan, int colSpan,
                  BOOL skipDuplicate, int editLock, CCellGeometry& geometry, ICellRepaint& repaint)
{
    rowSpan = std::abs(rowSpan);
    colSpan = std::abs(colSpan);
    int lastRow = row + rowSpan;
    int lastCol = col + colSpan;
    if (!page.IsValidCell(row, col) || !page.IsValidCell(lastRow, lastCol) || row < page.m_nFixedRows ||
        col < page.m_nFixedCols || (rowSpan == 0 && colSpan == 0) || !SpansFit(rowSpan, colSpan))
        return FALSE;
    if (!PrepareMerge(cells, CCellRect(row, col, lastRow, lastCol), page.m_bodyMerges))
        return FALSE;
    // Every merge the new one touches goes first, the same one included: its record is appended
    // again below, so the list never loses or doubles it.
    (void)skipDuplicate;
    for (size_t i = 0; i < page.m_bodyMerges.size();) {
        const CMergeCellRange& m = page.m_bodyMerges[i];
        if (Overlaps(m, row, col, lastRow, lastCol) &&
            UnCombineCells(page, cells, m.firstRow, m.firstCol, repaint))
            continue;
        ++i;
    }
    MarkCovered(cells, row, col, lastRow, lastCol);
    for (int r = row; r <= lastRow; ++r)
        for (int c = col; c <= lastCol; ++c) {
            CNorvakCell* cell = cells.FindOwnCell(r, c);
            cell->SetEditLock(editLock);
            cell->SetMergedRight(c < lastCol);
            cell->SetMergedBelow(r < lastRow);
        }
    page.m_bodyMerges.push_back(CMergeCellRange::Of(row, col, lastRow, lastCol, editLock));
    AdjustMergesToLockedArea(page, cells, geometry);
    repaint.RepaintAll();
    return TRUE;
}

BOOL CombineHeaderCells(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, int rowSpan,
                        int colSpan, ICellRepaint& repaint)
{
    rowSpan = std::abs(rowSpan);
    colSpan = std::abs(colSpan);
    int lastRow = row + rowSpan;
    int lastCol = col + colSpan;
    if (!page.IsValidCell(row, col) || !page.IsValidCell(lastRow, lastCol) ||
        !(lastRow < page.m_nFixedRows || lastCol < page.m_nFixedCols) || (rowSpan == 0 && colSpan == 0) ||
        !SpansFit(rowSpan, colSpan))
        return FALSE;
    for (int r = row; r <= lastRow; ++r)
        for (int c = col; c <= lastCol; ++c) {
            const CNorvakCell* cell = cells.GetCell(r, c);
            if (cell->IsCovered() || cell->IsMergeOrigin())
                return FALSE;
        }
    if (!PrepareMerge(cells, CCellRect(row, col, lastRow, lastCol), page.m_headerMerges))
        return FALSE;
    page.m_headerMerges.push_back(CMergeCellRange::Of(row, col, lastRow, lastCol, 0));
    MarkCovered(cells, row, col, lastRow, lastCol);
    repaint.RepaintAll();
    return TRUE;
}

BOOL UnCombineCells(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, ICellRepaint& repaint)
{
    const CNorvakCell* origin = page.IsValidCell(row, col) ? cells.GetCell(row, col) : nullptr;
    if (!origin || !origin->IsMergeOrigin())
        return FALSE;
    int lastRow = row + origin->GetRowSpan();
    int lastCol = col + origin->GetColSpan();
    for (int r = row; r <= lastRow; ++r)
        for (int c = col; c <= lastCol; ++c)
            if (CNorvakCell* cell = cells.FindOwnCell(r, c))
                cell->ClearMerge();
    RemoveRecord(page.m_bodyMerges, row, col, lastRow, lastCol);
    RemoveRecord(page.m_headerMerges, row, col, lastRow, lastCol);
    repaint.RepaintAll();
    return TRUE;
}

BOOL CombineCellRange(CNorvakPage& page, CNorvakPageCells& cells, int minRow, int maxRow, int minCol,
                      int maxCol, CCellGeometry& geometry, ICellRepaint& repaint)
{
    int fixedRows = page.m_nFixedRows;
    int fixedCols = page.m_nFixedCols;
    if (minRow < 0 || minCol < 0 || maxRow >= page.m_nRows || maxCol >= page.m_nCols || maxRow < minRow ||
        maxCol < minCol || (minRow == maxRow && minCol == maxCol))
        return FALSE;
    if ((minRow < fixedRows && maxRow >= fixedRows) || (minCol < fixedCols && maxCol >= fixedCols))
        return FALSE;
    if (minRow < fixedRows || minCol < fixedCols)
        return CombineHeaderCells(page, cells, minRow, minCol, maxRow - minRow, maxCol - minCol, repaint);
    const CNorvakCell* first = cells.GetCell(minRow, minCol);
    int lock = first ? first->GetEditLock() : 1;
    return CombineCells(page, cells, minRow, minCol, maxRow - minRow, maxCol - minCol, TRUE, lock, geometry,
                        repaint);
}

void AdjustMergesToLockedArea(CNorvakPage& page, CNorvakPageCells& cells, CCellGeometry& geometry)
{
    if (page.m_bodyMerges.empty())
        return;
    int lastLockedCol = page.m_nFixedCols + page.m_nLockedCols - 1;
    int lastLockedRow = page.m_nFixedRows + page.m_nLockedRows - 1;
    bool hasLocked = page.m_nLockedRows > 0 || page.m_nLockedCols > 0;
    CCellCoord firstScroll = geometry.GetTopLeftNonFixedCell();
    // The lines scrolled away, counted here in full: the page's 16-bit copies stop at 65,535.
    const int scrolledCols = std::max(firstScroll.col - (lastLockedCol + 1), 0);
    const int scrolledRows = std::max(firstScroll.row - (lastLockedRow + 1), 0);
    for (CMergeCellRange& m : page.m_bodyMerges) {
        bool acrossCol = m.firstCol <= lastLockedCol && lastLockedCol < m.lastCol;
        bool acrossRow = m.firstRow <= lastLockedRow && lastLockedRow < m.lastRow;
        // The part beyond the boundary is scrolled out of view.
        bool colsHidden = lastLockedCol + scrolledCols >= m.lastCol;
        bool rowsHidden = lastLockedRow + scrolledRows >= m.lastRow;
        if (acrossCol)
            for (int r = m.firstRow; r <= m.lastRow; ++r)
                if (CNorvakCell* cell = cells.FindOwnCell(r, lastLockedCol))
                    cell->SetMergedRight(!colsHidden);
        if (acrossRow)
            for (int c = m.firstCol; c <= m.lastCol; ++c)
                if (CNorvakCell* cell = cells.FindOwnCell(lastLockedRow, c))
                    cell->SetMergedBelow(!rowsHidden);
        if (!acrossCol && !acrossRow && !hasLocked)
            continue;
        // The shown part: from the first shown cell of the merge to the last one.
        auto firstShown = [](int first, int lastLocked, int firstLockedShown, int firstScrollShown) {
            return first <= lastLocked ? std::max(first, firstLockedShown)
                                       : std::max(first, firstScrollShown);
        };
        CCellRect shown(firstShown(m.firstRow, lastLockedRow, page.m_nFixedRows + page.m_nLockedRowOffset,
                                   firstScroll.row),
                        firstShown(m.firstCol, lastLockedCol, page.m_nFixedCols + page.m_nLockedColOffset,
                                   firstScroll.col),
                        acrossRow && rowsHidden ? lastLockedRow : m.lastRow,
                        acrossCol && colsHidden ? lastLockedCol : m.lastCol);
        CRect rect;
        if (shown.minRow <= shown.maxRow && shown.minCol <= shown.maxCol &&
            geometry.GetCellRangeRect(shown, rect))
            m.display = rect;
        else
            m.display = RECT{};
    }
}

} // namespace SheetModel
