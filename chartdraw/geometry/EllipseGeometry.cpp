#include "chartdraw/geometry/EllipseGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

LONG Clamped(long long v)
{
    return LONG(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

RECT MakeRect(long long left, long long top, long long right, long long bottom)
{
    return {Clamped(left), Clamped(top), Clamped(right), Clamped(bottom)};
}

// As wide as the rectangle and centred; when that is too high, cut to the rectangle's height and
// narrowed by as much times the ratio.
RECT FitFlat(long long cx, long long cy, long long width, long long height, long long k, float ratio)
{
    long long top = cy - k, bottom = cy + k, left = cx - width / 2, right = cx + width / 2;
    if (2 * k > height) {
        const long long excess = 2 * k - height;
        const long long narrow = (long long)(float(excess) * ratio) / 2;
        top += excess / 2;
        bottom -= excess / 2;
        left += narrow;
        right -= narrow;
    }
    return MakeRect(left, top, right, bottom);
}

} // namespace

BOOL CEllipseGeometry::Fit(RECT rect, int* depth, float ratio)
{
    if (!depth || *depth < 0 || !(ratio > 0) || !std::isfinite(ratio))
        return FALSE;
    const long long L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const long long W = R - L, H = B - T;
    if (W <= 0 || H <= 0)
        return FALSE;
    const float halfHeight = float(W) / (2 * ratio);
    if (!(halfHeight < float(INT_MAX / 4)))
        return FALSE; // a ratio so small that the ellipse's height has no pixel value
    const long long k = (long long)halfHeight;
    const long long cx = (L + R) / 2, cy = (T + B) / 2, d = *depth;
    if (d == 0) {
        rcEllipse = FitFlat(cx, cy, W, H, k, ratio);
        return TRUE;
    }
    if (cy + d / 2 + k <= B) {
        rcEllipse = MakeRect(cx - W / 2, cy + d / 2 - k, cx + W / 2, cy + d / 2 + k);
        return TRUE;
    }
    // Too high with its depth: a smaller ellipse set on the rectangle's bottom, the rest above it
    // left to the depth. One that is still higher than the rectangle leaves no room for a depth.
    if (ratio >= 1) {
        if (k > H) {
            rcEllipse = FitFlat(cx, cy, W, H, k, ratio);
            *depth = 0;
            return TRUE;
        }
        rcEllipse = MakeRect(L + W / 4, B - k, R - W / 4, B);
        *depth = Clamped(B - k - T);
    } else {
        const float q = float(H) * ratio;
        rcEllipse = MakeRect(cx - (long long)(q * 0.25), B - H / 2, cx + (long long)(q * 0.25), B);
        *depth = Clamped(B - H / 2 - T);
    }
    return TRUE;
}
