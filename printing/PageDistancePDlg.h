#pragma once

// The page "页边距" of the page-setup sheet: the seven print distances (top, bottom, left, right,
// page title, header, footer) in centimetres with spin buttons, the two centring flags, and a
// sketch of the page with a guide line per distance (the focused one blue and wider). Nothing is
// written to the control before OK.

#include "dialogs/SheetPage.h"
#include "sheet/model/PageSetup.h"

#include <commctrl.h>

class CNorvakCtrl;

class CNorvakPageDistancePDlg : public CSheetPage
{
public:
    static constexpr int kDistances = 7;
    explicit CNorvakPageDistancePDlg(CNorvakCtrl* control = nullptr);

    int m_bCenterHorz = 0;
    int m_bCenterVert = 0;
    CString m_strDistance[kDistances];
    int m_nDistance[kDistances] = {}; // as the preview last read them

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void InvalidatePreview() const;
    bool OnSpin(int spinId, NMUPDOWN* change);
    CNorvakCtrl* m_pControl;
};
