// The control's pages through a container: the initial pages, page insertion and deletion with
// their events, the page-level methods by DISPID with good and bad arguments, row and column
// operations (every page checked for consistency after each), scroll ranges and scrolling.
// The control object is made in this process so that its pages can be inspected.

#include "tests/support/ControlTest.h"
#include "tests/support/PageConsistency.h"

#include "Norvak_h.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// An event as the test expects it: dispid and arguments as text, e.g. "2 Sheet3" or "0 100 101".
struct Seen
{
    DISPID dispid;
    std::wstring args;
    friend bool operator==(const Seen&, const Seen&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Seen& seen)
    {
        std::string narrow(seen.args.begin(), seen.args.end());
        return out << "{" << seen.dispid << ": " << narrow << "}";
    }
};

std::wstring ArgsText(const RecordedEvent& event)
{
    std::wstring text;
    for (const Variant& arg : event.args) {
        if (!text.empty())
            text += L' ';
        const VARIANT& v = *arg;
        text += v.vt == VT_BSTR ? std::wstring(v.bstrVal ? v.bstrVal : L"") : std::to_wstring(v.lVal);
    }
    return text;
}

class Pages : public ControlTest
{
protected:
    void SetUp() override { Create(); }

    std::vector<Seen> Events() const
    {
        std::vector<Seen> seen;
        for (const RecordedEvent& event : container.events)
            seen.push_back({event.dispid, ArgsText(event)});
        return seen;
    }

    std::vector<std::string> Titles() const
    {
        std::vector<std::string> titles;
        for (int page = 0; page < control->DoGetPageCounts(); ++page)
            titles.push_back(control->GetPage(page)->m_strTitle.GetString());
        return titles;
    }

    // Grid of a page as (rows, fixed rows, columns, fixed columns).
    std::vector<LONG> Grid(LONG page)
    {
        return {Long(kDoGetPageRows, {L(page), L(2)}), Long(kDoGetPageRows, {L(page), L(0)}),
                Long(kDoGetPageColumns, {L(page), L(2)}), Long(kDoGetPageColumns, {L(page), L(0)})};
    }
};

const std::vector<LONG> kDefaultGrid{100, 1, 50, 1};

TEST_F(Pages, TheFirstWindowMakesThreeDefaultPagesAndAnnouncesEach)
{
    ASSERT_EQ(container.Activate(), S_OK);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}));
    EXPECT_EQ(Long(kDoGetActivePageIndex), 2);
    const std::vector<Seen> expected{
        {kEventShellOnCreate, L""},
        {kEventShellDoInsertingPage, L"-1 "},
        {kEventShellDoInsertedPage, L"0 Sheet1"},
        {kEventShellDoInsertingPage, L"0 Sheet1"},
        {kEventShellDoInsertedPage, L"1 Sheet2"},
        {kEventShellDoInsertingPage, L"1 Sheet2"},
        {kEventShellDoInsertedPage, L"2 Sheet3"},
        {kEventShellOnRowsChanged, L"0 0 100"},
        {kEventShellOnColumnsChanged, L"0 0 50"},
        {kEventShellOnRowsChanged, L"1 0 100"},
        {kEventShellOnColumnsChanged, L"1 0 50"},
        {kEventShellOnRowsChanged, L"2 0 100"},
        {kEventShellOnColumnsChanged, L"2 0 50"},
    };
    EXPECT_EQ(Events(), expected);
    for (LONG page = 0; page < 3; ++page)
        EXPECT_EQ(Grid(page), kDefaultGrid) << page;
    ExpectEveryPageConsistent("start");
}

