// The cell-format sheet opened by the control on its selected cells, driven with posted messages:
// its captions and buttons, the alignment page starting from the focus cell's values and OK
// writing the placement, indent and angle it shows into every selected cell, the border page's OK
// writing exactly the lines the user changed, Cancel writing nothing, and two controls in one
// process.

#include "dialogs/PickerMessages.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PageSnapshot.h"
#include "tests/support/SheetDriving.h"
#include "tests/workbook/TempFolder.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

constexpr int kApplyButton = 0x3021;
constexpr POINT kRedSwatch{11, 47}; // swatch 16 of the colour grid
const char* const kCellLineRed2 = "ff/2/2";

PageSnapshot Snapshot(const CNorvakCtrl& control)
{
    return TakeSnapshot(*control.GetPage(-1), *control.GetPageCells(-1));
}

void Select(CNorvakCtrl& control, int r0, int c0, int r1, int c1)
{
    control.SetSelectedRange(-1, r0, c0, r1, c1);
    control.SetFocusCell(-1, r0, c0);
}

using Steps = std::vector<ModalDriver::Step>;

// Runs the cell-format sheet of a control through the steps; the sheet's result.
INT_PTR RunCellFormat(CNorvakCtrl& control, const Steps& steps, ModalDriver* outer = nullptr)
{
    std::optional<ModalDriver> own;
    ModalDriver& driver = outer ? *outer : own.emplace();
    for (const ModalDriver::Step& step : steps)
        driver.Then(step);
    return control.OnCellFormat();
}

const ModalDriver::Step ShowBorders = [](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, 1); };
const ModalDriver::Step PressOk = [](HWND sheet) { ModalDriver::Command(sheet, IDOK); };
const ModalDriver::Step PressCancel = [](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); };
ModalDriver::Step ClickBorderButton(int id)
{
    return [id](HWND sheet) { ClickPageControl(CurrentPage(sheet), id); };
}
// Line style 2, width 2 and red, chosen on the border page as a user does.
const ModalDriver::Step ChooseRedDashedLine = [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    ChooseComboItem(page, IDC_BORDER_STYLE, 2);
    ChooseComboItem(page, IDC_BORDER_WIDTH, 1);
    HWND grid = GetDlgItem(page, IDC_BORDER_COLOUR);
    PostMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kRedSwatch.x, kRedSwatch.y));
    PostMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(kRedSwatch.x, kRedSwatch.y));
};

std::vector<std::string> Changed(const char* line, std::initializer_list<const char*> places)
{
    std::vector<std::string> out;
    for (const char* place : places)
        out.push_back(std::string(place) + " c0c0c0/1/1 -> " + line);
    return out;
}

struct SheetCase
{
    const char* name;
    std::function<void(CNorvakCtrl&)> prepare;
    Steps steps;
    INT_PTR result;
    std::vector<std::string> expected;
};

// The fixture's control, in a container and activated in place.
class CellFormatSheet : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }
    // Each case on a control of its own, its cells 2,2 to 3,3 selected: the page's differences
    // after the sheet ran through the case's steps.
    void RunCases(const std::vector<SheetCase>& cases);
};

TEST_F(CellFormatSheet, CaptionTabsAndButtons)
{
    Select(*control, 2, 2, 2, 2);
    ModalDriver driver;
    RunCellFormat(*control, {[](HWND sheet) {
                                 EXPECT_EQ(WindowText(sheet), L"单元格格式");
                                 EXPECT_EQ(TabTexts(sheet), (std::vector<std::wstring>{L"排列", L"边框"}));
                                 CRect apply, ok, cancel;
                                 GetWindowRect(GetDlgItem(sheet, kApplyButton), &apply);
                                 GetWindowRect(GetDlgItem(sheet, IDOK), &ok);
                                 GetWindowRect(GetDlgItem(sheet, IDCANCEL), &cancel);
                                 EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, kApplyButton)));
                                 EXPECT_EQ(cancel.left, apply.left) << "Cancel in Apply's place";
                                 EXPECT_EQ(cancel.top, apply.top);
                                 EXPECT_EQ(ok.right, apply.left - 20);
                                 EXPECT_EQ(ok.top, apply.top);
                                 EXPECT_EQ(ok.Height(), apply.Height());
                             },
                             PressCancel},
                  &driver);
    EXPECT_EQ(driver.SeenOf(ModalRequest::PropertySheet).at(0).resourceId, UINT(IDD_ALIGNMENT_PAGE));
}


