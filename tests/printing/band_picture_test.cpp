// The header and footer pictures with no window: a file loaded as a bitmap or an icon by its
// extension, unreadable files and other extensions refused; the picture a page-setup record owns
// and the copies of it; and where the band preview puts the picture, the text and the rule.

#include "printing/BandPictureFile.h"
#include "printing/BandLayout.h"
#include "tests/support/GuiResources.h"
#include "tests/support/PictureFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(BandPictureFile, LoadsByTheExtensionAndRefusesWhatGivesNoPicture)
{
    const struct
    {
        const char* name;
        Bytes bytes;
        CBandPictureFile::Result result;
    } cases[] = {
        {"band.bmp", BitmapFile(8, 4, RGB(255, 0, 0)), CBandPictureFile::Bitmap},
        {"BAND.DIB", BitmapFile(8, 4, RGB(255, 0, 0)), CBandPictureFile::Bitmap},
        {"band.ico", IconFile(RGB(0, 0, 255)), CBandPictureFile::Icon},
        {"band.Ico", IconFile(RGB(0, 0, 255)), CBandPictureFile::Icon},
        {"band.txt", BitmapFile(8, 4, RGB(255, 0, 0)), CBandPictureFile::NotAPicture},
        {"band.bmp.txt", BitmapFile(8, 4, RGB(255, 0, 0)), CBandPictureFile::NotAPicture},
        {"noextension", BitmapFile(8, 4, RGB(255, 0, 0)), CBandPictureFile::NotAPicture},
        {"broken.bmp", Bytes{'B', 'M', 1, 2, 3}, CBandPictureFile::Unreadable},
        {"icon_as.bmp", IconFile(RGB(0, 0, 255)), CBandPictureFile::Unreadable},
        {"bitmap_as.ico", BitmapFile(8, 4, RGB(255, 0, 0)), CBandPictureFile::Unreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CString path = WriteFile(c.name, c.bytes).c_str();
        const CBandPictureFile loaded = CBandPictureFile::Load(path);
        EXPECT_EQ(loaded.result, c.result);
        EXPECT_EQ(loaded.bitmap != nullptr, c.result == CBandPictureFile::Bitmap);
        EXPECT_EQ(loaded.icon != nullptr, c.result == CBandPictureFile::Icon);
        if (c.result == CBandPictureFile::Bitmap) {
            BITMAP info{};
            ASSERT_TRUE(GetObjectW(loaded.bitmap, sizeof(info), &info));
            EXPECT_EQ(info.bmWidth, 8);
            EXPECT_EQ(info.bmHeight, 4);
        }
    }
    EXPECT_EQ(CBandPictureFile::Load(TempPath("missing_file.bmp").c_str()).result, CBandPictureFile::Unreadable);
    // A NUL inside the name: the picture named by the text before it is not taken.
    const std::string beforeNul = WriteFile("band_nul.bmp", BitmapFile(8, 4, RGB(255, 0, 0)));
    EXPECT_EQ(CBandPictureFile::Load(CString(beforeNul + '\0' + ".bmp")).result, CBandPictureFile::Unreadable);
    EXPECT_STREQ(CBandPictureFile::RefusalText(CBandPictureFile::Unreadable, "C:\\a.bmp"),
                 "无法读取图片文件!\nC:\\a.bmp");
    EXPECT_STREQ(CBandPictureFile::RefusalText(CBandPictureFile::NotAPicture, "C:\\a.png"),
                 "只能选择位图(*.bmp;*.dib)或图标(*.ico)文件!\nC:\\a.png");
}

HBITMAP MakeBitmap()
{
    return CreateBitmap(4, 4, 1, 32, nullptr);
}

TEST(BandPicture, TheRecordOwnsItsPicturesAndItsCopiesHaveTheirOwn)
{
    const DWORD before = GdiObjectCount();
    {
        CPageSetup setup;
        setup.m_hHeaderBitmap.Reset(MakeBitmap());
        setup.m_hFooterBitmap.Reset(MakeBitmap());
        const HBITMAP first = setup.m_hHeaderBitmap;
        setup.m_hHeaderBitmap.Reset(first); // the same handle again: kept
        EXPECT_NE(GetObjectType(first), 0u);
        setup.m_hHeaderBitmap.Reset(MakeBitmap()); // another: the first goes
        EXPECT_EQ(GetObjectType(first), 0u);

        CPageSetup copy = setup;
        EXPECT_NE(HBITMAP(copy.m_hHeaderBitmap), HBITMAP(setup.m_hHeaderBitmap));
        EXPECT_NE(copy.m_hHeaderBitmap, nullptr);
        EXPECT_EQ(copy.m_hHeaderIcon, nullptr);
        copy = setup;
        CPageSetup moved = std::move(copy);
        EXPECT_EQ(copy.m_hHeaderBitmap, nullptr);
        EXPECT_NE(moved.m_hHeaderBitmap, nullptr);

        const HBITMAP released = moved.m_hFooterBitmap.Release();
        EXPECT_EQ(moved.m_hFooterBitmap, nullptr);
        DeleteObject(released);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(BandLayout, PictureBesideTheFirstLineOnTheSideOfTheAlignmentAndTheRuleUnderAll)
{
    using L = CBandLayout;
    const CRect area(10, 20, 210, 100); // 200 wide
    const CSize line(50, 12);
    const CSize rest(80, 24);
    const struct
    {
        const char* name;
        bool picture;
        int align;
        int rule;
        CRect picture_, first, restAt;
        bool hasRule;
        int ruleY, ruleLeft, ruleRight;
    } cases[] = {
        {"left, picture, long rule", true, L::Left, L::LongRule, {10, 20, 42, 52}, {46, 20, 96, 32},
         {10, 52, 90, 76}, true, 79, 10, 210},
        {"centre, picture, short rule", true, L::Centre, L::ShortRule, {67, 20, 99, 52}, {103, 20, 153, 32},
         {70, 52, 150, 76}, true, 79, 67, 153},
        {"right, picture, no rule", true, L::Right, L::NoRule, {178, 20, 210, 52}, {124, 20, 174, 32},
         {130, 52, 210, 76}, false, 0, 0, 0},
        {"left, no picture, short rule", false, L::Left, L::ShortRule, {}, {10, 20, 60, 32}, {10, 32, 90, 56},
         true, 59, 10, 90},
        {"right, no picture", false, L::Right, L::LongRule, {}, {160, 20, 210, 32}, {130, 32, 210, 56}, true, 59,
         10, 210},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const L layout = L::Lay(area, line, rest, c.picture, c.align, c.rule);
        EXPECT_EQ(layout.picture.IsRectEmpty(), !c.picture);
        if (c.picture) {
            EXPECT_TRUE(EqualRect(&layout.picture, &c.picture_));
        }
        EXPECT_TRUE(EqualRect(&layout.firstLine, &c.first));
        EXPECT_TRUE(EqualRect(&layout.rest, &c.restAt));
        EXPECT_EQ(layout.hasRule, c.hasRule);
        if (c.hasRule) {
            EXPECT_EQ(layout.ruleY, c.ruleY);
            EXPECT_EQ(layout.ruleLeft, c.ruleLeft);
            EXPECT_EQ(layout.ruleRight, c.ruleRight);
        }
    }
    // A first line wider than the room beside the picture is kept to that room.
    const L wide = L::Lay(area, CSize(500, 12), CSize(), true, L::Left, L::NoRule);
    EXPECT_EQ(wide.firstLine.right, area.right);
}

} // namespace
