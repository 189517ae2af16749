#pragma once

// What the font page edits of a chart text, with no window: the values of a title (element codes
// 4, 5, 6 of a chart) or of a legend entry's caption (codes 20 and 22), read from and written back
// into the element's record; the meaning of the page's style and size lists; and the font the
// choice in those lists makes.

#include "chart/model/ChartElementSheets.h"
#include "framework/CString.h"
#include "framework/Geometry.h"

#include <windows.h>

#include <optional>

struct ChartTextFont
{
    LOGFONTA font{};
    CString text;
    CString sizeText; // the size as the size list shows it
    COLORREF colour = 0;
    COLORREF background = 0xFFFFFF;
    int transparent = 0;
    int scale = 0; // a legend caption's font is fitted to its box
};

// Whether the code names a text the font page edits, and the record holds it.
bool IsChartTextElement(int code, const CChartElementRecord& record);
// The element's values; none when it is not such a text.
std::optional<ChartTextFont> ReadChartTextFont(int code, const CChartElementRecord& record);
// Writes the values into the element (a title keeps no scale flag); the rectangle of the control's
// window that shows the text, none when nothing was written.
std::optional<CRect> WriteChartTextFont(int code, const CChartElementRecord& record, const ChartTextFont& values);

// The style list: "常规", "斜体", "粗体", "粗斜体".
enum ChartFontStyle
{
    kFontRegular = 0,
    kFontItalic = 1,
    kFontBold = 2,
    kFontBoldItalic = 3
};
ChartFontStyle FontStyleOf(const LOGFONTA& font);

// The size list: 16 point sizes, then 16 Chinese size names, each read as the point size in the
// mirrored place of the first half ("初号" as "72", "八号" as "8"). The item whose text an item
// index stands for; -1 for an index outside the list.
constexpr int kFontSizeItems = 32;
int FontSizeItemRead(int index);

// The font of a choice in the lists: face, style, points at the device's pixels per logical inch,
// underline and strike-out. The text's angle (escapement, orientation) is kept from `kept`.
LOGFONTA ChosenFont(const CString& face, ChartFontStyle style, int points, int pixelsPerInch, bool underline,
                    bool strikeOut, const LOGFONTA& kept);
