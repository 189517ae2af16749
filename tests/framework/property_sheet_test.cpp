// Property sheets in our own modal loop: OK, Cancel and Apply as the pages see them, a refused
// page, the pages' pre-translation, a sheet opened from a page, buttons moved before the sheet
// shows, and no window or GDI object left behind.

#include "tests/framework/framework_test_ids.h"
#include "tests/support/GuiResources.h"
#include "tests/support/GeometryPrint.h"
#include "tests/support/ModalDriver.h"

#include "framework/DataExchange.h"
#include "framework/PropertySheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr int kApplyButton = 0x3021;

class TextPage : public CPropertyPage
{
public:
    TextPage() : CPropertyPage(IDD_TEXT_PAGE) {}
    CString text = "初始";
    int applied = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_TEXT, text); }
    void OnOK() override { ++applied; }
};

// A page with a validated value, its own key (F5) and a button that opens a sheet of its own.
class ValuePage : public CPropertyPage
{
public:
    ValuePage() : CPropertyPage(IDD_VALUE_PAGE) {}
    int value = 5;
    int applied = 0;
    int appliedValue = -1;
    int cancelled = 0;
    std::vector<WPARAM> ownKeys;
    INT_PTR nestedResult = 0;
    CString nestedText;

    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F5) {
            ownKeys.push_back(msg->wParam);
            return true;
        }
        return CPropertyPage::PreTranslateMessage(msg);
    }

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_VALUE, value);
        DDV_MinMaxInt(dx, value, 0, 100);
    }
    void OnOK() override
    {
        ++applied;
        appliedValue = value;
    }
    void OnCancel() override { ++cancelled; }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_COMMAND && wp == MAKEWPARAM(IDC_NESTED, BN_CLICKED)) {
            TextPage inner;
            CPropertySheet nested("内层", m_hWnd);
            nested.AddPage(&inner);
            nestedResult = nested.DoModal();
            nestedText = inner.text;
            return 0;
        }
        return CPropertyPage::WindowProc(msg, wp, lp);
    }
};

// A sheet that lays out its buttons as the control's sheets do: Apply hidden, Cancel in Apply's
// place, OK 20 pixels to its left.
class LayoutSheet : public CPropertySheet
{
public:
    using CPropertySheet::CPropertySheet;
    bool visibleAtInit = true;
    bool pageAtInit = false;
    CRect applyRect;
    CRect cancelRectWhenShown;

protected:
    bool OnInitDialog() override
    {
        visibleAtInit = IsWindowVisible();
        pageAtInit = GetPage(0)->m_hWnd != nullptr;
        applyRect = GetChildRect(GetDlgItem(kApplyButton));
        ::ShowWindow(GetDlgItem(kApplyButton), SW_HIDE);
        CRect ok = GetChildRect(GetDlgItem(IDOK));
        ::MoveWindow(GetDlgItem(IDCANCEL), applyRect.left, applyRect.top, applyRect.Width(), applyRect.Height(), TRUE);
        ::MoveWindow(GetDlgItem(IDOK), applyRect.left - 20 - ok.Width(), applyRect.top, ok.Width(), applyRect.Height(),
                     TRUE);
        return CPropertySheet::OnInitDialog();
    }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        const LRESULT result = CPropertySheet::WindowProc(msg, wp, lp);
        if (msg == WM_SHOWWINDOW && wp && cancelRectWhenShown.IsRectNull())
            cancelRectWhenShown = GetChildRect(GetDlgItem(IDCANCEL));
        return result;
    }
};

HWND CurrentPage(HWND sheet)
{
    return PropSheet_GetCurrentPageHwnd(sheet);
}

struct SheetRun
{
    ValuePage values;
    TextPage texts;
    LayoutSheet sheet{"单元格格式"};
    SheetRun()
    {
        sheet.AddPage(&values);
        sheet.AddPage(&texts);
    }
};

