// The control's cell operations through a container: merging and unmerging by DISPID with good and
// bad arguments (every page checked for consistency after each call), the selected-cell bounds,
// and geometry and scrolling on the active page's window.

#include "tests/support/ControlTest.h"
#include "tests/support/GeometryPrint.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class Cells : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start(); // three pages of 100 x 50 cells, one fixed row and column
    }

    std::vector<LONG> SelectedBounds(LONG page)
    {
        std::vector<LONG> out;
        for (DISPID id : {kDoGetPageMinSelectedRow, kDoGetPageMaxSelectedRow, kDoGetPageMinSelectedCol,
                          kDoGetPageMaxSelectedCol}) {
            Variant result = Call(id, {L(page)});
            EXPECT_EQ(result.type(), VT_I4);
            out.push_back((*result).lVal);
        }
        return out;
    }
    size_t Merges(int page, bool header = false) const
    {
        const CNorvakPage* record = control->GetPage(page);
        return (header ? record->m_headerMerges : record->m_bodyMerges).size();
    }
};

TEST_F(Cells, CombineByDispidRefusesBadRangesAndMergesGoodOnes)
{
    struct Case
    {
        const char* name;
        std::vector<LONG> args; // page, min row, max row, min column, max column
        bool result;
        size_t bodyOnActive, headerOnFirst;
    } cases[] = {
        {"page past the count", {3, 2, 4, 2, 3}, false, 0, 0},
        {"negative minimum row", {-1, -1, 4, 2, 3}, false, 0, 0},
        {"negative minimum column", {-1, 2, 4, -2, 3}, false, 0, 0},
        {"row past the count", {-1, 98, 100, 2, 3}, false, 0, 0},
        {"column past the count", {-1, 2, 4, 48, 50}, false, 0, 0},
        {"rows across the fixed row", {-1, 0, 2, 2, 3}, false, 0, 0},
        {"columns across the fixed column", {-1, 2, 4, 0, 3}, false, 0, 0},
        {"single cell", {-1, 3, 3, 3, 3}, false, 0, 0},
        {"reversed rows", {-1, 4, 2, 2, 3}, false, 0, 0},
        {"reversed columns", {-1, 2, 4, 3, 2}, false, 0, 0},
        {"body on the active page", {-1, 2, 4, 2, 3}, true, 1, 0},
        {"header row on page 0", {0, 0, 0, 1, 4}, true, 1, 1},
        {"header over a merged header cell", {0, 0, 0, 3, 6}, false, 1, 1},
        {"body again over the first", {2, 3, 5, 3, 5}, true, 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Bool(kDoSetPageCellCombine, Longs(c.args)), c.result) << c.name;
        EXPECT_EQ(Merges(2), c.bodyOnActive) << c.name;
        EXPECT_EQ(Merges(0, true), c.headerOnFirst) << c.name;
        ExpectEveryPageConsistent(c.name);
    }
    const CMergeCellRange& m = control->GetPage(2)->m_bodyMerges[0];
    EXPECT_EQ(std::vector<int>({m.firstRow, m.firstCol, m.lastRow, m.lastCol}),
              std::vector<int>({3, 3, 5, 5}));
}

TEST_F(Cells, UnCombineByDispidOnlyAtAMergeOrigin)
{
    ASSERT_TRUE(Bool(kDoSetPageCellCombine, Longs({-1, 2, 3, 2, 3})));
    ASSERT_TRUE(Bool(kDoSetPageCellCombine, Longs({1, 0, 0, 2, 3})));
    struct Case
    {
        const char* name;
        std::vector<LONG> args;
        bool result;
    } cases[] = {
        {"bad page", {5, 2, 2}, false},
        {"covered cell", {-1, 3, 3}, false},
        {"outside the grid", {-1, 100, 2}, false},
        {"origin", {-1, 2, 2}, true},
        {"origin again", {-1, 2, 2}, false},
        {"header origin on page 1", {1, 0, 2}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Bool(kDoSetPageCellUnCombine, Longs(c.args)), c.result) << c.name;
        ExpectEveryPageConsistent(c.name);
    }
    EXPECT_EQ(Merges(2), 0u);
    EXPECT_EQ(Merges(1, true), 0u);
}

TEST_F(Cells, UnCombineByDispidKeepsTheCoveredTexts)
{
    ASSERT_TRUE(Bool(kDoSetPageCellText, {L(-1), L(3), L(3), S(L"隐藏")}));
    ASSERT_TRUE(Bool(kDoSetPageCellCombine, Longs({-1, 2, 3, 2, 3})));
    ASSERT_TRUE(Bool(kDoSetPageCellUnCombine, Longs({-1, 2, 2})));
    EXPECT_EQ(Text(kDoGetPageCellText, {L(-1), L(3), L(3)}), L"隐藏");
}

