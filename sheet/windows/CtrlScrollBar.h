#pragma once

// The control's scroll bar: a child window that remembers whether it was last shown, so that the
// layout asks the flag, not the window.

#include "sheet/windows/ChildWindow.h"

class CCtrlScrollBar : public CChildWindow
{
public:
    void ShowScrollBar(bool show);
    bool IsShown() const { return m_bShown; }
    void Enable(bool enable) const;
    // Positions 0 .. range, with a thumb of page: the bar reaches range itself.
    void SetScrollData(int range, int page, int position) const;
    void SetPosition(int position) const;
    // The 32-bit position of a dragged thumb.
    int GetTrackPosition() const;
    int GetPageSize() const;

private:
    bool m_bShown = true;
};
