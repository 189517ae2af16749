#pragma once

// Draws pie and ring charts (chart type 3), one pie or ring per data row side by side, or the one
// row the chart shows alone: flat, three-dimensional and exploded, back to front. Every painted face
// is recorded in its data point's hit faces (from slot 5 down, in painting order); the slice's
// middle direction, its top ellipses and the pie's depth are written into the data point for its
// value label. Selected faces get grips, slices with a top face their labels.
//
// Sub-types: 0 pie, 1 3-D pie, 2 exploded pie, 3 exploded 3-D pie, 4 ring, 5 exploded ring,
// 6 3-D ring, 7 exploded 3-D ring.
//
// Ownership: holds only the view of the control's fill tables; built on the stack for one drawing.

#include "chartdraw/ChartBodyCall.h"

class CPieChartPainter
{
public:
    explicit CPieChartPainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CPieChartPainter() = default;

    // allRows: every row is drawn (the chart's nPieSeries is -1), else only shownRow; a shown row
    // beyond the last is the last (and nPieSeries is set to it), a negative one means every row.
    // preview: the ellipses and explode offsets come from the sub-type and the plot rectangle; on
    // the sheet they come from the data points, as the chart's layout left them there.
    void DrawPieChart(CDC* dc, CNorvakChart& chart, int left, int top, int right, int bottom, BYTE allRows,
                      int shownRow, const CChartRowTotalsArray& rowTotals, CChartItemTable& items,
                      BYTE preview, int subType) const;

private:
    CFillTables m_tables;
};

// The front end's entry for chart type 3: every row or the chart's shown row, in the call's plot;
// the call's extra int is the preview flag.
void DrawPieChartBody(const CChartBodyCall& call);
