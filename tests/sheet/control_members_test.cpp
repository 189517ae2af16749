// The control's automation members for selection and focus, header marking, drag and drop, page
// colours, the format brush, letter and number headings and locked lines, by DISPID through the
// container: what each stores or answers, and the failure value of every bad argument.

#include "tests/support/ControlTest.h"
#include "tests/support/PageConsistency.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class Members : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }
    std::wstring CellText(LONG row, LONG col) { return Text(kDoGetPageCellText, {L(0), L(row), L(col)}); }
    CNorvakCell& Cell(int row, int col) { return *control->EditPageCell(0, row, col); }
};

} // namespace

TEST_F(Members, BadArgumentsGiveTheFailureValue)
{
    struct Case
    {
        DISPID dispid;
        std::vector<Variant> args;
        LONG expected; // a BOOL result of -1 reaches the client as true, read here as 1
    } cases[] = {
        {kDoGetPageRowIsSelected, {L(3), L(2)}, 1},
        {kDoGetPageRowIsSelected, {L(0), L(0)}, 0},
        {kDoGetPageRowIsSelected, {L(0), L(100)}, 0},
        {kDoGetPageColIsSelected, {L(3), L(2)}, 1},
        {kDoGetPageColIsSelected, {L(0), L(0)}, 0},
        {kDoSetGridHeadSelectedStyle, {L(0), Variant::Short(4)}, 0},
        {kDoSetGridHeadSelectedStyle, {L(0), Variant::Short(-1)}, 0},
        {kDoSetGridHeadSelectedStyle, {L(3), Variant::Short(1)}, 0},
        {kDoGetGridHeadSelectedStyle, {L(99)}, -1},
        {kDoSetPageDragAndDrop, {L(3), B(false)}, 1},
        {kDoGetPageDragAndDrop, {L(3)}, 1},
        {kDoGetPageBkColor, {L(3)}, 0},
        {kDoGetPageTextColor, {L(3)}, 0},
        {kDoGetPageTextBkColor, {L(3)}, 0},
        {kDoSetPageFocusGrid, {L(0), L(0), L(3)}, 0},
        {kDoSetPageFocusGrid, {L(0), L(3), L(50)}, 0},
        {kDoSetPageFocusGrid, {L(3), L(3), L(3)}, 0},
        {kDoGetPageGridIsSelected, {L(3), L(3), L(3)}, 1},
        {kDoGetPageGridIsSelected, {L(0), L(100), L(3)}, 0},
        {kDoSetPageGridRangeSelected, {L(3), L(1), L(1), L(2), L(2), B(true)}, 1},
        {kDoSetPageGridRangeSelected, {L(0), L(2), L(2), L(1), L(2), B(true)}, 0},
        {kDoSetPageGridRangeSelected, {L(0), L(1), L(1), L(100), L(2), B(true)}, 0},
        {kDoGetPageGridIsValid, {L(0), L(100), L(0)}, 0},
        {kDoGetPageGridIsValid, {L(3), L(1), L(1)}, 0},
        {kDoSetPageFormatBrush, {L(0), L(3), L(1), L(2), L(1)}, 0},
        {kDoSetPageFormatBrush, {L(3), L(1), L(1), L(2), L(2)}, 0},
        {kDoGetPageFormatBrush, {L(3), L(1), L(1), L(2), L(2)}, 0},
        {kDoSetPageColumnABCD, {L(3), L(1), L(5)}, 0},
        {kDoSetPageColumnABCD, {L(0), L(5), L(3)}, 0},
        {kDoSetPageRow1234, {L(3), L(1), L(5)}, 0},
        {kDoSetPageRow1234, {L(0), L(5), L(3)}, 0},
        {kDoSetPageLockRowAndColumn, {L(0), L(100), L(0)}, 0},
        {kDoSetPageLockRowAndColumn, {L(3), L(1), L(1)}, 0},
        {kDoGetPageLockRow, {L(3)}, -1},
        {kDoGetPageLockColumn, {L(-7)}, 2},
    };
    control->GetPage(2)->m_nLockedCols = 2;
    for (const Case& c : cases) {
        Variant result = Call(c.dispid, c.args);
        const VARIANT& v = *result;
        const LONG got = v.vt == VT_BOOL ? (v.boolVal ? 1 : 0) : v.vt == VT_I2 ? v.iVal : v.lVal;
        EXPECT_EQ(got, c.expected) << "DISPID " << c.dispid;
    }
    EXPECT_EQ(CellText(0, 1), L"");
    EXPECT_EQ(CellText(1, 0), L"");
    EXPECT_TRUE(control->GetPage(0)->m_selectedCells.IsEmpty());
    ExpectEveryPageConsistent("bad arguments");
}

