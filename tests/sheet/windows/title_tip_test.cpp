// The title tip: its class registered once, its window's class and styles, and its message filter,
// which sends keys to the parent, drops other input while nothing has the focus and lets every
// other message pass.

#include "sheet/windows/TitleTip.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<UINT>* g_received = nullptr;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (g_received && (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN))
        g_received->push_back(msg);
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

class TitleTip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &RecordingProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TitleTipTestParent";
        ::RegisterClassW(&wc);
        parent = ::CreateWindowExW(0, L"TitleTipTestParent", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        ASSERT_NE(parent, nullptr);
        g_received = &received;
    }
    void TearDown() override
    {
        g_received = nullptr;
        ::DestroyWindow(parent);
    }
    void Pump()
    {
        MSG msg{};
        for (int n = 0; n < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n)
            ::DispatchMessageW(&msg);
    }
    MSG Message(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return MSG{hwnd, msg, wp, lp, 0, {}}; }

    HWND parent = nullptr;
    std::vector<UINT> received;
};

TEST_F(TitleTip, ManyTipsShareOneClassAndAnUncreatedTipHidesNothing)
{
    CTitleTipWnd first, second;
    EXPECT_TRUE(first.IsRegistered());
    EXPECT_TRUE(second.IsRegistered());
    WNDCLASSW wc{};
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&RecordingProc), &module);
    ASSERT_TRUE(::GetClassInfoW(module, L"ZTitleTip", &wc));
    EXPECT_EQ(wc.style, UINT(CS_SAVEBITS));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1));
    first.Hide();
    EXPECT_EQ(first.GetSafeHwnd(), nullptr);
}

TEST_F(TitleTip, CreatesATopmostToolPopupAndGoesWithItsObject)
{
    HWND hwnd = nullptr;
    {
        CTitleTipWnd tip;
        ASSERT_TRUE(tip.Create(parent));
        hwnd = tip.GetSafeHwnd();
        wchar_t name[32] = {};
        ::GetClassNameW(hwnd, name, 32);
        EXPECT_STREQ(name, L"ZTitleTip");
        EXPECT_EQ(tip.GetStyle() & (WS_POPUP | WS_BORDER | WS_CHILD), DWORD(WS_POPUP | WS_BORDER));
        EXPECT_EQ(tip.GetExStyle() & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), DWORD(WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
        EXPECT_EQ(::GetParent(hwnd), nullptr);
    }
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(TitleTip, AKeyGoesToTheParentAndHidesTheTip)
{
    CTitleTipWnd tip;
    ASSERT_TRUE(tip.Create(parent));
    tip.ShowWindow(SW_SHOWNOACTIVATE);
    MSG key = Message(tip, WM_KEYDOWN, 'A');
    EXPECT_TRUE(tip.PreTranslateMessage(&key));
    EXPECT_FALSE(tip.IsWindowVisible());
    Pump();
    EXPECT_EQ(received, std::vector<UINT>{WM_KEYDOWN});
}

TEST_F(TitleTip, WithoutAFocusOnlyInputIsSwallowed)
{
    CTitleTipWnd tip;
    ASSERT_TRUE(tip.Create(parent));
    ::SetFocus(nullptr);
    ASSERT_EQ(::GetFocus(), nullptr);
    for (UINT passing : {UINT(WM_PAINT), UINT(WM_TIMER), UINT(WM_NULL), UINT(WM_USER)}) {
        tip.ShowWindow(SW_SHOWNOACTIVATE);
        MSG msg = Message(tip, passing);
        EXPECT_FALSE(tip.PreTranslateMessage(&msg)) << passing;
        EXPECT_TRUE(tip.IsWindowVisible()) << passing;
    }
    for (UINT input : {UINT(WM_MOUSEMOVE), UINT(WM_CHAR), UINT(WM_KEYUP), UINT(WM_MOUSEWHEEL)}) {
        tip.ShowWindow(SW_SHOWNOACTIVATE);
        MSG msg = Message(tip, input);
        EXPECT_TRUE(tip.PreTranslateMessage(&msg)) << input;
        EXPECT_FALSE(tip.IsWindowVisible()) << input;
    }
}

TEST_F(TitleTip, AnyMouseMovementHidesIt)
{
    CTitleTipWnd tip;
    ASSERT_TRUE(tip.Create(parent));
    tip.ShowWindow(SW_SHOWNOACTIVATE);
    tip.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
    EXPECT_FALSE(tip.IsWindowVisible());
}

} // namespace
