// The colour picker and its popup driven by posted mouse and key messages: the messages its parent
// receives for each way through the popup, the arrow keys' wrap, the line lists, and the popup
// opening above the button at the bottom of the screen.

#include "dialogs/ColourPicker.h"
#include "dialogs/ColourPickerPopup.h"
#include "dialogs/PickerColours.h"
#include "dialogs/PickerMessages.h"
#include "tests/support/GeometryPrint.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PickerParent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

constexpr int kId = 1234;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kBlueCell = 13;
constexpr int kDefaultBox = -3;
constexpr int kCustomBox = -2;

HWND Popup()
{
    return FindWindowW(CColourPickerPopup::kClassName, nullptr);
}

// Where the popup's cells and boxes are, from its real size and the system's metrics.
POINT PopupPoint(HWND popup, int index)
{
    RECT client{};
    GetClientRect(popup, &client);
    const int m = GetSystemMetrics(SM_CXEDGE);
    const int s = std::max(18, 2 * m + 7);
    const int boxHeight = (client.bottom - 5 * s - 6 * m) / 2;
    if (index == kDefaultBox)
        return {client.right / 2, m + boxHeight / 2};
    if (index == kCustomBox)
        return {client.right / 2, client.bottom - 2 * m - boxHeight / 2};
    return {m + index % 8 * s + s / 2, 2 * m + boxHeight + index / 8 * s + s / 2};
}

struct Action
{
    enum Kind
    {
        Hover,
        ReleaseInside,
        ReleaseOutside,
        Key
    } kind;
    int value = 0; // the cell or box to hover, the key
};

void Perform(HWND popup, const Action& action)
{
    switch (action.kind) {
    case Action::Hover: {
        const POINT p = PopupPoint(popup, action.value);
        PostMessageW(popup, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        break;
    }
    case Action::ReleaseInside:
        PostMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        break;
    case Action::ReleaseOutside:
        PostMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(-40, -40));
        break;
    case Action::Key:
        PostMessageW(popup, WM_KEYDOWN, WPARAM(action.value), 0);
        break;
    }
    PumpPending();
}

class ColourPickerTest : public ::testing::Test
{
protected:
    void SetUp() override { Place(CRect(100, 100, 400, 300)); }
    void Place(const CRect& parentRect)
    {
        ASSERT_TRUE(parent.Create(parentRect));
        ASSERT_TRUE(picker.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 110, 30), parent, kId));
        picker.SetMode(CColourPicker::ColourGrid, int(kRed));
    }
    HWND Open()
    {
        PostMessageW(picker, BM_CLICK, 0, 0);
        EXPECT_TRUE(PumpUntil([] { return Popup() != nullptr; }));
        PumpPending();
        return Popup();
    }
    WPARAM Self() const { return reinterpret_cast<WPARAM>(&picker); }
    PickerMessage Msg(UINT msg, WPARAM wp, LPARAM lp) const { return {msg, wp, lp}; }
    PickerMessage Opened(COLORREF colour = kRed) const { return Msg(WM_COLOURPICKER_OPEN, colour, kId); }
    PickerMessage Highlight(COLORREF colour) const { return Msg(WM_COLOURPICKER_HIGHLIGHT, colour, kId); }
    std::vector<PickerMessage> Chosen(LPARAM value) const
    {
        return {Msg(WM_COLOURPICKER_CLOSE, Self(), value), Msg(WM_COLOURPICKER_CHOSEN, Self(), value)};
    }
    std::vector<PickerMessage> Cancelled() const
    {
        return {Msg(WM_COLOURPICKER_CLOSE, Self(), kId), Msg(WM_COLOURPICKER_CANCEL, Self(), kId)};
    }
    static std::vector<PickerMessage> Join(std::vector<PickerMessage> a, const std::vector<PickerMessage>& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    PickerParent parent;
    CColourPicker picker;
};

