#pragma once

// Charts built by hand for the painter tests: a data table of values whose every face has a colour
// of its own and no outline, so that a pixel tells which face of which point lies on top; layouts
// written field by field; and the faces and hit faces the painters leave in a point, printed.

#include "chart/model/NorvakChart.h"
#include "chartdraw/geometry/BoxGeometry.h"
#include "chartdraw/geometry/ChartLayout.h"
#include "tests/support/DrawingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using CValueRows = std::vector<std::vector<double>>;

// Face k of point (row, series): a colour no other face of a small table has.
inline COLORREF FaceColour(int row, int series, int face)
{
    return RGB(30 + 40 * row, 30 + 40 * series, 20 + 35 * face);
}

inline CNorvakChart MakeChart(int type, int subType, const CValueRows& rows)
{
    CNorvakChart chart;
    chart.nType = type;
    chart.nSubType = subType;
    chart.rcVisible = CRect(0, 0, 4000, 4000);
    for (size_t r = 0; r < rows.size(); ++r) {
        chart.items.emplace_back();
        for (size_t s = 0; s < rows[r].size(); ++s) {
            CChartItem point;
            point.dValue = rows[r][s];
            point.nChartType = type;
            point.nChartSubType = subType;
            point.nLineStyle = 0;
            point.bHighlight = 0;
            for (int k = 0; k < CChartItem::kFaces; ++k) {
                point.faceFillKind[k] = 1;
                point.faceColour[k] = FaceColour(int(r), int(s), k);
            }
            chart.items.back().push_back(point);
            chart.dMinValue = std::min(chart.dMinValue, rows[r][s]);
            chart.dMaxValue = std::max(chart.dMaxValue, rows[r][s]);
        }
    }
    return chart;
}

// A layout of ten pixels a unit whose value axis reaches 100 units either way: the value 0 at
// (x0, y0), where the category axis starts, which runs length pixels across the value axis
// (rightward for columns, upward for bars).
inline CChartLayout HandLayout(int x0, int y0, int length)
{
    CChartLayout layout;
    layout.dTickPixels = 10;
    layout.dTickStep = 1;
    layout.nPositiveTicks = 100;
    layout.nNegativeTicks = 100;
    layout.nOriginX = x0;
    layout.nOriginY = y0;
    layout.nCategoryLength = length;
    return layout;
}

inline const std::vector<POINT>& Face(const CNorvakChart& chart, int row, int series, int face)
{
    return chart.items[size_t(row)][size_t(series)].faceOutline[face];
}

// The depth vector of depth offsets (dx, dy) as the 3-D layout makes it: the halves' length and
// angle; a negative dx turns it to the left.
inline void SetDepth(CChartLayout& layout, int dx, int dy)
{
    layout.dDepthLength = std::hypot(dx * 0.5, dy * 0.5);
    layout.dDepthAngle = layout.dDepthLength > 0 ? std::asin(dy * 0.5 / layout.dDepthLength) : 0;
    if (dx < 0)
        layout.dDepthAngle = 3.1415926535 - layout.dDepthAngle;
}

inline std::vector<CPoint> Points(const std::vector<POINT>& points)
{
    return std::vector<CPoint>(points.begin(), points.end());
}

inline std::vector<CPoint> Points(const CQuad& quad)
{
    return std::vector<CPoint>(quad.begin(), quad.end());
}

// The four corners of the rectangle as the flat box's front face has them: right top, left top,
// left bottom, right bottom.
inline std::vector<CPoint> FlatFront(int left, int top, int right, int bottom)
{
    return {CPoint(right, top), CPoint(left, top), CPoint(left, bottom), CPoint(right, bottom)};
}

// The part letters of a point's hit faces, in recorded order.
inline std::string HitLetters(const CChartItem& point)
{
    std::string letters;
    for (const CChartHitFace& face : point.hitFaces)
        letters += face.chLetter ? face.chLetter : '-';
    return letters;
}

// The six faces a painter wrote into the point, and the hit faces it recorded: their letters, and
// for hit face k the outline of face recorded[k].
inline void ExpectBoxFaces(const CChartItem& point, const std::vector<CPoint> (&faces)[6], const std::string& letters,
                           const int (&recorded)[6])
{
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(Points(point.faceOutline[k]), faces[k]) << "face " << k;
    ASSERT_EQ(HitLetters(point), letters);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(Points(point.hitFaces[k].points), faces[recorded[k]]) << "hit face " << k;
}

// Whether the point has a face that a hit test can find.
inline bool HasHitFaces(const CChartItem& point)
{
    for (const CChartHitFace& face : point.hitFaces)
        if (!face.points.empty())
            return true;
    return false;
}

// A point in the middle of a face, for hit tests and pixel probes.
inline CPoint Centre(const std::vector<POINT>& face)
{
    long long x = 0, y = 0;
    for (const POINT& p : face) {
        x += p.x;
        y += p.y;
    }
    const long long n = face.empty() ? 1 : (long long)face.size();
    return CPoint(LONG(x / n), LONG(y / n));
}

inline void PrintTo(const CPoint& p, std::ostream* out)
{
    *out << "(" << p.x << ", " << p.y << ")";
}
