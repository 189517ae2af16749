// Sorting body rows by text or by number, in both directions, with excluded columns, row heights
// moving along, and the refusals that keep merges and locked pages whole.

#include "sheet/model/MergeCells.h"
#include "sheet/model/SortRows.h"
#include "tests/support/CellSheet.h"

using namespace SheetModel;

namespace {

// One fixed row; column 1 holds the keys, column 0 the row's original number, heights mark rows.
struct SortSheet : CellSheet
{
    RecordingRepaint repaint;

    explicit SortSheet(std::vector<const char*> keys) : CellSheet(int(keys.size()) + 1, 3, 1, 0)
    {
        for (size_t i = 0; i < keys.size(); ++i) {
            int row = int(i) + 1;
            Cell(row, 1).SetText(keys[i]);
            page.SetRowHeight(row, 20 + row);
        }
    }
    std::vector<std::string> Column(int col)
    {
        std::vector<std::string> out;
        for (int row = page.m_nFixedRows; row < page.m_nRows; ++row)
            out.push_back(Text(row, col));
        return out;
    }
    BOOL Sort(int col, BOOL ascending) { return SortTextItems(page, cells, col, ascending, {}, repaint); }
};

TEST(SortRows, TextAndNumberOrdersBothWays)
{
    using Keys = std::vector<std::string>;
    struct Case
    {
        BYTE style;
        BOOL ascending;
        Keys expected;
    } cases[] = {
        {0, TRUE, {"10", "9", "abc", "乙", "中文"}},
        {0, FALSE, {"中文", "乙", "abc", "9", "10"}},
        {1, TRUE, {"-2.5", "abc", "9", "10", "1e3"}},
        {1, FALSE, {"1e3", "10", "9", "abc", "-2.5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.style ? "numbers" : "text") +
                     (c.ascending ? " ascending" : " descending"));
        std::vector<const char*> keys = c.style ? std::vector<const char*>{"9", "abc", "1e3", "-2.5", "10"}
                                                : std::vector<const char*>{"9", "乙", "10", "abc", "中文"};
        SortSheet s(keys);
        s.page.m_nSortStyle = c.style;
        ASSERT_TRUE(s.Sort(1, c.ascending));
        EXPECT_EQ(s.Column(1), c.expected);
        // Each row kept its cells and its height.
        for (int row = 1; row < s.page.m_nRows; ++row) {
            int from = std::stoi(s.Text(row, 0).substr(0, s.Text(row, 0).find(':')));
            EXPECT_EQ(s.page.GetRowHeight(row), 20 + from);
            EXPECT_EQ(s.Text(row, 2), std::to_string(from) + ":2");
            EXPECT_STREQ(s.Text(row, 1).c_str(), keys[size_t(from - 1)]);
        }
        EXPECT_EQ(s.Consistency(), "");
    }
}

TEST(SortRows, ExcludedColumnsStayAndSelectionIsCleared)
{
    SortSheet s({"c", "a", "b"});
    s.page.m_sortExcludedColumns.push_back(2);
    s.page.m_selectedCells.Add(CCellCoord(2, 2));
    s.Cell(3, 0).SetState(CIS_FOCUSED);
    s.page.m_focusCell = CCellCoord(3, 0);
    s.page.m_keptSelection.Add(CCellCoord(1, 1));
    s.page.m_bEnableSelection = 0;
    ASSERT_TRUE(s.Sort(1, TRUE));
    EXPECT_EQ(s.Column(1), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(s.page.m_keptSelection.IsEmpty());
    EXPECT_EQ(s.Column(0), (std::vector<std::string>{"2:0", "3:0", "1:0"}));
    EXPECT_EQ(s.Column(2), (std::vector<std::string>{"1:2", "2:2", "3:2"}));
    EXPECT_TRUE(s.page.m_selectedCells.IsEmpty());
    EXPECT_EQ(s.page.m_focusCell, CCellCoord());
    EXPECT_EQ(s.Consistency(), "");
}

TEST(SortRows, RefusalsLeaveEveryRowInPlace)
{
    struct Case
    {
        const char* name;
        std::function<BOOL(SortSheet&)> run;
    } cases[] = {
        {"body merge over sorted rows",
         [](SortSheet& s) {
             CCellGeometry g(s.page, {400, 300});
             EXPECT_TRUE(CombineCells(s.page, s.cells, 2, 1, 1, 0, TRUE, 0, g, s.repaint));
             return s.Sort(1, TRUE);
         }},
        {"merge within one row",
         [](SortSheet& s) {
             CCellGeometry g(s.page, {400, 300});
             EXPECT_TRUE(CombineCells(s.page, s.cells, 3, 1, 0, 1, TRUE, 0, g, s.repaint));
             return s.Sort(1, FALSE);
         }},
        {"page may not be modified",
         [](SortSheet& s) {
             s.page.m_bEditable = 0;
             return s.Sort(1, TRUE);
         }},
        {"column outside the grid", [](SortSheet& s) { return s.Sort(3, TRUE); }},
        {"low not below high",
         [](SortSheet& s) { return SortCells(s.page, s.cells, 1, TRUE, 3, 3, {}, s.repaint); }},
        {"high past the rows",
         [](SortSheet& s) { return SortCells(s.page, s.cells, 1, TRUE, 1, 9, {}, s.repaint); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SortSheet s({"d", "c", "b", "a"});
        EXPECT_FALSE(c.run(s));
        EXPECT_EQ(s.Column(1), (std::vector<std::string>{"d", "c", "b", "a"}));
        EXPECT_EQ(s.Consistency(), "");
    }
    SortSheet one({"x"});
    EXPECT_FALSE(one.Sort(1, TRUE));
}

TEST(SortRows, HeaderClicksSortOrSelect)
{
    SortSheet s({"b", "c", "a"});
    s.page.m_nSortColumn = 1; // the released column is stored before the click is handled
    OnFixedRowClick(s.page, s.cells, CCellCoord(0, 1), {}, s.repaint);
    EXPECT_EQ(s.Column(1), (std::vector<std::string>{"b", "c", "a"})); // not sorting: selects columns
    EXPECT_EQ(s.page.m_selectedCells.GetCount(), 3);

    s.page.m_bSorting = 1;
    OnFixedRowClick(s.page, s.cells, CCellCoord(0, 1), {}, s.repaint);
    EXPECT_EQ(s.Column(1), (std::vector<std::string>{"c", "b", "a"})); // flipped to descending
    OnFixedRowClick(s.page, s.cells, CCellCoord(0, 2), {}, s.repaint);
    EXPECT_EQ(s.Column(2), (std::vector<std::string>{"1:2", "2:2", "3:2"})); // another column: ascending
    EXPECT_EQ(s.page.m_nSortColumn, 2);

    // A refused sort keeps the direction: the next sort of the column is still the flip of the last.
    s.page.m_sortExcludedColumns.push_back(1);
    const BOOL ascending = s.page.m_bSortAscending;
    OnFixedRowClick(s.page, s.cells, CCellCoord(0, 1), {}, s.repaint);
    EXPECT_EQ(s.Column(1), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(s.page.m_nSortColumn, 1);
    EXPECT_EQ(s.page.m_bSortAscending, ascending);
    OnFixedRowClick(s.page, s.cells, CCellCoord(0, 1), {}, s.repaint);
    EXPECT_EQ(s.page.m_bSortAscending, ascending);
    EXPECT_EQ(s.Consistency(), "");
}

} // namespace
