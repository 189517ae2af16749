#pragma once

// The page "页标题/页码/虚边框" of the page-setup sheet: the printed page title and its font,
// whether page numbers print and in which format and place, and the dashed frame round each
// printed page, with a sketch of a page showing the frame and a sample number. Nothing is written
// to the control before OK, the title's font and colour included.

#include "dialogs/SheetPage.h"
#include "framework/Controls.h"

class CNorvakCtrl;

class CNorvakPageTitleCodeRecPDlg : public CSheetPage
{
public:
    explicit CNorvakPageTitleCodeRecPDlg(CNorvakCtrl* control = nullptr);

    CString m_strTitle;
    int m_bDashedFrame = 0;
    int m_bShowPageNumber = 0;
    // The title's font and colour, once chosen in the font dialog.
    bool m_bTitleFontChosen = false;
    LOGFONTA m_lfTitleFont{};
    COLORREF m_crTitleColor = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void EnablePageNumberControls() const;
    void InvalidatePreview() const;
    void ChooseTitleFont();

    CComboBox m_positions;
    CComboBox m_formats;
    CNorvakCtrl* m_pControl;
};
