#include "chart/model/ChartHitTest.h"

#include "chart/model/PageCharts.h"
#include "framework/CGdiObject.h"
#include "sheet/model/ChartPanes.h"

#include <cstring>

namespace {

constexpr char kFaceLetters[] = "zblrsx";

bool Holds(const CRect& rect, int x, int y)
{
    return rect.PtInRect(CPoint(x, y));
}

bool Hittable(const CNorvakChart& chart, int x, int y)
{
    return chart.bVisible && Holds(chart.rcChart, x, y);
}

// The first shown part of 6..1 whose rectangle holds the point; 0 when none.
int TopPartRect(const CNorvakChart& chart, int x, int y)
{
    for (int part = kChartYAxisTitle; part >= kChartPlot; --part)
        if (chart.IsPartShown(part) && Holds(*chart.PartRect(part), x, y))
            return part;
    return 0;
}

bool PolygonHolds(const std::vector<POINT>& points, int x, int y)
{
    if (points.size() < 3 || points.size() > size_t(INT_MAX))
        return false;
    CRgn region;
    return region.CreatePolygonRgn(points.data(), int(points.size()), ALTERNATE) && region.PtInRegion(x, y);
}

// The hit face of one point, tested in recorded order.
std::optional<CChartFaceHit> HitPoint(const CNorvakChart& chart, int row, int point, int x, int y)
{
    const CChartItemArray& items = chart.items[size_t(row)];
    const CChartItem& item = items[size_t(point)];
    for (int face = 0; face < CChartItem::kFaces; ++face) {
        const CChartHitFace& hit = item.hitFaces[face];
        const char* letter = hit.chLetter ? std::strchr(kFaceLetters, hit.chLetter) : nullptr;
        if (!letter || !PolygonHolds(hit.points, x, y))
            continue;
        const bool flatLine = chart.nType == kChartLine && chart.nSubType >= 0 && chart.nSubType <= 5;
        const int marked = flatLine && size_t(point) + 1 < items.size() ? point + 1 : point;
        return CChartFaceHit{row, point, face, hit.chLetter, 10 + int(letter - kFaceLetters), marked};
    }
    return std::nullopt;
}

std::optional<CChartFaceHit> HitRowFromLast(const CNorvakChart& chart, int row, int x, int y)
{
    for (int point = int(chart.items[size_t(row)].size()) - 1; point >= 0; --point)
        if (auto hit = HitPoint(chart, row, point, x, y))
            return hit;
    return std::nullopt;
}

// A pie row: slices are tried from the first while the click lies right of the slice's pie middle;
// once it lies left of it, the whole row from the last slice.
std::optional<CChartFaceHit> HitPieRow(const CNorvakChart& chart, int row, int x, int y)
{
    const CChartItemArray& items = chart.items[size_t(row)];
    for (size_t point = 0; point < items.size(); ++point) {
        const CRect& pie = items[point].rcPie;
        if (x < int(((long long)pie.left + pie.right) / 2))
            return HitRowFromLast(chart, row, x, y);
        if (auto hit = HitPoint(chart, row, int(point), x, y))
            return hit;
    }
    return std::nullopt;
}

} // namespace

CChartPartHit HitTestChartPartRects(const CNorvakPage& page, int x, int y)
{
    const int count = int(page.m_charts.size());
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i)
        if (page.m_charts[size_t(i)]->bNewest && Hittable(*page.m_charts[size_t(i)], x, y))
            found = i;
    for (int i = count - 1; i >= 0 && found < 0; --i)
        if (Hittable(*page.m_charts[size_t(i)], x, y))
            found = i;
    if (found < 0)
        return CChartPartHit{};
    return CChartPartHit{found, TopPartRect(*page.m_charts[size_t(found)], x, y)};
}

int HitTestChartElement(CNorvakChart& chart, int x, int y)
{
    RECT rects[6];
    for (int kind = 1; kind <= 6; ++kind)
        rects[kind - 1] = *chart.PartRect(kind);
    std::vector<CChartElementEntry> entries;
    entries.reserve(chart.partOrder.size());
    for (const CChartPartOption& option : chart.partOrder)
        entries.push_back(CChartElementEntry{option.chPart, option.chLevel, 0, option.nShown});
    const int kind = SheetModel::HitTestChartElement(rects, entries, x, y);
    for (size_t i = 0; i < entries.size(); ++i)
        chart.partOrder[i] = CChartPartOption{entries[i].kind, entries[i].level, entries[i].bShown};
    return kind;
}

std::optional<CChartFaceHit> FindHitFace(const CNorvakChart& chart, int x, int y)
{
    if (chart.IsPie()) {
        if (const int alone = chart.ShownPieRow(); alone >= 0)
            return HitPieRow(chart, alone, x, y);
    }
    for (int row = int(chart.items.size()) - 1; row >= 0; --row) {
        auto hit = chart.IsPie() ? HitPieRow(chart, row, x, y) : HitRowFromLast(chart, row, x, y);
        if (hit)
            return hit;
    }
    return std::nullopt;
}

std::optional<CChartLegendHit> FindLegendHit(const CNorvakChart& chart, int x, int y)
{
    for (size_t i = 0; i < chart.legendItems.size(); ++i) {
        const CChartTextItem& entry = chart.legendItems[i];
        if (!Holds(entry.rcFull, x, y))
            continue;
        if (Holds(entry.rcCaption, x, y))
            return CChartLegendHit{int(i), 20, 't'};
        if (Holds(entry.rcFlag, x, y))
            return CChartLegendHit{int(i), 21, 'f'};
        return CChartLegendHit{int(i), 22, 'a'};
    }
    return std::nullopt;
}

bool HitTestSelectedChartPart(const CNorvakPage& page, int x, int y)
{
    const CNorvakChart* chart = PageChartAt(page, GetSelectedChart(page));
    if (!chart || !chart->bVisible)
        return false;
    if (chart->nSelPart == kChartWhole)
        return Holds(chart->rcVisible, x, y) && TopPartRect(*chart, x, y) == 0;
    const CRect* rect = chart->PartRect(chart->nSelPart);
    return rect && chart->IsPartShown(chart->nSelPart) && Holds(*rect, x, y);
}
