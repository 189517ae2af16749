// The platform the rest of the suite relies on: code page 936, Chinese resources and CJK glyphs.

#include "framework/CString.h"
#include "tests/framework/environment_test_ids.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(Environment, AnsiCodePageIs936)
{
    ASSERT_EQ(GetACP(), 936u) << "Wine must run with LANG=zh_CN.UTF-8; every CP936 test depends on it";
}

TEST(Environment, ChineseStringResourceLoadsBackExactly)
{
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_ENV_CHINESE));
    EXPECT_STREQ(text, "页索引无效!");
    EXPECT_EQ(text.GetLength(), 11);
    EXPECT_EQ(text.ToWide(), L"页索引无效!");
}

// Counts the pixels a face paints for a Chinese text on white in a 32-bpp DIB section.
static int InkPixels(const wchar_t* face)
{
    const int width = 200, height = 40;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontW(-24, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ oldFont = SelectObject(dc, font);
    TextOutW(dc, 2, 2, L"页索引", 3);
    GdiFlush();
    int ink = 0;
    const DWORD* pixel = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        ink += (pixel[i] & 0xFFFFFF) != 0xFFFFFF;
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

TEST(Environment, ChineseFacesPaintGlyphs)
{
    for (const wchar_t* face : {L"宋体", L"新宋体", L"楷体", L"黑体", L"SimSun"})
        EXPECT_GT(InkPixels(face), 50) << "no CJK glyphs for the face; is fonts-wqy-zenhei installed and mapped?";
}

// The system draws the caption buttons' glyphs from Marlett, a symbol font; without it they show
// as the letters that stand for them ("0", "1", "r").
TEST(Environment, CaptionButtonGlyphsHaveTheirSymbolFont)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0, L"Marlett");
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE]{};
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    EXPECT_STREQ(face, L"Marlett") << "the prefix must hold Wine's marlett.ttf in its Fonts folder";
    EXPECT_EQ(metrics.tmCharSet, SYMBOL_CHARSET);
}