TEST_F(Members, RangesAreSelectedAndAskedAboutByCellLineAndBounds)
{
    EXPECT_EQ(Long(kDoGetPageMinSelectedRow, {L(0)}), 100) << "nothing selected: the counts";
    EXPECT_EQ(Long(kDoGetPageMaxSelectedCol, {L(0)}), -1);
    ASSERT_TRUE(Bool(kDoSetPageGridRangeSelected, {L(0), L(2), L(3), L(4), L(6), B(true)}));
    EXPECT_TRUE(Bool(kDoGetPageGridIsSelected, {L(0), L(4), L(6)}));
    EXPECT_FALSE(Bool(kDoGetPageGridIsSelected, {L(0), L(5), L(6)}));
    EXPECT_TRUE(Bool(kDoGetPageRowIsSelected, {L(0), L(3)}));
    EXPECT_FALSE(Bool(kDoGetPageRowIsSelected, {L(0), L(5)}));
    EXPECT_TRUE(Bool(kDoGetPageColIsSelected, {L(0), L(6)}));
    EXPECT_FALSE(Bool(kDoGetPageColIsSelected, {L(0), L(7)}));
    const std::vector<LONG> bounds{Long(kDoGetPageMinSelectedRow, {L(0)}), Long(kDoGetPageMinSelectedCol, {L(0)}),
                                   Long(kDoGetPageMaxSelectedRow, {L(0)}), Long(kDoGetPageMaxSelectedCol, {L(0)})};
    EXPECT_EQ(bounds, (std::vector<LONG>{2, 3, 4, 6}));

    // Clearing part of it leaves the rest selected, in the map and on the cells alike.
    ASSERT_TRUE(Bool(kDoSetPageGridRangeSelected, {L(0), L(3), L(3), L(4), L(6), B(false)}));
    EXPECT_FALSE(Bool(kDoGetPageRowIsSelected, {L(0), L(3)}));
    EXPECT_TRUE(Bool(kDoGetPageRowIsSelected, {L(0), L(2)}));
    EXPECT_EQ(Long(kDoGetPageMaxSelectedRow, {L(0)}), 2);
    EXPECT_EQ(control->GetPage(0)->m_selectedCells.GetCount(), 4);
    ExpectEveryPageConsistent("range selection");

    ASSERT_TRUE(Bool(kDoSetPageFocusGrid, {L(0), L(7), L(8)}));
    EXPECT_EQ(control->GetPage(0)->m_focusCell, CCellCoord(7, 8));
    EXPECT_TRUE(Bool(kDoGetPageGridIsValid, {L(0), L(0), L(0)})) << "header cells are valid cells";
}

// A cell with content of its own answers every question about the selection as an empty cell
// does, whichever way it was selected and cleared.
TEST_F(Members, CellsWithAndWithoutContentShowTheSameSelection)
{
    Cell(4, 5).SetText("文");
    ASSERT_TRUE(control->SetItemState(0, 4, 5, CIS_MODIFIED));
    struct Writer
    {
        const char* name;
        std::function<void()> select;
        std::function<void()> clear;
    } writers[] = {
        {"select all", [&] { control->SelectAllCells(0); }, [&] { control->ClearSelectionAndFocus(0); }},
        {"range", [&] { Bool(kDoSetPageGridRangeSelected, {L(0), L(4), L(5), L(4), L(6), B(true)}); },
         [&] { Bool(kDoSetPageGridRangeSelected, {L(0), L(4), L(5), L(4), L(6), B(false)}); }},
        {"state",
         [&] {
             control->SetItemState(0, 4, 5, CIS_SELECTED | CIS_MODIFIED);
             control->SetItemState(0, 4, 6, CIS_SELECTED);
         },
         [&] {
             control->SetItemState(0, 4, 5, CIS_MODIFIED);
             control->SetItemState(0, 4, 6, 0);
         }},
    };
    auto expect = [&](const char* name, bool selected) {
        for (LONG col : {5, 6}) {
            SCOPED_TRACE(std::string(name) + (selected ? ", selected, column " : ", cleared, column ") +
                         std::to_string(col));
            EXPECT_EQ(Bool(kDoGetPageGridIsSelected, {L(0), L(4), L(col)}), selected);
            EXPECT_EQ(Bool(kDoGetPageColIsSelected, {L(0), L(col)}), selected);
            const WORD own = col == 5 ? CIS_MODIFIED : 0;
            EXPECT_EQ(control->GetItemState(0, 4, col), WORD(own | (selected ? CIS_SELECTED : 0)));
            CCellItem item;
            item.row = 4;
            item.col = col;
            item.mask = CIM_STATE;
            ASSERT_TRUE(control->GetItem(0, &item));
            EXPECT_EQ(item.state, WORD(own | (selected ? CIS_SELECTED : 0)));
        }
        EXPECT_EQ(Bool(kDoGetPageRowIsSelected, {L(0), L(4)}), selected) << name;
        ExpectEveryPageConsistent(name);
    };
    for (const Writer& w : writers) {
        w.select();
        expect(w.name, true);
        w.clear();
        expect(w.name, false);
    }
}

