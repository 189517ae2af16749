// Body and header merges: marking, taking apart, combining again over older merges, the range
// checks of the automation method, and merges across the frozen boundary.

#include "sheet/model/MergeCells.h"
#include "tests/support/CellSheet.h"

#include <tuple>

using namespace SheetModel;

namespace {

struct MergeSheet : CellSheet
{
    CCellGeometry geometry{page, {400, 300}};
    RecordingRepaint repaint;

    MergeSheet() : CellSheet(8, 7, 1, 1) {}

    BOOL Combine(int r0, int r1, int c0, int c1)
    {
        return CombineCellRange(page, cells, r0, r1, c0, c1, geometry, repaint);
    }
    std::vector<std::tuple<int, int, int, int>> Records(const std::vector<CMergeCellRange>& list)
    {
        std::vector<std::tuple<int, int, int, int>> out;
        for (const CMergeCellRange& m : list)
            out.emplace_back(m.firstRow, m.firstCol, m.lastRow, m.lastCol);
        return out;
    }
};

BOOL DoUnCombine(MergeSheet& s, int row, int col)
{
    return UnCombineCells(s.page, s.cells, row, col, s.repaint);
}

TEST(MergeCells, CellsAreMarkedAsOriginCoveredAndJoined)
{
    MergeSheet s;
    ASSERT_TRUE(CombineCells(s.page, s.cells, 2, 2, -2, -1, TRUE, 7, s.geometry, s.repaint));
    EXPECT_EQ(s.Consistency(), "");
    EXPECT_EQ(s.Records(s.page.m_bodyMerges), (std::vector<std::tuple<int, int, int, int>>{{2, 2, 4, 3}}));
    struct Case
    {
        int row, col;
        bool right, below;
    } cases[] = {{2, 2, true, true},
                 {3, 2, true, true},
                 {4, 2, true, false},
                 {4, 3, false, false},
                 {2, 3, false, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(bool(s.Cell(c.row, c.col).IsMergedRight()), c.right) << c.row << ", " << c.col;
        EXPECT_EQ(bool(s.Cell(c.row, c.col).IsMergedBelow()), c.below) << c.row << ", " << c.col;
        EXPECT_EQ(s.Cell(c.row, c.col).GetEditLock(), 7);
    }
    EXPECT_EQ(s.page.m_bodyMerges[0].editLock, 7);
    EXPECT_GT(s.repaint.all, 0);

    // A covered cell is no origin to take apart.
    EXPECT_FALSE(UnCombineCells(s.page, s.cells, 3, 3, s.repaint));
    EXPECT_TRUE(UnCombineCells(s.page, s.cells, 2, 2, s.repaint));
    EXPECT_EQ(s.Consistency(), "");
    EXPECT_TRUE(s.page.m_bodyMerges.empty());
    EXPECT_EQ(s.Cell(3, 2).GetEditLock(), 0);
    EXPECT_FALSE(s.Cell(3, 2).IsMergedRight());
}

TEST(MergeCells, MergeUnmergeAndMergeAgainAcrossHeadersAndBody)
{
    using Records = std::vector<std::tuple<int, int, int, int>>;
    MergeSheet s;
    struct Step
    {
        const char* name;
        std::function<BOOL(MergeSheet&)> run;
        BOOL result;
        Records body, header;
    } steps[] = {
        {"header row", [](MergeSheet& m) { return m.Combine(0, 0, 1, 3); }, TRUE, {}, {{0, 1, 0, 3}}},
        {"header column",
         [](MergeSheet& m) { return m.Combine(2, 4, 0, 0); },
         TRUE,
         {},
         {{0, 1, 0, 3}, {2, 0, 4, 0}}},
        {"header again over a merged cell",
         [](MergeSheet& m) { return m.Combine(0, 0, 2, 4); },
         FALSE,
         {},
         {{0, 1, 0, 3}, {2, 0, 4, 0}}},
        {"body",
         [](MergeSheet& m) { return m.Combine(1, 2, 1, 2); },
         TRUE,
         {{1, 1, 2, 2}},
         {{0, 1, 0, 3}, {2, 0, 4, 0}}},
        {"second body",
         [](MergeSheet& m) { return m.Combine(4, 5, 3, 4); },
         TRUE,
         {{1, 1, 2, 2}, {4, 3, 5, 4}},
         {{0, 1, 0, 3}, {2, 0, 4, 0}}},
        {"over both body merges",
         [](MergeSheet& m) { return m.Combine(2, 4, 2, 3); },
         TRUE,
         {{2, 2, 4, 3}},
         {{0, 1, 0, 3}, {2, 0, 4, 0}}},
        {"same range again",
         [](MergeSheet& m) { return m.Combine(2, 4, 2, 3); },
         TRUE,
         {{2, 2, 4, 3}},
         {{0, 1, 0, 3}, {2, 0, 4, 0}}},
        {"unmerge header",
         [](MergeSheet& m) { return DoUnCombine(m, 2, 0); },
         TRUE,
         {{2, 2, 4, 3}},
         {{0, 1, 0, 3}}},
        {"unmerge body", [](MergeSheet& m) { return DoUnCombine(m, 2, 2); }, TRUE, {}, {{0, 1, 0, 3}}},
        {"unmerge a plain cell",
         [](MergeSheet& m) { return DoUnCombine(m, 2, 2); },
         FALSE,
         {},
         {{0, 1, 0, 3}}},
        {"body again",
         [](MergeSheet& m) { return m.Combine(6, 7, 5, 6); },
         TRUE,
         {{6, 5, 7, 6}},
         {{0, 1, 0, 3}}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(step.run(s), step.result);
        EXPECT_EQ(s.Records(s.page.m_bodyMerges), step.body);
        EXPECT_EQ(s.Records(s.page.m_headerMerges), step.header);
        EXPECT_EQ(s.Consistency(), "");
    }
}

TEST(MergeCells, RangeRefusalsChangeNothing)
{
    struct Case
    {
        const char* name;
        int r0, r1, c0, c1;
    } cases[] = {
        {"negative row", -1, 2, 1, 2},
        {"negative column", 1, 2, -1, 2},
        {"row past the count", 6, 8, 1, 2},
        {"column past the count", 1, 2, 5, 7},
        {"rows across the fixed row", 0, 2, 1, 2},
        {"columns across the fixed column", 1, 2, 0, 2},
        {"single cell", 3, 3, 3, 3},
        {"reversed rows", 4, 2, 1, 2},
        {"reversed columns", 2, 4, 3, 1},
    };
    for (const Case& c : cases) {
        MergeSheet s;
        ASSERT_TRUE(s.Combine(5, 6, 5, 6));
        EXPECT_FALSE(s.Combine(c.r0, c.r1, c.c0, c.c1)) << c.name;
        EXPECT_EQ(s.page.m_bodyMerges.size(), 1u) << c.name;
        EXPECT_TRUE(s.page.m_headerMerges.empty()) << c.name;
        EXPECT_EQ(s.Consistency(), "") << c.name;
    }
    MergeSheet s;
    EXPECT_FALSE(CombineCells(s.page, s.cells, 0, 2, 1, 1, TRUE, 0, s.geometry, s.repaint)); // fixed origin
    EXPECT_FALSE(CombineHeaderCells(s.page, s.cells, 1, 1, 1, 1, s.repaint));                // body range
    EXPECT_EQ(s.Consistency(), "");
    EXPECT_TRUE(s.page.m_bodyMerges.empty());

    // A body merge takes the lock of its first cell.
    s.Cell(3, 3).SetEditLock(4);
    ASSERT_TRUE(s.Combine(3, 4, 3, 4));
    EXPECT_EQ(s.page.m_bodyMerges[0].editLock, 4);
    EXPECT_EQ(s.Cell(4, 4).GetEditLock(), 4);
}

TEST(MergeCells, UnmergingKeepsTheTextsTheMergeHid)
{
    MergeSheet s;
    ASSERT_TRUE(s.Combine(2, 3, 2, 3));
    EXPECT_FALSE(UnCombineCells(s.page, s.cells, 3, 3, s.repaint)); // a covered cell
    EXPECT_EQ(s.page.m_bodyMerges.size(), 1u);
    EXPECT_TRUE(UnCombineCells(s.page, s.cells, 2, 2, s.repaint));
    for (CCellCoord cell : {CCellCoord(2, 2), CCellCoord(2, 3), CCellCoord(3, 2), CCellCoord(3, 3)})
        EXPECT_EQ(s.Text(cell.row, cell.col), std::to_string(cell.row) + ":" + std::to_string(cell.col));
    EXPECT_FALSE(UnCombineCells(s.page, s.cells, 2, 2, s.repaint));
    EXPECT_EQ(s.Consistency(), "");
}

// A merge across the last locked line: whole while nothing is scrolled, cut to its locked part
// once the lines beyond the boundary are scrolled away. Columns are 70 wide, rows 20 high; with two
// locked lines the scrolling band starts at column 3 (x 210) or row 3 (y 60).
TEST(MergeCells, StraddlingTheLockedLinesFollowsTheScrolling)
{
    struct Case
    {
        bool rows;
        int r0, r1, c0, c1;
        CRect whole, locked;
        CCellCoord joined[2]; // cells whose joining mark goes when the merge is cut
    } cases[] = {
        {false, 2, 3, 2, 4, {140, 40, 350, 80}, {140, 40, 210, 80}, {{2, 2}, {3, 2}}},
        {true, 2, 4, 2, 3, {140, 40, 280, 100}, {140, 40, 280, 60}, {{2, 2}, {2, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows ? "rows" : "columns");
        MergeSheet s;
        (c.rows ? s.page.m_nLockedRows : s.page.m_nLockedCols) = 2;
        auto joined = [&](CCellCoord cell) {
            return c.rows ? s.Cell(cell.row, cell.col).IsMergedBelow() : s.Cell(cell.row, cell.col).IsMergedRight();
        };
        ASSERT_TRUE(s.Combine(c.r0, c.r1, c.c0, c.c1));
        AdjustMergesToLockedArea(s.page, s.cells, s.geometry);
        EXPECT_TRUE(joined(c.joined[0]));
        EXPECT_EQ(CRect(s.page.m_bodyMerges[0].display), c.whole);

        (c.rows ? s.page.m_nVertPos : s.page.m_nHorzPos) = c.rows ? 40 : 140;
        AdjustMergesToLockedArea(s.page, s.cells, s.geometry);
        EXPECT_FALSE(joined(c.joined[0]));
        EXPECT_FALSE(joined(c.joined[1]));
        EXPECT_EQ(CRect(s.page.m_bodyMerges[0].display), c.locked);
        EXPECT_EQ(s.Consistency(), "");
    }
}

} // namespace
