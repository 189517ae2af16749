#include "sheet/windows/CtrlScrollBar.h"

#include <algorithm>
#include <climits>
#include <cstdint>

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
    // The largest position a bar takes is nMax - nPage + 1.
    const int64_t last = std::min<int64_t>(int64_t(range) + std::max(page, 1) - 1, INT_MAX);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, int(last), UINT(std::max(page, 1)), position, 0};
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
