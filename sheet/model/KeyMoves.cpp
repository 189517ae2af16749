#include "sheet/model/KeyMoves.h"

namespace SheetModel {

namespace {

// The merged area a cell belongs to: its origin and the area's far corner; the cell itself when it
// is not merged.
struct CArea
{
    CCellCoord origin;
    CCellCoord last;
};

CArea AreaOf(const CNorvakPageCells& cells, int row, int col)
{
    CCellCoord origin(row, col);
    if (const CNorvakCell* cell = cells.GetCell(row, col); cell && cell->IsCovered())
        origin = cell->GetMergeOrigin();
    const CNorvakCell* o = cells.GetCell(origin.row, origin.col);
    if (!o || !o->IsMergeOrigin())
        return {CCellCoord(row, col), CCellCoord(row, col)};
    return {origin, CCellCoord(origin.row + o->GetRowSpan(), origin.col + o->GetColSpan())};
}

// One column right; into a merge it lands on the merge's last column, and past the last column it
// wraps to the first body column of the row.
int Right(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col)
{
    const int last = page.m_nCols - 1;
    if (col >= last)
        return page.m_nFixedCols;
    const int next = AreaOf(cells, row, col).last.col + 1;
    if (next > last)
        return page.m_nFixedCols;
    return AreaOf(cells, row, next).last.col;
}

// One column left of the cell's merge; below the first body column it wraps to the last column.
int Left(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col)
{
    const int next = AreaOf(cells, row, col).origin.col - 1;
    return next < page.m_nFixedCols ? page.m_nCols - 1 : next;
}

} // namespace

CKeyMove MoveByKey(const CNorvakPage& page, const CNorvakPageCells& cells, CCellCoord from, UINT key,
                   bool shift)
{
    CKeyMove move{from};
    const int r = from.row, c = from.col;
    if (!page.IsValidCell(r, c))
        return move;
    const int lastRow = page.m_nRows - 1, lastCol = page.m_nCols - 1;
    switch (key) {
    case VK_TAB:
        if (!shift) {
            if (c < lastCol)
                move.to.col = Right(page, cells, r, c);
            else if (r < lastRow)
                move = {CCellCoord(r + 1, page.m_nFixedCols), true};
        } else if (c > page.m_nFixedCols) {
            move.to.col = Left(page, cells, r, c);
        } else if (c == page.m_nFixedCols && r > page.m_nFixedRows) {
            move = {CCellCoord(r - 1, lastCol), true};
        }
        break;
    case VK_RETURN:
    case VK_DOWN:
        if (const int next = AreaOf(cells, r, c).last.row + 1; next <= lastRow)
            move.to.row = next;
        break;
    case VK_UP:
        if (const int next = AreaOf(cells, r, c).origin.row - 1; next >= page.m_nFixedRows)
            move.to.row = next;
        break;
    case VK_RIGHT:
        move.to.col = Right(page, cells, r, c);
        break;
    case VK_LEFT:
        if (c >= page.m_nFixedCols)
            move.to.col = Left(page, cells, r, c);
        break;
    default:
        break;
    }
    return move;
}

bool IsMoveKey(UINT key)
{
    switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
        return true;
    default:
        return false;
    }
}

} // namespace SheetModel
