#pragma once

// The faces of one pie or ring slice, in the order they are painted: the radial wall, the walls at
// its start and end, the wall of the ring's hole, the top face and the band of the rim that lies
// in front. The outlines of arcs come from the caller (the drawing platform flattens them).

#include "chartdraw/geometry/PieSliceLayout.h"

#include <functional>
#include <vector>

// Face numbers of the shape painter and part letters of the faces.
enum : int
{
    kPieFaceFrontRim = 0,  // 'z'
    kPieFaceHoleWall = 1,  // 'b'
    kPieFaceTop = 2,       // 's'
    kPieFaceStartWall = 4, // 'l', also the radial wall of a slice on the right side
    kPieFaceEndWall = 5,   // 'r', also the radial wall of a slice on the left side
};

struct CPieFace
{
    int faceNumber = 0;
    char letter = 0;
    std::vector<POINT> points;
    std::vector<POINT> grips; // where the face's selection grips go
};

// The points of the ellipse's arc counter-clockwise from the direction of `from` to that of `to`,
// first point first; with pie set, the pie outline: the arc followed by the ellipse's centre.
using CEllipseOutline =
    std::function<std::vector<POINT>(const RECT& ellipse, POINT from, POINT to, bool pie)>;

// The faces of a slice (pushed out already) that show, painted in this order; rightSide: the slice
// is one of those ending beyond the bottom of the pie.
std::vector<CPieFace> SliceFaces(const CPieSliceRecord& slice, bool rightSide,
                                 const CEllipseOutline& outline);
