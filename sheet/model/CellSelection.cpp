#include "sheet/model/CellSelection.h"

#include "sheet/model/CellProperties.h"
#include "sheet/model/PageRect.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace SheetModel {

namespace {

using Rects = std::vector<CCellRect>;

// Clears state bits of every own cell of the ranges, leaving the other bits alone. A cell with no
// record of its own shows the page's focus mark, and gets none.
void ClearStates(CNorvakPageCells& cells, const Rects& ranges, WORD clear)
{
    for (const CCellRect& r : ranges) {
        const int lastRow = std::min(r.maxRow, cells.GetRowSlotCount() - 1);
        for (int row = std::max(r.minRow, 0); row <= lastRow; ++row) {
            if (!cells.FindRow(row))
                continue;
            const CNorvakPageCells::RowView slots = cells.RowAt(row);
            const int lastCol = std::min(r.maxCol, slots.GetSize() - 1);
            for (int col = std::max(r.minCol, 0); col <= lastCol; ++col)
                if (CNorvakCell* cell = slots.GetAt(col))
                    cell->SetState(WORD(cell->GetState() & ~clear));
        }
    }
}

CCellRect Bounds(const Rects& ranges)
{
    CCellRect out(INT_MAX, INT_MAX, -1, -1);
    for (const CCellRect& r : ranges)
        out = CCellRect(std::min(out.minRow, r.minRow), std::min(out.minCol, r.minCol),
                        std::max(out.maxRow, r.maxRow), std::max(out.maxCol, r.maxCol));
    return out;
}

// The rectangles of a set that lie inside the grid.
Rects InGrid(const CNorvakPage& page, const CCellSelectionMap& map)
{
    Rects out;
    for (const CCellRect& r : map.Rects())
        if (CCellRect part = ClampToPage(page, r); !part.IsEmpty())
            out.push_back(part);
    return out;
}

void ChangeState(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, WORD set, WORD clear,
                 ICellRepaint& repaint)
{
    WORD state = GetItemState(page, cells, cell.row, cell.col);
    SetItemState(page, cells, cell.row, cell.col, WORD((state | set) & ~clear), repaint);
}

// The anchor of a drag; the cell itself when no drag started.
CCellCoord Anchor(const CNorvakPage& page, CCellCoord cell)
{
    return page.IsValidCell(page.m_selectionStart.row, page.m_selectionStart.col) ? page.m_selectionStart
                                                                                  : cell;
}

} // namespace

BOOL IsValidCellRange(const CNorvakPage& page, const CCellRect& r)
{
    return !r.IsEmpty() && ClampToPage(page, r) == r;
}

CCellCoord SetFocusCell(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, ICellRepaint& repaint)
{
    CCellCoord previous = page.m_focusCell;
    CCellCoord next = page.IsValidCell(row, col) ? CCellCoord(row, col) : CCellCoord();
    if (next == previous)
        return previous;
    page.m_focusCell = next;
    if (page.IsValidCell(previous.row, previous.col))
        ChangeState(page, cells, previous, 0, CIS_FOCUSED, repaint);
    if (!next.IsNone())
        ChangeState(page, cells, next, CIS_FOCUSED, 0, repaint);
    return previous;
}

void SetSelectedRange(CNorvakPage& page, CNorvakPageCells&, const CCellRect& range, ICellRepaint& repaint)
{
    if (!page.m_bEnableSelection)
        return;
    // The cells show the selection from the page's map, so only the map changes; the cells whose
    // selected bit changes are repainted, as one area.
    CCellSelectionMap next;
    if (!page.m_bSingleSelection)
        next.SetRects(InGrid(page, page.m_keptSelection));
    if (IsValidCellRange(page, range))
        next.AddRange(range);
    const Rects before = InGrid(page, page.m_selectedCells);
    const Rects cleared = CCellSelectionMap::Subtract(before, next.Rects());
    const Rects added = CCellSelectionMap::Subtract(next.Rects(), before);
    page.m_selectedCells = std::move(next);
    Rects changed = cleared;
    changed.insert(changed.end(), added.begin(), added.end());
    if (!changed.empty())
        repaint.RepaintRange(Bounds(changed));
    if (!added.empty())
        repaint.RepaintHeaders();
}

