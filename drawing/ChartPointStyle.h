#pragma once

// What the shape painter reads of a chart data point: the six per-face fills, the outline pen,
// the highlight flag, the chart type and the recorded face outlines with the selected part. The
// chart model fills one from its data point record for each call.

#include <windows.h>

struct CFaceFill
{
    int fillKind = 0; // 0 none, 1 solid, 2 gradient, 4 texture, 5 pattern
    COLORREF colour = 0;
    COLORREF gradient[2] = {0, 0};
    int gradientStyle = 0;
    int gradientVariant = 0;
    int texture = -1;
    int pattern = -1;
    COLORREF patternFore = 0;
    COLORREF patternBack = 0;
};

struct CChartPointStyle
{
    // Style slots in the order front, back, left, right, bottom, top.
    CFaceFill faces[6];
    int lineStyle = 1;
    int lineWidth = 1;
    COLORREF lineColour = 0;
    int highlight = 1;
    int chartType = 0;
    int chartSubType = 0;
    // Face outlines as last drawn, front first; the selected part's letter or a blank.
    const POINT* outline[6] = {};
    int outlineCount[6] = {};
    char selectedPart = ' ';
};
