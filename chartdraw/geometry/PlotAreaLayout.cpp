#include "chartdraw/geometry/PlotAreaLayout.h"

#include <cmath>

namespace {

constexpr double kPi = 3.1415926535;

enum class CSigns
{
    Positive,
    Both,
    Negative
};

CSigns SignsOf(const CChartLayout& r)
{
    if (r.nNegativeTicks == 0)
        return CSigns::Positive;
    return r.nPositiveTicks == 0 ? CSigns::Negative : CSigns::Both;
}

// The zero plane, the ends of the value axis and, with both signs, the halved part lengths.
void SetDepthFields(CChartLayout& r, int direction, const CRect& plot, const CRect& back, int dx, int dy)
{
    const int U = r.nOriginX, V = r.nOriginY, u = plot.top + dy, W = dy / 2, X = dx / 2;
    const int T = plot.top, R = plot.right, B = plot.bottom, backLeft = back.left;
    const CSigns signs = SignsOf(r);
    auto zero = [&r](POINT a, POINT b, POINT c) {
        r.ptZeroPlane[0] = a;
        r.ptZeroPlane[1] = b;
        r.ptZeroPlane[2] = c;
    };
    if (direction == 0) {
        r.nValueHigh = signs == CSigns::Negative ? u + W : u - W;
        r.nValueLow = signs == CSigns::Positive ? B + W : B - W;
        if (signs == CSigns::Positive)
            zero({U, V}, {R - dx - 1, V}, {R - 1, B - dy - 1});
        else if (signs == CSigns::Both)
            zero({U, V - 1}, {R - dx - 1, V - 1}, {R - 1, V - dy - 1});
        else
            zero({U, u}, {R - dx - 1, u}, {R - 1, T});
        if (signs == CSigns::Both)
            r.nPositiveLength = r.nNegativeLength = (B - u) / 2;
    } else {
        r.nValueHigh = R - X;
        r.nValueLow = signs == CSigns::Positive ? U + X : backLeft - X;
        if (signs == CSigns::Positive)
            zero({backLeft, T}, {U, u}, {U, V});
        else if (signs == CSigns::Both)
            zero({backLeft + r.nNegativeLength, T}, {U, u}, {U, V});
        else
            zero({R, T}, {R - dx, u}, {U, V});
        if (signs == CSigns::Both)
            r.nPositiveLength = r.nNegativeLength = (R - backLeft) / 2;
    }
    r.nOriginX = U + X;
    r.nOriginY = V - W;
}

void SetDepthVector(CChartLayout& r, int chartType, int chartSubType, const CRect& plot, const CRect& back,
                    int dx, int dy)
{
    const double halfX = dx * 0.5, halfY = dy * 0.5;
    const double half = std::hypot(halfX, halfY);
    const bool columnBox = chartType == 0 && chartSubType == 6;
    r.dDepthLength =
        columnBox || (chartType == 2 && chartSubType == 6) ? std::hypot(double(dx), double(dy)) : half;
    // Without depth the box is flat and its depth vector has no direction.
    r.dDepthAngle = half > 0 ? std::asin(halfY / half) : 0;
    if (dx < 0)
        r.dDepthAngle = kPi - r.dDepthAngle;
    if (columnBox) {
        // The 3-D column grows from the back corner of the zero plane.
        r.nOriginX = back.left;
        switch (SignsOf(r)) {
        case CSigns::Positive:
            r.nOriginY = back.bottom;
            break;
        case CSigns::Both:
            r.nOriginY = r.ptZeroPlane[2].y;
            break;
        case CSigns::Negative:
            r.nOriginY = plot.top;
            break;
        }
    }
}

} // namespace

CPlotAreaLayout LayoutPlotArea(int direction, bool valueScale, double minValue, double maxValue,
                               const RECT& rcPlot, int chartType, int chartSubType, int depthX, int depthY,
                               const CTextMeasure& measure)
{
    const CRect plot(rcPlot);
    const int dx = depthX, dy = depthY;
    CPlotAreaLayout out;
    out.front =
        CRect(direction == 1 ? plot.left + dx : plot.left, plot.top + dy, plot.right - dx, plot.bottom);
    out.axis = LayoutValueAxis(direction, valueScale, minValue, maxValue, out.front, measure);
    const CChartLayout& a = out.axis.layout;
    out.back = direction == 1
                   ? CRect(a.nOriginX + dx - a.nNegativeLength, plot.top, plot.right, a.nOriginY - dy)
                   : CRect(a.nOriginX + dx, plot.top, plot.right, plot.bottom - dy);
    out.layout = a;
    if (a.dTickStep == 0)
        return out;
    out.hasBox = true;
    out.wallPoints =
        CalcWallPoints(direction, out.back, out.front, a.nOriginX, a.nOriginY, a.nNegativeLength, dy);
    CChartLayout& r = out.layout;
    r.bVerticalAxis = direction == 0 ? 1 : 0;
    SetDepthFields(r, direction, plot, out.back, dx, dy);
    SetDepthVector(r, chartType, chartSubType, plot, out.back, dx, dy);
    return out;
}

std::array<CPoint, 12> CalcWallPoints(int direction, const RECT& back, const RECT& front, int originX,
                                      int originY, int negativeLength, int depthY)
{
    const int BL = back.left, BT = back.top, BR = back.right, BB = back.bottom;
    const int FT = front.top, FR = front.right, FB = front.bottom;
    const int OX = originX, OY = originY, NL = negativeLength;
    if (direction == 0)
        return {CPoint(BL, BT),           CPoint(BR, BT),          CPoint(FR, BT + (FB - BB)),
                CPoint(OX, FT),           CPoint(BL, OY - depthY), CPoint(BR, OY - depthY),
                CPoint(OX - BL + BR, OY), CPoint(OX, OY),          CPoint(BL, BB),
                CPoint(BR, BB),           CPoint(FR, FB),          CPoint(OX, FB)};
    return {CPoint(BL, BT), CPoint(BL + NL, BT),
            CPoint(BR, BT), CPoint(FR, BT + (OY - BB)),
            CPoint(OX, FT), CPoint(OX - NL, BT + (OY - BB)),
            CPoint(BL, BB), CPoint(BL + NL, BB),
            CPoint(BR, BB), CPoint(FR, OY),
            CPoint(OX, OY), CPoint(OX - NL, OY)};
}
