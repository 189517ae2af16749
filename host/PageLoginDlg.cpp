#include "host/PageLoginDlg.h"

#include "NorvakResource.h"
#include "framework/DataExchange.h"

CPageLoginDlg::CPageLoginDlg(const CString& caption, HWND parent)
    : CDialog(IDD_PAGE_LOGIN, parent), m_caption(caption)
{
}

bool CPageLoginDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_caption);
    return true;
}

void CPageLoginDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_LOGIN_PASSWORD, m_password);
    DDX_Text(dx, IDC_LOGIN_USER, m_user);
}