TEST_F(Pages, ReCreatingTheWindowKeepsThePagesAndInsertsNoneAgain)
{
    Start();
    ASSERT_TRUE(Bool(kDoSetActivePageIndex, {L(1)}));
    ASSERT_TRUE(Bool(kDoSetPageCellText, {L(1), L(3), L(4), S(L"保留")}));
    EXPECT_EQ(Long(kDoSetWindowBorderStyle, {Variant::Short(3)}), 1);
    EXPECT_TRUE(GetWindowLongPtrW(container.ControlWindow(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_EQ(Events(), (std::vector<Seen>{{kEventShellOnCreate, L""}}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}));
    EXPECT_EQ(Long(kDoGetActivePageIndex), 1);
    EXPECT_EQ(Text(kDoGetPageCellText, {L(1), L(3), L(4)}), L"保留");
    for (int id = -5; id <= -1; ++id)
        EXPECT_TRUE(GetDlgItem(container.ControlWindow(), id)) << "child " << id << " in the new window";
}

// DoSetInitializePageCounts called from the ShellOnCreate handler decides the first pages.
TEST_F(Pages, InitialPagesFollowTheSettingsMadeInTheCreateHandler)
{
    struct Case
    {
        bool defaults;
        LONG count;
        const wchar_t* titles[3];
        std::vector<std::string> expected;
    } cases[] = {
        {false, 2, {L"", L"第二页", L""}, {"Sheet1", "第二页"}},
        {false, 3, {L"甲", L"", L"丙"}, {"甲", "Sheet2", "丙"}},
        {false, 1, {L"", L"", L""}, {"Sheet1"}},
        {false, 0, {L"甲", L"乙", L"丙"}, {}},
        {false, 4, {L"甲", L"乙", L"丙"}, {}},
        {false, -1, {L"甲", L"乙", L"丙"}, {}},
        {false, 65537, {L"甲", L"乙", L"丙"}, {}},
        {true, 2, {L"甲", L"乙", L"丙"}, {"Sheet1", "Sheet2", "Sheet3"}},
    };
    for (const Case& c : cases) {
        TestContainer host;
        CNorvakCtrl* ctrl = new CNorvakCtrl;
        ASSERT_EQ(host.Create(static_cast<IOleObject*>(ctrl)), S_OK);
        host.onEvent = [&](const RecordedEvent& event) {
            if (event.dispid == kEventShellOnCreate)
                host.Call(kDoSetInitializePageCounts,
                          {B(c.defaults), L(c.count), S(c.titles[0]), S(c.titles[1]), S(c.titles[2])});
        };
        ASSERT_EQ(host.Activate(), S_OK);
        std::vector<std::string> titles;
        for (int page = 0; page < ctrl->DoGetPageCounts(); ++page) {
            titles.push_back(ctrl->GetPage(page)->m_strTitle.GetString());
            EXPECT_EQ((std::vector<LONG>{ctrl->GetRowCount(page), ctrl->GetFixedRowCount(page),
                                         ctrl->GetColumnCount(page), ctrl->GetFixedColumnCount(page)}),
                      kDefaultGrid)
                << c.count << " page " << page;
        }
        EXPECT_EQ(titles, c.expected) << c.count;
        EXPECT_EQ(ctrl->DoGetActivePageIndex(), LONG(c.expected.size()) - 1) << c.count;
    }
}

TEST_F(Pages, InsertingAPageAnnouncesItBeforeAndAfterAndMakesItActive)
{
    Start();
    LONG countInInserting = -1, activeInInserted = -1, countInInserted = -1;
    container.onEvent = [&](const RecordedEvent& event) {
        if (event.dispid == kEventShellDoInsertingPage)
            countInInserting = control->DoGetPageCounts();
        if (event.dispid == kEventShellDoInsertedPage) {
            activeInInserted = control->DoGetActivePageIndex();
            countInInserted = control->DoGetPageCounts();
        }
    };
    EXPECT_EQ(Long(kDoInsertPage, {S(L"新页")}), 3);
    EXPECT_EQ(Events(), (std::vector<Seen>{{kEventShellDoInsertingPage, L"2 Sheet3"},
                                           {kEventShellDoInsertedPage, L"3 新页"}}));
    EXPECT_EQ(countInInserting, 3) << "the page does not exist yet";
    EXPECT_EQ(countInInserted, 4);
    EXPECT_EQ(activeInInserted, 3) << "the page is complete and active";
    EXPECT_EQ(Grid(3), (std::vector<LONG>{0, 0, 0, 0}));

    container.events.clear();
    EXPECT_EQ(Long(kDoInsertPage, {S(L"")}), 4);
    EXPECT_EQ(Titles().back(), "         ") << "an empty title becomes nine spaces";
    EXPECT_EQ(Events().back(), (Seen{kEventShellDoInsertedPage, L"4 " + std::wstring(9, L' ')}));
    ExpectEveryPageConsistent("insert");
}

TEST_F(Pages, DeletingPagesRenumbersTheRestAndKeepsAValidActivePage)
{
    struct Case
    {
        LONG active; // made active first
        LONG deleted;
        bool ok;
        std::vector<std::string> titles;
        LONG activeAfter;
    } cases[] = {
        {2, -1, true, {"Sheet1", "Sheet2"}, 1}, {2, 1, true, {"Sheet1", "Sheet3"}, 1},
        {0, 0, true, {"Sheet2", "Sheet3"}, 0},  {1, 1, true, {"Sheet1", "Sheet3"}, 1},
        {1, 0, true, {"Sheet2", "Sheet3"}, 0},  {1, 3, false, {"Sheet1", "Sheet2", "Sheet3"}, 1},
        {1, -2, true, {"Sheet1", "Sheet3"}, 1},
    };
    for (const Case& c : cases) {
        TestContainer host;
        CNorvakCtrl* ctrl = new CNorvakCtrl;
        ASSERT_EQ(host.Create(static_cast<IOleObject*>(ctrl)), S_OK);
        ASSERT_EQ(host.Activate(), S_OK);
        ctrl->DoSetPageCellText(2, 1, 1, "第三页");
        ASSERT_TRUE(ctrl->DoSetActivePageIndex(c.active));
        host.events.clear();
        Variant result;
        ASSERT_EQ(host.Call(kDoDeletePage, {L(c.deleted)}, &result), S_OK);
        EXPECT_EQ((*result).boolVal != VARIANT_FALSE, c.ok) << c.deleted;
        std::vector<std::string> titles;
        for (int page = 0; page < ctrl->DoGetPageCounts(); ++page) {
            titles.push_back(ctrl->GetPage(page)->m_strTitle.GetString());
            ASSERT_NE(ctrl->GetPageCells(page), nullptr);
            EXPECT_EQ(CheckPageConsistency(*ctrl->GetPage(page), *ctrl->GetPageCells(page)), "");
            if (titles.back() == "Sheet3") {
                EXPECT_EQ(ctrl->DoGetPageCellText(page, 1, 1), CString("第三页"))
                    << "cells follow their page";
            }
        }
        EXPECT_EQ(titles, c.titles) << c.active << " " << c.deleted;
        EXPECT_EQ(ctrl->DoGetActivePageIndex(), c.activeAfter) << c.active << " " << c.deleted;
        EXPECT_TRUE(host.events.empty()) << "deletion fires nothing";
    }
}

TEST_F(Pages, DeletingTheOnlyPageLeavesNoActivePage)
{
    Start();
    ASSERT_TRUE(Bool(kDoDeletePage, {L(0)}));
    ASSERT_TRUE(Bool(kDoDeletePage, {L(0)}));
    ASSERT_TRUE(Bool(kDoDeletePage, {L(-1)}));
    EXPECT_EQ(Long(kDoGetPageCounts), 0);
    EXPECT_EQ(Long(kDoGetActivePageIndex), -1);
    EXPECT_FALSE(Bool(kDoDeletePage, {L(-1)}));
    EXPECT_EQ(Long(kDoGetPageRows, {L(-1), L(2)}), -1);
    EXPECT_EQ(Long(kDoInsertPage, {S(L"又一页")}), 0);
    EXPECT_EQ(Long(kDoGetActivePageIndex), 0);
}

// Each method by DISPID with a bad page, row, column, position or count: its failure value.
TEST_F(Pages, BadArgumentsGiveTheFailureValueAndChangeNothing)
{
    Start();
    struct Case
    {
        DISPID dispid;
        std::vector<Variant> args;
        LONG expected; // BOOL results as 0 or 1
    } cases[] = {
        {kDoSetActivePageIndex, {L(-1)}, 0},
        {kDoSetActivePageIndex, {L(3)}, 0},
        {kDoSetPageRowCounts, {L(3), L(10), L(1)}, 0},
        {kDoSetPageRowCounts, {L(0), L(5), L(6)}, 0},
        {kDoSetPageRowCounts, {L(0), L(-1), L(-2)}, 0},
        {kDoSetPageRowCounts, {L(0), L(5), L(-1)}, 0},
        {kDoSetPageRowCounts, {L(0), L(0x7FFFFFFF), L(1)}, 0},
        {kDoSetPageColumnCounts, {L(0), L(2), L(3)}, 0},
        {kDoSetPageColumnCounts, {L(0), L(-5), L(-6)}, 0},
        {kDoSetPageColumnCounts, {L(0), L(0x7FFFFFFF), L(1)}, 0},
        {kDoInsertPageRow, {L(3), L(0)}, -1},
        {kDoInsertPageColumn, {L(9), L(0), Variant::Short(1), S(L"x")}, -1},
        {kDoRemovePageRow, {L(3), L(0)}, 0},
        {kDoRemovePageColumn, {L(3), L(0)}, 0},
        {kDoSetPageRowHeight, {L(3), L(1), L(30)}, 0},
        {kDoSetPageRowHeight, {L(0), L(100), L(30)}, 0},
        {kDoSetPageRowHeight, {L(0), L(1), L(-1)}, 0},
        {kDoGetPageRowHeight, {L(0), L(100)}, -1},
        {kDoGetPageRowHeight, {L(0), L(-2)}, -1},
        {kDoGetPageRowHeight, {L(3), L(0)}, -1},
        {kDoSetPageColumnWidth, {L(0), L(50), L(30)}, 0},
        {kDoSetPageColumnWidth, {L(0), L(1), L(-3)}, 0},
        {kDoGetPageColumnWidth, {L(0), L(50)}, -1},
        {kDoGetPageColumnWidth, {L(3), L(0)}, -1},
        {kDoSetPageContextMenuVisible, {L(3), B(false)}, 0},
        {kDoSetPageContextMenuItemVisible, {L(0), L(24), B(false)}, 0},
        {kDoSetPageContextMenuItemVisible, {L(0), L(-1), B(false)}, 0},
        {kDoSetPageContextMenuItemVisible, {L(3), L(0), B(false)}, 0},
        {kDoSetPageSortStyle, {L(3), L(1)}, 0},
        {kDoGetPageSortStyle, {L(3)}, -1},
        {kDoSetPageModify, {L(3), B(false)}, 0},
        {kDoSetPageTextColor, {L(3), L(0xFF)}, 0},
        {kDoSetPageTextBkColor, {L(3), L(0xFF)}, 0},
        {kDoSetPageBkColor, {L(3), L(0xFF)}, 0},
        {kDoGetPageColumns, {L(3), L(1)}, -1},
        {kDoGetPageRows, {L(3), L(1)}, -1},
        {kDoSetPageMouseCursor, {L(3), L(0)}, 0},
        {kDoSetPageCellText, {L(0), L(100), L(0), S(L"x")}, 0},
        {kDoSetPageCellText, {L(0), L(0), L(50), S(L"x")}, 0},
        {kDoSetPageCellText, {L(0), L(-1), L(0), S(L"x")}, 0},
        {kDoSetPageCellText, {L(3), L(0), L(0), S(L"x")}, 0},
        {kDoSetPageCellTextFormat, {L(0), L(0), L(50), Variant::Short(3)}, 0},
        {kDoSetPageCellTextFormat, {L(3), L(0), L(0), Variant::Short(3)}, 0},
        {kDoGetPageCellTextFormat, {L(0), L(100), L(0)}, -1},
        {kDoGetPageCellTextFormat, {L(3), L(0), L(0)}, -1},
    };
    for (const Case& c : cases) {
        Variant result = Call(c.dispid, c.args);
        const VARIANT& v = *result;
        const LONG got = v.vt == VT_BOOL ? (v.boolVal ? 1 : 0) : v.vt == VT_I2 ? v.iVal : v.lVal;
        EXPECT_EQ(got, c.expected) << "DISPID " << c.dispid;
    }
    for (LONG page = 0; page < 3; ++page)
        EXPECT_EQ(Grid(page), kDefaultGrid);
    EXPECT_EQ(Long(kDoGetPageRowHeight, {L(0), L(1)}), 20);
    EXPECT_EQ(Long(kDoGetPageColumnWidth, {L(0), L(1)}), 70);
    EXPECT_EQ(Text(kDoGetPageCellText, {L(3), L(0), L(0)}), L"");
    EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(0), L(50)}), L"");
    EXPECT_EQ(Long(kDoGetActivePageIndex), 2);
    EXPECT_TRUE(container.events.empty());
    ExpectEveryPageConsistent("bad arguments");
}

