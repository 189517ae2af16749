#include "gridwnd/GridSelection.h"

#include <algorithm>
#include <vector>

namespace {

bool Contains(const CCellRect& range, CCellCoord cell)
{
    return cell.row >= range.minRow && cell.row <= range.maxRow && cell.col >= range.minCol &&
           cell.col <= range.maxCol;
}

std::vector<CCellCoord> Cells(const CCellSelectionMap& map)
{
    std::vector<CCellCoord> cells;
    cells.reserve(size_t(map.GetCount()));
    for (const auto& entry : map)
        cells.push_back(entry.second);
    return cells;
}

} // namespace

void CGridSelection::SetStateBits(CCellCoord at, WORD set, WORD clear)
{
    CGridCell* cell = m_store.GetCell(at.row, at.col);
    if (!cell)
        return;
    cell->nState = WORD((cell->nState | set) & ~clear);
    if (cell->nState & CIS_SELECTED)
        m_selected.Add(at);
    else
        m_selected.Remove(at.row, at.col);
}

void CGridSelection::SetCellState(CCellCoord cell, WORD state)
{
    SetStateBits(cell, state, WORD(~state));
}

void CGridSelection::MarkFocus(const CCellRect& area, bool on)
{
    for (int row = area.minRow; row <= area.maxRow; ++row)
        for (int col = area.minCol; col <= area.maxCol; ++col)
            SetStateBits(CCellCoord(row, col), on ? CIS_FOCUSED : 0, on ? 0 : CIS_FOCUSED);
}

CCellCoord CGridSelection::MoveGridFocus(int row, int col)
{
    const CCellCoord next = m_store.IsValid(row, col) ? CCellCoord(row, col) : CCellCoord();
    const CCellCoord previous = m_focus;
    if (next == previous)
        return previous;
    m_focus = next;
    if (m_store.IsValid(previous)) {
        m_view.NotifyGridOwner(previous.row, previous.col, kGridNotifyFocusLeft);
        // A merged focus marked its whole area.
        if (m_bEnabled)
            MarkFocus(m_store.MergeArea(previous.row, previous.col), false);
        m_view.RedrawGridCell(previous, false);
    }
    if (next.IsNone())
        return previous;
    const CGridCell* cell = m_store.GetCell(next.row, next.col);
    if (cell->IsCovered(next.row, next.col) || cell->HasSpan()) {
        const CCellRect area = m_store.MergeArea(next.row, next.col);
        ApplyGridSelection(area.minRow, area.minCol, area.maxRow, area.maxCol);
        if (m_bEnabled)
            MarkFocus(area, true);
    } else {
        if (m_bEnabled)
            SetStateBits(next, CIS_FOCUSED, 0);
        m_view.NotifyGridOwner(next.row, next.col, kGridNotifyFocusSet);
    }
    m_view.RedrawGridCell(next, false);
    return previous;
}

void CGridSelection::ApplyGridSelection(int minRow, int minCol, int maxRow, int maxCol, BOOL force)
{
    if (!m_bEnabled)
        return;
    const CCellRect range(minRow, minCol, maxRow, maxCol);
    const bool valid = m_store.IsValid(range);
    for (CCellCoord cell : Cells(m_selected)) {
        if (!m_store.IsValid(cell)) {
            m_selected.Remove(cell.row, cell.col);
        } else if (!valid || !Contains(range, cell)) {
            SetStateBits(cell, 0, CIS_SELECTED);
            m_view.RedrawGridCell(cell, force != FALSE);
        }
    }
    if (!m_bSingleRowMode) {
        for (CCellCoord cell : Cells(m_kept)) {
            if (m_store.IsValid(cell)) {
                SetStateBits(cell, CIS_SELECTED, 0);
                m_view.RedrawGridCell(cell, force != FALSE);
            }
        }
    }
    if (!valid)
        return;
    for (int row = minRow; row <= maxRow; ++row)
        for (int col = minCol; col <= maxCol; ++col)
            if (!m_selected.Contains(row, col)) {
                SetStateBits(CCellCoord(row, col), CIS_SELECTED, 0);
                m_view.RedrawGridCell(CCellCoord(row, col), force != FALSE);
            }
}

