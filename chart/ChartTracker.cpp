#include "chart/ChartTracker.h"

#include "framework/CGdiObject.h"

#include <algorithm>

namespace {

constexpr int kPartMargin = 5;

// The rectangle pushed inside bounds side by side; a move keeps its size by taking the opposite
// side along.
CRect KeptInside(CRect rect, const CRect& bounds, bool move)
{
    rect.NormalizeRect();
    const LONG width = rect.Width(), height = rect.Height();
    if (rect.left < bounds.left) {
        rect.left = bounds.left;
        if (move)
            rect.right = rect.left + width;
    }
    if (rect.top < bounds.top) {
        rect.top = bounds.top;
        if (move)
            rect.bottom = rect.top + height;
    }
    if (rect.right > bounds.right) {
        rect.right = bounds.right;
        if (move)
            rect.left = rect.right - width;
    }
    if (rect.bottom > bounds.bottom) {
        rect.bottom = bounds.bottom;
        if (move)
            rect.top = rect.bottom - height;
    }
    return rect;
}

} // namespace

CRect ConstrainTrackedChartRect(const CRect& proposed, const CRect& old, const CNorvakChart* chart, int part,
                                POINT cursor, int hitCode, bool cursorOnTracker)
{
    if (chart && part >= 1 && part <= 6) {
        CRect bounds = chart->rcChart;
        bounds.DeflateRect(kPartMargin, kPartMargin);
        return bounds.PtInRect(cursor) ? KeptInside(proposed, bounds, hitCode == CRectTracker::hitMiddle) : old;
    }
    return hitCode != CRectTracker::hitNothing || cursorOnTracker ? proposed : old;
}

void CChartTracker::DrawTrackerRect(const RECT* rect, CWnd*, CDC* dc, CWnd*)
{
    if (!rect || !dc)
        return;
    CRect band = *rect;
    band.NormalizeRect();
    CRgn area;
    area.CreateRectRgnIndirect(m_pSite ? m_pSite->GetChartTrackingArea() : band);
    dc->SelectClipRgn(area);
    dc->DrawFocusRect(band);
    dc->SelectClipRgn(nullptr);
}

void CChartTracker::OnChangedRect(const CRect& oldRect)
{
    if (!m_pSite)
        return;
    const POINT cursor = m_ptTracked;
    m_pSite->ScrollToTrackingPoint(cursor);
    int part = -1;
    const CNorvakChart* chart = m_pSite->GetTrackedChart(part);
    m_rect = ConstrainTrackedChartRect(m_rect, oldRect, chart, part, cursor, m_pSite->GetTrackingHitCode(),
                                       HitTest(cursor) != hitNothing);
}

UINT CChartTracker::GetHandleMask() const
{
    return m_bHandles ? CRectTracker::GetHandleMask() : 0;
}
