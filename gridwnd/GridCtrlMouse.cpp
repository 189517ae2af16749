// The grid's mouse: picking charts, selecting cells, rows, columns or all by dragging (with the
// drag-scroll timer past the edges), resizing rows and columns on the fixed cells' borders,
// sorting by a click on a column heading, starting an edit by a double click, and starting a drag
// of the selected cells out.

#include "gridwnd/GridCtrl.h"

#include <algorithm>

namespace {

bool IsSelecting(int mode)
{
    return mode >= kGridSelectAll && mode <= kGridSelectCells;
}

// The cursor over a tracker handle (IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENS, IDC_SIZEWE, IDC_SIZEALL);
// null off the tracker.
LPCWSTR TrackerCursor(int handle)
{
    static const WORD kShapes[9] = {32642, 32643, 32642, 32643, 32645, 32644, 32645, 32644, 32646};
    return handle >= 0 && handle <= 8 ? MAKEINTRESOURCEW(kShapes[handle]) : nullptr;
}

} // namespace

void CGridCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    SetFocus();
    // On the tracker the selected part stays picked, to be dragged; elsewhere a new pick.
    const int selected = m_charts.GetSelectedChart();
    const bool onTracker = TrackerHitTest(m_charts.GetTrackerRect(), point) >= 0;
    const int current = selected >= 0 && onTracker ? m_charts.GetAt(selected)->nSelPart : -1;
    int trackerHit = -1;
    const int part = m_charts.HitTestCharts(point.x, point.y, current, &trackerHit);
    if (part >= 0 || selected >= 0)
        Invalidate(false);
    if (part >= 0) {
        BeginChartTracking(trackerHit, point);
        return;
    }

    const CCellCoord cell = GetGridCellFromPoint(point, TRUE);
    if (!IsGridCellValid(cell))
        return;
    m_mouseDown = point;
    SetCapture();
    const CGridGeometry geometry = Geometry();
    CRect rect;
    geometry.GetGridCellRectAnywhere(cell.row, cell.col, rect);
    if (geometry.IsOnColumnBorder(point)) {
        m_nMouseMode = kGridMouseSizingColumn;
        m_nSizingIndex = point.x < rect.left + CGridGeometry::kBorderTolerance ? cell.col - 1 : cell.col;
        return;
    }
    if (geometry.IsOnRowBorder(point)) {
        m_nMouseMode = kGridMouseSizingRow;
        m_nSizingIndex = point.y < rect.top + CGridGeometry::kBorderTolerance ? cell.row - 1 : cell.row;
        return;
    }
    if (cell.row < GetFixedRowCount() && cell.col >= GetFixedColumnCount()) {
        OnFixedRowClick(cell);
        return;
    }
    if (m_store.IsFixed(cell.row, cell.col)) {
        OnFixedCellClick(cell);
        return;
    }
    if (m_bDragAndDrop && m_selection.IsSelected(cell.row, cell.col) && !(flags & MK_SHIFT)) {
        m_nMouseMode = kGridMousePrepareDrag;
        return;
    }
    const CCellCoord start = m_store.MergeOrigin(cell.row, cell.col);
    if (!(flags & MK_SHIFT) || !IsGridCellValid(m_selection.m_startCell))
        m_selection.m_startCell = start;
    MoveGridFocus(start.row, start.col);
    m_nMouseMode = kGridSelectCells;
    m_selection.ExtendDragSelection(cell, m_nMouseMode);
    SetTimer(kDragScrollTimer, kDragScrollInterval);
}

void CGridCtrl::OnFixedCellClick(CCellCoord cell)
{
    m_nMouseMode = cell.row < GetFixedRowCount() ? kGridSelectAll : kGridSelectRows;
    MoveGridFocus(cell.row, cell.col);
    m_selection.m_startCell = cell;
    m_selection.ExtendDragSelection(cell, m_nMouseMode);
    SetTimer(kDragScrollTimer, kDragScrollInterval);
}

void CGridCtrl::OnFixedRowClick(CCellCoord cell)
{
    // Merged areas name their rows by number: such rows are not moved.
    if (!IsGridCellValid(cell) || m_store.HasMergeInRows(GetFixedRowCount(), GetRowCount() - 1))
        return;
    m_bSortAscending = cell.col == m_nSortColumn ? !m_bSortAscending : true;
    m_nSortColumn = cell.col;
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32514))); // IDC_WAIT
    ClearGridSelection();
    m_store.SortNormalRows(cell.col, m_bSortAscending,
                           [this](int row, int col) { return GetItemText(row, col); });
    ::SetCursor(previous);
    Invalidate();
}

void CGridCtrl::OnMouseMove(UINT flags, CPoint point)
{
    if (!(flags & MK_LBUTTON) || !HasCapture())
        return;
    switch (m_nMouseMode) {
    case kGridMouseSizingRow:
    case kGridMouseSizingColumn:
        ResizeToPoint(point);
        return;
    case kGridMouseTrackingChart:
        TrackChartToPoint(point);
        return;
    case kGridMousePrepareDrag:
        if (std::abs(point.x - m_mouseDown.x) > ::GetSystemMetrics(SM_CXDRAG) ||
            std::abs(point.y - m_mouseDown.y) > ::GetSystemMetrics(SM_CYDRAG))
            DragOut();
        return;
    default:
        if (IsSelecting(m_nMouseMode))
            ExtendToPoint(point);
        return;
    }
}

