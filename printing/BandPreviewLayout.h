#pragma once

// Where the preview of a header or footer page puts its parts, with no window: the picture
// (32 x 32) beside the first line of the text on the side of the alignment, the rest of the text
// under them, and the rule under all of it, short (as long as the picture and the first line) or
// across the drawing area.

#include "framework/Geometry.h"

struct CBandPreviewLayout
{
    static constexpr int kPictureSide = 32;
    static constexpr int kPictureGap = 4;
    static constexpr int kRuleGap = 3;
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
    static CBandPreviewLayout Lay(const CRect& area, CSize firstLine, CSize rest, bool picture, int align,
                                  int rule);
    // The width the first line may take beside the picture.
    static int FirstLineWidth(const CRect& area, bool picture);
};
