#include "host/PageAccountDlg.h"

#include "NorvakResource.h"
#include "framework/DataExchange.h"

CPageAccountDlg::CPageAccountDlg(const CString& caption, int mode, HWND parent)
    : CDialog(IDD_PAGE_ACCOUNT, parent), m_caption(caption), m_mode(mode)
{
}

bool CPageAccountDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_caption);
    const int radios[] = {IDC_ACCOUNT_VIEW, IDC_ACCOUNT_READ, IDC_ACCOUNT_READ_WRITE};
    ::EnableWindow(GetDlgItem(IDC_ACCOUNT_NEW_PASSWORD), m_mode == 0);
    ::EnableWindow(GetDlgItem(IDC_ACCOUNT_NEW_USER), m_mode == 1);
    for (int radio : radios)
        ::EnableWindow(GetDlgItem(radio), m_mode == 2);
    return true;
}

void CPageAccountDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_ACCOUNT_NEW_PASSWORD, m_newPassword);
    DDX_Text(dx, IDC_ACCOUNT_NEW_USER, m_newUser);
    DDX_Text(dx, IDC_LOGIN_PASSWORD, m_password);
    DDX_Text(dx, IDC_LOGIN_USER, m_user);
    DDX_Radio(dx, IDC_ACCOUNT_VIEW, m_privilege);
}
