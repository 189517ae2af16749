#pragma once

// One chart placed on a page: its kind, value range and data, its legend, its seven parts (0 whole
// chart, 1 plot area, 2 legend, 3 data area, 4 chart title, 5 X-axis title, 6 Y/Z-axis title) with
// rectangles in control client pixels, fills and fonts, its 3-D box and its axis labels.
//
// Ownership: a value. The chart owns its data table, row totals, legend entries, part list and axis
// labels; copying a chart copies all of them. A page owns its charts (CNorvakPage::m_charts).

#include "chart/model/ChartItem.h"
#include "chart/model/ChartKinds.h"
#include "chart/model/ChartPartRecords.h"
#include "chart/model/ChartTextItem.h"
#include "chart/model/ChartTextLabel.h"

#include <algorithm>

// The rectangles a chart is inserted with, in part order 0..6.
struct CChartPartRects
{
    CRect rects[7];
};

class CNorvakChart
{
public:
    // What the workbook reader fills: empty lists and strings, the fourteen edge options and the
    // label switch at their defaults, every other field 0.
    CNorvakChart();
    // A chart being inserted, with every default of a new chart; its rectangles and data come
    // from the page next (SetUpNewChart).
    CNorvakChart(int type, int subType, double minValue, double maxValue);
    CNorvakChart(const CNorvakChart&) = default;
    CNorvakChart& operator=(const CNorvakChart&) = default;
    CNorvakChart(CNorvakChart&&) = default;
    CNorvakChart& operator=(CNorvakChart&&) = default;
    virtual ~CNorvakChart() = default;

    // The 3-D depth offsets a new chart of the kind takes.
    static CSize DefaultDepthOffsets(int type, int subType);
    // How far the back of the 3-D box is drawn from its front at most, either way: a file may hold
    // any offset, and one past this is drawn at it; the rotation page steps no further.
    static constexpr int kMaxDepthOffset = 1000;
    static int BoundedDepthOffset(int offset) { return std::clamp(offset, -kMaxDepthOffset, kMaxDepthOffset); }
    // Kinds 1..6, each shown, at the level of its kind.
    static CChartPartOptionArray DefaultPartOrder();

    // The fills of a new chart: whole chart, plot area, floor, walls and legend.
    void ApplyInsertionStyles();
    // Columns and the 3-D line show the top and bottom walls of their box.
    void ApplyInsertionFaceShown();

    // The rectangle of part 0..6; null for any other part.
    CRect* PartRect(int part);
    const CRect* PartRect(int part) const;
    // Kinds 1..6: the shown flag of its first entry in the part list; a kind the list lacks (or an
    // empty list) counts as shown.
    bool IsPartShown(int kind) const;
    // The shown parts 1..6 in the order they are drawn, the top one last: the part list from its
    // last entry to its first, under them the kinds the list lacks. A kind counts at its first
    // entry; entries of other kinds are left out.
    std::vector<int> PartDrawingOrder() const;
    bool IsPie() const { return nType == kChartPie; }
    // The row a pie shows alone: nPieSeries, beyond the last row the last row; -1 for every row
    // (a negative nPieSeries or no rows).
    int ShownPieRow() const;

    int bCreated = 0; // parts follow a resize of the whole chart in proportion
    int bVisible = 0;
    int bSelected = 0;
    int nSelPart = 0; // -1 none
    int bNewest = 0;  // inserted or selected last on its page: drawn last, hit first
    int nType = 0;
    int nSubType = 0;
    double dMinValue = 0; // both 0: no data, no plot
    double dMaxValue = 0;
    CChartItemTable items; // lines: one row per series; others: one row per category
    CChartRowTotalsArray rowTotals;
    CChartTextItemArray legendItems;
    int nDepthX = 0; // the back of the 3-D box lies this far right of its front
    int nDepthY = 0; // and this far above it
    CChartPartOptionArray partOrder;
    CRect rcChart;
    int bChartHighlight = 0;
    CChartFillStyle chartStyle;
    CRect rcPlot;
    int bPlotHighlight = 0;
    CChartFillStyle plotStyle;
    CRect rcFloor;
    int bFloorHighlight = 0;
    CChartFillStyle floorStyle;
    CChartFillStyle wallStyles[5]; // left, zero plane, right, top, bottom
    CRect rcLegend;
    int bLegendHighlight = 0;
    CChartFillStyle legendStyle;
    CRect rcDataArea;
    CChartTitleBlock chartTitle;
    CChartTitleBlock xAxisTitle;
    CChartTitleBlock yAxisTitle;
    int bClearOfLockedCols = 0;
    int bClearOfLockedRows = 0;
    CRect rcVisible; // as shown; the clip rectangle of the drawing
    POINT wallPoints[12] = {};
    int faceShown[7] = {}; // flags 1..7: top, bottom, left, right, floor, back plane, zero plane
    int nPieSeries = 0;    // the row a pie shows alone; -1 every row
    int bShowTextLabels = 1;
    CChartTextLabelArray textLabels;
    CChartRangeEntry rangeEntries[14];
};
