// One page block: its size and field positions by the layout, every setting slot through a save
// and a load, whole pages through a save and a load, and refusal of every prefix and of hostile
// patches without a page being handed out.

#include "sheet/model/CellProperties.h"
#include "sheet/model/CellSelection.h"
#include "tests/support/AllocationProbe.h"
#include "tests/support/CellSheet.h"
#include "tests/workbook/FileBytes.h"
#include "tests/workbook/HostilePatches.h"
#include "tests/workbook/ChartSamples.h"
#include "tests/workbook/WorkbookSamples.h"

#include <cstring>

namespace {

std::vector<uint8_t> BlockBytes(const SamplePage& s, CHeaderFlags flags = {})
{
    CArchiveWriter out;
    WritePageBlock(out, *s.page, *s.cells, flags);
    return out.TakeBytes();
}

// Field widths of one page block as the layout lists them: 109 ints, 12 shorts, 19 bytes, 4 doubles,
// 3 size pairs and 2 rects up to the tab font, with the title, password and user name as strings;
// then 14 list counts; then the two edge-line counts, the heights and widths, the used range, the
// merge counts (the header merges only with a header flag), the cell count and the selection count.
size_t EmptyBlockSize(int rows, int cols, size_t titleLength, bool headerFlag)
{
    size_t settings = 109 * 4 + 12 * 2 + 19 + 4 * 8 + 3 * 8 + 2 * 16 + (1 + titleLength) + 1 + 1;
    size_t lists = 14 * 4;
    size_t rest = 4 + 4 + 4 * size_t(rows) + 4 * size_t(cols) + 8 + 4 + (headerFlag ? 4 : 0) + 4 + 4;
    return settings + lists + rest;
}

} // namespace

TEST(PageBlock, SizeOfAnOtherwiseEmptyPage)
{
    struct Case
    {
        int rows, cols, fixedRows, fixedCols;
        CHeaderFlags flags;
    } cases[] = {
        {5, 3, 1, 1, {}},
        {5, 3, 1, 1, {1, 0}},
        {0, 0, 0, 0, {0, 1}},
        {100, 50, 2, 3, {}},
    };
    for (const Case& c : cases) {
        SamplePage s("Sheet1", c.rows, c.cols, c.fixedRows, c.fixedCols);
        std::vector<uint8_t> bytes = BlockBytes(s, c.flags);
        EXPECT_EQ(bytes.size(), EmptyBlockSize(c.rows, c.cols, 6, c.flags.Any())) << c.rows << "x" << c.cols;
        // No cell differs from a fresh one: a used range of {0, 0} and no cells.
        size_t used = bytes.size() - 4 - 4 - 4 - (c.flags.Any() ? 4 : 0) - 8;
        EXPECT_EQ(IntAt(bytes, used), 0);
        EXPECT_EQ(IntAt(bytes, used + 4), 0);
        EXPECT_EQ(IntAt(bytes, bytes.size() - 8), 0);
    }
}

TEST(PageBlock, NamedFieldsSitWhereTheLayoutPutsThem)
{
    SamplePage s("T", 7, 5, 1, 2);
    CNorvakPage& p = *s.page;
    p.m_nIndex = 41;
    p.m_nTabIconState = -1;
    p.m_bOpened = 0;
    p.m_bContentVisible = 0;
    p.m_nPrivilege = 7;
    p.m_bDefaultTabWidth = 0;
    p.m_bDefaultTabHeight = 5;
    p.m_nHorzPos = 11;
    p.m_nVertPos = 12;
    p.m_nHorzRange = 13;
    p.m_nVertRange = 14;
    p.m_nMouseMode = 3;
    p.m_nLockedRows = 0x0102;
    p.m_nLockedCols = 0x0304;
    p.m_nOutputMode = 3;
    p.m_bPrintRowHeader = 0;
    p.m_bPrintColHeader = 9;
    p.m_focusCell = CCellCoord(6, 4);
    std::vector<uint8_t> bytes = BlockBytes(s);
    struct Field
    {
        const char* name;
        size_t at;
        int32_t value;
    } fields[] = {
        {"page index", 0, 41},
        {"tab icon state", 6, -1},
        {"opened", 10, 0},
        {"content visible", 14, 0},
        {"privilege", 18, 7},
        {"rows", 22, 7},
        {"fixed rows", 26, 1},
        {"columns", 30, 5},
        {"fixed columns", 34, 2},
        {"default width flag", 38, 0},
        {"default height flag", 42, 5},
        {"horizontal position", 46, 11},
        {"vertical range", 58, 14},
        {"selection mode", 182, 3},
        {"locked rows and columns", 258, 0x03040102},
        {"report rows", 389, 0},
        {"report columns", 393, 9},
        {"focus row", 463, 6},
        {"focus column", 467, 4},
        {"tab font flag", 567, 0},
    };
    for (const Field& f : fields)
        EXPECT_EQ(IntAt(bytes, f.at), f.value) << f.name;
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[5], 'T');
    EXPECT_EQ(bytes[388], 3) << "report output mode";
    EXPECT_EQ(bytes[413], 0) << "password";
    EXPECT_EQ(bytes[414], 0) << "user name";
}