void CGridCtrl::OnLButtonUp(UINT, CPoint point)
{
    KillTimer(kDragScrollTimer);
    if (m_nMouseMode == kGridMouseTrackingChart)
        EndChartTracking(point);
    if (m_nMouseMode == kGridMousePrepareDrag) {
        // No drag came of it: a plain click on the cell.
        const CCellCoord cell = m_store.MergeOrigin(GetGridCellFromPoint(point, FALSE).row,
                                                    GetGridCellFromPoint(point, FALSE).col);
        if (IsGridCellValid(cell)) {
            m_selection.m_startCell = cell;
            MoveGridFocus(cell.row, cell.col);
            m_selection.ExtendDragSelection(cell, kGridSelectCells);
        }
    }
    m_nMouseMode = kGridMouseIdle;
    m_nSizingIndex = -1;
    if (HasCapture())
        ::ReleaseCapture();
}

void CGridCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    const CCellCoord cell = GetGridCellFromPoint(point, FALSE);
    if (IsGridCellValid(cell) && !IsOnColumnBorder(point) && !IsOnRowBorder(point))
        OnEditCell(cell.row, cell.col, VK_LBUTTON);
}

void CGridCtrl::OnCaptureChanged(HWND capture)
{
    if (capture == m_hWnd)
        return;
    KillTimer(kDragScrollTimer);
    if (m_nMouseMode == kGridMouseTrackingChart) {
        // The drag of a chart part is called off: it stays where it was.
        m_nTrackerHandle = -1;
        m_trackedRect.SetRectEmpty();
        Invalidate(false);
    }
    m_nMouseMode = kGridMouseIdle;
    m_nSizingIndex = -1;
}

BOOL CGridCtrl::OnSetCursor(UINT hitTest)
{
    if (hitTest != HTCLIENT)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(point);
    if (const LPCWSTR shape = TrackerCursor(m_nMouseMode == kGridMouseTrackingChart
                                                ? m_nTrackerHandle
                                                : TrackerHitTest(m_charts.GetTrackerRect(), point))) {
        ::SetCursor(::LoadCursorW(nullptr, shape));
        return TRUE;
    }
    const bool column =
        m_nMouseMode == kGridMouseSizingColumn || (m_nMouseMode == kGridMouseIdle && IsOnColumnBorder(point));
    const bool row =
        m_nMouseMode == kGridMouseSizingRow || (m_nMouseMode == kGridMouseIdle && IsOnRowBorder(point));
    if (!column && !row)
        return FALSE;
    ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(column ? 32644 : 32645))); // IDC_SIZEWE, IDC_SIZENS
    return TRUE;
}

void CGridCtrl::OnTimer(UINT_PTR id)
{
    if (id == kMarqueeTimer)
        DrawMarquee();
    else if (id == kDragScrollTimer)
        DragScroll();
}

void CGridCtrl::DragScroll()
{
    if (!IsSelecting(m_nMouseMode)) {
        KillTimer(kDragScrollTimer);
        return;
    }
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(point);
    const CRect client = GetClientRect();
    if (point.y >= client.bottom)
        OnKeyDown(VK_DOWN);
    else if (point.y < GetFixedRowHeight())
        OnKeyDown(VK_UP);
    ExtendToPoint(point);
    if (point.x >= client.right)
        OnHScroll(SB_LINERIGHT);
    else if (point.x < GetFixedColumnWidth())
        OnHScroll(SB_LINELEFT);
    ExtendToPoint(point);
}

void CGridCtrl::ExtendToPoint(CPoint point)
{
    const CRect client = GetClientRect();
    point.x = std::clamp(point.x, client.left, std::max(client.left, client.right - 1));
    point.y = std::clamp(point.y, client.top, std::max(client.top, client.bottom - 1));
    CCellCoord cell = GetGridCellFromPoint(point, TRUE);
    // Past the last cell, the last one shown.
    const CCellRect shown = GetVisibleGridRange();
    if (cell.row < 0)
        cell.row = shown.maxRow;
    if (cell.col < 0)
        cell.col = shown.maxCol;
    if (IsGridCellValid(cell))
        m_selection.ExtendDragSelection(cell, m_nMouseMode);
}

void CGridCtrl::ResizeToPoint(CPoint point)
{
    CPoint origin;
    const bool column = m_nMouseMode == kGridMouseSizingColumn;
    const int index = m_nSizingIndex;
    if (!Geometry().GetGridCellOrigin(column ? 0 : index, column ? index : 0, origin))
        return;
    // The point is on the last pixel, the line, of the row or column.
    const int size = std::max(0, int(column ? point.x - origin.x : point.y - origin.y) + 1);
    if (column)
        SetColumnWidth(index, size);
    else
        SetRowHeight(index, size);
}
