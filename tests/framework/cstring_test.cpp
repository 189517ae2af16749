// CString holds code page 936 bytes: byte lengths, character-safe searches and explicit conversions.

#include "framework/CString.h"

#include <gtest/gtest.h>

TEST(CString, Cp936RoundTripKeepsBytesAndLength)
{
    CString text = CString::FromWide(L"页索引无效!");
    EXPECT_EQ(text.GetLength(), 11);
    EXPECT_STREQ(text, "页索引无效!");
    EXPECT_EQ(text.ToWide(), L"页索引无效!");
}

TEST(CString, BstrRoundTrip)
{
    CString text("所命名的工作表名不能与其它工作表重名!");
    BSTR b = text.AllocSysString();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(SysStringLen(b), 19u);
    EXPECT_EQ(CString::FromBSTR(b), text);
    SysFreeString(b);
    EXPECT_TRUE(CString::FromBSTR(nullptr).IsEmpty());
}

TEST(CString, SearchesNeverMatchInsideADoubleByteCharacter)
{
    // "八模" is B0 CB C4 A3; "四" is CB C4: the bytes of one span the two characters.
    CString text("八模");
    ASSERT_EQ(CString("四").GetLength(), 2);
    ASSERT_NE(text.str().find(CString("四").str()), std::string::npos);
    EXPECT_EQ(text.Find("四"), -1);
    EXPECT_EQ(CString("八四").Find("四"), 2);
    EXPECT_EQ(CString("八四").Find("四", 1), 2) << "a start inside a character moves to the next one";

    // 0x5C ('\\') is also a trail byte in code page 936: a single-byte search must skip it.
    CString trail("\x81\x5C\\");
    EXPECT_EQ(trail.Find('\\'), 2);
    EXPECT_EQ(trail.ReverseFind('\\'), 2);
    EXPECT_EQ(trail.Remove('\\'), 1);
    EXPECT_EQ(trail, CString("\x81\x5C"));
}

TEST(CString, TrailingLeadByteIsOneCharacter)
{
    CString broken("ab\xB0");
    EXPECT_EQ(broken.NextCharIndex(2), 3);
    EXPECT_EQ(broken.Find('x'), -1);
    EXPECT_EQ(broken.ReverseFind('b'), 1);
}

TEST(CString, LeftMidRightClampToTheText)
{
    CString text("Sheet12");
    struct Case {
        CString got;
        const char* want;
    } cases[] = {
        {text.Left(5), "Sheet"}, {text.Left(-1), ""},   {text.Left(99), "Sheet12"}, {text.Mid(5), "12"},
        {text.Mid(5, 1), "1"},   {text.Mid(99), ""},    {text.Mid(-3, 2), "Sh"},   {text.Right(2), "12"},
        {text.Right(99), "Sheet12"}, {text.Right(0), ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.got, c.want);
}

TEST(CString, CompareAndCase)
{
    EXPECT_EQ(CString("a").Compare("b"), -1);
    EXPECT_EQ(CString("b").Compare("a"), 1);
    EXPECT_EQ(CString("Sheet1").CompareNoCase("SHEET1"), 0);
    EXPECT_STREQ(CString("表a").MakeUpper(), "表A");
    EXPECT_TRUE(CString("x") == "x");
}

TEST(CString, FormatWithTheControlsFormats)
{
    struct Case {
        CString got;
        const char* want;
    };
    auto format = [](const char* f, auto... args) {
        CString s;
        s.Format(f, args...);
        return s;
    };
    Case cases[] = {
        {format("Sheet%d", 3), "Sheet3"},
        {format("%d", -12), "-12"},
        {format("%s%d", "第", 2), "第2"},
        {format("%.2f", 2.5), "2.50"},
        {format("%02d:%02d", 7, 5), "07:05"},
        {format("%c", 'A' + 25), "Z"},
        {format("%ld", 65536L), "65536"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.got, c.want);
}

TEST(CString, ReplaceInsertDeleteTrim)
{
    CString text("  一,二,三  ");
    text.Trim();
    EXPECT_STREQ(text, "一,二,三");
    EXPECT_EQ(text.Replace(",", "、"), 2);
    EXPECT_STREQ(text, "一、二、三");
    text.Insert(0, "零");
    text.Delete(2, 4);
    EXPECT_STREQ(text, "零二、三") << "Insert then Delete work in bytes";
}
