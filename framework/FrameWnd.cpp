#include "framework/FrameWnd.h"

#include <commctrl.h>

namespace {
const wchar_t kFrameClass[] = L"NorvakFrameWnd";
}

bool CFrameWnd::CreateFrame(const CString& title)
{
    RegisterWindowClass(kFrameClass, CS_DBLCLKS, ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),
                        reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    return CreateEx(0, kFrameClass, title.ToWide().c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT), nullptr, 0);
}

int CFrameWnd::OnCreate(CREATESTRUCTW*)
{
    m_hStatusBar = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0,
                                     m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(kStatusBar)), nullptr, nullptr);
    if (!m_hStatusBar)
        return -1;
    // The message part, then caps, num and scroll lock.
    const int parts[] = {-1, 0, 0, 0};
    ::SendMessageW(m_hStatusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    return 0;
}

int CFrameWnd::PlaceStatusBar(HWND statusBar, int width)
{
    ::SendMessageW(statusBar, WM_SIZE, 0, 0);
    RECT bar{};
    ::GetWindowRect(statusBar, &bar);
    const int parts[] = {std::max(0, width - 150), std::max(0, width - 100), std::max(0, width - 50), -1};
    ::SendMessageW(statusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    return bar.bottom - bar.top;
}

void CFrameWnd::RecalcLayout() const
{
    CRect client = GetClientRect();
    if (m_hStatusBar)
        client.bottom -= PlaceStatusBar(m_hStatusBar, client.Width());
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
