#include "tabs/PageTitle.h"

#include "framework/CDC.h"
#include "framework/MemoryDC.h"
#include "framework/SaturatedInt.h"
#include "sheet/NorvakCtrl.h"
#include "tabs/NorvakTabBand.h"
#include "tabs/model/TabGeometry.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

constexpr wchar_t kClassName[] = L"NorvakPageTitle";
constexpr UINT_PTR kHoverTimer = 0;
constexpr UINT kHoverPeriod = 100;

// A tab's text colour as the DC takes it: a font record without a colour draws in the button text
// colour.
COLORREF DrawingColour(COLORREF stored)
{
    return stored == kNoTextColor ? ::GetSysColor(COLOR_BTNTEXT) : stored;
}

void FillPolygon(CDC& dc, const POINT (&points)[4], int fillMode, COLORREF color)
{
    CRgn region;
    CBrush brush(color);
    if (region.CreatePolygonRgn(points, 4, fillMode))
        ::FillRgn(dc, region, brush);
}

// The shaded bands along a tab's left, bottom and right edges.
struct CEdgeBands
{
    POINT left[4];
    POINT bottom[4];
    POINT right[4];
    COLORREF leftColour, bottomColour, rightColour;
};

CEdgeBands TrapezoidBands(int l, int t, int r, int b, bool active)
{
    return {{{l, t}, {l + 8, b}, {l + 11, b - 2}, {l + 2, t}},
            {{l + 8, b}, {r - 8, b}, {r - 10, b - 2}, {l + 11, b - 2}},
            {{r - 8, b}, {r, t}, {r - (active ? 2 : 3), t}, {r - 10, b - 2}},
            active ? RGB(130, 130, 130) : RGB(255, 255, 255),
            active ? RGB(180, 180, 180) : RGB(225, 225, 225),
            active ? RGB(210, 210, 210) : RGB(160, 160, 160)};
}

CEdgeBands RectangleBands(int l, int t, int r, int b, bool active)
{
    return {{{l, t}, {l, b}, {l + 4, b - 4}, {l + 3, t}},
            {{l, b}, {r, b}, {r - 4, b - 4}, {l + 4, b - 4}},
            {{r, b}, {r, t}, {r - 4, t}, {r - 4, b - 4}},
            active ? RGB(100, 100, 100) : RGB(255, 255, 255),
            active ? RGB(240, 240, 240) : RGB(225, 225, 225),
            active ? RGB(240, 240, 240) : RGB(160, 160, 160)};
}

} // namespace

bool CPageTitle::Create(HWND parent, int id)
{
    RegisterWindowClass(kClassName, CS_DBLCLKS);
    return CreateEx(0, kClassName, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), parent, UINT(id));
}

CNorvakPage* CPageTitle::PageAt(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_control.GetPage(nPage) : nullptr;
}

int CPageTitle::GetPageCount() const
{
    return m_control.GetPageStore().GetCount();
}

LRESULT CPageTitle::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    const POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_SIZE:
        OnSize(LOWORD(lp));
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(point);
        break;
    case WM_TIMER:
        if (wp == kHoverTimer)
            OnTimer();
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(point);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(point);
        return 0;
    case WM_SETTEXT:
        // The rename edit's result.
        if (lp)
            SetPageTitle(m_control.GetPageStore().GetActive(), CString::FromWide(reinterpret_cast<const wchar_t*>(lp)));
        m_bInteractive = 1;
        return 0;
    default:
        break;
    }
    return CBandWindow::WindowProc(msg, wp, lp);
}

// ---- painting ----

void CPageTitle::OnPaint()
{
    CPaintDC paint(m_hWnd);
    const CRect client = GetClientRect();
    CMemoryDC memory(paint, client.Size());
    Draw(memory, client);
}

void CPageTitle::LayoutTabs()
{
    SettleTabs();
    LayTabsOut();
}

void CPageTitle::LayTabsOut()
{
    HDC dc = ::GetDC(m_hWnd);
    LayTabsOut(dc, GetClientRect());
    ::ReleaseDC(m_hWnd, dc);
}

