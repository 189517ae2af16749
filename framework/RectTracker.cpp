#include "framework/RectTracker.h"

#include "framework/DragLoop.h"
#include "framework/Wnd.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Which sides a handle drags.
struct CDraggedSides
{
    bool left, top, right, bottom;
};

constexpr CDraggedSides kSides[9] = {
    {true, true, false, false},  {false, true, true, false}, {false, false, true, true},
    {true, false, false, true},  {false, true, false, false}, {false, false, true, false},
    {false, false, false, true}, {true, false, false, false}, {true, true, true, true},
};

// The system cursor of a hit, by its id (IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENS, IDC_SIZEWE,
// IDC_SIZEALL) for the wide API.
WORD CursorOfHit(int hit)
{
    switch (hit) {
    case CRectTracker::hitTopLeft:
    case CRectTracker::hitBottomRight:
        return 32642;
    case CRectTracker::hitTopRight:
    case CRectTracker::hitBottomLeft:
        return 32643;
    case CRectTracker::hitTop:
    case CRectTracker::hitBottom:
        return 32645;
    case CRectTracker::hitRight:
    case CRectTracker::hitLeft:
        return 32644;
    default:
        return 32646;
    }
}

// Keeps the dragged side at least min away from the fixed one; direction is +1 when it belongs
// after it (right, bottom) and -1 before it (left, top). Inverted, it keeps the side it crossed to.
void KeepApart(LONG& dragged, LONG fixed, LONG min, int direction, bool allowInvert)
{
    const long long length = ((long long)dragged - fixed) * direction;
    if (allowInvert ? std::llabs(length) >= min : length >= min)
        return;
    dragged = LONG(fixed + (allowInvert && length < 0 ? -direction : direction) * (long long)min);
}

} // namespace

void CRectTracker::Draw(CDC* dc) const
{
    if (!dc)
        return;
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (m_nStyle & (solidLine | dottedLine)) {
        CPen pen;
        pen.CreatePen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
        CSelectObject selectPen(*dc, pen);
        CSelectObject selectBrush(*dc, ::GetStockObject(NULL_BRUSH));
        const int oldMode = dc->SetBkMode(TRANSPARENT);
        dc->Rectangle(rect);
        dc->SetBkMode(oldMode);
    }
    if (m_nStyle & (resizeInside | resizeOutside)) {
        const UINT mask = GetHandleMask();
        for (int handle = 0; handle < 8; ++handle)
            if (mask & (1u << handle))
                dc->FillSolidRect(GetHandleRect(handle), RGB(0, 0, 0));
    }
}

void CRectTracker::GetTrueRect(RECT* rect) const
{
    CRect area = m_rect;
    area.NormalizeRect();
    if (m_nStyle & resizeOutside) {
        const int size = GetHandleSize();
        area.InflateRect(size, size);
    }
    *rect = area;
}

CRect CRectTracker::GetHandleRect(int handle) const
{
    if (handle < 0 || handle > 7)
        return CRect();
    CRect rect = m_rect;
    rect.NormalizeRect();
    const int size = GetHandleSize(&rect);
    // The handle's top-left corner: inside the rectangle, outside it, or centred on its edge.
    const int lead = (m_nStyle & resizeInside) ? 0 : (m_nStyle & resizeOutside) ? -size : -size / 2;
    const int trail = (m_nStyle & resizeInside) ? -size : (m_nStyle & resizeOutside) ? 0 : -size / 2;
    const int midX = rect.left + (rect.Width() - size) / 2;
    const int midY = rect.top + (rect.Height() - size) / 2;
    const POINT corners[8] = {
        {rect.left + lead, rect.top + lead},  {rect.right + trail, rect.top + lead},
        {rect.right + trail, rect.bottom + trail}, {rect.left + lead, rect.bottom + trail},
        {midX, rect.top + lead},               {rect.right + trail, midY},
        {midX, rect.bottom + trail},             {rect.left + lead, midY},
    };
    return CRect(corners[handle], CSize(size, size));
}

int CRectTracker::HitTest(POINT point) const
{
    CRect area;
    GetTrueRect(&area);
    if (area.IsRectEmpty())
        return hitNothing;
    if (m_nStyle & (resizeInside | resizeOutside)) {
        const UINT mask = GetHandleMask();
        for (int handle = 0; handle < 8; ++handle)
            if ((mask & (1u << handle)) && GetHandleRect(handle).PtInRect(point))
                return NormalizeHit(handle);
    }
    return area.PtInRect(point) ? hitMiddle : hitNothing;
}

int CRectTracker::NormalizeHit(int hit) const
{
    if (hit < 0 || hit > 7)
        return hit;
    // The handles are numbered on the normalised rectangle; an inverted side swaps them back.
    static constexpr int kMirrorX[8] = {1, 0, 3, 2, 4, 7, 6, 5};
    static constexpr int kMirrorY[8] = {3, 2, 1, 0, 6, 5, 4, 7};
    if (m_rect.right < m_rect.left)
        hit = kMirrorX[hit];
    if (m_rect.bottom < m_rect.top)
        hit = kMirrorY[hit];
    return hit;
}

