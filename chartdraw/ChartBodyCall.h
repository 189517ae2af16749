#pragma once

// What the chart front end hands the painter of a chart type once the plot is laid out, and the
// form of a painter's entry point: one function per chart type, which picks the routine of the
// chart's sub-type. The front end keeps a table of these by chart type (ChartPainter.cpp).
//
// Ownership: every pointer is the caller's and valid for the one call; the painter writes the
// geometry it draws into the chart's data points and keeps nothing.

#include "chart/model/NorvakChart.h"
#include "chartdraw/geometry/ChartLayout.h"
#include "drawing/DrawingTables.h"
#include "framework/CDC.h"

struct CChartBodyCall
{
    CDC* dc = nullptr;
    CNorvakChart* chart = nullptr;
    CChartLayout layout;    // the value axis and 3-D box; all zero for pie and ring charts
    CRect plot;             // the plot rectangle the front end was given
    int subType = 0;
    double minValue = 0;    // the value range the front end was given
    double maxValue = 0;
    CChartRowTotalsArray* rowTotals = nullptr;
    CChartItemTable* items = nullptr;
    int pieExtra = 0;       // passed on to the pie painter (0 from the page's chart drawing)
    CFillTables tables;     // the control's patterns and textures
};

using ChartBodyRoutine = void (*)(const CChartBodyCall& call);
