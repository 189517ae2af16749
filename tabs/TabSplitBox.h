#pragma once

// The raised handle between the tab area and the horizontal scroll bar. Dragging it moves the
// boundary: the control keeps the new width of the horizontal bar for its later layouts. The
// control's tab band owns it; its window goes with the control's.

#include "framework/Wnd.h"

class CDC;
class CNorvakCtrl;

class CTabSplitBox : public CWnd
{
public:
    explicit CTabSplitBox(CNorvakCtrl& control) : m_control(control) {}

    bool Create(HWND parent, int id);
    void Draw(CDC& dc, const CRect& client) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnMouseMove(POINT point, UINT flags);

    CNorvakCtrl& m_control;
    CRect m_rcControl;
    BOOL m_bArrowsVisible = 1; // as they were when the drag began
    BOOL m_bStripVisible = 1;
};
