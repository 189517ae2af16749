#pragma once

// Where the colour grid button draws its 56 swatches and its other-colour cell, and what a point
// hits: 7 rows of 8 swatches of 14 x 14 px from (4, 4), 4 px apart, with 10 px between rows 4 and
// 5 and an etched line in that gap. A swatch that would pass the client's right or bottom edge
// ends its row. The other-colour cell is hit where it is drawn.

#include "framework/Geometry.h"

#include <array>

class CColorGridLayout
{
public:
    static constexpr int kSwatchCount = 56;
    static constexpr int kOtherCell = 56;
    static constexpr int kColumns = 8;
    static constexpr int kSize = 14;
    static constexpr int kGap = 4;
    static constexpr int kSeparatorGap = 10; // between rows 4 and 5
    static constexpr int kRowBeforeSeparator = 4;

    explicit CColorGridLayout(const RECT& client);

    // Empty for a swatch left out.
    const CRect& Swatch(int index) const { return m_swatches[size_t(index)]; }
    static CRect OtherCell() { return CRect(28, 140, 118, 160); }
    // The etched line under row 4: from the grid's left to the row's right end, 2 px high.
    const CRect& Separator() const { return m_separator; }
    // A swatch 0..55, the other-colour cell 56, or -1.
    int HitTest(POINT point) const;

private:
    std::array<CRect, kSwatchCount> m_swatches{};
    CRect m_separator;
};
