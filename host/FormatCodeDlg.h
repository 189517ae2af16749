#pragma once

// The text-format code of the selected cells, as a plain integer.

#include "framework/Dialog.h"

class CFormatCodeDlg : public CDialog
{
public:
    explicit CFormatCodeDlg(int code, HWND parent = nullptr);
    int m_code;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
