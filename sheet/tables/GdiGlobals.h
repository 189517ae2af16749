#pragma once

// Module-wide fonts, brushes and colours derived from the system settings: the menu font in
// regular, bold and underlined form, two fonts turned by 90 degrees, button-face, selection,
// halftone and dark-shadow brushes, ten system colours, the screen's colour depth and two text
// line heights. Built on first use (never while the module loads) and freed when it unloads.

#include "framework/CGdiObject.h"
#include "framework/CString.h"

class CGdiGlobals
{
public:
    static const char* const kTahoma;
    static const char* const kMsSansSerif;
    static const char* const kArial;

    // The module's single instance, built on the first call.
    static CGdiGlobals& Instance();

    CGdiGlobals();
    ~CGdiGlobals();
    CGdiGlobals(const CGdiGlobals&) = delete;
    CGdiGlobals& operator=(const CGdiGlobals&) = delete;

    void RefreshSystemColors();
    void MeasureTextHeights();
    // An 8 x 8 checkerboard of the button face and highlight colours, made for dc.
    static HBITMAP CreateHalftoneBitmap(HDC dc);
    // The solid halftone colour used on screens deeper than 8 bits.
    static COLORREF HalftoneColour(COLORREF face, COLORREF highlight);
    // The face of the menu fonts: the menu font's own face unless its character set is 2 or below,
    // then "Tahoma" when the system has it, else "MS Sans Serif".
    static CString MenuFaceName(const LOGFONTA& menuFont, bool hasTahoma);

    HBRUSH highlightBrushHandle = nullptr;
    HBRUSH shadowBrushHandle = nullptr;
    COLORREF faceColor = 0, shadowColor = 0, highlightColor = 0, buttonTextColor = 0, frameColor = 0,
             darkShadowColor = 0, lightColor = 0, grayTextColor = 0, selectionColor = 0,
             selectionTextColor = 0;
    CBrush faceBrush, selectionBrush, halftoneBrush, darkShadowBrush;
    CFont menuFont, menuFontBold, menuFontUnderline, verticalFontDown, verticalFontUp;
    int isOldNt = 0;
    int bitsPerPixel = 0;
    int menuTextHeight = 0, verticalTextHeight = 0;

private:
    void CreateMenuFonts();
    void CreateVerticalFonts();
    void DeleteRawBrushes();
    LOGFONTA m_menuLogFont{};
};
