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

// A recorded face of a drawn item: its points, their count and the part letter.
struct CHitFace
{
    const POINT* points = nullptr;
    int count = 0;
    char letter = 0;
};

// What the value-label drawer reads of a data point, and the label corners it writes back.
struct CChartLabelPoint
{
    int chartType = 0;
    int chartSubType = 0;
    double value = 0;
    bool hasText = false;  // the point's own cell text is not empty
    int labelSelected = 0; // mark the corners with inverted squares
    // Pie and ring slices.
    int labelAngle = 0;          // middle direction of the slice, tenths of a degree
    RECT sliceRect{};            // the slice's outer top ellipse
    RECT secondRect{};           // the inner (ring) top ellipse, empty for a pie
    int selector = 0;            // explode offset: < 0 or a second rectangle, positive, or 0
    int leaderLength = 20;       // slanted part of the leader line
    unsigned char placement = 1; // 0 inside at the slice's angle, 1 outside and horizontal
    int leaderFlag = 1;
    int offsetFlag = 1;
    int offset = 0; // pie depth: the label drops by it when offsetFlag is set
    CHitFace hitFaces[6];
    // Written by the drawer.
    POINT labelCorners[4] = {};
};

// What the 3-D face drawer reads of a chart: its type and sub-type, the corners of its 3-D box
// that decide which side and end of an item are seen, and the front face's highlight flag.
struct CChart3DView
{
    int type = 0;
    int subType = 0;
    POINT wall0{}, wall3{}, wall5{};
    int floorHighlight = 0;
};
