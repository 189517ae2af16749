#pragma once

// A control in a window of its own for the benchmarks that go through the control, the timer they
// read and the paint they time beside their work.

#include "sheet/NorvakCtrl.h"

#include <windows.h>

inline double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// What time returns when it runs paintOnce(), a paint of the control into a memory bitmap as big
// as its window, as often as it likes.
template <class Time> double TimePaints(CNorvakCtrl& control, Time time)
{
    CRect client = control.GetClientRect();
    CDC screen(::GetDC(nullptr));
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, client.Width(), client.Height());
    CSelectObject select(memory, bitmap);
    const double ms = time([&] { control.OnDraw(&memory, client, client); });
    ::ReleaseDC(nullptr, screen.Detach());
    return ms;
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
