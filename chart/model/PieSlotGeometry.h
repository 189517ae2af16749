#pragma once

// Square slots side by side in a plot rectangle, one pie or ring per data row, and the pie and hole
// rectangles, aspect and offsets that each point of a row takes from its square.
//
// Slots: a gap of 20 pixels that shrinks by one while a slot would be narrower than 20; the pixels
// left over go one each to the first slots; the first slot starts half a gap in. Each slot's square
// is as wide as the smaller of the slot width and the height, centred in both.

#include "chart/model/ChartPageSettings.h"
#include "chart/model/NorvakChart.h"

// The running start of the slots of one layout.
struct CSlotRun
{
    long long x = 0;
    bool started = false;
};

// The rectangles of a pie or ring of one sub-type in its square.
struct CPieRects
{
    CRect pie;
    CRect hole; // empty for a pie
    float scale = 1.0f;
};

class CPieSlotGeometry
{
public:
    // The square of slot `index` of n; with manySlots false a single slot from the left (n taken
    // as 1). Empty, the run unchanged, when there is no slot or the slots have no width.
    CRect GetSlotSquare(const RECT& rect, int n, bool manySlots, int index, CSlotRun& run) const;

    // A new chart: copies every row of the page's data table into the chart (which has as many
    // rows) and, for pies and rings, gives each row its slot in the plot rectangle less 10 pixels
    // at top and bottom. The row a pie shows alone (ShownPieRow) takes a single slot of the
    // whole width.
    void LayoutSeriesItems(CNorvakChart& chart, const CChartPageSettings& settings, const RECT& plot) const;
    // An existing pie or ring laid out again in the plot rectangle the same way, from its own
    // sub-type: only the pie and hole rectangles and the aspect change.
    void RelayoutSeriesItems(CNorvakChart& chart, const RECT& plot) const;
    // After a resize of the whole chart: the pie rectangles, and the holes of the rings, from the
    // slots of rcPlot; with a row shown alone only that row, in a single slot. The depth and
    // explode offsets and the aspect keep the values the user gave them.
    void RelayoutAfterResize(CNorvakChart& chart) const;
    // After a resize of the plot area alone: each point's pie is the ellipse of its aspect fitted
    // into its row's square with room for its depth (the square itself, for the 3-D pies lowered
    // by a quarter and raised by a quarter less the depth, when no ellipse fits), and its hole the
    // pie scaled about its centre by the two ring ratios.
    void RelayoutAfterPlotResize(CNorvakChart& chart) const;

    // Sub-types 0..7; false for any other.
    static bool PieRectsOf(int subType, const CRect& square, CPieRects& rects);
    // The depth and explode offsets a new point of the sub-type takes (both ints of a pair).
    static int DefaultDepth(int subType);
    static int DefaultExplode(int subType);
};
