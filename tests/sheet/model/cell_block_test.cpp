// The cell buffer and the writes of a paste, a cut and a clear, on a page without a window; and
// the clipboard text in both directions.

#include "sheet/model/CellBlock.h"
#include "sheet/model/CellLine.h"
#include "sheet/model/ClipboardText.h"
#include "framework/OleDataTransfer.h"
#include "tests/support/CellSheet.h"
#include "tests/support/MergeFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr CellLine kRed{RGB(255, 0, 0), 2, 3};
constexpr CellLine kBlue{RGB(0, 0, 255), 3, 2};

// The block (2, 2) .. (3, 4) of a 10 x 8 page with one fixed row and column, dressed with a font,
// lines on every side and a merge inside.
struct DressedSheet : CellSheet
{
    DressedSheet() : CellSheet(10, 8, 1, 1)
    {
        CFontRecord bold;
        bold.font.lfWeight = FW_BOLD;
        bold.crText = RGB(1, 2, 3);
        Cell(2, 2).SetFont(bold);
        SetLineOf(Cell(1, 3), true, kRed);  // above the block
        SetLineOf(Cell(3, 1), false, kBlue); // left of the block
        SetLineOf(Cell(3, 4), true, kBlue);  // inside, on its last cell
        MarkMerge(page, cells, 2, 3, 3, 4, 0);
    }
};

TEST(CellBuffer, CopiesTheBlockWithItsBorderingRowAndColumnAndTheMergesWhollyInside)
{
    DressedSheet sheet;
    MarkMerge(sheet.page, sheet.cells, 4, 1, 4, 2); // only partly inside (2, 1) .. (4, 2)
    CCellBuffer buffer;
    buffer.Fill(sheet.page, sheet.cells, CCellRect(2, 2, 4, 4));
    ASSERT_EQ(buffer.BlockRows(), 3);
    ASSERT_EQ(buffer.BlockColumns(), 3);
    EXPECT_EQ(std::string(buffer.At(1, 1).GetTextPtr()), "2:2");
    EXPECT_EQ(buffer.At(1, 1).GetFont().font.lfWeight, FW_BOLD);
    EXPECT_EQ(LineOf(buffer.At(0, 2), true), kRed) << "the line above the block";
    EXPECT_EQ(LineOf(buffer.At(2, 0), false), kBlue) << "the line left of the block";
    ASSERT_EQ(buffer.Merges().size(), 1u) << "the merge partly inside is left out";
    const CMergeCellRange& merge = buffer.Merges()[0];
    EXPECT_EQ(std::vector<int>({merge.firstRow, merge.firstCol, merge.lastRow, merge.lastCol}),
              std::vector<int>({0, 1, 1, 1}));
}

TEST(CellBuffer, WrittenElsewhereReproducesTextsFontsLinesAndLeavesNoMergeMarks)
{
    DressedSheet sheet;
    CCellBuffer buffer;
    buffer.Fill(sheet.page, sheet.cells, CCellRect(2, 2, 3, 4));
    SheetModel::WriteBuffer(sheet.page, sheet.cells, buffer, CCellCoord(6, 3));
    EXPECT_EQ(sheet.Text(6, 3), "2:2");
    EXPECT_EQ(sheet.Text(7, 5), "3:4");
    EXPECT_EQ(sheet.Cell(6, 3).GetFont().font.lfWeight, FW_BOLD);
    EXPECT_EQ(sheet.Cell(6, 3).GetFont().crText, RGB(1, 2, 3));
    EXPECT_EQ(LineOf(sheet.Cell(5, 4), true), kRed) << "the top line of the block's second column";
    EXPECT_EQ(LineOf(sheet.Cell(7, 2), false), kBlue) << "the left line of the block's second row";
    EXPECT_EQ(LineOf(sheet.Cell(7, 5), true), kBlue);
    for (int row = 6; row <= 7; ++row)
        for (int col = 3; col <= 5; ++col) {
            const CNorvakCell& cell = sheet.Cell(row, col);
            EXPECT_FALSE(cell.IsCovered() || cell.IsMergeOrigin() || cell.GetEditLock() ||
                         cell.IsMergedRight() || cell.IsMergedBelow() || !cell.GetMergeOrigin().IsNone())
                << row << "," << col << ": the merge is made again by the merge operation, not copied";
        }
    EXPECT_EQ(sheet.Consistency(), "");
}

