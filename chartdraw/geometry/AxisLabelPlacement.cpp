#include "chartdraw/geometry/AxisLabelPlacement.h"

#include <cmath>

namespace {

double TenthsToRadians(int tenths)
{
    return tenths * 0.0005555555555555556 * 3.1415926535;
}

int Trunc(double v)
{
    return int(std::trunc(v));
}

// The rotated text box of a label above (or, with below, under) the anchor: A, B, S and C are the
// halves of the text's height and width projected on the axes.
void RotatedBox(CAxisLabelPlacement& out, CPoint at, SIZE text, double sine, double cosine, bool below)
{
    const int A = Trunc(text.cy * sine / 2), B = Trunc(text.cy * cosine / 2);
    const int S = Trunc(text.cx * sine / 2), C = Trunc(text.cx * cosine / 2);
    const int x = at.x, y = at.y;
    out.align = TA_CENTER | TA_BOTTOM;
    if (below) {
        out.textPoint = CPoint(x + A, y + 2 * B - S + 8);
        out.corners = {CPoint(x + A - C, y + 2 * B + 8), CPoint(x + A + C, y + 2 * B - 2 * S + 8),
                       CPoint(x - A + C, y - 2 * S + 8), CPoint(x - A - C, y + 8)};
    } else {
        out.textPoint = CPoint(x + A, y - S - 8);
        out.corners = {CPoint(x + A - C, y - 8), CPoint(x + A + C, y - 2 * S - 8),
                       CPoint(x - A + C, y - 2 * S - 2 * B - 8), CPoint(x - A - C, y - 2 * B - 8)};
    }
}

// The axis-parallel box from (left, top) to (right, bottom), bottom left first.
std::array<CPoint, 4> Box(int left, int top, int right, int bottom)
{
    return {CPoint(left, bottom), CPoint(right, bottom), CPoint(right, top), CPoint(left, top)};
}

// The pixels a text of the length may cover when it is centred on centre: the drawing system
// starts an odd length half a pixel either side, so the span holds both starts.
struct CSpan
{
    int first, end; // end is one past the last pixel
};
CSpan CentredSpan(int centre, int length)
{
    const int reach = length / 2 + length % 2;
    return {centre - reach, centre + reach};
}

CPoint LeftLabelStart(POINT anchor, int n)
{
    if (n == 900 || n == 2700)
        return anchor;
    if (n < 900 || n > 2700) {
        const int lift = n > 0 && n < 900 ? -8 : (n > 2700 && n < 3600 ? 8 : 0);
        return CPoint(anchor.x + 12, anchor.y + lift);
    }
    return CPoint(anchor.x - 10, anchor.y + (n < 1800 ? -8 : (n > 1800 ? 8 : 0)));
}

} // namespace

std::array<CPoint, 4> SquareCapOutline(POINT start, POINT end, double angle, int width)
{
    double dx = end.x - start.x, dy = end.y - start.y;
    const double length = std::hypot(dx, dy);
    if (length > 0) {
        dx /= length;
        dy /= length;
    } else {
        dx = std::cos(angle);
        dy = -std::sin(angle);
    }
    const double r = width / 2.0;
    const double nx = dy, ny = -dx; // the left of the direction on the screen
    auto corner = [&](POINT p, double along, double across) {
        return CPoint(LONG(std::lround(p.x + (along * dx + across * nx) * r)),
                      LONG(std::lround(p.y + (along * dy + across * ny) * r)));
    };
    return {corner(start, -1, 1), corner(start, -1, -1), corner(end, 1, -1), corner(end, 1, 1)};
}

CAxisLabelPlacement PlaceLabelLeftOfAxis(POINT anchor, int n, SIZE text)
{
    CAxisLabelPlacement out;
    if (n < 0 || n > 3600)
        return out;
    const double a = TenthsToRadians(n);
    const CPoint start = LeftLabelStart(anchor, n);
    CPoint end = start;
    if (n == 900)
        end.y -= text.cx;
    else if (n == 2700)
        end.y += text.cx;
    else
        end.Offset(Trunc(text.cx * std::cos(a)), Trunc(-text.cx * std::sin(a)));
    out.corners = SquareCapOutline(start, end, a, text.cy);
    out.hasText = true;
    if (n > 900 && n < 2700) {
        out.fontOrientation = n - 1800;
        out.align = TA_RIGHT | TA_TOP;
        out.textPoint = out.corners[1];
    } else {
        out.fontOrientation = n;
        out.align = TA_LEFT | TA_TOP;
        out.textPoint = out.corners[0];
    }
    return out;
}

CAxisLabelPlacement PlaceLabelBelowAxis(POINT anchor, int n, SIZE text, int shift)
{
    CAxisLabelPlacement out;
    if (n < 0 || n > 3600)
        return out;
    const int w = text.cx, h = text.cy;
    CPoint at(anchor);
    if (shift == 1 || shift == 2) {
        const int by = n == 900 || n == 2700 ? h / 2 + 4 : w / 2;
        at.x += shift == 1 ? by : -by;
    }
    const int x = at.x, y = at.y;
    out.hasText = true;
    out.fontOrientation = n;
    const double a = TenthsToRadians(n);
    switch (n) {
    case 0: {
        out.align = TA_CENTER | TA_BOTTOM;
        out.textPoint = CPoint(x, y - 8);
        const CSpan across = CentredSpan(x, w);
        out.corners = Box(across.first, y - h - 8, across.end, y - 8);
        return out;
    }
    case 900: {
        // Read upward: the foot of the text lies on its right, at the text point.
        out.align = TA_CENTER | TA_BOTTOM;
        out.textPoint = CPoint(x + h / 2, y - w / 2 - 8);
        const CSpan along = CentredSpan(out.textPoint.y, w);
        const int foot = out.textPoint.x;
        out.corners = {CPoint(foot, along.end), CPoint(foot, along.first), CPoint(foot - h, along.first),
                       CPoint(foot - h, along.end)};
        return out;
    }
    case 1800: {
        out.fontOrientation = 0;
        out.align = TA_CENTER | TA_TOP;
        out.textPoint = CPoint(x, y - h / 2);
        const CSpan across = CentredSpan(x, w);
        out.corners = Box(across.first, out.textPoint.y, across.end, out.textPoint.y + h);
        return out;
    }
    case 2700: {
        // Read downward: the head of the text lies on its right, at the text point.
        out.align = TA_CENTER | TA_TOP;
        out.textPoint = CPoint(x + h / 2, y + w / 2 + 8);
        const CSpan along = CentredSpan(out.textPoint.y, w);
        const int head = out.textPoint.x;
        out.corners = {CPoint(head - h, along.first), CPoint(head - h, along.end), CPoint(head, along.end),
                       CPoint(head, along.first)};
        return out;
    }
    case 3600: {
        out.align = TA_CENTER | TA_TOP;
        out.textPoint = CPoint(x, y + 8);
        const CSpan across = CentredSpan(x, w);
        out.corners = Box(across.first, y + 8, across.end, y + h + 8);
        return out;
    }
    }
    if (n > 900 && n < 2700) {
        // Text that would read leftward is turned round; it keeps the side of its own orientation.
        out.fontOrientation = n < 1800 ? n + 1800 : n - 1800;
        RotatedBox(out, at, text, -std::sin(a), -std::cos(a), n > 1800);
    } else {
        RotatedBox(out, at, text, std::sin(a), std::cos(a), n > 2700);
    }
    return out;
}
