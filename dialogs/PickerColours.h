#pragma once

// The three colour tables of the pickers, each with the names their tooltips show: the 40 colours
// of the colour picker's popup (8 per row), the 56 swatches of the colour grid button (the last
// eight repeat earlier colours) and the 16 named colours of the style combo box.

#include <windows.h>

#include <array>

struct NamedColour
{
    COLORREF colour;
    const char* name; // code page 936
};

namespace PickerColours {

extern const std::array<NamedColour, 40> kPopup;
extern const std::array<NamedColour, 56> kGridPalette;
extern const std::array<NamedColour, 16> kCombo;

// The first index of table whose colour is colour, or -1.
template <size_t N> int IndexOf(const std::array<NamedColour, N>& table, COLORREF colour)
{
    for (size_t i = 0; i < N; ++i)
        if (table[i].colour == colour)
            return int(i);
    return -1;
}

} // namespace PickerColours