// Above row 0 and left of column 0 the bordering lines are the page's edge entries.
TEST(CellBuffer, BorderingLinesOfRowAndColumnMinusOneAreTheEdgeEntries)
{
    CellSheet sheet(6, 6);
    ASSERT_NE(sheet.page.FindTopEdgeLine(1), nullptr);
    SetLineOf(*sheet.page.FindTopEdgeLine(1), kRed);
    SetLineOf(*sheet.page.FindLeftEdgeLine(0), kBlue);
    CCellBuffer buffer;
    buffer.Fill(sheet.page, sheet.cells, CCellRect(0, 0, 1, 1));
    EXPECT_EQ(LineOf(buffer.At(0, 2), true), kRed);
    EXPECT_EQ(LineOf(buffer.At(1, 0), false), kBlue);

    SheetModel::WriteBuffer(sheet.page, sheet.cells, buffer, CCellCoord(3, 3));
    EXPECT_EQ(LineOf(sheet.Cell(2, 4), true), kRed);
    EXPECT_EQ(LineOf(sheet.Cell(3, 2), false), kBlue);

    SetLineOf(sheet.Cell(2, 4), true, kBlue);
    buffer.Fill(sheet.page, sheet.cells, CCellRect(3, 3, 4, 4));
    SheetModel::WriteBuffer(sheet.page, sheet.cells, buffer, CCellCoord(0, 0));
    EXPECT_EQ(LineOf(*sheet.page.FindTopEdgeLine(1)), kBlue);
    EXPECT_EQ(LineOf(*sheet.page.FindLeftEdgeLine(0)), kBlue);

    SheetModel::ResetCells(sheet.page, sheet.cells, CCellRect(0, 0, 1, 1));
    EXPECT_EQ(LineOf(*sheet.page.FindTopEdgeLine(1)), kDefaultGridLine);
    EXPECT_EQ(LineOf(*sheet.page.FindLeftEdgeLine(0)), kDefaultGridLine);
    EXPECT_EQ(sheet.Consistency(), "");
}

TEST(CellBuffer, ResetKeepsTheStateAndTheMarksOfAMergeReachingOutside)
{
    CellSheet sheet(8, 8, 1, 1);
    sheet.Cell(2, 2).SetState(CIS_READONLY);
    SetLineOf(sheet.Cell(1, 2), true, kRed);
    SetLineOf(sheet.Cell(2, 4), false, kRed);
    MarkMerge(sheet.page, sheet.cells, 3, 3, 5, 5); // crosses the range's edge
    SheetModel::ResetCells(sheet.page, sheet.cells, CCellRect(2, 2, 3, 4));
    EXPECT_EQ(sheet.Text(2, 2), "");
    EXPECT_EQ(sheet.Text(3, 4), "");
    EXPECT_EQ(sheet.Text(4, 4), "4:4") << "outside the range";
    EXPECT_EQ(sheet.Cell(2, 2).GetState(), CIS_READONLY) << "a reset never clears a read-only bit";
    EXPECT_EQ(LineOf(sheet.Cell(1, 2), true), kDefaultGridLine);
    EXPECT_EQ(LineOf(sheet.Cell(2, 4), false), kDefaultGridLine);
    EXPECT_EQ(sheet.Cell(3, 3).GetRowSpan(), 2) << "the merge keeps its marks";
    EXPECT_EQ(sheet.Consistency(), "");
}

