#include "drawing/TextLayout.h"

#include "drawing/CTextPainter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr UINT kHorizontal[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
constexpr UINT kVertical[3] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
constexpr UINT kCurrentAlign = UINT(-1);

int t(double v)
{
    return int(std::trunc(v));
}
int at(double v)
{
    return std::abs(t(v));
}

// The last count characters of text (never half of a double-byte character).
CString LastChars(const CString& text, int count)
{
    std::vector<int> starts;
    for (int i = 0; i < text.GetLength(); i = text.NextCharIndex(i))
        starts.push_back(i);
    if (count <= 0)
        return CString();
    if (count >= int(starts.size()))
        return text;
    return text.Mid(starts[starts.size() - size_t(count)]);
}

// Texts up to this many characters are drawn whole: their glyphs take no time worth saving.
constexpr int kLongText = 1024;

// The byte index of character `count` of the text (its length past the last).
int CharIndex(const CString& text, int64_t count)
{
    int index = 0;
    for (int64_t k = 0; k < count && index < text.GetLength(); ++k)
        index = text.NextCharIndex(index);
    return index;
}

// Word-wrapping codes: 11, 13, 15, the odd ones of 17..27 and 37..39.
bool Wraps(int code)
{
    return ((code >= 11 && code <= 27) && code % 2 == 1) || (code >= 37 && code <= 39);
}

// The pieces of a vertical text: a byte with its high bit set and the byte after it form one
// piece; a lead byte at the very end stands alone.
std::vector<CString> StackPieces(const CString& text)
{
    std::vector<CString> pieces;
    const int length = text.GetLength();
    for (int i = 0; i < length;) {
        const bool twoBytes = (static_cast<unsigned char>(text[i]) & 0x80) && i + 1 < length;
        pieces.push_back(text.Mid(i, twoBytes ? 2 : 1));
        i += twoBytes ? 2 : 1;
    }
    return pieces;
}

// What a rotated placement is written in: the rectangle, the indent, the sine and cosine of the
// escapement, the text's extent and the widths of "中" and "固" in the rotated font.
struct RotationTerms
{
    int L, T, R, B, I;
    int midX, midY; // L + (R - L) / 2, T + (B - T) / 2
    double S, C;
    int w, h, c1, c2;
    bool yDown;
};
using K = const RotationTerms&;

// The one TextOut of a rotated single line: the text alignment set for it (kCurrentAlign keeps
// the DC's) and the reference point.
struct Placement
{
    UINT align;
    int (*x)(K);
    int (*y)(K);
};

constexpr UINT kBottom = TA_LEFT | TA_BOTTOM;
constexpr UINT kTop = TA_LEFT | TA_TOP;

