#pragma once

// A child window along the control's edges, held by its handle; the window goes with its parent.

#include <windows.h>

class CChildWindow
{
public:
    CChildWindow() = default;
    CChildWindow(const CChildWindow&) = delete;
    CChildWindow& operator=(const CChildWindow&) = delete;

    bool Create(const wchar_t* className, DWORD style, HWND parent, int id);
    // The window goes with its parent; this only forgets the handle.
    void Detach() { m_hWnd = nullptr; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    int GetId() const { return m_hWnd ? ::GetDlgCtrlID(m_hWnd) : 0; }
    void Move(const RECT& rect) const;
    void Invalidate() const;
    // Its own visibility, whatever its parents show.
    bool IsVisible() const { return m_hWnd && (::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & WS_VISIBLE); }

protected:
    HWND m_hWnd = nullptr;
};
