#pragma once

// Where a value-axis tick label's text goes for its orientation (tenths of a degree), and the four
// corners of its text box that hit testing and the selection grips use. The corners are computed
// here rather than read back from a widened path, whose square caps the drawing systems do not all
// get right.

#include "framework/Geometry.h"

#include <array>

struct CAxisLabelPlacement
{
    bool hasText = false;    // false for an orientation outside 0..3600: the label gets its tick only
    int fontOrientation = 0; // the escapement of the font the text is drawn in
    UINT align = TA_LEFT | TA_TOP;
    CPoint textPoint;
    std::array<CPoint, 4> corners;
};

// A label left of a vertical value axis, anchored 2 pixels left of the plot. Its text box is the
// outline of a line as long as the text, as thick as the text is high, with square ends: corner 0
// and 1 at the line's start (0 on the left of its direction), 2 and 3 at its end. Text reading
// leftward is turned round and drawn right aligned at corner 1, other text left aligned at corner 0.
CAxisLabelPlacement PlaceLabelLeftOfAxis(POINT anchor, int orientation, SIZE text);

// A label under a horizontal value axis, anchored on the plot bottom; shift 1 moves it right and 2
// left. The text is centred on its reference point; the corners run round the drawn text as it
// reads: bottom left, bottom right, top right, top left. Along the centred direction the box
// holds every pixel the text may cover: an odd length may start on either side of the half pixel.
CAxisLabelPlacement PlaceLabelBelowAxis(POINT anchor, int orientation, SIZE text, int shift);

// The outline of the segment from start to end widened to width with square ends, as above;
// angle (radians, counter-clockwise) gives the direction of a segment of no length.
std::array<CPoint, 4> SquareCapOutline(POINT start, POINT end, double angle, int width);
