#include "printing/PrintProgressDlg.h"

#include "printing/NorvakView.h"
#include "resources/NorvakResource.h"

CPrintProgressDlg::CPrintProgressDlg(HWND parent, CNorvakView* view)
    : CDialog(IDD_PRINT_PROGRESS, parent), m_pView(view)
{
}

bool CPrintProgressDlg::Show(int pageCount)
{
    if (!Create(IDD_PRINT_PROGRESS, m_parent))
        return false;
    CString text;
    text.Format("正在打印(共%d页)......", pageCount);
    ::SetWindowTextW(GetDlgItem(IDC_PRINT_PROGRESS_TEXT), text.ToWide().c_str());
    CenterWindow();
    ::SetActiveWindow(m_hWnd);
    ShowWindow(SW_SHOWNORMAL);
    PumpMessages();
    return true;
}

void CPrintProgressDlg::PumpMessages()
{
    MSG msg;
    while (m_hWnd && ::PeekMessageW(&msg, m_hWnd, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(int(msg.wParam)); // for the loop outside the print job
            break;
        }
        if (!PreTranslateChain(&msg, m_hWnd)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool CPrintProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_parent)
        ::EnableWindow(m_parent, FALSE);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE);
    return true;
}

void CPrintProgressDlg::OnCancel()
{
    if (m_parent)
        ::EnableWindow(m_parent, TRUE);
    m_pView->m_bAbort = 1;
    // Out of sight at once; the job's end destroys it (which clears the abort request).
    ShowWindow(SW_HIDE);
}

bool CPrintProgressDlg::DestroyWindow()
{
    if (m_parent)
        ::EnableWindow(m_parent, TRUE);
    m_pView->m_bAbort = 0;
    return m_hWnd ? CDialog::DestroyWindow() : true;
}
