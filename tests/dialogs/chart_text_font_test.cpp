// The font page's choice without its window: how the style and size lists read, the font a choice
// makes, and the values of a title or a legend caption read from and written into the element.

#include "dialogs/ChartTextFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

LOGFONTA Font(LONG weight, BYTE italic)
{
    LOGFONTA font{};
    font.lfWeight = weight;
    font.lfItalic = italic;
    return font;
}

TEST(ChartTextFont, StyleOfAStoredFont)
{
    const struct
    {
        LONG weight;
        BYTE italic;
        ChartFontStyle style;
    } cases[] = {
        {0, 0, kFontRegular},     {FW_NORMAL, 0, kFontRegular}, {FW_MEDIUM, 0, kFontRegular},
        {FW_NORMAL, 1, kFontItalic}, {FW_SEMIBOLD, 0, kFontBold}, {FW_BOLD, 0, kFontBold},
        {FW_HEAVY, 1, kFontBoldItalic},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FontStyleOf(Font(c.weight, c.italic)), c.style) << c.weight << " " << int(c.italic);
}

TEST(ChartTextFont, ChineseSizeNamesReadAsTheMirroredPointSize)
{
    const struct
    {
        int index, read;
    } cases[] = {{0, 0}, {2, 2}, {15, 15}, {16, 15}, {17, 14}, {26, 5}, {31, 0}, {-1, -1}, {32, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(FontSizeItemRead(c.index), c.read) << c.index;
}

TEST(ChartTextFont, ChosenFontSizesStylesAndKeepsTheAngle)
{
    LOGFONTA kept = Font(FW_NORMAL, 0);
    kept.lfEscapement = kept.lfOrientation = 900;
    kept.lfCharSet = GB2312_CHARSET;
    std::strcpy(kept.lfFaceName, "old");

    const LOGFONTA bold = ChosenFont("宋体", kFontBoldItalic, 14, 96, true, false, kept);
    EXPECT_STREQ(bold.lfFaceName, "宋体");
    EXPECT_EQ(bold.lfHeight, -18);
    EXPECT_EQ(bold.lfWeight, FW_HEAVY);
    EXPECT_EQ(bold.lfItalic, 1);
    EXPECT_EQ(bold.lfUnderline, 1);
    EXPECT_EQ(bold.lfStrikeOut, 0);
    EXPECT_EQ(bold.lfEscapement, 900) << "a turned title stays turned";
    EXPECT_EQ(bold.lfOrientation, 900);
    EXPECT_EQ(bold.lfCharSet, 0);

    const LOGFONTA regular = ChosenFont("Arial", kFontRegular, 11, 120, false, true, LOGFONTA{});
    EXPECT_EQ(regular.lfHeight, -18) << "1320 / -72 truncated toward zero";
    EXPECT_EQ(regular.lfWeight, 0);
    EXPECT_EQ(regular.lfItalic, 0);
    EXPECT_EQ(regular.lfStrikeOut, 1);
}

TEST(ChartTextFont, ALongFaceIsCutAfterAWholeCharacter)
{
    std::string name = "AB"; // then 16 double-byte characters: 34 bytes
    for (int i = 0; i < 16; ++i)
        name += "宋";
    const LOGFONTA font = ChosenFont(name.c_str(), kFontRegular, 10, 96, false, false, LOGFONTA{});
    EXPECT_EQ(std::string(font.lfFaceName), name.substr(0, 30)) << "not half of the fifteenth";
}

// The element codes and the record member each writes.
TEST(ChartTextFont, ReadAndWriteByElement)
{
    CNorvakChart chart;
    CChartTextItem entry;
    entry.strCaption = "系列1";
    entry.strExtra = "12";
    entry.bFitText = 1;
    entry.rcCaption = CRect(1, 2, 3, 4);
    chart.chartTitle.strText = "图表标题!";
    chart.xAxisTitle.rc = CRect(5, 6, 7, 8);
    chart.yAxisTitle.font.lfEscapement = 900;
    const CChartElementRecord record{&chart, nullptr, &entry};

    ChartTextFont values;
    values.text = "新";
    values.sizeText = "14";
    values.colour = RGB(1, 2, 3);
    values.background = RGB(4, 5, 6);
    values.transparent = 1;
    values.scale = 1;
    values.font.lfWeight = FW_HEAVY;

    struct Case
    {
        int code;
        const CChartTitleBlock* title;
        const CChartTextItem* legend;
        CRect shown;
    };
    const Case cases[] = {
        {4, &chart.chartTitle, nullptr, CRect()},
        {5, &chart.xAxisTitle, nullptr, CRect(5, 6, 7, 8)},
        {6, &chart.yAxisTitle, nullptr, CRect()},
        {20, nullptr, &entry, CRect(1, 2, 3, 4)},
        {22, nullptr, &entry, CRect(1, 2, 3, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(IsChartTextElement(c.code, record));
        const std::optional<ChartTextFont> read = ReadChartTextFont(c.code, record);
        ASSERT_TRUE(read);
        if (c.title) {
            EXPECT_EQ(read->text, c.title->strText);
            EXPECT_EQ(read->font.lfEscapement, c.title->font.lfEscapement);
            EXPECT_EQ(read->scale, 0);
        } else {
            EXPECT_EQ(read->text, "系列1");
            EXPECT_EQ(read->sizeText, "12");
            EXPECT_EQ(read->scale, 1);
        }
        EXPECT_EQ(WriteChartTextFont(c.code, record, values), c.shown);
        if (c.title) {
            EXPECT_EQ(c.title->strText, "新");
            EXPECT_EQ(c.title->strExtra, "14");
            EXPECT_EQ(c.title->crText, RGB(1, 2, 3));
            EXPECT_EQ(c.title->crBack, RGB(4, 5, 6));
            EXPECT_EQ(c.title->bTransparent, 1);
            EXPECT_EQ(c.title->font.lfWeight, FW_HEAVY);
        } else {
            EXPECT_EQ(c.legend->strCaption, "新");
            EXPECT_EQ(c.legend->strExtra, "14");
            EXPECT_EQ(c.legend->crText, RGB(1, 2, 3));
            EXPECT_EQ(c.legend->crBack, RGB(4, 5, 6));
            EXPECT_EQ(c.legend->bTransparent, 1);
            EXPECT_EQ(c.legend->bFitText, 1);
            EXPECT_EQ(c.legend->font.lfWeight, FW_HEAVY);
        }
        entry.strCaption = "系列1";
        entry.strExtra = "12";
    }
}

TEST(ChartTextFont, OtherElementsAndMissingRecordsHaveNoText)
{
    CNorvakChart chart;
    CChartTextItem entry;
    const struct
    {
        int code;
        CChartElementRecord record;
    } cases[] = {
        {0, {&chart, nullptr, &entry}},  {3, {&chart, nullptr, &entry}},   {21, {&chart, nullptr, &entry}},
        {4, {nullptr, nullptr, &entry}}, {20, {&chart, nullptr, nullptr}}, {-1, {&chart, nullptr, &entry}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_FALSE(IsChartTextElement(c.code, c.record));
        EXPECT_FALSE(ReadChartTextFont(c.code, c.record));
        EXPECT_FALSE(WriteChartTextFont(c.code, c.record, ChartTextFont{}));
    }
}

} // namespace
