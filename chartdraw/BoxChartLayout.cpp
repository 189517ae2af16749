#include "chartdraw/BoxChartLayout.h"

#include "chart/model/ChartDrawingViews.h"
#include "chart/model/ChartMath.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

CAxisReach AxisReachOf(const CChartLayout& layout)
{
    return CAxisReach{ValueToPixels(DBL_MAX, layout), ValueToPixels(-DBL_MAX, layout)};
}

void ForgetDrawnGeometry(CChartItemTable& items)
{
    for (CChartItemArray& row : items)
        for (CChartItem& item : row) {
            item.ReleaseGeometry();
            std::fill(std::begin(item.labelCorners), std::end(item.labelCorners), POINT{});
        }
}

CChartItem* PointAt(CChartItemTable& items, int row, int series)
{
    if (row < 0 || size_t(row) >= items.size() || series < 0 || size_t(series) >= items[size_t(row)].size())
        return nullptr;
    return &items[size_t(row)][size_t(series)];
}

void WriteBoxFaces(CChartItem& item, const CBoxFaces& faces)
{
    for (int k = 0; k < CChartItem::kFaces; ++k)
        item.faceOutline[k].assign(faces[size_t(k)].begin(), faces[size_t(k)].end());
}

bool StartBoxDrawing(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, CChartItemTable* items,
                     int firstGap, bool needsSeries, CBoxSlots& slots)
{
    if (!dc || !chart || !layout || !items)
        return false;
    ForgetDrawnGeometry(*items);
    slots.rows = int(std::min<size_t>(items->size(), INT_MAX));
    slots.series = items->empty() ? 0 : int(std::min<size_t>(items->front().size(), INT_MAX));
    slots.slots = DivideIntoSlots(layout->nCategoryLength, slots.rows, firstGap);
    if (!slots.slots.fits || (needsSeries && slots.series == 0))
        return false;
    ResetChartItemBuffers(*chart, *items);
    return true;
}

CChartRowTotals RowTotalsOf(const CChartRowTotalsArray* rowTotals, int row)
{
    return rowTotals && row >= 0 && size_t(row) < rowTotals->size() ? (*rowTotals)[size_t(row)]
                                                                    : CChartRowTotals{};
}

std::vector<CRect> CategorySlots(const CBoxSlots& slots, const CChartLayout& layout, CStackAxis valueAxis)
{
    std::vector<CRect> out;
    out.reserve(slots.slots.widths.size());
    const int gap = slots.slots.gap;
    if (valueAxis == CStackAxis::Vertical) {
        int x = layout.nOriginX + gap / 2;
        for (int width : slots.slots.widths) {
            out.push_back(CRect(x, 0, AddSaturated(x, width), 0));
            x = AddSaturated(x, AddSaturated(width, gap));
        }
    } else {
        int y = layout.nOriginY - gap / 2;
        for (int height : slots.slots.widths) {
            out.push_back(CRect(0, AddSaturated(y, -height), 0, y));
            y = AddSaturated(y, -AddSaturated(height, gap));
        }
    }
    return out;
}

CPointShape BoxShape(CBoxOfPoint box)
{
    return [box = std::move(box)](CChartItem& point, const CRect& extent, double value) {
        WriteBoxFaces(point, box(extent, value));
    };
}

CBoxChartLayout ClusterCategories(CChartItemTable& items, int series, const std::vector<CRect>& slots,
                                  CStackAxis valueAxis, const CPointShape& shape, bool ascending)
{
    CBoxChartLayout placed;
    std::vector<std::vector<size_t>> categories(slots.size());
    const bool vertical = valueAxis == CStackAxis::Vertical;
    for (size_t i = 0; i < slots.size(); ++i) {
        const CRect& slot = slots[i];
        const std::vector<int> widths = SplitEvenly(vertical ? slot.Width() : slot.Height(), series);
        int at = vertical ? slot.left : slot.bottom; // columns left to right, bars bottom up
        for (int j = 0; j < series; ++j) {
            const int width = widths[size_t(j)];
            const CRect extent = vertical ? CRect(at, 0, AddSaturated(at, width), 0)
                                          : CRect(0, AddSaturated(at, -width), 0, at);
            at = vertical ? extent.right : extent.top;
            CChartItem* item = PointAt(items, int(i), j);
            if (!item)
                continue;
            const bool finite = std::isfinite(item->dValue);
            if (finite)
                shape(*item, extent, item->dValue);
            categories[i].push_back(placed.boxes.size());
            placed.boxes.push_back(CPlacedBox{int(i), j, finite});
        }
        if (!ascending)
            std::reverse(categories[i].begin(), categories[i].end());
    }
    placed.drawOrder = JoinCategories(categories, ascending);
    return placed;
}

