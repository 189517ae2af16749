#pragma once

// The borderless window a CColourPicker opens below itself: a grid of the 40 named colours with a
// default box ("自动") above and a custom box ("其它...") below, each present when its text is
// not empty, or in the line modes a list of the 15 line styles or five line widths. It holds the
// mouse capture while it is open, reports the highlighted colour to its picker as the pointer or
// the arrow keys move, and ends with a choice (a release inside it, Enter or Space) or a cancel
// (a release outside it, Esc, or another application taking over).
//
// Ownership: made with new by the picker; deletes itself when its window goes.

#include "dialogs/ColourPopupLayout.h"
#include "framework/CGdiObject.h"
#include "framework/ToolTipCtrl.h"

#include <optional>

class CColourPicker;
class CDC;

class CColourPickerPopup : public CWnd
{
public:
    static constexpr wchar_t kClassName[] = L"NorvakColourPickerPopup";

    CColourPickerPopup() = default;

    // Shows the popup with its top-left corner at a screen point (moved to stay on the screen);
    // false when the window could not be made.
    bool Create(POINT topLeft, COLORREF initial, CColourPicker* picker, int mode, const CString& defaultText,
                const CString& customText, int value);

    bool PreTranslateMessage(MSG* msg) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override;

private:
    bool IsLineMode() const;
    CRect PlaceColourGrid(POINT topLeft, const CRect& button);
    CRect PlaceLineList(POINT topLeft, const CRect& button) const;
    void AddTooltips();
    void RelayToTooltip(UINT msg, WPARAM wp, LPARAM lp);

    void OnPaint();
    void PaintColourGrid(CDC& dc);
    void PaintCell(CDC& dc, int index) const;
    void PaintTextBox(CDC& dc, CRect box, const CString& text, int index, bool innerFrame) const;
    void PaintLineList(CDC& dc);
    void OnMouseMove(POINT point);
    void OnKeyDown(UINT key);
    void OnAnimationTimer();
    // Moves the highlight and tells the picker its colour.
    void ChangeSelection(int index);
    void InvalidateIndex(int index);
    void InvalidateRow(int row);
    // Ends the popup with a choice or a cancel.
    void EndSelection(UINT message);

    CColourPicker* m_pPicker = nullptr;
    HWND m_hPicker = nullptr;
    int m_nMode = 0;
    std::optional<CColourPopupGrid> m_grid;
    std::optional<CLinePopupRows> m_lines;
    int m_nHover = CColourPopupGrid::kNone;
    int m_nChosen = CColourPopupGrid::kNone;
    CString m_strDefaultText;
    CString m_strCustomText;
    COLORREF m_crInitial = 0;
    COLORREF m_crCurrent = 0;
    CFont m_font;
    CGdiObject m_palette;
    CToolTipCtrl m_tooltip;
    // Line modes: the hover row, the row of the current value, the background and the frame of
    // its animation.
    int m_nHoverRow = -1;
    int m_nValueRow = -1;
    CBitmap m_background;
    CBitmap m_frameBitmap;
    int m_nFrame = 0;
    bool m_bEnding = false;
};
