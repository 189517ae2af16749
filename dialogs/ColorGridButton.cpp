#include "dialogs/ColorGridButton.h"

#include "dialogs/PickerColours.h"
#include "dialogs/PickerMessages.h"
#include "framework/CommonDialogs.h"
#include "framework/MemoryDC.h"

namespace {

const auto& kPalette = PickerColours::kGridPalette;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

} // namespace

void CColorGridButton::SetColor(COLORREF colour)
{
    m_crPrevious = m_crCurrent;
    m_crCurrent = colour;
    m_nSelected = PickerColours::IndexOf(kPalette, colour);
    Invalidate();
}

COLORREF CColorGridButton::GetColor() const
{
    return m_nSelected >= 0 && m_nSelected < int(kPalette.size()) ? kPalette[size_t(m_nSelected)].colour
                                                                   : m_crCurrent;
}

CRect CColorGridButton::GetCellRect(int index) const
{
    if (index == kOtherCell)
        return CColorGridLayout::OtherCell();
    return index >= 0 && index < kOtherCell ? CColorGridLayout(GetClientRect()).Swatch(index) : CRect();
}

int CColorGridButton::HitTest(POINT point) const
{
    return CColorGridLayout(GetClientRect()).HitTest(point);
}

void CColorGridButton::PreSubclassWindow()
{
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

bool CColorGridButton::PreTranslateMessage(MSG* msg)
{
    m_tooltip.RelayEvent(msg);
    return CButton::PreTranslateMessage(msg);
}

void CColorGridButton::AddTooltips(const CColorGridLayout& layout)
{
    for (int i = 0; i < CColorGridLayout::kSwatchCount; ++i)
        if (!layout.Swatch(i).IsRectEmpty())
            m_tooltip.AddTool(m_hWnd, kPalette[size_t(i)].name, layout.Swatch(i), UINT_PTR(i) + 1);
}

void CColorGridButton::DrawSwatch(CDC& dc, int index, const CRect& rect) const
{
    CRect inner = rect;
    inner.DeflateRect(1, 1);
    dc.FillSolidRect(inner, kPalette[size_t(index)].colour);
    CRect edge = rect;
    edge.InflateRect(2, 2);
    const bool selected = index == m_nSelected;
    if (index == m_nHover)
        dc.Draw3dRect(edge, selected ? kBlack : kWhite, kWhite);
    else if (selected)
        dc.Draw3dRect(edge, kBlack, kWhite);
}

void CColorGridButton::DrawOtherCell(CDC& dc) const
{
    CRect cell = CColorGridLayout::OtherCell();
    const bool selected = m_nSelected == kOtherCell;
    CRect text = cell;
    if (selected)
        text.OffsetRect(2, 2);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    CSelectObject font(dc, GetFont());
    dc.DrawText("其颜色它...", &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    CRect focus = cell;
    focus.DeflateRect(2, 2);
    if (selected) {
        dc.Draw3dRect(cell, kBlack, kWhite);
        dc.DrawFocusRect(focus);
    } else if (m_nHover == kOtherCell) {
        dc.Draw3dRect(cell, kWhite, kBlack);
        if (m_nSelected >= 0)
            dc.DrawFocusRect(focus);
    }
}

void CColorGridButton::DrawItem(DRAWITEMSTRUCT* item)
{
    if (!m_tooltip.GetSafeHwnd())
        m_tooltip.Create(m_hWnd);
    const CRect client(item->rcItem);
    const CColorGridLayout layout(client);
    {
        CMemoryDC dc(item->hDC, client.right, client.bottom);
        dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
        for (int i = 0; i < CColorGridLayout::kSwatchCount; ++i)
            if (!layout.Swatch(i).IsRectEmpty())
                DrawSwatch(dc, i, layout.Swatch(i));
        CRect separator = layout.Separator();
        if (!separator.IsRectEmpty())
            dc.DrawEdge(&separator, EDGE_ETCHED, BF_TOP);
        DrawOtherCell(dc);
    }
    if (!m_bToolsAdded && m_tooltip.GetSafeHwnd())
        AddTooltips(layout);
    m_tooltip.Activate(true);
    m_bToolsAdded = true;
}

void CColorGridButton::InvalidateCell(int index)
{
    CRect rect = GetCellRect(index);
    if (rect.IsRectEmpty())
        return;
    rect.InflateRect(3, 3);
    InvalidateRect(&rect, false);
}

void CColorGridButton::OnLButtonDown(POINT point)
{
    m_nPreviousSelected = m_nSelected;
    const int hit = HitTest(point);
    if (hit < 0)
        return;
    m_nSelected = hit;
    SetCapture();
    Invalidate(false);
}

void CColorGridButton::OnMouseMove(POINT point)
{
    InvalidateCell(m_nHover);
    m_nHover = HitTest(point);
    InvalidateCell(m_nHover);
}

void CColorGridButton::ChooseOtherColour()
{
    InvalidateCell(kOtherCell);
    m_nSelected = -1;
    CColorDialog dialog(0, 0, m_hWnd);
    if (dialog.DoModal() == IDOK) {
        m_crPrevious = m_crCurrent;
        m_crCurrent = dialog.GetColor();
        m_nSelected = PickerColours::IndexOf(kPalette, m_crCurrent);
    } else {
        m_nSelected = m_nPreviousSelected;
    }
    Invalidate(false);
}

void CColorGridButton::OnLButtonUp()
{
    if (HasCapture())
        ::ReleaseCapture();
    if (m_nSelected == kOtherCell)
        ChooseOtherColour();
    HWND parent = GetParent();
    if (!parent)
        return;
    if (m_nSelected == -1) {
        if (m_crCurrent != m_crPrevious)
            ::SendMessageW(parent, WM_COLORGRID_SELECT, m_crCurrent, GetDlgCtrlID());
    } else if (m_nSelected != m_nPreviousSelected) {
        ::SendMessageW(parent, WM_COLORGRID_SELECT, kPalette[size_t(m_nSelected)].colour, GetDlgCtrlID());
    }
}

LRESULT CColorGridButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnLButtonDown(CPoint::FromLParam(lp));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(CPoint::FromLParam(lp));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        return CButton::WindowProc(msg, wp, lp);
    }
}

void CColorSwatch::SetColor(COLORREF colour)
{
    m_crColor = colour;
    Invalidate(true);
}

void CColorSwatch::Paint(HDC target) const
{
    const CRect client = GetClientRect();
    CMemoryDC dc(target, client.Size());
    dc.FillSolidRect(client, m_crColor);
    CSelectObject brush(dc, ::GetStockObject(NULL_BRUSH));
    dc.Rectangle(client);
}

LRESULT CColorSwatch::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(m_hWnd);
        Paint(dc);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wp));
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        return CStatic::WindowProc(msg, wp, lp);
    }
}