TEST(Sheet, ButtonsAreMovedBeforeTheSheetShows)
{
    ModalDriver driver;
    SheetRun run;
    driver.Then([&](HWND sheet) {
        wchar_t caption[32]{};
        GetWindowTextW(sheet, caption, 32);
        EXPECT_STREQ(caption, L"单元格格式");
        EXPECT_EQ(run.sheet.GetChildRect(GetDlgItem(sheet, IDCANCEL)), run.sheet.applyRect);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, kApplyButton)));
        ModalDriver::Click(sheet, IDCANCEL);
    });
    EXPECT_EQ(run.sheet.DoModal(), IDCANCEL);
    EXPECT_FALSE(run.sheet.visibleAtInit);
    EXPECT_TRUE(run.sheet.pageAtInit);
    EXPECT_FALSE(run.sheet.applyRect.IsRectEmpty());
    EXPECT_EQ(run.sheet.cancelRectWhenShown, run.sheet.applyRect) << "the sheet never showed its first layout";
    EXPECT_EQ(driver.SeenOf(ModalRequest::PropertySheet).at(0).caption, L"单元格格式");
    EXPECT_EQ(driver.SeenOf(ModalRequest::PropertySheet).at(0).resourceId, UINT(IDD_VALUE_PAGE));
}

// What the pages have seen once a sheet run ends one way or another.
struct Outcome
{
    INT_PTR result;
    int valueApplied;
    int appliedValue;
    int valueCancelled;
    int textApplied;
    int messageBoxes;
};

void PrintTo(const Outcome& o, std::ostream* os)
{
    *os << "{result " << o.result << ", value applied " << o.valueApplied << " with " << o.appliedValue
        << ", cancelled " << o.valueCancelled << ", text applied " << o.textApplied << ", boxes " << o.messageBoxes
        << "}";
}

bool operator==(const Outcome& a, const Outcome& b)
{
    return a.result == b.result && a.valueApplied == b.valueApplied && a.appliedValue == b.appliedValue &&
           a.valueCancelled == b.valueCancelled && a.textApplied == b.textApplied && a.messageBoxes == b.messageBoxes;
}

