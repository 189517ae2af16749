#pragma once

// The "旋转" page (dialog 296) of the whole chart's sheet: the 3-D look of one chart. For an axis
// chart four stepping buttons change the depth offsets of its 3-D box, whose wire-frame the preview
// turns; for a pie or ring chart four buttons scale the slice ellipses (both, the outer or the
// inner one), two spins set the slice height and the explode distance, and two boxes choose
// whether one row or every row takes the shape. The stepping buttons repeat every 100 ms while
// held. The chart is written only on OK; Cancel leaves it as it was.
//
// Ownership: the page keeps pointers to the control and the chart it edits, both owned by the
// control and alive for the sheet's modal run; it owns its controls' objects.

#include "dialogs/SheetPage.h"
#include "dialogs/SolidRotateGeometry.h"
#include "framework/BitmapButton.h"
#include "framework/Controls.h"

#include <commctrl.h>

class CNorvakChart;
class CNorvakCtrl;

class CSolidRotatePDlg : public CSheetPage
{
public:
    CSolidRotatePDlg() : CSolidRotatePDlg(nullptr, nullptr) {}
    CSolidRotatePDlg(CNorvakCtrl* control, CNorvakChart* chart);

    // What the preview shows now.
    const POINT (&GetWallPoints() const)[12] { return m_ptWall; }
    CPoint GetDepth() const { return m_ptDepth; }
    const SolidRotate::CPieEllipses& GetEllipses() const { return m_ellipses; }
    int GetHeightDiff() const { return m_nHeightDiff; }
    int GetExplode() const { return m_nExplode; }
    int GetHeldButton() const { return m_nHeldButton; }
    SolidRotate::CPreviewRects GetPreviewRects() const;

    bool PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool IsPie() const;
    void InitPieControls();
    // The wire-frame of a chart of this one's kind with the depth offsets `depth`, or, for a pie,
    // the ellipses of the row the page shows; then the preview is redrawn.
    void UpdatePreviewGeometry(CPoint depth);
    void Step(int button);
    void OnRepeatTimer();
    void OnSpinDelta(const NMUPDOWN& change);
    void OnShowOne(bool one);
    void PaintPie(CDC& dc, const CRect& fit);
    void InvalidatePreview() const;
    // The stepping button under a press, 0 for any other window.
    int SteppingButtonOf(HWND window) const;

    CSpinButtonCtrl m_seriesSpin;
    CSpinButtonCtrl m_explodeSpin;
    CSpinButtonCtrl m_heightSpin;
    CComboBox m_scaleCombo;
    CButton m_previewFrame;
    int m_bShowOne = 0;
    int m_bShowAll = 0;
    CNorvakChart* m_pChart;
    CNorvakCtrl* m_pControl;
    POINT m_ptWall[12] = {};
    CPoint m_ptDepth;
    SolidRotate::CPieEllipses m_ellipses; // the outer and inner slice ellipses
    int m_nHeightDiff = 0;
    int m_nExplode = 0;
    int m_nHeldButton = 0;
    CBitmapButton m_buttons[8];
};
