// Hostile arguments through IDispatch::Invoke on a real control: every member that takes a rectangle,
// a row, a column, a size or a count, given INT_MIN and INT_MAX corners, inverted corners, -1 and huge
// counts. Each case answers its failure value (or does what the member does with the part of its
// rectangle that lies on the page) within a time limit of its own, leaves every page consistent, and
// the control still answers and paints afterwards.

#include "tests/automation/ObjectCalls.h"
#include "tests/support/CaseWatchdog.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr LONG kMin = LONG_MIN;
constexpr LONG kMax = LONG_MAX;

// Who answers a call: the control, or one of the objects it hands out (each the control's single
// instance of its kind, bound by the last request of the control).
enum class Target
{
    Control,
    Cell,
    Range,
    TabTitle,
    TabArrow,
};

// What a call must answer: a number (a BOOL as 0 or 1, an object as 1 when there is one), a text,
// or anything (a member without a result).
struct Expected
{
    Expected(int number) : value(number) {}
    Expected(long number) : value(number) {}
    Expected(const wchar_t* expectedText) : text(expectedText) {}
    static Expected Any() { return Expected(); }

    std::optional<LONG> value;
    const wchar_t* text = nullptr;

private:
    Expected() = default;
};

struct Step
{
    Target on;
    DISPID id;
    std::vector<Variant> args;
    Expected expected;
};

struct HostileCase
{
    const char* name;
    std::vector<Step> calls;
};

// DISPIDs of the objects' members used here.
enum : DISPID
{
    kCellRowIndex = 3,
    kCellSetText = 9,
    kCellGetText = 10,
    kCellSetIndent = 13,
    kCellSetVerLineColor = 21,
    kCellGetVerLineColor = 23,
    kCellSetHorLineStyle = 26,
    kCellGetHorLineSize = 32,
    kCellGetGridState = 34,
    kCellSetGridState = 36,
    kCellCopy = 38,
    kCellPaste = 40,
    kRangeSetText = 7,
    kRangeSetVerLineStyle = 15,
    kRangeCopy = 22,
    kRangePaste = 24,
    kRangeGetGridObject = 28,
    kRangeSetSelected = 30,
    kTabSetPageTabWidth = 5,
    kTabGetPageTabWidth = 6,
    kTabSetPageTabHeight = 7,
    kTabSetShowIcon = 13,
    kTabGetPageTitle = 32,
    kArrowDeleteIcon = 32,
    kArrowGetIconText = 35,
    kArrowSetButtonTrack = 36,
    kArrowSetButtonEnable = 46,
};

Variant L(LONG value)
{
    return Variant::Long(value);
}

Variant I2(SHORT value)
{
    return Variant::Short(value);
}

Variant T()
{
    return Variant::Bool(true);
}

Variant F()
{
    return Variant::Bool(false);
}

Variant S(const wchar_t* text)
{
    return Variant::String(text);
}

std::vector<Variant> Longs(std::initializer_list<LONG> values)
{
    std::vector<Variant> args;
    for (LONG value : values)
        args.push_back(Variant::Long(value));
    return args;
}

Step C(DISPID id, std::vector<Variant> args, Expected expected)
{
    return {Target::Control, id, std::move(args), expected};
}

Step On(Target on, DISPID id, std::vector<Variant> args, Expected expected)
{
    return {on, id, std::move(args), expected};
}

