#pragma once

// Where the points of a line chart lie and what a drawing leaves of them for hit testing: the x of
// each category, the y of a value, the square round a point, the hit face of a segment, and the
// ribbon of a 3-D line with its cut at the plane of the value 0. Pure arithmetic on 32-bit pixels.

#include "chartdraw/geometry/BoxGeometry.h"

#include <vector>

// The x of the point of each category. fits is false when the plot is too narrow for the
// categories; then nothing is drawn.
struct CLineSlots
{
    bool fits = false;
    std::vector<int> xs;
};

// The plain and 3-D lines: categories with a gap that starts at 20 pixels, each point in the middle
// of its category.
CLineSlots SpacedLineSlots(int originX, int length, int count);
// The stacked lines: no gap; the first point half a category in, the next ones a category further.
CLineSlots PackedLineSlots(int originX, int length, int count);

// The y of a value h pixels long on the zero row y0; with both signs a value of 0 or more lies a
// pixel higher.
int LinePointY(int y0, int h, double value, bool bothSigns);

// The stacked lines: the point a value of h pixels puts on the category's running level.
int StackedPointY(int level, int h, double value);

// The square of 4 x 4 pixels round a point.
CQuad PointSquare(POINT p);
// The face hit on the segment from p to next: 2 pixels above and below it.
CQuad SegmentHitFace(POINT p, POINT next);

// The ribbon of the segment from prev to cur: P0 the previous point half a depth behind, P1 half a
// depth in front, P2 the current point in front, P3 behind.
CQuad RibbonCorners(POINT prev, POINT cur, double depthLength, double depthAngle);

// The parts a ribbon is drawn in when the values change sign: frontZero and backZero are the rows
// of the zero plane at the front and the back of the box, backTop and frontTop the y of its back
// and front top left corners, which tell which side of the plane faces the viewer. A ribbon across
// the front zero row is cut in two there; when the plane is seen edge on both parts are drawn whole.
struct CRibbonPart
{
    CQuad points;
    bool outsidePlane = false; // drawn only where it is not covered by the zero plane
};
std::vector<CRibbonPart> CutRibbon(const CQuad& ribbon, int frontZero, int backZero, int backTop,
                                   int frontTop);