TEST_F(Pages, PageSettingsAreStoredOnTheirPage)
{
    Start();
    EXPECT_TRUE(Bool(kDoSetPageSortStyle, {L(0), L(5)}));
    EXPECT_EQ(Long(kDoGetPageSortStyle, {L(0)}), 1);
    EXPECT_TRUE(Bool(kDoSetPageSortStyle, {L(-1), L(-5)}));
    EXPECT_EQ(Long(kDoGetPageSortStyle, {L(2)}), 0);
    EXPECT_TRUE(Bool(kDoSetPageModify, {L(1), B(false)}));
    EXPECT_EQ(control->GetPage(1)->m_bEditable, 0);
    EXPECT_TRUE(Bool(kDoSetPageContextMenuVisible, {L(-1), B(false)}));
    EXPECT_EQ(control->GetPage(2)->m_bContextMenuVisible, 0);
    EXPECT_TRUE(Bool(kDoSetPageContextMenuItemVisible, {L(0), L(23), B(false)}));
    EXPECT_TRUE(control->IsContextMenuItemHidden(23));
    EXPECT_FALSE(control->IsContextMenuItemHidden(22));
    EXPECT_TRUE(Bool(kDoSetPageContextMenuItemVisible, {L(0), L(23), B(true)}));
    EXPECT_FALSE(control->IsContextMenuItemHidden(23));

    struct ColourCase
    {
        DISPID dispid;
        COLORREF CNorvakPage::*colour;
        int CNorvakPage::*flag;
        OLE_COLOR given;
        COLORREF stored;
    } colours[] = {
        {kDoSetPageTextColor, &CNorvakPage::m_crTextColor, &CNorvakPage::m_bTextColorSet, 0x00123456,
         0x00123456},
        {kDoSetPageTextBkColor, &CNorvakPage::m_crTextBkColor, &CNorvakPage::m_bTextBkColorSet,
         0x80000000 | COLOR_BTNFACE, GetSysColor(COLOR_BTNFACE)},
        {kDoSetPageBkColor, &CNorvakPage::m_crBkColor, &CNorvakPage::m_bBkColorSet, 0x80000000 | COLOR_WINDOW,
         GetSysColor(COLOR_WINDOW)},
    };
    for (const ColourCase& c : colours) {
        EXPECT_TRUE(Bool(c.dispid, {L(0), L(LONG(c.given))}));
        EXPECT_EQ(control->GetPage(0)->*c.colour, c.stored) << c.dispid;
        EXPECT_EQ(control->GetPage(0)->*c.flag, 1) << c.dispid;
        EXPECT_EQ(control->GetPage(1)->*c.flag, 0) << c.dispid;
    }

    EXPECT_TRUE(Bool(kDoSetPageCellText, {L(0), L(99), L(49), S(L"末格 text")}));
    EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(99), L(49)}), L"末格 text");
    EXPECT_EQ(Text(kDoGetPageCellText, {L(1), L(99), L(49)}), L"");
    EXPECT_TRUE(Bool(kDoSetPageCellTextFormat, {L(-1), L(4), L(7), Variant::Short(37)}));
    EXPECT_EQ(Long(kDoGetPageCellTextFormat, {L(2), L(4), L(7)}), 37);
    EXPECT_EQ(Long(kDoGetPageCellTextFormat, {L(2), L(5), L(7)}), 5);

    HCURSOR cross = LoadCursorW(nullptr, MAKEINTRESOURCEW(32515));
    EXPECT_NE(control->GetSheetCursor(), cross);
    EXPECT_TRUE(Bool(kDoSetPageMouseCursor, {L(1), L(LONG(reinterpret_cast<INT_PTR>(cross)))}));
    EXPECT_EQ(control->GetSheetCursor(), cross);

    // The page made non-modifiable above still takes the host's texts and formats.
    EXPECT_TRUE(Bool(kDoSetPageCellText, {L(1), L(3), L(3), S(L"报表")}));
    EXPECT_EQ(Text(kDoGetPageCellText, {L(1), L(3), L(3)}), L"报表");
    EXPECT_TRUE(Bool(kDoSetPageCellTextFormat, {L(1), L(3), L(3), Variant::Short(9)}));
    EXPECT_EQ(Long(kDoGetPageCellTextFormat, {L(1), L(3), L(3)}), 9);
    EXPECT_TRUE(container.events.empty());
}

