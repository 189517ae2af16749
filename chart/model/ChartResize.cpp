#include "chart/model/ChartResize.h"

#include "chart/model/ChartMath.h"
#include "chart/model/PageCharts.h"
#include "chart/model/PieSlotGeometry.h"

namespace {

void Offset(CRect& rect, int dx, int dy)
{
    rect = CRect(AddSaturated(rect.left, dx), AddSaturated(rect.top, dy), AddSaturated(rect.right, dx),
                 AddSaturated(rect.bottom, dy));
}

int Scaled(long long offset, long long newSize, long long oldSize)
{
    return oldSize != 0 ? RoundHalfUp(double(offset) * double(newSize) / double(oldSize)) : SaturateToInt(offset);
}

void OffsetPies(CNorvakChart& chart, int dx, int dy)
{
    for (CChartItemArray& row : chart.items)
        for (CChartItem& point : row)
            for (CRect* rect : {&point.rcHole, &point.rcPie, &point.rcTopOuter, &point.rcTopInner})
                Offset(*rect, dx, dy);
}

} // namespace

bool ChangeRectByHandle(CRect& rect, int handle, int dx, int dy)
{
    // Which sides move: left and top by -d (they grow outward), right and bottom by +d.
    static constexpr struct
    {
        bool left, top, right, bottom;
    } kSides[9] = {
        {true, true, false, false},  {false, true, true, false}, {false, false, true, true},
        {true, false, false, true},  {false, true, false, false}, {false, false, true, false},
        {false, false, false, true}, {true, false, false, false}, {},
    };
    if (handle < 0 || handle > 8)
        return false;
    if (handle == 8) {
        Offset(rect, dx, dy);
        return true;
    }
    const auto& sides = kSides[handle];
    if (sides.left)
        rect.left = AddSaturated(rect.left, -dx);
    if (sides.top)
        rect.top = AddSaturated(rect.top, -dy);
    if (sides.right)
        rect.right = AddSaturated(rect.right, dx);
    if (sides.bottom)
        rect.bottom = AddSaturated(rect.bottom, dy);
    return true;
}

void ScaleChartParts(CNorvakChart& chart, const CRect& oldChart)
{
    if (!chart.bCreated)
        return;
    const CRect& now = chart.rcChart;
    const long long oldWidth = (long long)oldChart.right - oldChart.left;
    const long long oldHeight = (long long)oldChart.bottom - oldChart.top;
    const long long width = (long long)now.right - now.left, height = (long long)now.bottom - now.top;
    for (int part : {kChartTitle, kChartYAxisTitle, kChartXAxisTitle, kChartLegend, kChartDataArea, kChartPlot}) {
        if (!chart.IsPartShown(part))
            continue;
        CRect& r = *chart.PartRect(part);
        r.left = AddSaturated(now.left, Scaled((long long)r.left - oldChart.left, width, oldWidth));
        r.top = AddSaturated(now.top, Scaled((long long)r.top - oldChart.top, height, oldHeight));
        r.right = AddSaturated(now.right, -Scaled((long long)oldChart.right - r.right, width, oldWidth));
        r.bottom = AddSaturated(now.bottom, -Scaled((long long)oldChart.bottom - r.bottom, height, oldHeight));
    }
}

bool MoveResizeChart(CNorvakChart& chart, int dx, int dy, int handle, bool settleVisible)
{
    const CRect old = chart.rcChart;
    if (!ChangeRectByHandle(chart.rcChart, handle, dx, dy))
        return false;
    ChangeRectByHandle(chart.rcVisible, handle, dx, dy);
    if (handle != 8) {
        ScaleChartParts(chart, old);
        if (chart.IsPie() && chart.IsPartShown(kChartPlot))
            CPieSlotGeometry().RelayoutAfterResize(chart);
        return true;
    }
    for (int part = kChartPlot; part <= kChartYAxisTitle; ++part)
        Offset(*chart.PartRect(part), dx, dy);
    if (chart.IsPie())
        OffsetPies(chart, dx, dy);
    if (settleVisible)
        chart.rcVisible = chart.rcChart;
    return true;
}

bool MoveResizePageChart(CNorvakPage& page, int index, int dx, int dy, int handle, bool settleVisible)
{
    CNorvakChart* chart = PageChartAt(page, index);
    if (!chart || !MoveResizeChart(*chart, dx, dy, handle, settleVisible))
        return false;
    if (settleVisible)
        AdjustPageChartsToLockedArea(page);
    return true;
}

bool MoveResizeChartPart(CNorvakChart& chart, int part, int dx, int dy, int handle)
{
    CRect* rect = part >= kChartPlot && part <= kChartYAxisTitle ? chart.PartRect(part) : nullptr;
    if (!rect || !ChangeRectByHandle(*rect, handle, dx, dy))
        return false;
    if (chart.IsPie() && part == kChartPlot) {
        if (handle == 8)
            OffsetPies(chart, dx, dy);
        else
            CPieSlotGeometry().RelayoutAfterPlotResize(chart);
    }
    return true;
}
