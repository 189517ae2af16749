#pragma once

// Chart records for the grid's tests: a bare chart over a rectangle, and one with every part laid
// out; a chart drawer that fills a chart with its whole-chart colour.

#include "chart/model/NorvakChart.h"
#include "framework/CDC.h"

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