TEST(Sheet, OkCancelAndApplyAsThePagesSeeThem)
{
    using Steps = std::vector<ModalDriver::Step>;
    auto value = [](const wchar_t* text) {
        return [text](HWND sheet) { ModalDriver::SetText(CurrentPage(sheet), IDC_VALUE, text); };
    };
    auto press = [](int button) { return [button](HWND sheet) { ModalDriver::Command(sheet, button); }; };
    auto modify = [](HWND sheet) { SendMessageW(sheet, PSM_CHANGED, WPARAM(CurrentPage(sheet)), 0); };
    auto showTextPage = [](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, 1); };
    auto destroy = [](HWND sheet) { DestroyWindow(sheet); };
    struct Case
    {
        const char* name;
        Steps steps;
        Outcome expected;
    };
    const Case cases[] = {
        {"OK takes the typed value", {value(L"42"), press(IDOK)}, {IDOK, 1, 42, 0, 0, 0}},
        {"OK reaches every page shown", {showTextPage, press(IDOK)}, {IDOK, 1, 5, 0, 1, 0}},
        {"Cancel takes nothing", {value(L"42"), press(IDCANCEL)}, {IDCANCEL, 0, -1, 1, 0, 0}},
        {"Apply takes the value and stays", {value(L"42"), modify, press(kApplyButton), press(IDCANCEL)},
         {IDCANCEL, 1, 42, 1, 0, 0}},
        {"a refused value keeps the sheet open", {value(L"500"), press(IDOK), value(L"50"), press(IDOK)},
         {IDOK, 1, 50, 0, 0, 1}},
        {"a refused value keeps its page", {value(L"500"), showTextPage, press(IDCANCEL)}, {IDCANCEL, 0, -1, 1, 0, 1}},
        {"a sheet destroyed after a refused OK was not confirmed", {value(L"500"), press(IDOK), destroy},
         {IDCANCEL, 0, -1, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModalDriver driver;
        SheetRun run;
        for (const ModalDriver::Step& step : c.steps)
            driver.Then(step);
        const INT_PTR result = run.sheet.DoModal();
        const Outcome outcome{result,
                              run.values.applied,
                              run.values.appliedValue,
                              run.values.cancelled,
                              run.texts.applied,
                              int(driver.SeenOf(ModalRequest::MessageBox).size())};
        EXPECT_EQ(outcome, c.expected);
    }
}

// A window outside the sheet that would take every key offered to it.
class Outsider : public CWnd
{
public:
    int offered = 0;
    bool PreTranslateMessage(MSG*) override
    {
        ++offered;
        return true;
    }
};

TEST(Sheet, PagesPreTranslateTheirKeysInOurLoop)
{
    ModalDriver driver;
    SheetRun run;
    Outsider outsider;
    CWnd::RegisterWindowClass(L"NorvakTestOutsider", 0);
    ASSERT_TRUE(outsider.CreateEx(0, L"NorvakTestOutsider", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    driver.Then([&](HWND sheet) {
        HWND edit = GetDlgItem(CurrentPage(sheet), IDC_VALUE);
        PostMessageW(edit, WM_KEYDOWN, VK_F5, 0);
        PostMessageW(outsider, WM_KEYDOWN, VK_F5, 0);
    });
    // A key the page leaves goes on to the sheet's dialog keys: Esc cancels.
    driver.Then([](HWND sheet) { PostMessageW(GetDlgItem(CurrentPage(sheet), IDC_VALUE), WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_EQ(run.sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(run.values.ownKeys, std::vector<WPARAM>{VK_F5});
    EXPECT_EQ(run.values.cancelled, 1);
    EXPECT_EQ(outsider.offered, 0) << "a message for a window outside the sheet is offered to no one";
}

TEST(Sheet, PageOpensASheetOfItsOwn)
{
    ModalDriver driver;
    SheetRun run;
    HWND outer = nullptr;
    driver.Then([&](HWND sheet) {
        outer = sheet;
        ModalDriver::Click(CurrentPage(sheet), IDC_NESTED);
    });
    driver.Then([&](HWND sheet) {
        ASSERT_NE(sheet, outer) << "the nested sheet is the innermost modal window";
        EXPECT_EQ(GetWindow(sheet, GW_OWNER), outer);
        EXPECT_FALSE(IsWindowEnabled(outer));
        ModalDriver::SetText(CurrentPage(sheet), IDC_TEXT, L"内层文本");
        ModalDriver::Click(sheet, IDOK);
    });
    driver.Then([&](HWND sheet) {
        EXPECT_EQ(sheet, outer);
        EXPECT_TRUE(IsWindowEnabled(outer));
        EXPECT_EQ(run.values.nestedResult, IDOK);
        EXPECT_EQ(run.values.nestedText, CString("内层文本"));
        ModalDriver::Click(sheet, IDOK);
    });
    EXPECT_EQ(run.sheet.DoModal(), IDOK);
    EXPECT_EQ(run.values.applied, 1);
}

TEST(Sheet, AnsweredBySeamWithoutAWindow)
{
    ModalDriver driver;
    driver.answer = [](const ModalRequest&) -> INT_PTR { return IDOK; };
    SheetRun run;
    EXPECT_EQ(run.sheet.DoModal(), IDOK);
    EXPECT_EQ(run.values.m_hWnd, nullptr);
    EXPECT_EQ(run.values.applied, 0);
}

TEST(Sheet, RunsLeaveNoWindowOrGdiObject)
{
    auto cycle = [] {
        ModalDriver driver;
        SheetRun run;
        driver.Then([](HWND sheet) { ModalDriver::Click(CurrentPage(sheet), IDC_NESTED); });
        driver.Then([](HWND sheet) { ModalDriver::Click(sheet, IDOK); });
        driver.Then([](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, 1); });
        driver.Then([](HWND sheet) { ModalDriver::Click(sheet, IDOK); });
        EXPECT_EQ(run.sheet.DoModal(), IDOK);
    };
    cycle(); // the first run loads what stays loaded
    const DWORD gdi = GdiObjectCount();
    const DWORD user = UserObjectCount();
    for (int i = 0; i < 5; ++i)
        cycle();
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(UserObjectCount(), user);
}

} // namespace
