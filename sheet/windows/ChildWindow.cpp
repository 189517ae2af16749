#include "sheet/windows/ChildWindow.h"

bool CChildWindow::Create(const wchar_t* className, DWORD style, HWND parent, int id)
{
    m_hWnd = ::CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 1, 1, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    return m_hWnd != nullptr;
}

void CChildWindow::Move(const RECT& rect) const
{
    if (!m_hWnd)
        return;
    // The layout runs after every count change; a window already in place is left alone.
    RECT current{};
    ::GetWindowRect(m_hWnd, &current);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&current), 2);
    if (::EqualRect(&current, &rect))
        return;
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void CChildWindow::Invalidate() const
{
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}