// The page the cases run on: 100 rows and 50 columns, one fixed row and one fixed column, as the
// control makes its first page. A few cells carry a format for the brush to copy.
std::vector<HostileCase> Cases()
{
    const Expected none = 0, yes = 1, object = 1, any = Expected::Any();
    return {
        // The format brush: a source whose size does not fit is refused; a target is walked only
        // where it lies on the page, whatever corners it is given.
        {"brush source from INT_MIN to INT_MAX rows, then applied to one cell",
         {C(kDoSetPageFormatBrush, Longs({0, kMin, 0, kMax, 0}), none),
          C(kDoGetPageFormatBrush, Longs({0, 1, 1, 1, 1}), yes)}},
        {"brush source of INT_MAX + 1 rows and columns",
         {C(kDoSetPageFormatBrush, Longs({0, 0, 0, kMax, kMax}), none)}},
        {"brush source from INT_MIN to INT_MAX columns",
         {C(kDoSetPageFormatBrush, Longs({0, 0, kMin, 0, kMax}), none)}},
        {"brush source taller than any page can be",
         {C(kDoSetPageFormatBrush, Longs({0, -1, 1, 5000000, 2}), none)}},
        {"inverted brush source", {C(kDoSetPageFormatBrush, Longs({0, 3, 3, 2, 3}), none)}},
        {"2 x 2 brush applied down to row INT_MAX",
         {C(kDoSetPageFormatBrush, Longs({0, 1, 1, 2, 2}), yes),
          C(kDoGetPageFormatBrush, Longs({0, 1, 1, kMax, 1}), yes)}},
        {"2 x 2 brush applied from INT_MIN to INT_MAX both ways",
         {C(kDoSetPageFormatBrush, Longs({0, 1, 1, 2, 2}), yes),
          C(kDoGetPageFormatBrush, Longs({0, kMin, kMin, kMax, kMax}), yes)}},
        {"2 x 2 brush applied to a target given from INT_MAX down to INT_MIN",
         {C(kDoSetPageFormatBrush, Longs({0, 1, 1, 2, 2}), yes),
          C(kDoGetPageFormatBrush, Longs({0, kMax, kMax, kMin, kMin}), yes)}},
        {"brush source at INT_MAX, off the page, applied to the whole page",
         {C(kDoSetPageFormatBrush, Longs({0, kMax, kMax, kMax, kMax}), yes),
          C(kDoGetPageFormatBrush, Longs({0, 0, 0, 99, 49}), yes)}},
        {"brush source partly off the page applied near INT_MAX",
         {C(kDoSetPageFormatBrush, Longs({0, 95, 45, 140, 90}), yes),
          C(kDoGetPageFormatBrush, Longs({0, kMax - 3, kMax - 3, kMax, kMax}), yes)}},
        {"brush on a page index of INT_MIN (the active page) and INT_MAX",
         {C(kDoSetPageFormatBrush, Longs({kMin, 1, 1, 1, 1}), yes),
          C(kDoGetPageFormatBrush, Longs({kMax, 1, 1, 1, 1}), none),
          C(kDoGetPageFormatBrush, Longs({kMin, 2, 2, 3, 3}), yes)}},

        // Merges.
        {"merge from INT_MIN to INT_MAX", {C(kDoSetPageCellCombine, Longs({0, kMin, kMax, kMin, kMax}), none)}},
        {"merge down to row INT_MAX", {C(kDoSetPageCellCombine, Longs({0, 1, kMax, 1, 2}), none)}},
        {"merge with inverted corners", {C(kDoSetPageCellCombine, Longs({0, kMax, kMin, kMax, kMin}), none)}},
        {"merge of -1 corners", {C(kDoSetPageCellCombine, Longs({0, -1, -1, -1, -1}), none)}},
        {"unmerge at INT_MIN, INT_MAX and -1",
         {C(kDoSetPageCellUnCombine, Longs({0, kMin, kMax}), none),
          C(kDoSetPageCellUnCombine, Longs({0, kMax, kMin}), none),
          C(kDoSetPageCellUnCombine, Longs({0, -1, -1}), none)}},

        // Selection and focus.
        {"row and column selected tests at INT_MIN and INT_MAX",
         {C(kDoGetPageRowIsSelected, Longs({0, kMin}), none), C(kDoGetPageRowIsSelected, Longs({0, kMax}), none),
          C(kDoGetPageColIsSelected, Longs({0, kMin}), none), C(kDoGetPageColIsSelected, Longs({0, kMax}), none)}},
        {"range selected from INT_MIN to INT_MAX",
         {C(kDoSetPageGridRangeSelected, {L(0), L(kMin), L(kMin), L(kMax), L(kMax), T()}, none),
          C(kDoSetPageGridRangeSelected, {L(0), L(kMax), L(kMax), L(kMin), L(kMin), F()}, none),
          C(kDoSetPageGridRangeSelected, {L(0), L(1), L(1), L(kMax), L(1), T()}, none),
          C(kDoGetPageMaxSelectedRow, Longs({0}), -1)}},
        {"focus at INT_MAX and INT_MIN",
         {C(kDoSetPageFocusGrid, Longs({0, kMax, kMin}), none), C(kDoSetPageFocusGrid, Longs({0, kMin, kMax}), none),
          C(kDoSetPageFocusGrid, Longs({0, -1, -1}), none)}},
        {"cell selected and valid tests at INT_MIN and INT_MAX",
         {C(kDoGetPageGridIsSelected, Longs({0, kMin, kMax}), none),
          C(kDoGetPageGridIsValid, Longs({0, kMax, 0}), none), C(kDoGetPageGridIsValid, Longs({kMax, 1, 1}), none),
          C(kDoGetPageGridIsValid, Longs({0, 0, kMin}), none)}},
        {"redraw of a range from INT_MIN to INT_MAX and inverted",
         {C(kDoInvalidateGridRange, Longs({kMin, kMin, kMax, kMax}), any),
          C(kDoInvalidateGridRange, Longs({kMax, kMax, kMin, kMin}), any),
          C(kDoInvalidateGridRange, Longs({1, 1, 99, 49}), any)}},

        // The objects' doors.
        {"cell object at INT_MAX and INT_MIN",
         {C(kDoGetGridObject, Longs({0, kMax, kMin}), none), C(kDoGetGridObject, Longs({0, kMin, kMax}), none),
          C(kDoGetGridObject, Longs({kMax, 1, 1}), none)}},
        {"range object from INT_MIN to INT_MAX, inverted, and down to INT_MAX",
         {C(kDoGetGridRangeObject, Longs({0, kMin, kMin, kMax, kMax}), none),
          C(kDoGetGridRangeObject, Longs({0, kMax, kMax, kMin, kMin}), none),
          C(kDoGetGridRangeObject, Longs({0, 1, 1, kMax, 1}), none)}},

        // Headings and locked lines.
        {"letter headings from INT_MIN to INT_MAX and from -1 to INT_MAX",
         {C(kDoSetPageColumnABCD, Longs({0, kMin, kMax}), none), C(kDoSetPageColumnABCD, Longs({0, kMax, -1}), none),
          C(kDoSetPageColumnABCD, Longs({0, -1, kMax}), yes),
          C(kDoGetPageCellText, Longs({0, 0, 49}), L"AX")}},
        {"number headings from INT_MIN to INT_MAX and from -1 to INT_MAX",
         {C(kDoSetPageRow1234, Longs({0, kMin, kMax}), none), C(kDoSetPageRow1234, Longs({0, kMax, -1}), none),
          C(kDoSetPageRow1234, Longs({0, -1, kMax}), yes), C(kDoGetPageCellText, Longs({0, 99, 0}), L"100")}},
        {"locked row INT_MAX, and row INT_MIN with column INT_MAX, which locks every column",
         {C(kDoSetPageLockRowAndColumn, Longs({0, kMax, 0}), none),
          C(kDoSetPageLockRowAndColumn, Longs({0, kMin, kMax}), yes), C(kDoGetPageLockRow, Longs({0}), 0),
          C(kDoGetPageLockColumn, Longs({0}), 49)}},
        {"every row and column locked", {C(kDoSetPageLockRowAndColumn, Longs({0, 99, 49}), yes)}},
        {"locked lines back to none", {C(kDoSetPageLockRowAndColumn, Longs({0, 0, 0}), yes)}},

        // Counts, positions and sizes.
        {"row and column counts of INT_MAX, INT_MIN and -1",
         {C(kDoSetPageRowCounts, Longs({1, kMax, 1}), none), C(kDoSetPageRowCounts, Longs({1, kMin, kMin}), none),
          C(kDoSetPageRowCounts, Longs({1, 5, -1}), none), C(kDoSetPageColumnCounts, Longs({1, kMax, 1}), none),
          C(kDoSetPageColumnCounts, Longs({1, kMin, kMin}), none), C(kDoSetPageColumnCounts, Longs({1, 5, -1}), none),
          C(kDoSetPageRowCounts, Longs({1, 100, 1}), yes), C(kDoSetPageColumnCounts, Longs({1, 50, 1}), yes)}},
        {"row and column insertion at INT_MAX and INT_MIN",
         {C(kDoInsertPageRow, Longs({1, kMax}), 100), C(kDoInsertPageRow, Longs({1, kMin}), 0),
          C(kDoInsertPageColumn, {L(1), L(kMax), I2(5), S(L"")}, 50),
          C(kDoInsertPageColumn, {L(1), L(kMin), I2(SHRT_MIN), S(L"")}, 0)}},
        {"row and column removal at INT_MAX and INT_MIN",
         {C(kDoRemovePageRow, Longs({1, kMax}), yes), C(kDoRemovePageRow, Longs({1, kMin}), yes),
          C(kDoRemovePageColumn, Longs({1, kMax}), yes), C(kDoRemovePageColumn, Longs({1, kMin}), yes),
          C(kDoGetPageRows, Longs({1, 2}), 100), C(kDoGetPageColumns, Longs({1, 2}), 50)}},
        {"row heights and column widths of INT_MAX and INT_MIN",
         {C(kDoSetPageRowHeight, Longs({0, 1, kMax}), none), C(kDoSetPageRowHeight, Longs({0, 1, kMin}), none),
          C(kDoSetPageRowHeight, Longs({0, kMax, 5}), none), C(kDoGetPageRowHeight, Longs({0, kMin}), -1),
          C(kDoSetPageColumnWidth, Longs({0, 1, kMax}), none), C(kDoSetPageColumnWidth, Longs({0, kMin, 5}), none),
          C(kDoGetPageColumnWidth, Longs({0, kMax}), -1), C(kDoGetPageRowHeight, Longs({0, 1}), 20)}},
        {"every body row as tall and every column as wide as a page may be",
         {C(kDoSetPageRowHeight, Longs({0, 1, (1 << 30) / 100}), yes),
          C(kDoSetPageColumnWidth, Longs({0, 1, (1 << 30) / 50}), yes),
          C(kDoSetPageRowHeight, Longs({0, 2, (1 << 30) - 10}), none),
          C(kDoSetPageColumnWidth, Longs({0, 2, (1 << 30) - 10}), none)}},
        {"rows and columns back to their sizes",
         {C(kDoSetPageRowHeight, Longs({0, 1, 20}), yes), C(kDoSetPageColumnWidth, Longs({0, 1, 70}), yes)}},
        {"cell text and format at INT_MIN and INT_MAX",
         {C(kDoSetPageCellText, {L(0), L(kMax), L(kMin), S(L"x")}, none),
          C(kDoGetPageCellText, Longs({0, kMin, kMax}), L""),
          C(kDoSetPageCellTextFormat, {L(0), L(kMin), L(1), I2(5)}, none),
          C(kDoGetPageCellTextFormat, Longs({0, 1, kMax}), -1),
          C(kDoSetPageCellTextFormat, {L(0), L(3), L(3), I2(SHRT_MIN)}, yes),
          C(kDoSetPageCellTextFormat, {L(0), L(3), L(3), I2(5)}, yes)}},
        {"header and sort styles, one-page save and initial page count at INT_MIN and INT_MAX",
         {C(kDoSetGridHeadSelectedStyle, {L(0), I2(SHRT_MIN)}, none),
          C(kDoSetGridHeadSelectedStyle, {L(kMax), I2(1)}, none), C(kDoSetPageSortStyle, Longs({0, kMin}), yes),
          C(kDoGetPageSortStyle, Longs({kMin}), 0),
          C(kDoSave, {S(L"C:\\norvak_hostile_page.nvk"), F(), L(kMax), F(), F()}, none),
          C(kDoSave, {S(L"C:\\norvak_hostile_page.nvk"), F(), L(kMin), F(), F()}, none),
          C(kDoOpen, {S(L"C:\\norvak_hostile_page.nvk")}, none),
          C(kDoSetInitializePageCounts, {T(), L(kMax), S(L""), S(L""), S(L"")}, any)}},
        {"context menu item and page index at INT_MIN and INT_MAX",
         {C(kDoSetPageContextMenuItemVisible, {L(0), L(kMin), T()}, none),
          C(kDoSetPageContextMenuItemVisible, {L(0), L(kMax), T()}, none),
          C(kDoDeletePage, Longs({kMax}), none), C(kDoSetActivePageIndex, Longs({kMin}), none),
          C(kDoGetPageColumns, Longs({kMin, kMin}), 50), C(kDoGetPageRows, Longs({kMax, 0}), -1)}},

        // The cell object, bound to a body cell.
        {"cell object's border sides and states of INT_MIN and INT_MAX",
         {C(kDoGetGridObject, Longs({0, 5, 5}), object),
          On(Target::Cell, kCellSetVerLineColor, Longs({0x123456, kMin}), any),
          On(Target::Cell, kCellGetVerLineColor, Longs({kMax}), kMax),
          On(Target::Cell, kCellSetHorLineStyle, {I2(SHRT_MIN), L(kMax)}, any),
          On(Target::Cell, kCellGetHorLineSize, Longs({kMin}), any),
          On(Target::Cell, kCellGetGridState, {I2(SHRT_MIN)}, none),
          On(Target::Cell, kCellSetGridState, {I2(SHRT_MAX)}, none),
          On(Target::Cell, kCellSetIndent, {I2(SHRT_MIN)}, yes)}},
        {"cell object kept past the rows it was bound to",
         {C(kDoGetGridObject, Longs({2, 99, 49}), object), C(kDoSetPageRowCounts, Longs({2, 10, 1}), yes),
          On(Target::Cell, kCellSetText, {S(L"x")}, none), On(Target::Cell, kCellGetText, {}, L""),
          On(Target::Cell, kCellRowIndex, {}, 99), On(Target::Cell, kCellCopy, {}, none),
          On(Target::Cell, kCellPaste, {}, none), C(kDoSetPageRowCounts, Longs({2, 100, 1}), yes)}},
        {"cell copied at the page's last cell and pasted at its first",
         {C(kDoGetGridObject, Longs({0, 99, 49}), object), On(Target::Cell, kCellCopy, {}, yes),
          C(kDoGetGridObject, Longs({0, 1, 1}), object), On(Target::Cell, kCellPaste, {}, yes)}},

        // The range object.
        {"range object over the whole body, then kept past the rows it was bound to",
         {C(kDoGetGridRangeObject, Longs({2, 1, 1, 99, 49}), object),
          On(Target::Range, kRangeSetText, {S(L"满")}, yes),
          On(Target::Range, kRangeSetVerLineStyle, {I2(SHRT_MAX), L(kMin)}, any),
          On(Target::Range, kRangeSetSelected, {T()}, yes), On(Target::Range, kRangeCopy, {}, yes),
          C(kDoSetPageRowCounts, Longs({2, 10, 1}), yes), On(Target::Range, kRangeSetText, {S(L"x")}, none),
          On(Target::Range, kRangePaste, {}, none), C(kDoSetPageRowCounts, Longs({2, 100, 1}), yes)}},
        {"range copied from the last rows and pasted past the page's end",
         {C(kDoGetGridRangeObject, Longs({0, 98, 48, 99, 49}), object), On(Target::Range, kRangeCopy, {}, yes),
          C(kDoGetGridRangeObject, Longs({0, 99, 49, 99, 49}), object), On(Target::Range, kRangePaste, {}, none)}},
        {"range object's cell door at INT_MIN and INT_MAX",
         {C(kDoGetGridRangeObject, Longs({0, 1, 1, 2, 2}), object),
          On(Target::Range, kRangeGetGridObject, Longs({kMin, 1, 1}), object),
          On(Target::Range, kRangeGetGridObject, Longs({kMin, kMax, kMin}), none),
          On(Target::Range, kRangeGetGridObject, Longs({0, kMax, kMin}), none),
          On(Target::Range, kRangeGetGridObject, Longs({kMax, 1, 1}), none)}},

        // The tab strip and the arrow bar.
        {"tab width and height of INT_MAX and INT_MIN",
         {On(Target::TabTitle, kTabSetPageTabWidth, {L(0), F(), L(kMax)}, yes),
          On(Target::TabTitle, kTabSetPageTabWidth, {L(1), F(), L(kMax)}, yes),
          On(Target::TabTitle, kTabSetPageTabHeight, {L(0), F(), L(kMax)}, yes),
          On(Target::TabTitle, kTabSetPageTabWidth, {L(2), F(), L(kMin)}, yes),
          On(Target::TabTitle, kTabGetPageTabWidth, Longs({kMin}), none),
          On(Target::TabTitle, kTabSetShowIcon, {L(kMax), T()}, none),
          On(Target::TabTitle, kTabGetPageTitle, Longs({kMin}), L"")}},
        {"tab sizes back to their defaults",
         {On(Target::TabTitle, kTabSetPageTabWidth, {L(0), T(), L(0)}, none),
          On(Target::TabTitle, kTabSetPageTabWidth, {L(1), T(), L(0)}, none),
          On(Target::TabTitle, kTabSetPageTabWidth, {L(2), T(), L(0)}, none),
          On(Target::TabTitle, kTabSetPageTabHeight, {L(0), T(), L(0)}, none)}},
        {"arrow bar icons and buttons at SHRT_MIN and SHRT_MAX",
         {On(Target::TabArrow, kArrowDeleteIcon, {I2(SHRT_MIN)}, none),
          On(Target::TabArrow, kArrowGetIconText, {I2(SHRT_MAX)}, L""),
          On(Target::TabArrow, kArrowSetButtonTrack, {I2(SHRT_MIN), T()}, none),
          On(Target::TabArrow, kArrowSetButtonEnable, {I2(SHRT_MAX), T()}, none)}},
    };
}

