#pragma once

// Decimal fields of the calendar series.

#include "framework/CString.h"

#include <string>

// value in decimal; a field two digits wide gets a leading "0" below 10. A negative value has its
// sign before its digits ("-01").
inline CString FormatNumberField(long value, int width)
{
    if (value < 0)
        return "-" + FormatNumberField(-value, width);
    const std::string digits = std::to_string(value);
    return CString(width == 2 && value < 10 ? "0" + digits : digits);
}
