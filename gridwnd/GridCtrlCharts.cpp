// The grid's charts in the window: adding one, drawing them through the chart drawer with the
// tracker of the selected part on top, dragging the tracker to move or resize that part, and the
// charts following the cells when they scroll.

#include "gridwnd/GridCtrl.h"

#include "framework/CGdiObject.h"

#include <utility>

int CGridCtrl::AddChart(CNorvakChart chart)
{
    const CRect rect = chart.rcChart;
    const int index = m_charts.Add(std::move(chart));
    if (m_hWnd)
        InvalidateRect(rect, false);
    return index;
}

void CGridCtrl::DrawCharts(CDC* pDC)
{
    // The charts float over the normal cells; the fixed cells stay clear of them.
    CClipGuard clip(*pDC);
    pDC->IntersectClipRect(GetFixedColumnWidth(), GetFixedRowHeight(), 0x7FFFFFF, 0x7FFFFFF);
    if (s_chartDrawer)
        for (int index : m_charts.DrawingOrder())
            if (CNorvakChart* chart = m_charts.GetAt(index); chart->bVisible)
                s_chartDrawer(*pDC, *chart);
    DrawChartTracker(pDC);
}

void CGridCtrl::DrawChartTracker(CDC* pDC)
{
    const CRect rect = m_nMouseMode == kGridMouseTrackingChart ? m_trackedRect : m_charts.GetTrackerRect();
    if (rect.IsRectEmpty())
        return;
    CPen dotted;
    dotted.CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    CSelectObject pen(*pDC, dotted);
    CSelectObject brush(*pDC, ::GetStockObject(NULL_BRUSH));
    const int oldBk = pDC->SetBkMode(TRANSPARENT);
    pDC->Rectangle(rect);
    pDC->SetBkMode(oldBk);
    for (const CRect& handle : TrackerHandles(rect))
        pDC->FillSolidRect(handle, RGB(0, 0, 0));
}

void CGridCtrl::BeginChartTracking(int trackerHit, CPoint point)
{
    if (trackerHit < 0 || trackerHit > 8)
        return;
    m_nMouseMode = kGridMouseTrackingChart;
    m_nTrackerHandle = trackerHit;
    m_mouseDown = point;
    m_trackedRect = m_charts.GetTrackerRect();
    SetCapture();
}

void CGridCtrl::TrackChartToPoint(CPoint point)
{
    CRect repaint = m_trackedRect;
    m_trackedRect = TrackedRect(m_charts.GetTrackerRect(), m_nTrackerHandle, point.x - m_mouseDown.x,
                                point.y - m_mouseDown.y);
    m_trackedRect.NormalizeRect();
    repaint.UnionRect(repaint, m_trackedRect);
    repaint.InflateRect(CGridChartList::kTrackerHandle, CGridChartList::kTrackerHandle);
    InvalidateRect(repaint, false);
}

void CGridCtrl::EndChartTracking(CPoint point)
{
    const int handle = std::exchange(m_nTrackerHandle, -1);
    m_nMouseMode = kGridMouseIdle;
    InvalidateRect(m_trackedRect.IsRectEmpty() ? CRect() : m_trackedRect, false);
    m_trackedRect.SetRectEmpty();
    if (point == m_mouseDown)
        return;
    if (const auto repaint = m_charts.TrackSelectedPart(handle, point.x - m_mouseDown.x, point.y - m_mouseDown.y))
        InvalidateRect(*repaint, false);
    else
        Invalidate(false);
}

CPoint CGridCtrl::ScrollOrigin() const
{
    CRect rect;
    if (!Geometry().GetGridCellRectAnywhere(GetFixedRowCount(), GetFixedColumnCount(), rect))
        return CPoint();
    return rect.TopLeft();
}
