#pragma once

// The height of the selected rows in centimetres (0 to 8), stepped by an up-down control in
// hundredths of a centimetre.

#include "framework/Controls.h"
#include "framework/Dialog.h"

class CRowHeightDlg : public CDialog
{
public:
    // millimetres: the current height.
    explicit CRowHeightDlg(float millimetres, HWND parent = nullptr);
    CSpinButtonCtrl m_spin;
    CString m_text;
    float m_value; // centimetres once the dialog is up

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ShowValue();
};
