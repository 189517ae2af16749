#include "chart/model/NewChart.h"

#include "chart/model/ChartDataLimit.h"
#include "chart/model/ChartValueRange.h"
#include "chart/model/PieSlotGeometry.h"

#include <algorithm>

void SetUpNewChart(CNorvakChart& chart, const CChartPageSettings& settings, const CChartPartRects& rects)
{
    for (int part = kChartWhole; part <= kChartYAxisTitle; ++part)
        *chart.PartRect(part) = rects.rects[part];
    chart.rcVisible = chart.rcChart;
    chart.bVisible = 1;
    chart.partOrder = CNorvakChart::DefaultPartOrder();
    chart.nType = settings.chChartType;
    chart.nSubType = settings.chChartSubType;
    chart.ApplyInsertionFaceShown();
    chart.ApplyInsertionStyles();
    if (settings.items.empty())
        return;
    chart.items.assign(settings.items.size(), CChartItemArray());
    CPieSlotGeometry().LayoutSeriesItems(chart, settings, chart.rcPlot);
    chart.rowTotals = settings.rowTotals;
    chart.legendItems = settings.legendItems;
}

bool CanMakeChart(const CChartPageSettings& settings)
{
    size_t widest = 0;
    for (const CChartItemArray& row : settings.items)
        widest = std::max(widest, row.size());
    return !settings.bDataRefused && ChartDataFits(settings.items.size(), widest);
}

CNorvakChart CreateNewChart(const CChartPageSettings& settings, const CChartPartRects& rects)
{
    double minValue = 0, maxValue = 0;
    GetChartValueRange(settings, minValue, maxValue);
    CNorvakChart chart(settings.chChartType, settings.chChartSubType, minValue, maxValue);
    SetUpNewChart(chart, settings, rects);
    return chart;
}

namespace {

// A shown title: centred where it was, 2w wide and h + 8 high (upright: 2h wide, 2w high), kept
// inside the frame's margins.
void FitTitle(CRect& rect, CSize text, bool upright)
{
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    if (upright)
        rect = CRect(cx - text.cy, cy - text.cx, cx + text.cy, cy + text.cx);
    else
        rect = CRect(cx - text.cx, cy - (text.cy / 2 + 4), cx + text.cx, cy + text.cy / 2 + 4);
    if (rect.top < 55)
        rect.top = 45;
    if (rect.bottom > 295)
        rect.bottom = 295;
    if (rect.left < 105)
        rect.left = 105;
    if (rect.right > 595)
        rect.right = 595;
}

// Text sizes beyond the frame would overflow the arithmetic; no title is wider than this.
CSize Bounded(CSize size)
{
    auto bound = [](long v) { return v < 0 ? 0 : v > 100000 ? 100000 : v; };
    return CSize(bound(size.cx), bound(size.cy));
}

} // namespace

CChartPartRects NewChartPartRects(const int (&layoutShown)[6], const std::function<CSize(const char*)>& textSize)
{
    const bool plot = layoutShown[0], legend = layoutShown[1], data = layoutShown[2], title = layoutShown[3],
               xTitle = layoutShown[4], yTitle = layoutShown[5];
    CChartPartRects r;
    r.rects[kChartWhole] = CRect(100, 50, 600, 300);
    r.rects[kChartTitle] = title ? CRect(170, 60, 530, 110) : CRect(100, 50, 600, 50);
    r.rects[kChartYAxisTitle] = yTitle ? CRect(110, 60, 160, 290) : CRect(100, 50, 100, 300);
    const int L = yTitle ? 160 : 100;
    r.rects[kChartXAxisTitle] = xTitle ? CRect(170, 240, 530, 290) : CRect(100, 300, 600, 300);
    const int B = xTitle ? 240 : 300;
    r.rects[kChartLegend] = legend ? CRect(540, 60, 590, 290) : CRect(600, 50, 600, 300);
    const int R = legend ? 540 : 600;
    r.rects[kChartDataArea] = data ? CRect(L + 10, B - 60, R - 10, B - 10) : CRect(L, B, R, B);
    const int titleBottom = r.rects[kChartTitle].bottom;
    r.rects[kChartPlot] = plot ? CRect(L + 10, titleBottom + 10, R - 10, r.rects[kChartDataArea].top - 10)
                               : CRect(L, titleBottom, R, B);
    if (title)
        FitTitle(r.rects[kChartTitle], Bounded(textSize("图表标题!")), false);
    if (xTitle)
        FitTitle(r.rects[kChartXAxisTitle], Bounded(textSize("X轴标题!")), false);
    if (yTitle)
        FitTitle(r.rects[kChartYAxisTitle], Bounded(textSize("Y轴标题!")), true);
    return r;
}
