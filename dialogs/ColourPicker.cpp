#include "dialogs/ColourPicker.h"

#include "dialogs/ColourPickerPopup.h"
#include "dialogs/PickerMessages.h"
#include "drawing/CPenMaker.h"
#include "framework/MemoryDC.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kHoverTimer = 0;
constexpr COLORREF kHotFill = RGB(194, 214, 245);
constexpr COLORREF kFrameGrey = RGB(100, 100, 100);

int ArrowSize()
{
    return std::max({::GetSystemMetrics(SM_CXHTHUMB), 5 * ::GetSystemMetrics(SM_CXEDGE),
                     ::GetSystemMetrics(SM_CYVTHUMB), 5 * ::GetSystemMetrics(SM_CYEDGE)});
}

void DrawPolyline(CDC& dc, std::initializer_list<POINT> points, COLORREF colour)
{
    CPen pen(PS_SOLID, 1, colour);
    CSelectObject select(dc, pen.GetSafeHandle());
    dc.Polyline(points.begin(), int(points.size()));
}

} // namespace

CColourPicker::~CColourPicker()
{
    if (m_pPopup)
        m_pPopup->DestroyWindow();
}

void CColourPicker::SetColour(COLORREF colour)
{
    m_crColour = colour;
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColourPicker::SetMode(int mode, int value)
{
    m_nMode = mode;
    m_nValue = value;
    if (mode == ColourGrid)
        SetColour(COLORREF(value));
}

void CColourPicker::PreSubclassWindow()
{
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    SizeToArrow();
}

void CColourPicker::SizeToArrow()
{
    const int a = ArrowSize();
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    CRect rect = GetWindowRect();
    if (HWND parent = GetParent())
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    rect.right = std::max<LONG>(rect.right, rect.left + 2 * (cxEdge + a));
    rect.bottom = rect.top + a + 2 * cyEdge;
    MoveWindow(rect);
    const CRect client = GetClientRect();
    m_rcArrow = CRect(client.right - a - cxEdge, cyEdge, client.right - cxEdge, client.bottom - cyEdge);
}

bool CColourPicker::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        OpenPopup();
        *result = TRUE;
        return true;
    }
    return CButton::OnChildNotify(msg, wp, lp, result);
}

void CColourPicker::OpenPopup()
{
    if (m_pPopup)
        return;
    m_bDropped = true;
    CRect rect = GetWindowRect();
    auto* popup = new CColourPickerPopup;
    if (!popup->Create(CPoint(rect.left, rect.bottom), GetColour(), this, m_nMode, m_strDefaultText,
                       m_strCustomText, m_nValue)) {
        delete popup;
        m_bDropped = false;
        return;
    }
    m_pPopup = popup;
    Invalidate();
    if (HWND parent = GetParent())
        ::SendMessageW(parent, WM_COLOURPICKER_OPEN, GetColour(), GetDlgCtrlID());
}

LRESULT CColourPicker::OnPopupClosed(UINT msg, LPARAM lp)
{
    m_bDropped = false;
    if (msg == WM_COLOURPICKER_CHOSEN) {
        SetColour(COLORREF(lp));
        if (GetDlgCtrlID() == kLineStyleSampleId || GetDlgCtrlID() == kLineWidthSampleId)
            m_nValue = int(lp);
    } else {
        Invalidate();
    }
    HWND parent = GetParent();
    if (!parent)
        return TRUE;
    const WPARAM self = reinterpret_cast<WPARAM>(this);
    ::SendMessageW(parent, WM_COLOURPICKER_CLOSE, self, msg == WM_COLOURPICKER_CHOSEN ? lp : GetDlgCtrlID());
    ::SendMessageW(parent, msg, self, msg == WM_COLOURPICKER_CHOSEN ? lp : GetDlgCtrlID());
    return TRUE;
}

void CColourPicker::OnMouseMove(POINT point)
{
    m_bHot = m_rcArrow.PtInRect(point);
    if (m_bHot)
        SetTimer(kHoverTimer, 100);
    CRect arrowArea(m_rcArrow.left, 0, m_rcArrow.right + 5, m_rcArrow.bottom + 5);
    InvalidateRect(&arrowArea);
}

void CColourPicker::OnHoverTimer()
{
    if (m_pPopup)
        return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ScreenToClient(cursor);
    if (m_rcArrow.PtInRect(cursor))
        return;
    // The pointer has left the arrow: the hot look goes, and so does the timer.
    KillTimer(kHoverTimer);
    if (m_bHot) {
        m_bHot = false;
        InvalidateRect(&m_rcArrow);
    }
}

LRESULT CColourPicker::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(CPoint::FromLParam(lp));
        break;
    case WM_TIMER:
        if (wp == kHoverTimer)
            OnHoverTimer();
        break;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_COLOURPICKER_HIGHLIGHT:
        if (HWND parent = GetParent())
            ::SendMessageW(parent, WM_COLOURPICKER_HIGHLIGHT, wp, GetDlgCtrlID());
        return TRUE;
    case WM_COLOURPICKER_CHOSEN:
    case WM_COLOURPICKER_CANCEL:
        return OnPopupClosed(msg, lp);
    case WM_DESTROY:
        if (m_pPopup)
            m_pPopup->DestroyWindow();
        KillTimer(kHoverTimer);
        break;
    default:
        break;
    }
    return CButton::WindowProc(msg, wp, lp);
}

