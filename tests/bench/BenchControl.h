#pragma once

// A control in a window of its own for the benchmarks that go through the control, and the timer
// they read.

#include "sheet/NorvakCtrl.h"

#include <windows.h>

inline double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// OLE, a parent window of 800 x 600 and a control window of 780 x 560 in it, for the whole run.
class CBenchControl
{
public:
    CBenchControl()
    {
        OleInitialize(nullptr);
        m_parent = CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr, nullptr,
                                 nullptr);
        m_control = new CNorvakCtrl;
        m_control->CreateControlWindow(m_parent, RECT{0, 0, 780, 560});
    }
    ~CBenchControl()
    {
        m_control->Release();
        DestroyWindow(m_parent);
        OleUninitialize();
    }
    CBenchControl(const CBenchControl&) = delete;
    CBenchControl& operator=(const CBenchControl&) = delete;

    CNorvakCtrl& operator*() const { return *m_control; }
    CNorvakCtrl* operator->() const { return m_control; }

private:
    HWND m_parent = nullptr;
    CNorvakCtrl* m_control = nullptr;
};
