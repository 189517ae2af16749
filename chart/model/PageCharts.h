#pragma once

// The charts of a page: insertion and hiding, the order they are drawn in, the clear-of-locked-area
// flags, and the selection state they keep (one selected chart at a time, the newest drawn last).
// Window work (repainting, the tracker) is the caller's: these return the rectangles concerned.

#include "chart/model/ChartPageSettings.h"
#include "chart/model/NorvakChart.h"
#include "sheet/model/NorvakPage.h"

#include <optional>
#include <vector>

using CPageChartList = std::vector<CPageOwned<CNorvakChart>>;

CPageOwned<CNorvakChart> MakePageChart(CNorvakChart chart);

// The page's pending chart settings, made with their defaults on first use.
CChartPageSettings& PendingChartSettings(CNorvakPage& page);

// Null for an index outside the page's list.
CNorvakChart* PageChartAt(CNorvakPage& page, int index);
const CNorvakChart* PageChartAt(const CNorvakPage& page, int index);

// Appends the chart as the page's newest, with no chart of the page selected, and rechecks the
// charts against the locked area; returns its index.
int AppendNewChart(CNorvakPage& page, CNorvakChart chart);
// Clears the chart's shown flag; the rectangle to repaint (rcChart grown by 5), none for a bad index.
std::optional<CRect> HideChart(CNorvakPage& page, int index);

// Chart indexes in drawing order: the list order, the newest chart last so that it lies on top.
std::vector<int> ChartDrawingOrder(const CNorvakPage& page);

// Sets each chart's clear-of-locked-columns and -rows flags from the page's frozen bands.
void AdjustPageChartsToLockedArea(CNorvakPage& page);

void ClearNewestChartFlags(CNorvakPage& page);
// No chart selected, no data point or legend entry marked.
void ClearChartSelection(CNorvakPage& page);
// Makes the chart the page's only selected and newest chart, with the part selected and its data
// points unmarked. The part's rectangle (empty for a part outside 0..6); none for a bad index.
std::optional<CRect> SelectChartPart(CNorvakPage& page, int index, int part);
// The first selected chart, -1 when none.
int GetSelectedChart(const CNorvakPage& page);
// The selected part of the selected chart and its rectangle (emptied first); -1 when none.
int GetSelectedChartPartRect(const CNorvakPage& page, CRect& rect);
// The Delete key: hides the selected chart (part 0) or its selected part and ends the selection;
// the rectangle to repaint, none when nothing was selected.
std::optional<CRect> HideSelectedChartPart(CNorvakPage& page);
