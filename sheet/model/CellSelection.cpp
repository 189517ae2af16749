#include "sheet/model/CellSelection.h"

#include "sheet/model/CellProperties.h"

#include <algorithm>
#include <vector>

namespace SheetModel {

namespace {

std::vector<CCellCoord> Cells(const CCellSelectionMap& map)
{
    std::vector<CCellCoord> out;
    for (const auto& entry : map)
        out.push_back(entry.second);
    return out;
}

bool Contains(const CCellRect& range, CCellCoord cell)
{
    return cell.row >= range.minRow && cell.row <= range.maxRow && cell.col >= range.minCol &&
           cell.col <= range.maxCol;
}

void ChangeState(CNorvakPage& page, CNorvakPageCells& cells, CCellCoord cell, WORD set, WORD clear,
                 ICellRepaint& repaint)
{
    WORD state = GetItemState(cells, cell.row, cell.col);
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
    return r.minRow >= 0 && r.minCol >= 0 && r.maxRow < page.m_nRows && r.maxCol < page.m_nCols &&
           r.minRow <= r.maxRow && r.minCol <= r.maxCol;
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

void SetSelectedRange(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& range,
                      ICellRepaint& repaint)
{
    if (!page.m_bEnableSelection)
        return;
    CNoRepaint quiet;
    for (CCellCoord cell : Cells(page.m_selectedCells)) {
        if (!page.IsValidCell(cell.row, cell.col)) {
            page.m_selectedCells.Remove(cell.row, cell.col);
            continue;
        }
        ChangeState(page, cells, cell, 0, CIS_SELECTED, quiet);
        if (!Contains(range, cell))
            repaint.RepaintCell(cell);
    }
    if (!page.m_bSingleSelection)
        for (CCellCoord cell : Cells(page.m_keptSelection))
            if (page.IsValidCell(cell.row, cell.col))
                ChangeState(page, cells, cell, CIS_SELECTED, 0, repaint);
    if (!IsValidCellRange(page, range))
        return;
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col)
            if (!(GetItemState(cells, row, col) & CIS_SELECTED))
                ChangeState(page, cells, CCellCoord(row, col), CIS_SELECTED, 0, repaint);
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

void ResetSelectionMaps(CNorvakPage& page, CNorvakPageCells& cells)
{
    for (CCellCoord cell : Cells(page.m_selectedCells))
        if (CNorvakCell* c = cells.GetCell(cell.row, cell.col))
            c->SetState(WORD(c->GetState() & ~(CIS_FOCUSED | CIS_SELECTED)));
    page.m_selectedCells.RemoveAll();
    page.m_keptSelection.RemoveAll();
}

CCellRect GetSelectedCellRange(const CNorvakPage& page)
{
    return page.m_selectedCells.Bounds(page.m_nRows, page.m_nCols);
}

} // namespace SheetModel
