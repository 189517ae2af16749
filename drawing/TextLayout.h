#pragma once

// The layouts of the text drawer, one per family of position codes. A layout works in the
// caller's y-down coordinates and turns every y into the DC's direction on the way out.

#include "framework/CDC.h"
#include "framework/CString.h"

class CTextLayout
{
public:
    CTextLayout(const CDC& dc, const CRect& rect, const CString& text, bool yDown, int indent,
                int escapement);
    // original is the text as passed in (line breaks included), which the fit layout counts.
    void Draw(int code, const CString& original, const LOGFONTA* font);

private:
    int Y(int y) const { return m_yDown ? y : -y; }
    CRect ToDc(int l, int t, int r, int b) const { return CRect(l, Y(t), r, Y(b)); }
    // The layout rectangle of a 3 x 3 code, with the indent on the aligned side.
    CRect Indented(int h) const;
    int DrawTextInto(const CString& text, CRect r, UINT format) const;
    // The start of the text that a wrapped layout of the rectangle can show at most.
    CString WrappedPartShown() const;
    // TextOut of one line at (x, y) in the DC's alignment and the layout's escapement. Of a long
    // text only the characters that can reach the clip box are drawn, from where the whole line
    // puts them: the platform renders every glyph handed to it, shown or not.
    void TextOutShown(int x, int y, const CString& text) const;

    void DecimalPoint();
    void SingleLine(int code);
    void Rotated(int code);
    void Measured(int code);
    void Vertical(int code);
    void Fit(const CString& original, const LOGFONTA* font);

    const CDC& m_dc;
    CString m_text;
    int L, T, R, B;
    int m_cx, m_cy;
    bool m_yDown;
    int m_indent;
    int m_escapement;
};
