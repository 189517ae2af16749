#pragma once

// A new chart made from a page's pending chart settings: its kind, value range and depth, the
// rectangles of its seven parts, and copies of the page's data table, row totals and legend.

#include "chart/model/ChartPageSettings.h"
#include "chart/model/NorvakChart.h"

#include <functional>

// Fills a freshly built chart from the page: rectangles (rcVisible as rcChart), the part list,
// kind, styles and, when the page has data, its table (pies and rings laid out in rcPlot), row
// totals and legend entries.
void SetUpNewChart(CNorvakChart& chart, const CChartPageSettings& settings, const CChartPartRects& rects);

// Whether a chart may be made from the pending data: its last build was not refused and its table
// holds no more points than a chart may (a table read from a file is not built here).
bool CanMakeChart(const CChartPageSettings& settings);

// A chart of the pending kind with every default of a new chart, set up from the page.
CNorvakChart CreateNewChart(const CChartPageSettings& settings, const CChartPartRects& rects);

// The part rectangles of a chart made by the chart settings sheet, in the frame (100, 50)-(600, 300).
// A part that layoutShown hides collapses onto the edge of the frame it stands by; a shown title is
// fitted around its default text, whose width and height textSize gives (the Y/Z-axis title
// stands upright).
CChartPartRects NewChartPartRects(const int (&layoutShown)[6], const std::function<CSize(const char*)>& textSize);