// By code 1..9 (rows) and quadrant 1..4 (columns). Codes 2 and 3 have no fourth-quadrant entry:
// DrawText lays them out.
constexpr Placement kRotated[9][4] = {
    // 1 top left
    {
        {kCurrentAlign, [](K k) { return k.L + k.I; }, [](K k) { return k.T + t(k.S * k.w); }},
        {kCurrentAlign, [](K k) { return k.L + at(k.C * k.w) + k.I; },
         [](K k) { return k.T + at(k.S * (k.c1 + k.w)) + at(k.C * k.h); }},
        {kBottom, [](K k) { return k.L + at(k.C * k.w) + k.I; }, [](K k) { return k.T; }},
        {kTop, [](K k) { return k.L + at(k.S * k.h) + k.I; }, [](K k) { return k.T; }},
    },
    // 2 top centre
    {
        {kCurrentAlign, [](K k) { return k.L + t((k.R - k.L) / 2 - k.C * (k.w / 2) - 0.5 * k.S * k.h); },
         [](K k) { return k.T + t(k.S * k.w); }},
        {TA_CENTER | TA_BOTTOM, [](K k) { return k.midX + t(0.5 * k.S * k.h); },
         [](K k) { return k.T + t(k.S * k.w) / 2; }},
        {TA_CENTER | TA_BOTTOM, [](K k) { return k.midX - at(0.5 * k.S * k.h); },
         [](K k) { return k.T + at(k.S * k.w) / 2; }},
        {},
    },
    // 3 top right
    {
        {kBottom, [](K k) { return k.R - t(k.C * k.w) - k.I; },
         [](K k) { return k.T + t(k.S * k.w + k.C * k.c2); }},
        {kBottom, [](K k) { return k.R - k.I; }, [](K k) { return k.T + at(k.S * k.w); }},
        {kTop, [](K k) { return k.R - k.I; }, [](K k) { return k.T + at(k.C * k.c2); }},
        {},
    },
    // 4 middle left
    {
        {kBottom, [](K k) { return k.L + t(k.S * k.h) + k.I; },
         [](K k) { return k.midY + t(k.C * k.c2 + k.S * k.w) / 2; }},
        {kCurrentAlign, [](K k) { return k.L + at(k.C * k.w) + k.I; },
         [](K k) { return k.midY + (at(k.S * k.w) + at(k.C * k.c1)) / 2; }},
        {kBottom, [](K k) { return k.L + at(k.C * k.w) + k.I; },
         [](K k) { return k.midY - (at(k.S * k.w) + at(k.C * k.c2)) / 2; }},
        {kTop, [](K k) { return k.L + at(k.S * k.h) + k.I; },
         [](K k) { return k.T + (k.B - at(k.S * k.w) - k.T) / 2; }},
    },
    // 5 middle centre
    {
        {kBottom, [](K k) { return k.midX - t(k.C * k.w - k.S * k.h) / 2; },
         [](K k) { return k.T + t(k.C * k.c2 + k.S * k.w) / 2 + (k.B - k.T) / 2; }},
        {kCurrentAlign, [](K k) { return k.midX + t(at(k.C * k.w) - k.S * k.h) / 2; },
         [](K k) { return k.midY + (at(k.C * k.c1) + at(k.S * k.w)) / 2; }},
        {kBottom, [](K k) { return k.midX + (at(k.C * k.w) - at(k.S * k.h)) / 2; },
         [](K k) { return k.midY - (at(k.C * k.c2) + at(k.S * k.w)) / 2; }},
        {TA_CENTER | TA_TOP, [](K k) { return k.yDown ? k.midX : k.midX - at(0.5 * k.S * k.h); },
         [](K k) { return k.T + (k.B - at(k.C * k.h) - k.T) / 2; }},
    },
    // 6 middle right
    {
        {kBottom, [](K k) { return k.R - t(k.C * k.w) - k.I; },
         [](K k) { return k.midY + t(k.S * k.w + k.C * k.c2) / 2; }},
        {kCurrentAlign, [](K k) { return k.R - t(k.S * k.h) - k.I; },
         [](K k) { return k.midY + (at(k.C * k.c1) + at(k.S * k.w)) / 2; }},
        {kBottom, [](K k) { return k.R - at(k.S * k.h) - k.I; },
         [](K k) { return k.midY - (at(k.C * k.c2) + at(k.S * k.w)) / 2; }},
        {TA_RIGHT | TA_TOP, [](K k) { return k.R - at(k.S * k.h) - k.I; },
         [](K k) { return k.T + (k.B - at(k.S * k.w) - k.T) / 2; }},
    },
    // 7 bottom left
    {
        {kBottom, [](K k) { return k.L + t(k.S * k.h) + k.I; }, [](K k) { return k.B; }},
        {kCurrentAlign, [](K k) { return k.L + at(k.C * k.w) + k.I; }, [](K k) { return k.B; }},
        {kBottom, [](K k) { return k.L + at(k.C * k.w) + k.I; },
         [](K k) { return k.B - (at(k.S * k.w) + at(k.C * k.c2)); }},
        {kBottom, [](K k) { return k.L + k.I; }, [](K k) { return k.B - at(k.S * k.w); }},
    },
    // 8 bottom centre
    {
        {kBottom, [](K k) { return k.midX - t(k.C * k.w - k.S * k.h) / 2; }, [](K k) { return k.B; }},
        {kCurrentAlign, [](K k) { return k.midX + t(at(k.C * k.w) - k.S * k.h) / 2; },
         [](K k) { return k.B; }},
        {kBottom, [](K k) { return k.midX + (at(k.C * k.w) - at(k.S * k.h)) / 2; },
         [](K k) { return k.B - (at(k.C * k.c2) + at(k.S * k.w)); }},
        {kBottom, [](K k) { return t(k.L + (k.R - k.L) / 2 - 0.5 * k.C * k.w); },
         [](K k) { return k.B - at(k.S * k.w); }},
    },
    // 9 bottom right
    {
        {kBottom, [](K k) { return k.R - t(k.C * k.w) - k.I; }, [](K k) { return k.B; }},
        {kCurrentAlign, [](K k) { return k.R - t(k.S * k.h) - k.I; }, [](K k) { return k.B; }},
        {kBottom, [](K k) { return k.R - at(k.S * k.h) - k.I; },
         [](K k) { return k.B - (at(k.C * k.c2) + at(k.S * k.w)); }},
        {TA_RIGHT | TA_BOTTOM, [](K k) { return k.R - at(k.C * k.w) / 2 - k.I; }, [](K k) { return k.B; }},
    },
};

} // namespace

