// Scrolling the active page with its scroll bars. Positions are pixels of the scrolling band,
// which starts after the fixed and the locked rows (columns).

#include "sheet/NorvakCtrl.h"
#include "sheet/model/PageAxis.h"

#include <algorithm>

void CNorvakCtrl::OnScroll(bool horizontal, int code, int position)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return;
    CNorvakPage* page = ref.page;
    ::SetFocus(m_hWnd);
    // The first shown index is the one painting and hit testing start the band with.
    const CPageAxis axis = horizontal ? CPageAxis::Cols(*page) : CPageAxis::Rows(*page);
    int& stored = horizontal ? page->m_nHorzPos : page->m_nVertPos;
    const int range = horizontal ? page->m_nHorzRange : page->m_nVertRange;
    CCtrlScrollBar& bar = horizontal ? m_horzBar : m_vertBar;
    const int first = axis.FirstScroll();
    int pos = stored;
    switch (code) {
    case SB_LINEUP: // SB_LINELEFT
        if (first <= axis.ScrollBandFirst())
            return;
        pos = axis.ScrollOffset(first - 1);
        break;
    case SB_LINEDOWN: // SB_LINERIGHT
        if (first - axis.locked >= axis.count - 1)
            return;
        pos = std::min(pos + axis.Size(first), range);
        break;
    case SB_PAGEUP:
        pos = std::max(pos - bar.GetPageSize(), 0);
        break;
    case SB_PAGEDOWN:
        pos = std::min(pos + bar.GetPageSize(), range);
        break;
    case SB_THUMBTRACK:
        // The message carries only 16 bits of the position.
        pos = bar.GetTrackPosition();
        break;
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = std::max(range, 0);
        break;
    default:
        (void)position;
        return;
    }
    bar.SetPosition(pos);
    stored = pos;
    LayoutChildWindows();
    InvalidateControl();
}
