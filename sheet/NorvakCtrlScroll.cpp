// Scrolling the active page with its scroll bars. Positions are pixels of the scrolling band,
// which starts after the fixed and the locked rows (columns).

#include "sheet/NorvakCtrl.h"
#include "sheet/model/ScrollRanges.h"

void CNorvakCtrl::OnScroll(bool horizontal, int code)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return;
    ::SetFocus(m_hWnd);
    CCtrlScrollBar& bar = horizontal ? m_horzBar : m_vertBar;
    // The message carries only 16 bits of a dragged thumb's position; the bar has all 32.
    const std::optional<int> pos =
        SheetModel::ScrollPosition(*ref.page, horizontal, code, bar.GetPageSize(), bar.GetTrackPosition());
    if (pos)
        ScrollTo(horizontal, *pos);
}

void CNorvakCtrl::ScrollTo(bool horizontal, int pos)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return;
    (horizontal ? m_horzBar : m_vertBar).SetPosition(pos);
    int& stored = horizontal ? ref.page->m_nHorzPos : ref.page->m_nVertPos;
    const int distance = pos - stored;
    stored = pos;
    MoveChartsWithScroll(horizontal, distance);
    LayoutChildWindows();
    InvalidateControl();
}
