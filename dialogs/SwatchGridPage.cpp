#include "dialogs/SwatchGridPage.h"

#include "framework/CDC.h"
#include "resources/NorvakResource.h"

#include <algorithm>

CSwatchGridPage::CSwatchGridPage(UINT templateId, const SwatchGridGeometry& geometry, int scrollBarId,
                                 int gridBottomId, int gridBottomGap)
    : CSheetPage(templateId, true), m_geometry(geometry), m_scrollBarId(scrollBarId), m_gridBottomId(gridBottomId),
      m_gridBottomGap(gridBottomGap)
{
}

CRect CSwatchGridPage::FrameRect() const
{
    return GetChildRect(GetDlgItem(IDC_SWATCH_FRAME));
}

CSwatchGrid CSwatchGridPage::Grid() const
{
    return CSwatchGrid(m_geometry, FrameRect(), SwatchCount());
}

void CSwatchGridPage::UpdateScrollRange() const
{
    ::SetScrollRange(GetDlgItem(m_scrollBarId), SB_CTL, 0, Grid().ScrollMax(), TRUE);
}

void CSwatchGridPage::ShowScrollBar(const CRect& frame) const
{
    HWND bar = GetDlgItem(m_scrollBarId);
    const CRect rect = GetChildRect(bar);
    ::EnableWindow(bar, TRUE);
    ::ShowWindow(bar, SW_SHOW);
    ::MoveWindow(bar, rect.left, frame.top - 1, rect.Width(), frame.Height() + 2, TRUE);
}

void CSwatchGridPage::PaintPage(CDC& dc)
{
    UpdateScrollRange();
    const CRect frame = FrameRect();
    bool overflow = false;
    for (const SwatchCell& cell : Grid().Layout(m_nScrollPosition, &overflow)) {
        dc.Draw3dRect(cell.rect, RGB(255, 255, 255), RGB(255, 255, 255));
        if (cell.index == m_nSelected) {
            CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
            const int oldRop = dc.SetROP2(R2_NOT);
            dc.Rectangle(cell.rect);
            dc.SetROP2(oldRop);
            PreviewSelected(cell.index);
        }
        PaintSwatch(dc, cell.index, cell.rect);
    }
    if (overflow)
        ShowScrollBar(frame);
    PaintName(dc);
}

void CSwatchGridPage::InvalidateGrid()
{
    const CRect frame = FrameRect();
    CRect area(frame.left, frame.top, frame.right, GetChildRect(GetDlgItem(m_gridBottomId)).top - m_gridBottomGap);
    HWND bar = GetDlgItem(m_scrollBarId);
    if (::IsWindowVisible(bar))
        area.right = GetChildRect(bar).left - 3;
    InvalidateRect(&area, true);
}

void CSwatchGridPage::SelectAt(POINT point)
{
    const int hit = Grid().SwatchAt(m_nScrollPosition, point);
    if (hit < 0)
        return;
    OnSwatchHit(hit);
    m_nSelected = hit;
    InvalidateGrid();
}

void CSwatchGridPage::OnVScroll(int code, int thumbPosition)
{
    const CSwatchGrid grid = Grid();
    int position = m_nScrollPosition;
    switch (code) {
    case SB_LINEDOWN:
        position += m_geometry.pitch;
        break;
    case SB_LINEUP:
        position -= m_geometry.pitch;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        // A dragged thumb stops at whole rows.
        position = thumbPosition / m_geometry.pitch * m_geometry.pitch;
        break;
    default:
        return;
    }
    m_nScrollPosition = std::clamp(position, 0, grid.ScrollMax());
    ::SetScrollPos(GetDlgItem(m_scrollBarId), SB_CTL, m_nScrollPosition, TRUE);
    InvalidateGrid();
}

LRESULT CSwatchGridPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
        SelectAt(CPoint::FromLParam(lp));
        return Default();
    case WM_MOUSEMOVE:
        if (wp & MK_LBUTTON)
            SelectAt(CPoint::FromLParam(lp));
        return Default();
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lp) == GetDlgItem(m_scrollBarId)) {
            OnVScroll(LOWORD(wp), short(HIWORD(wp)));
            return 0;
        }
        break;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
