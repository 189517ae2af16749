#pragma once

// Asks for the user name and password of a page, under the caption of the operation.

#include "framework/Dialog.h"

class CPageLoginDlg : public CDialog
{
public:
    CPageLoginDlg(const CString& caption, HWND parent = nullptr);
    CString m_password;
    CString m_user;
    CString m_caption;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
};