CTextLayout::CTextLayout(const CDC& dc, const CRect& rect, const CString& text, bool yDown, int indent,
                         int escapement)
    : m_dc(dc), m_text(text), L(rect.left), T(rect.top), R(rect.right), B(rect.bottom), m_cx((L + R) / 2),
      m_cy((T + B) / 2), m_yDown(yDown), m_indent(indent), m_escapement(escapement)
{
}

CRect CTextLayout::Indented(int h) const
{
    return CRect(h == 0 ? L + m_indent : L, T, h == 2 ? R - m_indent : R, B);
}

int CTextLayout::DrawTextInto(const CString& text, CRect r, UINT format) const
{
    CRect dcRect = ToDc(r.left, r.top, r.right, r.bottom);
    return m_dc.DrawText(text, &dcRect, format);
}

// A wrapped line holds at most one character per pixel of the width (and one more), and the
// rectangle shows at most one line per line height (and one more); what lies beyond cannot show.
// Measuring and drawing only that part keeps a long unbroken text in a narrow cell from being
// broken into tens of thousands of lines on every paint.
CString CTextLayout::WrappedPartShown() const
{
    const int lineHeight = m_dc.GetTextExtent("F").cy;
    if (lineHeight <= 0)
        return m_text;
    const int64_t lines = std::abs(int64_t(B) - T) / lineHeight + 2;
    const int64_t perLine = std::abs(int64_t(R) - L) + 1;
    const int64_t limit = lines * perLine;
    if (m_text.GetLength() <= limit)
        return m_text;
    int end = 0;
    for (int64_t chars = 0; chars < limit && end < m_text.GetLength(); ++chars)
        end = m_text.NextCharIndex(end);
    return m_text.Left(end);
}

void CTextLayout::TextOutShown(int x, int y, const CString& text) const
{
    const std::vector<int> ends = text.GetLength() > kLongText ? m_dc.GetCharacterEnds(text) : std::vector<int>();
    CRect clip;
    if (ends.empty() || m_dc.GetClipBox(&clip) == NULLREGION) {
        m_dc.TextOut(x, y, text);
        return;
    }
    // The line runs from its start along the escapement; its alignment places the reference point
    // at its start, its middle or its end.
    const double theta = m_escapement * 0.0017453292519444446;
    const double dirX = std::cos(theta), dirY = m_yDown ? -std::sin(theta) : std::sin(theta);
    const UINT align = m_dc.GetTextAlign();
    const double width = ends.back();
    const double back = (align & TA_CENTER) == TA_CENTER ? width / 2 : (align & TA_RIGHT) ? width : 0;
    const double startX = x - back * dirX, startY = y - back * dirY;
    // A glyph lies within a line height and one advance of its start.
    const int reach = m_dc.GetTextExtent("F").cy * 2 + 2;
    clip.InflateRect(reach, reach);
    auto shows = [&](int k) {
        const double at = k == 0 ? 0 : ends[size_t(k - 1)];
        const double px = startX + at * dirX, py = startY + at * dirY;
        return px >= clip.left && px <= clip.right && py >= clip.top && py <= clip.bottom;
    };
    const int count = int(ends.size());
    int first = 0;
    while (first < count && !shows(first))
        ++first;
    if (first == count)
        return;
    int last = count - 1;
    while (last > first && !shows(last))
        --last;
    const double at = first == 0 ? 0 : ends[size_t(first - 1)];
    const int from = CharIndex(text, first);
    const int to = CharIndex(text, last + 1);
    const UINT oldAlign = m_dc.SetTextAlign((align & ~(TA_CENTER | TA_RIGHT)) | TA_LEFT);
    m_dc.TextOut(int(std::lround(startX + at * dirX)), int(std::lround(startY + at * dirY)),
                 text.Mid(from, to - from));
    m_dc.SetTextAlign(oldAlign);
}

