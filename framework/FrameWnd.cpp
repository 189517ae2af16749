#include "framework/FrameWnd.h"

#include <commctrl.h>

namespace {
const wchar_t kFrameClass[] = L"NorvakFrameWnd";
}

bool CFrameWnd::CreateFrame(const CString& title)
{
    RegisterWindowClass(kFrameClass, CS_DBLCLKS, ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, kFrameClass, title.ToWide().c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT), nullptr, 0);
}

int CFrameWnd::OnCreate(CREATESTRUCTW*)
{
    const UINT indicators[] = {CStatusBar::kSeparator, CStatusBar::kIndicatorCaps, CStatusBar::kIndicatorNum,
                               CStatusBar::kIndicatorScroll};
    if (!m_statusBar.Create(m_hWnd, kStatusBar, false) || !m_statusBar.SetIndicators(indicators))
        return -1;
    return 0;
}

void CFrameWnd::RecalcLayout() const
{
    CRect client = GetClientRect();
    if (m_statusBar.m_hWnd)
        client.bottom -= m_statusBar.Place(client.Width());
    if (HWND bar = GetDlgItem(kPreviewBar)) {
        RECT rect{};
        ::GetWindowRect(bar, &rect);
        const int height = rect.bottom - rect.top;
        ::MoveWindow(bar, client.left, client.top, client.Width(), height, TRUE);
        client.top += height;
    }
    HWND pane = m_pActiveView ? m_pActiveView->m_hWnd : GetDlgItem(kPaneFirst);
    if (pane)
        ::MoveWindow(pane, client.left, client.top, client.Width(), std::max(0, int(client.Height())), TRUE);
}

LRESULT CFrameWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lp));
    case WM_SIZE:
        RecalcLayout();
        return 0;
    default:
        return CWnd::WindowProc(msg, wp, lp);
    }
}