TEST_F(Pages, HeightsAndWidthsOneAtATimeOrEveryBodyRowAndColumn)
{
    Start();
    EXPECT_TRUE(Bool(kDoSetPageRowHeight, {L(0), L(5), L(33)}));
    EXPECT_EQ(Long(kDoGetPageRowHeight, {L(0), L(5)}), 33);
    EXPECT_EQ(Long(kDoGetPageRowHeight, {L(0), L(6)}), 20);
    EXPECT_TRUE(Bool(kDoSetPageColumnWidth, {L(0), L(2), L(0)})) << "a width of 0 is stored";
    EXPECT_EQ(Long(kDoGetPageColumnWidth, {L(0), L(2)}), 0);

    EXPECT_TRUE(Bool(kDoSetPageRowHeight, {L(1), L(-1), L(25)}));
    EXPECT_TRUE(Bool(kDoSetPageColumnWidth, {L(1), L(-1), L(90)}));
    EXPECT_EQ(control->GetPage(1)->m_rowHeights.front(), 20) << "the fixed row keeps its height";
    EXPECT_EQ(control->GetPage(1)->m_colWidths.front(), 70) << "the fixed column keeps its width";
    for (int row = 1; row < 100; ++row)
        ASSERT_EQ(control->GetRowHeight(1, row), 25) << row;
    for (int col = 1; col < 50; ++col)
        ASSERT_EQ(control->GetColumnWidth(1, col), 90) << col;

    control->GetPage(2)->m_bUniformRowHeight = 1;
    EXPECT_TRUE(Bool(kDoSetPageRowHeight, {L(2), L(7), L(31)}));
    EXPECT_EQ(Long(kDoGetPageRowHeight, {L(2), L(99)}), 31) << "the uniform flag sets every body row";
    EXPECT_EQ(Long(kDoGetPageRowHeight, {L(2), L(0)}), 20);
    ExpectEveryPageConsistent("sizes");
}

