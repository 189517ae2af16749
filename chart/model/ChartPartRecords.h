#pragma once

// The small records a chart is made of: the fill and line of a part, a title, the sums of a data
// row, an entry of the part list and an edge-option entry. Plain values; the workbook file stores
// each field by field in the order declared here.

#include "framework/CString.h"
#include "framework/Geometry.h"

#include <vector>

// How a part or a face of the 3-D box is filled and outlined. Fill kinds: 0 frame only, 1 solid,
// 2 gradient, 4 texture, 5 pattern.
struct CChartFillStyle
{
    int nFillKind = 0;
    int nGradientStyle = 0;   // 0..5
    int nGradientVariant = 0; // 0..3
    int nStyleReserved = 0;   // travels with the style
    int nTexture = 0;         // -1 none
    int nPattern = 0;         // -1 none
    COLORREF crColour1 = 0;   // solid colour, first gradient colour, pattern foreground
    COLORREF crColour2 = 0;   // second gradient colour, pattern background
    COLORREF crColour3 = 0;   // travels with the style
    int nLineStyle = 0;       // 0 no line .. 14
    int nLineWidth = 0;
    COLORREF crLineColour = 0;

    friend bool operator==(const CChartFillStyle&, const CChartFillStyle&) = default;
};

// One of the three titles (parts 4, 5, 6).
struct CChartTitleBlock
{
    CRect rc;
    CString strText;
    COLORREF crText = 0;
    COLORREF crBack = 0;
    int bTransparent = 0; // 1: the text has no background
    LOGFONTA font{};
    CString strExtra; // travels with the title
};

// The sums of one data row (or one stacked group).
struct CChartRowTotals
{
    double dNegativeSum = 0;
    double dPositiveSum = 0; // of the non-negative values
    double dAbsSum = 0;
    int chSign = 0; // -1 no positive sum, 0 positive and negative values, 1 positive values only
};

// One entry of a chart's part list, which is also its z-order: the first entry lies on top.
struct CChartPartOption
{
    BYTE chPart = 0;  // part kind 1..6
    BYTE chLevel = 0; // stacking level, 1 the top
    int nShown = 0;   // 1 shown, 0 hidden
};

// One of the fourteen edge-option entries of a chart; the axis layout reads the first flag.
struct CChartRangeEntry
{
    double dValue1 = 0;
    double dValue2 = 0;
    BYTE chFlag1 = 1;
    BYTE chFlag2 = 1;
    int nValue = 0;
};

using CChartRowTotalsArray = std::vector<CChartRowTotals>;
using CChartPartOptionArray = std::vector<CChartPartOption>;