TEST_F(Cells, SelectedBoundsFollowTheSelection)
{
    EXPECT_EQ(SelectedBounds(-1), (std::vector<LONG>{100, -1, 50, -1}));
    control->SetSelectedRange(-1, 2, 3, 5, 7);
    EXPECT_EQ(SelectedBounds(-1), (std::vector<LONG>{2, 5, 3, 7}));
    EXPECT_EQ(SelectedBounds(2), (std::vector<LONG>{2, 5, 3, 7}));
    EXPECT_EQ(SelectedBounds(0), (std::vector<LONG>{100, -1, 50, -1}));
    EXPECT_EQ(SelectedBounds(3), (std::vector<LONG>{-1, -1, -1, -1}));
    control->ClearSelectionAndFocus(-1);
    EXPECT_EQ(SelectedBounds(-1), (std::vector<LONG>{100, -1, 50, -1}));
    ExpectEveryPageConsistent("selection");
}

TEST_F(Cells, PointsCellsAndScrollingOnTheActiveWindow)
{
    RECT rect{};
    ASSERT_TRUE(control->GetCellRect(-1, 3, 2, &rect));
    CPane pane = kPaneLockedBoth;
    EXPECT_EQ(control->GetCellFromPt(POINT{rect.left + 1, rect.top + 1}, &pane), CCellCoord(3, 2));
    EXPECT_EQ(pane, kPaneScrolling);
    EXPECT_EQ(control->GetCellFromPt(POINT{1, 1}, &pane), CCellCoord(0, 0));
    EXPECT_EQ(pane, kPaneFixed);

    EXPECT_FALSE(control->IsCellVisible(-1, 90, 40));
    control->EnsureVisible(-1, 90, 40, kEnsureBoth);
    EXPECT_TRUE(control->IsCellVisible(-1, 90, 40));
    EXPECT_GT(control->GetPage(-1)->m_nHorzPos, 0);
    EXPECT_GT(control->GetPage(-1)->m_nVertPos, 0);
    EXPECT_TRUE(control->RedrawCell(CCellCoord(90, 40)));
    EXPECT_FALSE(control->RedrawCell(CCellCoord(1, 1))); // scrolled out of the client area
}

// What a call leaves to be painted on the control window.
class Redraw : public Cells
{
protected:
    HWND Window() const { return container.ControlWindow(); }
    // A hidden window keeps no update region: the container's window is shown first.
    void Clean() const
    {
        ShowWindow(GetAncestor(Window(), GA_ROOT), SW_SHOWNOACTIVATE);
        ValidateRect(Window(), nullptr);
    }
    CRect Dirty() const
    {
        CRect dirty;
        GetUpdateRect(Window(), &dirty, FALSE);
        return dirty;
    }
    CRect Cell(int row, int col) const
    {
        RECT rect{};
        EXPECT_TRUE(control->GetCellRect(-1, row, col, &rect));
        return CRect(rect);
    }
    CRect Client() const
    {
        RECT client{};
        GetClientRect(Window(), &client);
        return CRect(client);
    }
};

TEST_F(Redraw, RowsColumnsAndRangesInvalidateWhatShowsOfThem)
{
    ASSERT_TRUE(Bool(kDoSetPageCellCombine, Longs({-1, 5, 8, 3, 3})));
    const CRect client = Client();
    struct Case
    {
        const char* name;
        std::function<BOOL()> redraw;
        CRect expected;
    } cases[] = {
        {"row", [&] { return control->RedrawRow(-1, 3); },
         CRect(0, Cell(3, 1).top - 4, client.right, Cell(3, 1).bottom + 5)},
        {"column", [&] { return control->RedrawColumn(-1, 2); },
         CRect(Cell(1, 2).left - 4, 0, Cell(1, 2).right + 5, client.bottom)},
        {"row through a merge reaches its last row", [&] { return control->RedrawRow(-1, 5); },
         CRect(0, Cell(5, 1).top - 4, client.right, Cell(8, 1).bottom + 5)},
        {"header row", [&] { return control->RedrawRow(-1, 0); },
         CRect(0, 0, client.right, Cell(0, 1).bottom + 5)},
        {"range", [&] { return control->RedrawRange(CCellRect(2, 2, 3, 4)); },
         CRect(Cell(2, 2).left - 4, Cell(2, 2).top - 4, Cell(3, 4).right + 5, Cell(3, 4).bottom + 5)},
        {"row height moves the rows below", [&] { return Bool(kDoSetPageRowHeight, {L(-1), L(4), L(30)}); },
         CRect(0, Cell(4, 1).top - 4, client.right, client.bottom)},
        {"column width moves the columns after", [&] { return Bool(kDoSetPageColumnWidth, {L(-1), L(3), L(90)}); },
         CRect(Cell(1, 3).left - 4, 0, client.right, client.bottom)},
    };
    for (const Case& c : cases) {
        Clean();
        EXPECT_TRUE(c.redraw()) << c.name;
        EXPECT_EQ(Dirty(), c.expected) << c.name;
    }
    // Lines that cannot be on screen and pages that are not shown invalidate nothing.
    Clean();
    EXPECT_FALSE(control->RedrawRow(-1, 90));
    EXPECT_FALSE(control->RedrawColumn(-1, 45));
    EXPECT_FALSE(control->RedrawRow(0, 3));
    EXPECT_TRUE(Dirty().IsRectEmpty());
}

