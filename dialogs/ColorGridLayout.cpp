#include "dialogs/ColorGridLayout.h"

CColorGridLayout::CColorGridLayout(const RECT& client)
{
    const int rows = kSwatchCount / kColumns;
    int top = client.top + kGap;
    for (int row = 0; row < rows; ++row) {
        int left = client.left + kGap;
        int rowRight = left;
        for (int column = 0; column < kColumns; ++column) {
            const CRect swatch(left, top, left + kSize, top + kSize);
            if (swatch.right > client.right || swatch.bottom > client.bottom)
                break;
            m_swatches[size_t(row * kColumns + column)] = swatch;
            rowRight = swatch.right;
            left += kSize + kGap;
        }
        const int bottom = top + kSize;
        if (row == kRowBeforeSeparator) {
            m_separator = CRect(client.left + kGap, bottom + 4, rowRight, bottom + 6);
            top = bottom + kSeparatorGap;
        } else {
            top = bottom + kGap;
        }
    }
}

int CColorGridLayout::HitTest(POINT point) const
{
    for (int i = 0; i < kSwatchCount; ++i)
        if (m_swatches[size_t(i)].PtInRect(point))
            return i;
    return OtherCell().PtInRect(point) ? kOtherCell : -1;
}
