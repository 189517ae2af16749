#pragma once

// The message loop of a mouse drag that holds the capture (a rubber band, a bar dragged by its
// gripper): the next message for the loop, or why it ends when none comes. A button released where
// no message tells it ends the drag as a release would; no loop waits for a button that is not held.

#include <windows.h>

enum class DragWait
{
    Message,  // msg holds the next message
    Released, // the queue is empty and the primary button is up
    Lost      // the window no longer has the capture
};

inline DragWait NextDragMessage(HWND window, MSG& msg)
{
    for (;;) {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            return DragWait::Message;
        if (::GetCapture() != window)
            return DragWait::Lost;
        const int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
        if (!(::GetAsyncKeyState(button) & 0x8000))
            return DragWait::Released;
        ::WaitMessage();
    }
}
