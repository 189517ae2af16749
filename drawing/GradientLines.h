#pragma once

// The gradient of the fill painter: a run of lines, each drawn with a new pen of an interpolated
// colour. A rectangle given with its bottom above its top (a y-up mapping) or its right left of
// its left is drawn mirrored, so colour 1 still starts at the given top or left edge. Only the lines
// that can meet the DC's clip box are drawn (each line's colour depends on its index alone), so a
// rectangle of any size read from a file fills in the time of the part that shows.

#include "framework/CDC.h"

#include <cstdint>
#include <initializer_list>

class CGradientLines
{
public:
    CGradientLines(const CDC& dc, COLORREF colour1, COLORREF colour2);
    void Draw(CRect rect, int style, int variant);

private:
    struct Channels
    {
        float r, g, b;
    };
    // Line indexes [lo, hi], both ends included.
    struct Indexes
    {
        int64_t lo, hi;
    };
    // Calls line(i) for every i of [from, to) within shown.
    template <class Line> static void Visit(int64_t from, int64_t to, Indexes shown, Line&& line);

    void Bands(const CRect& r, int style, int variant);
    void Diagonal(const CRect& r, bool fromRight, int variant);
    void Corner(const CRect& r, int variant);
    void Centre(const CRect& r, int variant);

    Channels Step(float divisor) const;
    COLORREF FromColour1(int64_t i, const Channels& step) const;
    COLORREF FromColour2(int64_t i, const Channels& step) const;
    void Stroke(COLORREF colour, int width, std::initializer_list<POINT> points) const;
    void Circle(COLORREF colour, int cx, int cy, int radius) const;
    POINT Map(int x, int y) const;

    const CDC& m_dc;
    COLORREF m_colour1, m_colour2;
    Channels m_difference;
    CPoint m_origin;
    bool m_mirrorX = false, m_mirrorY = false;
    CRect m_shown; // the clip box, widened by the widest pen, in the unmirrored rectangle's frame
};
