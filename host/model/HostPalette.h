#pragma once

// The sixteen colours of the host's picker popup, and the palette index that shows a cell's
// current colour as the popup's current item.

#include <windows.h>

#include <array>

constexpr int kHostPaletteSize = 16;
constexpr int kCustomColourItem = 16; // a colour outside the palette
constexpr int kNoColourItem = -1;
constexpr COLORREF kAutomaticColour = 0xFF000000; // no text or line colour of its own
constexpr COLORREF kNoFill = 0xFFFFFFFF;          // -1: no background

extern const std::array<COLORREF, kHostPaletteSize> kHostPalette;

// A cell's fill colour as an item: automatic shows as white, no fill as none.
int PaletteItemOfFill(COLORREF colour);
// A text or line colour as an item: automatic shows as none.
int PaletteItemOfTextOrLine(COLORREF colour);
