// The colour grid button driven by posted clicks: what it reports to its parent for swatches, the
// other-colour cell and the colour dialog behind it; and the colour swatch static.

#include "dialogs/ColorGridButton.h"
#include "dialogs/PickerMessages.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PickerParent.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int kId = 217;
constexpr POINT kBlueSwatch{101, 29};   // swatch 13: row 1, column 5
constexpr POINT kRedSwatch{11, 47};     // swatch 16: row 2, column 0
constexpr POINT kOtherCell{50, 157};    // inside the drawn cell (28, 140, 118, 160) only
constexpr POINT kAboveOtherCell{50, 137};

class ColorGridButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create(CRect(100, 100, 400, 320)));
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 170, 180), parent, kId));
        button.UpdateWindow();
        PumpPending();
    }
    void Click(POINT at)
    {
        PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        PumpPending();
    }
    // Answers the colour dialog with OK and a colour, or with cancel.
    void AnswerColourDialog(ModalDriver& driver, std::optional<COLORREF> colour)
    {
        driver.answer = [colour](const ModalRequest& request) -> INT_PTR {
            if (request.kind != ModalRequest::ColorDialog || !colour)
                return ModalDriver::DefaultAnswer(request);
            static_cast<CHOOSECOLORW*>(request.data)->rgbResult = *colour;
            return IDOK;
        };
    }
    static PickerMessage Selected(COLORREF colour) { return {WM_COLORGRID_SELECT, colour, kId}; }

    PickerParent parent;
    CColorGridButton button;
};

TEST_F(ColorGridButtonTest, ASwatchIsReportedOnceWhenChosenTwice)
{
    Click(kBlueSwatch);
    Click(kBlueSwatch);
    EXPECT_EQ(parent.messages, std::vector<PickerMessage>{Selected(RGB(0, 0, 255))});
    EXPECT_EQ(button.GetSelectedIndex(), 13);
    Click(kRedSwatch);
    EXPECT_EQ(parent.messages.back(), Selected(RGB(255, 0, 0)));
}

TEST_F(ColorGridButtonTest, TheColourDialogBehindTheOtherColourCell)
{
    struct Case
    {
        const char* name;
        std::optional<COLORREF> dialogColour;
        std::vector<PickerMessage> expected;
        int selectedAfter;
        COLORREF colourAfter;
    } cases[] = {
        {"a palette colour selects its swatch", RGB(255, 0, 0), {Selected(RGB(255, 0, 0))}, 16, RGB(255, 0, 0)},
        {"another colour leaves no swatch selected", RGB(1, 2, 3), {Selected(RGB(1, 2, 3))}, -1, RGB(1, 2, 3)},
        {"cancel restores the selection and reports nothing", std::nullopt, {}, 13, RGB(0, 0, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button.SetColor(RGB(0, 0, 255));
        parent.messages.clear();
        ModalDriver driver;
        AnswerColourDialog(driver, c.dialogColour);
        Click(kOtherCell);
        EXPECT_EQ(driver.SeenOf(ModalRequest::ColorDialog).size(), 1u) << "the cell is hit where it is drawn";
        EXPECT_EQ(parent.messages, c.expected);
        EXPECT_EQ(button.GetSelectedIndex(), c.selectedAfter);
        EXPECT_EQ(button.GetColor(), c.colourAfter);
    }
}

TEST_F(ColorGridButtonTest, TheSameOtherColourIsReportedOnce)
{
    ModalDriver driver;
    AnswerColourDialog(driver, RGB(1, 2, 3));
    Click(kOtherCell);
    Click(kOtherCell);
    EXPECT_EQ(parent.messages, std::vector<PickerMessage>{Selected(RGB(1, 2, 3))});
    Click(kAboveOtherCell);
    EXPECT_EQ(driver.SeenOf(ModalRequest::ColorDialog).size(), 2u) << "no cell above the drawn one";
}

TEST_F(ColorGridButtonTest, AColourOutsideThePaletteSelectsNoSwatch)
{
    button.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(button.GetSelectedIndex(), -1);
    EXPECT_EQ(button.GetColor(), RGB(1, 2, 3));
    button.SetColor(RGB(0, 0, 128));
    EXPECT_EQ(button.GetSelectedIndex(), 5) << "the first swatch of a colour the palette has twice";
}

TEST_F(ColorGridButtonTest, TooltipsAreAddedOnce)
{
    for (int i = 0; i < 5; ++i) {
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpPending();
    }
    EXPECT_EQ(button.GetToolCount(), 56);
}

TEST(ColorSwatch, PaintsItsColourInsideAFrame)
{
    PickerParent parent;
    ASSERT_TRUE(parent.Create(CRect(100, 100, 300, 200)));
    CColorSwatch swatch;
    ASSERT_TRUE(swatch.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 30), parent));
    swatch.SetColor(RGB(0, 128, 0));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 20);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(swatch, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    EXPECT_EQ(GetPixel(memory, 20, 10), RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(0, 0, 0)) << "the frame";
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

} // namespace
