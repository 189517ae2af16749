#pragma once

// Chart types and the part numbers shared by every chart operation.

enum : int
{
    kChartColumn = 0,
    kChartBar = 1,
    kChartLine = 2,
    kChartPie = 3,
    kChartCylinder = 4,
};

enum : int
{
    kChartWhole = 0,
    kChartPlot = 1,
    kChartLegend = 2,
    kChartDataArea = 3,
    kChartTitle = 4,
    kChartXAxisTitle = 5,
    kChartYAxisTitle = 6,
};

// The last sub-type of each type, -1 for an unknown type.
constexpr int LastChartSubType(int type)
{
    constexpr int last[] = {6, 5, 6, 7, 5};
    return type >= 0 && type <= 4 ? last[type] : -1;
}