std::vector<size_t> JoinCategories(const std::vector<std::vector<size_t>>& categories, bool ascending)
{
    std::vector<size_t> order;
    auto append = [&order](const std::vector<size_t>& category) {
        order.insert(order.end(), category.begin(), category.end());
    };
    if (ascending)
        std::for_each(categories.begin(), categories.end(), append);
    else
        std::for_each(categories.rbegin(), categories.rend(), append);
    return order;
}

namespace {

// The points of a row that are laid out: the first row's count, or fewer in a shorter row.
int LaidOutPoints(const CChartItemTable& items, int row, int series)
{
    return std::min(series, int(std::min<size_t>(items[size_t(row)].size(), INT_MAX)));
}

// The segment of a value from the running ends of its category, and the ends moved past it.
class CStackEnds
{
public:
    explicit CStackEnds(const CStackRules& rules)
        : m_vertical(rules.valueAxis == CStackAxis::Vertical), m_positive(rules.zeroLine),
          m_negative(rules.zeroLine),
          m_positiveEnd(
              AddSaturated(rules.zeroLine, m_vertical ? -rules.reach.positive : rules.reach.positive)),
          m_negativeEnd(
              AddSaturated(rules.zeroLine, m_vertical ? rules.reach.negative : -rules.reach.negative))
    {
    }

    CRect Segment(const CRect& slot, int length, bool positive) const
    {
        if (m_vertical)
            return positive ? CRect(slot.left, std::max(AddSaturated(m_positive, -length), m_positiveEnd),
                                    slot.right, m_positive)
                            : CRect(slot.left, m_negative, slot.right,
                                    std::min(AddSaturated(m_negative, length), m_negativeEnd));
        return positive ? CRect(m_positive, slot.top,
                                std::min(AddSaturated(m_positive, length), m_positiveEnd), slot.bottom)
                        : CRect(std::max(AddSaturated(m_negative, -length), m_negativeEnd), slot.top,
                                m_negative, slot.bottom);
    }

    void MovePast(const CRect& segment, bool positive)
    {
        if (positive)
            m_positive = m_vertical ? segment.top : segment.right;
        else
            m_negative = m_vertical ? segment.bottom : segment.left;
    }

private:
    bool m_vertical;
    int m_positive, m_negative;
    int m_positiveEnd, m_negativeEnd; // where the axis ends on either side
};

std::vector<size_t> StackCategory(CBoxChartLayout& placed, CChartItemTable& items, int row, int series,
                                  const CRect& slot, const CStackRules& rules)
{
    const size_t first = placed.boxes.size();
    const int count = LaidOutPoints(items, row, series);
    const bool hasBoxes = rules.rowHasBoxes(row);
    CStackEnds ends(rules);
    std::vector<CStackSegment> segments;
    for (int j = 0; j < count; ++j) {
        CChartItem& item = items[size_t(row)][size_t(j)];
        const bool finite = std::isfinite(item.dValue);
        const double v = finite ? item.dValue : 0;
        CRect segment = ends.Segment(slot, rules.length(row, v), v >= 0);
        if (j == count - 1)
            rules.finishRow(row, v, segment);
        ends.MovePast(segment, v >= 0);
        const bool hasBox = finite && v != 0 && hasBoxes;
        if (hasBox)
            rules.shape(item, segment, v);
        placed.boxes.push_back(CPlacedBox{row, j, hasBox});
        segments.push_back(CStackSegment{j, segment});
    }
    SortStackSegments(segments, rules.valueAxis);
    std::vector<size_t> order;
    for (const CStackSegment& segment : segments)
        order.push_back(first + size_t(segment.series));
    if (rules.farEndFirst)
        std::reverse(order.begin(), order.end());
    return order;
}

} // namespace

CBoxChartLayout StackCategories(CChartItemTable& items, int series, const std::vector<CRect>& slots,
                                const CStackRules& rules, bool ascending)
{
    CBoxChartLayout placed;
    std::vector<std::vector<size_t>> categories(slots.size());
    for (size_t i = 0; i < slots.size(); ++i)
        categories[i] = StackCategory(placed, items, int(i), series, slots[i], rules);
    placed.drawOrder = JoinCategories(categories, ascending);
    return placed;
}
