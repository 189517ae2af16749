#pragma once

// Chart records for the grid's tests: a bare chart over a rectangle, one with every part laid
// out, and a column chart with data for the chart front end; a chart drawer that fills a chart
// with its whole-chart colour.

#include "chart/model/ChartValueRange.h"
#include "chart/model/NewChart.h"
#include "chart/model/NorvakChart.h"
#include "framework/CDC.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <vector>

// Shown, all parts shown, every part rectangle empty but the whole chart's; the colour goes into
// the whole chart's fill.
inline CNorvakChart MakeBareGridChart(const CRect& whole, COLORREF colour = 0)
{
    CNorvakChart chart;
    chart.bVisible = 1;
    chart.nSelPart = -1;
    chart.partOrder = CNorvakChart::DefaultPartOrder();
    chart.rcChart = chart.rcVisible = whole;
    chart.chartStyle.crColour1 = colour;
    return chart;
}

// At (100, 100)-(300, 300), moved by offset, with a plot area over most of it and a title inside
// the plot area.
inline CNorvakChart MakeLaidOutGridChart(CPoint offset = CPoint())
{
    CNorvakChart chart = MakeBareGridChart(CRect(100, 100, 300, 300));
    chart.bCreated = 1;
    const CRect rects[7] = {
        {100, 100, 300, 300}, // whole
        {110, 110, 250, 290}, // plot area
        {255, 150, 295, 250}, // legend
        {110, 280, 250, 290}, // data area
        {150, 120, 210, 140}, // chart title, inside the plot area
        {150, 270, 210, 280}, // X-axis title
        {112, 150, 125, 250}, // Y-axis title
    };
    for (int part = 0; part < 7; ++part) {
        *chart.PartRect(part) = rects[part];
        chart.PartRect(part)->OffsetRect(offset.x, offset.y);
    }
    chart.rcVisible = chart.rcChart;
    return chart;
}

// Fills the chart's rectangle with its whole-chart colour.
inline void FillGridChart(CDC& dc, CNorvakChart& chart)
{
    dc.FillSolidRect(chart.rcChart, chart.chartStyle.crColour1);
}

// A new clustered column chart with two categories of three series, the series in the colours
// given, laid out in whole: the plot on its left, the legend on its right, a title along its top.
inline CNorvakChart MakeColumnGridChart(const CRect& whole, const COLORREF (&series)[3])
{
    static const char* const kValues[2][3] = {{"120", "80", "45"}, {"95", "60", "110"}};
    static const char* const kNames[3] = {"华东", "华北", "华南"};
    CChartPageSettings settings;
    settings.chChartType = kChartColumn;
    settings.chChartSubType = 0;
    for (const auto& category : kValues) {
        settings.items.emplace_back();
        for (int s = 0; s < 3; ++s)
            settings.items.back().emplace_back(category[s], series[s], kChartColumn, 0);
    }
    for (int s = 0; s < 3; ++s)
        settings.legendItems.emplace_back(kChartColumn, 0, kNames[s], series[s]);
    const std::vector<COLORREF> colours(std::begin(series), std::end(series));
    const CNorvakPage page(0, "Sheet1", 0);
    const CNorvakPageCells cells(0);
    CalcChartValueRange(settings);
    CalcStackedValueRange(settings, CChartCellSource{page, cells, colours});
    const int w = whole.Width();
    const int h = whole.Height();
    CChartPartRects rects;
    rects.rects[kChartWhole] = whole;
    rects.rects[kChartPlot] = CRect(whole.left + 10, whole.top + 30, whole.left + w * 7 / 10, whole.bottom - 10);
    rects.rects[kChartLegend] = CRect(whole.left + w * 3 / 4, whole.top + h / 3, whole.right - 5, whole.top + h * 2 / 3);
    rects.rects[kChartDataArea] = CRect(whole.left + 5, whole.top + 25, whole.left + w * 7 / 10 + 5, whole.bottom - 5);
    rects.rects[kChartTitle] = CRect(whole.left + w / 4, whole.top + 4, whole.right - w / 4, whole.top + 22);
    return CreateNewChart(settings, rects);
}
