#pragma once

// Draws the body of a bar chart: one horizontal box per data point (each table row a category,
// stacked up the plot from its bottom, each point a series), the zero plane and zero line of a
// chart whose values change sign, the walls in front of the bars and the value labels. Every point
// keeps the six faces of its box, the faces as drawn with their part letters and the corners of
// its label.
//
// Sub-types: 0 and 3 clustered, 1 and 4 stacked, 2 and 5 percent stacked; the flat and 3-D forms
// differ only by the chart's depth offsets.
//
// Ownership: holds only the view of the control's fill tables; built on the stack for one call.

#include "chartdraw/ChartBodyCall.h"

class CBarChartPainter
{
public:
    explicit CBarChartPainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CBarChartPainter() = default;

    // minValue, maxValue and rowTotals are read by the percent-stacked routine only.
    void DrawClusteredBar(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue,
                          double maxValue, CChartItemTable* items) const;
    void DrawStackedBar(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue, double maxValue,
                        const CChartRowTotalsArray* rowTotals, CChartItemTable* items) const;
    void DrawPercentStackedBar(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, double minValue,
                               double maxValue, const CChartRowTotalsArray* rowTotals, CChartItemTable* items) const;

private:
    CFillTables m_tables;
};

// The front end's entry for chart type 1: the routine of the call's sub-type.
void DrawBarChartBody(const CChartBodyCall& call);
