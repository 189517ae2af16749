#pragma once

// Readable test messages for the framework's rectangles (gtest would print them as pointers).

#include "framework/Geometry.h"

#include <ostream>

inline void PrintTo(const CRect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
