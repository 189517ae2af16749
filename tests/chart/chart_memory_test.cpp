// Every block the chart model allocates is freed again: series building, insertion, rebuilding,
// the buffers a drawing fills, copies of charts and the deletion of the page, counted through the
// program's operator new and delete.

#include "chart/model/ChartDrawingViews.h"
#include "chart/model/ChartValueRange.h"
#include "chart/model/NewChart.h"
#include "chart/model/PageCharts.h"
#include "tests/chart/ChartSheet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

namespace {

std::atomic<long long> g_liveBlocks{0};

} // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    ++g_liveBlocks;
    return block;
}

void operator delete(void* block) noexcept
{
    if (!block)
        return;
    --g_liveBlocks;
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

namespace {

CChartPartRects Rects()
{
    CChartPartRects rects;
    rects.rects[kChartWhole] = CRect(100, 100, 500, 400);
    rects.rects[kChartPlot] = CRect(110, 130, 350, 390);
    rects.rects[kChartLegend] = CRect(360, 130, 490, 300);
    return rects;
}

// What a drawing leaves in a chart: fresh face buffers, hit faces copied from them, label corners
// and the axis labels built again.
void Draw(CNorvakChart& chart)
{
    ResetChartItemBuffers(chart, chart.items);
    for (CChartItemArray& row : chart.items)
        for (CChartItem& point : row) {
            if (point.faceOutline[0].empty())
                point.faceOutline[0] = {{0, 0}, {9, 0}, {9, 9}, {0, 9}};
            const CChartPointStyle style = PointStyleOf(point);
            CHitFace faces[CChartItem::kFaces];
            for (int k = 0; k < CChartItem::kFaces; ++k)
                faces[k] = CHitFace{style.outline[k], style.outlineCount[k], "zblrsx"[k]};
            StoreHitFaces(point, faces);
            CChartLabelPoint label = LabelPointOf(point);
            label.labelCorners[2] = POINT{4, 4};
            StoreLabelCorners(point, label);
        }
    chart.textLabels.assign(5, CChartTextLabel(1800));
}

void BuildInsertRebuildDrawCopyDelete()
{
    auto sheet = std::make_unique<ChartSheet>(6, 4, 1, 1);
    CChartPageSettings& settings = sheet->settings;
    sheet->Build(kChartColumn, 3, true);
    CalcChartValueRange(settings);
    AppendNewChart(sheet->page, CreateNewChart(settings, Rects()));

    SetChartType(settings, sheet->Source(), kChartPie, 7); // rebuilds the series
    CalcStackedValueRange(settings, sheet->Source());
    AppendNewChart(sheet->page, CreateNewChart(settings, Rects()));
    RebuildChartSeries(settings, sheet->Source());

    for (int pass = 0; pass < 2; ++pass)
        for (auto& chart : sheet->page.m_charts)
            Draw(*chart);

    CNorvakChart copy = *sheet->page.m_charts[0];
    *sheet->page.m_charts[1] = copy;
    AppendNewChart(sheet->page, std::move(copy));
    HideChart(sheet->page, 0);
    sheet.reset();
}

} // namespace

TEST(ChartMemory, EveryBlockComesBack)
{
    BuildInsertRebuildDrawCopyDelete(); // first uses of shared defaults stay allocated
    const long long before = g_liveBlocks;
    BuildInsertRebuildDrawCopyDelete();
    EXPECT_EQ(g_liveBlocks, before);
    // The count sees the model's blocks: a chart alone holds some.
    auto chart = std::make_unique<CNorvakChart>(kChartColumn, 0, 0, 1);
    EXPECT_GT(g_liveBlocks, before);
}
