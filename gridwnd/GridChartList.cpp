#include "gridwnd/GridChartList.h"

#include "chart/model/ChartHitTest.h"
#include "chart/model/ChartResize.h"
#include "drawing/CChartShapePainter.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr int kDefaultStyle[CGridChartList::kStyleCount] = {0, 1, 1,        0,        0,        0,
                                                            0, 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0};
constexpr int kFirstSlotGap = 20;
constexpr int kSmallestSlot = 20;

// The mouse's drag as the handle's sides take it: a left or top side grows outward.
CSize HandleDelta(int handle, int dx, int dy)
{
    const bool left = handle == 0 || handle == 3 || handle == 7;
    const bool top = handle == 0 || handle == 1 || handle == 4;
    return CSize(left ? -dx : dx, top ? -dy : dy);
}

CRect Bounding(const CRect& a, const CRect& b)
{
    CRect both;
    both.UnionRect(a, b);
    return both;
}

} // namespace

CRect LayoutChartSlot(int left, int top, int right, int bottom, int count, BOOL multiple, int index,
                      int& runningX)
{
    if (count <= 0)
        return CRect();
    if (!multiple)
        count = 1;
    int gap = kFirstSlotGap;
    int width = (right - count * gap - left) / count;
    while (width < kSmallestSlot && gap > 0) {
        --gap;
        width = (right - count * gap - left) / count;
    }
    const int extra = width > 0 ? (right - count * gap - left) % count : 0;
    if (runningX == 0 || !multiple)
        runningX = left + gap / 2;
    const int slot = multiple ? index : 0;
    const int slotWidth = width + (slot < extra ? 1 : 0);
    const int areaHeight = bottom - top;
    CRect box = areaHeight < slotWidth
                    ? CRect(runningX, top, runningX + slotWidth, bottom)
                    : CRect(runningX, top + (areaHeight - slotWidth) / 2, runningX + slotWidth,
                            top + (areaHeight - slotWidth) / 2 + slotWidth);
    runningX += slotWidth + gap;
    const int side = std::min(box.Width(), box.Height());
    const CPoint corner(box.left + (box.Width() - side) / 2, box.top + (box.Height() - side) / 2);
    return CRect(corner, CSize(side, side));
}

std::array<CRect, 8> TrackerHandles(const CRect& rect)
{
    const int h = CGridChartList::kTrackerHandle;
    const int midX = (rect.left + rect.right - h) / 2;
    const int midY = (rect.top + rect.bottom - h) / 2;
    const CPoint corners[8] = {
        {rect.left, rect.top},        {rect.right - h, rect.top}, {rect.right - h, rect.bottom - h},
        {rect.left, rect.bottom - h}, {midX, rect.top},           {rect.right - h, midY},
        {midX, rect.bottom - h},      {rect.left, midY}};
    std::array<CRect, 8> handles;
    for (int i = 0; i < 8; ++i)
        handles[size_t(i)] = CRect(corners[i], CSize(h, h));
    return handles;
}

int TrackerHitTest(const CRect& rect, CPoint point)
{
    if (rect.IsRectEmpty())
        return -1;
    const std::array<CRect, 8> handles = TrackerHandles(rect);
    for (int i = 0; i < 8; ++i)
        if (handles[size_t(i)].PtInRect(point))
            return i;
    return rect.PtInRect(point) ? 8 : -1;
}

CRect TrackedRect(const CRect& rect, int handle, int dx, int dy)
{
    CRect tracked = rect;
    const CSize delta = HandleDelta(handle, dx, dy);
    ChangeRectByHandle(tracked, handle, delta.cx, delta.cy);
    return tracked;
}

CGridChartList::CGridChartList()
{
    std::copy(std::begin(kDefaultStyle), std::end(kDefaultStyle), m_style);
}

int CGridChartList::Add(CNorvakChart chart)
{
    m_charts.push_back(std::make_unique<CNorvakChart>(std::move(chart)));
    return GetCount() - 1;
}

CNorvakChart* CGridChartList::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_charts[size_t(index)].get() : nullptr;
}

void CGridChartList::RemoveAll()
{
    m_charts.clear();
    m_tracker.SetRectEmpty();
}

int CGridChartList::HitTestCharts(int x, int y, int currentPart, int* trackerHit, int* chart)
{
    if (trackerHit)
        *trackerHit = -1;
    if (chart)
        *chart = -1;
    if (m_charts.empty())
        return -1;
    auto report = [&](int index, int part) {
        if (trackerHit)
            *trackerHit = TrackerHitTest(m_tracker, CPoint(x, y));
        if (chart)
            *chart = index;
        return part;
    };
    const int selected = GetSelectedChart();
    if (selected >= 0) {
        if (!m_charts[size_t(selected)]->rcChart.PtInRect(CPoint(x, y))) {
            DeselectCharts();
            currentPart = -1;
        } else if (int part = HitTestChart(selected, x, y, currentPart); part >= 0) {
            return report(selected, part);
        }
    }
    for (int index = GetCount() - 1; index >= 0; --index)
        if (int part = HitTestChart(index, x, y, currentPart); part >= 0)
            return report(index, part);
    return -1;
}

