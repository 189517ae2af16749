#pragma once

// One data point of a chart, built from one cell: its value and text, the fill of each of its six
// faces, its outline pen, the geometry the painters leave in it for hit testing and labels, its pie
// and ring rectangles and its value label.
//
// Ownership: the point owns every point list in it (face outlines, hit faces, the further list);
// copying a point copies them, so no two points, and no painter, share a buffer. The painters
// refill the lists at every drawing (ResetChartItemBuffers, StoreHitFaces).
//
// Faces, by buffer and style entry k: 0 front or body 'z', 1 back 'b', 2 left or base end 'l',
// 3 right or value end 'r', 4 top 's', 5 bottom 'x'.

#include "framework/CString.h"
#include "framework/Geometry.h"

#include <vector>

// A face as drawn, recorded for hit testing: its own copy of the points and its part letter.
struct CChartHitFace
{
    std::vector<POINT> points;
    char chLetter = 0;
};

// The value label's text style.
struct CChartLabelStyle
{
    int bLabelTransparent = 1;
    COLORREF crLabelText = 0;
    COLORREF crLabelBack = 0xFFFFFF; // behind the text when bLabelTransparent is 0
};

class CChartItem
{
public:
    static constexpr int kFaces = 6;

    CChartItem();
    // A point of the series builder: the value parsed from the text, the colour on the front face
    // (face 0 for column, bar and cylinder, face 4 for line and pie) and its shade on the others.
    CChartItem(const CString& text, COLORREF colour, int chartType, int chartSubType);

    // Each red, green and blue byte b becomes b - 2 * (b / 10).
    static COLORREF Shade(COLORREF colour);

    int FaceOutlineCount(int face) const;
    // Frees the six face outlines and the six hit faces' lists.
    void ReleaseGeometry();

    double dValue = 0; // finite
    CString strCellText;
    int faceFillKind[kFaces] = {};
    COLORREF faceColour[kFaces] = {};
    COLORREF faceGradient[kFaces][2] = {};
    int faceTexture[kFaces] = {}; // -1 none
    int facePattern[kFaces] = {}; // -1 none
    COLORREF facePatternFore[kFaces] = {};
    COLORREF facePatternBack[kFaces] = {};
    int placement[13] = {}; // [0] the outline pen's colour; the rest travel with the point
    int faceGradientStyle[kFaces] = {};
    int faceGradientVariant[kFaces] = {};
    std::vector<POINT> faceOutline[kFaces];
    char chSelPart = ' '; // blank, or the letter of the selected face
    CChartHitFace hitFaces[kFaces];
    int nLineWidth = 1;
    int nLineStyle = 1; // 0 no outline, 1 solid
    std::vector<POINT> auxPoints;
    // Pie and ring slices.
    int nExplodeA = 0; // the slice is pushed out by this many pixels
    int nDepthA = 0;   // 3-D depth; the painter reads it from the first point of a row
    int nDepthB = 0;
    int nExplodeB = 0;
    CRect rcHole; // the ring's hole, empty for a pie
    CRect rcPie;  // the row's pie before any lift
    CRect rcTopOuter;
    CRect rcTopInner;
    float fScale = 1.0f; // width over height of rcPie
    float fHoleHeightRatio = 0;
    float fHoleWidthRatio = 0;
    int nLabelAngle = 0; // middle of the slice, tenths of a degree
    int nChartType = 0;
    int nChartSubType = 0;
    int bHighlight = 1;
    // The value label.
    LOGFONTA labelFont{};
    CChartLabelStyle labelStyle;
    POINT labelCorners[4] = {};
    int bLabelSelected = 0;
    BYTE bLabelFixedAngle = 1;
    int nLeaderLength = 20;
    int bLeaderLine = 1;
    int bLabelDropByDepth = 1;
    int nPieDepth = 0;
};

using CChartItemArray = std::vector<CChartItem>;
using CChartItemTable = std::vector<CChartItemArray>;
