// Years in Chinese digits, Chinese numerals of several characters and single numerals; the
// numeral reader and writer.

#include "tests/support/SeriesFill.h"

namespace {

// Every example the Chinese numeral series are documented with, byte for byte.
TEST(ChineseSeries, Examples)
{
    ExpectSeriesTable({
        {"一九九九年", Drag::Down, {"二000年", "二00一年"}},
        {"二00三年度", Drag::Up, {"二00二年度", "二00一年度", "二000年度", "一九九九年度"}},
        {"贰零零叁年", Drag::Down, {"贰零零肆年", "贰零零伍年"}},
        {"第一二三号", Drag::Down, {"第一二四号", "第一二五号"}},
        {"一百二十", Drag::Down, {"一百二十一", "一百二十二"}},
        {"二十", Drag::Down, {"二十一", "二十二"}},
        {"第三章", Drag::Down, {"第四章", "第五章", "第六章", "第七章", "第八章", "第九章", "第一0章"}},
        {"第十章", Drag::Down, {"第一十一章", "第一十二章"}},
        {"甲一", Drag::Up, {"甲0", "甲-一"}},
        {"三年级二班", Drag::Down, {"三年级三班", "三年级四班"}},
        // The places of a year: eight, seven, six and five bytes.
        {"一九九九年", Drag::Right, {"二000年"}},
        {"二0一三年", Drag::Right, {"二0一四年"}},
        {"二00三年", Drag::Right, {"二00四年"}},
        {"二000年", Drag::Right, {"二00一年"}},
        // Positional and composed readings.
        {"一二三", Drag::Down, {"一二四"}},
        {"二0一", Drag::Down, {"二0二"}},
        {"一十一", Drag::Down, {"一十二"}},
        {"二万三千", Drag::Down, {"二万三千一"}},
    });
}

// A numeral past 2^31 - 1 is no series: every cell keeps the copy, none has one character of it
// rewritten as a single numeral. The largest numeral read still counts on.
TEST(ChineseSeries, NumeralsTooLargeToContinueAreCopied)
{
    const char* composed = "第二十一亿四千七百四十八万三千六百四十八号";
    const char* positional = "编号一二三四五六七八九0一";
    ExpectSeriesTable({
        {composed, Drag::Down, {composed, composed}},
        {composed, Drag::Left, {composed}},
        {positional, Drag::Up, {positional, positional}},
        {"三十亿元", Drag::Right, {"三十亿元"}},
        {"二十一亿四千七百四十八万三千六百四十七", Drag::Down, {"二十一亿四千七百四十八万三千六百四十八"}},
        {"一二三四五六七八九0", Drag::Up, {"一二三四五六七八八九"}},
    });
}

// Runs of ASCII zeros and characters taken whole: a run of zeros is no numeral ("1000" is a number
// and continues as one), and a numeral character is never found across two characters ("八模"
// holds the bytes of "四" across its two characters, "挂花" those of "一").
TEST(ChineseSeries, ZerosAndWholeCharacters)
{
    ExpectSeriesTable({
        {"1000", Drag::Down, {"1001", "1002"}},
        {"2000年", Drag::Down, {"2001年"}},
        {"0一二", Drag::Down, {"0一三"}},
        {"一二三号1000", Drag::Down, {"一二四号1000"}},
        {"八模", Drag::Down, {"九模", "一0模"}},
        {"挂花", Drag::Down, {"挂花"}, 0},
    });
}

TEST(ChineseSeries, BeyondTheExamples)
{
    ExpectSeriesTable({
        {"贰零零零年", Drag::Up, {"壹玖玖玖年"}},
        {"二万三千", Drag::Up, {"二万二千九百九十九"}},
        {"十二", Drag::Down, {"一十三"}},
        {"第叁章", Drag::Down, {"第四章"}},
        // No years: three places, an ASCII "0" among upper-case digits.
        {"二二0年一0号", Drag::Down, {"二二0年一一号"}},
        {"壹0贰叁肆年", Drag::Down, {"二0贰叁肆年"}},
        // A composed numeral below one: zero is "0", a negative value has its sign first.
        {"一十", Drag::Up, {"九", "八", "七", "六", "五", "四", "三", "二", "一", "0", "-一"}},
    });
}

TEST(ChineseSeries, Writer)
{
    struct Case
    {
        long long value; // before the step
        BOOL forward;
        BOOL positional;
        const char* text;
    } cases[] = {
        {9, TRUE, FALSE, "一十"},
        {10, TRUE, FALSE, "一十一"},
        {19, TRUE, FALSE, "二十"},
        {99, TRUE, FALSE, "一百"},
        {100, TRUE, FALSE, "一百一"},
        {109, TRUE, FALSE, "一百一十"},
        {999, TRUE, FALSE, "一千"},
        {9999, TRUE, FALSE, "一万"},
        {12344, TRUE, FALSE, "一万二千三百四十五"},
        {99999, TRUE, FALSE, "一十万"},
        {12345677, TRUE, FALSE, "一千二百三十四万五千六百七十八"},
        {123456788, TRUE, FALSE, "一亿二千三百四十五万六千七百八十九"},
        // No "万" after an all-zero middle group.
        {100000000, TRUE, FALSE, "一亿一"},
        {100010001, FALSE, FALSE, "一亿一万"},
        {2147483647, TRUE, FALSE, "二十一亿四千七百四十八万三千六百四十八"},
        {1, FALSE, FALSE, "0"},
        {0, FALSE, FALSE, "-一"},
        {122, TRUE, TRUE, "一二三"},
        {9, TRUE, TRUE, "一0"},
        {0, FALSE, TRUE, "-一"},
    };
    for (const Case& c : cases) {
        long long value = c.value;
        const CString text = CFillSeries::FormatChineseNumber(value, c.forward, c.positional);
        EXPECT_TRUE(text == c.text) << c.value << ": " << Utf8(text.str()) << ", not " << Utf8(c.text);
        EXPECT_EQ(value, c.value + (c.forward ? 1 : -1));
    }
}

TEST(ChineseSeries, ComposedReader)
{
    struct Case
    {
        const char* numeral;
        long long value; // 0: refused
    } cases[] = {
        {"一百二十", 120},
        {"一十一", 11},
        {"二万三千", 23000},
        {"十二", 12},
        {"一百0五", 105},
        {"一百二0", 120},
        {"二0", 20},
        {"一亿二千万", 120000000},
        {"二十一亿四千七百四十八万三千六百四十七", 2147483647},
        // Refused: digits in a row, a bare unit, units out of order or repeated, a zero after a
        // unit at the end, too large.
        {"一二三", 0},
        {"百二", 0},
        {"一十十", 0},
        {"一十百", 0},
        {"一万二万", 0},
        {"万", 0},
        {"三十0", 0},
        {"二0三", 0},
        // Regular but past 2^31 - 1; an irregular part refuses even a numeral that large.
        {"二十一亿四千七百四十八万三千六百四十八", CFillSeries::kNumeralTooLarge},
        {"三十亿", CFillSeries::kNumeralTooLarge},
        {"一万亿", CFillSeries::kNumeralTooLarge},
        {"三十亿二二", 0},
        {"一亿三十亿", 0},
        {"百亿", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFillSeries::ReadChineseNumber(c.numeral), c.value) << Utf8(std::string(c.numeral));
}

} // namespace
