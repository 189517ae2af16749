#pragma once

// The dialog that asks for the title of a new page: a title that is empty once trimmed, or that a
// page has already, is refused with a message and the dialog stays open. Escape closes it with no
// title.

#include "framework/Dialog.h"

class CPageTitle;

class CNewPageDlg : public CDialog
{
public:
    explicit CNewPageDlg(const CPageTitle& strip, HWND parent = nullptr);

    CString m_strTitle;

protected:
    void OnOK() override;

private:
    const CPageTitle& m_strip;
};