TEST_F(Members, HeadStyleDragAndDropAndColoursAreStoredOnTheirPage)
{
    EXPECT_TRUE(Bool(kDoSetGridHeadSelectedStyle, {L(1), Variant::Short(1)}));
    EXPECT_EQ(Long(kDoGetGridHeadSelectedStyle, {L(1)}), 1);
    EXPECT_EQ(Long(kDoGetGridHeadSelectedStyle, {L(0)}), 3);
    EXPECT_TRUE(Bool(kDoSetPageDragAndDrop, {L(1), B(false)}));
    EXPECT_FALSE(Bool(kDoGetPageDragAndDrop, {L(1)}));
    EXPECT_TRUE(Bool(kDoGetPageDragAndDrop, {L(0)}));
    ASSERT_TRUE(Bool(kDoSetPageTextColor, {L(1), L(0x123456)}));
    ASSERT_TRUE(Bool(kDoSetPageTextBkColor, {L(1), L(0x654321)}));
    ASSERT_TRUE(Bool(kDoSetPageBkColor, {L(1), L(0x0000FF)}));
    EXPECT_EQ(Long(kDoGetPageTextColor, {L(1)}), 0x123456);
    EXPECT_EQ(Long(kDoGetPageTextBkColor, {L(1)}), 0x654321);
    EXPECT_EQ(Long(kDoGetPageBkColor, {L(1)}), 0x0000FF);
    VARIANT none = *Call(kDoGetTabScrollObject);
    EXPECT_EQ(none.vt, VT_DISPATCH);
    EXPECT_EQ(none.pdispVal, nullptr);
}

TEST_F(Members, TheFormatBrushTilesItsSourceOnceAndKeepsTextsAndBorders)
{
    // A 2 x 2 source at rows 1..2, columns 1..2, each cell of its own format, font and indent.
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) {
            CNorvakCell& cell = Cell(r, c);
            cell.SetTextFormat(WORD(10 * r + c));
            cell.SetIndent(r + c);
            cell.EditFont().crText = RGB(r, c, 0);
        }
    Cell(5, 4).SetText("keep");
    Cell(5, 4).SetHorLineStyle(3);
    ASSERT_TRUE(Bool(kDoSetPageFormatBrush, {L(0), L(1), L(1), L(2), L(2)}));
    ASSERT_TRUE(Bool(kDoGetPageFormatBrush, {L(0), L(7), L(8), L(5), L(4)})) << "a reversed target is normalised";
    const int sourceRow[] = {1, 2, 1}, sourceCol[] = {1, 2, 1, 2, 1};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            const CNorvakCell& target = Cell(5 + r, 4 + c);
            EXPECT_EQ(target.GetTextFormat(), 10 * sourceRow[r] + sourceCol[c]) << r << "," << c;
            EXPECT_EQ(target.GetIndent(), sourceRow[r] + sourceCol[c]);
            EXPECT_EQ(target.GetFont().crText, RGB(sourceRow[r], sourceCol[c], 0));
        }
    EXPECT_EQ(CellText(5, 4), L"keep");
    EXPECT_EQ(Cell(5, 4).GetHorLineStyle(), 3);

    // The source was used up: a second application copies nothing.
    Cell(9, 9).SetTextFormat(37);
    EXPECT_TRUE(Bool(kDoGetPageFormatBrush, {L(0), L(9), L(9), L(9), L(9)}));
    EXPECT_EQ(Cell(9, 9).GetTextFormat(), 37);
    ExpectEveryPageConsistent("format brush");
}

