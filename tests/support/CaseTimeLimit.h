#pragma once

// A time limit for one case of a test that could hang: a watchdog thread that, when the case runs
// past its limit, names the case and ends the program with a failure, so that a hang fails one
// named case at once instead of stopping the suite until its own timeout. Hold one for the case's
// duration; its end stops the watchdog.

#include <windows.h>

#include <cstdio>
#include <string>

class CaseTimeLimit
{
public:
    CaseTimeLimit(std::string name, DWORD milliseconds)
        : m_name(std::move(name)), m_milliseconds(milliseconds), m_done(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        m_thread = ::CreateThread(nullptr, 0, &Watch, this, 0, nullptr);
    }
    ~CaseTimeLimit()
    {
        ::SetEvent(m_done);
        ::WaitForSingleObject(m_thread, INFINITE);
        ::CloseHandle(m_thread);
        ::CloseHandle(m_done);
    }
    CaseTimeLimit(const CaseTimeLimit&) = delete;
    CaseTimeLimit& operator=(const CaseTimeLimit&) = delete;

private:
    static DWORD WINAPI Watch(void* self)
    {
        const CaseTimeLimit& limit = *static_cast<CaseTimeLimit*>(self);
        if (::WaitForSingleObject(limit.m_done, limit.m_milliseconds) == WAIT_OBJECT_0)
            return 0;
        std::fprintf(stderr, "\nFAILED: \"%s\" ran past its limit of %lu ms\n", limit.m_name.c_str(),
                     static_cast<unsigned long>(limit.m_milliseconds));
        std::fflush(stderr);
        ::TerminateProcess(::GetCurrentProcess(), 3);
        return 0;
    }

    std::string m_name;
    DWORD m_milliseconds;
    HANDLE m_done;
    HANDLE m_thread = nullptr;
};
