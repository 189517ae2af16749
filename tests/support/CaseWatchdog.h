#pragma once

// A time limit for each case of a table that runs on the test's own thread. A case that does not
// come back within the limit is named on the error stream and the process ends with a failure, so
// a hang fails the program naming its case instead of stopping the suite until ctest's timeout. A
// crash while a case runs is named the same way, rather than left to a debugger that never comes.
//
//     CaseWatchdog watchdog(20000);
//     for (const Case& c : cases) {
//         auto watched = watchdog.Watch(c.name);
//         ... run the case ...
//     }

#include <windows.h>

#include <cstdio>
#include <string>

class CaseWatchdog
{
public:
    explicit CaseWatchdog(DWORD limitMilliseconds)
        : m_limit(limitMilliseconds), m_armed(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
          m_disarmed(::CreateEventW(nullptr, TRUE, TRUE, nullptr))
    {
        ::InitializeCriticalSection(&m_lock);
        m_thread = ::CreateThread(nullptr, 0, &CaseWatchdog::Run, this, 0, nullptr);
        s_current = this;
        m_previousFilter = ::SetUnhandledExceptionFilter(&CaseWatchdog::OnCrash);
    }
    ~CaseWatchdog()
    {
        ::SetUnhandledExceptionFilter(m_previousFilter);
        s_current = nullptr;
        m_stopping = true;
        ::SetEvent(m_armed);
        ::WaitForSingleObject(m_thread, INFINITE);
        ::CloseHandle(m_thread);
        ::CloseHandle(m_armed);
        ::CloseHandle(m_disarmed);
        ::DeleteCriticalSection(&m_lock);
    }
    CaseWatchdog(const CaseWatchdog&) = delete;
    CaseWatchdog& operator=(const CaseWatchdog&) = delete;

    // Watches one case until the returned guard goes.
    class Guard
    {
    public:
        explicit Guard(CaseWatchdog& owner) : m_owner(owner) {}
        ~Guard() { ::SetEvent(m_owner.m_disarmed); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        CaseWatchdog& m_owner;
    };
    [[nodiscard]] Guard Watch(std::string name)
    {
        ::EnterCriticalSection(&m_lock);
        m_case = std::move(name);
        ::LeaveCriticalSection(&m_lock);
        ::ResetEvent(m_disarmed);
        ::SetEvent(m_armed);
        return Guard(*this);
    }

private:
    static DWORD WINAPI Run(void* self)
    {
        auto& dog = *static_cast<CaseWatchdog*>(self);
        while (::WaitForSingleObject(dog.m_armed, INFINITE) == WAIT_OBJECT_0 && !dog.m_stopping) {
            if (::WaitForSingleObject(dog.m_disarmed, dog.m_limit) != WAIT_TIMEOUT)
                continue;
            dog.Fail("did not return within " + std::to_string(dog.m_limit) + " ms");
        }
        return 0;
    }

    static LONG WINAPI OnCrash(EXCEPTION_POINTERS* crash)
    {
        char code[32];
        std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(crash->ExceptionRecord->ExceptionCode));
        if (CaseWatchdog* dog = s_current)
            dog->Fail(std::string("crashed with exception ") + code);
        return EXCEPTION_CONTINUE_SEARCH;
    }

    void Fail(const std::string& what)
    {
        ::EnterCriticalSection(&m_lock);
        std::fprintf(stderr, "\nFAILED: \"%s\" %s\n", m_case.c_str(), what.c_str());
        std::fflush(stderr);
        ::TerminateProcess(::GetCurrentProcess(), 3);
    }

    const DWORD m_limit;
    HANDLE m_armed;
    HANDLE m_disarmed;
    CRITICAL_SECTION m_lock;
    std::string m_case;
    volatile bool m_stopping = false;
    HANDLE m_thread = nullptr;
    LPTOP_LEVEL_EXCEPTION_FILTER m_previousFilter = nullptr;
    static inline CaseWatchdog* s_current = nullptr;
};
