#pragma once

// Decimal fields of the series, appended to the text being built: a fill writes one per cell, so
// no temporary string is made for them.

#include "framework/CString.h"

#include <charconv>

// value in decimal, its sign first.
inline void AppendDecimal(CString& out, long long value)
{
    char digits[24];
    *std::to_chars(digits, digits + sizeof digits - 1, value).ptr = '\0';
    out += digits;
}

// value in decimal; a field two digits wide gets a leading "0" below 10. A negative value has its
// sign before its digits ("-01").
inline void AppendNumberField(CString& out, long value, int width)
{
    if (value < 0) {
        out += '-';
        value = -value;
    }
    if (width == 2 && value < 10)
        out += '0';
    AppendDecimal(out, value);
}
