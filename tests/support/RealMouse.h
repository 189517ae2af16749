#pragma once

// Mouse input as the hardware gives it: the cursor is moved to a point of the screen and the left
// button pressed and released through SendInput, so the system routes the messages itself, to
// the window under the cursor or to the one that holds the capture. The thread's messages are
// then pumped until a condition holds or a time runs out (input arrives after what is already
// posted). Only a test program that runs alone may use it: the cursor is the session's.

#include "framework/Geometry.h"

#include <windows.h>

#include <functional>

// The middle of a window, or of a rectangle in its client coordinates, on the screen.
inline POINT ScreenCentre(HWND window, const RECT& client)
{
    POINT point{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    ::ClientToScreen(window, &point);
    return point;
}
inline POINT ScreenCentre(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    return ScreenCentre(window, client);
}

// Pumps the thread's messages until done() holds (true) or the time runs out (false).
inline bool PumpMessagesUntil(const std::function<bool()>& done, DWORD milliseconds = 3000)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        // Done once the condition holds and no mouse input waits any more.
        if (done() && !HIWORD(::GetQueueStatus(QS_MOUSE)))
            return true;
        if (::GetTickCount() - start > milliseconds)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// A click of the left button at a screen point; true when done() held afterwards.
inline bool RealClick(POINT screen, const std::function<bool()>& done, DWORD milliseconds = 3000)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT input[3]{};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE; // a move first, as a hand on the mouse gives
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].type = INPUT_MOUSE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    if (::SendInput(3, input, sizeof(INPUT)) != 3)
        return false;
    return PumpMessagesUntil(done, milliseconds);
}
