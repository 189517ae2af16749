#pragma once

// The "图片" page (dialog 222) of the fill-effects sheet: one picture file chosen with
// "打开图片...", shown fitted into a sunken frame with its file name below. The picture is the
// control's fill picture and outlives the sheet; a file that cannot be loaded changes nothing.
// The format radios and the "应用:" boxes are shown but nothing reads them.

#include "dialogs/SheetPage.h"

class CTuPianProDlg : public CSheetPage
{
public:
    static constexpr const char* kFileFilter =
        "图标 (*.ico)|*.ico|JPEG文件格式 (*.jpg)|*.jpg|GIF文件格式 (*.gif)|*.gif|Windows图元文件(*.wmf)|*.wmf|"
        "Windows增强型图元文件(*.emf)|*.emf|Windows位图 (*.bmp;*.dib)|*.bmp;*.dib|"
        "所有文件 (*.bmp;*.dib;*.wmf;*.emf;*.jpg;*.gif;*.ico)|*.bmp;*.dib;*.wmf;*.emf;*.jpg;*.gif;*.ico||";

    CTuPianProDlg();

    // Where the picture is drawn: the frame fitted and shrunk by 3 px; empty without a picture.
    CRect PictureRect() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OpenPicture();

    CWnd m_pictureFrame;
    int m_nFormat = 0;
};
