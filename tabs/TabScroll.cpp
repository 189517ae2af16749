#include "tabs/TabScroll.h"

#include "framework/CDC.h"
#include "framework/MemoryDC.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"
#include "tabs/model/ArrowBarModel.h"

#include <windowsx.h>

#include <algorithm>

using namespace ArrowBarModel;

namespace {

constexpr UINT_PTR kHoverTimer = 0;
constexpr UINT kHoverPeriod = 100;
constexpr int kArrowMenu = 3;
constexpr int kPageItemsFrom = 6; // the menu's own five items and the separator before the pages
constexpr COLORREF kGrey = 0x808080;

void Line(CDC& dc, int x0, int y0, int x1, int y1)
{
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

} // namespace

CTabScroll::CTabScroll(CNorvakCtrl& control) : CBandWindow(control)
{
    // One registration per module, reused by every bar; without it the bar's window is not made
    // and the band lays out without it.
    RegisterWindowClass(kClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

CTabScroll::~CTabScroll()
{
    for (HIMAGELIST icons : m_buttonIcons)
        ::ImageList_Destroy(icons);
}

bool CTabScroll::Create(HWND parent, int id)
{
    return CreateEx(0, kClassName, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), parent, UINT(id));
}

// ---- settings ----

void CTabScroll::SetWindowVisible(BOOL bVisible)
{
    m_bVisible = bVisible ? 1 : 0;
    if (m_hWnd)
        ShowWindow(m_bVisible ? SW_SHOWNORMAL : SW_HIDE);
    RecalcLayout();
}

void CTabScroll::SetFlat(BOOL bFlat)
{
    m_bFlat = bFlat ? 1 : 0;
    Invalidate();
}

void CTabScroll::SetShowStatusInfo(BOOL bShow)
{
    m_bShowStatus = bShow ? 1 : 0;
    RecalcLayout();
    Invalidate();
}

void CTabScroll::SetStatusInfoTransparent(BOOL bTransparent)
{
    m_statusFont.bTransparent = bTransparent;
    Invalidate();
}

void CTabScroll::SetStatusText(const CString& text)
{
    m_strStatus = text;
    RecalcLayout();
    Invalidate();
}

void CTabScroll::SetShowCommandButtons(BOOL bShow)
{
    m_bCommandButtons = bShow ? 1 : 0;
    if (bShow)
        m_bIconRow = 0;
    RecalcLayout();
}

void CTabScroll::SetShowOnlyIcons(BOOL bShow)
{
    m_bIconRow = bShow ? 1 : 0;
    if (bShow)
        m_bCommandButtons = 0;
    RecalcLayout();
}

void CTabScroll::RecalcLayout()
{
    m_control.LayoutChildWindows();
    Invalidate();
}

int CTabScroll::ArrowsWidth() const
{
    return ArrowBarModel::ArrowsWidth(m_bTwoArrows != 0);
}

int CTabScroll::GetDesiredWidth() const
{
    if (!HasStatusArea())
        return ArrowsWidth();
    // The status area lays itself out from the bar's right end: the bar asks for what it holds.
    HDC screen = ::GetDC(nullptr);
    CDC dc(screen);
    int width = ArrowsWidth() + 6;
    if (m_bShowStatus)
        width += MeasureStatus(dc) + 28;
    if (m_bIconRow || m_bCommandButtons) {
        CFont font;
        font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体");
        CSelectObject select(dc, font);
        for (const CButton& button : m_buttons)
            width += dc.GetTextExtent(button.text).cx + 30 + (button.bTrack ? 13 : 0);
    }
    dc.Detach();
    ::ReleaseDC(nullptr, screen);
    return width;
}

bool CTabScroll::IsAtFirstPage() const
{
    return m_control.GetPageStore().GetActive() == 0;
}

bool CTabScroll::IsAtLastPage() const
{
    const CPageStore& pages = m_control.GetPageStore();
    return pages.GetActive() + 1 == pages.GetCount();
}

// ---- painting ----

void CTabScroll::Draw(CDC& dc, const CRect& client)
{
    dc.FillSolidRect(client, m_crBackground);
    const int width = client.Width();
    if (((m_bTwoArrows && width > 40) || (!m_bTwoArrows && width > 80)) && HasStatusArea())
        DrawStatusArea(dc, client);
    {
        CSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
        Line(dc, client.left, client.top, client.right, client.top);
        HWND horz = m_control.GetChildWindow(kIdHorzBar);
        if (m_control.GetTabBand()->IsStripVisible() || (horz && ::IsWindowVisible(horz)))
            Line(dc, client.right - 1, client.top, client.right - 1, client.bottom);
    }
    if (m_bFlat) {
        DrawArrowsFlat(dc, client);
        CPen separator(PS_SOLID, 1, RGB(88, 88, 88));
        CSelectObject pen(dc, separator);
        const int x = ArrowsWidth() - 1;
        Line(dc, x, client.top - 1, x, client.bottom - 1);
    } else {
        DrawArrows3D(dc, client);
    }
}

void CTabScroll::DrawArrows3D(CDC& dc, const CRect& client) const
{
    const int count = ArrowCount(m_bTwoArrows != 0);
    const int active = m_control.GetPageStore().GetActive();
    const int pages = m_control.GetPageStore().GetCount();
    CPen grey(PS_SOLID, 1, kGrey);
    for (int k = 0; k < count; ++k) {
        const int kind = KindAt(k, m_bTwoArrows != 0);
        const bool pushed = m_nCurrentArrow == k;
        const bool acts = CanAct(kind, active, pages);
        CRect cell(kArrowWidth * k, client.top + 1, kArrowWidth * (k + 1), client.top + 19);
        UINT state = kind == kFirst || kind == kPrevious ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
        if (pushed)
            state |= DFCS_PUSHED;
        if (!acts)
            state |= DFCS_INACTIVE;
        ::DrawFrameControl(dc, &cell, DFC_SCROLL, state);
        if (m_bTwoArrows || (kind != kFirst && kind != kLast))
            continue;
        const int shift = pushed ? 1 : 0;
        const int x = (kind == kFirst ? 4 : 62) + shift;
        CSelectObject pen(dc, acts ? ::GetCurrentObject(dc, OBJ_PEN) : static_cast<HGDIOBJ>(grey));
        Line(dc, x, client.top + 6 + shift, x, client.top + 13 + shift);
    }
}

void CTabScroll::DrawArrowsFlat(CDC& dc, const CRect& client) const
{
    const int count = ArrowCount(m_bTwoArrows != 0);
    const int active = m_control.GetPageStore().GetActive();
    const int pages = m_control.GetPageStore().GetCount();
    for (int k = 0; k < count; ++k) {
        const int kind = KindAt(k, m_bTwoArrows != 0);
        const bool acts = CanAct(kind, active, pages);
        const bool current = m_nCurrentArrow == kind;
        const CRect cell(kArrowWidth * k, client.top + 1, kArrowWidth * (k + 1), client.top + 19);
        COLORREF glyph = acts ? RGB(0, 0, 0) : kGrey;
        if (current) {
            CRect hot(cell.left + 2, cell.top + 1, cell.right - 2, cell.bottom - 2);
            if (acts)
                dc.FillSolidRect(hot, m_crHot);
            dc.Draw3dRect(hot, kGrey, kGrey);
            if (acts && m_bMouseDown)
                glyph = RGB(255, 255, 255);
        }
        const int cx = (cell.left + cell.right) / 2;
        const int cy = (cell.top + cell.bottom) / 2;
        const bool backward = kind == kFirst || kind == kPrevious;
        const POINT triangle[3] = {backward ? POINT{cx + 1, cy - 4} : POINT{cx - 1, cy - 4},
                                   backward ? POINT{cx + 1, cy + 2} : POINT{cx - 1, cy + 2},
                                   backward ? POINT{cx - 2, cy - 1} : POINT{cx + 2, cy - 1}};
        CPen pen(PS_SOLID, 1, glyph);
        CBrush brush(glyph);
        CSelectObject selectPen(dc, pen);
        CSelectObject selectBrush(dc, brush);
        dc.Polygon(triangle, 3);
        if (kind == kFirst || kind == kLast) {
            const int x = kind == kFirst ? cx - 3 : cx + 3;
            Line(dc, x, cy + 2, x, cy - 5);
        }
    }
}

int CTabScroll::MeasureStatus(CDC& dc) const
{
    CFont font;
    font.CreateFontIndirect(&m_statusFont.font);
    CSelectObject select(dc, font);
    return dc.GetTextExtent(m_strStatus).cx;
}

int CTabScroll::StatusAreaLeft(CDC& dc, const CRect& area) const
{
    const int textWidth = m_bShowStatus ? MeasureStatus(dc) : 0;
    return ArrowBarModel::StatusAreaLeft(area.right, textWidth, m_bShowStatus != 0, m_bTwoArrows != 0);
}

void CTabScroll::DrawStatusArea(CDC& dc, const CRect& client)
{
    CRect area = client;
    area.top += 2;
    const int left = StatusAreaLeft(dc, area);
    CSaveDC saved(dc);
    dc.IntersectClipRect(ArrowsWidth(), 0, area.right, area.bottom);
    area.bottom -= 1;
    if (m_bIconRow)
        DrawIconRow(dc, area, left);
    if (m_bCommandButtons)
        DrawCommandButtons(dc, area, left);
    if (!m_bShowStatus)
        return;
    CRect text(left, area.top, area.right - 2, area.bottom);
    if (!m_statusFont.bTransparent && m_statusFont.crBackground != kNoBackground) {
        CRect fill = text;
        fill.DeflateRect(1, 1);
        dc.FillSolidRect(fill, m_statusFont.crBackground);
    }
    CFont font;
    font.CreateFontIndirect(&m_statusFont.font);
    CSelectObject select(dc, font);
    dc.SetTextColor(m_statusFont.crText == kNoTextColor ? RGB(0, 0, 0) : m_statusFont.crText);
    dc.SetBkMode(m_statusFont.bTransparent ? TRANSPARENT : OPAQUE);
    if (m_statusFont.crBackground != kNoBackground)
        dc.SetBkColor(m_statusFont.crBackground);
    const UINT align = m_nStatusAlign == 0 ? DT_LEFT : m_nStatusAlign == 1 ? DT_CENTER : DT_RIGHT;
    CRect textRect(text.left + 4, text.top, text.right, text.bottom);
    dc.DrawText(m_strStatus, &textRect, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | align);
    DrawFrame(dc, CRect(left, area.top, area.right, area.bottom), m_nStatusFrame);
}

void CTabScroll::DrawFrame(CDC& dc, const CRect& rect, int frameType) const
{
    const COLORREF ltDefault = frameType == 4 ? RGB(255, 255, 255) : kGrey;
    const COLORREF rbDefault = frameType == 3 ? RGB(255, 255, 255) : kGrey;
    const COLORREF lt = m_bLeftTopDefault ? ltDefault : m_crLeftTop;
    const COLORREF rb = m_bRightBottomDefault ? rbDefault : m_crRightBottom;
    switch (frameType) {
    case 1: {
        CPen pen(PS_SOLID, 1, lt);
        CSelectObject select(dc, pen);
        Line(dc, rect.left, rect.top, rect.left, rect.bottom);
        Line(dc, rect.right, rect.top, rect.right, rect.bottom);
        break;
    }
    case 2:
    case 3:
    case 4:
        dc.Draw3dRect(rect, lt, rb);
        break;
    default:
        break;
    }
}

// ---- clicks and hover ----

LRESULT CTabScroll::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    const POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
    case WM_PAINT: {
        CPaintDC paint(m_hWnd);
        const CRect client = GetClientRect();
        CMemoryDC memory(paint, client.Size());
        Draw(memory, client);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_LBUTTONDOWN:
        OnLButtonDown(point, UINT(wp));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(point);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(point, UINT(wp));
        return 0;
    case WM_TIMER:
        if (wp == kHoverTimer)
            OnTimer();
        break;
    default:
        break;
    }
    return CBandWindow::WindowProc(msg, wp, lp);
}

void CTabScroll::RepaintArrows()
{
    const CRect cells(0, 0, ArrowsWidth(), kArrowHeight);
    InvalidateRect(&cells, false);
}

void CTabScroll::OnLButtonDown(POINT point, UINT flags)
{
    Default();
    m_bMouseDown = 1;
    SetCapture();
    m_nPressedButton = m_bCommandButtons ? HitTestButtons(point, flags) : -1;
    const int index = ArrowIndexAt(point.x);
    const int kind = KindAt(index, m_bTwoArrows != 0);
    if (kind < 0)
        return;
    const CPageStore& pages = m_control.GetPageStore();
    m_nCurrentArrow = static_cast<signed char>(CurrentArrow(index, m_bTwoArrows != 0, m_bFlat != 0));
    m_control.ActivatePage(TargetPage(kind, pages.GetActive(), pages.GetCount()), FALSE);
    RepaintArrows();
}

void CTabScroll::OnLButtonUp(POINT point)
{
    if (HasCapture())
        ::ReleaseCapture();
    m_nCurrentArrow = -1;
    if (m_bMouseDown) {
        m_bMouseDown = 0;
        if (m_bCommandButtons)
            HitTestButtons(point, 0);
        RepaintArrows();
    }
    m_nPressedButton = -1;
    Default();
}

void CTabScroll::OnMouseMove(POINT point, UINT flags)
{
    if (!m_bHoverTimer) {
        SetTimer(kHoverTimer, kHoverPeriod);
        m_bHoverTimer = 1;
    }
    const bool buttonUp = !(flags & MK_LBUTTON);
    if (m_bCommandButtons && (m_nPressedButton >= 0 || buttonUp))
        HitTestButtons(point, m_bMouseDown ? flags : 0);
    if (m_bFlat && (m_nPressedButton < 0 || buttonUp)) {
        const int index = ArrowIndexAt(point.x);
        if (!m_bTwoArrows && index > 3) {
            Default();
            return;
        }
        m_nCurrentArrow = static_cast<signed char>(CurrentArrow(index, m_bTwoArrows != 0, true));
        RepaintArrows();
        return;
    }
    Default();
}

void CTabScroll::OnTimer()
{
    POINT point{};
    ::GetCursorPos(&point);
    ScreenToClient(point);
    if (!CRect(0, 0, ArrowsWidth(), kArrowHeight).PtInRect(point) && !m_bMouseDown) {
        m_bHoverTimer = 0;
        m_nCurrentArrow = -1;
        Invalidate(false);
        KillTimer(kHoverTimer);
    }
    if (!GetClientRect().PtInRect(point) && !m_bMouseDown)
        HitTestButtons(POINT{-1, -1}, 0);
}

// ---- the menu ----

void CTabScroll::OnContextMenu(POINT screen)
{
    OpenMenu(kArrowMenu, screen);
}

void CTabScroll::OnInitMenu(HMENU menu) const
{
    const CPageStore& pages = m_control.GetPageStore();
    if (m_control.GetTabBand()->IsStripVisible() && pages.GetCount() > 0) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        for (int i = 0; i < pages.GetCount(); ++i)
            if (const CNorvakPage* page = pages.GetPage(i))
                ::AppendMenuW(menu, MF_STRING, ID_PAGE_LIST_FIRST + i, page->m_strTitle.ToWide().c_str());
    }
    auto check = [menu](UINT id, bool on) { ::CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : 0)); };
    check(m_bTwoArrows ? ID_ARROWS_TWO : ID_ARROWS_FOUR, true);
    check(m_bFlat ? ID_ARROWS_FLAT : ID_ARROWS_3D, true);
    const CNorvakPage* active = pages.GetPage(-1);
    if (!active)
        return;
    const std::wstring title = active->m_strTitle.ToWide();
    for (int pos = kPageItemsFrom; pos < ::GetMenuItemCount(menu); ++pos) {
        wchar_t text[256] = {};
        ::GetMenuStringW(menu, UINT(pos), text, 256, MF_BYPOSITION);
        if (title == text) {
            ::CheckMenuItem(menu, UINT(pos), MF_BYPOSITION | MF_CHECKED);
            break;
        }
    }
}

bool CTabScroll::OnCommand(UINT id)
{
    // Page items are numbered from 2024; any other command names no page, which activation ignores.
    m_control.ActivatePage(int(id) - ID_PAGE_LIST_FIRST, FALSE);
    switch (id) {
    case ID_ARROWS_FLAT:
        if (!m_bFlat)
            SetFlat(TRUE);
        return true;
    case ID_ARROWS_3D:
        if (m_bFlat)
            SetFlat(FALSE);
        return true;
    case ID_ARROWS_TWO:
    case ID_ARROWS_FOUR:
        if ((id == ID_ARROWS_TWO) != (m_bTwoArrows != 0)) {
            m_bTwoArrows = id == ID_ARROWS_TWO;
            RecalcLayout();
        }
        return true;
    default:
        return id >= UINT(ID_PAGE_LIST_FIRST) && int(id) - ID_PAGE_LIST_FIRST < m_control.GetPageStore().GetCount();
    }
}
