#pragma once

// Drives a control's windows with posted input, as a user at a container would: each key goes to
// the window that has the focus when it is pressed, and the messages are pumped by a loop that
// offers every one to the active object's TranslateAccelerator first and translates and
// dispatches it only when that declines (the loop of an OLE container). Pumping stops when the
// queue is empty, and after a bounded number of messages at most, so no test can hang here.

#include <ole2.h>

#include <windows.h>

inline void PumpAsContainer(IOleInPlaceActiveObject* active)
{
    MSG msg{};
    for (int n = 0; n < 20000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        if (active && active->TranslateAccelerator(&msg) == S_OK)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Shift and Ctrl as the thread's keyboard state reports them.
inline void HoldKeys(bool shift, bool ctrl)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

// One key pressed and released on the focus window (or fallback when nothing has the focus).
inline void PressKey(IOleInPlaceActiveObject* active, HWND fallback, UINT vk)
{
    HWND target = ::GetFocus() ? ::GetFocus() : fallback;
    const LPARAM scan = LPARAM(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageW(target, WM_KEYDOWN, vk, scan | 1);
    ::PostMessageW(target, WM_KEYUP, vk, scan | 1 | (LPARAM(3) << 30));
    PumpAsContainer(active);
}

inline void PostMouse(HWND window, UINT msg, int x, int y, UINT flags)
{
    ::PostMessageW(window, msg, flags, MAKELPARAM(x, y));
}

// A click without movement: press and release at one point.
inline void Click(IOleInPlaceActiveObject* active, HWND window, int x, int y)
{
    PostMouse(window, WM_MOUSEMOVE, x, y, 0);
    PostMouse(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    PostMouse(window, WM_LBUTTONUP, x, y, 0);
    PumpAsContainer(active);
}

// A press at one point, a move to another with the button held, and the release there.
inline void Drag(IOleInPlaceActiveObject* active, HWND window, POINT from, POINT to, UINT keys = 0)
{
    PostMouse(window, WM_MOUSEMOVE, from.x, from.y, keys);
    PostMouse(window, WM_LBUTTONDOWN, from.x, from.y, keys | MK_LBUTTON);
    PostMouse(window, WM_MOUSEMOVE, (from.x + to.x) / 2, (from.y + to.y) / 2, keys | MK_LBUTTON);
    PostMouse(window, WM_MOUSEMOVE, to.x, to.y, keys | MK_LBUTTON);
    PostMouse(window, WM_LBUTTONUP, to.x, to.y, keys);
    PumpAsContainer(active);
}
