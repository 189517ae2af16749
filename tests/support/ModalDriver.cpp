#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

namespace {

ModalDriver* g_driver = nullptr;
const wchar_t kRunnerClass[] = L"NorvakTestModalDriver";
constexpr UINT kRunStep = WM_APP + 1;

BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM found)
{
    wchar_t name[16]{};
    ::GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) == L"#32770")
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    return TRUE;
}

} // namespace

ModalDriver::ModalDriver(SetHookFunction setHook, UINT watchdogMilliseconds) : m_setHook(setHook)
{
    EXPECT_EQ(g_driver, nullptr) << "one modal driver at a time";
    g_driver = this;
    WNDCLASSW runnerClass{};
    runnerClass.lpfnWndProc = &ModalDriver::RunnerProc;
    runnerClass.hInstance = ::GetModuleHandleW(nullptr);
    runnerClass.lpszClassName = kRunnerClass;
    ::RegisterClassW(&runnerClass);
    m_runner = ::CreateWindowExW(0, kRunnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    m_watchdog = ::SetTimer(nullptr, 0, watchdogMilliseconds, &ModalDriver::Watchdog);
    m_setHook(&ModalDriver::Hook);
}

ModalDriver::~ModalDriver()
{
    m_setHook(nullptr);
    ::KillTimer(nullptr, m_watchdog);
    EXPECT_EQ(CloseDialogsOfThread(), 0) << "a dialog was left open";
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " step(s) never ran: the dialog closed early";
    ::DestroyWindow(m_runner);
    g_driver = nullptr;
}

std::vector<ModalDriver::Seen> ModalDriver::SeenOf(ModalRequest::Kind kind) const
{
    std::vector<Seen> of;
    for (const Seen& request : seen) {
        if (request.kind == kind)
            of.push_back(request);
    }
    return of;
}

INT_PTR ModalDriver::DefaultAnswer(const ModalRequest& request)
{
    switch (request.kind) {
    case ModalRequest::Dialog:
    case ModalRequest::PropertySheet:
        return ModalRequest::Run;
    case ModalRequest::MessageBox:
        return IDOK;
    case ModalRequest::PopupMenu:
        return 0;
    default:
        return IDCANCEL;
    }
}

void ModalDriver::Click(HWND dialog, int id)
{
    ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void ModalDriver::Command(HWND dialog, int id)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void ModalDriver::Type(HWND control, const wchar_t* text)
{
    for (; *text; ++text)
        ::PostMessageW(control, WM_CHAR, WPARAM(*text), 1);
}

void ModalDriver::SetText(HWND dialog, int id, const wchar_t* text)
{
    ::SetDlgItemTextW(dialog, id, text);
}

std::wstring ModalDriver::Text(HWND dialog, int id)
{
    wchar_t text[256]{};
    ::GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

INT_PTR CALLBACK ModalDriver::Hook(const ModalRequest* request)
{
    return g_driver && request ? g_driver->OnRequest(*request) : IDCANCEL;
}

INT_PTR ModalDriver::OnRequest(const ModalRequest& request)
{
    if (request.kind == ModalRequest::Shown) {
        m_modalWindows.push_back(request.window);
        PostNextStep();
        return 0;
    }
    seen.push_back({request.kind, request.resourceId, request.text ? request.text : L"",
                    request.caption ? request.caption : L"", request.type});
    return answer(request);
}

void ModalDriver::PostNextStep()
{
    if (!m_stepQueued && !m_steps.empty() && ::PostMessageW(m_runner, kRunStep, 0, 0))
        m_stepQueued = true;
}

HWND ModalDriver::InnermostModal()
{
    while (!m_modalWindows.empty() && !::IsWindow(m_modalWindows.back()))
        m_modalWindows.pop_back();
    return m_modalWindows.empty() ? nullptr : m_modalWindows.back();
}

void ModalDriver::RunStep()
{
    m_stepQueued = false;
    if (m_steps.empty())
        return;
    HWND modal = InnermostModal();
    if (!modal)
        return; // the dialog went; the driver's end reports the steps left
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    step(modal);
    PostNextStep();
}

LRESULT CALLBACK ModalDriver::RunnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == kRunStep && g_driver) {
        g_driver->RunStep();
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

void CALLBACK ModalDriver::Watchdog(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    if (int open = CloseDialogsOfThread())
        ADD_FAILURE() << open << " dialog(s) still open when the watchdog ran out";
}

int ModalDriver::CloseDialogsOfThread()
{
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    // Innermost first: a later dialog is owned by an earlier one.
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) {
        if (::IsWindow(*it))
            ::DestroyWindow(*it);
    }
    return int(dialogs.size());
}
