#pragma once

// The "图案" page (dialog 291) of the fill-effects sheet: a grid of the control's 49 patterns in a
// foreground and a background colour chosen with two colour pickers. OK on the page on show keeps
// the two colours as the module's last pattern colours, and on a sheet of owner kind 0 hands the
// pattern to the owner (IFillTarget). "加载..." and "自定义..." do nothing.

#include "dialogs/ColourPicker.h"
#include "dialogs/SwatchGridPage.h"

class CTuAnProDlg : public CSwatchGridPage
{
public:
    CTuAnProDlg();

    COLORREF GetForeground() const { return m_foreground.GetColour(); }
    COLORREF GetBackground() const { return m_background.GetColour(); }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    int SwatchCount() const override;
    void PaintSwatch(CDC& dc, int index, const CRect& cell) override;
    void PreviewSelected(int index) override;
    void PaintName(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CColourPicker m_foreground;
    CWnd m_scrollBar;
    CColourPicker m_background;
    CWnd m_gridFrame;
};
