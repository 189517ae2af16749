// The control's property pages as a container that is not ours shows them: the built Norvak.ocx,
// registered and made by its class id, asked for its pages, which the system's property frame
// (OleCreatePropertyFrame) makes by their class ids; and the control's own Properties verb. The
// frame is driven with posted messages from inside its own loop, and its picture boxes with the
// mouse through the session's input. What the control holds is read back through automation. The
// pages are also made here by their classes, to count what they leave behind.

#include "dialogs/NorvakPageSetPDlg.h"
#include "dialogs/NorvakPropPage.h"
#include "tests/support/ComboMouse.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ForeignModalDriver.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PickerParent.h"
#include "tests/support/SheetDriving.h"
#include "resources/NorvakResource.h"

#include "Norvak_h.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <olectl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new OleEnvironment(true));

constexpr int kApplyButton = 0x3021;
constexpr DISPID kWindowBorderStyle = 1;
constexpr DISPID kDoGetPageRows = 26;
constexpr DISPID kDoGetPageColumns = 25;

const wchar_t* const kBorderStyleTexts[] = {
    L"无边框",
    L"Flat边框",
    L"凸上(3D-DLGMODALFRAME)边框",
    L"凹下(3D-STATICEDGE)边框",
    L"凹下(3D-CLIENTEDGE)边框",
    L"凹下(3D-CLIENTEDGE-STATICEDGE)边框",
    L"凸上(3D-CLIENTEDGE-DLGMODALFRAME)边框",
};
const int kColourCombos[] = {IDC_PPG_COL_HEAD_BACK, IDC_PPG_COL_HEAD_TEXT, IDC_PPG_COL_HEAD_CELL,
                             IDC_PPG_ROW_HEAD_BACK, IDC_PPG_ROW_HEAD_TEXT, IDC_PPG_ROW_HEAD_CELL,
                             IDC_PPG_CELL_COLOUR,   IDC_PPG_CELL_BACK,     IDC_PPG_CELL_TEXT};
const int kPageSetupCombos[] = {IDC_PPG_LINE_STYLE, IDC_PPG_LINE_WIDTH, IDC_PPG_LINE_COLOUR};

using Step = ForeignModalDriver::Step;

// Our page inside the frame's page that is on show.
HWND OurPage(HWND frame)
{
    return ::GetWindow(PropSheet_GetCurrentPageHwnd(frame), GW_CHILD);
}

// A button of the frame pressed as a user's click ends.
Step Press(int id)
{
    return [id](HWND frame) {
        ::PostMessageW(frame, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(frame, id)));
    };
}
const Step PressOk = Press(IDOK);
const Step PressCancel = Press(IDCANCEL);
const Step PressApply = Press(kApplyButton);
Step ShowPage(int index)
{
    return [index](HWND frame) { PropSheet_SetCurSel(frame, nullptr, index); };
}
Step Choose(int id, int item)
{
    return [id, item](HWND frame) { ChooseComboItem(OurPage(frame), id, item); };
}
Step Type(int id, const wchar_t* text)
{
    return [id, text](HWND frame) { ModalDriver::SetText(OurPage(frame), id, text); };
}

class PropertyFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(container.Create(), S_OK);
        ASSERT_EQ(container.Activate(), S_OK);
    }
    void TearDown() override { container.Destroy(); }

    LONG Get(DISPID dispid, std::vector<Variant> args = {})
    {
        Variant result;
        EXPECT_EQ(container.Invoke(dispid, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(args), &result), S_OK);
        return result.type() == VT_I2 ? (*result).iVal : (*result).lVal;
    }
    LONG BorderStyle() { return Get(kWindowBorderStyle); }
    void SetBorderStyle(short style) { ASSERT_EQ(container.PutProperty(kWindowBorderStyle, Variant::Short(style)), S_OK); }

    // The frame a container shows on the control's pages, as the control names them; runs the
    // steps inside it and answers the frame's result.
    HRESULT RunFrame(const std::vector<Step>& steps)
    {
        ISpecifyPropertyPages* specify = container.Query<ISpecifyPropertyPages>(IID_ISpecifyPropertyPages);
        EXPECT_NE(specify, nullptr);
        CAUUID pages{};
        EXPECT_EQ(specify->GetPages(&pages), S_OK);
        specify->Release();
        ForeignModalDriver driver;
        for (const Step& step : steps)
            driver.Then(step);
        IUnknown* object = container.Object();
        const HRESULT hr = OleCreatePropertyFrame(container.ParentWindow(), 0, 0, L"Norvak", 1, &object, pages.cElems,
                                                  pages.pElems, LOCALE_USER_DEFAULT, 0, nullptr);
        CoTaskMemFree(pages.pElems);
        EXPECT_TRUE(driver.StepsDone());
        return hr;
    }

    TestContainer container;
};

