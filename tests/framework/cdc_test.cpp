// The device-context layer: who owns the DC, what selection guards restore, and that text in
// code page 936 bytes reaches GDI as the same characters.

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "tests/support/GuiResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(CDC, WrapperNeverDeletesTheHandleItWraps)
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    {
        CDC wrapped(hdc);
        CDC fromHandle = CDC::FromHandle(hdc);
        CDC attached;
        attached.Attach(hdc);
        EXPECT_EQ(fromHandle.GetSafeHdc(), hdc);
        EXPECT_EQ(attached.m_hAttribDC, hdc);
    }
    EXPECT_NE(::GetDeviceCaps(hdc, BITSPIXEL), 0) << "a wrapper deleted a DC it did not own";
    EXPECT_TRUE(::DeleteDC(hdc));
}

TEST(CDC, OwnedDcIsDeletedOnceEvenAfterMove)
{
    DWORD before = GdiObjectCount();
    for (int i = 0; i < 200; ++i) {
        CDC first;
        ASSERT_TRUE(first.CreateCompatibleDC(static_cast<HDC>(nullptr)));
        CDC second = std::move(first);
        EXPECT_EQ(first.GetSafeHdc(), nullptr);
        CDC third;
        third = std::move(second);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(CDC, SelectionGuardsRestoreWhatTheyReplaced)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(static_cast<HDC>(nullptr)));
    HGDIOBJ originalPen = dc.GetCurrentObject(OBJ_PEN);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    {
        CSelectObject select(dc, red);
        EXPECT_EQ(dc.GetCurrentObject(OBJ_PEN), red.GetSafeHandle());
        CSaveDC save(dc);
        dc.SetTextColor(RGB(1, 2, 3));
        dc.SelectStockObject(BLACK_PEN);
    }
    EXPECT_EQ(dc.GetCurrentObject(OBJ_PEN), originalPen);
    EXPECT_NE(dc.GetTextColor(), RGB(1, 2, 3));
}

TEST(CDC, SelectionGoesIntoTheAttributeDcTooWhenTheyDiffer)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(static_cast<HDC>(nullptr)));
    CDC attribute;
    ASSERT_TRUE(attribute.CreateCompatibleDC(static_cast<HDC>(nullptr)));
    dc.SetAttribDC(attribute.GetSafeHdc());
    HGDIOBJ outputFont = ::GetCurrentObject(dc.m_hDC, OBJ_FONT);
    HGDIOBJ attributeFont = ::GetCurrentObject(attribute.GetSafeHdc(), OBJ_FONT);
    HFONT big = ::CreateFontW(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"SimSun");
    {
        CSelectObject select(dc, big);
        EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_FONT), big);
        EXPECT_EQ(::GetCurrentObject(attribute.GetSafeHdc(), OBJ_FONT), big);
        EXPECT_GE(dc.GetTextExtent("Wg", 2).cy, 40);
    }
    EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_FONT), outputFont);
    EXPECT_EQ(::GetCurrentObject(attribute.GetSafeHdc(), OBJ_FONT), attributeFont);
    dc.ReleaseAttribDC();
    ::DeleteObject(big);
}

TEST(CDC, Cp936TextMeasuresAndPaintsAsItsWideCharacters)
{
    CBitmap bitmap;
    DWORD* bits = nullptr;
    ASSERT_TRUE(bitmap.CreateDIBSection32(120, 40, &bits));
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(static_cast<HDC>(nullptr)));
    CSelectObject selectBitmap(dc, bitmap);
    LOGFONTA face{};
    face.lfHeight = -20;
    face.lfCharSet = GB2312_CHARSET;
    strcpy(face.lfFaceName, "宋体");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&face));
    LOGFONTA back{};
    ASSERT_TRUE(font.GetLogFont(&back));
    EXPECT_STREQ(back.lfFaceName, "宋体");
    CSelectObject selectFont(dc, font);

    const CString text("页索引");
    SIZE wide{};
    ::GetTextExtentPoint32W(dc, L"页索引", 3, &wide);
    EXPECT_EQ(dc.GetTextExtent(text), CSize(wide));

    dc.FillSolidRect(CRect(0, 0, 120, 40), RGB(255, 255, 255));
    // Per-byte advances: each double-byte character advances by the sum of its two bytes.
    const int widths[] = {15, 15, 15, 15, 15, 15};
    ASSERT_TRUE(dc.ExtTextOut(0, 0, 0, nullptr, text, text.GetLength(), widths));
    ::GdiFlush();
    int ink = 0;
    for (int i = 0; i < 120 * 40; ++i)
        ink += (bits[i] & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(ink, 50);
}

TEST(CDC, FontsAreMadeNoLargerThanTheBound)
{
    const LONG max = CFont::kMaxSize;
    struct Case
    {
        LONG height, width, madeHeight, madeWidth;
    } cases[] = {
        {-12, 0, -12, 0},
        {-max, max, -max, max},
        {-20000, 0, -max, 0},
        {1 << 30, -(1 << 30), max, -max},
        {LONG(0x80000000), 7, -max, 7},
        {12, 0x7FFFFFFF, 12, max},
    };
    for (const Case& c : cases) {
        LOGFONTA asked{};
        asked.lfHeight = c.height;
        asked.lfWidth = c.width;
        strcpy(asked.lfFaceName, "宋体");
        CFont font;
        ASSERT_TRUE(font.CreateFontIndirect(&asked)) << c.height;
        LOGFONTA made{};
        ASSERT_TRUE(font.GetLogFont(&made));
        EXPECT_EQ(made.lfHeight, c.madeHeight) << c.height;
        EXPECT_EQ(made.lfWidth, c.madeWidth) << c.width;
    }
}

// A face is cut to the 31 bytes the record holds after its last whole character: a double-byte
// character that would end past them goes whole, and the rest of the field is zero.
TEST(CFont, FaceNamesAreCutAtACharacterBoundary)
{
    const std::string fifteen = "宋体宋体宋体宋体宋体宋体宋体宋"; // 30 bytes
    const struct
    {
        std::string face;
        std::string kept;
    } cases[] = {
        {"Arial", "Arial"},
        {std::string(31, 'A'), std::string(31, 'A')},
        {std::string(40, 'A'), std::string(31, 'A')},
        {fifteen + "体", fifteen},
        {"A" + fifteen + "体", "A" + fifteen},
        {fifteen + "AB", fifteen + "A"},
        {"", ""},
    };
    for (const auto& c : cases) {
        LOGFONTA font;
        std::memset(&font, 'x', sizeof font);
        CFont::SetFaceName(font, c.face.c_str());
        EXPECT_EQ(std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE)), c.kept) << c.face;
        for (size_t at = c.kept.size(); at < LF_FACESIZE; ++at)
            EXPECT_EQ(font.lfFaceName[at], '\0') << c.face << " at " << at;
        EXPECT_EQ(font.lfHeight, LONG(0x78787878)) << "the rest of the record stays";
    }
}
