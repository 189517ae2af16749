#pragma once

// The pages "页眉" and "页脚" of the page-setup sheet: the text of one printed band with its
// alignment, rule, font and colour, and a bitmap or icon loaded from a file, shown in a preview.
// The two pages differ only in their template, their text edit and the control's fields they edit.
// Nothing is written to the control before OK.
//
// Ownership: a picture the page loaded belongs to the page until OK hands it to the control (which
// then destroys the picture it held before); a picture taken from the control stays the control's.

#include "dialogs/SheetPage.h"
#include "sheet/model/PageSetup.h"

class CNorvakCtrl;

class CNorvakPageBandPDlg : public CSheetPage
{
public:
    // The control's fields of one band.
    struct Band
    {
        UINT dialog;
        int textEdit;
        CString CPageSetup::*text;
        int CPageSetup::*align;
        int CPageSetup::*rule;
        int CPageSetup::*showIcon;
        LOGFONTA CPageSetup::*font;
        CBandPicture<HICON> CPageSetup::*icon;
        CBandPicture<HBITMAP> CPageSetup::*bitmap;
        COLORREF CPageSetup::*colour;
    };
    static const Band kHeaderBand;
    static const Band kFooterBand;
    static const char* const kFileFilter;

    CNorvakPageBandPDlg(const Band& band, CNorvakCtrl* control);

    CString m_strText;
    int m_bShowIcon = 0;
    HICON m_hIcon = nullptr; // at most one of the two is set
    HBITMAP m_hBitmap = nullptr;
    LOGFONTA m_lfFont{};
    COLORREF m_crColor = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void InvalidatePreview() const;
    void ChooseFont();
    void ChoosePicture();

    const Band& m_band;
    CNorvakCtrl* m_pControl;
    // The picture loaded from a file that the control does not hold yet.
    CBandPicture<HICON> m_loadedIcon;
    CBandPicture<HBITMAP> m_loadedBitmap;
};

class CNorvakPageHeaderPDlg : public CNorvakPageBandPDlg
{
public:
    explicit CNorvakPageHeaderPDlg(CNorvakCtrl* control = nullptr);
};

class CNorvakPageTailPDlg : public CNorvakPageBandPDlg
{
public:
    explicit CNorvakPageTailPDlg(CNorvakCtrl* control = nullptr);
};
