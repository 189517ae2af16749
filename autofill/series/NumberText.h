#pragma once

// A member of a series is built in bytes of its own and appended to the cell's text at once: a
// fill writes one per cell, so no temporary string is made for it. The longest member, a composed
// Chinese numeral of a 64-bit value with its sign, takes 89 bytes.

#include "framework/CString.h"

#include <charconv>

class CMemberBytes
{
public:
    void Put(const char* text)
    {
        while (*text && m_size + 1 < sizeof m_bytes)
            m_bytes[m_size++] = *text++;
    }
    void Put(char c)
    {
        if (m_size + 1 < sizeof m_bytes)
            m_bytes[m_size++] = c;
    }
    // value in decimal, its sign first.
    void PutDecimal(long long value)
    {
        char digits[24];
        *std::to_chars(digits, digits + sizeof digits - 1, value).ptr = '\0';
        Put(digits);
    }
    // value in decimal; a field two digits wide gets a leading "0" below 10. A negative value has
    // its sign before its digits ("-01").
    void PutNumberField(long value, int width)
    {
        long long magnitude = value;
        if (magnitude < 0) {
            Put('-');
            magnitude = -magnitude;
        }
        if (width == 2 && magnitude < 10)
            Put('0');
        PutDecimal(magnitude);
    }
    void AppendTo(CString& out)
    {
        m_bytes[m_size] = '\0';
        out += m_bytes;
    }

private:
    char m_bytes[128];
    size_t m_size = 0;
};
