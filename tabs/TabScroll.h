#pragma once

// The arrow bar at the left end of the control's bottom edge: two or four arrows that step through
// the pages, then an optional row of command buttons or icon items and an optional status text at
// its right end. The control's tab band owns it; its window goes with the control's.
//
//   TabScroll.cpp         painting of the arrows and the status area, clicks, hover, the menu
//   TabScrollButtons.cpp  the button records: their operations, layout, drawing and hit test

#include "framework/CString.h"
#include "tabs/BandWindow.h"
#include "sheet/model/CellTypes.h"

#include <commctrl.h>

#include <vector>

class CDC;
class CNorvakCtrl;

class CTabScroll : public CBandWindow
{
public:
    static constexpr wchar_t kClassName[] = L"MFCTabScroll";

    explicit CTabScroll(CNorvakCtrl& control);
    ~CTabScroll() override;

    bool Create(HWND parent, int id);

    // ---- settings ----
    void SetWindowVisible(BOOL bVisible);
    BOOL GetWindowIsVisible() const { return m_bVisible; }
    int GetArrows() const { return m_bTwoArrows ? 2 : 4; }
    void SetTwoArrows(BOOL bTwo) { m_bTwoArrows = bTwo ? 1 : 0; }
    void SetFlat(BOOL bFlat);
    BOOL GetFlat() const { return m_bFlat; }
    void SetShowStatusInfo(BOOL bShow);
    BOOL GetShowStatusInfo() const { return m_bShowStatus; }
    void SetStatusInfoTransparent(BOOL bTransparent);
    void SetStatusText(const CString& text);
    const CString& GetStatusText() const { return m_strStatus; }
    BOOL HasStatusArea() const { return m_bShowStatus || m_bIconRow || m_bCommandButtons; }
    // The command buttons or the icon row, each clearing the other.
    void SetShowCommandButtons(BOOL bShow);
    void SetShowOnlyIcons(BOOL bShow);
    BOOL GetShowCommandButtons() const { return m_bCommandButtons; }
    BOOL GetShowOnlyIcons() const { return m_bIconRow; }
    void RecalcLayout();
    // The width the bar asks for: its arrows, and its status area when it has one.
    int GetDesiredWidth() const;
    // The current arrow: under the pointer (flat) or pressed (3-D); -1 none.
    int GetCurrentArrow() const { return m_nCurrentArrow; }
    // The arrows are drawn again: which can act follows the active page and the page count.
    void RepaintArrows();

    // ---- command buttons and icon items ----
    int GetButtonCount() const { return int(m_buttons.size()); }
    BOOL InsertDefaultButton(int index);
    BOOL InsertButton(int index, HICON cool, HICON hot);
    BOOL UpdateButtonCoolIcon(int index, BOOL bDefault, HICON icon);
    BOOL UpdateButtonHotIcon(int index, BOOL bDefault, HICON icon);
    BOOL DeleteButton(int index);
    BOOL SetButtonText(int index, const CString& text);
    CString GetButtonText(int index) const;
    BOOL SetButtonTrack(int index, BOOL bTrack);
    BOOL GetButtonIsTrack(int index) const;
    BOOL SetButtonEnable(int index, BOOL bEnable);
    BOOL GetButtonIsEnable(int index) const;
    int GetButtonIconCount(int index) const;

    // Fields the arrow bar's automation object writes directly, then repaints the bar.
    CFontRecord m_statusFont;
    COLORREF m_crBackground = ::GetSysColor(COLOR_BTNFACE);
    int m_nStatusAlign = 0;   // 0 left, 1 centred, 2 right
    int m_nIconFrame = 2;     // frame of icon items, 0 .. 4
    int m_nStatusFrame = 1;   // frame of the status area, 0 .. 4
    int m_nButtonFrame = 0;   // frame of command buttons, 0 .. 4
    COLORREF m_crHot = RGB(224, 214, 180);
    COLORREF m_crLeftTop = 0x808080;
    COLORREF m_crRightBottom = 0x808080;
    BOOL m_bLeftTopDefault = 1;
    BOOL m_bRightBottomDefault = 1;

    // The bar's picture in its client rectangle.
    void Draw(CDC& dc, const CRect& client);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    struct CButton
    {
        CString text;
        COLORREF crText = 0;
        CRect rect;
        CRect visible;
        CRect extra; // the track part
        BOOL bHot = 0;
        BOOL bPressed = 0;
        BOOL bDown = 0;
        BOOL bTrack = 0;
        BOOL bEnabled = 1;
    };

    int ArrowsWidth() const;
    bool IsAtFirstPage() const;
    bool IsAtLastPage() const;
    void DrawArrows3D(CDC& dc, const CRect& client) const;
    void DrawArrowsFlat(CDC& dc, const CRect& client) const;
    void DrawStatusArea(CDC& dc, const CRect& client);
    void DrawIconRow(CDC& dc, const CRect& area, int areaLeft);
    void DrawCommandButtons(CDC& dc, const CRect& area, int areaLeft);
    void DrawFrame(CDC& dc, const CRect& rect, int frameType) const;
    void DrawButtonIcon(CDC& dc, size_t index, POINT at) const;
    int StatusAreaLeft(CDC& dc, const CRect& area) const;
    int MeasureStatus(CDC& dc) const;
    // The record under a point, with hot, pressed and down states updated; -1 for none.
    int HitTestButtons(POINT point, UINT mouseFlags);
    void OnLButtonDown(POINT point, UINT flags);
    void OnLButtonUp(POINT point);
    void OnMouseMove(POINT point, UINT flags);
    void OnTimer();
    void OnContextMenu(POINT screen) override;
    void OnInitMenu(HMENU menu) const override;
    bool OnCommand(UINT id) override;
    BOOL ValidButton(int index) const { return index >= 0 && index < GetButtonCount(); }

    BYTE m_bMouseDown = 0;
    BOOL m_bTwoArrows = 0;
    BOOL m_bFlat = 0;
    BOOL m_bHoverTimer = 0;
    CString m_strStatus = "是否显示提示文本!";
    BOOL m_bShowStatus = 0;
    BOOL m_bIconRow = 0;
    BOOL m_bCommandButtons = 0;
    signed char m_nCurrentArrow = -1;
    BOOL m_bVisible = 1;
    std::vector<CButton> m_buttons;
    std::vector<HIMAGELIST> m_buttonIcons; // parallel to m_buttons, owned
    int m_nPressedButton = -1;
};