TEST_F(ColourPickerTest, EachWayThroughThePopupAsTheParentSeesIt)
{
    struct Case
    {
        const char* name;
        std::vector<Action> actions;
        std::optional<COLORREF> dialogColour; // the colour dialog's answer: OK with it, or cancel
        std::vector<PickerMessage> expected;
        COLORREF colourAfter;
        int colourDialogs;
    } cases[] = {
        {"hover a cell and release inside: a choice, no highlight after it",
         {{Action::Hover, kBlueCell}, {Action::ReleaseInside}},
         std::nullopt,
         Join({Opened(), Highlight(kBlue)}, Chosen(kBlue)),
         kBlue,
         0},
        {"Esc cancels", {{Action::Key, VK_ESCAPE}}, std::nullopt, Join({Opened()}, Cancelled()), kRed, 0},
        {"a release outside cancels",
         {{Action::Hover, kBlueCell}, {Action::ReleaseOutside}},
         std::nullopt,
         Join({Opened(), Highlight(kBlue)}, Cancelled()),
         kRed,
         0},
        {"Enter on the default box chooses the automatic colour",
         {{Action::Hover, kDefaultBox}, {Action::Key, VK_RETURN}},
         std::nullopt,
         Join({Opened(), Highlight(kColourDefault)}, Chosen(LPARAM(kColourDefault))),
         kColourDefault,
         0},
        {"the custom box takes the colour dialog's colour on OK",
         {{Action::Hover, kCustomBox}, {Action::ReleaseInside}},
         RGB(1, 2, 3),
         Join({Opened(), Highlight(kRed)}, Chosen(RGB(1, 2, 3))),
         RGB(1, 2, 3),
         1},
        {"a cancelled colour dialog still chooses, with the colour the popup opened with",
         {{Action::Hover, kCustomBox}, {Action::Key, VK_SPACE}},
         std::nullopt,
         Join({Opened(), Highlight(kRed)}, Chosen(kRed)),
         kRed,
         1},
        {"the arrow keys wrap through both boxes",
         {{Action::Key, VK_LEFT},
          {Action::Key, VK_RIGHT},
          {Action::Key, VK_RIGHT},
          {Action::Key, VK_RIGHT},
          {Action::Key, VK_ESCAPE}},
         std::nullopt,
         Join({Opened(), Highlight(kWhite), Highlight(kRed), Highlight(kColourDefault), Highlight(kBlack)},
              Cancelled()),
         kRed,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModalDriver driver;
        driver.answer = [&](const ModalRequest& request) -> INT_PTR {
            if (request.kind != ModalRequest::ColorDialog || !c.dialogColour)
                return ModalDriver::DefaultAnswer(request);
            static_cast<CHOOSECOLORW*>(request.data)->rgbResult = *c.dialogColour;
            return IDOK;
        };
        parent.messages.clear();
        picker.SetColour(kRed);
        HWND popup = Open();
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(picker.IsDropped());
        for (const Action& action : c.actions)
            Perform(popup, action);
        EXPECT_EQ(parent.messages, c.expected);
        EXPECT_EQ(picker.GetColour(), c.colourAfter);
        EXPECT_EQ(driver.SeenOf(ModalRequest::ColorDialog).size(), size_t(c.colourDialogs));
        EXPECT_FALSE(IsWindow(popup));
        EXPECT_FALSE(picker.IsDropped());
    }
}

TEST_F(ColourPickerTest, APopupWithoutBoxesWrapsFromTheLastCellToTheFirst)
{
    CRect button = picker.GetWindowRect();
    auto* popup = new CColourPickerPopup;
    ASSERT_TRUE(popup->Create(CPoint(button.left, button.bottom), kRed, &picker, CColourPicker::ColourGrid, "", "", 0));
    CRect client = popup->GetClientRect();
    EXPECT_EQ(client.Height(), 5 * std::max(18, 2 * GetSystemMetrics(SM_CXEDGE) + 7) + 2 * GetSystemMetrics(SM_CXEDGE))
        << "the 40 cells only";
    HWND window = *popup;
    for (UINT key : {VK_LEFT, VK_RIGHT, VK_LEFT, VK_UP, VK_ESCAPE})
        Perform(window, {Action::Key, int(key)});
    EXPECT_EQ(parent.messages, Join({Highlight(kWhite), Highlight(kBlack), Highlight(kWhite),
                                     Highlight(PickerColours::kPopup[31].colour)},
                                    Cancelled()));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ColourPickerTest, AnotherApplicationTakingOverCancels)
{
    HWND popup = Open();
    PostMessageW(popup, WM_ACTIVATEAPP, FALSE, 0);
    PumpPending();
    EXPECT_EQ(parent.messages, Join({Opened()}, Cancelled()));
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(ColourPickerTest, APickerThatGoesClosesItsPopup)
{
    HWND popup = Open();
    picker.DestroyWindow();
    PumpPending();
    EXPECT_FALSE(IsWindow(popup));
}

TEST(ColourPickerPlacement, ThePopupOpensBelowTheButtonOrAboveItAtTheBottomOfTheScreen)
{
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (bool atBottom : {false, true}) {
        SCOPED_TRACE(atBottom ? "at the bottom" : "with room below");
        PickerParent parent;
        const int top = atBottom ? screenHeight - 60 : 100;
        ASSERT_TRUE(parent.Create(CRect(100, top, 400, top + 60)));
        CColourPicker picker;
        ASSERT_TRUE(picker.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), parent, kId));
        PostMessageW(picker, BM_CLICK, 0, 0);
        ASSERT_TRUE(PumpUntil([] { return Popup() != nullptr; }));
        const CRect button = picker.GetWindowRect();
        CRect popup;
        GetWindowRect(Popup(), &popup);
        EXPECT_EQ(popup.left, button.left);
        if (atBottom)
            EXPECT_EQ(popup.bottom, button.top);
        else
            EXPECT_EQ(popup.top, button.bottom);
        PostMessageW(Popup(), WM_KEYDOWN, VK_ESCAPE, 0);
        PumpPending();
    }
}