void CTextLayout::Draw(int code, const CString& original, const LOGFONTA* font)
{
    if (Wraps(code))
        m_text = WrappedPartShown();
    if (code == 0) {
        DecimalPoint();
    } else if (code >= 1 && code <= 9) {
        if (m_escapement == 0 || m_escapement == 3600)
            SingleLine(code);
        else
            Rotated(code);
    } else if (code >= 10 && code <= 15) {
        static constexpr UINT kFlags[6] = {0x2000, 0x2010, 0x2001, 0x2011, 0x2002, 0x2012};
        DrawTextInto(m_text, Indented((code - 10) / 2), kFlags[code - 10]);
    } else if (code >= 16 && code <= 27) {
        Measured(code);
    } else if (code >= 28 && code <= 36) {
        const int h = (code - 28) % 3, v = (code - 28) / 3;
        DrawTextInto(m_text, Indented(h), DT_END_ELLIPSIS | DT_SINGLELINE | kHorizontal[h] | kVertical[v]);
    } else if (code >= 37 && code <= 39) {
        const int h = code - 37;
        DrawTextInto(m_text, Indented(h), DT_END_ELLIPSIS | DT_EDITCONTROL | DT_WORDBREAK | kHorizontal[h]);
    } else if (code >= 40 && code <= 48) {
        Vertical(code);
    } else if (code == 49) {
        Fit(original, font);
    } else {
        // 0x8035: the word break has no effect on a single line.
        DrawTextInto(m_text, CRect(L, T, R, B),
                     DT_END_ELLIPSIS | DT_WORDBREAK | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

void CTextLayout::SingleLine(int code)
{
    const int h = (code - 1) % 3, v = (code - 1) / 3;
    DrawTextInto(m_text, Indented(h), DT_SINGLELINE | kHorizontal[h] | kVertical[v]);
}

// Code 0: the integer part ends at the centre, the point and the fraction start there in blue.
void CTextLayout::DecimalPoint()
{
    const int dot = m_text.Find('.');
    CString integer = dot < 0 ? m_text : m_text.Left(dot);
    const CString fraction = dot < 0 ? CString() : m_text.Mid(dot);
    const CSize extent = m_dc.GetTextExtent(integer);
    const int y = B - ((B - T) - (extent.cy - 6)) / 2;
    if (extent.cx - 6 > m_cx - L) {
        const int nine = m_dc.GetTextExtent("9").cx;
        const int kept = nine > 0 ? (m_cx - L) / nine - 3 : 0;
        integer = CString("...") + LastChars(integer, kept);
    }
    const UINT oldAlign = m_dc.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    if (!integer.IsEmpty())
        TextOutShown(m_cx, Y(y), integer);
    m_dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    const COLORREF oldColour = m_dc.SetTextColor(RGB(0, 0, 255));
    if (!fraction.IsEmpty())
        TextOutShown(m_cx, Y(y), fraction);
    m_dc.SetTextColor(oldColour);
    m_dc.SetTextAlign(oldAlign);
}

// Codes 1..9 turned by the escapement: one TextOut placed by quadrant.
void CTextLayout::Rotated(int code)
{
    const int e = m_escapement;
    if (e < 0 || e > 3600)
        return;
    const int q = e <= 900 ? 1 : e <= 1800 ? 2 : e <= 2700 ? 3 : 4;
    const Placement& placement = kRotated[code - 1][q - 1];
    if (!placement.x) {
        DrawTextInto(m_text, CRect(L, T, code == 3 ? R - m_indent : R, B), code == 2 ? 0x21 : 0x22);
        return;
    }
    const double theta = e * 0.0017453292519444446;
    const CSize extent = m_dc.GetTextExtent(m_text);
    const RotationTerms terms{L,
                              T,
                              R,
                              B,
                              m_indent,
                              L + (R - L) / 2,
                              T + (B - T) / 2,
                              std::sin(theta),
                              std::cos(theta),
                              extent.cx,
                              extent.cy,
                              m_dc.GetTextExtent("中").cx,
                              m_dc.GetTextExtent("固").cx,
                              m_yDown};
    const bool setsAlign = placement.align != kCurrentAlign;
    const UINT oldAlign = setsAlign ? m_dc.SetTextAlign(placement.align) : 0;
    TextOutShown(placement.x(terms), Y(placement.y(terms)), m_text);
    if (setsAlign)
        m_dc.SetTextAlign(oldAlign);
}

// Codes 16..27: measure the text first, then draw it into a rectangle of its own size placed in
// the middle or at the bottom.
void CTextLayout::Measured(int code)
{
    const int pair = (code - 16) / 2, h = pair % 3, v = 1 + pair / 3;
    const UINT wrap = (code - 16) % 2 ? DT_WORDBREAK : 0;
    const UINT draw = DT_EDITCONTROL | wrap | kHorizontal[h] | kVertical[v];
    const CRect layout = Indented(h);
    CRect measured = ToDc(layout.left, layout.top, layout.right, layout.bottom);
    m_dc.DrawText(m_text, &measured, draw | DT_CALCRECT);
    const int dcHeight = measured.bottom - Y(T), wc = measured.right - measured.left;
    const int left = L + m_indent, right = R - m_indent;
    CRect target;
    if (v == 1) {
        const int hd = m_yDown ? CTextPainter::Half(dcHeight) : -CTextPainter::Half(dcHeight);
        const int top = m_cy - hd, bottom = m_cy + hd;
        if (h == 0)
            target = CRect(left, top, measured.right, bottom);
        else if (h == 1)
            target = CRect(m_cx - CTextPainter::Half(wc), top, m_cx + CTextPainter::Half(wc), bottom);
        else
            target = CRect(right - wc, top, right, bottom);
    } else {
        const int d = m_yDown ? dcHeight : -dcHeight;
        if (h == 0)
            target = CRect(left, B - d, left + wc, B);
        else if (h == 1)
            target = CRect(m_cx - CTextPainter::Half(wc), B - d, m_cx + CTextPainter::Half(wc), B);
        else
            target = CRect(right - wc, B - d, right, B);
    }
    DrawTextInto(m_text, target, draw);
}

// Codes 40..48: one piece (a character) under the other. Of a long text only the pieces near the
// clip box are measured and drawn; the others take the place of one line each, as every piece of a
// single line in one font does.
void CTextLayout::Vertical(int code)
{
    const int h = (code - 40) % 3, v = (code - 40) / 3;
    const int wF = m_dc.GetTextExtent("F").cx;
    const std::vector<CString> pieces = StackPieces(m_text);
    const bool longText = pieces.size() > size_t(kLongText);
    const int lineHeight = pieces.empty() ? 0 : m_dc.GetTextExtent(pieces.front()).cy;
    int64_t total = 0;
    if (longText)
        total = int64_t(pieces.size()) * lineHeight;
    else
        for (const CString& piece : pieces)
            total += m_dc.GetTextExtent(piece).cy;
    int64_t y = v == 0 ? T : v == 1 ? T + (B - T) / 2 - total / 2 : B - total;
    CRect clip;
    const bool clipped = longText && m_dc.GetClipBox(&clip) != NULLREGION;
    // The clip in the layout's y-down frame, a line either way beyond it.
    const int64_t shownTop = (m_yDown ? int64_t(clip.top) : -int64_t(clip.bottom)) - 2 * lineHeight;
    const int64_t shownBottom = (m_yDown ? int64_t(clip.bottom) : -int64_t(clip.top)) + 2 * lineHeight;
    int skippedStep = 0;
    for (const CString& piece : pieces) {
        if (clipped && (y < shownTop || y > shownBottom) && skippedStep != 0) {
            y += skippedStep;
            continue;
        }
        const bool wide = piece.GetLength() == 2;
        int x1 = L, x2 = R;
        if (h == 0 && !wide)
            x1 = L + wF / 2;
        if (h == 2 && !wide)
            x2 = R - wF / 2;
        const int top = int(std::clamp<int64_t>(y, INT_MIN, INT_MAX));
        const int height = DrawTextInto(piece, CRect(x1, top, x2, B), DT_SINGLELINE | kHorizontal[h]);
        skippedStep = m_yDown ? height : -height;
        y += skippedStep;
    }
}

// Code 49: a font as high as the rectangle and as wide as its share of the width.
void CTextLayout::Fit(const CString& original, const LOGFONTA* font)
{
    const int n = original.GetLength(), width = R - L;
    if (n <= 0 || width <= 0 || B <= T)
        return;
    LOGFONTA fitted = font ? *font : LOGFONTA{};
    fitted.lfHeight = B - T;
    fitted.lfEscapement = 0;
    fitted.lfWidth = width / (width % n == 0 ? n : n + 1);
    CFont stretched;
    stretched.CreateFontIndirect(&fitted);
    CSelectObject select(m_dc, stretched.GetSafeHandle());
    DrawTextInto(m_text, CRect(L, T, R, B), DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
