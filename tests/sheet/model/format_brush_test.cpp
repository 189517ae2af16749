// The format brush of a page and the clamp of outside rectangles to the page: which sources the
// brush keeps, the tiling counted from the target's first line wherever that lies, and the cells
// it leaves alone.

#include "sheet/model/CellSelection.h"
#include "sheet/model/FormatBrush.h"
#include "sheet/model/PageRect.h"
#include "tests/support/CellSheet.h"

#include <climits>

using namespace SheetModel;

namespace {

// The text position code that marks the source cell (row, column) of a 2 x 2 source at (1, 1).
WORD Mark(int row, int col)
{
    return WORD(10 * row + col);
}

struct BrushSheet : CellSheet
{
    RecordingRepaint repaint;

    BrushSheet() : CellSheet(6, 6)
    {
        for (int row = 1; row <= 2; ++row)
            for (int col = 1; col <= 2; ++col)
                Cell(row, col).SetTextFormat(Mark(row, col));
    }
    void Apply(const CCellRect& source, const CCellRect& target)
    {
        ApplyFormatBrush(page, cells, source, target, repaint);
    }
};

int OwnCells(const CNorvakPageCells& cells)
{
    int count = 0;
    cells.ForEachOwnCell([&](int, int, const CNorvakCell&) { ++count; });
    return count;
}

} // namespace

TEST(PageRect, ARangeIsClampedToThePagesCellsAndAnInvertedOneIsEmpty)
{
    CellSheet s(100, 50);
    struct Case
    {
        CCellRect given;
        CCellRect clamped;
        bool empty;
    };
    const Case cases[] = {
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 99, 49}, false},
        {{1, 1, INT_MAX, 1}, {1, 1, 99, 1}, false},
        {{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX, 99, 49}, true},
        {{INT_MIN, 0, -1, 0}, {0, 0, -1, 0}, true},
        {{INT_MAX, INT_MAX, INT_MIN, INT_MIN}, {INT_MAX, INT_MAX, INT_MIN, INT_MIN}, true},
        {{5, 5, 5, 5}, {5, 5, 5, 5}, false},
    };
    for (const Case& c : cases) {
        const CCellRect got = ClampToPage(s.page, c.given);
        EXPECT_EQ(got, c.clamped) << c.given.minRow << ", " << c.given.maxRow;
        EXPECT_EQ(got.IsEmpty(), c.empty) << c.given.minRow << ", " << c.given.maxRow;
        EXPECT_EQ(IsValidCellRange(s.page, c.given), !c.empty && got == c.given);
    }
    EXPECT_EQ(LineCount(INT_MIN, INT_MAX), int64_t(1) << 32);
    EXPECT_EQ(LineCount(INT_MAX, INT_MIN), 0);
}

TEST(FormatBrush, ASourceIsKeptUnlessInvertedOrLargerThanAPageCanBe)
{
    struct Case
    {
        CCellRect source;
        bool kept;
    };
    const Case cases[] = {
        {{-1, -1, -1, -1}, true}, // none, as a new page has it
        {{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, true},
        {{0, 0, kMaxRowCount - 1, kMaxColumnCount - 1}, true},
        {{0, 0, kMaxRowCount, 0}, false},
        {{0, 0, 0, kMaxColumnCount}, false},
        {{INT_MIN, 0, INT_MAX, 0}, false},
        {{0, INT_MIN, 0, INT_MAX}, false},
        {{0, 0, INT_MAX, INT_MAX}, false},
        {{3, 3, 2, 3}, false},
        {{3, 3, 3, 2}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFormatBrushSource(c.source), c.kept)
            << c.source.minRow << ", " << c.source.minCol << ", " << c.source.maxRow << ", " << c.source.maxCol;
}

TEST(FormatBrush, TheTilingCountsFromTheTargetsFirstLineEvenOffThePage)
{
    BrushSheet s;
    // The target starts three rows and one column before the page: row 0 is its fourth row and
    // takes source row 2, column 0 its second column and source column 2.
    s.Apply({1, 1, 2, 2}, {-3, -1, 3, INT_MAX});
    for (int row = 0; row <= 3; ++row)
        for (int col = 0; col < 6; ++col) {
            const int fromRow = 1 + (row + 3) % 2, fromCol = 1 + (col + 1) % 2;
            EXPECT_EQ(s.Cell(row, col).GetTextFormat(), Mark(fromRow, fromCol)) << row << ", " << col;
        }
    EXPECT_EQ(s.Cell(4, 0).GetTextFormat(), CNorvakCell::kDefaultTextFormat) << "below the target";
    EXPECT_EQ(s.repaint.cells.size(), 4u * 6u);
    EXPECT_EQ(s.repaint.all, 0);
    EXPECT_EQ(s.Consistency(), "");
}

TEST(FormatBrush, TargetCellsWhoseSourceCellIsOffThePageAreLeftAlone)
{
    BrushSheet s;
    // Source rows 5..6 and columns 5..6: only (5, 5) is on the page.
    s.Cell(5, 5).SetTextFormat(77);
    s.Apply({5, 5, 6, 6}, {0, 0, 3, 3});
    for (int row = 0; row <= 3; ++row)
        for (int col = 0; col <= 3; ++col) {
            const bool fromTheCell = row % 2 == 0 && col % 2 == 0;
            const WORD before = row >= 1 && row <= 2 && col >= 1 && col <= 2 ? Mark(row, col) : CNorvakCell::kDefaultTextFormat;
            EXPECT_EQ(s.Cell(row, col).GetTextFormat(), fromTheCell ? 77 : before) << row << ", " << col;
        }
    EXPECT_EQ(s.repaint.cells.size(), 4u);

    // A source wholly off the page changes nothing.
    s.repaint.cells.clear();
    s.Apply({INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    EXPECT_TRUE(s.repaint.cells.empty());
    EXPECT_EQ(s.Cell(1, 1).GetTextFormat(), Mark(1, 1));
}

TEST(FormatBrush, DefaultCellsOverAWholePageMakeNoRecordsAndACellOfItsOwnTakesTheDefaults)
{
    CellSheet s;
    ASSERT_TRUE(SetColumnCount(s.page, s.cells, 200, s.factory).bOk);
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 5000, s.factory).bOk);
    s.Cell(7, 7).SetTextFormat(12);
    const int before = OwnCells(s.cells);
    RecordingRepaint repaint;
    ApplyFormatBrush(s.page, s.cells, {1, 1, 2, 2}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, repaint);
    EXPECT_EQ(OwnCells(s.cells), before) << "default cells copied onto default cells";
    ASSERT_EQ(repaint.cells.size(), 1u) << "only the cell of its own takes the default format";
    EXPECT_EQ(repaint.cells[0], CCellCoord(7, 7));
    EXPECT_EQ(s.Cell(7, 7).GetTextFormat(), CNorvakCell::kDefaultTextFormat);
    EXPECT_EQ(s.Consistency(), "");
}

TEST(FormatBrush, ManyChangedCellsAreRepaintedAsThePage)
{
    CellSheet s(10, 10);
    s.Cell(0, 0).SetTextFormat(12);
    RecordingRepaint repaint;
    ApplyFormatBrush(s.page, s.cells, {0, 0, 0, 0}, {0, 0, 9, 9}, repaint);
    EXPECT_EQ(s.Cell(9, 9).GetTextFormat(), 12);
    EXPECT_TRUE(repaint.cells.empty());
    EXPECT_EQ(repaint.all, 1);
}