TEST(PageBlock, SentinelInEverySlotComesBack)
{
    SamplePage s("S", 60, 40, 1, 1);
    CNorvakPage& p = *s.page;
    int n = 0;
    for (auto slots : {PageHeadSlots(), PageSettingSlots()})
        for (const CPageSlot& slot : slots) {
            ++n;
            std::visit(
                [n](auto v) {
                    using T = decltype(v);
                    if constexpr (std::is_same_v<T, CString*>)
                        *v = CString("值") + std::to_string(n).c_str();
                    else if constexpr (std::is_same_v<T, BYTE*>)
                        *v = BYTE(0x80 + n);
                    else if constexpr (std::is_same_v<T, WORD*>)
                        *v = WORD(0x8000 + n);
                    else if constexpr (!std::is_same_v<T, std::monostate>)
                        *v = std::remove_pointer_t<T>(0x70000000 + n * 0x10001);
                },
                slot.at(p));
        }
    // The loaded page must still be one the control can hold.
    p.m_nLockedRows = 17;
    p.m_nLockedCols = 19;
    p.m_nLockedRowOffset = 3;
    p.m_nLockedColOffset = 5;
    p.m_focusCell = CCellCoord(23, 29);
    p.m_formatBrush = CCellRect(0x70000001, 0x70000002, 0x70000003, 0x70000004);

    CPageToSave pages[] = {s.ToSave()};
    std::vector<CLoadedPage> loaded;
    ASSERT_EQ(LoadBytes(SaveBytes(pages), loaded), CReadResult::Read);
    SamplePage back(std::move(loaded[0]));
    std::vector<std::string> want = SlotValues(p), got = SlotValues(*back.page);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "slot " << i;
}

TEST(PageBlock, PagesComeBackWithEverythingTheFileCarries)
{
    for (CHeaderFlags flags : {CHeaderFlags{1, 1}, CHeaderFlags{0, 0}, CHeaderFlags{1, 0}}) {
        SamplePage s("报表", 12, 8);
        FillSample(s);
        CPageToSave pages[] = {s.ToSave()};
        std::vector<uint8_t> bytes = SaveBytes(pages, flags);
        std::vector<CLoadedPage> loaded;
        ASSERT_EQ(LoadBytes(bytes, loaded), CReadResult::Read);
        SamplePage back(std::move(loaded[0]));

        if (flags.bRowHeader && flags.bColHeader) {
            EXPECT_EQ(PageDifference(s, back), "");
        } else {
            // Header cells that were not saved come back as fresh cells, and so do the header merges.
            for (int row = 0; row < 12; ++row)
                for (int col = 0; col < 8; ++col) {
                    bool stored = (flags.bRowHeader || row >= 1) && (flags.bColHeader || col >= 1);
                    if (stored)
                        EXPECT_EQ(DescribeCell(back.Cell(row, col)), DescribeCell(s.Cell(row, col)));
                    else
                        EXPECT_FALSE(IsCellNonDefault(back.Cell(row, col))) << row << "," << col;
                }
            EXPECT_EQ(back.page->m_headerMerges.size(), flags.Any() ? 1u : 0u);
        }

        // Open then save gives the same bytes.
        CPageToSave again[] = {back.ToSave()};
        EXPECT_EQ(SaveBytes(again, flags), bytes);
    }
}

TEST(PageBlock, SameBytesInEveryBuild)
{
    SamplePage s("报表", 12, 8);
    FillSample(s);
    // A new page takes these from the system's colours.
    s.page->m_crTextBkColor = 0xFFFFFF;
    s.page->m_crBkColor = 0x808080;
    s.page->m_crFixedTextColor = 0;
    s.page->m_crFixedBkColor = 0xC0C0C0;
    CPageToSave pages[] = {s.ToSave()};
    std::vector<uint8_t> bytes = SaveBytes(pages, CHeaderFlags{1, 0});
    uint64_t hash = 14695981039346656037ull;
    for (uint8_t b : bytes)
        hash = (hash ^ b) * 1099511628211ull;
    // The same in the 32-bit and the 64-bit build; a change here is a change of the file's layout.
    EXPECT_EQ(bytes.size(), 3034u);
    EXPECT_EQ(hash, 4953874854135269833ull);
}