TEST_F(CellFormatSheet, NothingOnTheBorderPageCoversAnotherControl)
{
    Select(*control, 2, 2, 2, 2);
    RunCellFormat(*control, {ShowBorders,
                             [](HWND sheet) {
                                 HWND page = CurrentPage(sheet);
                                 std::vector<std::pair<std::wstring, CRect>> controls;
                                 for (HWND child = GetWindow(page, GW_CHILD); child;
                                      child = GetWindow(child, GW_HWNDNEXT)) {
                                     CRect rect;
                                     GetWindowRect(child, &rect);
                                     MapWindowPoints(HWND_DESKTOP, page, reinterpret_cast<POINT*>(&rect), 2);
                                     controls.emplace_back(std::to_wstring(GetDlgCtrlID(child)) + L" " +
                                                               WindowText(child),
                                                           rect);
                                 }
                                 EXPECT_GE(controls.size(), 20u);
                                 const CRect client = [&] {
                                     CRect r;
                                     GetClientRect(page, &r);
                                     return r;
                                 }();
                                 for (size_t i = 0; i < controls.size(); ++i) {
                                     CRect inside;
                                     EXPECT_TRUE(inside.IntersectRect(controls[i].second, client) &&
                                                 inside == controls[i].second)
                                         << controls[i].first << " reaches out of the page";
                                     for (size_t j = i + 1; j < controls.size(); ++j) {
                                         CRect both;
                                         EXPECT_FALSE(both.IntersectRect(controls[i].second, controls[j].second))
                                             << controls[i].first << " and " << controls[j].first << " overlap";
                                     }
                                 }
                             },
                             PressCancel});
}

void CellFormatSheet::RunCases(const std::vector<SheetCase>& cases)
{
    for (const SheetCase& c : cases) {
        SCOPED_TRACE(c.name);
        container.Destroy();
        Create();
        Start();
        Select(*control, 2, 2, 3, 3);
        if (c.prepare)
            c.prepare(*control);
        const PageSnapshot before = Snapshot(*control);
        EXPECT_EQ(RunCellFormat(*control, c.steps), c.result);
        EXPECT_EQ(Differences(before, Snapshot(*control)), c.expected);
    }
}

TEST_F(CellFormatSheet, BordersOkWritesExactlyTheChosenEdgesAndCancelNothing)
{
    const std::vector<std::string> outline =
        Changed(kCellLineRed2, {"1,2 bottom", "1,3 bottom", "2,1 right", "2,3 right", "3,1 right", "3,2 bottom",
                                "3,3 bottom", "3,3 right"});
    const std::vector<std::string> outlineAndInside =
        Changed(kCellLineRed2, {"1,2 bottom", "1,3 bottom", "2,1 right", "2,2 bottom", "2,2 right", "2,3 bottom",
                                "2,3 right", "3,1 right", "3,2 bottom", "3,2 right", "3,3 bottom", "3,3 right"});
    RunCases({
        {"outline in a chosen line", nullptr,
         {ShowBorders, ChooseRedDashedLine, ClickBorderButton(IDC_BORDER_OUTLINE), PressOk}, IDOK, outline},
        {"outline and inside", nullptr,
         {ShowBorders, ChooseRedDashedLine, ClickBorderButton(IDC_BORDER_OUTLINE),
          ClickBorderButton(IDC_BORDER_INSIDE), PressOk},
         IDOK, outlineAndInside},
        {"Cancel writes nothing", nullptr,
         {ShowBorders, ChooseRedDashedLine, ClickBorderButton(IDC_BORDER_OUTLINE), PressCancel}, IDCANCEL, {}},
        {"OK without a change writes nothing", nullptr, {ShowBorders, ChooseRedDashedLine, PressOk}, IDOK, {}},
        {"a width of 12 is written as 1, without a chosen line a solid black one",
         nullptr,
         {ShowBorders,
          [](HWND sheet) { SendMessageW(CurrentPage(sheet), WM_STYLECOMBO_WIDTH, 12, IDC_BORDER_WIDTH); },
          ClickBorderButton(IDC_BORDER_TOP), PressOk},
         IDOK,
         Changed("0/1/1", {"1,2 bottom", "1,3 bottom"})},
        {"an edge switched off gets the grid's line back",
         [](CNorvakCtrl& control) {
             for (int col : {2, 3}) {
                 control.SetCellHorLineColor(-1, 1, col, RGB(255, 0, 0), kLineOwn);
                 control.SetCellHorLineStyle(-1, 1, col, 0, kLineOwn);
             }
         },
         {ShowBorders, ClickBorderButton(IDC_BORDER_NONE), PressOk},
         IDOK,
         {"1,2 bottom ff/1/0 -> c0c0c0/1/1", "1,3 bottom ff/1/0 -> c0c0c0/1/1"}},
    });
}