void CGridSelection::SelectWholeGrid()
{
    if (m_bEnabled)
        ApplyGridSelection(m_store.GetFixedRowCount(), m_store.GetFixedColumnCount(),
                           m_store.GetRowCount() - 1, m_store.GetColumnCount() - 1);
}

CCellCoord CGridSelection::Start(CCellCoord cell) const
{
    return m_store.IsValid(m_startCell) ? m_startCell : cell;
}

void CGridSelection::SelectColumnSpan(CCellCoord cell)
{
    if (!m_bEnabled || cell.col < m_store.GetFixedColumnCount() || !m_store.IsValid(cell))
        return;
    const int start = Start(cell).col;
    ApplyGridSelection(m_store.GetFixedRowCount(), std::min(start, cell.col), m_store.GetRowCount() - 1,
                       std::max(start, cell.col));
}

void CGridSelection::SelectRowSpan(CCellCoord cell)
{
    if (!m_bEnabled || cell.row < m_store.GetFixedRowCount() || !m_store.IsValid(cell))
        return;
    const int start = m_bListMode && m_bSingleRowMode ? cell.row : Start(cell).row;
    ApplyGridSelection(std::min(start, cell.row), m_store.GetFixedColumnCount(), std::max(start, cell.row),
                       m_store.GetColumnCount() - 1);
}

void CGridSelection::SelectCellSpan(CCellCoord cell)
{
    if (!m_bEnabled || !m_store.IsValid(cell) || m_store.IsFixed(cell.row, cell.col))
        return;
    const CCellCoord start = Start(cell);
    CCellRect r(std::min(start.row, cell.row), std::min(start.col, cell.col), std::max(start.row, cell.row),
                std::max(start.col, cell.col));
    // One pass that reads the bounds as they grow, so merges reached later are taken in too.
    for (int row = r.minRow; row <= r.maxRow; ++row)
        for (int col = r.minCol; col <= r.maxCol; ++col) {
            const CCellRect area = m_store.MergeArea(row, col);
            r.minRow = std::min(r.minRow, area.minRow);
            r.minCol = std::min(r.minCol, area.minCol);
            r.maxRow = std::max(r.maxRow, area.maxRow);
            r.maxCol = std::max(r.maxCol, area.maxCol);
        }
    ApplyGridSelection(r.minRow, r.minCol, r.maxRow, r.maxCol);
}

void CGridSelection::ExtendDragSelection(CCellCoord cell, int mode)
{
    if (!m_bEnabled)
        return;
    switch (mode) {
    case kGridSelectAll:
        SelectWholeGrid();
        break;
    case kGridSelectColumns:
        SelectColumnSpan(cell);
        break;
    case kGridSelectRows:
        SelectRowSpan(cell);
        break;
    case kGridSelectCells:
        SelectCellSpan(cell);
        break;
    default:
        break;
    }
}

CCellRect CGridSelection::GetSelectedGridRange() const
{
    return m_selected.Bounds(m_store.GetRowCount(), m_store.GetColumnCount());
}

CCellCoord CGridSelection::ClearGridSelection()
{
    ApplyGridSelection(-1, -1, -1, -1);
    return MoveGridFocus(-1, -1);
}

void CGridSelection::Reset()
{
    for (CCellCoord cell : Cells(m_selected))
        SetStateBits(cell, 0, CIS_SELECTED);
    m_selected.RemoveAll();
    m_kept.RemoveAll();
    m_startCell = CCellCoord();
}

void CGridSelection::DropFocusOutside(int rows, int cols)
{
    if (m_focus.row >= rows || m_focus.col >= cols)
        m_focus = CCellCoord();
}
