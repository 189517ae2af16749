// Scrolling a page. Positions are pixels of the scrolling band, which starts after the fixed and
// the locked rows (columns). Whatever scrolls a page (its scroll bars, the wheel, a cell brought
// into view, a range that shrinks), the position changes in SetScrollPosition alone, which moves
// the page's charts as far as its cells.

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
    SetScrollPosition(ref, horizontal, pos);
    LayoutChildWindows();
    InvalidateControl();
}

void CNorvakCtrl::SetScrollPosition(const PageRef& ref, bool horizontal, int pos)
{
    int& stored = horizontal ? ref.page->m_nHorzPos : ref.page->m_nVertPos;
    if (pos == stored)
        return;
    const int distance = SheetModel::ScrolledDistance(*ref.page, horizontal, stored, pos);
    stored = pos;
    MoveChartsWithScroll(ref.index, horizontal, distance);
}

void CNorvakCtrl::SetScrollPosition(const PageRef& ref, CPoint pos)
{
    SetScrollPosition(ref, true, pos.x);
    SetScrollPosition(ref, false, pos.y);
}

void CNorvakCtrl::EnsureVisible(int page, int row, int col, CEnsureKind kind)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !ref.page->IsValidCell(row, col))
        return;
    const CPoint before(ref.page->m_nHorzPos, ref.page->m_nVertPos);
    const CPoint after = GetPageGeometry(ref).PositionShowing(row, col, kind);
    if (ref.index != m_pageStore.GetActive() || !m_hWnd) {
        SetScrollPosition(ref, after);
        return;
    }
    // The active page's window follows in one step, as its scroll bars would.
    if (after.x != before.x)
        ScrollTo(true, after.x);
    if (after.y != before.y)
        ScrollTo(false, after.y);
}
