// The grid's geometry in its window (the client size and the scroll positions), the scroll bars
// and scrolling by line, page, thumb and wheel.

#include "gridwnd/GridCtrl.h"

#include <algorithm>

CGridGeometry CGridCtrl::Geometry() const
{
    const CRect client = GetClientRect();
    return CGridGeometry(m_store, client.Size(), CPoint(GetScrollPos32(SB_HORZ), GetScrollPos32(SB_VERT)));
}

BOOL CGridCtrl::GetGridCellOrigin(int row, int col, CPoint& origin) const
{
    return Geometry().GetGridCellOrigin(row, col, origin);
}

BOOL CGridCtrl::GetGridCellRect(int row, int col, CRect& rect) const
{
    return Geometry().GetGridCellRect(row, col, rect);
}

BOOL CGridCtrl::GetGridCellRectAnywhere(int row, int col, CRect& rect) const
{
    return Geometry().GetGridCellRectAnywhere(row, col, rect);
}

CCellCoord CGridCtrl::GetGridCellFromPoint(CPoint point, BOOL allowFixed) const
{
    return Geometry().GetGridCellFromPoint(point, allowFixed);
}

CCellCoord CGridCtrl::GetTopLeftGridCell() const
{
    return Geometry().GetTopLeftGridCell();
}

CCellRect CGridCtrl::GetVisibleGridRange(CRect* covered) const
{
    return Geometry().GetVisibleGridRange(covered);
}

CCellRect CGridCtrl::GetFullyVisibleGridRange() const
{
    return Geometry().GetFullyVisibleGridRange();
}

BOOL CGridCtrl::IsOnRowBorder(CPoint point) const
{
    return Geometry().IsOnRowBorder(point);
}

BOOL CGridCtrl::IsOnColumnBorder(CPoint point) const
{
    return Geometry().IsOnColumnBorder(point);
}

void CGridCtrl::ResetGridScrollBars()
{
    if (!m_bRedraw || !m_hWnd)
        return;
    const CGridScrollSetup setup = CGridGeometry::ScrollSetup(m_store, GetClientRect().Size());
    if (!setup.bApply)
        return;
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE, 0, setup.nVertRange, UINT(setup.nVertPage), 0, 0};
    ::SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
    info.nMax = setup.nHorzRange;
    info.nPage = UINT(setup.nHorzPage);
    ::SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
}

int CGridCtrl::GetScrollPos32(int bar, BOOL tracking) const
{
    if (!m_hWnd)
        return 0;
    SCROLLINFO info{sizeof(info), SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(m_hWnd, bar, &info))
        return 0;
    return tracking ? info.nTrackPos : info.nPos;
}

BOOL CGridCtrl::SetScrollPos32(int bar, int pos, BOOL redraw)
{
    if (!m_hWnd)
        return FALSE;
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, pos, 0};
    ::SetScrollInfo(m_hWnd, bar, &info, redraw);
    return TRUE;
}

namespace {

// The new position for a scroll code; line steps pass one row (column) of the axis.
int ScrolledPosition(const CGridAxis& axis, UINT code, int pos, int trackPos, int page, int maximum)
{
    const int first = axis.FirstScroll();
    switch (code) {
    case SB_LINEDOWN:
        return pos + std::max(axis.Size(first), 1);
    case SB_LINEUP:
        return first > axis.FixedCount() ? pos - axis.Size(first - 1) : 0;
    case SB_PAGEDOWN:
        return pos + page;
    case SB_PAGEUP:
        return pos - page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return trackPos;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return maximum;
    default:
        return pos;
    }
}

} // namespace

void CGridCtrl::OnScroll(int bar, UINT code)
{
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(m_hWnd, bar, &info);
    const bool vertical = bar == SB_VERT;
    const CRect client = GetClientRect();
    const int page = std::max(
        int(vertical ? client.Height() - GetFixedRowHeight() : client.Width() - GetFixedColumnWidth()), 1);
    const CGridAxis axis = vertical ? m_store.Rows(info.nPos) : m_store.Cols(info.nPos);
    const int wanted = ScrolledPosition(axis, code, info.nPos, info.nTrackPos, page, info.nMax);
    const CPoint before = ScrollOrigin();
    SetScrollPos32(bar, std::max(wanted, 0));
    if (GetScrollPos32(bar) == info.nPos)
        return;
    // The charts float over the cells and go with them.
    const CPoint after = ScrollOrigin();
    m_charts.OffsetCharts(after.x - before.x, after.y - before.y);
    Invalidate();
}

BOOL CGridCtrl::OnMouseWheel(short delta)
{
    const int lines = delta / WHEEL_DELTA * m_nWheelLines;
    for (int i = 0; i < std::abs(lines); ++i)
        OnVScroll(lines > 0 ? SB_LINEUP : SB_LINEDOWN);
    return TRUE;
}

void CGridCtrl::EnsureVisible(int row, int col)
{
    if (!m_hWnd || !IsGridCellValid(row, col))
        return;
    // One line at a time, as the arrows of the bars would; each step either moves or ends.
    auto scroll = [&](int bar, bool before, bool after) {
        const UINT code = before ? SB_LINEUP : SB_LINEDOWN;
        if (!before && !after)
            return false;
        const int pos = GetScrollPos32(bar);
        bar == SB_VERT ? OnVScroll(code) : OnHScroll(code);
        return GetScrollPos32(bar) != pos;
    };
    // A cell larger than the view counts as shown once it is the first one.
    for (int step = 0; row >= GetFixedRowCount() && step < GetRowCount(); ++step) {
        const CCellRect shown = GetFullyVisibleGridRange();
        if (!scroll(SB_VERT, row<shown.minRow, row> std::max(shown.maxRow, shown.minRow)))
            break;
    }
    for (int step = 0; col >= GetFixedColumnCount() && step < GetColumnCount(); ++step) {
        const CCellRect shown = GetFullyVisibleGridRange();
        if (!scroll(SB_HORZ, col<shown.minCol, col> std::max(shown.maxCol, shown.minCol)))
            break;
    }
}
