#include "drawing/GradientLines.h"

#include <algorithm>
#include <cmath>

namespace {

// The product truncated toward zero in extended precision; a non-finite step counts as none.
int Truncated(int i, float step)
{
    if (!std::isfinite(step))
        return 0;
    return int(std::trunc(static_cast<long double>(i) * static_cast<long double>(step)));
}

} // namespace

CGradientLines::CGradientLines(const CDC& dc, COLORREF colour1, COLORREF colour2)
    : m_dc(dc), m_colour1(colour1),
      m_colour2(colour2), m_difference{float(int(GetRValue(colour1)) - int(GetRValue(colour2))),
                                       float(int(GetGValue(colour1)) - int(GetGValue(colour2))),
                                       float(int(GetBValue(colour1)) - int(GetBValue(colour2)))}
{
}

CGradientLines::Channels CGradientLines::Step(float divisor) const
{
    if (divisor == 0.0f)
        return {0, 0, 0};
    return {m_difference.r / divisor, m_difference.g / divisor, m_difference.b / divisor};
}

COLORREF CGradientLines::FromColour1(int i, const Channels& s) const
{
    return RGB(BYTE(GetRValue(m_colour1) - Truncated(i, s.r)), BYTE(GetGValue(m_colour1) - Truncated(i, s.g)),
               BYTE(GetBValue(m_colour1) - Truncated(i, s.b)));
}

COLORREF CGradientLines::FromColour2(int i, const Channels& s) const
{
    return RGB(BYTE(GetRValue(m_colour2) + Truncated(i, s.r)), BYTE(GetGValue(m_colour2) + Truncated(i, s.g)),
               BYTE(GetBValue(m_colour2) + Truncated(i, s.b)));
}

POINT CGradientLines::Map(int x, int y) const
{
    return POINT{m_mirrorX ? 2 * m_origin.x - x : x, m_mirrorY ? 2 * m_origin.y - y : y};
}

void CGradientLines::Stroke(COLORREF colour, int width, std::initializer_list<POINT> points) const
{
    CPen pen(PS_SOLID, width, colour);
    CSelectObject select(m_dc, pen);
    bool first = true;
    for (POINT p : points) {
        POINT mapped = Map(p.x, p.y);
        if (first)
            m_dc.MoveTo(mapped);
        else
            m_dc.LineTo(mapped);
        first = false;
    }
}

void CGradientLines::Circle(COLORREF colour, int cx, int cy, int radius) const
{
    CPen pen(PS_SOLID, 2, colour);
    CSelectObject select(m_dc, pen);
    POINT a = Map(cx - radius, cy - radius), b = Map(cx + radius, cy + radius);
    m_dc.Ellipse(a.x, a.y, b.x, b.y);
}

void CGradientLines::Draw(CRect rect, int style, int variant)
{
    m_origin = rect.TopLeft();
    m_mirrorX = rect.right < rect.left;
    m_mirrorY = rect.bottom < rect.top;
    if (m_mirrorX)
        rect.right = 2 * rect.left - rect.right;
    if (m_mirrorY)
        rect.bottom = 2 * rect.top - rect.bottom;
    switch (style) {
    case 0:
    case 1:
        Bands(rect, style, variant);
        break;
    case 2:
    case 3:
        Diagonal(rect, style == 3, variant);
        break;
    case 4:
        Corner(rect, variant);
        break;
    case 5:
        Centre(rect, variant);
        break;
    default:
        break;
    }
}

// Styles 0 and 1: one line per row (or column).
void CGradientLines::Bands(const CRect& r, int style, int variant)
{
    const bool rows = style == 0;
    const int count = rows ? r.bottom - r.top : r.right - r.left + 1;
    if (count <= 0 || variant < 0 || variant > 3)
        return;
    auto line = [&](int i, COLORREF colour) {
        if (rows)
            Stroke(colour, 1, {{r.left, r.top + i}, {r.right + 1, r.top + i}});
        else
            Stroke(colour, 1, {{r.left + i, r.top}, {r.left + i, r.bottom}});
    };
    if (variant <= 1) {
        const Channels step = Step(float(count));
        for (int i = 0; i < count; ++i)
            line(i, variant == 0 ? FromColour1(i, step) : FromColour2(i, step));
        return;
    }
    const int half = count / 2;
    const Channels step = Step(float(count) * 0.5f);
    for (int i = 0; i < half; ++i)
        line(i, variant == 2 ? FromColour1(i, step) : FromColour2(i, step));
    for (int j = 1; j <= count - half; ++j)
        line(half + j - 1, variant == 2 ? FromColour2(j, step) : FromColour1(j, step));
}

