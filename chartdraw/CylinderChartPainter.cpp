#include "chartdraw/CylinderChartPainter.h"

#include "chart/model/ChartMath.h"
#include "chartdraw/BoxChartDrawing.h"
#include "chartdraw/geometry/CylinderGeometry.h"
#include "drawing/CChartShapePainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kCategoryGap = 10;

enum class CCylinderAxis
{
    Column,
    Bar
};

// Every grip waits for the end of its category, as a cylinder's grips lie over its neighbours.
CBoxChartSides CylinderSides(const CNorvakChart& chart, const CChartLayout& layout, CCylinderAxis axis)
{
    CBoxChartSides sides =
        axis == CCylinderAxis::Column ? ColumnChartSides(chart, layout) : BarChartSides(chart, "");
    sides.deferredGrips = "zblrsx";
    return sides;
}

std::vector<POINT> FlattenedEnd(CDC* dc, const RECT& box)
{
    dc->BeginPath();
    dc->Ellipse(box);
    dc->EndPath();
    return CChartShapePainter::FlattenedPath(dc);
}

// The outlines of a cylinder from its two ends: the body, the half of one end's ellipse that faces
// the viewer followed by the same points moved to the other end, backwards; and the two ellipses.
class CCylinderOutliner
{
public:
    CCylinderOutliner(CDC* dc, const CNorvakChart& chart, CCylinderAxis axis)
        : m_dc(dc), m_axis(axis),
          m_clockwise(axis == CCylinderAxis::Column ? chart.wallPoints[0].y > chart.wallPoints[3].y
                                                    : chart.wallPoints[0].x < chart.wallPoints[5].x)
    {
    }

    void Write(CChartItem& item, const CCylinderEnds& ends, bool positive) const
    {
        if (m_axis == CCylinderAxis::Column)
            WriteColumn(item, ends, positive);
        else
            WriteBar(item, ends, positive);
    }

private:
    std::vector<POINT> HalfEnd(const RECT& box, POINT from, POINT to) const
    {
        const int old = ::SetArcDirection(*m_dc, m_clockwise ? AD_CLOCKWISE : AD_COUNTERCLOCKWISE);
        m_dc->BeginPath();
        m_dc->Arc(box, from, to);
        m_dc->CloseFigure();
        m_dc->EndPath();
        ::SetArcDirection(*m_dc, old);
        return CChartShapePainter::FlattenedPath(m_dc);
    }

    static std::vector<POINT> Body(std::vector<POINT> arc, CSize toOtherEnd)
    {
        const size_t k = arc.size();
        for (size_t i = k; i-- > 0;)
            arc.push_back(CPoint(arc[i]) + toOtherEnd);
        return arc;
    }

    void WriteColumn(CChartItem& item, const CCylinderEnds& ends, bool positive) const
    {
        const CRect &base = ends.base, &top = ends.valueEnd;
        const CRect& lower = positive ? base : top;
        const int middle = lower.top + (lower.bottom - lower.top) / 2;
        const std::vector<POINT> arc =
            HalfEnd(lower, CPoint(lower.left, middle), CPoint(lower.right, middle));
        const int lift = std::abs(top.top - base.top);
        item.faceOutline[0] = arc.empty() ? std::vector<POINT>{{top.left, top.top},
                                                               {top.right, top.top},
                                                               {base.right, base.bottom},
                                                               {base.left, base.bottom}}
                                          : Body(arc, CSize(0, -lift));
        item.faceOutline[4] = FlattenedEnd(m_dc, top);
        if (item.faceOutline[4].empty()) {
            item.faceOutline[4] = {{top.left, top.top}, {top.right, top.top}};
            item.faceOutline[5] = {{base.left, base.top}, {base.right, base.bottom}};
        } else {
            item.faceOutline[5] = FlattenedEnd(m_dc, base);
        }
    }

    void WriteBar(CChartItem& item, const CCylinderEnds& ends, bool positive) const
    {
        const CRect& left = positive ? ends.base : ends.valueEnd;
        const int middle = left.left + (left.right - left.left) / 2;
        const std::vector<POINT> arc = HalfEnd(left, CPoint(middle, left.top), CPoint(middle, left.bottom));
        const int shift = std::abs(ends.valueEnd.left - ends.base.left);
        item.faceOutline[0] = arc.empty() ? std::vector<POINT>{{left.left, left.top},
                                                               {left.left, left.bottom},
                                                               {left.left + shift, left.bottom},
                                                               {left.left + shift, left.top}}
                                          : Body(arc, CSize(shift, 0));
        auto end = [this](const CRect& box) {
            std::vector<POINT> points = FlattenedEnd(m_dc, box);
            return points.empty() ? std::vector<POINT>{{box.left, box.top}, {box.left, box.bottom}} : points;
        };
        item.faceOutline[3] = end(ends.valueEnd);
        item.faceOutline[2] = end(ends.base);
    }

    CDC* m_dc;
    CCylinderAxis m_axis;
    bool m_clockwise;
};

