#include "chartdraw/ColumnChartPainter.h"

#include "chart/model/ChartMath.h"
#include "chartdraw/BoxChartDrawing.h"
#include "chartdraw/geometry/SlotDivision.h"

#include <cmath>

namespace {

constexpr int kCategoryGap = 20;

// Farther categories first: left to right unless the back of the box lies left of its front.
bool CategoriesAscending(const CNorvakChart& chart)
{
    return chart.wallPoints[0].x >= chart.wallPoints[3].x;
}

// A column standing on the zero line in its extent.
CBoxOfPoint ClusteredColumn(const CChartLayout& r)
{
    return [&r](const CRect& extent, double value) {
        const int h = ValueToPixels(value, r);
        return ColumnBoxFaces(ColumnFootprint(extent.left, extent.Width(), r.nOriginY, r.dDepthLength, r.dDepthAngle),
                              value >= 0 ? h : -h);
    };
}

// A stacked segment's box stands on its own start: its bottom for a positive value, its top else.
CBoxOfPoint StackedColumn(const CChartLayout& r)
{
    return [&r](const CRect& segment, double value) {
        const bool positive = value >= 0;
        const CQuad foot = ColumnFootprint(segment.left, segment.Width(), positive ? segment.bottom : segment.top,
                                           r.dDepthLength, r.dDepthAngle);
        return ColumnBoxFaces(foot, positive ? segment.Height() : -segment.Height());
    };
}

CStackRules ColumnStackRules(const CNorvakChart& chart, const CChartLayout& r)
{
    CStackRules rules;
    rules.valueAxis = CStackAxis::Vertical;
    rules.zeroLine = r.nOriginY;
    rules.reach = AxisReachOf(r);
    rules.length = [&r](int, double v) { return ValueToPixels(v, r); };
    rules.finishRow = [](int, double, CRect&) {};
    rules.rowHasBoxes = [](int) { return true; };
    rules.shape = BoxShape(StackedColumn(r));
    rules.farEndFirst = chart.wallPoints[0].y > chart.wallPoints[3].y;
    return rules;
}

} // namespace

void CColumnChartPainter::DrawClusteredColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                              CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CBoxChartLayout placed =
        ClusterCategories(*items, c.series, CategorySlots(c, *layout, CStackAxis::Vertical), CStackAxis::Vertical,
                          BoxShape(ClusteredColumn(*layout)), CategoriesAscending(*chart));
    PaintBoxChart(dc, *chart, *items, placed, ColumnChartSides(*chart, *layout), m_tables);
}

void CColumnChartPainter::DrawStackedColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                            CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CBoxChartLayout placed =
        StackCategories(*items, c.series, CategorySlots(c, *layout, CStackAxis::Vertical),
                        ColumnStackRules(*chart, *layout), CategoriesAscending(*chart));
    PaintBoxChart(dc, *chart, *items, placed, ColumnChartSides(*chart, *layout), m_tables);
}

void CColumnChartPainter::DrawPercentStackedColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                                   const CChartRowTotalsArray* rowTotals,
                                                   CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CChartLayout& r = *layout;
    CStackRules rules = ColumnStackRules(*chart, r);
    rules.length = [&](int row, double v) {
        const CChartRowTotals t = RowTotalsOf(rowTotals, row);
        return PercentShareLength(v, t.chSign, r.nPositiveLength, r.nNegativeLength, t.dAbsSum,
                                  CShareOrder::ProductFirst);
    };
    // A row of one sign ends on the end of the axis, whatever the rounding of its shares left.
    rules.finishRow = [&](int row, double v, CRect& segment) {
        const int sign = RowTotalsOf(rowTotals, row).chSign;
        if (sign == 1)
            segment.top = r.nValueHigh;
        else if (sign == -1 && v < 0)
            segment.bottom = r.nValueLow;
    };
    rules.rowHasBoxes = [&](int row) { return RowTotalsOf(rowTotals, row).dAbsSum > 0; };
    const CBoxChartLayout placed = StackCategories(*items, c.series, CategorySlots(c, r, CStackAxis::Vertical),
                                                   rules, CategoriesAscending(*chart));
    PaintBoxChart(dc, *chart, *items, placed, ColumnChartSides(*chart, r), m_tables);
}

void CColumnChartPainter::Draw3DColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                       CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CChartLayout& r = *layout;
    // The series share the depth as the categories share the width.
    const CSlotDivision depth = DivideIntoSlots(SaturateToInt(r.dDepthLength), c.series, kCategoryGap);
    if (!depth.fits) {
        ForgetDrawnGeometry(*items);
        return;
    }
    const double cosine = std::cos(r.dDepthAngle), sine = std::sin(r.dDepthAngle);
    const int g = depth.gap;
    const std::vector<CRect> slots = CategorySlots(c, r, CStackAxis::Vertical);
    CBoxChartLayout placed;
    std::vector<std::vector<size_t>> categories(slots.size());
    for (int i = 0; i < c.rows; ++i) {
        // Series 0 stands at the back, half a depth gap in front of the back corner.
        CPoint back(slots[size_t(i)].left - SaturateToInt(cosine * g * 0.5),
                    r.nOriginY + SaturateToInt(0.5 * g * sine));
        for (int j = 0; j < c.series; ++j) {
            const int e = depth.widths[size_t(j)];
            const CQuad foot = DepthRowFootprint(back, slots[size_t(i)].Width(), e, r.dDepthAngle);
            if (CChartItem* item = PointAt(*items, i, j)) {
                const bool finite = std::isfinite(item->dValue);
                const int h = ValueToPixels(item->dValue, r);
                if (finite)
                    WriteBoxFaces(*item, ColumnBoxFaces(foot, item->dValue >= 0 ? h : -h));
                categories[size_t(i)].push_back(placed.boxes.size());
                placed.boxes.push_back(CPlacedBox{i, j, finite});
            }
            back = CPoint(foot[1].x - SaturateToInt(cosine * g), back.y + SaturateToInt(sine * (e + g)));
        }
    }
    placed.drawOrder = JoinCategories(categories, CategoriesAscending(*chart));
    PaintBoxChart(dc, *chart, *items, placed, ColumnChartSides(*chart, r), m_tables);
}

void DrawColumnChartBody(const CChartBodyCall& call)
{
    const CColumnChartPainter painter(call.tables);
    switch (call.subType) {
    case 0:
    case 3:
        painter.DrawClusteredColumn(call.dc, call.chart, &call.layout, call.items);
        break;
    case 1:
    case 4:
        painter.DrawStackedColumn(call.dc, call.chart, &call.layout, call.items);
        break;
    case 2:
    case 5:
        painter.DrawPercentStackedColumn(call.dc, call.chart, &call.layout, call.rowTotals, call.items);
        break;
    case 6:
        painter.Draw3DColumn(call.dc, call.chart, &call.layout, call.items);
        break;
    default:
        break;
    }
}