// Each operation in turn on the default pages: its result, the event it fires (if any) and a
// consistent page afterwards.
TEST_F(Pages, RowAndColumnOperationsFireTheirEventsWhenTheCountChanges)
{
    Start();
    struct Case
    {
        DISPID dispid;
        std::vector<Variant> args;
        LONG expected;
        std::vector<Seen> events;
    } cases[] = {
        {kDoInsertPageRow, {L(0), L(-5)}, 0, {{kEventShellOnRowsChanged, L"0 100 101"}}},
        {kDoInsertPageRow, {L(-1), L(1000)}, 100, {{kEventShellOnRowsChanged, L"2 100 101"}}},
        {kDoRemovePageRow, {L(0), L(500)}, 1, {{kEventShellOnRowsChanged, L"0 101 100"}}},
        {kDoRemovePageRow, {L(-1), L(-3)}, 1, {{kEventShellOnRowsChanged, L"2 101 100"}}},
        {kDoInsertPageColumn,
         {L(0), L(2), Variant::Short(45), S(L"标题")},
         2,
         {{kEventShellOnColumnsChanged, L"0 50 51"}}},
        {kDoInsertPageColumn,
         {L(0), L(3), Variant::Short(40), S(L"")},
         3,
         {{kEventShellOnColumnsChanged, L"0 51 52"}}},
        {kDoRemovePageColumn, {L(0), L(99)}, 1, {{kEventShellOnColumnsChanged, L"0 52 51"}}},
        {kDoSetPageRowCounts, {L(0), L(100), L(1)}, 1, {}},
        {kDoSetPageRowCounts, {L(1), L(10), L(2)}, 1, {{kEventShellOnRowsChanged, L"1 100 10"}}},
        {kDoSetPageColumnCounts, {L(1), L(3), L(3)}, 1, {{kEventShellOnColumnsChanged, L"1 50 3"}}},
        {kDoSetPageColumnCounts, {L(1), L(0), L(0)}, 1, {{kEventShellOnColumnsChanged, L"1 3 0"}}},
        {kDoRemovePageColumn, {L(1), L(0)}, 0, {}},
        {kDoInsertPageColumn,
         {L(1), L(0), Variant::Short(2), S(L"")},
         0,
         {{kEventShellOnColumnsChanged, L"1 0 1"}}},
        {kDoSetPageRowCounts, {L(1), L(0), L(0)}, 1, {{kEventShellOnRowsChanged, L"1 10 0"}}},
        {kDoRemovePageRow, {L(1), L(0)}, 0, {}},
        {kDoSetPageRowCounts, {L(1), L(100), L(1)}, 1, {{kEventShellOnRowsChanged, L"1 0 100"}}},
    };
    int step = 0;
    for (const Case& c : cases) {
        container.events.clear();
        Variant result = Call(c.dispid, c.args);
        const VARIANT& v = *result;
        const LONG got = v.vt == VT_BOOL ? (v.boolVal ? 1 : 0) : v.lVal;
        EXPECT_EQ(got, c.expected) << "step " << step;
        EXPECT_EQ(Events(), c.events) << "step " << step;
        ExpectEveryPageConsistent("step " + std::to_string(step));
        ++step;
    }
    EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(0), L(2)}), L"标题");
    EXPECT_EQ(Long(kDoGetPageCellTextFormat, {L(0), L(7), L(2)}), 41) << "a format past 40 becomes 41";
    EXPECT_EQ(Long(kDoGetPageCellTextFormat, {L(0), L(7), L(3)}), 40);
    EXPECT_EQ(Long(kDoGetPageColumnWidth, {L(0), L(3)}), 70) << "no heading: 70 pixels";
    EXPECT_GT(Long(kDoGetPageColumnWidth, {L(0), L(2)}), 0);
    EXPECT_EQ(Long(kDoGetPageRows, {L(0), L(1)}), 99);
}