void CColourPicker::DrawArrowArea(CDC& dc, const CRect& item, bool pressed) const
{
    const int l = m_rcArrow.left;
    const int r = m_rcArrow.right;
    const std::initializer_list<POINT> shadowPath = {{l + 1, item.bottom - 2},
                                                     {r - 2, item.bottom - 2},
                                                     {item.right - 2, item.bottom - 4},
                                                     {item.right - 2, item.top + 3},
                                                     {r - 1, item.top + 1}};
    if (pressed) {
        dc.FillSolidRect(CRect(l + 1, item.top, item.right, item.bottom), kHotFill);
    } else if (m_bHot) {
        dc.FillSolidRect(CRect(l + 2, item.top, item.right, item.bottom), kHotFill);
        DrawPolyline(dc, {{l + 1, item.bottom - 1}, {l + 1, item.top + 1}, {r - 1, item.top + 1}}, RGB(255, 255, 255));
        DrawPolyline(dc, shadowPath, RGB(150, 150, 150));
    }
    const CPoint c = m_rcArrow.CenterPoint();
    const int shift = m_bHot && !pressed ? -1 : 0;
    const POINT arrow[] = {{c.x - 2 + shift, c.y - 1 + shift}, {c.x + 4 + shift, c.y - 1 + shift},
                           {c.x + 1 + shift, c.y + 2 + shift}};
    {
        CSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
        CSelectObject brush(dc, ::GetStockObject(BLACK_BRUSH));
        dc.Polygon(arrow, 3);
    }
    if (pressed) {
        dc.DrawFocusRect(CRect(m_rcArrow.left + 3, m_rcArrow.top + 1, m_rcArrow.right - 1, m_rcArrow.bottom - 1));
        DrawPolyline(dc, shadowPath, RGB(255, 255, 255));
    }
}

void CColourPicker::DrawSample(CDC& dc, CRect area, HBRUSH swatch) const
{
    const int id = GetDlgCtrlID();
    if (id != kLineStyleSampleId && id != kLineWidthSampleId) {
        CSelectObject brush(dc, swatch);
        dc.RoundRect(area, CPoint(6, 6));
        return;
    }
    {
        CSelectObject brush(dc, ::GetStockObject(NULL_BRUSH));
        dc.RoundRect(area, CPoint(6, 6));
    }
    CClipGuard clip(dc);
    dc.IntersectClipRect(area);
    const int y = area.top + area.Height() / 2;
    CPen pen;
    if (id == kLineStyleSampleId) {
        CPenMaker().CreateLinePen(pen, m_nValue, m_nValue < 11 ? 1 : area.Height(), RGB(0, 0, 0));
        if (!pen.GetSafeHandle())
            return;
        CSelectObject select(dc, pen.GetSafeHandle());
        dc.MoveTo(area.left, y);
        dc.LineTo(area.right, y);
    } else {
        const LOGBRUSH black{BS_SOLID, RGB(0, 0, 0), 0};
        pen.CreateExtPen(PS_GEOMETRIC | PS_ENDCAP_FLAT, DWORD(2 * m_nValue), &black);
        CSelectObject select(dc, pen.GetSafeHandle());
        dc.MoveTo(area.left + 5, y);
        dc.LineTo(area.right - 5, y);
    }
}

void CColourPicker::DrawItem(DRAWITEMSTRUCT* item)
{
    const CRect rect(item->rcItem);
    CMemoryDC dc(item->hDC, rect.right, rect.bottom);
    dc.FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
    const bool pressed = (item->itemState & ODS_SELECTED) || m_bDropped;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    DrawArrowArea(dc, rect, pressed);

    CPen grey(PS_SOLID, 1, kFrameGrey);
    CSelectObject selectGrey(dc, grey.GetSafeHandle());
    dc.MoveTo(m_rcArrow.left, rect.top);
    dc.LineTo(m_rcArrow.left, rect.bottom);
    {
        CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
        dc.RoundRect(rect, CPoint(8, 8));
    }

    CRect area = rect;
    area.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    area.right -= m_rcArrow.Width();
    dc.FillSolidRect(area, RGB(255, 255, 255));
    const bool noColour = disabled || m_crColour == kColourDefault;
    CBrush swatch(noColour ? ::GetSysColor(COLOR_BTNFACE) : m_crColour);
    if (pressed || (item->itemAction & ODA_FOCUS)) {
        CPen thick(PS_SOLID, 3, kFrameGrey);
        CSelectObject selectThick(dc, thick.GetSafeHandle());
        CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
        dc.Rectangle(area);
        area.DeflateRect(2, 2);
    } else {
        area = CRect(area.left + 2, area.top + 2, area.right - 2, area.bottom - 1);
    }
    DrawSample(dc, area, static_cast<HBRUSH>(swatch.GetSafeHandle()));

    const CString text = GetWindowText();
    if (text.IsEmpty())
        return;
    dc.SetBkMode(TRANSPARENT);
    CSelectObject font(dc, GetFont());
    CRect textRect = area;
    if (disabled) {
        textRect.OffsetRect(1, 1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.DrawText(text, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        textRect.OffsetRect(-1, -1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    } else {
        dc.SetTextColor(m_crText == kColourDefault ? RGB(0, 0, 0) : m_crText);
    }
    dc.DrawText(text, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
