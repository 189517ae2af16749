#pragma once

// The tracker of a chart selection: the rectangle tracker whose rubber band shows only over the
// cell area and which keeps a chart part inside its chart while it is dragged. The window that
// tracks (the control, or any other window with charts) answers the few questions it asks through
// its site. The window sets m_rect, m_sizeMin and m_nHandleSize by the selected part.
//
// Ownership: the window holds the tracker and its site outlives it; the tracker keeps the site's
// address only.

#include "chart/model/NorvakChart.h"
#include "framework/RectTracker.h"

class IChartTrackerSite
{
public:
    // Where the rubber band may show, in client pixels.
    virtual CRect GetChartTrackingArea() = 0;
    // The selected chart, and in part its selected part; null when no chart is selected.
    virtual const CNorvakChart* GetTrackedChart(int& part) = 0;
    // The hit code of the handle being tracked (8 a move); -1 while no press is handled.
    virtual int GetTrackingHitCode() = 0;
    // Makes the cell under a client point visible, so that the grid scrolls with the drag.
    virtual void ScrollToTrackingPoint(POINT point) = 0;

protected:
    ~IChartTrackerSite() = default;
};

// What a change of the tracked rectangle from old to proposed keeps, the mouse at cursor. A chart
// part (part 1..6) stays 5 pixels inside its chart, a move keeping its size, and goes back to old
// while the mouse lies outside that area; the whole chart keeps the change while a press is
// tracked (hitCode not -1) or the mouse lies on the tracker, else goes back to old.
CRect ConstrainTrackedChartRect(const CRect& proposed, const CRect& old, const CNorvakChart* chart, int part,
                                POINT cursor, int hitCode, bool cursorOnTracker);

class CChartTracker : public CRectTracker
{
public:
    CChartTracker() = default;

    void SetSite(IChartTrackerSite* site) { m_pSite = site; }

    // The focus rectangle, clipped to the site's tracking area.
    void DrawTrackerRect(const RECT* rect, CWnd* clipTo, CDC* dc, CWnd* wnd) override;
    // Scrolls the grid to the mouse, then keeps what ConstrainTrackedChartRect keeps.
    void OnChangedRect(const CRect& oldRect) override;
    // The base mask while the handles flag is set, else none.
    UINT GetHandleMask() const override;

    int m_bHandles = 1;

private:
    IChartTrackerSite* m_pSite = nullptr;
};