// A host that relabels its headers from ShellOnRowsChanged sees the grid complete.
TEST_F(Pages, TheRowsChangedHandlerSeesTheNewGrid)
{
    Start();
    LONG rowsSeen = -1;
    std::wstring lastCell;
    container.onEvent = [&](const RecordedEvent& event) {
        if (event.dispid != kEventShellOnRowsChanged)
            return;
        rowsSeen = Long(kDoGetPageRows, {L(0), L(2)});
        Bool(kDoSetPageCellText, {L(0), L(rowsSeen - 1), L(0), S(L"尾")});
        lastCell = Text(kDoGetPageCellText, {L(0), L(rowsSeen - 1), L(0)});
    };
    EXPECT_EQ(Long(kDoInsertPageRow, {L(0), L(100)}), 100);
    EXPECT_EQ(rowsSeen, 101);
    EXPECT_EQ(lastCell, L"尾");
    ExpectEveryPageConsistent("handler");
}

class Layout : public Pages
{
protected:
    HWND Child(int id) const { return GetDlgItem(container.ControlWindow(), id); }
    CRect ChildRect(int id) const
    {
        CRect rect;
        GetWindowRect(Child(id), &rect);
        MapWindowPoints(HWND_DESKTOP, container.ControlWindow(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    int VertRange() const
    {
        // The bar's last position: its maximum less its page, plus one.
        SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
        GetScrollInfo(Child(-5), SB_CTL, &info);
        return info.nMax - int(info.nPage) + 1;
    }
    CRect Client() const
    {
        CRect client;
        GetClientRect(container.ControlWindow(), &client);
        return client;
    }
};

TEST_F(Layout, TheVerticalRangeIsTheRowOverhangPlusForty)
{
    Start();
    const int height = Client().Height();
    ASSERT_TRUE(Bool(kDoSetPageColumnCounts, {L(-1), L(1), L(0)}));
    ASSERT_TRUE(Bool(kDoSetPageRowCounts, {L(-1), L(1), L(0)}));
    struct Case
    {
        int rowHeight;
        int range;
    } cases[] = {
        {height - 40, 0}, {height - 20, 0}, {height - 19, 21}, {height, 40}, {height + 10, 50},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Bool(kDoSetPageRowHeight, {L(-1), L(0), L(c.rowHeight)}));
        EXPECT_EQ(control->GetPage(-1)->m_nVertRange, c.range) << c.rowHeight;
        EXPECT_EQ(VertRange(), c.range) << c.rowHeight;
        EXPECT_EQ(ChildRect(-5).IsRectEmpty(), c.range < 1) << c.rowHeight;
    }
}

TEST_F(Layout, ResizingRecomputesTheRangesAndClampsThePositions)
{
    Start();
    CNorvakPage* page = control->GetPage(-1);
    const int vertRange = page->m_nVertRange, horzRange = page->m_nHorzRange;
    ASSERT_GT(vertRange, 100);
    ASSERT_GT(horzRange, 100);
    page->m_nVertPos = vertRange;
    page->m_nHorzPos = horzRange;
    HWND window = container.ControlWindow();
    CRect frame;
    ::GetWindowRect(window, &frame);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&frame), 2);
    ::MoveWindow(window, frame.left, frame.top, frame.Width() + 60, frame.Height() + 80, TRUE);
    EXPECT_EQ(page->m_nVertRange, vertRange - 80);
    EXPECT_EQ(page->m_nHorzRange, horzRange - 60);
    EXPECT_EQ(page->m_nVertPos, page->m_nVertRange);
    EXPECT_EQ(page->m_nHorzPos, page->m_nHorzRange);
    EXPECT_EQ(VertRange(), page->m_nVertRange);
}

