#pragma once

// The messages the pickers send their parent windows.
//
// A CColourPicker: on opening its popup WM_COLOURPICKER_OPEN (the current colour, the control id);
// while the highlight moves WM_COLOURPICKER_HIGHLIGHT (the highlighted colour, the control id); on
// a choice WM_COLOURPICKER_CLOSE then WM_COLOURPICKER_CHOSEN (the picker, the colour, or in the
// line modes the row); on a cancel WM_COLOURPICKER_CLOSE then WM_COLOURPICKER_CANCEL (the picker,
// the control id). No highlight follows a choice.
//
// A CColorGridButton: WM_COLORGRID_SELECT (the colour, the control id).
// A CStyleComboBox, by mode: WM_STYLECOMBO_LINESTYLE (the style 0..14, 1), WM_STYLECOMBO_WIDTH
// (the width 1, 2, 4, 6, 8 or 10, the control id), WM_STYLECOMBO_COLOUR (the colour, the control
// id), WM_STYLECOMBO_MARKER (the marker index, the control id).

#include <windows.h>

constexpr UINT WM_COLOURPICKER_HIGHLIGHT = WM_USER + 1001;
constexpr UINT WM_COLOURPICKER_OPEN = WM_USER + 1002;
constexpr UINT WM_COLOURPICKER_CLOSE = WM_USER + 1003;
constexpr UINT WM_COLOURPICKER_CHOSEN = WM_USER + 1004;
constexpr UINT WM_COLOURPICKER_CANCEL = WM_USER + 1005;
constexpr UINT WM_COLORGRID_SELECT = WM_USER + 1006;
constexpr UINT WM_STYLECOMBO_LINESTYLE = WM_USER + 1007;
constexpr UINT WM_STYLECOMBO_WIDTH = WM_USER + 1008;
constexpr UINT WM_STYLECOMBO_COLOUR = WM_USER + 1009;
constexpr UINT WM_STYLECOMBO_MARKER = WM_USER + 1010;

// The colour that stands for the popup's default box ("自动").
constexpr COLORREF kColourDefault = 0xFF000000; // CLR_DEFAULT