void CPageTitle::LayTabsOut(HDC dc, const CRect& client)
{
    {
        TabGeometry::CTitleMeasure measure(dc);
        TabGeometry::LayoutTabs(m_control.GetPageStore(), std::ref(measure));
    }
    // The vertical extents as the next paint stores them, so a tab can be hit before it is drawn.
    m_control.GetPageStore().ForEachPage([&](int, CNorvakPage& page) {
        int bottom = client.bottom;
        if (!page.m_bDefaultTabHeight)
            bottom = std::min<int>(client.bottom, client.top + page.m_nTabHeight);
        page.m_nTabTop = client.top;
        page.m_nTabBottom = bottom - 2;
    });
}

void CPageTitle::SettleTabs()
{
    const int page = std::exchange(m_nPendingScroll, -1);
    if (page >= 0)
        ScrollTabIntoView(page);
}

void CPageTitle::Draw(CDC& dc, const CRect& client)
{
    dc.FillSolidRect(client, m_crBackground);
    {
        CSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
        dc.MoveTo(client.left, client.top);
        dc.LineTo(client.right, client.top);
    }
    SettleTabs();
    LayTabsOut(dc, client);
    const int active = m_control.GetPageStore().GetActive();
    CNorvakPage* activePage = nullptr;
    m_control.GetPageStore().ForEachPage([&](int index, CNorvakPage& page) {
        // Tabs scrolled out of the strip leave no mark on it.
        if (page.m_nTabRight < client.left || page.m_nTabLeft > client.right)
            return;
        if (index == active)
            activePage = &page;
        else
            DrawTab(dc, page, client, false);
    });
    // Drawn last, the active tab lies over its neighbours.
    if (activePage)
        DrawTab(dc, *activePage, client, true);
}

void CPageTitle::DrawTab(CDC& dc, CNorvakPage& page, const CRect& client, bool active) const
{
    if (m_nTabType != 0 && m_nTabType != 1)
        return;
    int bottom = client.bottom;
    if (!page.m_bDefaultTabHeight)
        bottom = std::min<int>(client.bottom, client.top + page.m_nTabHeight);
    page.m_nTabTop = client.top;
    page.m_nTabBottom = bottom - 2;
    const CRect tab(page.m_nTabLeft, client.top, page.m_nTabRight, bottom - 2);
    DrawTabBody(dc, page, tab, active);
    DrawTabFace(dc, page, tab, active);
}

void CPageTitle::DrawTabBody(CDC& dc, const CNorvakPage& page, const CRect& tab, bool active) const
{
    const int l = tab.left, t = tab.top, r = tab.right, b = tab.bottom;
    const bool trapezoid = m_nTabType == 0;
    const POINT body[4] = {{l, t}, {l + 8, b}, {r - 8, b}, {r, t}};
    CRgn region;
    if (trapezoid)
        region.CreatePolygonRgn(body, 4, WINDING);
    else
        region.CreateRectRgn(l, t, r, b);
    auto fill = [&](COLORREF color) {
        CBrush brush(color);
        ::FillRgn(dc, region, brush);
    };
    if (active) {
        fill(RGB(255, 255, 255));
    } else {
        fill(m_crBackground);
        if (!page.m_tabFont.bTransparent && page.m_tabFont.crBackground != kNoBackground)
            fill(page.m_tabFont.crBackground);
    }
    if (m_b3DFace) {
        const CEdgeBands bands = trapezoid ? TrapezoidBands(l, t, r, b, active) : RectangleBands(l, t, r, b, active);
        FillPolygon(dc, bands.left, ALTERNATE, bands.leftColour);
        FillPolygon(dc, bands.bottom, ALTERNATE, bands.bottomColour);
        FillPolygon(dc, bands.right, ALTERNATE, bands.rightColour);
    }
    CSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
    const POINT outline[5] = {{l, t}, trapezoid ? POINT{l + 8, b} : POINT{l, b},
                              trapezoid ? POINT{r - 8, b} : POINT{r, b}, {r, t}, {l, t}};
    // The active tab is open at the top, joined to the page above it.
    dc.Polyline(outline, active ? 4 : 5);
}

