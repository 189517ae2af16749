// The window plumbing: objects attached from WM_NCCREATE, subclassed system controls, reflected
// notifications, timers and the cursor clip, and the control's TranslateAccelerator.

#include "tests/support/GeometryPrint.h"

#include "framework/Controls.h"
#include "framework/OleControl.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

const wchar_t kTestClass[] = L"NorvakTestWindow";

// A window of our own class that records the messages it sees.
class RecordingWindow : public CWnd
{
public:
    std::vector<UINT> messages;
    HWND handleAtNcCreate = nullptr;
    std::vector<WPARAM> commands; // wParam of each WM_COMMAND that reached this window
    std::vector<UINT_PTR> timers;

    bool Create(HWND parent = nullptr)
    {
        RegisterWindowClass(kTestClass, 0);
        const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
        return CreateEx(0, kTestClass, L"", style, CRect(0, 0, 300, 200), parent, 0);
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        messages.push_back(msg);
        if (msg == WM_NCCREATE)
            handleAtNcCreate = m_hWnd;
        else if (msg == WM_COMMAND)
            commands.push_back(wp);
        else if (msg == WM_TIMER)
            timers.push_back(wp);
        return CWnd::WindowProc(msg, wp, lp);
    }
};

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

TEST(Window, OwnClassIsAttachedAtNcCreateAndSystemClassIsSubclassed)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    ASSERT_FALSE(window.messages.empty());
    EXPECT_EQ(window.messages.front(), UINT(WM_NCCREATE)) << "nothing before WM_NCCREATE reaches the object";
    EXPECT_EQ(window.handleAtNcCreate, window.m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &window);

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 50, 20), window, 5));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &edit);
    // A window of our class made without an object afterwards stays without one: the EDIT's
    // creation left nothing pending for it.
    HWND stray = CreateWindowExW(0, kTestClass, L"", WS_CHILD, 0, 0, 10, 10, window, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(stray, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(stray), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &edit);
}

// An in-place editor that takes some keys itself and passes the rest on to the system's EDIT.
class KeyEdit : public CEdit
{
public:
    explicit KeyEdit(int* deleted) : m_deleted(deleted) {}
    std::vector<WPARAM> keysDown;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            keysDown.push_back(wp);
            break;
        case WM_CHAR:
            if (wp == L'x')
                return 0; // swallowed
            break;
        default:
            break;
        }
        return CEdit::WindowProc(msg, wp, lp);
    }
    void PostNcDestroy() override
    {
        ++*m_deleted;
        delete this;
    }

private:
    int* m_deleted;
};

