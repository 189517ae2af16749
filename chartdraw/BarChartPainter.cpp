#include "chartdraw/BarChartPainter.h"

#include "chart/model/ChartMath.h"
#include "chartdraw/BoxChartDrawing.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kCategoryGap = 10;

CBoxChartSides BarSides(const CNorvakChart& chart, const char* deferredGrips)
{
    const POINT* wp = chart.wallPoints;
    CBoxChartSides s;
    s.direction = 1;
    s.zeroPlane[0] = wp[1];
    s.zeroPlane[1] = wp[7];
    s.zeroPlane[2] = wp[10];
    s.zeroPlane[3] = wp[4];
    s.lineBefore[0] = wp[1];
    s.lineBefore[1] = wp[7];
    s.lineAfter[0] = POINT{wp[4].x, wp[4].y + 2};
    s.lineAfter[1] = wp[10];
    s.positiveInFront = wp[0].x > wp[5].x;
    s.negativeInFront = wp[0].x < wp[5].x;
    s.positiveLabelFirst = wp[0].x < wp[5].x;
    s.negativeLabelFirst = wp[0].x >= wp[5].x;
    s.labelFace = 3;
    s.deferredGrips = deferredGrips;
    return s;
}

// Farther categories first: bottom to top unless the back of the box lies below its front.
bool CategoriesAscending(const CNorvakChart& chart)
{
    return chart.wallPoints[0].y <= chart.wallPoints[5].y;
}

// The points of a category end to end: positive values rightward from the zero line, negative
// values leftward, each from the end of the segment before it on its side.
class CBarStacker
{
public:
    using Length = std::function<int(int row, double value)>;
    // Lets the percent kind end a row's last segment on the end of the axis.
    using Finish = std::function<void(int row, double value, CRect& rect)>;

    CBarStacker(CChartItemTable& items, const CChartLayout& layout, const CBoxSlots& slots)
        : m_items(items), m_layout(layout), m_slots(slots)
    {
    }

    CBoxChartLayout Build(const CNorvakChart& chart, const Length& length, const Finish& finish,
                          const std::function<bool(int row)>& rowHasBoxes) const
    {
        CBoxChartLayout placed;
        std::vector<std::vector<size_t>> categories(size_t(m_slots.rows));
        const bool rightFirst = chart.wallPoints[0].x <= chart.wallPoints[5].x;
        int y = m_layout.nOriginY - m_slots.slots.gap / 2;
        for (int i = 0; i < m_slots.rows; ++i) {
            const int height = m_slots.slots.widths[size_t(i)];
            std::vector<size_t>& order = categories[size_t(i)];
            order = StackCategory(placed, i, CRect(0, AddSaturated(y, -height), 0, y), length, finish,
                                  rowHasBoxes(i));
            if (!rightFirst)
                std::reverse(order.begin(), order.end());
            y = AddSaturated(y, -AddSaturated(height, m_slots.slots.gap));
        }
        placed.drawOrder = JoinCategories(categories, CategoriesAscending(chart));
        return placed;
    }

private:
    std::vector<size_t> StackCategory(CBoxChartLayout& placed, int row, const CRect& rows, const Length& length,
                                      const Finish& finish, bool hasBoxes) const
    {
        const size_t first = placed.boxes.size();
        const int count = LaidOutPoints(m_items, row, m_slots.series);
        int right = m_layout.nOriginX, left = m_layout.nOriginX;
        std::vector<CStackSegment> segments;
        for (int j = 0; j < count; ++j) {
            CChartItem& item = m_items[size_t(row)][size_t(j)];
            const bool finite = std::isfinite(item.dValue);
            const double v = finite ? item.dValue : 0;
            const int len = length(row, v);
            CRect rect = v >= 0 ? CRect(right, rows.top, AddSaturated(right, len), rows.bottom)
                                : CRect(AddSaturated(left, -len), rows.top, left, rows.bottom);
            if (j == count - 1)
                finish(row, v, rect);
            if (v >= 0)
                right = rect.right;
            else
                left = rect.left;
            const bool hasBox = finite && v != 0 && hasBoxes;
            if (hasBox)
                WriteBoxFaces(item, SegmentBox(rect, v));
            placed.boxes.push_back(CPlacedBox{row, j, hasBox});
            segments.push_back(CStackSegment{j, rect});
        }
        SortStackSegments(segments, CStackAxis::Horizontal);
        std::vector<size_t> order;
        for (const CStackSegment& segment : segments)
            order.push_back(first + size_t(segment.series));
        return order;
    }

