#pragma once

// Puts a text into a rectangle for the whole control: cell texts on screen and paper, chart
// titles and texts, and the samples of the text-format page. The position code (0..49) picks the
// layout: decimal-point alignment (0), a 3 x 3 single line that the font's escapement can rotate
// (1..9), multi-line with or without wrapping (10..27), single line or wrapped with an end
// ellipsis (28..39), characters stacked vertically (40..48) and stretched to fit (49). Any other
// code draws a centred single line with an end ellipsis.

#include "drawing/ChartPointStyle.h"
#include "framework/CDC.h"
#include "framework/CString.h"

class CTextPainter
{
public:
    CTextPainter() = default;
    virtual ~CTextPainter() = default;

    // rect is in the caller's y-down coordinates; with yDown zero every y handed to the DC is
    // negated, for DCs in a y-up mapping mode. The font's escapement (tenths of a degree) rotates
    // codes 1..9; font is left as it was given.
    void DrawAlignedText(CDC* dc, RECT rect, CString text, int code, const LOGFONTA* font, BYTE yDown,
                         int indent, COLORREF textColour) const;

    // The value label of a chart data point, anchored at (x, y) (pie slices place their own), at
    // the font's angle and moved by chart type. The box of the drawn text goes into
    // item.labelCorners: 0 and 1 at the end of the text, 2 and 3 at its start, 1 and 2 along its
    // top; the text is drawn from corner 3, the foot of its start.
    void DrawPointLabel(CDC* dc, CChartLabelPoint& item, int x, int y, CString text, LOGFONTA font,
                        COLORREF textColour, COLORREF backColour, int transparent) const;
    // The same, anchored at the centre of the bounding box of points; nothing without cell text.
    void DrawPolygonLabel(CDC* dc, CChartLabelPoint& item, const POINT* points, int count, CString text,
                          LOGFONTA font, COLORREF textColour, COLORREF backColour, int transparent) const;

    // Angle of (x, y) seen from (cx, cy) in tenths of a degree, counter-clockwise, y growing down.
    static int DirectionAngle(int x, int y, int cx, int cy);
    // The text with every "\n" and then every "\r" removed.
    static CString RemoveLineBreaks(const CString& text);
    // Half of v rounded away from zero for odd values: trunc(v / 2) + (v odd ? 1 : 0).
    static int Half(int v) { return v / 2 + (v % 2 != 0 ? 1 : 0); }
};
