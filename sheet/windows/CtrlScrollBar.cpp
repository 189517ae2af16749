#include "sheet/windows/CtrlScrollBar.h"

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

void CCtrlScrollBar::ShowScrollBar(bool show)
{
    m_bShown = show;
    if (m_hWnd)
        ::ShowWindow(m_hWnd, show ? SW_SHOW : SW_HIDE);
}

void CCtrlScrollBar::Enable(bool enable) const
{
    if (m_hWnd)
        ::EnableWindow(m_hWnd, enable);
}

void CCtrlScrollBar::SetScrollData(int range, int page, int position) const
{
    if (!m_hWnd)
        return;
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, range, UINT(page), position, 0};
    ::SetScrollInfo(m_hWnd, SB_CTL, &info, TRUE);
}

void CCtrlScrollBar::SetPosition(int position) const
{
    if (m_hWnd)
        ::SetScrollPos(m_hWnd, SB_CTL, position, TRUE);
}

int CCtrlScrollBar::GetTrackPosition() const
{
    SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if (!m_hWnd || !::GetScrollInfo(m_hWnd, SB_CTL, &info))
        return 0;
    return info.nTrackPos;
}

int CCtrlScrollBar::GetPageSize() const
{
    SCROLLINFO info{sizeof(info), SIF_PAGE, 0, 0, 0, 0, 0};
    if (!m_hWnd || !::GetScrollInfo(m_hWnd, SB_CTL, &info))
        return 0;
    return int(info.nPage);
}