    // A segment's box starts at its own start: its left edge for a positive value, its right else.
    CBoxFaces SegmentBox(const CRect& rect, double value) const
    {
        const bool positive = value >= 0;
        return BarBoxFaces(positive ? rect.left : rect.right, rect.top, rect.bottom,
                           positive ? rect.Width() : -rect.Width(), m_layout.dDepthLength, m_layout.dDepthAngle);
    }

    CChartItemTable& m_items;
    const CChartLayout& m_layout;
    const CBoxSlots& m_slots;
};

} // namespace

void CBarChartPainter::DrawClusteredBar(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double,
                                        double, CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CChartLayout& r = *layout;
    CBoxChartLayout placed;
    std::vector<std::vector<size_t>> categories(size_t(c.rows));
    const bool ascending = CategoriesAscending(*chart);
    int y = r.nOriginY - c.slots.gap / 2;
    for (int i = 0; i < c.rows; ++i) {
        const std::vector<int> heights = SplitEvenly(c.slots.widths[size_t(i)], c.series);
        for (int j = 0; j < c.series; ++j) {
            const int top = AddSaturated(y, -heights[size_t(j)]);
            if (CChartItem* item = PointAt(*items, i, j)) {
                const bool finite = std::isfinite(item->dValue);
                const int len = ValueToPixels(item->dValue, r.dTickPixels, r.dTickStep);
                if (finite)
                    WriteBoxFaces(*item, BarBoxFaces(r.nOriginX, top, y, item->dValue >= 0 ? len : -len,
                                                     r.dDepthLength, r.dDepthAngle));
                categories[size_t(i)].push_back(placed.boxes.size());
                placed.boxes.push_back(CPlacedBox{i, j, finite});
            }
            y = top;
        }
        if (!ascending)
            std::reverse(categories[size_t(i)].begin(), categories[size_t(i)].end());
        y = AddSaturated(y, -c.slots.gap);
    }
    placed.drawOrder = JoinCategories(categories, ascending);
    PaintBoxChart(dc, *chart, *items, placed, BarSides(*chart, "z"), m_tables);
}

void CBarChartPainter::DrawStackedBar(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double, double,
                                      const CChartRowTotalsArray*, CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, false, c))
        return;
    const CChartLayout& r = *layout;
    const CBoxChartLayout placed = CBarStacker(*items, r, c).Build(
        *chart, [&r](int, double v) { return ValueToPixels(v, r.dTickPixels, r.dTickStep); },
        [](int, double, CRect&) {}, [](int) { return true; });
    PaintBoxChart(dc, *chart, *items, placed, BarSides(*chart, "zs"), m_tables);
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
    auto totals = [rowTotals](int row) {
        return rowTotals && size_t(row) < rowTotals->size() ? (*rowTotals)[size_t(row)] : CChartRowTotals{};
    };
    const CBoxChartLayout placed = CBarStacker(*items, r, c).Build(
        *chart,
        [&](int row, double v) {
            const CChartRowTotals t = totals(row);
            const int len = PercentShareLength(v, t.chSign, r.nPositiveLength, r.nNegativeLength, t.dAbsSum,
                                               CShareOrder::QuotientFirst);
            return v >= 0 ? len + extra : len;
        },
        [&](int row, double v, CRect& rect) {
            const int sign = totals(row).chSign;
            if (sign == 1 && v >= 0)
                rect.right = r.nValueHigh - 1;
            else if (sign == -1 && v < 0)
                rect.left = r.nValueLow;
        },
        [&](int row) { return totals(row).dAbsSum > 0; });
    PaintBoxChart(dc, *chart, *items, placed, BarSides(*chart, "zs"), m_tables);
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
