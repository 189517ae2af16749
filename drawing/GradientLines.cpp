#include "drawing/GradientLines.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The product truncated toward zero in extended precision; a non-finite step counts as none.
int Truncated(int64_t i, float step)
{
    if (!std::isfinite(step))
        return 0;
    return int(std::trunc(static_cast<long double>(i) * static_cast<long double>(step)));
}

// How far beyond the clip box a line may lie and still touch it: the widest gradient pen.
constexpr int kPenReach = 2;

LONG Coordinate(int64_t v)
{
    return LONG(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
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

template <class Line> void CGradientLines::Visit(int64_t from, int64_t to, Indexes shown, Line&& line)
{
    for (int64_t i = std::max(from, shown.lo), end = std::min(to - 1, shown.hi); i <= end; ++i)
        line(i);
}

COLORREF CGradientLines::FromColour1(int64_t i, const Channels& s) const
{
    return RGB(BYTE(GetRValue(m_colour1) - Truncated(i, s.r)), BYTE(GetGValue(m_colour1) - Truncated(i, s.g)),
               BYTE(GetBValue(m_colour1) - Truncated(i, s.b)));
}

COLORREF CGradientLines::FromColour2(int64_t i, const Channels& s) const
{
    return RGB(BYTE(GetRValue(m_colour2) + Truncated(i, s.r)), BYTE(GetGValue(m_colour2) + Truncated(i, s.g)),
               BYTE(GetBValue(m_colour2) + Truncated(i, s.b)));
}

POINT CGradientLines::Map(int x, int y) const
{
    return POINT{m_mirrorX ? Coordinate(2 * int64_t(m_origin.x) - x) : x,
                 m_mirrorY ? Coordinate(2 * int64_t(m_origin.y) - y) : y};
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
    const POINT a = Map(Coordinate(int64_t(cx) - radius), Coordinate(int64_t(cy) - radius));
    const POINT b = Map(Coordinate(int64_t(cx) + radius), Coordinate(int64_t(cy) + radius));
    m_dc.Ellipse(a.x, a.y, b.x, b.y);
}

void CGradientLines::Draw(CRect rect, int style, int variant)
{
    m_origin = rect.TopLeft();
    m_mirrorX = rect.right < rect.left;
    m_mirrorY = rect.bottom < rect.top;
    if (m_mirrorX)
        rect.right = Coordinate(2 * int64_t(rect.left) - rect.right);
    if (m_mirrorY)
        rect.bottom = Coordinate(2 * int64_t(rect.top) - rect.bottom);
    CRect clip;
    if (m_dc.GetClipBox(&clip) == NULLREGION)
        return;
    const POINT a = Map(clip.left, clip.top), b = Map(clip.right, clip.bottom);
    m_shown = CRect(std::min(a.x, b.x) - kPenReach, std::min(a.y, b.y) - kPenReach, std::max(a.x, b.x) + kPenReach,
                    std::max(a.y, b.y) + kPenReach);
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
    const int64_t count = rows ? int64_t(r.bottom) - r.top : int64_t(r.right) - r.left + 1;
    if (count <= 0 || variant < 0 || variant > 3)
        return;
    const int64_t first = rows ? r.top : r.left;
    const Indexes shown = rows ? Indexes{m_shown.top - first, m_shown.bottom - first}
                               : Indexes{m_shown.left - first, m_shown.right - first};
    auto line = [&](int64_t i, COLORREF colour) {
        const LONG at = Coordinate(first + i);
        if (rows)
            Stroke(colour, 1, {{r.left, at}, {Coordinate(int64_t(r.right) + 1), at}});
        else
            Stroke(colour, 1, {{at, r.top}, {at, r.bottom}});
    };
    if (variant <= 1) {
        const Channels step = Step(float(count));
        Visit(0, count, shown, [&](int64_t i) { line(i, variant == 0 ? FromColour1(i, step) : FromColour2(i, step)); });
        return;
    }
    const int64_t half = count / 2;
    const Channels step = Step(float(count) * 0.5f);
    Visit(0, half, shown, [&](int64_t i) { line(i, variant == 2 ? FromColour1(i, step) : FromColour2(i, step)); });
    // The second half's colours count again from 1 at its first line.
    Visit(half, count, shown, [&](int64_t i) {
        const int64_t j = i - half + 1;
        line(i, variant == 2 ? FromColour2(j, step) : FromColour1(j, step));
    });
}

// Styles 2 and 3: lines across the corner, overshooting the rectangle (the caller clips). Line i
// joins the points whose distances along x and y from the corner add up to i.
void CGradientLines::Diagonal(const CRect& r, bool fromRight, int variant)
{
    const int64_t m = std::max(int64_t(r.bottom) - r.top, int64_t(r.right) - r.left + 1) / 2;
    if (m <= 0 || variant < 0 || variant > 3)
        return;
    const int64_t cornerX = fromRight ? int64_t(r.right) + 1 : r.left;
    const Indexes shown = fromRight ? Indexes{cornerX - m_shown.right + m_shown.top - r.top,
                                              cornerX - m_shown.left + m_shown.bottom - r.top}
                                    : Indexes{m_shown.left - cornerX + m_shown.top - r.top,
                                              m_shown.right - cornerX + m_shown.bottom - r.top};
    auto line = [&](int64_t i, COLORREF colour) {
        const LONG x = Coordinate(cornerX), y = Coordinate(r.top + i);
        Stroke(colour, 1, {{x, y}, {Coordinate(fromRight ? cornerX - i : cornerX + i), r.top}});
    };
    if (variant <= 1) {
        const Channels step = Step(float(4 * m));
        Visit(0, 4 * m, shown,
              [&](int64_t i) { line(i, variant == 0 ? FromColour1(i, step) : FromColour2(i, step)); });
        return;
    }
    const Channels step = Step(float(2 * m));
    Visit(0, 2 * m, shown, [&](int64_t i) { line(i, variant == 2 ? FromColour1(i, step) : FromColour2(i, step)); });
    Visit(2 * m, 4 * m - 1, shown, [&](int64_t i) {
        const int64_t j = i - 2 * m + 1;
        line(i, variant == 2 ? FromColour2(j, step) : FromColour1(j, step));
    });
}

// Style 4: right angles growing out of the corner that the variant names. Angle i shows where its
// row (i from the top or bottom edge) or its column (i from the corner's side) crosses the clip.
void CGradientLines::Corner(const CRect& r, int variant)
{
    const int64_t n = 2 * (std::max(int64_t(r.bottom) - r.top, int64_t(r.right) + 1 - r.left) / 2);
    if (variant < 0 || variant > 3)
        return;
    const Channels step = Step(float(n));
    const int64_t last = variant <= 1 ? n - 1 : n;
    const bool fromLeft = variant == 0 || variant == 2;
    const bool fromTop = variant <= 1;
    const int64_t x = fromLeft ? r.left : int64_t(r.right) + 1;
    const int64_t edge = fromTop ? r.top : r.bottom;
    const Indexes rowsShown = fromTop ? Indexes{m_shown.top - edge, m_shown.bottom - edge}
                                      : Indexes{edge - m_shown.bottom, edge - m_shown.top};
    const Indexes columnsShown = fromLeft ? Indexes{m_shown.left - x, m_shown.right - x}
                                          : Indexes{x - m_shown.right, x - m_shown.left};
    auto angle = [&](int64_t i) {
        const COLORREF colour = FromColour1(i, step);
        const LONG side = Coordinate(fromLeft ? x + i : x - i);
        const LONG row = Coordinate(fromTop ? edge + i : edge - i);
        Stroke(colour, 1, {{Coordinate(x), row}, {side, row}, {side, Coordinate(edge)}});
    };
    Visit(0, last + 1, rowsShown, angle);
    // The angles whose column shows but whose row does not.
    Visit(0, std::min(last + 1, rowsShown.lo), columnsShown, angle);
    Visit(std::max<int64_t>(rowsShown.hi + 1, 0), last + 1, columnsShown, angle);
}

// Style 5: squares (variants 0, 1) or circles (2, 3) around the centre. Square or circle i shows when
// the clip box holds points both within and beyond i of the centre.
void CGradientLines::Centre(const CRect& r, int variant)
{
    const int64_t cx = (int64_t(r.left) + r.right + 1) / 2, cy = (int64_t(r.top) + r.bottom) / 2;
    const int64_t nearX = std::max<int64_t>({m_shown.left - cx, cx - m_shown.right, 0});
    const int64_t nearY = std::max<int64_t>({m_shown.top - cy, cy - m_shown.bottom, 0});
    const int64_t farX = std::max(std::llabs(m_shown.left - cx), std::llabs(m_shown.right - cx));
    const int64_t farY = std::max(std::llabs(m_shown.top - cy), std::llabs(m_shown.bottom - cy));
    if (variant == 0 || variant == 1) {
        const int64_t m = std::max(int64_t(r.bottom) - r.top, int64_t(r.right) + 1 - r.left) / 2;
        const Channels step = Step(float(m));
        Visit(0, m, Indexes{std::max(nearX, nearY), std::max(farX, farY)}, [&](int64_t i) {
            const COLORREF colour = variant == 0 ? FromColour1(i, step) : FromColour2(i, step);
            const LONG l = Coordinate(cx - i), t = Coordinate(cy - i), rr = Coordinate(cx + i), b = Coordinate(cy + i);
            Stroke(colour, i == 0 ? 2 : 1, {{l, t}, {rr, t}, {rr, b}, {l, b}, {l, t}});
        });
    } else if (variant == 2 || variant == 3) {
        const double w = double(r.right) + 1 - r.left, h = double(r.bottom) - r.top;
        const int64_t d = int64_t(std::sqrt(w * w + h * h));
        const Channels step = Step(float(d) * 0.5f);
        CSelectObject hollow(m_dc, ::GetStockObject(HOLLOW_BRUSH));
        const Indexes shown{int64_t(std::hypot(double(nearX), double(nearY))) - 1,
                            int64_t(std::hypot(double(farX), double(farY))) + 1};
        Visit(0, d / 2, shown, [&](int64_t i) {
            Circle(variant == 2 ? FromColour1(i, step) : FromColour2(i, step), Coordinate(cx), Coordinate(cy),
                   Coordinate(i));
        });
    }
}
