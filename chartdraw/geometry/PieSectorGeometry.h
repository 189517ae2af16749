#pragma once

// The geometry of pie slices on an ellipse: where a point lies around a centre, the order of two
// points along the pie's sweep, the edges of a slice pushed out of the pie and which faces of a
// slice show. Points are device pixels (y down); angles are single-precision radians counter-
// clockwise from the right, and the sweep runs from the top (pi/2) round to the top again (5pi/2).

#include "framework/Geometry.h"

// Where p lies around centre, counter-clockwise from the right: 0 right, 1 above right, 2 straight
// above, 3 above left, 4 left, 5 below left, 6 straight below, 7 below right; -1 on the centre.
int PointOctant(POINT centre, POINT p);

// The nearest whole number, halves away from zero, decided on the value's six-decimal text: so
// 2.4999996 (which prints 2.500000) gives 3. Beyond the int range it saturates; NaN gives 0.
int RoundFloatByText(float value);

// The point of angle t on the ellipse with half-axes a and b, each offset truncated toward zero.
CPoint EllipsePointAt(POINT centre, float a, float b, float t);

// Whether p comes strictly before q on the sweep round centre. A point straight above the centre
// starts the sweep as p and ends it as q; where it could be either, the slice's share decides.
bool PrecedesInSweep(POINT centre, POINT p, POINT q, float share);

struct CSectorEdges
{
    CPoint centre, start, end;
};

// The slice from start to end (its edge points on the ellipse round centre with half-axes a and b)
// pushed out by offset along its middle direction: the moved centre, and the edges parallel to
// the old ones, cut at the unmoved ellipse. The offset is capped at b; a whole pie is not moved.
CSectorEdges SectorEdgePoints(float startAngle, float endAngle, POINT centre, POINT start, POINT end,
                              int offset, float a, float b);

struct CSliceWalls
{
    CPoint first, second;    // the ends of the slice's front rim (the radial wall stands at one of them)
    bool radialWall = false; // the wall from the second point (first list) or first point to the centre
    bool faces = false;      // the slice's other walls and its top face show
    bool frontRim = false;   // the rim from first to second lies in front and shows as a band
};

// The faces of a slice that show, from the rectangle and centre of its outer top ellipse, its start
// and end points on it and its share of the pie.
CSliceWalls SliceWallVisibility(const RECT& topEllipse, POINT centre, POINT start, POINT end, float share);
