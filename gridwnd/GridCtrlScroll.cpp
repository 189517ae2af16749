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

// Held by every writer of the scroll positions while it writes. A bar that shows or hides on the
// way resizes the window, which sets the ranges again from within: only the outermost change
// moves what floats over the cells, by the whole distance the view went.
class CGridCtrl::ScrollChange
{
public:
    explicit ScrollChange(CGridCtrl& grid) : m_grid(grid)
    {
        if (m_grid.m_nScrollChanges++ == 0)
            m_grid.m_scrollBefore = m_grid.ScrollOrigin();
    }
    ~ScrollChange()
    {
        if (--m_grid.m_nScrollChanges == 0)
            m_grid.FollowScroll(m_grid.m_scrollBefore);
    }
    ScrollChange(const ScrollChange&) = delete;
    ScrollChange& operator=(const ScrollChange&) = delete;

private:
    CGridCtrl& m_grid;
};

void CGridCtrl::ResetGridScrollBars()
{
    if (!m_bRedraw || !m_hWnd)
        return;
    const CGridScrollSetup setup = CGridGeometry::ScrollSetup(m_store, GetClientRect().Size());
    if (!setup.bApply)
        return;
    // A larger window or fewer cells pull the positions back within the new ranges.
    ScrollChange change(*this);
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
    ScrollChange change(*this);
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, pos, 0};
    ::SetScrollInfo(m_hWnd, bar, &info, redraw);
    return TRUE;
}

void CGridCtrl::FollowScroll(CPoint before)
{
    const CPoint after = ScrollOrigin();
    if (after == before)
        return;
    // What floats over the cells goes with them.
    const CSize by(after.x - before.x, after.y - before.y);
    HideTitleTip();
    m_charts.OffsetCharts(by.cx, by.cy);
    MoveInPlaceEdit(by);
    Invalidate(FALSE);
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

// The first index to show for index i to lie wholly in view, -1 when it does; one larger than
// the view counts as shown once it is the first one.
int FirstToShow(const CGridAxis& axis, int i, int shownFirst, int shownLast, int clientExtent)
{
    if (i < axis.FixedCount())
        return -1;
    if (i < shownFirst)
        return i;
    if (i > std::max(shownLast, shownFirst))
        return axis.FirstToShowWhole(i, clientExtent - axis.FixedExtent());
    return -1;
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
    SetScrollPos32(bar,
                   std::max(ScrolledPosition(axis, code, info.nPos, info.nTrackPos, page, info.nMax), 0));
}

BOOL CGridCtrl::OnMouseWheel(short delta)
{
    // Turns below a notch add up until they make one; a turn the other way starts afresh.
    if ((delta < 0) != (m_nWheelRest < 0))
        m_nWheelRest = 0;
    // A negative setting (WHEEL_PAGESCROLL) asks for a screen per notch.
    const bool pages = m_nWheelLines < 0;
    m_nWheelRest += pages ? int64_t(delta) : int64_t(delta) * m_nWheelLines;
    const int64_t steps = m_nWheelRest / WHEEL_DELTA;
    m_nWheelRest -= steps * WHEEL_DELTA;
    if (!pages) {
        ScrollRows(-steps);
        return TRUE;
    }
    for (int64_t n = 0; n < (steps < 0 ? -steps : steps); ++n)
        OnVScroll(steps > 0 ? SB_PAGEUP : SB_PAGEDOWN);
    return TRUE;
}

void CGridCtrl::ScrollRows(int64_t rows)
{
    if (rows == 0)
        return;
    const CGridAxis axis = m_store.Rows(GetScrollPos32(SB_VERT));
    const int64_t target = std::clamp<int64_t>(axis.FirstScroll() + rows, axis.FixedCount(),
                                               std::max(axis.Count() - 1, axis.FixedCount()));
    SetScrollPos32(SB_VERT, axis.ScrollPosOf(int(target)));
}

void CGridCtrl::EnsureVisible(int row, int col)
{
    if (!m_hWnd || !IsGridCellValid(row, col))
        return;
    // One step each way, straight to where the cell shows.
    const CGridGeometry geometry = Geometry();
    const CCellRect shown = geometry.GetFullyVisibleGridRange();
    const CSize client = geometry.ClientSize();
    const CGridAxis& rows = geometry.RowAxis();
    const CGridAxis& cols = geometry.ColumnAxis();
    const int firstRow = FirstToShow(rows, row, shown.minRow, shown.maxRow, client.cy);
    const int firstCol = FirstToShow(cols, col, shown.minCol, shown.maxCol, client.cx);
    if (firstRow >= 0)
        SetScrollPos32(SB_VERT, rows.ScrollPosOf(firstRow));
    if (firstCol >= 0)
        SetScrollPos32(SB_HORZ, cols.ScrollPosOf(firstCol));
}