void SelectAllCells(CNorvakPage& page, CNorvakPageCells& cells, ICellRepaint& repaint)
{
    if (page.m_bEnableSelection)
        SetSelectedRange(page, cells,
                         CCellRect(page.m_nFixedRows, page.m_nFixedCols, page.m_nRows - 1, page.m_nCols - 1),
                         repaint);
}

void SelectColumns(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint)
{
    if (!page.m_bEnableSelection || cell.col < page.m_nFixedCols || !page.IsValidCell(cell.row, cell.col))
        return;
    CCellCoord start = Anchor(page, cell);
    SetSelectedRange(page, cells,
                     CCellRect(page.m_nFixedRows, std::min(start.col, cell.col), page.m_nRows - 1,
                               std::max(start.col, cell.col)),
                     repaint);
}

void SelectRows(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint)
{
    if (!page.m_bEnableSelection || cell.row < page.m_nFixedRows || !page.IsValidCell(cell.row, cell.col))
        return;
    CCellCoord start = (page.m_bListMode && page.m_bSingleSelection) ? cell : Anchor(page, cell);
    SetSelectedRange(page, cells,
                     CCellRect(std::min(start.row, cell.row), page.m_nFixedCols,
                               std::max(start.row, cell.row), page.m_nCols - 1),
                     repaint);
}

void SelectCells(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint)
{
    if (!page.m_bEnableSelection || cell.row < page.m_nFixedRows || cell.col < page.m_nFixedCols ||
        !page.IsValidCell(cell.row, cell.col))
        return;
    CCellCoord start = Anchor(page, cell);
    CCellRect r(std::min(start.row, cell.row), std::min(start.col, cell.col), std::max(start.row, cell.row),
                std::max(start.col, cell.col));
    // One pass that re-reads the bounds as they grow, so merges reached later are taken in too.
    for (int row = r.minRow; row <= r.maxRow; ++row)
        for (int col = r.minCol; col <= r.maxCol; ++col) {
            const CNorvakCell* c = cells.GetCell(row, col);
            if (!c)
                continue;
            CCellCoord origin(row, col);
            if (c->IsCovered())
                origin = c->GetMergeOrigin();
            const CNorvakCell* o = cells.GetCell(origin.row, origin.col);
            if (!o || !o->IsMergeOrigin())
                continue;
            r.minRow = std::min(r.minRow, origin.row);
            r.minCol = std::min(r.minCol, origin.col);
            r.maxRow = std::max(r.maxRow, origin.row + int(o->GetRowSpan()));
            r.maxCol = std::max(r.maxCol, origin.col + int(o->GetColSpan()));
        }
    SetSelectedRange(page, cells, r, repaint);
}

void OnSelecting(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, ICellRepaint& repaint)
{
    if (!page.m_bEnableSelection)
        return;
    switch (page.m_nMouseMode) {
    case kSelectAll:
        SelectAllCells(page, cells, repaint);
        break;
    case kSelectColumns:
        SelectColumns(page, cells, cell, repaint);
        break;
    case kSelectRows:
        SelectRows(page, cells, cell, repaint);
        break;
    case kSelectCells:
        SelectCells(page, cells, cell, repaint);
        break;
    default:
        break;
    }
}

void ClearSelectionAndFocus(CNorvakPage& page, CNorvakPageCells& cells, ICellRepaint& repaint)
{
    SetSelectedRange(page, cells, CCellRect(), repaint);
    SetFocusCell(page, cells, -1, -1, repaint);
}

void MoveFocusMark(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell)
{
    // Only records carry the bit; a default cell shows the page's focus by itself.
    if (CNorvakCell* old = page.m_focusCell.IsNone() ? nullptr : cells.FindOwnCell(page.m_focusCell.row, page.m_focusCell.col))
        old->SetState(WORD(old->GetState() & ~CIS_FOCUSED));
    page.m_focusCell = cell;
    if (CNorvakCell* now = cells.FindOwnCell(cell.row, cell.col))
        now->SetState(WORD(now->GetState() | CIS_FOCUSED));
}

void ResetSelectionMaps(CNorvakPage& page, CNorvakPageCells& cells)
{
    ClearStates(cells, InGrid(page, page.m_selectedCells), CIS_FOCUSED);
    page.m_selectedCells.RemoveAll();
    page.m_keptSelection.RemoveAll();
}

CCellRect GetSelectedCellRange(const CNorvakPage& page)
{
    return page.m_selectedCells.Bounds(page.m_nRows, page.m_nCols);
}

} // namespace SheetModel
