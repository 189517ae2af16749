#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

ModalDriver* g_driver = nullptr;
const wchar_t kRunnerClass[] = L"NorvakTestModalDriver";
constexpr UINT kRunStep = WM_APP + 1;

struct WindowSearch
{
    std::vector<std::wstring> classes;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOfClass(HWND hwnd, LPARAM search)
{
    auto* of = reinterpret_cast<WindowSearch*>(search);
    wchar_t name[64]{};
    ::GetClassNameW(hwnd, name, 64);
    if (std::find(of->classes.begin(), of->classes.end(), name) != of->classes.end())
        of->found.push_back(hwnd);
    return TRUE;
}

// Destroys the thread's top-level windows of these classes, the last made first (a later dialog
// is owned by an earlier one); how many there were.
int DestroyThreadWindows(std::vector<std::wstring> classes)
{
    WindowSearch search{std::move(classes), {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectWindowOfClass, reinterpret_cast<LPARAM>(&search));
    for (auto it = search.found.rbegin(); it != search.found.rend(); ++it) {
        if (::IsWindow(*it))
            ::DestroyWindow(*it);
    }
    return int(search.found.size());
}

constexpr wchar_t kDialogClass[] = L"#32770";

// Fails the test that has just run for each window of the listed classes it left open; the
// failure counts against that test, as the test is still the current one in OnTestEnd.
class LeftOpenCheck : public ::testing::EmptyTestEventListener
{
public:
    explicit LeftOpenCheck(std::vector<std::wstring> classes) : m_classes(std::move(classes)) {}
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        EXPECT_EQ(DestroyThreadWindows(m_classes), 0) << "dialog or popup window(s) left open by the test";
    }

private:
    std::vector<std::wstring> m_classes;
};

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
    return DestroyThreadWindows({kDialogClass});
}

void FailTestsThatLeaveDialogsOpen(std::vector<std::wstring> popupClasses)
{
    popupClasses.push_back(kDialogClass);
    ::testing::UnitTest::GetInstance()->listeners().Append(new LeftOpenCheck(std::move(popupClasses)));
}
