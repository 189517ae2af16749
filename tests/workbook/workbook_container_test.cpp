// The workbook file's header, extension rules and page loop.

#include "tests/workbook/WorkbookSamples.h"

TEST(WorkbookContainer, HeaderBytesAreExact)
{
    SamplePage a("A", 2, 2), b("B", 2, 2);
    CPageToSave pages[] = {a.ToSave(), b.ToSave()};
    std::vector<uint8_t> bytes = SaveBytes(pages, CHeaderFlags{1, 0}, ".fcs");
    const std::vector<uint8_t> header = {
        8, 'V', '1', '.', '0', '.', '0', '.', '1', // version
        4, '.', 'f', 'c', 's',                     // extension
        2, 0,   0,   0,                            // page count
        1, 0,   0,   0,                            // row header flag
        0, 0,   0,   0,                            // column header flag
        0, 0,   0,   0,                            // the first page's index
        1, 'A',                                    // and its title
    };
    ASSERT_GT(bytes.size(), header.size());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + std::ptrdiff_t(header.size())), header);

    std::vector<uint8_t> empty = SaveBytes({}, CHeaderFlags{}, ".nvk");
    EXPECT_EQ(empty, (std::vector<uint8_t>{8,   'V', '1', '.', '0', '.', '0', '.', '1', 4, '.', 'n', 'v',
                                           'k', 0,   0,   0,   0,   0,   0,   0,   0,   0, 0,   0,   0}));
}

TEST(WorkbookContainer, SaveTargetByExtension)
{
    struct Case
    {
        const char* path;
        const char* savedAs;
        const char* extension;
    } cases[] = {
        {"C:\\out\\a.txt", "C:\\out\\a.txt.nvk", ".nvk"},
        {"C:\\out\\b.NOR", "C:\\out\\b.NOR", ".nor"},
        {"c.Fcs", "c.Fcs", ".fcs"},
        {"报表.nvk", "报表.nvk", ".nvk"},
        {"nvk", "nvk.nvk", ".nvk"},
        {"x.nvkk", "x.nvkk.nvk", ".nvk"},
        {"", ".nvk", ".nvk"},
    };
    for (const Case& c : cases) {
        CSaveTarget target = ChooseSaveTarget(c.path);
        EXPECT_EQ(target.path, CString(c.savedAs)) << c.path;
        EXPECT_EQ(target.extension, CString(c.extension)) << c.path;
    }
}

TEST(WorkbookContainer, ReaderOnTheHeader)
{
    auto header = [](const char* extension, int32_t count) {
        CArchiveWriter out;
        out.WriteString(CString("any version"));
        out.WriteString(CString(extension));
        out.WriteInt(count);
        out.WriteInt(0);
        out.WriteInt(0);
        return out.TakeBytes();
    };
    struct Case
    {
        const char* extension;
        int32_t count;
        CReadResult result;
    } cases[] = {
        {".nvk", 0, CReadResult::Read},
        {".NVK", 0, CReadResult::Read},
        {".Nor", 0, CReadResult::Read},
        {".fcs", 0, CReadResult::Read},
        {".txt", 0, CReadResult::UnknownFormat},
        {"nvk", 0, CReadResult::UnknownFormat},
        {".nvk", -1, CReadResult::NegativePageCount},
        {".nvk", 1, CReadResult::Refused},
        {".nvk", 0x7FFFFFFF, CReadResult::Refused},
    };
    for (const Case& c : cases) {
        std::vector<CLoadedPage> pages;
        EXPECT_EQ(LoadBytes(header(c.extension, c.count), pages), c.result) << c.extension << " " << c.count;
        EXPECT_TRUE(pages.empty());
    }
}

TEST(WorkbookContainer, PagesComeBackInOrderWithTheirTitles)
{
    SamplePage a("第一页", 3, 2, 1, 1, 0), b("Sheet2", 4, 5, 0, 0, 1), c("", 0, 0, 0, 0, 2);
    CPageToSave pages[] = {a.ToSave(), b.ToSave(), c.ToSave()};
    std::vector<CLoadedPage> loaded;
    ASSERT_EQ(LoadBytes(SaveBytes(pages), loaded), CReadResult::Read);
    ASSERT_EQ(loaded.size(), 3u);
    SamplePage* originals[] = {&a, &b, &c};
    for (size_t i = 0; i < loaded.size(); ++i) {
        SamplePage back(std::move(loaded[i]));
        EXPECT_EQ(back.page->m_nIndex, int(i));
        EXPECT_EQ(back.cells->GetPageIndex(), int(i));
        EXPECT_EQ(PageDifference(*originals[i], back), "") << i;
    }
}