TEST_F(Layout, TheBottomBandAndTheScrollBarsShareTheEdges)
{
    Start();
    const CRect client = Client();
    const int bar = GetSystemMetrics(SM_CXHSCROLL);
    // The default page is taller and wider than the control: both bars are shown.
    EXPECT_GT(control->GetPage(-1)->m_nHorzRange, 0);
    EXPECT_EQ(ChildRect(-2), CRect(0, client.bottom - 19, 68, client.bottom)) << "four arrow buttons";
    EXPECT_EQ(ChildRect(-3).right, client.right - bar);
    EXPECT_EQ(ChildRect(-3).top, client.bottom - 18);
    const CRect split = ChildRect(-4);
    EXPECT_EQ(split.Width(), 5);
    EXPECT_EQ(split.left, std::max(LONG(client.right - bar - 300), LONG(68)));
    EXPECT_EQ(ChildRect(-1), CRect(68, client.bottom - 19, split.left, client.bottom));
    EXPECT_EQ(ChildRect(-5), CRect(client.right - bar, 0, client.right, client.bottom - bar - 2));

    // Narrow columns: no horizontal range, and the vertical bar reaches the bottom.
    ASSERT_TRUE(Bool(kDoSetPageColumnCounts, {L(-1), L(2), L(1)}));
    EXPECT_EQ(control->GetPage(-1)->m_nHorzRange, 0);
    EXPECT_TRUE(ChildRect(-3).IsRectEmpty());
    EXPECT_EQ(ChildRect(-5), CRect(client.right - bar, 0, client.right, client.bottom));
}

TEST_F(Layout, NewPagesAndTheirCountsLeaveTheTabStripItsRoom)
{
    Start();
    const CRect strip = ChildRect(-1);
    for (int n = 1; n <= 10; ++n) {
        Long(kDoInsertPage, {S(L"")});
        ASSERT_TRUE(Bool(kDoSetPageRowCounts, {L(-1), L(100), L(1)}));
        ASSERT_TRUE(Bool(kDoSetPageColumnCounts, {L(-1), L(50), L(1)}));
        EXPECT_EQ(ChildRect(-1), strip) << n << " new pages";
    }
    // A page without a vertical bar gives its room to the horizontal bar, not to the tabs.
    ASSERT_TRUE(Bool(kDoSetPageRowCounts, {L(-1), L(2), L(1)}));
    EXPECT_EQ(control->GetPage(-1)->m_nVertRange, 0);
    EXPECT_EQ(ChildRect(-1), strip);
    EXPECT_EQ(ChildRect(-3).right, Client().right);
    ASSERT_TRUE(Bool(kDoSetActivePageIndex, {L(0)}));
    EXPECT_EQ(ChildRect(-1), strip);
}

