#include "chartdraw/ColumnChartPainter.h"

#include "chart/model/ChartDrawingViews.h"
#include "chart/model/ChartMath.h"
#include "chartdraw/BoxChartDrawing.h"
#include "chartdraw/geometry/SlotDivision.h"

#include <cmath>
#include <functional>

namespace {

constexpr int kCategoryGap = 20;

CBoxChartSides ColumnSides(const CNorvakChart& chart, const CChartLayout& layout)
{
    const POINT* wp = chart.wallPoints;
    CBoxChartSides s;
    s.direction = 0;
    std::copy(wp + 4, wp + 8, s.zeroPlane);
    s.lineBefore[0] = POINT{wp[4].x + 1, wp[4].y};
    s.lineBefore[1] = wp[5];
    s.lineAfter[0] = layout.ptZeroPlane[0];
    s.lineAfter[1] = layout.ptZeroPlane[1];
    s.positiveInFront = wp[0].y < wp[3].y;
    s.negativeInFront = wp[0].y > wp[3].y;
    s.positiveLabelFirst = wp[0].y >= wp[3].y;
    s.negativeLabelFirst = wp[0].y < wp[3].y;
    s.labelFace = 4;
    return s;
}

// Farther categories first: left to right unless the back of the box lies left of its front.
bool CategoriesAscending(const CNorvakChart& chart)
{
    return chart.wallPoints[0].x >= chart.wallPoints[3].x;
}

// The points of a category stacked on one another: positive values upward from the zero line,
// negative values downward, each on the segment below (above) it.
class CColumnStacker
{
public:
    // The height of a point, and whether the row has any box at all.
    using Height = std::function<int(int row, double value)>;
    // Lets the percent kind end a row's last segment on the end of the axis.
    using Finish = std::function<void(int row, double value, CRect& rect)>;

    CColumnStacker(CChartItemTable& items, const CChartLayout& layout, const CBoxSlots& slots)
        : m_items(items), m_layout(layout), m_slots(slots)
    {
    }

    CBoxChartLayout Build(const CNorvakChart& chart, const Height& height, const Finish& finish,
                          const std::function<bool(int row)>& rowHasBoxes) const
    {
        CBoxChartLayout placed;
        std::vector<std::vector<size_t>> categories(size_t(m_slots.rows));
        const bool frontFirst = chart.wallPoints[0].y > chart.wallPoints[3].y;
        int x = m_layout.nOriginX + m_slots.slots.gap / 2;
        for (int i = 0; i < m_slots.rows; ++i) {
            const int width = m_slots.slots.widths[size_t(i)];
            categories[size_t(i)] = StackCategory(placed, i, x, width, height, finish, rowHasBoxes(i));
            if (frontFirst)
                std::reverse(categories[size_t(i)].begin(), categories[size_t(i)].end());
            x = AddSaturated(x, AddSaturated(width, m_slots.slots.gap));
        }
        placed.drawOrder = JoinCategories(categories, CategoriesAscending(chart));
        return placed;
    }

private:
    std::vector<size_t> StackCategory(CBoxChartLayout& placed, int row, int x, int width, const Height& height,
                                      const Finish& finish, bool hasBoxes) const
    {
        const size_t first = placed.boxes.size();
        const int count = LaidOutPoints(m_items, row, m_slots.series);
        int up = m_layout.nOriginY, down = m_layout.nOriginY;
        std::vector<CStackSegment> segments;
        for (int j = 0; j < count; ++j) {
            CChartItem& item = m_items[size_t(row)][size_t(j)];
            const bool finite = std::isfinite(item.dValue);
            const double v = finite ? item.dValue : 0;
            const int h = height(row, v);
            CRect rect = v >= 0 ? CRect(x, AddSaturated(up, -h), AddSaturated(x, width), up)
                                : CRect(x, down, AddSaturated(x, width), AddSaturated(down, h));
            if (j == count - 1)
                finish(row, v, rect);
            if (v >= 0)
                up = rect.top;
            else
                down = rect.bottom;
            const bool hasBox = finite && v != 0 && hasBoxes;
            if (hasBox)
                WriteBoxFaces(item, SegmentBox(rect, v));
            placed.boxes.push_back(CPlacedBox{row, j, hasBox});
            segments.push_back(CStackSegment{j, rect});
        }
        SortStackSegments(segments, CStackAxis::Vertical);
        std::vector<size_t> order;
        for (const CStackSegment& segment : segments)
            order.push_back(first + size_t(segment.series));
        return order;
    }

    // A segment's box stands on its own start: its bottom for a positive value, its top else.
    CBoxFaces SegmentBox(const CRect& rect, double value) const
    {
        const bool positive = value >= 0;
        const CQuad foot = ColumnFootprint(rect.left, rect.Width(), positive ? rect.bottom : rect.top,
                                           m_layout.dDepthLength, m_layout.dDepthAngle);
        return ColumnBoxFaces(foot, positive ? rect.Height() : -rect.Height());
    }

