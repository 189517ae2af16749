#pragma once

// Where a header or footer band puts its parts, as the header and footer pages preview it and as
// printed pages show it: the picture (32 x 32) beside the first line of the text on the side of
// the alignment, the lines after the first under them, and the rule under all of it, short (as
// long as the picture and the text) or across the drawing area. The text splits at its first line
// break; each part is laid out by DrawText with kTextFormat, wrapped at words.

#include "framework/CDC.h"

// A band's text: its first line and the lines after it.
struct CBandText
{
    CString first;
    CString rest;

    static CBandText Split(const CString& text);
};

struct CBandLayout
{
    static constexpr int kPictureSide = 32;
    static constexpr int kPictureGap = 4;
    static constexpr int kRuleGap = 3;
    static constexpr UINT kTextFormat = DT_EDITCONTROL | DT_WORDBREAK | DT_NOPREFIX;
    enum Align { Left, Centre, Right };
    enum Rule { NoRule, ShortRule, LongRule };

    CRect picture;   // empty without a picture
    CRect firstLine; // the first line of the text
    CRect rest;      // the lines after it
    bool hasRule = false;
    int ruleY = 0;
    int ruleLeft = 0;
    int ruleRight = 0;

    // area: the drawing area; firstLine, rest: the measured sizes of the two parts of the text.
    static CBandLayout Lay(const CRect& area, CSize firstLine, CSize rest, bool picture, int align, int rule);
    // The text measured in the DC's font, then laid out in area.
    static CBandLayout Measure(CDC& dc, const CRect& area, const CBandText& text, bool picture, int align,
                               int rule);
    // The width the first line may take beside the picture.
    static int FirstLineWidth(const CRect& area, bool picture);

    // The lowest edge of the picture and the text.
    int Bottom() const { return rest.bottom; }
    // Moves every part down by dy.
    void Offset(int dy);
    // Both parts of the text at their places, in the DC's font and colour.
    void DrawText(CDC& dc, const CBandText& text, int align) const;
};

// The picture stretched into at: the bitmap, else the icon; nothing without either.
void DrawBandPicture(CDC& dc, HBITMAP bitmap, HICON icon, const CRect& at);