TEST(PageBlock, EveryPrefixIsRefused)
{
    SamplePage a("报表", 12, 8), b("B", 2, 3, 0, 0, 1);
    FillSample(a);
    AddSampleCharts(*b.page);
    CPageToSave pages[] = {a.ToSave(), b.ToSave()};
    std::vector<uint8_t> bytes = SaveBytes(pages, CHeaderFlags{0, 1});

    std::vector<CLoadedPage> held(1);
    for (size_t size = 0; size < bytes.size(); ++size) {
        CArchiveReader in(bytes.data(), size);
        ASSERT_NE(ReadWorkbook(in, held), CReadResult::Read) << size << " of " << bytes.size();
        ASSERT_EQ(held.size(), 1u);
    }
    ASSERT_EQ(LoadBytes(bytes, held), CReadResult::Read);
    EXPECT_EQ(held.size(), 2u);
}

TEST(PageBlock, LockedLinesPastThePageAreCutToIt)
{
    SamplePage s("T", 12, 8);
    FillSample(s);
    CPageToSave pages[] = {s.ToSave()};
    std::vector<uint8_t> bytes = SaveBytes(pages);
    const size_t locked = 9 + 5 + 12 + 258;
    PutBytes(bytes, locked, {12, 0, 0xFF, 0xFF});
    std::vector<CLoadedPage> loaded;
    ASSERT_EQ(LoadBytes(bytes, loaded), CReadResult::Read);
    EXPECT_EQ(loaded[0].page->m_nLockedRows, 11) << "all the rows after the fixed one";
    EXPECT_EQ(loaded[0].page->m_nLockedCols, 7);
}