TEST_F(Redraw, SelectingInvalidatesTheChangedCellsOnce)
{
    Clean();
    control->SetSelectedRange(-1, 2, 2, 4, 3);
    const CRect first = Dirty();
    EXPECT_TRUE(first.PtInRect(Cell(4, 3).TopLeft()));
    EXPECT_TRUE(first.PtInRect(CPoint(Client().right - 1, 0))) << "the header strips";
    Clean();
    control->SetSelectedRange(-1, 2, 2, 4, 3); // the same range: nothing changes
    EXPECT_TRUE(Dirty().IsRectEmpty());
}

} // namespace

// Every cell-level method reads the defaults on a fresh page without giving any cell a record, and
// reads back what its setter wrote; only the writes make records.
TEST_F(Cells, CellMethodsReadDefaultsWithoutMakingRecordsAndReadBackWrites)
{
    auto ownCells = [&] {
        int count = 0;
        control->GetPageCells(-1)->ForEachOwnCell([&](int, int, const CNorvakCell&) { ++count; });
        return count;
    };
    struct Case
    {
        const char* name;
        std::function<std::wstring()> read;
        std::wstring fresh;
        std::function<bool()> write;
        std::wstring written;
    } cases[] = {
        {"text", [&] { return Text(kDoGetPageCellText, {L(-1), L(7), L(9)}); }, L"",
         [&] { return Bool(kDoSetPageCellText, {L(-1), L(7), L(9), S(L"报表")}); }, L"报表"},
        {"text format", [&] { return std::to_wstring(Long(kDoGetPageCellTextFormat, {L(-1), L(8), L(9)})); },
         L"5", [&] { return Bool(kDoSetPageCellTextFormat, {L(-1), L(8), L(9), Variant::Short(21)}); }, L"21"},
        {"merge", [&] { return std::to_wstring(control->GetPageCell(-1, 10, 11)->IsCovered()); }, L"0",
         [&] { return Bool(kDoSetPageCellCombine, {L(-1), L(10), L(11), L(10), L(11)}); }, L"1"},
        {"unmerge", [&] { return std::to_wstring(control->GetPageCell(-1, 20, 21)->IsCovered()); }, L"0",
         [&] {
             return Bool(kDoSetPageCellCombine, {L(-1), L(20), L(21), L(20), L(21)}) &&
                    Bool(kDoSetPageCellUnCombine, {L(-1), L(20), L(20)});
         },
         L"0"},
        {"selected bounds",
         [&] {
             std::wstring out;
             for (LONG bound : SelectedBounds(-1))
                 out += std::to_wstring(bound) + L" ";
             return out;
         },
         L"100 -1 50 -1 ", [&] { return Bool(kDoSetPageCellText, {L(-1), L(30), L(3), S(L"x")}); },
         L"100 -1 50 -1 "},
    };
    EXPECT_EQ(ownCells(), 0);
    for (const Case& c : cases) {
        const int before = ownCells();
        EXPECT_EQ(c.read(), c.fresh) << c.name;
        EXPECT_EQ(ownCells(), before) << c.name << ": a read made a record";
        EXPECT_TRUE(c.write()) << c.name;
        EXPECT_EQ(c.read(), c.written) << c.name;
    }
    EXPECT_GT(ownCells(), 0) << "the writes made records";
    ExpectEveryPageConsistent("after the cell methods");
}
