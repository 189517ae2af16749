#pragma once

// Draws the body of a column chart: one upright box per data point (each table row a category,
// each point a series), the zero plane and zero line of a chart whose values change sign, the
// walls in front of the columns and the value labels. Every point keeps the six faces of its box,
// the faces as drawn with their part letters and the corners of its label.
//
// Sub-types: 0 and 3 clustered, 1 and 4 stacked, 2 and 5 percent stacked, 6 columns behind one
// another in depth. The flat and 3-D forms differ only by the chart's depth offsets.
//
// Ownership: holds only the view of the control's fill tables; built on the stack for one call.

#include "chartdraw/ChartBodyCall.h"

class CColumnChartPainter
{
public:
    explicit CColumnChartPainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CColumnChartPainter() = default;

    void DrawClusteredColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, CChartItemTable* items) const;
    void DrawStackedColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, CChartItemTable* items) const;
    void DrawPercentStackedColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout,
                                  const CChartRowTotalsArray* rowTotals, CChartItemTable* items) const;
    void Draw3DColumn(CDC* dc, CNorvakChart* chart, const CChartLayout* layout, CChartItemTable* items) const;

private:
    CFillTables m_tables;
};

// The front end's entry for chart type 0: the routine of the call's sub-type.
void DrawColumnChartBody(const CChartBodyCall& call);
