#pragma once

// An owner-drawn push button that shows a colour swatch, or a line sample, with a drop-down arrow.
// A click opens a CColourPickerPopup below it; the button forwards what the popup reports to its
// own parent (PickerMessages.h). Pages place it over a button of their template with DDX_Control.
//
// Modes: 0 a grid of 40 colours with "自动" and "其它..." boxes, 2 the 15 line styles, 3 five
// line widths. A button with control id 256 draws a line-style sample, 218 a line-width sample.
//
// Ownership: the popup deletes itself when its window goes; a picker that goes first closes it.

#include "framework/CDC.h"
#include "framework/Controls.h"

class CColourPickerPopup;

class CColourPicker : public CButton
{
public:
    enum Mode
    {
        ColourGrid = 0,
        LineStyles = 2,
        LineWidths = 3
    };
    static constexpr int kLineStyleSampleId = 256;
    static constexpr int kLineWidthSampleId = 218;

    CColourPicker() = default;
    ~CColourPicker() override;

    // Redraws at once when the window exists.
    void SetColour(COLORREF colour);
    COLORREF GetColour() const { return m_crColour; }
    // Mode 0 also takes value as the colour.
    void SetMode(int mode, int value);
    int GetMode() const { return m_nMode; }
    int GetValue() const { return m_nValue; }
    bool IsDropped() const { return m_bDropped; }

    void DrawItem(DRAWITEMSTRUCT* item) override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    friend class CColourPickerPopup;
    void PopupDestroyed() { m_pPopup = nullptr; }

    // The button's height and the arrow's place follow the system's thumb and edge sizes.
    void SizeToArrow();
    void OpenPopup();
    void OnMouseMove(POINT point);
    void OnHoverTimer();
    LRESULT OnPopupClosed(UINT msg, LPARAM lp);
    void DrawArrowArea(CDC& dc, const CRect& item, bool pressed) const;
    void DrawSample(CDC& dc, CRect area, HBRUSH swatch) const;

    bool m_bDropped = false;
    COLORREF m_crColour = RGB(0, 255, 0);
    COLORREF m_crText = ::GetSysColor(COLOR_BTNTEXT);
    CRect m_rcArrow;
    bool m_bHot = false;
    CString m_strDefaultText = "自动";
    CString m_strCustomText = "其它...";
    int m_nValue = 0;
    int m_nMode = ColourGrid;
    CColourPickerPopup* m_pPopup = nullptr; // open popup, which owns itself
};
