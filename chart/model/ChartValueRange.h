#pragma once

// The value ranges of a page's pending chart data: the clustered range (the smallest and largest
// point) and the stacked range (the largest negative and positive sums of the rows, or of the
// categories for the stacked lines), and which of them a chart kind uses.

#include "chart/model/SeriesBuilder.h"

enum class CChartRangeKind
{
    None,
    Clustered,
    Stacked,
};

// The sums of one row or stacked group: negative, positive and absolute, and its sign class.
CChartRowTotals CalcRowTotals(const std::vector<double>& values);

// The range a new chart of the kind takes; None for a type above 4 or a sub-type above its last.
CChartRangeKind RangeOfNewChart(int type, int subType);

// Sets the clustered range (0 to 0 without a point) and, when some row has no negative value and
// some row no positive one, the mixed-sign flag (never cleared here).
void CalcChartValueRange(CChartPageSettings& settings);
// Pies first rebuild their series. Then the row totals and the stacked range; an empty table keeps
// the previous range.
void CalcStackedValueRange(CChartPageSettings& settings, const CChartCellSource& source);
// Recomputes the range that the pending type and sub-type use; for pies both (they take the
// clustered range and draw from the row totals of the stacked one).
void UpdateChartValueRange(CChartPageSettings& settings, const CChartCellSource& source);
// The range a new chart of the pending kind takes; 0 and 0 when it takes none.
void GetChartValueRange(const CChartPageSettings& settings, double& minValue, double& maxValue);
