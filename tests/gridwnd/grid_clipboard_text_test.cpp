// The grid's clipboard text: what a selection writes, byte for byte, and how pasted text splits
// into lines and cells.

#include "gridwnd/GridClipboardText.h"
#include "tests/support/GridStoreFixture.h"

#include <optional>
#include <string>

namespace {

GridTextGetter TextOf(const GridStore& grid)
{
    return [&grid](int row, int col) { return grid.store.GetCell(row, col)->strText; };
}

} // namespace

TEST(GridClipboardText, SelectionWritesTabsNewlinesAndASpaceForAnEmptyCell)
{
    GridStore grid(4, 4, 1, 1);
    grid.store.GetCell(1, 1)->strText = "a";
    grid.store.GetCell(1, 2)->strText = "b";
    grid.store.GetCell(2, 2)->strText = "d";
    grid.selection.ApplyGridSelection(1, 1, 2, 2);
    EXPECT_EQ(BuildGridClipboardText(grid.store, grid.selection, TextOf(grid)), std::string("a\tb\n \td"));
}

TEST(GridClipboardText, CellsOfTheRectangleThatAreNotSelectedKeepOnlyTheirSeparators)
{
    GridStore grid(5, 5);
    grid.store.GetCell(1, 1)->strText = "一";
    grid.store.GetCell(3, 3)->strText = "三,3";
    grid.store.GetCell(2, 2)->strText = "not selected";
    grid.selection.KeptCells().Add(CCellCoord(1, 1));
    grid.selection.ApplyGridSelection(3, 3, 3, 3);
    EXPECT_EQ(BuildGridClipboardText(grid.store, grid.selection, TextOf(grid)),
              std::string("\xD2\xBB\t\t\n\t\t\n\t\t\xC8\xFD,3"));
}

TEST(GridClipboardText, NoSelectionWritesNothing)
{
    GridStore grid(3, 3);
    EXPECT_EQ(BuildGridClipboardText(grid.store, grid.selection, TextOf(grid)), std::nullopt);
}

TEST(GridClipboardText, PastedTextSplitsIntoLinesAndCells)
{
    using Lines = std::vector<std::vector<CString>>;
    struct Case
    {
        const char* text;
        Lines expected;
    };
    const Case cases[] = {
        {"x,y", {{"x", "y"}}},
        {"a\t\tb", {{"a", "b"}}},
        {"a\n\nb", {{"a"}, {" "}, {"b"}}},
        {"a\nb\n", {{"a"}, {"b"}}},
        {"\t,\n c ", {{}, {" c "}}},
        {"a\r\nb\r\n", {{"a\r"}, {"b\r"}}},
        {"甲\t乙,丙", {{"甲", "乙", "丙"}}},
        {"\x81\x40\t\x81", {{"\x81\x40", "\x81"}}}, // a lead byte at the end stands alone
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitGridPasteText(c.text), c.expected) << "text \"" << c.text << "\"";
}
