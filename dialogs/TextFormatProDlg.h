#pragma once

// The "排列" page (dialog 256) of the cell-format sheet: how the text of the selected cells is
// placed. In the common mode two combos choose the horizontal and vertical place, with an indent,
// an angle picked on a dial, word wrap or shrink to fit; in the other mode one of nine places of
// vertically stacked text. The page opens on the values of the selected cells (the focus cell, or
// the first of the selection) and OK writes what it shows, the placement, the indent and the
// angle, into every selected cell (TextPlacement.h). Cancel writes nothing.

#include "dialogs/SheetPage.h"
#include "dialogs/TextPlacement.h"

class CNorvakCtrl;

class CTextFormatProDlg : public CSheetPage
{
public:
    explicit CTextFormatProDlg(CNorvakCtrl* owner);

    // The placement the controls stand for now.
    TextPlacement Chosen() const;
    // The angle dial's centre and square (page client coordinates).
    CRect DialSquare() const;
    // The box of the nine stacked places.
    CRect StackedBox() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The placement of the cell the page opens on.
    TextPlacement ReadOpenedPlacement() const;
    void LoadPlacement(const TextPlacement& placement);
    // After every change: the members from the controls, the enabled controls, the preview.
    void Recompute();
    void EnableControls();
    void OnCommand(int id, int code);
    void OnLButtonDown(POINT point);
    void SetSpin(int id, int position) const;
    int SpinPosition(int id) const;
    void PaintDial(CDC& dc) const;
    void PaintStacked(CDC& dc) const;
    void PaintSample(CDC& dc) const;
    LOGFONTA DialogFont() const;

    CNorvakCtrl* m_pOwner;
    int m_nStacked = -1;
    int m_nPositionCode = 1;
    int m_nMode = 0;
    int m_nAngle = 0;
    int m_nIndent = 0;
    int m_bShrink = 0;
    int m_bWrap = 0;
    bool m_bInitialising = false;
};
