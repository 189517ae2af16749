#pragma once

// Lays out and draws the plot area of a chart with a value axis: the edge lines of the plot, the
// back plane and walls of the 3-D box, the tick labels with their tick marks, grid lines and
// selection frame. The layouts return the record the painter of the chart type draws from, and
// leave the tick labels in the chart's textLabels and the box corners in its wallPoints.
//
// Ownership: holds only the view of the control's fill tables; built on the stack for one call.

#include "chart/model/NorvakChart.h"
#include "chartdraw/geometry/PlotAreaLayout.h"
#include "drawing/CChartShapePainter.h"

class CChartAxisPainter
{
public:
    explicit CChartAxisPainter(CFillTables tables = {}) : m_tables(tables) {}
    virtual ~CChartAxisPainter() = default;

    // The flat layout of the plot (direction 0: vertical value axis, 1: horizontal), measured in
    // the DC's current font. valueScale is false for the percent-stacked kinds.
    CChartLayout LayoutValueAxis(CDC* dc, CNorvakChart* chart, int direction, bool valueScale, double minValue,
                                 double maxValue, RECT plot, bool drawAxisLines) const;
    // The 3-D layout: the value axis on the front rectangle, the back plane and the walls behind
    // the data, the depth fields of the record and the wall grid lines.
    CChartLayout LayoutPlotArea(CDC* dc, CNorvakChart* chart, int direction, bool valueScale, double minValue,
                                double maxValue, RECT plot, int chartType, int chartSubType, int depthX,
                                int depthY, bool drawAxisLines, bool drawBackPlane) const;

    // Stores the box corners in the chart and fills the faces of the box behind the data.
    void CalcWallGeometry(CDC* dc, CNorvakChart* chart, const std::array<CPoint, 12>& wallPoints,
                          int direction) const;
    // Fills the faces of the box in front of the data, from the corners of the last layout.
    void DrawWalls(CDC* dc, const CNorvakChart* chart, int direction) const;
    // The grid line of every tick label across the walls; their back points go into the labels.
    void DrawWallGridLines(CDC* dc, CNorvakChart* chart, int direction, const RECT& front, const RECT& back,
                           int depthX, int depthY) const;

    // The tick labels with their tick marks or grid lines, then the selection frame. gridRect
    // gives the right edge and top of the grid lines, depthRect the top of their depth part.
    void DrawChartTextLabels(CDC* dc, CNorvakChart* chart, int direction, RECT gridRect, RECT depthRect,
                             int depthX, int depthY) const;
    void DrawTextLabelSelection(CDC* dc, const CNorvakChart* chart, int direction, int depthX, int depthY) const;

private:
    // The plot's edge lines (and the plot fill of a flat line chart) and the zero line.
    void DrawEdgeLines(CDC* dc, const CNorvakChart& chart, const CValueAxisLayout& axis, int direction) const;

    CFillTables m_tables;
};
