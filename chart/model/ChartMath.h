#pragma once

// The number rules every chart computation shares: values that are not finite count as 0, and a
// double or a 64-bit sum becomes a pixel int by saturating, never by wrapping.

#include "framework/SaturatedInt.h"

#include <cfloat>
#include <climits>
#include <cmath>

inline double FiniteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

// A sum that ran out of range keeps its sign at the largest finite value.
inline double ClampToFinite(double value)
{
    if (std::isnan(value))
        return 0.0;
    return value > DBL_MAX ? DBL_MAX : value < -DBL_MAX ? -DBL_MAX : value;
}

// Truncates toward zero; NaN gives 0, values beyond the int range the nearest bound.
inline int SaturateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

// Truncation toward zero, plus 1 when the dropped fraction is 0.5 or more.
inline int RoundHalfUp(double value)
{
    const double truncated = std::trunc(value);
    return SaturateToInt(truncated) + (value - truncated >= 0.5 && truncated < double(INT_MAX) ? 1 : 0);
}
