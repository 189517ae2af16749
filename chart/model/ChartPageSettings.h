#pragma once

// A page's pending chart settings: what the chart pages of the property sheets edit before a chart
// exists, and the data table, row totals and legend entries every new chart of the page is made
// from. One per page, living as long as the page; a chart takes a copy at insertion.
//
// The legend box options (eight bytes and four ints) are the page record's own fields.

#include "chart/model/ChartItem.h"
#include "chart/model/ChartKinds.h"
#include "chart/model/ChartPartRecords.h"
#include "chart/model/ChartTextItem.h"

#include <vector>

// The display options that decide a part of the next chart's layout.
enum : int
{
    kChartShowChartOption = 1,
    kChartShowLegendOption = 2,
    kChartShowDataOption = 3,
};

enum : int
{
    kChartSourcePage = 0,
    kChartSourceSelection = 1,
    kChartSourceLists = 2,
};

// What the data page shows and stores besides the data-source mode.
struct CChartDataPage
{
    int bAllColumns = 0;
    int bAllRows = 0;
    short nFirstRow = 0;
    short nLastRow = 0;
    std::vector<int> indexList;
    int nColumnIndexMode = 0;
    int nLegendValueA = 0;
    int nLegendValueB = 0;
};

struct CChartPageSettings
{
    BYTE chChartType = 0; // 0 column, 1 bar, 2 line, 3 pie and ring, 4 cylinder
    BYTE chChartSubType = 0;
    BYTE chDataSourceMode = kChartSourceSelection; // the source the data page offers first
    std::vector<int> customRows;    // the rows of the list mode, in list order
    std::vector<int> customColumns; // its columns
    int bGroupByColumns = 0;        // non-zero: every column of the range is one series
    int bMixedSign = 0;             // some row has no negative value and some row no positive one
    double dClusteredMin = 0;
    double dClusteredMax = 0;
    double dStackedMin = 0;
    double dStackedMax = 0;

    CChartDataPage dataPage;

    // Insert as object, show chart, show legend, show data window, show values, X-axis notes,
    // Y-axis notes, Y-axis colour map. The three "show" boxes start checked, as the parts they
    // stand for start shown.
    int displayOptions[8] = {0, 1, 1, 1, 0, 0, 0, 0};
    // Which parts a chart inserted by the chart settings sheet shows: plot area, legend, data area,
    // chart title, X-axis title, Y/Z-axis title. The first three follow the display options' show
    // chart, show legend and show data window (SetChartDisplayOption).
    int layoutShown[6] = {1, 1, 1, 1, 1, 1};

    // The last series build was refused as too large for a chart: the table is empty for that
    // reason, not for want of data, and no chart is made from it.
    bool bDataRefused = false;

    CChartTextItemArray legendItems; // one per series
    CChartItemTable items;           // lines: one row per series; others: one row per category
    CChartRowTotalsArray rowTotals;
};
