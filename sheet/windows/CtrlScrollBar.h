#pragma once

// The child windows along the control's edges, held by handle: a plain child window, and a scroll
// bar that remembers whether it was last shown, so that the layout asks the flag, not the window.

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

class CCtrlScrollBar : public CChildWindow
{
public:
    void ShowScrollBar(bool show);
    bool IsShown() const { return m_bShown; }
    void Enable(bool enable) const;
    void SetScrollData(int range, int page, int position) const;
    void SetPosition(int position) const;
    // The 32-bit position of a dragged thumb.
    int GetTrackPosition() const;
    int GetPageSize() const;

private:
    bool m_bShown = true;
};
