#pragma once

// Asks for a page's user name and password and, by mode, a new password (0), a new user name (1)
// or a new privilege (2: 0 view, 1 read, 2 read and write).

#include "framework/Dialog.h"

class CPageAccountDlg : public CDialog
{
public:
    CPageAccountDlg(const CString& caption, int mode, HWND parent = nullptr);
    CString m_newPassword;
    CString m_newUser;
    CString m_password;
    CString m_user;
    int m_privilege = 2;
    CString m_caption;
    int m_mode;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
};
