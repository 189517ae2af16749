#pragma once

// The front end that draws the body of one chart: it lays out the value axis and the plot area
// (with the 3-D box and its walls), fills the floor, hands the layout to the painter of the chart
// type for the sub-type's routine, and draws the axis tick labels. The page's chart drawing, the
// chart preview of the property sheet and the standalone grid window's chart call it.
//
// Ownership: holds only the view of the control's fill tables; built on the stack for one call.

#include "chartdraw/ChartBodyCall.h"

class CChartPainter
{
public:
    explicit CChartPainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CChartPainter() = default;

    // Draws the chart's plot into (left, top, right, bottom). type and subType pick the layout and
    // the routine; a range of 0 to 0 (or with an end that is not finite) has no data and draws
    // nothing, and one whose axis gets no step draws no body. depthX and depthY shift the back of
    // the 3-D box right and up. Returns 20, or after a pie or ring chart its plot's left edge (20
    // when that is negative), which the preview keeps.
    int DrawChart(CDC* dc, CNorvakChart* chart, int left, int top, int right, int bottom, int type, int subType,
                  double minValue, double maxValue, CChartRowTotalsArray* rowTotals, CChartItemTable* items,
                  int pieExtra, int depthX, int depthY) const;

private:
    CFillTables m_tables;
};

// How the front end draws a chart of a type and sub-type.
enum class CPlotLayoutKind
{
    None, // pie and ring charts
    Flat, // the flat line charts
    Box,  // the 3-D box, flat when the depth offsets are 0
};

struct CChartDrawingPlan
{
    CPlotLayoutKind layout = CPlotLayoutKind::None;
    int direction = 0;       // of the value axis: 0 vertical, 1 horizontal
    bool valueScale = true;  // false for the percent-stacked kinds
    bool hasRoutine = false; // the type's painter has a routine for the sub-type
    bool drawsLabels = false;
};

CChartDrawingPlan ChartDrawingPlanOf(int type, int subType);
