#include "host/model/HostPalette.h"

const std::array<COLORREF, kHostPaletteSize> kHostPalette = {
    0x000000, 0x808080, 0xC0C0C0, 0x000080, 0x0000FF, 0x008080, 0x00FFFF, 0x008000,
    0x00FF00, 0x808000, 0xFFFF00, 0x800000, 0xFF0000, 0x800080, 0xFF00FF, 0xFFFFFF,
};

namespace {
int PaletteItem(COLORREF colour)
{
    for (int i = 0; i < kHostPaletteSize; ++i)
        if (kHostPalette[size_t(i)] == colour)
            return i;
    return kCustomColourItem;
}
} // namespace

int PaletteItemOfFill(COLORREF colour)
{
    if (colour == kNoFill)
        return kNoColourItem;
    if (colour == kAutomaticColour)
        return PaletteItem(0xFFFFFF);
    return PaletteItem(colour);
}

int PaletteItemOfTextOrLine(COLORREF colour)
{
    return colour == kAutomaticColour ? kNoColourItem : PaletteItem(colour);
}
