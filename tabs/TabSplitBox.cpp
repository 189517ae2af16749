#include "tabs/TabSplitBox.h"

#include "framework/CDC.h"
#include "resources/NorvakResource.h"
#include "sheet/NorvakCtrl.h"
#include "framework/OleModule.h"
#include "tabs/model/SplitDrag.h"

#include <windowsx.h>

namespace {

constexpr wchar_t kClassName[] = L"NorvakTabSplitBox";

} // namespace

bool CTabSplitBox::Create(HWND parent, int id)
{
    RegisterWindowClass(kClassName, 0);
    return CreateEx(0, kClassName, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), parent, UINT(id));
}

void CTabSplitBox::Draw(CDC& dc, const CRect& client) const
{
    dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    CRect edge = client;
    dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT);
}

LRESULT CTabSplitBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: {
        CPaintDC paint(m_hWnd);
        Draw(paint, GetClientRect());
        return 0;
    }
    case WM_LBUTTONDOWN: {
        const CTabBand* band = m_control.GetTabBand();
        m_bArrowsVisible = band->IsArrowBarVisible();
        m_bStripVisible = band->IsStripVisible();
        SetCapture();
        break;
    }
    case WM_LBUTTONUP:
        if (HasCapture())
            ::ReleaseCapture();
        break;
    case WM_MOUSEMOVE:
        Default();
        OnMouseMove(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, UINT(wp));
        return 0;
    case WM_SETCURSOR:
        m_control.SetCurrentCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))); // IDC_ARROW
        ::SetCursor(::LoadCursorW(OleModule::Instance(), MAKEINTRESOURCEW(IDC_SPLIT_BOX)));
        return TRUE;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wp, lp);
}

void CTabSplitBox::OnMouseMove(POINT point, UINT flags)
{
    if (!(flags & MK_LBUTTON) || !HasCapture())
        return;
    m_rcControl = m_control.GetClientRect();
    ::MapWindowPoints(m_hWnd, m_control.m_hWnd, &point, 1);
    const int arrowsRight = m_bArrowsVisible ? m_control.GetTabBand()->GetArrowsRight() : 0;
    const auto left = SplitDrag::Clamp(point.x, arrowsRight, m_rcControl.right);
    if (!left)
        return;
    // The layout moves the box, the horizontal bar and the strip (or the arrow bar when the strip
    // is hidden) together.
    m_control.MoveSplitBox(*left);
    Invalidate();
}
