#pragma once

// Where the pies and rings of a chart go and how each is cut into slices: the slots side by side in
// the plot, the ellipses of a pie (a top face lifted over a lower one by the depth, a hole for a
// ring), the slices' angles and edge points, and a slice pushed out of its pie.
//
// Angles are single-precision radians counter-clockwise from the right; every pie starts at the
// top (pi/2) and closes there (5pi/2). Points are device pixels, y down.

#include "framework/Geometry.h"

#include <span>
#include <vector>

// The pie painter's pi.
constexpr float kPiePi = 3.1415926535f;

// The slots of n pies side by side: a gap that starts at 20 pixels and shrinks while a slot would
// be narrower than 20. Every pie is as wide as the first slot, which takes a leftover pixel.
struct CPieSlots
{
    bool fits = false; // false: the plot is too narrow for any slot
    int gap = 0;
    int width = 0;
};
CPieSlots PieSlots(const RECT& plot, int count);

// The rectangle of the pie whose slot starts at slotLeft: a square as high as the plot when the
// plot is lower than the slot is wide, else the slot's width across and twice that down.
CRect PieRectInSlot(int slotLeft, int width, const RECT& plot);

// The ellipses of one pie or ring. The inner ones are empty for a pie.
struct CPieEllipses
{
    CRect outerTop, innerTop, outerLower, innerLower;
    int depth = 0; // the top face lies this far above the lower one

    bool IsRing() const { return !innerTop.IsRectEmpty(); }
};

// Sub-types 0..7: flat pie, 3-D pie, exploded, exploded 3-D, ring, exploded ring, 3-D ring and
// exploded 3-D ring.
bool IsPieKind3D(int kind);
bool IsPieKindRing(int kind);
// The ellipses a chart preview gives a sub-type in its pie rectangle, and the pixels its slices
// are pushed out by.
CPieEllipses PreviewPieEllipses(const CRect& pie, int kind);
int PreviewExplodeOffset(int kind);
// The ellipses of a pie on the sheet, from what its first data point holds: the pie before any
// lift, the hole, and the depth (a negative depth draws flat).
CPieEllipses StoredPieEllipses(const CRect& pie, const CRect& hole, int depth);

// One slice as it is painted.
struct CPieSliceRecord
{
    float startAngle = 0, endAngle = 0;
    int explode = 0; // pixels the slice is pushed out by
    // The slice's centres, moved out with it: outer top, inner top, outer lower, inner lower.
    CPoint centres[4];
    // Outer start, inner start, outer end, inner end on the top ellipses, then the same lowered.
    CPoint edges[8];
    CPieEllipses ellipses;
    float share = 0; // of the pie's sum of absolute values
    int point = 0;   // the data point's index in its row

    CPoint OuterStart() const { return edges[0]; }
    CPoint InnerStart() const { return edges[1]; }
    CPoint OuterEnd() const { return edges[2]; }
    CPoint InnerEnd() const { return edges[3]; }
    CPoint Centre() const { return centres[0]; }
};

// The slices of one pie in sweep order: those that end on the left side (at most 3pi/2) and those
// that end on the right side.
struct CPieSeriesSlices
{
    std::vector<CPieSliceRecord> left, right;
    bool drawn = false;
};

struct CPieSliceInput
{
    double value = 0;
    int explode = 0;
};

// The share of a value's absolute value in absSum: 0 for a value that is not finite or a sum that
// is not above 0, and never more than 1.
float SliceShare(double value, double absSum);

// Cuts the pie into one slice per value by its share (above); the last slice ends exactly at the top.
CPieSeriesSlices LayoutPieSlices(const CPieEllipses& ellipses, std::span<const CPieSliceInput> values,
                                 double absSum);

// The slice's middle direction in tenths of a degree, as its value label reads it.
int SliceLabelAngle(const CPieSliceRecord& slice);

// Pushes the slice out by its explode offset along its middle direction: its centres move, its edges
// keep their directions and end on the unmoved ellipses. A pie slice's inner points follow its outer
// ones. Nothing happens for an offset of 0 or below.
void PushOutSlice(CPieSliceRecord& slice);
