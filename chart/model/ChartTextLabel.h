#pragma once

// One tick label of a chart's value axis, with its tick mark and grid line; the axis layout builds
// the list afresh at every drawing and the label drawing writes the corners of its text box.

#include "framework/CString.h"

#include <windows.h>

#include <vector>

class CChartTextLabel
{
public:
    // Zero throughout, the text empty.
    CChartTextLabel() = default;
    // A label as the value-axis layout makes it: escapement 1800 for a vertical value axis, 3600
    // for a horizontal one.
    explicit CChartTextLabel(int escapement);

    int bSelected = 0;
    int bFitFont = 0;
    int bTransparent = 0;
    COLORREF crText = 0;
    COLORREF crBack = 0;
    char chState = 0;      // 'b' grid line selected, 'f' tick mark, 'a' both, 'n' nothing
    BYTE chTickStyle = 0;  // line style of the tick mark and grid line
    BYTE chDepthStyle = 0; // line style of the depth part and of the wall grid line
    BYTE chTickWidth = 0;
    BYTE chDepthWidth = 0;
    COLORREF crOutline = 0;
    COLORREF crDepth = 0;
    int bFullGrid = 0;         // a full grid line instead of a short tick mark
    int bGridWhenNegative = 0; // the wall grid line of a range with negative values
    int ptWallBack[4] = {};    // x, y, x, y
    int ptTickEnd[2] = {};
    CString strText;
    int ptAnchor[2] = {}; // the tick position
    LOGFONTA font{};
    BYTE chShift = 0; // horizontal value axis: 1 moves the text right, 2 left
    POINT textCorners[4] = {};
};

using CChartTextLabelArray = std::vector<CChartTextLabel>;
