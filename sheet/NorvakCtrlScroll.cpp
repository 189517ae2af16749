// Scrolling the active page with its scroll bars. Positions are pixels of the scrolling band,
// which starts after the fixed and the locked rows (columns).

#include "sheet/NorvakCtrl.h"

#include <algorithm>

namespace {

// The page seen along one scroll direction.
struct ScrollAxis
{
    bool horizontal;
    CNorvakPage& page;

    int& Position() const { return horizontal ? page.m_nHorzPos : page.m_nVertPos; }
    int Range() const { return horizontal ? page.m_nHorzRange : page.m_nVertRange; }
    int Count() const { return horizontal ? page.m_nCols : page.m_nRows; }
    int Fixed() const { return horizontal ? page.m_nFixedCols : page.m_nFixedRows; }
    int Locked() const { return horizontal ? page.m_nLockedCols : page.m_nLockedRows; }
    int Size(int index) const
    {
        return std::max(horizontal ? page.GetColumnWidth(index) : page.GetRowHeight(index), 0);
    }
    // Pixels from the start of the scrolling band to the start of index.
    int Offset(int index) const
    {
        int sum = 0;
        for (int i = Fixed() + Locked(); i < index; ++i)
            sum += Size(i);
        return sum;
    }
    // The first row (column) of the scrolling band at the current position.
    int FirstVisible() const
    {
        int index = Fixed() + Locked();
        for (int sum = 0; index < Count() - 1; ++index) {
            sum += Size(index);
            if (sum > Position())
                break;
        }
        return index;
    }
};

} // namespace

void CNorvakCtrl::OnScroll(bool horizontal, int code, int position)
{
    CNorvakPage* page = GetPage(-1);
    if (!page)
        return;
    ::SetFocus(m_hWnd);
    const ScrollAxis axis{horizontal, *page};
    CCtrlScrollBar& bar = horizontal ? m_horzBar : m_vertBar;
    const int first = axis.FirstVisible();
    const int range = axis.Range();
    int pos = axis.Position();
    switch (code) {
    case SB_LINEUP: // SB_LINELEFT
        if (first <= axis.Fixed() + axis.Locked())
            return;
        pos = axis.Offset(first - 1);
        break;
    case SB_LINEDOWN: // SB_LINERIGHT
        if (first - axis.Locked() >= axis.Count() - 1)
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
    axis.Position() = pos;
    LayoutChildWindows();
    InvalidateControl();
}