TEST_F(Members, HeadingsCountFromTheFirstLineAndContinuePastZZ)
{
    ASSERT_TRUE(Bool(kDoSetPageColumnABCD, {L(0), L(1), L(-1)}));
    EXPECT_EQ(CellText(0, 1), L"A");
    EXPECT_EQ(CellText(0, 26), L"Z");
    EXPECT_EQ(CellText(0, 27), L"AA");
    EXPECT_EQ(CellText(0, 49), L"AW");
    ASSERT_TRUE(Bool(kDoSetPageColumnABCD, {L(0), L(3), L(5)}));
    EXPECT_EQ(CellText(0, 3), L"A");
    EXPECT_EQ(CellText(0, 4), L"B");
    EXPECT_EQ(CellText(0, 5), L"E") << "the end column keeps its label from before";
    ASSERT_TRUE(Bool(kDoSetPageColumnABCD, {L(0), L(40), L(5000)})) << "the end is clamped to the count";
    EXPECT_EQ(CellText(0, 49), L"J");

    ASSERT_TRUE(Bool(kDoSetPageColumnCounts, {L(1), L(800), L(1)}));
    ASSERT_TRUE(Bool(kDoSetPageColumnABCD, {L(1), L(0), L(-1)}));
    EXPECT_EQ(Text(kDoGetPageCellText, {L(1), L(0), L(701)}), L"ZZ");
    EXPECT_EQ(Text(kDoGetPageCellText, {L(1), L(0), L(702)}), L"AAA");
    EXPECT_EQ(Text(kDoGetPageCellText, {L(1), L(0), L(703)}), L"AAB");

    ASSERT_TRUE(Bool(kDoSetPageRow1234, {L(0), L(1), L(-1)}));
    EXPECT_EQ(CellText(1, 0), L"1");
    EXPECT_EQ(CellText(99, 0), L"99");
    EXPECT_EQ(CellText(0, 0), L"");
    ASSERT_TRUE(Bool(kDoSetPageRow1234, {L(0), L(95), L(5000)})) << "the end is clamped to the count";
    EXPECT_EQ(CellText(99, 0), L"5");
}

TEST_F(Members, LockedLinesAreStoredAndAsked)
{
    ASSERT_TRUE(Bool(kDoSetPageLockRowAndColumn, {L(0), L(3), L(2)}));
    EXPECT_EQ(Long(kDoGetPageLockRow, {L(0)}), 3);
    EXPECT_EQ(Long(kDoGetPageLockColumn, {L(0)}), 2);
    ASSERT_TRUE(Bool(kDoSetPageLockRowAndColumn, {L(0), L(-4), L(0)})) << "a negative row is row 0";
    EXPECT_EQ(Long(kDoGetPageLockRow, {L(0)}), 0);
    EXPECT_EQ(Long(kDoGetPageLockColumn, {L(0)}), 0);
    ExpectEveryPageConsistent("locked lines");
}

TEST(ControlDefaults, AFreshControlHasThePageSetupAndFlagsItIsBuiltWith)
{
    CNorvakCtrl* control = new CNorvakCtrl;
    EXPECT_EQ(control->DoGetPageCounts(), 0);
    EXPECT_EQ(control->DoGetActivePageIndex(), -1);
    EXPECT_TRUE(control->CreatesDefaultPages());
    EXPECT_EQ(control->GetWindowBorderStyle(), 1);
    const std::vector<int> margins{control->m_nLeftMargin, control->m_nRightMargin, control->m_nTopMargin,
                                   control->m_nBottomMargin, control->m_nPageTitleMargin, control->m_nHeaderMargin,
                                   control->m_nFooterMargin};
    EXPECT_EQ(margins, (std::vector<int>{100, 100, 150, 100, 120, 60, 60}));
    EXPECT_EQ(control->m_nHeaderLine, 2);
    EXPECT_EQ(control->m_nFooterLine, 2);
    EXPECT_EQ(control->m_nPageNumberFormat, 8);
    EXPECT_EQ(control->m_nPageNumberPos, 3);
    EXPECT_EQ(control->m_bShowPageNumber, 1);
    EXPECT_EQ(control->m_bDashedFrame, 0);
    EXPECT_STREQ(control->m_lfTitleFont.lfFaceName, "楷体");
    EXPECT_EQ(control->m_lfTitleFont.lfHeight, 30);
    EXPECT_EQ(control->m_lfTitleFont.lfWeight, 500);
    EXPECT_STREQ(control->m_lfFooterFont.lfFaceName, "宋体");
    EXPECT_EQ(control->m_lfHeaderFont.lfHeight, -12);
    for (int item = 0; item < 24; ++item)
        EXPECT_FALSE(control->IsContextMenuItemHidden(item)) << item;
    control->Release();
}
