#pragma once

// The "纹理" page (dialog 290) of the fill-effects sheet: a grid of the control's textures, the 24
// built-in ones and those added from files with "其它纹理...". A file that cannot be loaded as a
// picture adds nothing; the same file twice adds one entry. OK on a sheet of owner kind 0 hands
// the selected texture to the owner (IFillTarget).

#include "dialogs/SwatchGridPage.h"

class CWenLiProDlg : public CSwatchGridPage
{
public:
    static constexpr const char* kFileFilter =
        "Windows位图 (*.bmp;*.dib)|*.bmp;*.dib|Windows图元文件(*.wmf)|*.wmf|Windows增强型图元文件(*.emf)|*.emf|"
        "JPEG文件格式 (*.jpg)|*.jpg|GIF文件格式 (*.gif)|*.gif|图标 (*.ico)|*.ico|"
        "所有文件 (*.bmp;*.dib;*.wmf;*.emf;*.jpg;*.gif;*.ico)|*.bmp;*.dib;*.wmf;*.emf;*.jpg;*.gif;*.ico||";

    CWenLiProDlg();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    int SwatchCount() const override;
    void PaintSwatch(CDC& dc, int index, const CRect& cell) override;
    void PreviewSelected(int index) override;
    void PaintName(CDC& dc) override;
    void OnSwatchHit(int index) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void AddTextureFromFile();

    CWnd m_scrollBar;
    CWnd m_gridFrame;
};