TEST(CellCopy, WithAndWithoutMergeFields)
{
    CellSheet sheet(4, 4);
    MarkMerge(sheet.page, sheet.cells, 0, 0, 1, 1, 1);
    sheet.Cell(0, 0).SetState(CIS_SELECTED | CIS_FOCUSED | CIS_MODIFIED);
    SetLineOf(sheet.Cell(0, 0), false, kRed);
    CNorvakCell with;
    SheetModel::CopyCell(with, sheet.Cell(0, 0), true);
    EXPECT_EQ(with.GetRowSpan(), 1);
    EXPECT_EQ(with.GetEditLock(), 1);
    EXPECT_EQ(with.GetState(), 0) << "the state is not copied with the merge fields";
    EXPECT_EQ(LineOf(with, false), kRed);
    CNorvakCell without;
    SheetModel::CopyCell(without, sheet.Cell(0, 0), false);
    EXPECT_FALSE(without.IsMergeOrigin());
    EXPECT_EQ(without.GetState(), CIS_MODIFIED) << "focus and selection stay behind";
    EXPECT_EQ(std::string(without.GetTextPtr()), "0:0");
}

// A page of 10 x 8 with one fixed row and column, a merge (5, 5) .. (6, 6); blocks shifted to `at`.
TEST(PasteCheck, PlacementAgainstTheEdgesAndTheMergesOfThePage)
{
    CellSheet sheet(10, 8, 1, 1);
    MarkMerge(sheet.page, sheet.cells, 5, 5, 6, 6);
    const struct
    {
        CMergeCellRange record;
        CCellCoord at;
        CPasteCheck expected;
    } cases[] = {
        {CMergeCellRange::Of(0, 0, 1, 1), {1, 1}, CPasteCheck::Fits},
        {CMergeCellRange::Of(0, 0, 1, 1), {8, 1}, CPasteCheck::Fits},         // its last row is the last
        {CMergeCellRange::Of(0, 0, 1, 1), {9, 1}, CPasteCheck::PastEdge},     // one row past
        {CMergeCellRange::Of(0, 0, 0, 2), {1, 6}, CPasteCheck::PastEdge},     // one column past
        {CMergeCellRange::Of(1, 1, 1, 0), {8, 1}, CPasteCheck::PastEdge},     // a merge of the block past
        {CMergeCellRange::Of(0, 0, 3, 3), {4, 4}, CPasteCheck::Fits},         // holds the merge whole
        {CMergeCellRange::Of(0, 0, 1, 1), {4, 4}, CPasteCheck::PartialMerge}, // cuts its corner
        {CMergeCellRange::Of(0, 0, 0, 0), {6, 6}, CPasteCheck::PartialMerge}, // one cell of it
        {CMergeCellRange::Of(0, 0, 0, 0), {4, 4}, CPasteCheck::Fits},
    };
    for (const auto& c : cases) {
        const CMergeCellRange& r = c.record;
        EXPECT_EQ(SheetModel::CheckPlacement(sheet.page, r, c.at), c.expected)
            << r.firstRow << "," << r.firstCol << " +" << r.lastRow << "," << r.lastCol << " at " << c.at.row << ","
            << c.at.col;
    }
}

TEST(PasteCheck, TheBlockAndEachOfItsMerges)
{
    CellSheet sheet(10, 8, 1, 1);
    MarkMerge(sheet.page, sheet.cells, 2, 3, 4, 3);
    CCellBuffer buffer;
    buffer.Fill(sheet.page, sheet.cells, CCellRect(2, 2, 4, 3));
    EXPECT_EQ(SheetModel::CheckPaste(sheet.page, buffer, CCellCoord(7, 1)), CPasteCheck::Fits);
    EXPECT_EQ(SheetModel::CheckPaste(sheet.page, buffer, CCellCoord(8, 1)), CPasteCheck::PastEdge);
    EXPECT_EQ(SheetModel::CheckPaste(sheet.page, buffer, CCellCoord(3, 2)), CPasteCheck::PartialMerge);
}