TEST_F(PropertyFrame, BothPagesShowAndTheGeneralPageOpensOnTheBorderStyle)
{
    for (short style = 0; style <= 7; ++style) {
        SCOPED_TRACE(style);
        SetBorderStyle(style);
        EXPECT_EQ(RunFrame({[style](HWND frame) {
                                EXPECT_EQ(TabTexts(frame), (std::vector<std::wstring>{L"General", L"页面设置"}));
                                HWND combo = ::GetDlgItem(OurPage(frame), IDC_PPG_BORDER_STYLE);
                                ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 7);
                                for (int i = 0; i < 7; ++i) {
                                    wchar_t text[64]{};
                                    ::SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
                                    EXPECT_STREQ(text, kBorderStyleTexts[i]);
                                }
                                // A style outside the list selects nothing.
                                EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), style < 7 ? style : -1);
                                EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(frame, kApplyButton)))
                                    << "nothing to apply yet";
                            },
                            PressCancel}),
                  S_OK);
    }
}

TEST_F(PropertyFrame, EachControlChangesItsFieldOnOkAndApplyAndNothingOnCancel)
{
    struct Case
    {
        const char* name;
        std::vector<Step> steps;
        LONG style;    // WindowBorderStyle afterwards
        bool recreated; // the control window made anew with the border
    };
    const Step expectApplied = [this](HWND) { EXPECT_EQ(BorderStyle(), 2) << "applied while the frame is open"; };
    std::vector<Case> cases = {
        {"border style, OK", {Choose(IDC_PPG_BORDER_STYLE, 4), PressOk}, 4, true},
        {"border style, Apply, then Cancel", {Choose(IDC_PPG_BORDER_STYLE, 2), PressApply, expectApplied, PressCancel}, 2,
         true},
        {"border style, Cancel", {Choose(IDC_PPG_BORDER_STYLE, 5), PressCancel}, 1, false},
        {"the style in force again, OK", {Choose(IDC_PPG_BORDER_STYLE, 1), PressOk}, 1, false},
        {"page setup: every box and edit, OK",
         {ShowPage(1), Choose(IDC_PPG_LINE_STYLE, 3), Choose(IDC_PPG_LINE_WIDTH, 2), Choose(IDC_PPG_LINE_COLOUR, 9),
          Type(IDC_PPG_ROWS, L"7"), Type(IDC_PPG_COLUMNS, L"8"), Type(IDC_PPG_FIXED_ROWS, L"2"),
          Type(IDC_PPG_FIXED_COLUMNS, L"2"), Type(IDC_PPG_PICTURE, L"C:\\背景.bmp"),
          [](HWND frame) { EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(frame, kApplyButton))); }, PressOk},
         1, false},
    };
    for (int id : kColourCombos)
        cases.push_back({"a colour box, OK", {Choose(id, 9), PressApply, PressOk}, 1, false});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetBorderStyle(1);
        const HWND window = container.ControlWindow();
        const LONG rows = Get(kDoGetPageRows, {Variant::Long(-1), Variant::Long(2)});
        const LONG columns = Get(kDoGetPageColumns, {Variant::Long(-1), Variant::Long(2)});
        EXPECT_EQ(RunFrame(c.steps), S_OK);
        EXPECT_EQ(BorderStyle(), c.style);
        EXPECT_EQ(container.ControlWindow() != window, c.recreated);
        EXPECT_EQ(Get(kDoGetPageRows, {Variant::Long(-1), Variant::Long(2)}), rows);
        EXPECT_EQ(Get(kDoGetPageColumns, {Variant::Long(-1), Variant::Long(2)}), columns);
        if (c.style == 4) {
            EXPECT_TRUE(::GetWindowLongPtrW(container.ControlWindow(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        }
    }
}

TEST_F(PropertyFrame, ThePropertiesVerbShowsTheFrameOnTheControlsPages)
{
    IOleClientSite* site = nullptr;
    container.Object()->GetClientSite(&site);
    RECT position{0, 0, 300, 200};
    ForeignModalDriver driver;
    driver.Then([this](HWND frame) {
        EXPECT_EQ(TabTexts(frame), (std::vector<std::wstring>{L"General", L"页面设置"}));
        EXPECT_NE(WindowText(frame).find(L"Norvak Control"), std::wstring::npos) << "named by the control's type";
        EXPECT_FALSE(::IsWindowEnabled(container.ParentWindow())) << "the owner waits for the frame";
    });
    driver.Then(Choose(IDC_PPG_BORDER_STYLE, 3));
    driver.Then(PressOk);
    EXPECT_EQ(container.Object()->DoVerb(OLEIVERB_PROPERTIES, nullptr, site, 0, container.ParentWindow(), &position),
              S_OK);
    EXPECT_TRUE(driver.StepsDone());
    EXPECT_TRUE(::IsWindowEnabled(container.ParentWindow()));
    EXPECT_EQ(BorderStyle(), 3);
    if (site)
        site->Release();
}

TEST_F(PropertyFrame, ThePropertiesVerbPassesTheModalSeam)
{
    auto setHook = reinterpret_cast<ModalDriver::SetHookFunction>(
        reinterpret_cast<void*>(::GetProcAddress(TestContainer::ControlModule(), "NorvakSetModalHook")));
    ASSERT_NE(setHook, nullptr);
    ModalDriver seam(setHook);
    seam.answer = [](const ModalRequest& request) -> INT_PTR {
        return request.kind == ModalRequest::PropertySheet ? IDCANCEL : ModalDriver::DefaultAnswer(request);
    };
    RECT position{0, 0, 300, 200};
    EXPECT_EQ(container.Object()->DoVerb(OLEIVERB_PROPERTIES, nullptr, nullptr, 0, container.ParentWindow(), &position),
              S_OK);
    const auto sheets = seam.SeenOf(ModalRequest::PropertySheet);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].caption, L"Norvak Control");
    EXPECT_EQ(FindPropertyFrame(), nullptr);
}