void CPageTitle::DrawTabFace(CDC& dc, const CNorvakPage& page, const CRect& tab, bool active) const
{
    (void)active;
    CFont font;
    font.CreateFontIndirect(&page.m_tabFont.font);
    CSelectObject selectFont(dc, font);
    COLORREF textColour = DrawingColour(page.m_tabFont.crText);
    CRect text = tab;
    if (const auto icon = TabGeometry::IconOf(page.m_tabIcons.GetCount(), page.m_nTabIconState)) {
        text.left += TabGeometry::kIconRoom;
        if (icon->blueText)
            textColour = RGB(0, 0, 255);
        ::ImageList_Draw(page.m_tabIcons.Get(), icon->index, dc, tab.left + 12, tab.top + 1, icon->style);
    }
    const COLORREF oldColour = dc.SetTextColor(textColour);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(page.m_strTitle, &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldColour);
}

// ---- size, hover and clicks ----

void CPageTitle::OnSize(int width)
{
    if (m_nLastWidth >= 0 && width > m_nLastWidth) {
        // An activation brings its tab into view before it lays the control out, and again after:
        // when the layout widens the strip, the first happens here, in the width the strip had.
        if (PageAt(m_nPendingScroll)) {
            LayTabsOut();
            CRect before = GetClientRect();
            before.right = before.left + m_nLastWidth;
            BringIntoView(m_nPendingScroll, before);
        }
        const CPageStore& pages = m_control.GetPageStore();
        const CNorvakPage* first = pages.GetPage(0);
        const CNorvakPage* last = pages.GetPage(pages.GetCount() - 1);
        if (first && last) {
            const int shift = TabGeometry::WideningShift(width, m_nLastWidth, first->m_nTabLeft, last->m_nTabRight);
            if (shift)
                TabGeometry::ShiftTabs(pages, shift);
        }
    }
    m_nLastWidth = width;
}

void CPageTitle::OnMouseMove(POINT point)
{
    m_lastMouse = point;
    SetTimer(kHoverTimer, kHoverPeriod);
    UpdateHotTab(point.x, point.y, FALSE);
}

void CPageTitle::OnTimer()
{
    POINT point{};
    ::GetCursorPos(&point);
    ScreenToClient(point);
    m_lastMouse = point;
    if (!GetClientRect().PtInRect(point)) {
        UpdateHotTab(point.x, point.y, FALSE);
        KillTimer(kHoverTimer);
    }
}

int CPageTitle::TabAt(POINT point)
{
    SettleTabs();
    int hit = -1;
    m_control.GetPageStore().ForEachPage([&](int index, const CNorvakPage& page) {
        if (TabGeometry::BodyContains(page, point))
            hit = index;
    });
    return hit;
}

void CPageTitle::OnLButtonDown(POINT point)
{
    SetFocus();
    Default();
    if (TabAt(point) >= 0)
        UpdateHotTab(point.x, point.y, TRUE);
}

void CPageTitle::OnLButtonDblClk(POINT point)
{
    Default();
    if (!m_bInteractive || TabAt(point) < 0)
        return;
    UpdateHotTab(point.x, point.y, TRUE);
    OnRenamePage();
}

void CPageTitle::UpdateHotTab(int x, int y, BOOL bClick)
{
    if (!m_bInteractive)
        return;
    SettleTabs();
    const POINT point{x, y};
    for (int i = 0; i < GetPageCount(); ++i) {
        CNorvakPage* page = PageAt(i);
        if (!page)
            continue;
        int& state = page->m_nTabIconState;
        if (bClick) {
            // Every tab under the point is activated in turn: in the overlap of two neighbours the
            // higher index ends active.
            if (TabGeometry::BodyContains(*page, point)) {
                if (state >= 0)
                    state = 2;
                ActivatePage(i, FALSE);
            } else if (state == 2) {
                state = 0;
            }
            continue;
        }
        const bool inside = TabGeometry::BoundsContain(*page, point);
        if (inside && state != 1 && state != 2 && state >= 0) {
            state = 1;
            Invalidate();
        } else if (!inside && state == 1) {
            state = 0;
            Invalidate();
        }
    }
}

