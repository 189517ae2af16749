#include "tests/support/PickerParent.h"

#include <ostream>

void PrintTo(const PickerMessage& m, std::ostream* out)
{
    *out << "{WM_USER+" << (m.msg - WM_USER) << ", 0x" << std::hex << m.wp << ", 0x" << m.lp << std::dec << "}";
}

bool PickerParent::Create(const RECT& screenRect)
{
    RegisterWindowClass(L"NorvakTestPickerParent", 0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    return CreateEx(0, L"NorvakTestPickerParent", L"", WS_POPUP | WS_VISIBLE, screenRect, nullptr, 0);
}

LRESULT PickerParent::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg >= WM_USER + 1001 && msg <= WM_USER + 1010) {
        messages.push_back({msg, wp, lp});
        return 1;
    }
    return CWnd::WindowProc(msg, wp, lp);
}

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (!done()) {
        if (::GetTickCount() - start > milliseconds)
            return false;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        } else {
            ::Sleep(1);
        }
    }
    return true;
}

void PumpPending()
{
    MSG msg;
    for (int idle = 0; idle < 3;) {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            idle = 0;
        } else {
            ++idle;
            ::Sleep(1);
        }
    }
}
