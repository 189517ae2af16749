#pragma once

// The 54 marker kinds of legend keys and the marker list: seven drawn shapes (square, diamond,
// triangle, ellipse, half disc, star, cross) and 47 glyphs held in m_MarkerSymbols.

#include "drawing/ChartPointStyle.h"
#include "framework/CDC.h"

class CDefaultTables;

// The legend item's part of a key: marker, series line pen, glyph colours and flags.
struct CMarkerKey
{
    int markerIndex = 0;
    int lineStyle = 1;
    int lineWidth = 1;
    COLORREF lineColour = 0;
    COLORREF glyphTextColour = 0;
    COLORREF glyphBackColour = RGB(255, 255, 255);
    int lineFlag = 0;  // draw the series line through the key
    int ringFlag = 0;  // enclose the marker in an ellipse
    int entryKind = 0; // 3 (a pie series) takes the point's face 4 fill instead of face 0
};

class CMarkerSymbols
{
public:
    static constexpr int kShapeCount = 7;
    static constexpr int kMarkerCount = 54;

    CMarkerSymbols() = default;
    virtual ~CMarkerSymbols() = default;

    // Empties m_MarkerSymbols and appends the 47 glyphs.
    void Init(CDefaultTables& control) const;
    // Draws the key of one series into box; the DC's state is the same afterwards. An index
    // outside 0..53 (or a glyph the table lacks) draws nothing.
    void DrawMarker(CDC* dc, RECT box, CMarkerKey key, const CChartPointStyle* point,
                    const CDefaultTables& tables) const;
};

// The point at an angle in degrees (counter-clockwise, 0 to the right) and a distance from
// (cx, cy) in y-down device space.
POINT* PolarToPoint(POINT* out, int cx, int cy, int degrees, int radius);
