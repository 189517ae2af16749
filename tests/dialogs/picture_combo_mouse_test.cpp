// Every picture combo box of the control's sheets opened and changed with the mouse as the hardware
// gives it (the system routes the clicks, and the capture decides who gets them): the list opens
// and stays open while it paints, a click on an item chooses it and closes the list, and the sheet
// answers the next click. Then the border page's choices made that way reach the cells.

#include "tests/support/ComboMouse.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PageSnapshot.h"
#include "tests/support/SheetDriving.h"
#include "resources/NorvakResource.h"

#include <gtest/gtest.h>

namespace {

ModalDriver::Step ShowPage(int index)
{
    return [index](HWND sheet) {
        PropSheet_SetCurSel(sheet, nullptr, index);
        ::RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
}

class PictureComboMouse : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
        control->SetSelectedRange(-1, 2, 2, 3, 3);
        control->SetFocusCell(-1, 2, 2);
    }
};

TEST_F(PictureComboMouse, EachBoxOpensChoosesAndLeavesTheSheetAnsweringClicks)
{
    struct Case
    {
        const char* name;
        INT_PTR (CNorvakCtrl::*open)();
        int page;
        int id;
        int item;
    } cases[] = {
        {"border page, line style", &CNorvakCtrl::OnCellFormat, 1, IDC_BORDER_STYLE, 2},
        {"border page, line width", &CNorvakCtrl::OnCellFormat, 1, IDC_BORDER_WIDTH, 3},
        {"legend page, marker", &CNorvakCtrl::OnLegendSheet, 0, IDC_LEGEND_MARKER, 5},
        {"legend page, line style", &CNorvakCtrl::OnLegendSheet, 0, IDC_LEGEND_LINE_STYLE, 4},
        {"legend page, line width", &CNorvakCtrl::OnLegendSheet, 0, IDC_LEGEND_LINE_WIDTH, 2},
        {"font page, colour", &CNorvakCtrl::OnLegendSheet, 1, IDC_FONT_COLOUR, 9},
        {"font page, background", &CNorvakCtrl::OnLegendSheet, 1, IDC_FONT_BACKGROUND, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModalDriver driver;
        driver.Then(ShowPage(c.page));
        driver.Then([&c](HWND sheet) {
            ChooseWithMouse(::GetDlgItem(CurrentPage(sheet), c.id), c.item);
            EXPECT_TRUE(ClickOtherTab(sheet)) << "the sheet did not answer the click on a tab";
        });
        driver.Then([](HWND sheet) { ModalDriver::Command(sheet, IDCANCEL); });
        EXPECT_EQ((control->*c.open)(), IDCANCEL);
        EXPECT_TRUE(driver.StepsDone());
    }
}

TEST_F(PictureComboMouse, BorderChoicesMadeWithTheMouseReachTheCells)
{
    const PageSnapshot before = TakeSnapshot(*control->GetPage(-1), *control->GetPageCells(-1));
    ModalDriver driver;
    driver.Then(ShowPage(1));
    driver.Then([](HWND sheet) {
        HWND page = CurrentPage(sheet);
        ChooseWithMouse(::GetDlgItem(page, IDC_BORDER_STYLE), 3);
        ChooseWithMouse(::GetDlgItem(page, IDC_BORDER_WIDTH), 2);
        const CRect outline = ControlRect(page, IDC_BORDER_OUTLINE);
        EXPECT_TRUE(RealClick(ScreenCentre(page, outline), [] { return true; }));
        ModalDriver::Command(sheet, IDOK);
    });
    EXPECT_EQ(control->OnCellFormat(), IDOK);
    // Style 3, width 4 (the third width), black: the outline of the block 2,2 to 3,3.
    std::vector<std::string> expected;
    for (const char* place :
         {"1,2 bottom", "1,3 bottom", "2,1 right", "2,3 right", "3,1 right", "3,2 bottom", "3,3 bottom", "3,3 right"})
        expected.push_back(std::string(place) + " c0c0c0/1/1 -> 0/4/3");
    EXPECT_EQ(Differences(before, TakeSnapshot(*control->GetPage(-1), *control->GetPageCells(-1))), expected);
}

} // namespace