BOOL CALLBACK SendPaint(HWND window, LPARAM)
{
    ::SendMessageW(window, WM_PAINT, 0, 0);
    return TRUE;
}

class HostileCalls : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
        control->DoSetActivePageIndex(0);
        // A format the brush copies, and text in the last cell.
        control->EditPageCell(0, 1, 1)->SetTextFormat(9);
        control->EditPageCell(0, 2, 2)->SetIndent(3);
        control->EditPageCell(0, 99, 49)->SetText("末");
        // The one object of each kind, which the cases re-bind through the control.
        m_cell = HeldObject(Call(kDoGetGridObject, {L(0), L(1), L(1)}));
        m_range = HeldObject(Call(kDoGetGridRangeObject, {L(0), L(1), L(1), L(1), L(1)}));
        m_tabTitle = HeldObject(Call(kDoGetTabTitleObject));
        m_tabArrow = HeldObject(Call(kDoGetTabArrowObject));
    }

    IDispatch* ObjectOf(Target target) const
    {
        switch (target) {
        case Target::Control:
            return container.Dispatch();
        case Target::Cell:
            return m_cell;
        case Target::Range:
            return m_range;
        case Target::TabTitle:
            return m_tabTitle;
        case Target::TabArrow:
            return m_tabArrow;
        }
        return nullptr;
    }

    void TearDown() override
    {
        for (IDispatch* object : {m_cell, m_range, m_tabTitle, m_tabArrow})
            if (object)
                object->Release();
    }

    void Expect(const Variant& got, const Expected& expected, const std::string& what)
    {
        if (expected.text) {
            EXPECT_EQ(AsText(got), expected.text) << what;
        } else if (expected.value && got.type() == VT_DISPATCH) {
            EXPECT_EQ((*got).pdispVal ? 1 : 0, *expected.value) << what;
        } else if (expected.value) {
            EXPECT_EQ(AsLong(got), *expected.value) << what;
        }
    }

    // The control answers a plain request, draws the active page for its container, and paints
    // itself and its tab strip, arrow bar, split box and scroll bars through their windows.
    void ExpectStillAnswering(const std::string& after)
    {
        EXPECT_EQ(Long(kDoGetPageCounts), 3) << after;
        EXPECT_TRUE(Bool(kDoSetPageCellText, {L(0), L(0), L(0), S(L"探")})) << after;
        EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(0), L(0)}), L"探") << after;
        HRESULT hr = E_FAIL;
        container.DrawToMemory(480, 320, 0x123456, &hr);
        EXPECT_EQ(hr, S_OK) << after;
        // The container stays hidden, so its windows are sent their paint message.
        ::SendMessageW(container.ControlWindow(), WM_PAINT, 0, 0);
        ::EnumChildWindows(container.ControlWindow(), &SendPaint, 0);
    }

private:
    IDispatch* m_cell = nullptr;
    IDispatch* m_range = nullptr;
    IDispatch* m_tabTitle = nullptr;
    IDispatch* m_tabArrow = nullptr;
};

} // namespace

TEST_F(HostileCalls, EveryCaseAnswersItsResultInTimeAndLeavesThePagesConsistent)
{
    // Message boxes (a range copy's refusals) are answered; no dialog may stay up.
    ModalDriver driver;
    CaseWatchdog watchdog(20000);
    for (const HostileCase& c : Cases()) {
        auto watched = watchdog.Watch(c.name);
        for (size_t i = 0; i < c.calls.size(); ++i) {
            const Step& call = c.calls[i];
            const std::string what = std::string(c.name) + ", call " + std::to_string(i + 1);
            IDispatch* object = ObjectOf(call.on);
            ASSERT_NE(object, nullptr) << what;
            Variant result;
            EXPECT_EQ(InvokeDispatch(object, call.id, DISPATCH_METHOD, call.args, &result), S_OK) << what;
            Expect(result, call.expected, what);
        }
        ExpectEveryPageConsistent(c.name);
        ExpectStillAnswering(c.name);
    }
}
