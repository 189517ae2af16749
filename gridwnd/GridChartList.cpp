#include "gridwnd/GridChartList.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kDefaultStyle[CGridChartList::kStyleCount] = {0, 1, 1,        0,        0,        0,
                                                            0, 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0};
constexpr int kFirstSlotGap = 20;
constexpr int kSmallestSlot = 20;

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

int TrackerHitTest(const CRect& rect, CPoint point)
{
    if (rect.IsRectEmpty())
        return -1;
    const int h = CGridChartList::kTrackerHandle;
    const int midX = (rect.left + rect.right - h) / 2;
    const int midY = (rect.top + rect.bottom - h) / 2;
    const CPoint handles[8] = {
        {rect.left, rect.top},        {rect.right - h, rect.top}, {rect.right - h, rect.bottom - h},
        {rect.left, rect.bottom - h}, {midX, rect.top},           {rect.right - h, midY},
        {midX, rect.bottom - h},      {rect.left, midY}};
    for (int i = 0; i < 8; ++i)
        if (CRect(handles[i], CSize(h, h)).PtInRect(point))
            return i;
    return rect.PtInRect(point) ? 8 : -1;
}

CGridChartList::CGridChartList()
{
    std::copy(std::begin(kDefaultStyle), std::end(kDefaultStyle), m_style);
}

int CGridChartList::Add(std::unique_ptr<CGridChart> chart)
{
    m_charts.push_back(std::move(chart));
    return GetCount() - 1;
}

CGridChart* CGridChartList::GetAt(int index) const
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
        if (!m_charts[size_t(selected)]->WholeRect().PtInRect(CPoint(x, y))) {
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
    CGridChart* chart = GetAt(index);
    if (!chart || !chart->bShown || !chart->WholeRect().PtInRect(CPoint(x, y)))
        return -1;
    if (currentPart != -1)
        return currentPart;
    for (int part = CGridChart::kPartCount - 1; part >= 1; --part) {
        if (!chart->partShown[part] || !chart->rects[part].PtInRect(CPoint(x, y)))
            continue;
        SelectChartPart(index, part);
        if (part == 2)
            chart->HitLegendEntries(x, y);
        else if (part == 1)
            chart->HitDataFaces(x, y);
        return part;
    }
    DeselectCharts();
    SelectChartPart(index, 0);
    return 0;
}

void CGridChartList::SelectChartPart(int index, int part)
{
    CGridChart* chart = GetAt(index);
    if (!chart)
        return;
    for (const auto& each : m_charts)
        each->bHot = false;
    chart->bSelected = true;
    chart->bHot = true;
    chart->nSelPart = part;
    m_tracker = part >= 0 && part < CGridChart::kPartCount ? chart->rects[part] : CRect();
}

void CGridChartList::DeselectCharts()
{
    for (const auto& chart : m_charts)
        if (chart->bSelected) {
            chart->bSelected = false;
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
    CGridChart& chart = *m_charts[size_t(index)];
    const int part = chart.nSelPart;
    chart.bSelected = false;
    chart.nSelPart = -1;
    CRect repaint = chart.WholeRect();
    if (part == 0) {
        chart.bShown = false;
    } else if (part > 0 && part < CGridChart::kPartCount) {
        chart.partShown[part] = false;
        repaint = chart.rects[part];
    }
    m_tracker.SetRectEmpty();
    return repaint;
}

std::vector<int> CGridChartList::DrawingOrder() const
{
    std::vector<int> order;
    int hot = -1;
    for (int index = 0; index < GetCount(); ++index) {
        if (m_charts[size_t(index)]->bHot && hot < 0)
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
