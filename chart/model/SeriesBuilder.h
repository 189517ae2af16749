#pragma once

// A page's chart data table built from its cells (series building), the data-source settings, the
// chart type and the grouping of series, all kept in the page's pending chart settings.
//
// The table's layout: for lines one row per series holding a point per category; for the other
// types one row per category holding a point per series. The grouping flag picks the series:
// every column of the range (set) or every row (clear). Series k takes default colour k modulo the
// colour list's length.

#include "chart/model/ChartPageSettings.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <functional>
#include <vector>

// What series building reads of a page: its grid and selection, its cells and the series colours.
struct CChartCellSource
{
    const CNorvakPage& page;
    const CNorvakPageCells& cells;
    const std::vector<COLORREF>& colours; // the control's default colours
    // The control's cell-text operation, which a derived control may answer; none: the cell's own.
    std::function<CString(int row, int col)> textOf = {};

    // The cell's text; empty for a cell outside the page.
    CString CellText(int row, int col) const;
    // Black when the list is empty.
    COLORREF SeriesColour(int series) const;
};

// Stores the mode and rebuilds the table (and the legend entries): 0 from the whole page less its
// header rows and columns, 1 from the selected range, 2 from the two lists in list order, only when
// both are given (they then become the stored lists). Any other mode leaves the table empty.
// A range of more points than a chart may hold (ChartDataLimit.h) is not read: the table stays
// empty, bDataRefused is set and the result is false.
bool BuildChartSeries(CChartPageSettings& settings, const CChartCellSource& source, int mode,
                      const std::vector<int>* rows, const std::vector<int>* columns);
// The same with the stored mode and lists.
bool RebuildChartSeries(CChartPageSettings& settings, const CChartCellSource& source);

// The builders; false when the range is refused, the table left empty.
bool BuildSeriesFromPage(CChartPageSettings& settings, const CChartCellSource& source);
// Nothing when no cell is selected.
bool BuildSeriesFromSelection(CChartPageSettings& settings, const CChartCellSource& source);
// Empty when the list that gives the table's rows is empty (the series for lines, the categories
// otherwise).
bool BuildSeriesFromIndexLists(CChartPageSettings& settings, const CChartCellSource& source,
                               const std::vector<int>& rows, const std::vector<int>& columns);

// Stores the type and sub-type and updates the value range they use.
void SetChartType(CChartPageSettings& settings, const CChartCellSource& source, BYTE type, BYTE subType);
// On a change of the flag: stores it, rebuilds the series and updates the value range.
void SetChartGroupByColumns(CChartPageSettings& settings, const CChartCellSource& source, bool byColumns);

// Stores the mode, the data page's two flags and a copy of its index list.
void SetChartDataSource(CChartPageSettings& settings, int mode, int allColumns, int allRows,
                        const std::vector<int>& indexList);
// Stores one display option (0..7); show chart, show legend and show data window also show or
// hide the plot area, the legend and the data area of the next chart the settings sheet inserts.
void SetChartDisplayOption(CChartPageSettings& settings, int option, int value);
// The eight in order, each as SetChartDisplayOption stores it.
void SetChartDisplayOptions(CChartPageSettings& settings, const int (&options)[8]);