TEST(PageBlock, HostilePatchesAreRefused)
{
    SamplePage s("T", 12, 8);
    FillSample(s);
    s.page->FindTopEdgeLine(3)->crColor = 0x00FEDCBA;
    CPageToSave pages[] = {s.ToSave()};
    const std::vector<uint8_t> good = SaveBytes(pages);
    const size_t block = 9 + 5 + 12;
    const size_t rows = block + 22, fixedRows = block + 26, cols = block + 30;
    const size_t text = FindTextBytes(good, kMarkerText);
    const size_t cell = text - 1 - 46; // the record of the marker cell, row 9, column 7
    const size_t merge = FindInt(good, kMarkerMergeLock) - 36;
    const size_t leftEdge = FindInt(good, int32_t(kMarkerEdgeColour)) - 8;
    const size_t topEdge = FindInt(good, 0x00FEDCBA) - 8;
    const size_t autoText = FindTextBytes(good, kMarkerPrefix) - 1;
    const size_t lastSelected = good.size() - 8;

    const HostilePatch cases[] = {
        {"huge title, 32-bit length", "longer than its place",
         [&](auto& b) {
             PutBytes(b, block + 4, {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F});
         }},
        {"huge title, 16-bit length", "longer than its place",
         [&](auto& b) {
             PutBytes(b, block + 4, {0xFF, 0x00, 0xF0});
         }},
        {"huge cell text", "longer than its place",
         [&](auto& b) {
             PutBytes(b, text - 1, {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F});
         }},
        {"rows above the limit", "more rows or columns", [&](auto& b) { PutInt(b, rows, kMaxRowCount + 1); }},
        {"huge row count", "more rows or columns", [&](auto& b) { PutInt(b, rows, 0x7FFFFFFF); }},
        {"negative row count", "negative row or column count", [&](auto& b) { PutInt(b, rows, -1); }},
        {"huge fixed rows", "more rows or columns", [&](auto& b) { PutInt(b, fixedRows, 0x7FFFFFFF); }},
        {"columns above the limit", "more rows or columns",
         [&](auto& b) { PutInt(b, cols, kMaxColumnCount + 1); }},
        {"rows the data cannot size", "more rows or columns",
         [&](auto& b) { PutInt(b, rows, kMaxRowCount); }},
        {"cells above the limit", "more rows or columns",
         [&](auto& b) {
             PutInt(b, rows, kMaxRowCount);
             PutInt(b, cols, 65);
             b.resize(b.size() + 4 * (kMaxRowCount + 40));
         }},
        {"negative row height", "negative row height",
         [&](auto& b) { PutInt(b, FindInt(b, kMarkerRowHeight), -5); }},
        {"negative column width", "negative column width",
         [&](auto& b) { PutInt(b, FindInt(b, kMarkerColumnWidth), -1); }},
        {"rows together taller than a page", "longer together",
         [&](auto& b) { PutInt(b, FindInt(b, kMarkerRowHeight), 0x40000000); }},
        {"columns together wider than a page", "longer together",
         [&](auto& b) { PutInt(b, FindInt(b, kMarkerColumnWidth), 0x3FFFFFFF); }},
        {"cell below the page", "cell outside", [&](auto& b) { PutInt(b, cell - 8, 12); }},
        {"cell left of the page", "cell outside", [&](auto& b) { PutInt(b, cell - 4, -1); }},
        {"cell far outside", "cell outside", [&](auto& b) { PutInt(b, cell - 8, 0x7FFFFFFF); }},
        {"cell count beyond the data", "count larger than the data",
         [&](auto& b) { PutInt(b, FindTextBytes(b, "甲") - 1 - 46 - 12, 0x7FFFFFFF); }},
        {"merge span below the page", "merge reaching past",
         [&](auto& b) {
             PutBytes(b, cell + 32, {3, 0});
         }},
        {"merge span right of the page", "merge reaching past",
         [&](auto& b) {
             PutBytes(b, cell + 34, {1, 0});
         }},
        {"merge origin outside", "merge origin outside", [&](auto& b) { PutInt(b, cell + 36, 50); }},
        {"merge past the last row", "merge outside", [&](auto& b) { PutInt(b, merge + 8, 12); }},
        {"merge turned inside out", "merge outside", [&](auto& b) { PutInt(b, merge, 9); }},
        {"merge left of the page", "merge outside", [&](auto& b) { PutInt(b, merge + 4, -1); }},
        {"merge count beyond the data", "count larger than the data",
         [&](auto& b) { PutInt(b, merge - 4, 0x7FFFFFFF); }},
        {"left edge line below the page", "edge line outside", [&](auto& b) { PutInt(b, leftEdge, 12); }},
        {"left edge line negative", "edge line outside", [&](auto& b) { PutInt(b, leftEdge, -1); }},
        {"top edge line right of the page", "edge line outside",
         [&](auto& b) { PutInt(b, topEdge, 8 << 16); }},
        {"top edge line key not a column", "edge line outside",
         [&](auto& b) { PutInt(b, topEdge, (3 << 16) | 1); }},
        {"automatic-text column outside", "automatic-text column outside",
         [&](auto& b) { PutInt(b, autoText - 4, 8); }},
        {"focus outside the page", "focus cell outside", [&](auto& b) { PutInt(b, block + 463 + 8, 12); }},
        {"selected cell below the page", "selected cell outside",
         [&](auto& b) { PutInt(b, lastSelected, 12); }},
        {"selected cell right of the page", "selected cell outside",
         [&](auto& b) { PutInt(b, lastSelected + 4, 8); }},
        {"selection count beyond the data", "count larger than the data",
         [&](auto& b) { PutInt(b, lastSelected - 16 - 4, 0x7FFFFFFF); }},
        {"long face name", "longer than its place",
         [&](auto& b) { b[FindTextBytes(b, kMarkerFace) - 1] = LF_FACESIZE; }},
        {"legend items beyond the data", "count larger than the data",
         [&](auto& b) { PutInt(b, autoText + 1 + 7 + 4 + 4, 0x7FFFFFFF); }},
        {"chart data table beyond the data", "table larger than the data",
         [&](auto& b) {
             PutInt(b, autoText + 1 + 7 + 4 + 8, 0x10000);
             PutInt(b, autoText + 1 + 7 + 4 + 12, 0x10000);
         }},
        {"row totals beyond the data", "count larger than the data",
         [&](auto& b) { PutInt(b, autoText + 1 + 7 + 4 + 16, 0x7FFFFFFF); }},
        {"charts beyond the data", "count larger than the data",
         [&](auto& b) { PutInt(b, autoText + 1 + 7 + 4 + 46, 0x7FFFFFFF); }},
    };
    ExpectEveryPatchRefused(good, cases);
}

