#pragma once

// Whether a cell's text needs the title tip, and how the tip shows it: the text drawer's format
// code says how the cell lays the text out; a tip repeats the one-line, multi-line and wrapped
// layouts, not the stacked, shrunk or turned ones. Shared by the control's pages and the
// standalone grid.

#include "framework/CDC.h"
#include "framework/CString.h"

#include <optional>

struct CTitleTipText
{
    CString text;  // line breaks dropped for a one-line layout
    UINT format;   // for DrawText
    CSize size;    // of the text in the tip
};

// The tip the text needs in textRect (the cell's drawing rectangle), measured in dc with the
// text's font selected; none when the cell shows the whole text or a tip could not repeat it.
// indent: pixels the cell keeps free on the side the text is aligned to.
std::optional<CTitleTipText> CutOffTitleTipText(const CDC& dc, const CString& text, int formatCode, int escapement,
                                                int indent, const CRect& textRect);

// The tip's screen rectangle over textRect (client coordinates of window): the cell's rectangle
// grown right and down to the text with the tip's border and margins, kept on its monitor's
// work area.
CRect TitleTipRect(HWND window, const CRect& textRect, CSize textSize);