CStackAxis ValueAxisOf(CCylinderAxis axis)
{
    return axis == CCylinderAxis::Column ? CStackAxis::Vertical : CStackAxis::Horizontal;
}

// A cylinder standing on the zero line in its extent: a column from the extent's left to one pixel
// past its right, a bar across the extent's height.
CPointShape ClusteredCylinder(const CCylinderOutliner& outliner, const CChartLayout& r, CCylinderAxis axis)
{
    return [&outliner, &r, axis](CChartItem& point, const CRect& extent, double v) {
        const int l = ValueToPixels(v, r), signedLength = v >= 0 ? l : -l;
        if (axis == CCylinderAxis::Column) {
            const int depth = CylinderEndDepth(r.dDepthLength, r.dDepthAngle, -1);
            outliner.Write(point,
                           ColumnCylinderEnds(extent.left, extent.right + 1, r.nOriginY, depth, signedLength),
                           v >= 0);
        } else {
            const int w = extent.Height(), depth = CylinderEndDepth(r.dDepthLength, r.dDepthAngle, w);
            outliner.Write(
                point,
                BarCylinderEnds(extent.bottom - 2 * (w / 2), extent.bottom, r.nOriginX, depth, signedLength),
                v >= 0);
        }
    };
}

// A stacked segment's cylinder starts at its own start: the bottom (left) of a positive value, the
// top (right) of a negative one.
CPointShape StackedCylinder(const CCylinderOutliner& outliner, const CChartLayout& r, CCylinderAxis axis)
{
    return [&outliner, &r, axis](CChartItem& point, const CRect& segment, double v) {
        const bool positive = v >= 0;
        if (axis == CCylinderAxis::Column) {
            const int w = segment.Width(), depth = CylinderEndDepth(r.dDepthLength, r.dDepthAngle, w);
            outliner.Write(point,
                           ColumnCylinderEnds(segment.left, segment.left + 2 * (w / 2),
                                              positive ? segment.bottom : segment.top, depth,
                                              positive ? segment.Height() : -segment.Height()),
                           positive);
        } else {
            const int w = segment.Height(), depth = CylinderEndDepth(r.dDepthLength, r.dDepthAngle, w);
            outliner.Write(point,
                           BarCylinderEnds(segment.bottom - 2 * (w / 2), segment.bottom,
                                           positive ? segment.left : segment.right, depth,
                                           positive ? segment.Width() : -segment.Width()),
                           positive);
        }
    };
}

// Column cylinders keep the categories left to right and turn only each category's series round;
// bar cylinders turn both.
CBoxChartLayout DrawnInCylinderOrder(CBoxChartLayout placed, bool categoriesAscending, bool seriesAscending)
{
    std::vector<std::vector<size_t>> categories;
    for (size_t k = 0; k < placed.boxes.size(); ++k) {
        const size_t row = size_t(placed.boxes[k].row);
        if (categories.size() <= row)
            categories.resize(row + 1);
        categories[row].push_back(k);
    }
    if (!seriesAscending)
        for (std::vector<size_t>& category : categories)
            std::reverse(category.begin(), category.end());
    placed.drawOrder = JoinCategories(categories, categoriesAscending);
    return placed;
}

CStackRules CylinderStackRules(const CNorvakChart& chart, const CChartLayout& r, CCylinderAxis axis,
                               const CCylinderOutliner& outliner)
{
    const POINT* wp = chart.wallPoints;
    CStackRules rules;
    rules.valueAxis = ValueAxisOf(axis);
    rules.zeroLine = axis == CCylinderAxis::Column ? r.nOriginY : r.nOriginX;
    rules.reach = AxisReachOf(r);
    rules.length = [&r](int, double v) { return ValueToPixels(v, r); };
    rules.finishRow = [](int, double, CRect&) {};
    rules.rowHasBoxes = [](int) { return true; };
    rules.shape = StackedCylinder(outliner, r, axis);
    rules.farEndFirst = axis == CCylinderAxis::Column ? wp[0].y > wp[3].y : wp[0].x >= wp[5].x;
    return rules;
}

// Each value's share of its row; the last segment of a row of one sign ends on the end of the axis.
void UsePercentShares(CStackRules& rules, const CChartLayout& r, const CChartRowTotalsArray* rowTotals,
                      CCylinderAxis axis)
{
    rules.length = [&r, rowTotals](int row, double v) {
        const CChartRowTotals t = RowTotalsOf(rowTotals, row);
        return PercentShareLength(v, t.chSign, r.nPositiveLength, r.nNegativeLength, t.dAbsSum,
                                  CShareOrder::QuotientFirst);
    };
    rules.finishRow = [&r, rowTotals, axis](int row, double v, CRect& segment) {
        const int sign = RowTotalsOf(rowTotals, row).chSign;
        const bool column = axis == CCylinderAxis::Column;
        if (sign == 1 && v >= 0 && column)
            segment.top = r.nValueHigh;
        else if (sign == 1 && v >= 0)
            segment.right = r.nValueHigh - 1;
        else if (sign == -1 && v < 0 && column)
            segment.bottom = r.nValueLow;
        else if (sign == -1 && v < 0)
            segment.left = r.nValueLow;
    };
    rules.rowHasBoxes = [rowTotals](int row) { return RowTotalsOf(rowTotals, row).dAbsSum > 0; };
}

