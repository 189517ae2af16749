#include "host/AboutDlg.h"

#include "NorvakResource.h"
#include "framework/DataExchange.h"

#include <shellapi.h>

CAboutDlg::CAboutDlg(HWND parent) : CDialog(IDD_QUILM_ABOUT, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_ABOUT_LINK, m_link);
}

LRESULT CAboutDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && LOWORD(wp) == IDC_ABOUT_LINK && HIWORD(wp) == BN_CLICKED) {
        if (!m_address.IsEmpty())
            ::ShellExecuteW(m_hWnd, L"open", m_address.ToWide().c_str(), nullptr, nullptr, SW_SHOW);
        return 0;
    }
    return CDialog::WindowProc(msg, wp, lp);
}
