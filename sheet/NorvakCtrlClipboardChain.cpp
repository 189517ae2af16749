// Membership in the clipboard-viewer chain: a change of the clipboard by anyone else empties the
// control's own copy buffer, which would otherwise paste stale cells, and drops a pending cut.

#include "sheet/NorvakCtrl.h"

void CNorvakCtrl::JoinClipboardChain()
{
    if (m_bInClipboardChain)
        return;
    // Joining sends WM_DRAWCLIPBOARD at once; the next viewer must be known by then.
    m_bInClipboardChain = true;
    ::SetLastError(0);
    m_hNextClipboardViewer = ::SetClipboardViewer(m_hWnd);
    if (!m_hNextClipboardViewer && ::GetLastError() != 0)
        m_bInClipboardChain = false;
}

void CNorvakCtrl::LeaveClipboardChain()
{
    if (!m_bInClipboardChain)
        return;
    ::ChangeClipboardChain(m_hWnd, m_hNextClipboardViewer);
    m_hNextClipboardViewer = nullptr;
    m_bInClipboardChain = false;
}

LRESULT CNorvakCtrl::OnDrawClipboard(WPARAM wp, LPARAM lp)
{
    DropStaleClipboardCells();
    InvalidateControl();
    UpdateWindow();
    if (m_hNextClipboardViewer)
        ::SendMessageW(m_hNextClipboardViewer, WM_DRAWCLIPBOARD, wp, lp);
    return 0;
}

LRESULT CNorvakCtrl::OnChangeClipboardChain(HWND removed, HWND next)
{
    if (removed == m_hNextClipboardViewer)
        m_hNextClipboardViewer = next;
    else if (m_hNextClipboardViewer)
        ::SendMessageW(m_hNextClipboardViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed),
                       reinterpret_cast<LPARAM>(next));
    return 0;
}
