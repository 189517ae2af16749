#pragma once

// The about box "关于 CQuilm" with its link button. The link opens its address with the shell;
// the program names no address, so without one the click does nothing.

#include "framework/Dialog.h"
#include "host/HyperlinkButton.h"

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(HWND parent = nullptr);
    CHyperlinkButton m_link;
    CString m_address; // the web page the link opens; none by default

protected:
    void DoDataExchange(CDataExchange* dx) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
};
