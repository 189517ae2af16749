#pragma once

// One legend entry of a chart: the rectangles the legend drawing leaves in it, its caption with
// font and colours, its marker and its selected part.

#include "framework/CString.h"
#include "framework/Geometry.h"

#include <vector>

// The marker's fill, ten ints; the glyph markers take their text and background colours from the
// gradient pair.
struct CChartMarkerFill
{
    int nFillKind = 0;
    COLORREF crColour = 0;
    COLORREF crGradient[2] = {0, 0};
    int nGradientStyle = 0;
    int nGradientVariant = 0;
    int nTexture = 0;
    int nPattern = 0;
    COLORREF crPatternFore = 0;
    COLORREF crPatternBack = 0;
};

class CChartTextItem
{
public:
    // Zero throughout, both strings empty.
    CChartTextItem() = default;
    // The entry of a series: its caption, and a marker filled with the series colour. The 3-D line
    // chart marks its series with marker 5 and a strike line.
    CChartTextItem(int chartType, int chartSubType, const CString& caption, COLORREF colour);

    CRect rcFlag;    // the marker box
    CRect rcCaption; // the caption text
    CRect rcFull;    // the whole entry
    LOGFONTA font{};
    CString strExtra;
    int bFitText = 0; // the caption font is fitted to the caption box
    COLORREF crText = 0;
    COLORREF crBack = 0; // behind the caption when bTransparent is 0
    int bTransparent = 0;
    CString strCaption;
    int nMarkerStyle = 0; // index into the marker symbols
    int nMarkerLineStyle = 0;
    int nMarkerLineWidth = 0; // twice the width the marker page shows
    COLORREF crMarkerLine = 0;
    CChartMarkerFill markerFill;
    int bStrikeLine = 0;  // the series line runs through the marker
    int bOuterCircle = 0; // a circle encloses the marker
    int nMarkerSetting = 0;
    int nChartType = 0;
    char chSelPart = 0; // ' ' or 0 nothing, 't' caption, 'f' marker box, 'a' the whole entry
};

using CChartTextItemArray = std::vector<CChartTextItem>;