bool CRectTracker::SetCursor(CWnd* wnd, UINT hitTest) const
{
    if (!wnd || !wnd->GetSafeHwnd() || hitTest != HTCLIENT)
        return false;
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(wnd->GetSafeHwnd(), &point);
    const int hit = HitTest(point);
    if (hit < 0)
        return false;
    ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(CursorOfHit(hit))));
    return true;
}

CRect CRectTracker::Dragged(const CRect& start, int handle, int dx, int dy)
{
    const CDraggedSides& sides = kSides[handle];
    CRect rect = start;
    if (sides.left)
        rect.left += dx;
    if (sides.top)
        rect.top += dy;
    if (sides.right)
        rect.right += dx;
    if (sides.bottom)
        rect.bottom += dy;
    return rect;
}

void CRectTracker::ShowBand(bool show, CWnd* clipTo, CDC* dc, CWnd* wnd)
{
    if (show == m_bBandShown && (!show || m_rectBand == m_rect))
        return;
    if (m_bBandShown) {
        m_bErase = true;
        DrawTrackerRect(&m_rectBand, clipTo, dc, wnd);
        m_bBandShown = false;
    }
    if (show) {
        m_bErase = false;
        m_rectBand = m_rect;
        DrawTrackerRect(&m_rectBand, clipTo, dc, wnd);
        m_bBandShown = true;
    }
}

bool CRectTracker::Track(CWnd* wnd, POINT point, bool allowInvert, CWnd* clipTo)
{
    const int hit = HitTest(point);
    const HWND window = wnd ? wnd->GetSafeHwnd() : nullptr;
    if (!window || hit < 0)
        return false;
    m_bAllowInvert = allowInvert;
    m_bFinalErase = false;
    const CRect start = m_rect;
    CRect current = start;
    ::SetCapture(window);
    CClientDC dc(window);
    const bool released = RunDragLoop(
        window,
        [&](const MSG& msg) {
            const CRect old = current;
            m_ptTracked = CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            m_rect = Dragged(start, hit, m_ptTracked.x - point.x, m_ptTracked.y - point.y);
            if (hit != hitMiddle)
                AdjustRect(hit, &m_rect);
            if (!(m_rect == old))
                OnChangedRect(old);
            current = m_rect;
            if (msg.message != WM_LBUTTONUP && !(current == start))
                ShowBand(true, clipTo, &dc, wnd);
        },
        [&](const MSG& msg) {
            // A paint under way must not draw over the band, nor the band stay over a new picture.
            const bool shown = m_bBandShown;
            ShowBand(false, clipTo, &dc, wnd);
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            if (shown)
                ShowBand(true, clipTo, &dc, wnd);
        });
    const bool cancelled = !released;
    m_bFinalErase = true;
    ShowBand(false, clipTo, &dc, wnd);
    m_bFinalErase = false;
    if (::GetCapture() == window)
        ::ReleaseCapture();
    m_rect = cancelled ? start : current;
    return !cancelled && !(m_rect == start);
}

void CRectTracker::DrawTrackerRect(const RECT* rect, CWnd* clipTo, CDC* dc, CWnd* wnd)
{
    if (!rect || !dc)
        return;
    CRect band = *rect;
    band.NormalizeRect();
    CClipGuard clip(*dc);
    if (clipTo && clipTo->GetSafeHwnd() && wnd && wnd->GetSafeHwnd()) {
        CRect area;
        ::GetClientRect(clipTo->GetSafeHwnd(), &area);
        ::MapWindowPoints(clipTo->GetSafeHwnd(), wnd->GetSafeHwnd(), reinterpret_cast<POINT*>(&area), 2);
        dc->IntersectClipRect(area);
    }
    dc->DrawFocusRect(band);
}

void CRectTracker::AdjustRect(int handle, RECT* rect)
{
    if (!rect || handle < 0 || handle > 7)
        return;
    const CDraggedSides& sides = kSides[handle];
    if (sides.left)
        KeepApart(rect->left, rect->right, m_sizeMin.cx, -1, m_bAllowInvert);
    if (sides.right)
        KeepApart(rect->right, rect->left, m_sizeMin.cx, 1, m_bAllowInvert);
    if (sides.top)
        KeepApart(rect->top, rect->bottom, m_sizeMin.cy, -1, m_bAllowInvert);
    if (sides.bottom)
        KeepApart(rect->bottom, rect->top, m_sizeMin.cy, 1, m_bAllowInvert);
}

void CRectTracker::OnChangedRect(const CRect&) {}

UINT CRectTracker::GetHandleMask() const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    const int size = GetHandleSize(&rect);
    UINT mask = 0x0F;
    // A side handle needs room for itself between the two corner handles.
    if (rect.Width() >= 3 * size)
        mask |= (1u << hitTop) | (1u << hitBottom);
    if (rect.Height() >= 3 * size)
        mask |= (1u << hitLeft) | (1u << hitRight);
    return mask;
}

int CRectTracker::GetHandleSize(const RECT* rect) const
{
    CRect area = rect ? CRect(*rect) : m_rect;
    area.NormalizeRect();
    int size = std::max(m_nHandleSize, 0);
    if (!(m_nStyle & resizeOutside))
        size = std::min<int>(size, std::min(area.Width(), area.Height()) / 2);
    return size;
}
