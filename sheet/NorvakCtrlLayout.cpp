// The child windows along the bottom and right edges and the layout that places them for the
// scroll ranges of the active page.

#include "sheet/NorvakCtrl.h"
#include "sheet/model/ScrollRanges.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kBandHeight = 19;
constexpr int kScrollRowHeight = 18;
constexpr int kSplitBoxWidth = 5;

} // namespace

void CNorvakCtrl::CreateChildWindows()
{
    m_tabBand->Create(m_hWnd);
    m_horzBar.Create(L"SCROLLBAR", SBS_HORZ, m_hWnd, kIdHorzBar);
    m_vertBar.Create(L"SCROLLBAR", SBS_VERT, m_hWnd, kIdVertBar);
}

HWND CNorvakCtrl::GetChildWindow(CChildWindowId id) const
{
    // The control holds every one of its child windows: no walk over the window tree, which costs a
    // trip to the system per window, for a question the layout and the geometry ask all the time.
    if (!m_hWnd)
        return nullptr;
    switch (id) {
    case kIdHorzBar:
        return m_horzBar.GetSafeHwnd();
    case kIdVertBar:
        return m_vertBar.GetSafeHwnd();
    default:
        return m_tabBand->GetWindowOf(id);
    }
}

void CNorvakCtrl::OnSize(int width, int height)
{
    Default();
    ResetScrollBars(m_pageStore.GetActive(), width, height);
}

void CNorvakCtrl::ResetScrollBars(int page)
{
    if (!m_hWnd)
        return;
    CRect client = GetClientRect();
    ResetScrollBars(page, client.Width(), client.Height());
}

void CNorvakCtrl::ResetScrollBars(int page, int clientWidth, int clientHeight)
{
    PageRef ref = GetPageRef(page);
    if (!ref) {
        LayoutChildWindows();
        return;
    }
    SheetModel::SetScrollRanges(*ref.page, clientWidth, clientHeight, ::GetSystemMetrics(SM_CXHSCROLL));
    SetScrollPosition(ref, SheetModel::PositionsInRange(*ref.page));
    if (ref.index == m_pageStore.GetActive())
        LayoutChildWindows();
}

void CNorvakCtrl::RecalcFirstVisibleCell(int page)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return;
    // The control window has no scroll bars of its own, so its positions are 0 and the first body
    // cell is the first visible one.
    const int horzPos = m_hWnd ? ::GetScrollPos(m_hWnd, SB_HORZ) : 0;
    const int vertPos = m_hWnd ? ::GetScrollPos(m_hWnd, SB_VERT) : 0;
    ref.page->m_firstVisibleCell = SheetModel::FirstVisibleCell(*ref.page, horzPos, vertPos);
}

CNorvakCtrl::CLayoutHold::~CLayoutHold()
{
    if (--m_control.m_nLayoutHolds > 0)
        return;
    if (std::exchange(m_control.m_bLayoutDue, false))
        m_control.LayoutChildWindows();
    // The repaints held back on the way, the child windows' among them.
    if (m_control.m_hWnd)
        ::RedrawWindow(m_control.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    else
        m_control.InvalidateControl();
}

bool CNorvakCtrl::IsHorzBarPlaced() const
{
    const CNorvakPage* page = GetPageRef(-1).page;
    return m_horzBar.IsShown() && page && page->m_nHorzRange >= 1;
}

void CNorvakCtrl::LayoutChildWindows()
{
    if (!m_hWnd)
        return;
    if (m_nLayoutHolds > 0) {
        m_bLayoutDue = true;
        return;
    }
    const CNorvakPage* page = GetPageRef(-1).page;
    const int horzRange = page ? page->m_nHorzRange : 0;
    const int vertRange = page ? page->m_nVertRange : 0;
    const int barWidth = ::GetSystemMetrics(SM_CXHSCROLL);
    const CRect client = GetClientRect();
    const int bandTop = client.bottom - kBandHeight;
    const int rowTop = client.bottom - kScrollRowHeight;
    const bool horzShown = IsHorzBarPlaced();

    const bool arrowsShown = m_tabBand->IsArrowBarVisible();
    const bool stripShown = m_tabBand->IsStripVisible();
    const int arrowsMin = arrowsShown ? m_tabBand->GetArrowsRight() : 0;
    const int bandRight = client.right - (vertRange > 0 ? barWidth : 0);
    // The width setting holds with a vertical bar shown; without one the horizontal bar takes the
    // bar's room too, so the tab strip keeps its room whatever page is shown or how its rows change.
    const int horzWidth = m_nHorzScrollWidth + (vertRange > 0 ? 0 : barWidth);
    const int splitLeft = horzShown ? std::max(bandRight - horzWidth, arrowsMin)
                                    : std::max(bandRight - kSplitBoxWidth, arrowsMin);
    // A status area widens the arrow bar up to the split box; a hidden strip leaves it all its room.
    int arrowRight = 0;
    if (arrowsShown)
        arrowRight = stripShown ? std::min(std::max(m_tabBand->GetArrowBarWidth(), arrowsMin), splitLeft) : splitLeft;
    m_tabBand->Place(CRect(0, bandTop, arrowRight, client.bottom), CRect(arrowRight, bandTop, splitLeft, client.bottom),
                     CRect(splitLeft, rowTop, splitLeft + kSplitBoxWidth, client.bottom));
    m_horzBar.Move(horzShown ? CRect(splitLeft + kSplitBoxWidth, rowTop, bandRight, client.bottom) : CRect());
    m_nScrollRowHeight = horzShown ? kScrollRowHeight : 0;

    // A bar's page is the part of the page it shows: a page key or a click beside the thumb moves
    // by a screen of cells.
    const bool bandShown = arrowsShown || stripShown || horzShown;
    const int bodyBottom = client.bottom - (bandShown ? kBandHeight : m_nScrollRowHeight);
    const int horzPage = page ? SheetModel::PageSize(*page, true, bandRight) : kScrollPage;
    const int vertPage = page ? SheetModel::PageSize(*page, false, bodyBottom) : kScrollPage;
    m_horzBar.Enable(horzRange > 0);
    if (horzRange > 0)
        m_horzBar.SetScrollData(horzRange, horzPage, page->m_nHorzPos);

    const int vertBottom = client.bottom - (m_nScrollRowHeight ? barWidth + 2 : 0);
    m_vertBar.Move(vertRange >= 1 ? CRect(client.right - barWidth, 0, client.right, vertBottom) : CRect());
    m_vertBar.SetScrollData(std::max(vertRange, 0), vertPage, page ? page->m_nVertPos : 0);

    m_nHorzRange = horzRange;
    m_nVertRange = vertRange;
    if (page)
        AdjustMergesToLockedArea(m_pageStore.GetActive());
}

void CNorvakCtrl::MoveSplitBox(int left)
{
    if (!m_hWnd || !IsHorzBarPlaced())
        return;
    // The setting is the room right of the box with a vertical bar shown; the layout gives the bar
    // its own room back when none is.
    m_nHorzScrollWidth = GetClientRect().right - ::GetSystemMetrics(SM_CXHSCROLL) - left;
    LayoutChildWindows();
}