// Styles 2 and 3: lines across the corner, overshooting the rectangle (the caller clips).
void CGradientLines::Diagonal(const CRect& r, bool fromRight, int variant)
{
    const int m = std::max(r.bottom - r.top, r.right - r.left + 1) / 2;
    if (m <= 0 || variant < 0 || variant > 3)
        return;
    auto line = [&](int i, COLORREF colour) {
        if (fromRight)
            Stroke(colour, 1, {{r.right + 1, r.top + i}, {r.right + 1 - i, r.top}});
        else
            Stroke(colour, 1, {{r.left, r.top + i}, {r.left + i, r.top}});
    };
    if (variant <= 1) {
        const Channels step = Step(float(4 * m));
        for (int i = 0; i < 4 * m; ++i)
            line(i, variant == 0 ? FromColour1(i, step) : FromColour2(i, step));
        return;
    }
    const Channels step = Step(float(2 * m));
    for (int i = 0; i < 2 * m; ++i)
        line(i, variant == 2 ? FromColour1(i, step) : FromColour2(i, step));
    for (int j = 1; j <= 2 * m - 1; ++j)
        line(2 * m - 1 + j, variant == 2 ? FromColour2(j, step) : FromColour1(j, step));
}

// Style 4: right angles growing out of the corner that the variant names.
void CGradientLines::Corner(const CRect& r, int variant)
{
    const int n = 2 * (std::max(r.bottom - r.top, r.right + 1 - r.left) / 2);
    if (variant < 0 || variant > 3)
        return;
    const Channels step = Step(float(n));
    const int last = variant <= 1 ? n - 1 : n;
    for (int i = 0; i <= last; ++i) {
        const COLORREF colour = FromColour1(i, step);
        const int x = variant == 0 || variant == 2 ? r.left : r.right + 1;
        const int dx = variant == 0 || variant == 2 ? i : -i;
        if (variant <= 1)
            Stroke(colour, 1, {{x, r.top + i}, {x + dx, r.top + i}, {x + dx, r.top}});
        else
            Stroke(colour, 1, {{x, r.bottom - i}, {x + dx, r.bottom - i}, {x + dx, r.bottom}});
    }
}

// Style 5: squares (variants 0, 1) or circles (2, 3) around the centre.
void CGradientLines::Centre(const CRect& r, int variant)
{
    const int cx = (r.left + r.right + 1) / 2, cy = (r.top + r.bottom) / 2;
    if (variant == 0 || variant == 1) {
        const int m = std::max(r.bottom - r.top, r.right + 1 - r.left) / 2;
        const Channels step = Step(float(m));
        for (int i = 0; i < m; ++i) {
            const COLORREF colour = variant == 0 ? FromColour1(i, step) : FromColour2(i, step);
            Stroke(
                colour, i == 0 ? 2 : 1,
                {{cx - i, cy - i}, {cx + i, cy - i}, {cx + i, cy + i}, {cx - i, cy + i}, {cx - i, cy - i}});
        }
    } else if (variant == 2 || variant == 3) {
        const double w = r.right + 1 - r.left, h = r.bottom - r.top;
        const int d = int(std::sqrt(w * w + h * h));
        const Channels step = Step(float(d) * 0.5f);
        CSelectObject hollow(m_dc, ::GetStockObject(HOLLOW_BRUSH));
        for (int i = 0; i < d / 2; ++i)
            Circle(variant == 2 ? FromColour1(i, step) : FromColour2(i, step), cx, cy, i);
    }
}
