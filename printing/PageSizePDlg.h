#pragma once

// The page "纸张" of the page-setup sheet: the printer (from the local and connected printers),
// one of the papers it offers, and the orientation with its picture. Choosing another printer
// lists its papers with its own default paper chosen. Nothing is written to the control before OK.

#include "dialogs/SheetPage.h"
#include "framework/Controls.h"

#include <vector>

class CNorvakCtrl;

class CNorvakPageSizePDlg : public CSheetPage
{
public:
    enum Orientation { Landscape, Portrait }; // the radio buttons' order
    explicit CNorvakPageSizePDlg(CNorvakCtrl* control = nullptr);

    int m_nOrientation = Landscape;
    std::vector<WORD> m_paperCodes; // the DEVMODE paper code of each item of the paper list
    int m_nLastPrinter = -1;        // the printer whose papers are listed
    int m_nProposedPaper = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPrinterChanged();
    void ShowOrientationPicture(int orientation) const;

    CStatic m_landscapePicture;
    CStatic m_portraitPicture;
    CComboBox m_papers;
    CComboBox m_printers;
    CNorvakCtrl* m_pControl;
};