TEST(Window, SubclassedEditTakesSomeKeysAndPassesTheRestAndDeletesItselfWithItsWindow)
{
    RecordingWindow parent;
    ASSERT_TRUE(parent.Create());
    int deleted = 0;
    auto* edit = new KeyEdit(&deleted);
    ASSERT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 100, 20), parent, 8));
    HWND hwnd = *edit;
    for (wchar_t ch : std::wstring(L"axb中"))
        SendMessageW(hwnd, WM_CHAR, ch, 1);
    SendMessageW(hwnd, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(edit->GetWindowText(), CString("ab中"));
    EXPECT_EQ(edit->keysDown, std::vector<WPARAM>{VK_LEFT});
    EXPECT_EQ(SendMessageW(hwnd, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    // The caret moved left by the passed key: a character now lands before the last one.
    SendMessageW(hwnd, WM_CHAR, L'c', 1);
    EXPECT_EQ(edit->GetWindowText(), CString("abc中"));

    DestroyWindow(hwnd);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

// A window of our own class that goes, with its object, when a message asks it to.
class SelfClosingWindow : public CWnd
{
public:
    static constexpr UINT kClose = WM_APP + 7;
    explicit SelfClosingWindow(int* deleted) : m_deleted(deleted) {}
    int deletedWhileHandling = -1;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == kClose) {
            DestroyWindow();
            // The handler still runs on its object; it goes once the handler has returned.
            deletedWhileHandling = *m_deleted;
            *reinterpret_cast<int*>(lp) = deletedWhileHandling;
            return 0;
        }
        return CWnd::WindowProc(msg, wp, lp);
    }
    void PostNcDestroy() override
    {
        ++*m_deleted;
        delete this;
    }

private:
    int* m_deleted;
};

TEST(Window, AnObjectThatGoesWithItsWindowOutlivesTheHandlerThatDestroyedIt)
{
    CWnd::RegisterWindowClass(kTestClass, 0);
    int deleted = 0;
    auto* window = new SelfClosingWindow(&deleted);
    ASSERT_TRUE(window->CreateEx(0, kTestClass, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    HWND hwnd = *window;
    int seenInHandler = -1;
    SendMessageW(hwnd, SelfClosingWindow::kClose, 0, reinterpret_cast<LPARAM>(&seenInHandler));
    EXPECT_EQ(seenInHandler, 0) << "deleted while its handler ran";
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(Window, UnsubclassedEditIsTheSystemsAgain)
{
    RecordingWindow parent;
    ASSERT_TRUE(parent.Create());
    int deleted = 0;
    auto edit = std::make_unique<KeyEdit>(&deleted);
    ASSERT_TRUE(edit->Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 100, 20), parent, 8));
    HWND hwnd = edit->UnsubclassWindow();
    ASSERT_NE(hwnd, nullptr);
    SendMessageW(hwnd, WM_CHAR, L'x', 1);
    wchar_t text[8]{};
    GetWindowTextW(hwnd, text, 8);
    EXPECT_STREQ(text, L"x");
    EXPECT_EQ(edit->m_hWnd, nullptr);
    DestroyWindow(hwnd);
    EXPECT_EQ(deleted, 0) << "a detached object hears nothing of its old window";
}

// Child controls whose objects take some of their notifications back from the parent.
class ClickButton : public CButton
{
public:
    int clicks = 0;
    int drawn = 0;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override
    {
        if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
            ++clicks;
            *result = 0;
            return true;
        }
        return CButton::OnChildNotify(msg, wp, lp, result);
    }
    void DrawItem(DRAWITEMSTRUCT* item) override
    {
        if (item->hwndItem == m_hWnd)
            ++drawn;
    }
};

class ColourEdit : public CEdit
{
public:
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ~ColourEdit() override { DeleteObject(brush); }
    bool OnChildNotify(UINT msg, WPARAM, LPARAM, LRESULT* result) override
    {
        if (msg != WM_CTLCOLOREDIT)
            return false;
        *result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
};

TEST(Window, NotificationsReachTheChildsObjectFirst)
{
    RecordingWindow parent;
    ASSERT_TRUE(parent.Create());
    ClickButton button;
    ASSERT_TRUE(button.Create("按钮", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 60, 20), parent, 10));
    ColourEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 60, 50), parent, 11));

    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(button.clicks, 1);
    parent.ShowWindow(SW_SHOWNA);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(button.drawn, 1) << "WM_DRAWITEM comes back to the button as DrawItem";
    HDC dc = GetDC(edit);
    EXPECT_EQ(SendMessageW(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit.m_hWnd)),
              reinterpret_cast<LRESULT>(edit.brush));
    ReleaseDC(edit, dc);
    SendMessageW(edit, WM_CHAR, L'a', 1); // EN_CHANGE and EN_UPDATE: the edit's object leaves them

    // What a child's object leaves, and what comes from a window that is not a child, reach the
    // parent's own handler.
    RecordingWindow other;
    ASSERT_TRUE(other.Create());
    ClickButton stranger;
    ASSERT_TRUE(stranger.Create("外", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 60, 20), other, 12));
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(12, BN_CLICKED), reinterpret_cast<LPARAM>(stranger.m_hWnd));
    EXPECT_EQ(stranger.clicks, 0);
    EXPECT_EQ(parent.commands, (std::vector<WPARAM>{MAKEWPARAM(11, EN_UPDATE), MAKEWPARAM(11, EN_CHANGE),
                                                     MAKEWPARAM(12, BN_CLICKED)}));
}

TEST(Window, TimerReachesWindowProcWithItsId)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.SetTimer(513, 10), UINT_PTR(513));
    PumpFor(200);
    EXPECT_TRUE(window.KillTimer(513));
    ASSERT_FALSE(window.timers.empty());
    EXPECT_EQ(window.timers.front(), UINT_PTR(513));
}

TEST(Window, CursorClipEndsWithTheCaptureOrTheWindow)
{
    RECT screen{};
    GetClipCursor(&screen);
    const CRect clip(screen.left + 10, screen.top + 10, screen.left + 100, screen.top + 80);
    auto clipped = [] {
        RECT now{};
        GetClipCursor(&now);
        return CRect(now);
    };
    for (bool byDestroy : {false, true}) {
        RecordingWindow window, other;
        ASSERT_TRUE(window.Create());
        ASSERT_TRUE(other.Create());
        window.SetCapture();
        window.ClipCursor(&clip);
        ASSERT_EQ(clipped(), clip) << "the system must report the clip for this test to mean anything";
        if (byDestroy)
            window.DestroyWindow();
        else
            other.SetCapture();
        EXPECT_EQ(clipped(), CRect(screen)) << (byDestroy ? "destroyed" : "capture lost");
        ReleaseCapture();
    }
}

// A control whose own pre-translation takes F2, with a child editor that takes Delete.
class DeleteEdit : public CEdit
{
public:
    bool PreTranslateMessage(MSG* msg) override { return msg->message == WM_KEYDOWN && msg->wParam == VK_DELETE; }
};

class KeyControl : public COleControl
{
public:
    int offered = 0;
    DeleteEdit editor;

