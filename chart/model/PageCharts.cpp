#include "chart/model/PageCharts.h"

#include "drawing/CChartShapePainter.h"
#include "sheet/model/ChartPanes.h"

namespace {

void DeleteChart(CNorvakChart* chart)
{
    delete chart;
}

void UnmarkItems(CNorvakChart& chart)
{
    for (CChartItemArray& row : chart.items)
        for (CChartItem& point : row)
            point.chSelPart = ' ';
}

CRect Grown(CRect rect, int by)
{
    rect.InflateRect(by, by);
    return rect;
}

} // namespace

CPageOwned<CNorvakChart> MakePageChart(CNorvakChart chart)
{
    return CPageOwned<CNorvakChart>(new CNorvakChart(std::move(chart)), &DeleteChart);
}

CChartPageSettings& PendingChartSettings(CNorvakPage& page)
{
    if (!page.m_chartSettings)
        page.m_chartSettings = CPageOwned<CChartPageSettings>(new CChartPageSettings,
                                                              +[](CChartPageSettings* settings) { delete settings; });
    return *page.m_chartSettings;
}

CNorvakChart* PageChartAt(CNorvakPage& page, int index)
{
    return index >= 0 && size_t(index) < page.m_charts.size() ? page.m_charts[size_t(index)].get() : nullptr;
}

const CNorvakChart* PageChartAt(const CNorvakPage& page, int index)
{
    return index >= 0 && size_t(index) < page.m_charts.size() ? page.m_charts[size_t(index)].get() : nullptr;
}

int AppendNewChart(CNorvakPage& page, CNorvakChart chart)
{
    ClearNewestChartFlags(page);
    ClearChartSelection(page);
    chart.bNewest = 1;
    page.m_charts.push_back(MakePageChart(std::move(chart)));
    AdjustPageChartsToLockedArea(page);
    return int(page.m_charts.size()) - 1;
}

std::optional<CRect> HideChart(CNorvakPage& page, int index)
{
    CNorvakChart* chart = PageChartAt(page, index);
    if (!chart)
        return std::nullopt;
    chart->bVisible = 0;
    return Grown(chart->rcChart, 5);
}

std::vector<int> ChartDrawingOrder(const CNorvakPage& page)
{
    std::vector<int> order, newest;
    for (size_t i = 0; i < page.m_charts.size(); ++i)
        (page.m_charts[i]->bNewest ? newest : order).push_back(int(i));
    order.insert(order.end(), newest.begin(), newest.end());
    return order;
}

void AdjustPageChartsToLockedArea(CNorvakPage& page)
{
    std::vector<CChartPlacement> placements;
    placements.reserve(page.m_charts.size());
    for (const auto& chart : page.m_charts)
        placements.push_back(
            CChartPlacement{chart->rcChart, chart->rcVisible, chart->bClearOfLockedCols, chart->bClearOfLockedRows});
    std::vector<CChartPlacement*> pointers;
    for (CChartPlacement& placement : placements)
        pointers.push_back(&placement);
    SheetModel::AdjustChartsToLockedArea(page, pointers);
    for (size_t i = 0; i < placements.size(); ++i) {
        page.m_charts[i]->bClearOfLockedCols = placements[i].bClearOfLockedCols;
        page.m_charts[i]->bClearOfLockedRows = placements[i].bClearOfLockedRows;
    }
}

void ClearNewestChartFlags(CNorvakPage& page)
{
    for (auto& chart : page.m_charts)
        chart->bNewest = 0;
}

void ClearChartSelection(CNorvakPage& page)
{
    for (auto& chart : page.m_charts) {
        if (chart->bSelected) {
            chart->bSelected = 0;
            chart->nSelPart = -1;
        }
        UnmarkItems(*chart);
        for (CChartTextItem& entry : chart->legendItems)
            entry.chSelPart = ' ';
    }
}

std::optional<CRect> SelectChartPart(CNorvakPage& page, int index, int part)
{
    CNorvakChart* chosen = PageChartAt(page, index);
    if (!chosen)
        return std::nullopt;
    for (auto& chart : page.m_charts) {
        chart->bNewest = 0;
        if (chart.get() != chosen && chart->bSelected) {
            chart->bSelected = 0;
            chart->nSelPart = -1;
        }
    }
    chosen->bSelected = 1;
    chosen->bNewest = 1;
    chosen->nSelPart = part;
    UnmarkItems(*chosen);
    const CRect* rect = chosen->PartRect(part);
    return rect ? *rect : CRect();
}

int GetSelectedChart(const CNorvakPage& page)
{
    for (size_t i = 0; i < page.m_charts.size(); ++i)
        if (page.m_charts[i]->bSelected)
            return int(i);
    return -1;
}

int GetSelectedChartPartRect(const CNorvakPage& page, CRect& rect)
{
    rect = CRect();
    const CNorvakChart* chart = PageChartAt(page, GetSelectedChart(page));
    if (!chart)
        return -1;
    if (const CRect* part = chart->PartRect(chart->nSelPart))
        rect = *part;
    return chart->nSelPart;
}

std::optional<CRect> HideSelectedChartPart(CNorvakPage& page)
{
    CNorvakChart* chart = PageChartAt(page, GetSelectedChart(page));
    if (!chart)
        return std::nullopt;
    const int part = chart->nSelPart;
    chart->bSelected = 0;
    chart->nSelPart = -1;
    const CRect* rect = chart->PartRect(part);
    if (!rect)
        return std::nullopt;
    if (part == kChartWhole)
        chart->bVisible = 0;
    else
        CChartShapePainter::SetPartOption(chart, part, 0);
    return *rect;
}