TEST(ColourPickerLines, TheLineListsReportTheChosenRowAndWrap)
{
    struct Case
    {
        const char* name;
        int id;
        int mode;
        int value;
        std::vector<UINT> keys;
        int height;
        LPARAM chosen;
    } cases[] = {
        {"line styles from 3, one down", CColourPicker::kLineStyleSampleId, CColourPicker::LineStyles, 3, {VK_DOWN},
         260, 4},
        {"line widths from the last, one down wraps", CColourPicker::kLineWidthSampleId, CColourPicker::LineWidths, 4,
         {VK_DOWN}, 120, 0},
        {"line styles from the first, one up wraps", CColourPicker::kLineStyleSampleId, CColourPicker::LineStyles, 0,
         {VK_UP}, 260, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PickerParent parent;
        ASSERT_TRUE(parent.Create(CRect(100, 100, 400, 300)));
        CColourPicker picker;
        ASSERT_TRUE(picker.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), parent, UINT(c.id)));
        picker.SetMode(c.mode, c.value);
        PostMessageW(picker, BM_CLICK, 0, 0);
        ASSERT_TRUE(PumpUntil([] { return Popup() != nullptr; }));
        HWND popup = Popup();
        CRect rect;
        GetWindowRect(popup, &rect);
        EXPECT_EQ(rect.Height(), c.height);
        EXPECT_EQ(rect.right, picker.GetWindowRect().right);
        for (UINT key : c.keys)
            Perform(popup, {Action::Key, int(key)});
        Perform(popup, {Action::Key, VK_RETURN});
        const WPARAM self = reinterpret_cast<WPARAM>(&picker);
        const std::vector<PickerMessage> expected = {{WM_COLOURPICKER_OPEN, RGB(0, 255, 0), c.id},
                                                     {WM_COLOURPICKER_CLOSE, self, c.chosen},
                                                     {WM_COLOURPICKER_CHOSEN, self, c.chosen}};
        EXPECT_EQ(parent.messages, expected);
        EXPECT_EQ(picker.GetValue(), c.chosen);
    }
}

} // namespace