// ---- activation and scrolling ----

BOOL CPageTitle::ActivatePage(int nPage, BOOL bForce)
{
    CPageStore& pages = m_control.GetPageStore();
    if (!PageAt(nPage)) {
        Invalidate();
        return FALSE;
    }
    // The tab comes into view when the tabs are next laid out: at the next paint, or first when
    // someone asks where a tab is. Many activations in a row, as opening a file of many pages
    // makes, lay the tabs out once, for the strip's final width.
    m_nPendingScroll = nPage;
    // The arrows that can act follow the active page and the page count.
    TabBandOf(m_control)->Arrows()->RepaintArrows();
    if (nPage == pages.GetActive() && !bForce) {
        Invalidate();
        return TRUE;
    }
    // The keyboard follows the page into the strip only when it is within the control already: an
    // activation from automation or at start-up takes it from nobody.
    if (HWND focus = m_hWnd ? ::GetFocus() : nullptr;
        focus && (focus == m_control.m_hWnd || ::IsChild(m_control.m_hWnd, focus)))
        SetFocus();
    m_control.ClearPendingCut();
    const int previous = pages.GetActive();
    pages.SetActive(nPage);
    // The layout gives the horizontal bar the vertical bar's room as the new page needs it.
    m_control.ResetScrollBars(nPage);
    MarkActiveIcons(previous, nPage);
    // A held layout repaints the control and its windows once, when it is let go.
    if (!m_control.IsLayoutHeld()) {
        m_control.InvalidateControl();
        Invalidate();
    }
    return TRUE;
}

// Icon state 2 goes from the page that was active to the new one: only the active page holds it.
void CPageTitle::MarkActiveIcons(int previous, int active)
{
    if (CNorvakPage* page = PageAt(previous); page && previous != active && page->m_nTabIconState == 2)
        page->m_nTabIconState = 0;
    if (CNorvakPage* page = PageAt(active); page && page->m_nTabIconState != -1)
        page->m_nTabIconState = 2;
}

void CPageTitle::ScrollTabIntoView(int nPage)
{
    SettleTabs();
    if (!PageAt(nPage) || !m_hWnd)
        return;
    // A tab is where the next paint puts it; a new page's tab has not been laid out yet.
    LayTabsOut();
    BringIntoView(nPage, GetClientRect());
}

void CPageTitle::BringIntoView(int nPage, const CRect& client)
{
    const CNorvakPage& page = *PageAt(nPage);
    const auto left = TabGeometry::ScrollIntoViewLeft(client.left, client.right, page.m_nTabLeft, page.m_nTabRight);
    if (!left)
        return;
    const int width = SubtractSaturated(page.m_nTabRight, page.m_nTabLeft);
    TabGeometry::MoveTabs(m_control.GetPageStore(), nPage,
                          CRect(*left, page.m_nTabTop, AddSaturated(*left, width), page.m_nTabBottom));
}

BOOL CPageTitle::GetTabRect(int nPage, RECT* rect)
{
    SettleTabs();
    const CNorvakPage* page = PageAt(nPage);
    if (!page || !rect)
        return FALSE;
    *rect = CRect(page->m_nTabLeft, page->m_nTabTop, page->m_nTabRight, page->m_nTabBottom);
    return TRUE;
}

BOOL CPageTitle::MoveTabs(int nPage, const RECT& rcNew)
{
    SettleTabs();
    if (!PageAt(nPage))
        return FALSE;
    return TabGeometry::MoveTabs(m_control.GetPageStore(), nPage, rcNew);
}