TEST_F(Layout, ScrollCodesMoveThePageWithinItsRange)
{
    Start();
    CNorvakPage* page = control->GetPage(-1);
    const int range = page->m_nVertRange;
    ASSERT_GT(range, 100);
    HWND bar = Child(-5);
    struct Case
    {
        int code;
        int from;
        int expected;
    } cases[] = {
        {SB_BOTTOM, 0, range},
        {SB_TOP, 50, 0},
        {SB_PAGEUP, 10, 0},
        {SB_PAGEUP, 45, 0}, // a page is the band the screen shows, taller than 45 pixels
        {SB_PAGEDOWN, range - 5, range},
        {SB_LINEDOWN, 0, 20},
        {SB_LINEDOWN, range - 3, range},
        {SB_LINEUP, 0, 0},
        {SB_LINEUP, 40, 20},
        {SB_LINEUP, 45, 40}, // the row partly scrolled away comes back whole
        {SB_THUMBPOSITION, 45, 45},
        {SB_ENDSCROLL, 45, 45},
    };
    for (const Case& c : cases) {
        page->m_nVertPos = c.from;
        SendMessageW(container.ControlWindow(), WM_VSCROLL, MAKEWPARAM(c.code, 0), LPARAM(bar));
        EXPECT_EQ(page->m_nVertPos, c.expected) << "code " << c.code << " from " << c.from;
    }
}

// Columns are 70 wide; with locked columns the scrolling band starts after them.
TEST_F(Layout, LineScrollsAcrossGoColumnByColumnAfterTheLockedOnes)
{
    Start();
    CNorvakPage* page = control->GetPage(-1);
    const int range = page->m_nHorzRange;
    ASSERT_GT(range, 200);
    struct Case
    {
        WORD locked;
        int code;
        int from;
        int expected;
    } cases[] = {
        {0, SB_LINERIGHT, 0, 70},
        {0, SB_LINELEFT, 140, 70},
        {0, SB_LINELEFT, 100, 70},
        {0, SB_LINELEFT, 150, 140},
        {0, SB_LINELEFT, 0, 0},
        {0, SB_BOTTOM, 0, range},
        {0, SB_PAGELEFT, 5, 0},
        {2, SB_LINELEFT, 0, 0},
        {2, SB_LINERIGHT, 0, 70},
        {2, SB_LINELEFT, 75, 70},
        {2, SB_PAGERIGHT, range - 1, range},
    };
    for (const Case& c : cases) {
        page->m_nLockedCols = c.locked;
        page->m_nHorzPos = c.from;
        SendMessageW(container.ControlWindow(), WM_HSCROLL, MAKEWPARAM(c.code, 0), LPARAM(Child(-3)));
        EXPECT_EQ(page->m_nHorzPos, c.expected)
            << "locked " << c.locked << " code " << c.code << " from " << c.from;
    }
}

} // namespace

namespace {

// A window that counts the clipboard notices that reach it.
struct Viewer
{
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_DRAWCLIPBOARD)
            ++notices;
        return DefWindowProcW(window, msg, wp, lp);
    }
    static inline int notices = 0;
};

void PumpFor(DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(5);
    }
}

bool WriteClipboardText(const char* text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(memory), text, strlen(text) + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    return CloseClipboard() != FALSE;
}

TEST_F(Pages, TheClipboardChainPassesNoticesOnAndIsLeftWithTheWindow)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Viewer::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PagesTestViewer";
    RegisterClassW(&wc);
    HWND viewer =
        CreateWindowW(L"PagesTestViewer", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(viewer);
    HWND before = SetClipboardViewer(viewer);
    Start();
    HWND control = container.ControlWindow();
    EXPECT_EQ(GetClipboardViewer(), control) << "the control heads the chain";
    PumpFor(100);
    Viewer::notices = 0;
    ASSERT_TRUE(WriteClipboardText("abc"));
    PumpFor(300);
    EXPECT_GE(Viewer::notices, 1) << "the notice went on to the next viewer";
    container.Destroy();
    EXPECT_EQ(GetClipboardViewer(), viewer) << "the control left the chain";
    ChangeClipboardChain(viewer, before);
    DestroyWindow(viewer);
}

TEST_F(Pages, NoticesToTheContainerCarryTheCellAndTheReply)
{
    EXPECT_EQ(control->SendMessageToParent(1, 2, -105), 0) << "no window yet";
    Start();
    static NMHDR header;
    static int cell[2];
    static WNDPROC previous;
    previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(container.ParentWindow(), GWLP_WNDPROC));
    auto proc = [](HWND window, UINT msg, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
        if (msg != WM_NOTIFY)
            return CallWindowProcW(previous, window, msg, wp, lp);
        header = *reinterpret_cast<NMHDR*>(lp);
        memcpy(cell, reinterpret_cast<char*>(lp) + sizeof(NMHDR), sizeof(cell));
        return 77;
    };
    SetWindowLongPtrW(container.ParentWindow(), GWLP_WNDPROC, LONG_PTR(static_cast<WNDPROC>(proc)));
    EXPECT_EQ(control->SendMessageToParent(3, 4, -106), 77);
    SetWindowLongPtrW(container.ParentWindow(), GWLP_WNDPROC, LONG_PTR(previous));
    EXPECT_EQ(header.hwndFrom, container.ControlWindow());
    EXPECT_EQ(int(header.code), -106);
    EXPECT_EQ(cell[0], 3);
    EXPECT_EQ(cell[1], 4);
}

} // namespace