TEST(PasteCheck, EditabilityOfATargetRange)
{
    CellSheet sheet(6, 6);
    EXPECT_TRUE(SheetModel::IsRangeEditable(sheet.page, sheet.cells, CCellRect(1, 1, 3, 3)));
    sheet.Cell(2, 2).SetState(CIS_READONLY);
    EXPECT_FALSE(SheetModel::IsRangeEditable(sheet.page, sheet.cells, CCellRect(1, 1, 3, 3)));
    sheet.Cell(2, 2).SetState(0);
    sheet.Cell(3, 3).SetEditLock(1);
    EXPECT_FALSE(SheetModel::IsRangeEditable(sheet.page, sheet.cells, CCellRect(1, 1, 3, 3)));
    sheet.Cell(3, 3).SetEditLock(0);
    sheet.page.m_bEditable = 0;
    EXPECT_FALSE(SheetModel::IsRangeEditable(sheet.page, sheet.cells, CCellRect(1, 1, 3, 3)));
    sheet.page.m_bEditable = 1;
    EXPECT_FALSE(SheetModel::IsRangeEditable(sheet.page, sheet.cells, CCellRect(4, 4, 6, 6))) << "past the page";
}

// ---- the text ----

TEST(ClipboardText, TheBytesOfABlock)
{
    // Rows a, "", c and d, e, f; every cell offered but f.
    const char* texts[2][3] = {{"a", "", "c"}, {"d", "e", "f"}};
    const auto offered = [](int row, int col) { return !(row == 1 && col == 2); };
    const auto textOf = [&](int row, int col) { return CString(texts[row][col]); };
    EXPECT_EQ(BuildClipboardText(CCellRect(0, 0, 1, 2), offered, textOf), std::string("a\t \tc\nd\te\t"));
    EXPECT_EQ(BuildClipboardText(CCellRect(0, 0, 0, 0), offered, textOf), "a");
    EXPECT_EQ(BuildClipboardText(CCellRect(0, 1, 1, 1), offered, textOf), " \ne");
}

TEST(ClipboardText, SplitsAtTabsCommasAndLineFeedsNeverInsideADoubleByteCharacter)
{
    using Lines = std::vector<std::vector<std::string>>;
    const struct
    {
        const char* text;
        Lines expected;
    } cases[] = {
        {"1,2\t\t3", {{"1", "2", "3"}}},
        {"x\ty", {{"x", "y"}}},
        {"a\n\nb", {{"a"}, {" "}, {"b"}}},  // an empty line inside counts as one space
        {"a\r\nb\r\n", {{"a\r"}, {"b\r"}}}, // trimming takes the carriage returns away later
        {",,\t", {{}}},
        {"表\t格", {{"表", "格"}}},
        {"\x81\x2c", {{"\x81\x2c"}}}, // a trail byte that looks like a comma
    };
    for (const auto& c : cases) {
        Lines lines;
        for (const auto& tokens : SplitPasteText(c.text)) {
            lines.emplace_back();
            for (const CString& token : tokens)
                lines.back().push_back(token.str());
        }
        EXPECT_EQ(lines, c.expected) << c.text;
    }
}

// A block without its NUL, or with text after one, is read up to the NUL or the block's end.
TEST(ClipboardText, ABlockIsReadWithinItsSize)
{
    const struct
    {
        std::string bytes;
        std::string expected;
    } cases[] = {{"abc", "abc"}, {std::string("ab\0cd", 5), "ab"}, {"", ""}};
    for (const auto& c : cases) {
        auto* source = new COleDataSource;
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, c.bytes.size());
        if (!c.bytes.empty())
            std::memcpy(::GlobalLock(block), c.bytes.data(), c.bytes.size());
        ::GlobalUnlock(block);
        source->CacheGlobalData(CF_TEXT, block);
        COleDataObject data;
        data.Attach(source);
        source->Release();
        EXPECT_EQ(ReadTextBlock(data), c.expected) << c.bytes;
    }
    COleDataObject none;
    EXPECT_EQ(ReadTextBlock(none), "");
}

} // namespace
