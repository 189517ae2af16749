#pragma once

// Int arithmetic that stops at the ends of the int range instead of wrapping, for coordinates and
// sizes that a client or a file may push to the limits.

#include <climits>

inline int SaturateToInt(long long value)
{
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : int(value);
}

inline int AddSaturated(int a, int b)
{
    return SaturateToInt((long long)a + b);
}

inline int SubtractSaturated(int a, int b)
{
    return SaturateToInt((long long)a - b);
}
