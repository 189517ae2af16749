#pragma once

// The plot layout of a chart with a value axis, as the axis layout hands it to the painter of the
// chart type. Coordinates are device pixels of the chart's drawing; the value axis runs upward for
// direction 0 and to the right for direction 1. A field the layout does not set stays 0.

#include <windows.h>

struct CChartLayout
{
    double dTickPixels = 0; // pixels of one tick interval (of the positive part when there is one)
    double dTickStep = 0;   // the value one tick interval stands for; 0 for an empty range
    int bVerticalAxis = 0;  // 1 for direction 0; set by the 3-D layout only
    int nOriginX = 0;       // where the value axis has the value 0
    int nOriginY = 0;
    int nCategoryLength = 0; // pixels across the value axis
    int nPositiveLength = 0; // pixels of the positive part of the value axis
    int nNegativeLength = 0; // pixels of the negative part
    int nValueHigh = 0;      // coordinate of the high end of the value axis
    int nZeroLine = 0;       // -1 unless the range holds both signs
    int nValueLow = 0;       // coordinate of the low end of the value axis
    int nPositiveTicks = 0;
    int nNegativeTicks = 0;
    int nReserved1 = 0;
    double dMinValue = 0; // the value range the layout was made for
    double dMaxValue = 0;
    double dDepthLength = 0;   // 3-D: length of the depth vector the painters use
    double dDepthAngle = 0;    // 3-D: its angle in radians
    POINT ptZeroPlane[3] = {}; // 3-D: three corners of the plane of the value 0
    int nLabelEdge = 0;        // the outer edge of the tick labels
    int nReserved2 = 0;
};
