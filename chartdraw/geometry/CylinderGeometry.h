#pragma once

// The two end ellipses of a cylinder, each given by its bounding box: the base end on the category
// axis (or on the segment below it in a stack) and the value end. A column cylinder's ends lie
// one above the other, a bar cylinder's side by side. Pure arithmetic on 32-bit pixels.

#include "framework/Geometry.h"

struct CCylinderEnds
{
    CRect base, valueEnd;
};

// How far the ends are seen from above (columns) or from the side (bars): trunc(sin(angle) x depth),
// the depth first cut to the cylinder's thickness unless thickness is negative.
int CylinderEndDepth(double depthLength, double depthAngle, int thickness);

// A column cylinder from left to right whose base lies on row baseY; its value end lies
// signedHeight pixels above (below, when negative). The ends are depth pixels high.
CCylinderEnds ColumnCylinderEnds(int left, int right, int baseY, int depth, int signedHeight);

// A bar cylinder from top to bottom whose base lies on column baseX; its value end lies
// signedLength pixels to the right (left, when negative). The ends are depth pixels wide.
CCylinderEnds BarCylinderEnds(int top, int bottom, int baseX, int depth, int signedLength);