bool CategoriesAscending(const CNorvakChart& chart, CCylinderAxis axis)
{
    const POINT* wp = chart.wallPoints;
    return axis == CCylinderAxis::Column ? wp[0].x >= wp[3].x : wp[0].y <= wp[5].y;
}

void DrawClustered(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, CChartItemTable* items,
                   CCylinderAxis axis, CFillTables tables)
{
    CBoxSlots slots;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, slots))
        return;
    const CCylinderOutliner outliner(dc, *chart, axis);
    const bool ascending = CategoriesAscending(*chart, axis);
    const CBoxChartLayout placed = DrawnInCylinderOrder(
        ClusterCategories(*items, slots.series, CategorySlots(slots, *layout, ValueAxisOf(axis)),
                          ValueAxisOf(axis), ClusteredCylinder(outliner, *layout, axis), ascending),
        axis == CCylinderAxis::Column || ascending, ascending);
    PaintBoxChart(dc, *chart, *items, placed, CylinderSides(*chart, *layout, axis), tables);
}

void DrawStacked(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                 const CChartRowTotalsArray* rowTotals, CChartItemTable* items, CCylinderAxis axis,
                 bool percent, CFillTables tables)
{
    CBoxSlots slots;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, false, slots))
        return;
    const CCylinderOutliner outliner(dc, *chart, axis);
    CStackRules rules = CylinderStackRules(*chart, *layout, axis, outliner);
    if (percent)
        UsePercentShares(rules, *layout, rowTotals, axis);
    const CBoxChartLayout placed =
        StackCategories(*items, slots.series, CategorySlots(slots, *layout, ValueAxisOf(axis)), rules,
                        CategoriesAscending(*chart, axis));
    PaintBoxChart(dc, *chart, *items, placed, CylinderSides(*chart, *layout, axis), tables);
}

} // namespace

void CCylinderChartPainter::DrawColumnCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                                CChartItemTable* items) const
{
    DrawClustered(dc, chart, layout, items, CCylinderAxis::Column, m_tables);
}

void CCylinderChartPainter::DrawStackedColumnCylinders(CDC* dc, CNorvakChart* chart,
                                                       const CChartLayout* layout,
                                                       const CChartRowTotalsArray* rowTotals,
                                                       CChartItemTable* items) const
{
    DrawStacked(dc, chart, layout, rowTotals, items, CCylinderAxis::Column, false, m_tables);
}

void CCylinderChartPainter::DrawPercentColumnCylinders(CDC* dc, CNorvakChart* chart,
                                                       const CChartLayout* layout,
                                                       const CChartRowTotalsArray* rowTotals,
                                                       CChartItemTable* items) const
{
    DrawStacked(dc, chart, layout, rowTotals, items, CCylinderAxis::Column, true, m_tables);
}

void CCylinderChartPainter::DrawBarCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                             CChartItemTable* items) const
{
    DrawClustered(dc, chart, layout, items, CCylinderAxis::Bar, m_tables);
}

void CCylinderChartPainter::DrawStackedBarCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                                    const CChartRowTotalsArray* rowTotals,
                                                    CChartItemTable* items) const
{
    DrawStacked(dc, chart, layout, rowTotals, items, CCylinderAxis::Bar, false, m_tables);
}

void CCylinderChartPainter::DrawPercentBarCylinders(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                                    const CChartRowTotalsArray* rowTotals,
                                                    CChartItemTable* items) const
{
    DrawStacked(dc, chart, layout, rowTotals, items, CCylinderAxis::Bar, true, m_tables);
}

void DrawCylinderChartBody(const CChartBodyCall& call)
{
    const CCylinderChartPainter painter(call.tables);
    switch (call.subType) {
    case 0:
        painter.DrawColumnCylinders(call.dc, call.chart, &call.layout, call.items);
        break;
    case 1:
        painter.DrawStackedColumnCylinders(call.dc, call.chart, &call.layout, call.rowTotals, call.items);
        break;
    case 2:
        painter.DrawPercentColumnCylinders(call.dc, call.chart, &call.layout, call.rowTotals, call.items);
        break;
    case 3:
        painter.DrawBarCylinders(call.dc, call.chart, &call.layout, call.items);
        break;
    case 4:
        painter.DrawStackedBarCylinders(call.dc, call.chart, &call.layout, call.rowTotals, call.items);
        break;
    case 5:
        painter.DrawPercentBarCylinders(call.dc, call.chart, &call.layout, call.rowTotals, call.items);
        break;
    default:
        break;
    }
}
