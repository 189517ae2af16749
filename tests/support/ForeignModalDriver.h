#pragma once

// Drives a modal window that code not of ours runs in a loop of its own, such as the system's
// property frame (OleCreatePropertyFrame): the queued steps run one at a time from a thread timer,
// so inside that loop and after what the previous step posted, once the window is up; each gets
// the window. A watchdog fails the test and cancels the window when it stays open too long; the
// driver's end fails the test for a step that never ran.

#include <gtest/gtest.h>

#include <prsht.h>
#include <windows.h>

#include <deque>
#include <functional>

inline BOOL CALLBACK FindPropertyFrameOf(HWND hwnd, LPARAM found)
{
    if (::IsWindowVisible(hwnd) && ::FindWindowExW(hwnd, nullptr, L"SysTabControl32", nullptr)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level property sheet of this thread (a dialog that holds a tab control), or none.
inline HWND FindPropertyFrame()
{
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindPropertyFrameOf, reinterpret_cast<LPARAM>(&found));
    return found;
}

class ForeignModalDriver
{
public:
    using Step = std::function<void(HWND window)>;

    explicit ForeignModalDriver(DWORD watchdogMilliseconds = 20000) : m_limit(watchdogMilliseconds)
    {
        Current() = this;
        m_start = ::GetTickCount();
        m_timer = ::SetTimer(nullptr, 0, 50, &ForeignModalDriver::Tick);
    }
    ~ForeignModalDriver()
    {
        ::KillTimer(nullptr, m_timer);
        Current() = nullptr;
        EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " step(s) never ran";
    }
    ForeignModalDriver(const ForeignModalDriver&) = delete;
    ForeignModalDriver& operator=(const ForeignModalDriver&) = delete;

    void Then(Step step) { m_steps.push_back(std::move(step)); }
    bool StepsDone() const { return m_steps.empty(); }
    // The windows the steps ran on, one per step.
    int StepsRun() const { return m_run; }

private:
    static ForeignModalDriver*& Current()
    {
        static ForeignModalDriver* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (ForeignModalDriver* driver = Current())
            driver->RunNext();
    }
    void RunNext()
    {
        HWND window = FindPropertyFrame();
        if (::GetTickCount() - m_start > m_limit) {
            if (window) {
                ADD_FAILURE() << "the frame stayed open too long";
                ::PostMessageW(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            }
            return;
        }
        if (!window || m_steps.empty() || m_running)
            return;
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        m_running = true;
        ++m_run;
        step(window);
        m_running = false;
    }

    std::deque<Step> m_steps;
    DWORD m_limit;
    DWORD m_start = 0;
    UINT_PTR m_timer = 0;
    int m_run = 0;
    bool m_running = false;
};
