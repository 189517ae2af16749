#pragma once

// The clip of a line to the paint. GDI walks a styled or geometric line over its whole length, dash
// by dash, however little of it shows: a dashed border along a column a million pixels wide takes
// seconds, and its time grows faster than its length. So every line whose length comes from stored
// sizes (grid lines, borders, freeze lines, frames, the lines of a chart) is cut to the part that can
// show before it is drawn: the DC's clip box, widened by the reach of the pen (its width, its caps
// and its joins). A cut start moves by whole periods of the pen's dash pattern, so the dashes that
// show lie where the whole line would have put them.
//
// What lies within the widened box is drawn as it was given. A slanted line, a polyline or a closed
// outline is cut only when it reaches farther than kSlack beyond the widened box: its cut ends fall
// between pixels, and that far out the rounding cannot show.

#include "framework/CDC.h"

#include <cstdint>
#include <vector>

class CLineClip
{
public:
    // How far beyond the widened clip box a slanted line, a polyline or an outline may reach before
    // it is cut.
    static constexpr int kSlack = 1024;

    // The DC's clip box (nothing shows when it is empty) and its current pen.
    explicit CLineClip(const CDC& dc);
    // A box given in the DC's logical units and a dash period (1 for none), for the arithmetic alone.
    CLineClip(const RECT& box, int period);

    // The length of one repeat of the pen's dash pattern, in the units its dashes are measured in:
    // the sum of a user style's dashes (twice it for an odd count), 24 times the width for the
    // system's dash styles (a multiple of each of their patterns), 1 for a pen without dashes.
    static int PatternPeriod(HGDIOBJ pen);

    // The part of from..to inside the box (widened by the slack when the segment slants), its start
    // moved back toward `from` so that phase plus the distance walked from `from` is a whole number
    // of periods; distances are counted along the segment's longer axis. False when nothing of the
    // segment lies in the box.
    bool Cut(POINT& from, POINT& to, int64_t phase = 0) const;
    // The rectangle with each edge beyond the box moved to within one period outside it; false when
    // the rectangle and the box do not meet.
    bool CutRectangle(RECT& rect) const;
    // The whole polyline lies within the box and its slack, so it can be drawn as given.
    bool Holds(const POINT* points, int count) const;
    // The pieces of a polyline (closed: back to its first point) that can show, each to be drawn as
    // a figure of its own; for a line that Holds does not hold.
    std::vector<std::vector<POINT>> CutPolyline(const POINT* points, int count, bool closed) const;

    bool IsEmpty() const { return m_empty; }
    const RECT& Box() const { return m_box; }

private:
    RECT Widened(int64_t by) const;
    bool Within(const POINT* points, int count, const RECT& box) const;

    RECT m_box{};
    int m_period = 1;
    bool m_empty = false;
};

// Lines with the DC's current pen, cut to the paint. The current position ends where the line
// ends, as LineTo leaves it.
void DrawClippedLine(const CDC& dc, POINT from, POINT to);
void DrawClippedLine(const CDC& dc, int x1, int y1, int x2, int y2);
// A polyline, or a closed outline (stroked as one path when it shows whole, as a path of points
// joined at every corner).
void DrawClippedPolyline(const CDC& dc, const POINT* points, int count, bool closed = false);
// Rectangle with the DC's pen and brush.
void DrawClippedRectangle(const CDC& dc, const RECT& rect);
