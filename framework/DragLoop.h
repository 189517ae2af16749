#pragma once

// The message loop of a mouse drag that holds a window's capture (a rubber band, a bar dragged by
// its gripper). onMouse sees each WM_MOUSEMOVE and WM_LBUTTONUP of the window; every other message
// but a key goes to onOther, which dispatches it. The loop ends at the release (true), or cancelled
// (false) by Esc, the right button or the loss of the capture. A button released where no message
// tells it ends the drag as a release would: no loop waits for a button that is not held.

#include <windows.h>

template <class OnMouse, class OnOther> bool RunDragLoop(HWND window, OnMouse onMouse, OnOther onOther)
{
    for (;;) {
        MSG msg{};
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (::GetCapture() != window)
                return false;
            const int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
            if (!(::GetAsyncKeyState(button) & 0x8000))
                return true;
            ::WaitMessage();
            continue;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            if (msg.hwnd != window)
                break;
            onMouse(msg);
            if (msg.message == WM_LBUTTONUP)
                return ::GetCapture() == window;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                return false;
            break;
        case WM_RBUTTONDOWN:
            return false;
        default:
            onOther(msg);
            break;
        }
        if (::GetCapture() != window)
            return false;
    }
}