TEST_F(CellFormatSheet, AlignmentStartsFromTheFocusCellAndOkWritesWhatItShowsIntoEveryCell)
{
    auto wrapped = [](CNorvakCtrl& control) { control.SetItemFormat(-1, 2, 2, 19); };
    // Beside the plain focus cell: a turned and indented cell, and one of several lines.
    auto mixed = [](CNorvakCtrl& control) {
        CCellItem item;
        item.row = 2;
        item.col = 3;
        item.mask = CIM_FORMAT | CIM_FONT;
        ASSERT_TRUE(control.GetItem(-1, &item));
        item.indent = 7;
        item.font.font.lfEscapement = 900;
        ASSERT_TRUE(control.SetItem(-1, &item));
        control.SetItemFormat(-1, 3, 3, 16);
    };
    RunCases({
        {"the page opens on the focus cell's wrapped centre; right instead",
         wrapped,
         {[](HWND sheet) {
              HWND page = CurrentPage(sheet);
              EXPECT_EQ(IsDlgButtonChecked(page, IDC_ALIGN_WRAP), BST_CHECKED);
              EXPECT_EQ(SendDlgItemMessageW(page, IDC_ALIGN_HORIZONTAL, CB_GETCURSEL, 0, 0), 1);
              EXPECT_EQ(SendDlgItemMessageW(page, IDC_ALIGN_VERTICAL, CB_GETCURSEL, 0, 0), 1);
              EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_ALIGN_ANGLE))) << "no angle with wrap";
              ChooseComboItem(page, IDC_ALIGN_HORIZONTAL, 2);
          },
          PressOk},
         IDOK,
         {"2,2 code 19 -> 21", "2,3 code 5 -> 21", "3,2 code 5 -> 21", "3,3 code 5 -> 21"}},
        {"only the angle", nullptr,
         {[](HWND sheet) { ModalDriver::SetText(CurrentPage(sheet), IDC_ALIGN_ANGLE, L"45"); }, PressOk}, IDOK,
         {"2,2 escapement 0 -> 450", "2,3 escapement 0 -> 450", "3,2 escapement 0 -> 450", "3,3 escapement 0 -> 450"}},
        {"an indent typed on the page, left aligned",
         nullptr,
         {[](HWND sheet) {
              HWND page = CurrentPage(sheet);
              ChooseComboItem(page, IDC_ALIGN_HORIZONTAL, 0);
              ModalDriver::SetText(page, IDC_ALIGN_INDENT, L"12");
          },
          PressOk},
         IDOK,
         {"2,2 code 5 -> 4", "2,2 indent 0 -> 12", "2,3 code 5 -> 4", "2,3 indent 0 -> 12", "3,2 code 5 -> 4",
          "3,2 indent 0 -> 12", "3,3 code 5 -> 4", "3,3 indent 0 -> 12"}},
        {"a stacked place",
         nullptr,
         {[](HWND sheet) {
              HWND page = CurrentPage(sheet);
              const CRect group = ControlRect(page, IDC_ALIGN_STACKED);
              ClickPageAt(page, CPoint(group.left + 8, group.bottom - 9)); // the bottom-left place, 7
          },
          PressOk},
         IDOK,
         {"2,2 code 5 -> 46", "2,3 code 5 -> 46", "3,2 code 5 -> 46", "3,3 code 5 -> 46"}},
        {"Cancel writes nothing", wrapped,
         {[](HWND sheet) { ChooseComboItem(CurrentPage(sheet), IDC_ALIGN_HORIZONTAL, 0); }, PressCancel}, IDCANCEL,
         {}},
        {"OK on the shown placement gives it to every cell", wrapped, {PressOk}, IDOK,
         {"2,3 code 5 -> 19", "3,2 code 5 -> 19", "3,3 code 5 -> 19"}},
        {"OK on a mixed selection gives every cell the focus cell's indent and angle", mixed, {PressOk}, IDOK,
         {"2,3 indent 7 -> 0", "2,3 escapement 900 -> 0", "3,3 code 16 -> 5"}},
    });
}

