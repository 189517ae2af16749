#include "chartdraw/BarChartPainter.h"

#include "chart/model/ChartMath.h"
#include "chartdraw/BoxChartDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCategoryGap = 10;

// Farther categories first: bottom to top unless the back of the box lies below its front.
bool CategoriesAscending(const CNorvakChart& chart)
{
    return chart.wallPoints[0].y <= chart.wallPoints[5].y;
}

// A bar from the zero line across its extent.
CBoxOfPoint ClusteredBar(const CChartLayout& r)
{
    return [&r](const CRect& extent, double value) {
        const int len = ValueToPixels(value, r);
        return BarBoxFaces(r.nOriginX, extent.top, extent.bottom, value >= 0 ? len : -len, r.dDepthLength,
                           r.dDepthAngle);
    };
}

// A stacked segment's box starts at its own start: its left edge for a positive value, its right
// edge else.
CBoxOfPoint StackedBar(const CChartLayout& r)
{
    return [&r](const CRect& segment, double value) {
        const bool positive = value >= 0;
        return BarBoxFaces(positive ? segment.left : segment.right, segment.top, segment.bottom,
                           positive ? segment.Width() : -segment.Width(), r.dDepthLength, r.dDepthAngle);
    };
}

CStackRules BarStackRules(const CNorvakChart& chart, const CChartLayout& r)
{
    CStackRules rules;
    rules.valueAxis = CStackAxis::Horizontal;
    rules.zeroLine = r.nOriginX;
    rules.reach = AxisReachOf(r);
    rules.length = [&r](int, double v) { return ValueToPixels(v, r); };
    rules.finishRow = [](int, double, CRect&) {};
    rules.rowHasBoxes = [](int) { return true; };
    rules.shape = BoxShape(StackedBar(r));
    rules.farEndFirst = chart.wallPoints[0].x > chart.wallPoints[5].x;
    return rules;
}

} // namespace

void CBarChartPainter::DrawClusteredBar(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double,
                                        double, CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CBoxChartLayout placed =
        ClusterCategories(*items, c.series, CategorySlots(c, *layout, CStackAxis::Horizontal),
                          CStackAxis::Horizontal, BoxShape(ClusteredBar(*layout)), CategoriesAscending(*chart));
    PaintBoxChart(dc, *chart, *items, placed, BarChartSides(*chart, "z"), m_tables);
}

void CBarChartPainter::DrawStackedBar(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double, double,
                                      const CChartRowTotalsArray*, CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, false, c))
        return;
    const CBoxChartLayout placed =
        StackCategories(*items, c.series, CategorySlots(c, *layout, CStackAxis::Horizontal),
                        BarStackRules(*chart, *layout), CategoriesAscending(*chart));
    PaintBoxChart(dc, *chart, *items, placed, BarChartSides(*chart, "zs"), m_tables);
}

void CBarChartPainter::DrawPercentStackedBar(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                             double minValue, double maxValue,
                                             const CChartRowTotalsArray* rowTotals, CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, false, c))
        return;
    const CChartLayout& r = *layout;
    // On a two-signed axis every positive segment gains a pixel.
    const int extra = minValue < 0 && maxValue > 0 ? 1 : 0;
    CStackRules rules = BarStackRules(*chart, r);
    rules.length = [&](int row, double v) {
        const CChartRowTotals t = RowTotalsOf(rowTotals, row);
        const int len = PercentShareLength(v, t.chSign, r.nPositiveLength, r.nNegativeLength, t.dAbsSum,
                                           CShareOrder::QuotientFirst);
        return v >= 0 ? len + extra : len;
    };
    // A row of one sign ends on the end of the axis, whatever the rounding of its shares left.
    rules.finishRow = [&](int row, double v, CRect& segment) {
        const int sign = RowTotalsOf(rowTotals, row).chSign;
        if (sign == 1 && v >= 0)
            segment.right = r.nValueHigh - 1;
        else if (sign == -1 && v < 0)
            segment.left = r.nValueLow;
    };
    rules.rowHasBoxes = [&](int row) { return RowTotalsOf(rowTotals, row).dAbsSum > 0; };
    const CBoxChartLayout placed = StackCategories(*items, c.series, CategorySlots(c, r, CStackAxis::Horizontal),
                                                   rules, CategoriesAscending(*chart));
    PaintBoxChart(dc, *chart, *items, placed, BarChartSides(*chart, "zs"), m_tables);
}

void DrawBarChartBody(const CChartBodyCall& call)
{
    const CBarChartPainter painter(call.tables);
    switch (call.subType) {
    case 0:
    case 3:
        painter.DrawClusteredBar(call.dc, call.chart, &call.layout, call.minValue, call.maxValue, call.items);
        break;
    case 1:
    case 4:
        painter.DrawStackedBar(call.dc, call.chart, &call.layout, call.minValue, call.maxValue, call.rowTotals,
                               call.items);
        break;
    case 2:
    case 5:
        painter.DrawPercentStackedBar(call.dc, call.chart, &call.layout, call.minValue, call.maxValue,
                                      call.rowTotals, call.items);
        break;
    default:
        break;
    }
}
