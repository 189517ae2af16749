// Where the keys take the focus cell: plain moves, the wraps at the edges of the body, Tab and
// Shift+Tab, and moves out of, into and along merged areas.

#include "tests/support/CellSheet.h"
#include "tests/support/MergeFixture.h"

#include "sheet/model/KeyMoves.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char* name;
    CCellCoord from;
    UINT key;
    bool shift;
    CCellCoord to;
    bool rowWrap;
};

void Check(CellSheet& sheet, const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        CKeyMove move = SheetModel::MoveByKey(sheet.page, sheet.cells, c.from, c.key, c.shift);
        EXPECT_EQ(move.to.row, c.to.row) << c.name;
        EXPECT_EQ(move.to.col, c.to.col) << c.name;
        EXPECT_EQ(move.rowWrap, c.rowWrap) << c.name;
    }
}

// 6 rows and 5 columns, one fixed row and one fixed column: the body is rows 1-5, columns 1-4.
TEST(KeyMoves, PlainMovesAndTheWrapsAtTheEdges)
{
    CellSheet sheet(6, 5, 1, 1);
    Check(sheet, {
                     {"Right", {2, 2}, VK_RIGHT, false, {2, 3}, false},
                     {"Right on the last column wraps in the row", {2, 4}, VK_RIGHT, false, {2, 1}, false},
                     {"Left", {2, 3}, VK_LEFT, false, {2, 2}, false},
                     {"Left on the first body column wraps in the row", {2, 1}, VK_LEFT, false, {2, 4}, false},
                     {"Down", {2, 2}, VK_DOWN, false, {3, 2}, false},
                     {"Enter moves down", {2, 2}, VK_RETURN, false, {3, 2}, false},
                     {"Down on the last row stays", {5, 2}, VK_DOWN, false, {5, 2}, false},
                     {"Up", {3, 2}, VK_UP, false, {2, 2}, false},
                     {"Up on the first body row stays", {1, 2}, VK_UP, false, {1, 2}, false},
                     {"Tab", {2, 2}, VK_TAB, false, {2, 3}, false},
                     {"Tab on the last column goes to the next row", {2, 4}, VK_TAB, false, {3, 1}, true},
                     {"Tab on the last cell stays", {5, 4}, VK_TAB, false, {5, 4}, false},
                     {"Shift+Tab", {2, 3}, VK_TAB, true, {2, 2}, false},
                     {"Shift+Tab on the first column goes to the row above", {3, 1}, VK_TAB, true, {2, 4}, true},
                     {"Shift+Tab on the first body cell stays", {1, 1}, VK_TAB, true, {1, 1}, false},
                     {"Shift does not change an arrow", {2, 2}, VK_RIGHT, true, {2, 3}, false},
                     {"another key stays", {2, 2}, 'A', false, {2, 2}, false},
                     {"a cell off the page stays", {9, 9}, VK_DOWN, false, {9, 9}, false},
                 });
}

// Merges: rows 2-3 x columns 2-3; rows 4-5 x column 1 (reaches the last row); row 1 x columns 3-4
// (reaches the last column).
TEST(KeyMoves, MergedAreasAreMovedOverAsOneCell)
{
    CellSheet sheet(6, 5, 1, 1);
    MarkMerge(sheet.page, sheet.cells, 2, 2, 3, 3);
    MarkMerge(sheet.page, sheet.cells, 4, 1, 5, 1);
    MarkMerge(sheet.page, sheet.cells, 1, 3, 1, 4);
    ASSERT_EQ(sheet.Consistency(), "");
    Check(sheet, {
                     {"Down from the origin lands below the area", {2, 2}, VK_DOWN, false, {4, 2}, false},
                     {"Down from inside lands below the area", {3, 3}, VK_DOWN, false, {4, 3}, false},
                     {"Enter from inside lands below the area", {2, 3}, VK_RETURN, false, {4, 3}, false},
                     {"Up from inside leaves from the origin row", {3, 3}, VK_UP, false, {1, 3}, false},
                     {"Right onto an origin lands on the area's last column", {2, 1}, VK_RIGHT, false, {2, 3},
                      false},
                     {"Right onto a covered cell lands on the area's last column", {3, 1}, VK_RIGHT, false,
                      {3, 3}, false},
                     {"Right from the origin leaves the area", {2, 2}, VK_RIGHT, false, {2, 4}, false},
                     {"Right from a covered cell leaves the area", {3, 2}, VK_RIGHT, false, {3, 4}, false},
                     {"Left from inside leaves from the origin column", {3, 3}, VK_LEFT, false, {3, 1}, false},
                     {"Down from a merge on the last row stays", {4, 1}, VK_DOWN, false, {4, 1}, false},
                     {"Enter from a merge on the last row stays", {5, 1}, VK_RETURN, false, {5, 1}, false},
                     {"Right from a merge on the last column wraps", {1, 3}, VK_RIGHT, false, {1, 1}, false},
                     {"Tab from a merge on the last column wraps as Right does", {1, 3}, VK_TAB, false, {1, 1},
                      false},
                     {"Up from a merge on the first body row stays", {4, 1}, VK_UP, false, {3, 1}, false},
                     {"Shift+Tab from a covered cell leaves from the origin column", {3, 3}, VK_TAB, true,
                      {3, 1}, false},
                 });
}

TEST(KeyMoves, UpNeverEntersAFixedRow)
{
    CellSheet sheet(6, 5, 2, 1);
    MarkMerge(sheet.page, sheet.cells, 2, 2, 3, 2);
    Check(sheet, {
                     {"Up on the first body row", {2, 3}, VK_UP, false, {2, 3}, false},
                     {"Up from a merge starting on the first body row", {3, 2}, VK_UP, false, {3, 2}, false},
                 });
}

} // namespace
