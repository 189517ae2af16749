#pragma once

// The three-dimensional plot layout: the front rectangle holding the value axis, the back
// rectangle shifted by the depth offsets, the twelve corner points of the box between them and the
// depth fields of the layout record that the column, bar, line and cylinder painters read.

#include "chartdraw/geometry/ValueAxisLayout.h"

#include <array>

struct CPlotAreaLayout
{
    CRect front;           // the plot moved in by the depth: the face the value axis is laid out on
    CRect back;            // the back plane, its left edge at the labels' edge plus the depth
    CValueAxisLayout axis; // the flat layout of the front rectangle: tick labels, edges, first record
    CChartLayout layout;   // axis.layout with the depth fields: what the painters get
    // The range can be drawn (its step is not 0): the box's corner points and the depth fields are set.
    bool hasBox = false;
    std::array<CPoint, 12> wallPoints; // P0..P11 of the box, when hasBox
};

// Direction 0 for column and line charts and column cylinders, 1 for bar charts and bar cylinders.
// depthX and depthY shift the back plane right and up.
CPlotAreaLayout LayoutPlotArea(int direction, bool valueScale, double minValue, double maxValue,
                               const RECT& plot, int chartType, int chartSubType, int depthX, int depthY,
                               const CTextMeasure& measure);

// The box's corners from the back and front rectangles and the flat layout's origin and negative
// length. Direction 0: three planes (top, zero, bottom) of back left, back right, front right,
// front left. Direction 1: four rows (back top, front top, back bottom, front bottom) of three.
std::array<CPoint, 12> CalcWallPoints(int direction, const RECT& back, const RECT& front, int originX,
                                      int originY, int negativeLength, int depthY);