int CGridChartList::HitTestChart(int index, int x, int y, int currentPart)
{
    CNorvakChart* chart = GetAt(index);
    if (!chart || !chart->bVisible || !chart->rcChart.PtInRect(CPoint(x, y)))
        return -1;
    if (currentPart != -1)
        return currentPart;
    for (int part = kChartYAxisTitle; part >= kChartPlot; --part) {
        if (!chart->IsPartShown(part) || !chart->PartRect(part)->PtInRect(CPoint(x, y)))
            continue;
        SelectChartPart(index, part);
        if (part == kChartLegend)
            MarkLegendEntry(*chart, x, y);
        else if (part == kChartPlot)
            MarkDataFace(*chart, x, y);
        return part;
    }
    DeselectCharts();
    SelectChartPart(index, kChartWhole);
    return kChartWhole;
}

void CGridChartList::MarkLegendEntry(CNorvakChart& chart, int x, int y)
{
    if (const auto hit = FindLegendHit(chart, x, y))
        chart.legendItems[size_t(hit->index)].chSelPart = hit->letter;
}

void CGridChartList::MarkDataFace(CNorvakChart& chart, int x, int y)
{
    if (const auto hit = FindHitFace(chart, x, y))
        chart.items[size_t(hit->row)][size_t(hit->markedPoint)].chSelPart = hit->letter;
}

void CGridChartList::SelectChartPart(int index, int part)
{
    CNorvakChart* chart = GetAt(index);
    if (!chart)
        return;
    for (const auto& each : m_charts)
        each->bNewest = 0;
    chart->bSelected = 1;
    chart->bNewest = 1;
    chart->nSelPart = part;
    // A new pick marks again what lies under the mouse.
    for (CChartItemArray& row : chart->items)
        for (CChartItem& point : row)
            point.chSelPart = ' ';
    for (CChartTextItem& entry : chart->legendItems)
        entry.chSelPart = ' ';
    const CRect* rect = chart->PartRect(part);
    m_tracker = rect ? *rect : CRect();
}

void CGridChartList::DeselectCharts()
{
    for (const auto& chart : m_charts)
        if (chart->bSelected) {
            chart->bSelected = 0;
            chart->nSelPart = -1;
        }
    m_tracker.SetRectEmpty();
}

int CGridChartList::GetSelectedChart() const
{
    for (int index = 0; index < GetCount(); ++index)
        if (m_charts[size_t(index)]->bSelected)
            return index;
    return -1;
}

std::optional<CRect> CGridChartList::DeleteSelectedChartPart()
{
    const int index = GetSelectedChart();
    if (index < 0)
        return std::nullopt;
    CNorvakChart& chart = *m_charts[size_t(index)];
    const int part = chart.nSelPart;
    chart.bSelected = 0;
    chart.nSelPart = -1;
    m_tracker.SetRectEmpty();
    if (part == kChartWhole) {
        chart.bVisible = 0;
        return chart.rcChart;
    }
    const CRect* rect = chart.PartRect(part);
    if (!rect)
        return chart.rcChart;
    // A record without a part list shows every part; the list makes one of them hideable.
    if (chart.partOrder.empty())
        chart.partOrder = CNorvakChart::DefaultPartOrder();
    CChartShapePainter::SetPartOption(&chart, part, 0);
    return *rect;
}

std::optional<CRect> CGridChartList::TrackSelectedPart(int handle, int dx, int dy)
{
    CNorvakChart* chart = GetAt(GetSelectedChart());
    CRect* part = chart ? chart->PartRect(chart->nSelPart) : nullptr;
    if (!part || handle < 0 || handle > 8)
        return std::nullopt;
    const CRect tracked = TrackedRect(*part, handle, dx, dy);
    // A handle dragged over the opposite side would turn the rectangle inside out.
    if (tracked.Width() <= 0 || tracked.Height() <= 0)
        return std::nullopt;
    const CRect before = Bounding(chart->rcChart, *part);
    if (chart->nSelPart == kChartWhole) {
        const CSize delta = HandleDelta(handle, dx, dy);
        MoveResizeChart(*chart, delta.cx, delta.cy, handle, true);
    } else {
        *part = tracked;
    }
    m_tracker = *part;
    CRect repaint = Bounding(before, Bounding(chart->rcChart, *part));
    repaint.InflateRect(kTrackerHandle, kTrackerHandle);
    return repaint;
}

void CGridChartList::OffsetCharts(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    for (const auto& chart : m_charts)
        MoveResizeChart(*chart, dx, dy, 8, true);
    if (!m_tracker.IsRectEmpty())
        m_tracker.OffsetRect(dx, dy);
}

std::vector<int> CGridChartList::DrawingOrder() const
{
    std::vector<int> order;
    int hot = -1;
    for (int index = 0; index < GetCount(); ++index) {
        if (m_charts[size_t(index)]->bNewest && hot < 0)
            hot = index;
        else
            order.push_back(index);
    }
    if (hot >= 0)
        order.push_back(hot);
    return order;
}

void CGridChartList::SetChartStyle(const int (&values)[kStyleCount])
{
    std::copy(std::begin(values), std::end(values), m_style);
    m_labels.clear();
}