// A picture box of the page on show chosen with the mouse; then the frame must answer a click on
// its other tab.
void OpenAndChooseWithTheMouse(HWND frame, int id, int item)
{
    SCOPED_TRACE(id);
    ChooseWithMouse(::GetDlgItem(OurPage(frame), id), item);
    const int shown = TabCtrl_GetCurSel(PropSheet_GetTabControl(frame));
    EXPECT_TRUE(ClickOtherTab(frame)) << "the frame did not answer the click on a tab";
    PropSheet_SetCurSel(frame, nullptr, shown);
}

TEST_F(PropertyFrame, EachPictureBoxOpensAndChoosesWithTheMouse)
{
    std::vector<Step> steps;
    for (int id : kColourCombos)
        steps.push_back([id](HWND frame) { OpenAndChooseWithTheMouse(frame, id, 12); });
    steps.push_back(ShowPage(1));
    for (int id : kPageSetupCombos)
        steps.push_back([id](HWND frame) { OpenAndChooseWithTheMouse(frame, id, 3); });
    steps.push_back(PressOk);
    EXPECT_EQ(RunFrame(steps), S_OK);
    EXPECT_EQ(BorderStyle(), 1) << "the picture boxes carry nothing to the control";
}

// Wine's frame keeps one GDI object of its own per run, so the frame is counted by its windows; the
// pages, made here by their classes and opened in a window of the test, by windows and GDI objects.
TEST_F(PropertyFrame, ThePagesLeaveNoWindowOrGdiObject)
{
    auto frame = [&] { EXPECT_EQ(RunFrame({ShowPage(1), ShowPage(0), Choose(IDC_PPG_BORDER_STYLE, 1), PressOk}), S_OK); };
    frame();
    frame();
    PumpPending();
    const DWORD windows = UserObjectCount();
    for (int i = 0; i < 3; ++i)
        frame();
    PumpPending();
    EXPECT_EQ(UserObjectCount(), windows);

    PickerParent parent;
    ASSERT_TRUE(parent.Create(CRect(100, 100, 600, 500)));
    for (auto make : {&CNorvakPropPage::CreateObject, &CNorvakPageSetPDlg::CreateObject}) {
        ExpectNoGuiObjectsLeftBy([&] {
            IPropertyPage* page = nullptr;
            IUnknown* made = make();
            ASSERT_EQ(made->QueryInterface(IID_IPropertyPage, reinterpret_cast<void**>(&page)), S_OK);
            made->Release();
            IUnknown* object = container.Object();
            EXPECT_EQ(page->SetObjects(1, &object), S_OK);
            PROPPAGEINFO info{};
            EXPECT_EQ(page->GetPageInfo(&info), S_OK);
            CoTaskMemFree(info.pszTitle);
            CoTaskMemFree(info.pszDocString);
            CoTaskMemFree(info.pszHelpFile);
            const RECT rect{0, 0, 400, 300};
            EXPECT_EQ(page->Activate(parent, &rect, TRUE), S_OK);
            EXPECT_EQ(page->Show(SW_SHOW), S_OK);
            RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            EXPECT_EQ(page->Deactivate(), S_OK);
            EXPECT_EQ(page->SetObjects(0, nullptr), S_OK);
            EXPECT_EQ(page->Release(), 0u);
        });
    }
}

} // namespace
