#include "gridwnd/GridSelection.h"

#include <algorithm>
#include <vector>

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

std::vector<CCellRect> CGridSelection::WithinGrid(const CCellSelectionMap& map) const
{
    const CCellRect grid(0, 0, m_store.GetRowCount() - 1, m_store.GetColumnCount() - 1);
    std::vector<CCellRect> within;
    for (const CCellRect& r : map.Rects())
        if (const CCellRect part = CCellSelectionMap::Intersect(r, grid); !part.IsEmpty())
            within.push_back(part);
    return within;
}

void CGridSelection::MarkSelected(const std::vector<CCellRect>& ranges, bool on)
{
    for (const CCellRect& r : ranges)
        m_store.ForEachCell(r, [on](CGridCell& cell) {
            cell.nState = WORD(on ? cell.nState | CIS_SELECTED : cell.nState & ~CIS_SELECTED);
        });
}

void CGridSelection::ApplyGridSelection(int minRow, int minCol, int maxRow, int maxCol, BOOL force)
{
    if (!m_bEnabled)
        return;
    // Afterwards the range is selected and, unless in single-row mode, the kept cells.
    const CCellRect range(minRow, minCol, maxRow, maxCol);
    std::vector<CCellRect> after;
    if (m_store.IsValid(range))
        after.push_back(range);
    if (!m_bSingleRowMode)
        for (const CCellRect& kept : CCellSelectionMap::Subtract(WithinGrid(m_kept), after))
            after.push_back(kept);
    // Only the cells that change are touched and redrawn, a range at a time.
    const std::vector<CCellRect> before = WithinGrid(m_selected);
    std::vector<CCellRect> changed = CCellSelectionMap::Subtract(before, after);
    MarkSelected(changed, false);
    const std::vector<CCellRect> added = CCellSelectionMap::Subtract(after, before);
    MarkSelected(added, true);
    m_selected.SetRects(after);
    changed.insert(changed.end(), added.begin(), added.end());
    if (!changed.empty())
        m_view.RedrawGridCells(changed, force != FALSE);
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
    const CCellRect r =
        m_store.WidenOverMerges(CCellRect(std::min(start.row, cell.row), std::min(start.col, cell.col),
                                          std::max(start.row, cell.row), std::max(start.col, cell.col)));
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
    MarkSelected(WithinGrid(m_selected), false);
    m_selected.RemoveAll();
    m_kept.RemoveAll();
    m_startCell = CCellCoord();
}

void CGridSelection::DropUnselected()
{
    CCellSelectionMap still;
    for (const auto& entry : m_selected) {
        const CGridCell* cell = m_store.GetCell(entry.second.row, entry.second.col);
        if (cell && (cell->nState & CIS_SELECTED))
            still.Add(entry.second);
    }
    m_selected = std::move(still);
}

void CGridSelection::DropFocusOutside(int rows, int cols)
{
    if (m_focus.row >= rows || m_focus.col >= cols)
        m_focus = CCellCoord();
}
