// The style combo box driven by selection changes: what each mode reports, the colour dialog behind
// "其它颜色...", SelectColor, a second SetMode, and tooltips that do not pile up.

#include "dialogs/PickerMessages.h"
#include "dialogs/StyleComboBox.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PickerParent.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int kId = 284;

class StyleComboTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create(CRect(100, 100, 400, 300)));
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                                     CBS_HASSTRINGS,
                                 CRect(10, 10, 150, 200), parent, kId));
    }
    // What a user's choice in the list ends in.
    void Choose(int index)
    {
        combo.SetCurSel(index);
        PostMessageW(parent, WM_COMMAND, MAKEWPARAM(kId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
        PumpPending();
    }
    // Draws every item as the list does, some times over.
    void DrawItems(int times)
    {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 140, 30);
        HGDIOBJ old = SelectObject(memory, bitmap);
        for (int t = 0; t < times; ++t)
            for (int i = 0; i < combo.GetCount(); ++i) {
                DRAWITEMSTRUCT item{ODT_COMBOBOX, kId, UINT(i), ODA_DRAWENTIRE, 0, combo.m_hWnd, memory,
                                    {0, 0, 140, 18}, 0};
                SendMessageW(parent, WM_DRAWITEM, kId, reinterpret_cast<LPARAM>(&item));
            }
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }

    PickerParent parent;
    CStyleComboBox combo;
};

TEST_F(StyleComboTest, EachModeReportsItsValue)
{
    struct Case
    {
        const char* name;
        int mode;
        int item;
        PickerMessage expected;
    } cases[] = {
        {"line style 0 (NULL) is reported like the others", 0, 0, {WM_STYLECOMBO_LINESTYLE, 0, 1}},
        {"line style 14", 0, 14, {WM_STYLECOMBO_LINESTYLE, 14, 1}},
        {"1个单位", 1, 0, {WM_STYLECOMBO_WIDTH, 1, kId}},
        {"2个单位", 1, 1, {WM_STYLECOMBO_WIDTH, 2, kId}},
        {"6个单位", 1, 3, {WM_STYLECOMBO_WIDTH, 6, kId}},
        {"10个单位", 1, 5, {WM_STYLECOMBO_WIDTH, 10, kId}},
        {"红色", 2, 9, {WM_STYLECOMBO_COLOUR, RGB(255, 0, 0), kId}},
        {"named 白色", 3, 15, {WM_STYLECOMBO_COLOUR, RGB(255, 255, 255), kId}},
        {"a marker", 4, 6, {WM_STYLECOMBO_MARKER, 6, kId}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        combo.ResetContent();
        combo.SetMode(c.mode);
        parent.messages.clear();
        Choose(c.item);
        EXPECT_EQ(parent.messages, std::vector<PickerMessage>{c.expected});
    }
}

TEST_F(StyleComboTest, OtherColourReportsOnlyWhatTheColourDialogReturnsWithOk)
{
    for (std::optional<COLORREF> answer : {std::optional<COLORREF>(RGB(1, 2, 3)), std::optional<COLORREF>()}) {
        SCOPED_TRACE(answer ? "OK" : "cancel");
        combo.ResetContent();
        combo.SetMode(CStyleComboBox::Colours);
        parent.messages.clear();
        ModalDriver driver;
        driver.answer = [answer](const ModalRequest& request) -> INT_PTR {
            if (request.kind != ModalRequest::ColorDialog || !answer)
                return ModalDriver::DefaultAnswer(request);
            static_cast<CHOOSECOLORW*>(request.data)->rgbResult = *answer;
            return IDOK;
        };
        Choose(CStyleComboBox::kOtherColourItem);
        EXPECT_EQ(driver.SeenOf(ModalRequest::ColorDialog).size(), 1u);
        const std::vector<PickerMessage> expected =
            answer ? std::vector<PickerMessage>{{WM_STYLECOMBO_COLOUR, RGB(1, 2, 3), kId}} : std::vector<PickerMessage>{};
        EXPECT_EQ(parent.messages, expected);
        EXPECT_EQ(combo.GetCurSel(), CStyleComboBox::kOtherColourItem);
    }
}

TEST_F(StyleComboTest, ListsByModeAndASecondSetModeKeepsTheItems)
{
    combo.SetMarkerGlyphs({"a", "b", "c"});
    combo.SetMode(CStyleComboBox::MarkersInCircle);
    EXPECT_EQ(combo.GetCount(), 10) << "seven shapes and the glyphs";
    combo.ResetContent();
    combo.SetMode(99);
    EXPECT_EQ(combo.GetCount(), 10) << "ten empty items";
    combo.ResetContent();
    combo.SetMode(CStyleComboBox::LineWidths);
    EXPECT_EQ(combo.GetCount(), 6);
    combo.SetMode(CStyleComboBox::LineStyles);
    EXPECT_EQ(combo.GetCount(), 6) << "the list is filled once";
    parent.messages.clear();
    Choose(3);
    EXPECT_EQ(parent.messages, (std::vector<PickerMessage>{{WM_STYLECOMBO_LINESTYLE, 3, 1}}));
}

TEST_F(StyleComboTest, SelectColorOnlyInTheColourModes)
{
    combo.SetMode(CStyleComboBox::Colours);
    combo.SelectColor(RGB(255, 0, 0));
    EXPECT_EQ(combo.GetCurSel(), 9);
    combo.SelectColor(RGB(1, 2, 3));
    EXPECT_EQ(combo.GetCurSel(), CStyleComboBox::kOtherColourItem);
    combo.SetMode(CStyleComboBox::LineStyles);
    combo.SelectColor(RGB(255, 0, 0));
    EXPECT_EQ(combo.GetCurSel(), CStyleComboBox::kOtherColourItem) << "unchanged";
}

TEST_F(StyleComboTest, OneTooltipPerItemHoweverOftenItIsDrawn)
{
    combo.SetMode(CStyleComboBox::Colours);
    DrawItems(4);
    EXPECT_EQ(combo.GetToolCount(), 17);
    combo.ResetContent();
    combo.SetMode(CStyleComboBox::NamedColours);
    DrawItems(2);
    EXPECT_EQ(combo.GetToolCount(), 17) << "named colours add none";
}

} // namespace