// The left edge of the ink of a cell's text, as the control paints itself (-1: no ink).
int InkLeft(TestContainer& container, CNorvakCtrl& control, int row, int col)
{
    const CRect client = control.GetClientRect();
    HRESULT hr = E_FAIL;
    const std::vector<DWORD> pixels = container.DrawToMemory(client.Width(), client.Height(), 0xFFFFFF, &hr);
    EXPECT_EQ(hr, S_OK);
    CRect cell;
    EXPECT_TRUE(control.GetCellRect(-1, row, col, &cell));
    for (int x = cell.left + 1; x < cell.right - 2; ++x)
        for (int y = cell.top + 2; y < cell.bottom - 2; ++y) {
            const DWORD p = pixels[size_t(y) * size_t(client.Width()) + size_t(x)];
            if (((p >> 16) & 0xFF) < 100 && ((p >> 8) & 0xFF) < 100 && (p & 0xFF) < 100)
                return x - cell.left;
        }
    return -1;
}

// The indent chosen on the alignment page is stored in the cell and painted: the text starts that
// many pixels right of the same text without it. The workbook file's cell record has no field for
// the indent: a saved and opened cell keeps its text and placement, and its indent is the default.
TEST_F(CellFormatSheet, TheIndentChosenOnThePageIsStoredPaintedSavedAndOpened)
{
    for (int col : {2, 3})
        ASSERT_TRUE(control->SetItemText(-1, 2, col, "文字"));
    ASSERT_TRUE(control->SetItemFormat(-1, 2, 3, 4)); // left, no indent: the reference
    Select(*control, 2, 2, 2, 2);
    EXPECT_EQ(RunCellFormat(*control, {[](HWND sheet) {
                                           HWND page = CurrentPage(sheet);
                                           ChooseComboItem(page, IDC_ALIGN_HORIZONTAL, 0);
                                           ModalDriver::SetText(page, IDC_ALIGN_INDENT, L"20");
                                       },
                                       PressOk}),
              IDOK);
    const CNorvakCell* cell = control->GetPageCell(-1, 2, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetIndent(), 20);
    EXPECT_EQ(cell->GetTextFormat(), 4);
    Select(*control, 6, 6, 6, 6); // the selection frame away from the cells measured
    const int plain = InkLeft(container, *control, 2, 3);
    ASSERT_GE(plain, 0);
    EXPECT_EQ(InkLeft(container, *control, 2, 2), plain + 20);

    TempFolder folder;
    const CString path = folder.Path(L"缩进.nvk");
    ASSERT_TRUE(control->DoSave(path, TRUE, 0, TRUE, TRUE));
    const int opened = control->DoGetPageCounts() + control->DoGetActivePageIndex(); // the page's copy
    ASSERT_TRUE(control->DoOpen(path));
    ASSERT_TRUE(control->DoSetActivePageIndex(opened));
    const CNorvakCell* back = control->GetPageCell(-1, 2, 2);
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back->GetTextPtr(), "文字");
    EXPECT_EQ(back->GetTextFormat(), 4);
    EXPECT_EQ(back->GetIndent(), 0) << "the file has no field for it";
    EXPECT_EQ(InkLeft(container, *control, 2, 2), plain);
}

TEST_F(CellFormatSheet, ASheetOfTheFirstControlChangesOnlyTheFirst)
{
    CNorvakCtrl* first = control;
    ControlInContainer second; // the module's current control from now on
    Select(*first, 2, 2, 2, 2);
    Select(*second, 2, 2, 2, 2);
    const PageSnapshot firstBefore = Snapshot(*first);
    const PageSnapshot secondBefore = Snapshot(*second);
    EXPECT_EQ(RunCellFormat(*first, {ShowBorders, ClickBorderButton(IDC_BORDER_OUTLINE), PressOk}), IDOK);
    EXPECT_EQ(Differences(firstBefore, Snapshot(*first)).size(), 4u);
    EXPECT_TRUE(Differences(secondBefore, Snapshot(*second)).empty());
}

TEST_F(CellFormatSheet, DestroyingTheSecondControlLeavesTheFirstSheetWorking)
{
    CNorvakCtrl* first = control;
    ControlInContainer second;
    Select(*first, 2, 2, 2, 2);
    const PageSnapshot before = Snapshot(*first);
    EXPECT_EQ(RunCellFormat(*first, {[&](HWND) { second.Destroy(); }, ShowBorders,
                                     ClickBorderButton(IDC_BORDER_OUTLINE), PressOk}),
              IDOK);
    EXPECT_FALSE(second.IsAlive());
    EXPECT_EQ(Differences(before, Snapshot(*first)).size(), 4u);
}

TEST_F(CellFormatSheet, NoSheetWithoutAnActivePage)
{
    while (control->DoGetPageCounts() > 0)
        control->DoDeletePage(0);
    ModalDriver driver;
    EXPECT_EQ(control->OnCellFormat(), 0);
    EXPECT_TRUE(driver.SeenOf(ModalRequest::PropertySheet).empty());
}

} // namespace
