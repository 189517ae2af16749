#pragma once

// A chart floating over the cells of the standalone grid, as the grid sees it: whether it shows,
// is selected or hot, its selected part, and one rectangle per part (client pixels). Parts: 0 the
// whole chart, 1 plot area, 2 legend, 3 data area, 4 chart title, 5 X-axis title, 6 Y/Z-axis title.
//
// The chart records and their drawing belong to the chart subsystems; a chart of theirs joins the
// grid through a class derived from this one, which marks its own legend entries and data-point
// faces and draws itself. This base draws nothing and has no entries or faces.

#include "framework/CDC.h"

class CGridChart
{
public:
    static constexpr int kPartCount = 7;

    CGridChart() = default;
    CGridChart(const CGridChart&) = default;
    CGridChart& operator=(const CGridChart&) = default;
    virtual ~CGridChart() = default;

    // Inside the legend: marks the legend entry under the point (flag, caption or whole entry).
    virtual void HitLegendEntries(int, int) {}
    // Inside the plot area: marks the data-point face under the point.
    virtual void HitDataFaces(int, int) {}
    // Draws the chart over the cells.
    virtual void Draw(CDC*) {}

    const CRect& WholeRect() const { return rects[0]; }

    bool bShown = true;
    bool bSelected = false;
    bool bHot = false;
    int nSelPart = -1;
    CRect rects[kPartCount];
    bool partShown[kPartCount] = {true, true, true, true, true, true, true};
};
