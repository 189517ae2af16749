#pragma once

// What the 3-D rotation page computes without a window: the rectangles it derives from its preview
// frame, one step of each stepping button, the clamp of its two spins, the wire-frame of an axis
// chart's 3-D box fitted into the preview, and the shaping of a pie or ring chart's slices on OK.

#include "chart/model/NorvakChart.h"

#include <vector>

namespace SolidRotate {

// The button ids, each one step.
enum Button : int
{
    kRotateLeft = 324,  // depth offset x + 1
    kRotateRight = 325, // x - 1
    kRotateUp = 326,    // y - 1
    kRotateDown = 327,  // y + 1
    kPieTaller = 328,
    kPieLower = 329,
    kPieWider = 331,
    kPieNarrower = 332,
};
constexpr int kButtons[8] = {kRotateLeft, kRotateRight, kRotateUp, kRotateDown,
                             kPieTaller,  kPieLower,    kPieWider, kPieNarrower};

// Which ellipse the scale buttons change (the scale combo's item).
enum ScaleMode : int
{
    kScaleBoth = 0,
    kScaleOuter = 1,
    kScaleInner = 2,
};

// From the preview group box's window rectangle in the page's client coordinates.
struct CPreviewRects
{
    CRect frame;  // where the preview draws, and what the box is laid out in
    CRect redraw; // what a change invalidates
    CRect fit;    // what the wire-frame is scaled into
};
CPreviewRects PreviewRectsOf(const CRect& groupBox);

// A rotation button's step of the depth offsets, which stops at the largest offset a chart is drawn
// with (CNorvakChart::kMaxDepthOffset); false for any other button.
bool StepDepth(int button, CPoint& depth);

// The slice ellipses edited for a pie or ring.
struct CPieEllipses
{
    CRect outer;
    CRect inner; // empty for a plain pie
};
// A scale button's step in the mode; false for any other button. The inner ellipse of a plain
// pie (ring false) never changes, so that no hole appears in it.
bool StepEllipses(int button, int mode, bool ring, CPieEllipses& ellipses);

// The value a spin's change gives: position + delta within 0 .. upper.
int ClampedSpinValue(int position, int delta, int upper);

// The box's twelve corners scaled into the fit rectangle, width and height each by its own
// factor, and centred in it. A side of no extent is not scaled.
void FitWallPoints(const POINT (&wall)[12], const CRect& fit, POINT (&fitted)[12]);

// The closed or open lines of the wire-frame of a chart's box from its twelve fitted corners; the
// zero plane only for a range below and above 0.
std::vector<std::vector<POINT>> WireFrameLines(int type, int subType, double minValue, double maxValue,
                                               const POINT (&wall)[12]);

// The slice ellipses, height and explode distance the page opens on for a pie, from data point 0
// of a row; all empty or 0 when the row or its point is missing.
struct CPieShape
{
    CPieEllipses ellipses;
    int height = 0;  // of the 3-D slice
    int explode = 0; // of every slice
};
CPieShape PieShapeOfRow(const CNorvakChart& chart, int row);
// The upper bound of the explode spin: half the smaller side of the rectangle, never below 0.
int HalfSmallerSide(const CRect& rect);

// OK on a pie or ring chart: with showOne, the chart shows row `series` alone and that row (when it
// exists) is shaped; else the chart shows every row, laid out afresh in its plot, and each is
// shaped. Shaping a row gives its first point the aspect of the outer ellipse, the slice height
// (lowered to the height of its pie when larger) and an ellipse fitted into the plot with the hole
// in the same proportion as the inner ellipse to the outer, and every point the explode distance
// (lowered to half the smaller side of its pie). The lowered height and explode distance stay in
// `shape` for the rows after. Then the pies are fitted into their squares of the plot again.
void ApplyPieShape(CNorvakChart& chart, CPieShape& shape, bool showOne, int series);

} // namespace SolidRotate