    const CLSID& GetControlClassID() const override { return CLSID_NULL; }
    const IID& GetPrimaryDispatchIID() const override { return IID_IDispatch; }
    const IID& GetEventsIID() const override { return IID_IDispatch; }
    HRESULT InvokeMember(DISPID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT GetMemberIDs(LPOLESTR*, UINT, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    bool PreTranslateMessage(MSG* msg) override
    {
        ++offered;
        return msg->message == WM_KEYDOWN && msg->wParam == VK_F2;
    }

protected:
    const wchar_t* GetWindowClassName() const override { return L"NorvakTestKeyControl"; }
};

TEST(Window, TranslateAcceleratorHandlesOnlyTheControlsOwnWindows)
{
    RecordingWindow container;
    ASSERT_TRUE(container.Create());
    RecordingWindow containerChild;
    ASSERT_TRUE(containerChild.Create(container));
    auto* control = new KeyControl;
    ASSERT_TRUE(control->CreateControlWindow(container, CRect(0, 0, 200, 100)));
    ASSERT_TRUE(control->editor.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), *control, 8));

    struct Case
    {
        const char* name;
        HWND window;
        WPARAM key;
        HRESULT expected;
        int offeredToControl;
    };
    const Case cases[] = {
        {"control's key on the control", *control, VK_F2, S_OK, 1},
        {"other key on the control", *control, VK_F3, S_FALSE, 1},
        {"editor's key on the editor", control->editor, VK_DELETE, S_OK, 0},
        {"control's key on the editor", control->editor, VK_F2, S_OK, 1},
        {"container's window", containerChild, VK_F2, S_FALSE, 0},
        {"container's frame", container, VK_F2, S_FALSE, 0},
    };
    for (const Case& c : cases) {
        control->offered = 0;
        MSG msg{c.window, WM_KEYDOWN, c.key, 0, 0, {}};
        EXPECT_EQ(control->TranslateAccelerator(&msg), c.expected) << c.name;
        EXPECT_EQ(control->offered, c.offeredToControl) << c.name;
    }
    EXPECT_EQ(control->TranslateAccelerator(nullptr), E_POINTER);
    control->Release();
}

// ---- a handler that throws ----

// A window whose handlers fail as asked: WM_SETTEXT of the text "throw" runs out of memory, kNested
// sends itself one such message and then answers as its own default would, and the window deletes
// itself with its window.
class FailingWindow : public CWnd
{
public:
    static constexpr UINT kNested = WM_APP + 11;
    static constexpr UINT kAnswer = WM_APP + 12;
    explicit FailingWindow(bool* deleted, bool failCreate = false) : m_deleted(deleted), m_failCreate(failCreate) {}

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_CREATE && m_failCreate)
            throw std::bad_alloc();
        if (msg == WM_SETTEXT && lp && std::wstring(reinterpret_cast<const wchar_t*>(lp)) == L"throw")
            throw std::bad_alloc();
        if (msg == kNested) {
            ::SendMessageW(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"throw"));
            return 0;
        }
        if (msg == kAnswer)
            return 42;
        if (msg == WM_SETTEXT && lp && std::wstring(reinterpret_cast<const wchar_t*>(lp)) == L"outer") {
            ::SendMessageW(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"throw"));
            return Default(); // of this message, not of the one that failed inside it
        }
        return CWnd::WindowProc(msg, wp, lp);
    }
    void PostNcDestroy() override
    {
        if (!m_deleted)
            return;
        *m_deleted = true;
        delete this;
    }

private:
    bool* m_deleted; // null: the object does not go with its window
    bool m_failCreate;
};

TEST(WindowBoundary, AFailedHandlerAnswersTheDefaultAndTheWindowKeepsWorking)
{
    CWnd::RegisterWindowClass(kTestClass, 0);
    bool deleted = false;
    auto* window = new FailingWindow(&deleted);
    ASSERT_TRUE(window->CreateEx(0, kTestClass, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    HWND hwnd = *window;

    // The default processing of WM_SETTEXT stores the text: it ran in place of the failed handler.
    EXPECT_EQ(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"throw")), TRUE);
    EXPECT_EQ(CWnd::TextOf(hwnd), CString("throw"));
    EXPECT_EQ(SendMessageW(hwnd, FailingWindow::kAnswer, 0, 0), 42) << "the next message is handled";

    // A failure inside a nested message leaves the outer message the one being handled.
    EXPECT_EQ(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"outer")), TRUE);
    EXPECT_EQ(CWnd::TextOf(hwnd), CString("outer"));
    SendMessageW(hwnd, FailingWindow::kNested, 0, 0);
    EXPECT_EQ(SendMessageW(hwnd, FailingWindow::kAnswer, 0, 0), 42);

    // Nothing of the failed handlers keeps the object from going with its window.
    DestroyWindow(hwnd);
    EXPECT_TRUE(deleted);
}

TEST(WindowBoundary, AWindowWhoseCreationFailsIsNotMade)
{
    CWnd::RegisterWindowClass(kTestClass, 0);
    FailingWindow window(nullptr, true);
    EXPECT_FALSE(window.CreateEx(0, kTestClass, L"made half", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(window.m_hWnd, nullptr);
    EXPECT_EQ(FindWindowW(kTestClass, L"made half"), nullptr);
}

} // namespace
