#include "drawing/CTextPainter.h"

#include "drawing/TextLayout.h"

#include <cmath>

CString CTextPainter::RemoveLineBreaks(const CString& text)
{
    CString copy = text;
    copy.Remove('\n');
    copy.Remove('\r');
    return copy;
}

int CTextPainter::DirectionAngle(int x, int y, int cx, int cy)
{
    const double pi = 3.1415926535;
    const int dx = x - cx, dy = cy - y;
    auto tenths = [&](double radians) { return int(std::trunc(radians / pi * 1800)); };
    if (dx > 0 && dy == 0)
        return 0;
    if (dx > 0 && dy > 0)
        return tenths(std::atan(double(dy) / dx));
    if (dx == 0 && dy > 0)
        return 900;
    if (dx < 0 && dy != 0)
        return tenths(std::atan(double(dy) / dx) + pi);
    if (dx < 0 && dy == 0)
        return 1800;
    if (dx == 0 && dy < 0)
        return 2700;
    if (dx > 0 && dy < 0)
        return tenths(std::atan(double(dy) / dx) + 6.283185307);
    return 0;
}

void CTextPainter::DrawAlignedText(CDC* dc, RECT rect, CString text, int code, const LOGFONTA* font,
                                   BYTE yDown, int indent, COLORREF textColour) const
{
    if (!dc || text.IsEmpty())
        return;
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc->SetTextColor(textColour);
    LOGFONTA used{};
    if (font) {
        used = *font;
        if (!yDown && used.lfEscapement > 0 && used.lfEscapement <= 900)
            used.lfEscapement = 3600 - used.lfEscapement;
    }
    CFont created;
    if (font)
        created.CreateFontIndirect(&used);
    {
        CSelectObject selectFont(*dc, created.GetSafeHandle());
        const bool keepsBreaks = code == 0 || (code >= 10 && code <= 27);
        const CString copy = keepsBreaks ? text : RemoveLineBreaks(text);
        const int escapement = font ? used.lfEscapement : 0;
        CTextLayout layout(*dc, CRect(rect), copy, yDown != 0, indent, escapement);
        layout.Draw(code, text, font ? &used : nullptr);
    }
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldColour);
}