// A select-all costs the selected-cell list and no cell record: the cell count stays that of the
// cells with content, and every cell comes back selected with the focus where it was.
TEST(PageBlock, SelectionAloneWritesNoCellRecord)
{
    SamplePage plain("T", 200, 20);
    std::vector<uint8_t> unselected = BlockBytes(plain);
    ASSERT_EQ(IntAt(unselected, unselected.size() - 8), 0) << "cell count";

    SamplePage s("T", 200, 20);
    RecordingRepaint repaint;
    SheetModel::SelectAllCells(*s.page, *s.cells, repaint);
    SheetModel::SetFocusCell(*s.page, *s.cells, 3, 4, repaint);
    const int selected = s.page->m_selectedCells.GetCount();
    ASSERT_GT(selected, 3000);
    std::vector<uint8_t> bytes = BlockBytes(s);
    EXPECT_EQ(bytes.size(), unselected.size() + 8 * size_t(selected));
    EXPECT_EQ(IntAt(bytes, unselected.size() - 8), 0) << "cell count";

    CPageToSave pages[] = {s.ToSave()};
    std::vector<CLoadedPage> loaded;
    ASSERT_EQ(LoadBytes(SaveBytes(pages), loaded), CReadResult::Read);
    SamplePage back(std::move(loaded[0]));
    EXPECT_EQ(back.page->m_selectedCells.GetCount(), selected);
    EXPECT_EQ(PageDifference(s, back), "");
    EXPECT_EQ(SheetModel::GetItemState(*back.page, *back.cells, 3, 4), WORD(CIS_SELECTED | CIS_FOCUSED));
    EXPECT_EQ(SheetModel::GetItemState(*back.page, *back.cells, 199, 19), WORD(CIS_SELECTED));
}

// Files saved before the selection stopped making records hold a record for each selected cell;
// they open with the same selection, and the next save drops those records.
TEST(PageBlock, RecordsOfSelectedCellsInOlderFilesStillOpen)
{
    SamplePage s("T", 12, 8);
    RecordingRepaint repaint;
    SheetModel::SetSelectedRange(*s.page, *s.cells, CCellRect(2, 2, 3, 3), repaint);
    SheetModel::SetFocusCell(*s.page, *s.cells, 2, 2, repaint);
    std::vector<uint8_t> today = BlockBytes(s);
    // The old writer's records: one per selected cell, equal to a fresh cell's.
    for (CCellCoord at : {CCellCoord(2, 2), CCellCoord(3, 3)})
        s.Cell(at.row, at.col).SetVerLineColor(0x00FEDCBA);
    CPageToSave pages[] = {s.ToSave()};
    std::vector<uint8_t> old = SaveBytes(pages);
    for (int i = 0; i < 2; ++i)
        PutInt(old, FindInt(old, 0x00FEDCBA), int32_t(kDefaultLineColor));

    std::vector<CLoadedPage> loaded;
    ASSERT_EQ(LoadBytes(old, loaded), CReadResult::Read);
    SamplePage back(std::move(loaded[0]));
    EXPECT_EQ(back.page->m_selectedCells.GetCount(), 4);
    EXPECT_EQ(SheetModel::GetItemState(*back.page, *back.cells, 2, 2), WORD(CIS_SELECTED | CIS_FOCUSED));
    EXPECT_EQ(SheetModel::GetItemState(*back.page, *back.cells, 3, 3), WORD(CIS_SELECTED));
    EXPECT_EQ(SheetModel::GetItemState(*back.page, *back.cells, 3, 2), WORD(CIS_SELECTED));
    EXPECT_EQ(SheetModel::GetItemState(*back.page, *back.cells, 4, 4), 0);
    EXPECT_EQ(BlockBytes(back), today);
}

// In a selected row that holds records, only the cells with content are written: their neighbours
// show the selection alone. The text comes back selected, and so does every other cell.
TEST(PageBlock, ASelectedRowWritesOnlyItsCellsWithContent)
{
    auto build = [](bool select) {
        auto s = std::make_unique<SamplePage>("T", 20, 10);
        RecordingRepaint repaint;
        if (select)
            SheetModel::SelectAllCells(*s->page, *s->cells, repaint);
        s->Cell(5, 3).SetText("甲");
        s->Cell(5, 7).SetText("乙");
        return s;
    };
    std::unique_ptr<SamplePage> plain = build(false);
    std::unique_ptr<SamplePage> selected = build(true);
    const int count = selected->page->m_selectedCells.GetCount();
    ASSERT_EQ(count, 19 * 9);
    EXPECT_EQ(BlockBytes(*selected).size(), BlockBytes(*plain).size() + 8 * size_t(count));

    CPageToSave pages[] = {selected->ToSave()};
    std::vector<CLoadedPage> loaded;
    ASSERT_EQ(LoadBytes(SaveBytes(pages), loaded), CReadResult::Read);
    SamplePage back(std::move(loaded[0]));
    EXPECT_EQ(PageDifference(*selected, back), "");
    EXPECT_STREQ(back.cells->GetCell(5, 7)->GetTextPtr(), "乙");
    for (int col : {3, 4, 7})
        EXPECT_EQ(SheetModel::GetItemState(*back.page, *back.cells, 5, col), WORD(CIS_SELECTED)) << col;
}
