// The selection map: a set of cells held as rectangles, walked in key order.

#include "sheet/model/CellSelectionMap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CCellCoord> Walk(const CCellSelectionMap& map)
{
    std::vector<CCellCoord> cells;
    for (const auto& [key, at] : map) {
        EXPECT_EQ(key, CCellSelectionMap::Key(at.row, at.col));
        cells.push_back(at);
    }
    return cells;
}

// Whatever order rectangles and single cells come in, the walk goes by column and then by row,
// and visits every cell once.
TEST(CellSelectionMap, WalksInKeyOrderWhateverTheOrderOfAdding)
{
    CCellSelectionMap map;
    map.AddRange(CCellRect(5, 2, 6, 3)); // rows 5-6, columns 2-3
    map.Add(CCellCoord(1, 3));
    map.AddRange(CCellRect(0, 0, 1, 2)); // rows 0-1, columns 0-2, overlapping nothing
    map.Add(CCellCoord(9, 0));
    map.Add(CCellCoord(3, 7));
    const std::vector<CCellCoord> expected = {
        {0, 0}, {1, 0}, {9, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {5, 2}, {6, 2},
        {1, 3}, {5, 3}, {6, 3}, {3, 7}};
    EXPECT_EQ(Walk(map), expected);
    EXPECT_EQ(map.GetCount(), int(expected.size()));
}

TEST(CellSelectionMap, RemovingACellSplitsItsRectangleAndTheWalkSkipsIt)
{
    CCellSelectionMap map;
    map.AddRange(CCellRect(0, 0, 2, 1));
    EXPECT_FALSE(map.Add(CCellCoord(1, 1)));
    EXPECT_TRUE(map.Remove(1, 0));
    EXPECT_FALSE(map.Remove(1, 0));
    const std::vector<CCellCoord> expected = {{0, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
    EXPECT_EQ(Walk(map), expected);
    map.RemoveAll();
    EXPECT_TRUE(Walk(map).empty());
    EXPECT_TRUE(map.begin() == map.end());
}

} // namespace

namespace {

// Cells added one by one in key order, as the workbook reader and a mouse drag add them, join the
// rectangle before them: a large block stays one rectangle, however it was built.
TEST(CellSelectionMap, CellsAddedInKeyOrderGrowOneRectangle)
{
    CCellSelectionMap map;
    for (int col = 3; col < 303; ++col)
        for (int row = 10; row < 1010; ++row)
            ASSERT_TRUE(map.Add(CCellCoord(row, col)));
    EXPECT_EQ(map.Rects(), (std::vector<CCellRect>{CCellRect(10, 3, 1009, 302)}));
    EXPECT_FALSE(map.Add(CCellCoord(500, 100)));
    EXPECT_TRUE(map.Contains(1009, 302));
    EXPECT_FALSE(map.Contains(1010, 302));
    // A ragged column starts a rectangle of its own, and the walk keeps key order across them.
    ASSERT_TRUE(map.Add(CCellCoord(0, 303)));
    ASSERT_TRUE(map.Add(CCellCoord(1, 303)));
    EXPECT_EQ(map.Rects().size(), 2u);
    EXPECT_EQ(map.GetCount(), 300 * 1000 + 2);
    std::vector<CCellCoord> walked = Walk(map);
    EXPECT_EQ(walked.front(), CCellCoord(10, 3));
    EXPECT_EQ(walked[1000], CCellCoord(10, 4));
    EXPECT_EQ(walked.back(), CCellCoord(1, 303));
}

} // namespace
