#pragma once

// Turns one of the fifteen named line styles into a pen:
//   0 "NULL", 1 "实线", 2 "长线段", 3 "短线段", 4 "长短线短", 5 "混合线段", 6 "虚线", 7 "长距虚线",
//   8 "混合线型1", 9 "混合线型2", 10 "混合线型3", 11 "斜砖纹理线", 12 "水平砖纹理线",
//   13 "编织物纹理线", 14 "斜网格纹理线"; above 14 a pen painted with the caller's bitmap.

#include "framework/CGdiObject.h"

class CPenMaker
{
public:
    static constexpr int kMaxWidth = 10;
    static constexpr int kStyleCount = 15;

    CPenMaker() = default;
    virtual ~CPenMaker() = default;

    // Attaches the new pen to pen (the caller deletes it). A style above 14 without a pattern
    // bitmap, or a negative style, leaves pen empty.
    void CreateLinePen(CGdiObject& pen, int style, int width, COLORREF colour, int reserved1 = 0,
                       int reserved2 = 0, HBITMAP pattern = nullptr) const;

    // The display name of a style, or an empty text for one outside 0..14.
    static const char* StyleName(int style);
    // The 8 x 8 bitmap that paints the textured styles 11..14 (null for other styles); the caller
    // deletes it.
    static HBITMAP CreateStyleBitmap(int style);
};
