#pragma once

// The boxes of column and bar charts: the corners of one box from its place in the plot, the
// pixels of a value, the share of a value in a percent-stacked row and the drawing order of the
// segments of a stacked category. Pure arithmetic on 32-bit pixels; integer halves truncate.

#include "chartdraw/geometry/ChartLayout.h"
#include "framework/Geometry.h"

#include <array>
#include <vector>

using CQuad = std::array<CPoint, 4>;

// The six faces of a box, four points each, in the order of a data point's face buffers:
// 0 front, 1 back, 2 left side (a bar's base end), 3 right side (its value end), 4 top, 5 bottom.
using CBoxFaces = std::array<CQuad, 6>;

// The pixels of a value on the layout's scale, |trunc(value x dTickPixels / dTickStep)|. A value
// beyond an end of the axis (its tick counts times the step) is cut at that end, so that no box
// leaves the plot; a value or scale that is not finite, or a step that is not above 0, gives 0.
int ValueToPixels(double value, const CChartLayout& layout);

// The footprint of a column standing on the row base: B0 back left, B1 front left, B2 front
// right, B3 back right, centred on the base in depth. The depth vector (length, angle in
// radians) is cut to the column's width.
CQuad ColumnFootprint(int left, int width, int base, double depth, double angle);

// The footprint of a column of the 3-D column chart: back left corner at back, as wide as width
// and as deep as depth pixels along the angle.
CQuad DepthRowFootprint(CPoint back, int width, int depth, double angle);

// The faces of a column over its footprint; the top lies signedHeight pixels above the footprint
// (below it for a negative height).
CBoxFaces ColumnBoxFaces(const CQuad& bottom, int signedHeight);

// The faces of a bar whose base end lies on column base, between rows top and bottom, reaching
// signedLength pixels to the right (left when negative). The depth vector is cut to the bar's
// thickness. Base corners: Z0 front top, Z1 front bottom, Z2 back bottom, Z3 back top.
CBoxFaces BarBoxFaces(int base, int top, int bottom, int signedLength, double depth, double angle);

// The pixels of a value's share of its row in a percent-stacked chart, rounded half up and no
// longer than the axis part. signClass: 1 the row has positive values only, 0 both signs, -1 no
// positive sum. Columns multiply the value by the axis part first, bars divide the part by the sum
// first.
enum class CShareOrder
{
    ProductFirst,
    QuotientFirst
};
int PercentShareLength(double value, int signClass, int positiveLength, int negativeLength, double absSum,
                       CShareOrder order);

// One point of a stacked category with the rectangle of its segment.
struct CStackSegment
{
    int series = 0;
    CRect rect;
};

// Sorts a category's segments as they are drawn: columns by the bottom edge, the lowest on the
// screen first; bars by the right edge, the farthest right first. A segment of no height (no
// width) comes first among equal edges.
enum class CStackAxis
{
    Vertical,
    Horizontal
};
void SortStackSegments(std::vector<CStackSegment>& segments, CStackAxis axis);