    CChartItemTable& m_items;
    const CChartLayout& m_layout;
    const CBoxSlots& m_slots;
};

} // namespace

void CColumnChartPainter::DrawClusteredColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                              CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CChartLayout& r = *layout;
    CBoxChartLayout placed;
    std::vector<std::vector<size_t>> categories(size_t(c.rows));
    const bool ascending = CategoriesAscending(*chart);
    int x = r.nOriginX + c.slots.gap / 2;
    for (int i = 0; i < c.rows; ++i) {
        const std::vector<int> widths = SplitEvenly(c.slots.widths[size_t(i)], c.series);
        for (int j = 0; j < c.series; ++j) {
            if (CChartItem* item = PointAt(*items, i, j)) {
                const bool finite = std::isfinite(item->dValue);
                const int h = ValueToPixels(item->dValue, r.dTickPixels, r.dTickStep);
                if (finite)
                    WriteBoxFaces(*item, ColumnBoxFaces(ColumnFootprint(x, widths[size_t(j)], r.nOriginY,
                                                                        r.dDepthLength, r.dDepthAngle),
                                                        item->dValue >= 0 ? h : -h));
                categories[size_t(i)].push_back(placed.boxes.size());
                placed.boxes.push_back(CPlacedBox{i, j, finite});
            }
            x = AddSaturated(x, widths[size_t(j)]);
        }
        if (!ascending)
            std::reverse(categories[size_t(i)].begin(), categories[size_t(i)].end());
        x = AddSaturated(x, c.slots.gap);
    }
    placed.drawOrder = JoinCategories(categories, ascending);
    PaintBoxChart(dc, *chart, *items, placed, ColumnSides(*chart, r), m_tables);
}

void CColumnChartPainter::DrawStackedColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                            CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CChartLayout& r = *layout;
    const CBoxChartLayout placed = CColumnStacker(*items, r, c).Build(
        *chart, [&r](int, double v) { return ValueToPixels(v, r.dTickPixels, r.dTickStep); },
        [](int, double, CRect&) {}, [](int) { return true; });
    PaintBoxChart(dc, *chart, *items, placed, ColumnSides(*chart, r), m_tables);
}

void CColumnChartPainter::DrawPercentStackedColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                                   const CChartRowTotalsArray* rowTotals,
                                                   CChartItemTable* items) const
{
    CBoxSlots c;
    if (!StartBoxDrawing(dc, chart, layout, items, kCategoryGap, true, c))
        return;
    const CChartLayout& r = *layout;
    // A row without totals has nothing to share.
    auto totals = [rowTotals](int row) {
        return rowTotals && size_t(row) < rowTotals->size() ? (*rowTotals)[size_t(row)] : CChartRowTotals{};
    };
    const CBoxChartLayout placed = CColumnStacker(*items, r, c).Build(
        *chart,
        [&](int row, double v) {
            const CChartRowTotals t = totals(row);
            return PercentShareLength(v, t.chSign, r.nPositiveLength, r.nNegativeLength, t.dAbsSum,
                                      CShareOrder::ProductFirst);
        },
        [&](int row, double v, CRect& rect) {
            const int sign = totals(row).chSign;
            if (sign == 1)
                rect.top = r.nValueHigh;
            else if (sign == -1 && v < 0)
                rect.bottom = r.nValueLow;
        },
        [&](int row) { return totals(row).dAbsSum > 0; });
    PaintBoxChart(dc, *chart, *items, placed, ColumnSides(*chart, r), m_tables);
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
    CBoxChartLayout placed;
    std::vector<std::vector<size_t>> categories(size_t(c.rows));
    int start = r.nOriginX + c.slots.gap / 2 - SaturateToInt(cosine * g * 0.5);
    for (int i = 0; i < c.rows; ++i) {
        const int width = c.slots.widths[size_t(i)];
        CPoint back(start, r.nOriginY + SaturateToInt(0.5 * g * sine));
        for (int j = 0; j < c.series; ++j) {
            const int e = depth.widths[size_t(j)];
            const CQuad foot = DepthRowFootprint(back, width, e, r.dDepthAngle);
            if (CChartItem* item = PointAt(*items, i, j)) {
                const bool finite = std::isfinite(item->dValue);
                const int h = ValueToPixels(item->dValue, r.dTickPixels, r.dTickStep);
                if (finite)
                    WriteBoxFaces(*item, ColumnBoxFaces(foot, item->dValue >= 0 ? h : -h));
                categories[size_t(i)].push_back(placed.boxes.size());
                placed.boxes.push_back(CPlacedBox{i, j, finite});
            }
            back = CPoint(foot[1].x - SaturateToInt(cosine * g), back.y + SaturateToInt(sine * (e + g)));
        }
        start = AddSaturated(start, AddSaturated(width, c.slots.gap));
    }
    placed.drawOrder = JoinCategories(categories, CategoriesAscending(*chart));
    PaintBoxChart(dc, *chart, *items, placed, ColumnSides(*chart, r), m_tables);
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
