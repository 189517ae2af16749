#pragma once

// An owner-drawn button showing a fixed palette of 56 colours as a grid of small swatches, with an
// other-colour cell ("其颜色它...") below that opens the colour dialog. A choice is reported to
// the parent with WM_COLORGRID_SELECT (the colour, the control id); choosing the selected swatch
// again, or cancelling the colour dialog, reports nothing. Pages place it over a button of their
// template with DDX_Control.

#include "dialogs/ColorGridLayout.h"
#include "framework/CDC.h"
#include "framework/Controls.h"
#include "framework/ToolTipCtrl.h"

class CColorGridButton : public CButton
{
public:
    static constexpr int kOtherCell = CColorGridLayout::kOtherCell;

    // Selects the first swatch of that colour, or none for a colour outside the palette.
    void SetColor(COLORREF colour);
    // The selected swatch's colour, or the colour set or chosen in the dialog when none is selected.
    COLORREF GetColor() const;
    int GetSelectedIndex() const { return m_nSelected; }
    int GetHoverIndex() const { return m_nHover; }
    // Where a swatch or the other-colour cell is drawn, and so hit.
    CRect GetCellRect(int index) const;
    // A swatch 0..55, the other-colour cell 56, or -1.
    int HitTest(POINT point) const;
    int GetToolCount() const { return m_tooltip.GetSafeHwnd() ? m_tooltip.GetToolCount() : 0; }

    void DrawItem(DRAWITEMSTRUCT* item) override;
    bool PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void DrawSwatch(CDC& dc, int index, const CRect& rect) const;
    void DrawOtherCell(CDC& dc) const;
    void AddTooltips(const CColorGridLayout& layout);
    void InvalidateCell(int index);
    void OnLButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnLButtonUp();
    // The colour dialog behind the other-colour cell.
    void ChooseOtherColour();

    bool m_bToolsAdded = false;
    CToolTipCtrl m_tooltip;
    int m_nHover = -1;
    int m_nSelected = 0;
    int m_nPreviousSelected = 0;
    COLORREF m_crCurrent = 0;
    COLORREF m_crPrevious = 0;
};

// A static that paints itself in one colour with a thin frame.
class CColorSwatch : public CStatic
{
public:
    void SetColor(COLORREF colour);
    COLORREF GetColor() const { return m_crColor; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC target) const;
    COLORREF m_crColor = ::GetSysColor(COLOR_BTNFACE);
};
