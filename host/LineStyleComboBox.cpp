#include "host/LineStyleComboBox.h"

#include "framework/CDC.h"
#include "host/model/PickerLayout.h"

#include <algorithm>

namespace {

const char* const kStyleNames[] = {"NULL", "实线", "长线段", "短线段", "长短线短", "混合线段", "虚线", "长距虚线",
                                   "混合线型1", "混合线型2", "混合线型3", "斜砖纹理线", "水平砖纹理线",
                                   "编织物纹理线", "斜网格纹理线"};
// What the open list gives a sample line and its margins beside the widest name.
constexpr int kListSampleRoom = 56;

const char* const kWidthNames[] = {"1个单位", "2个单位", "4个单位", "6个单位", "8个单位", "10个单位"};

// Dash patterns of styles 2 to 10 (on, off, ...), in pixels.
const DWORD kDashes[][6] = {{12, 4}, {4, 4}, {12, 4, 4, 4}, {8, 3, 2, 3, 2, 3}, {1, 2},
                            {1, 5},  {6, 2, 1, 2}, {10, 2, 2, 2}, {6, 3, 6, 3, 1, 3}};
const int kDashCounts[] = {2, 2, 4, 6, 2, 2, 4, 4, 6};
// The textured styles 11 to 14 as hatches.
const int kHatches[] = {HS_BDIAGONAL, HS_HORIZONTAL, HS_DIAGCROSS, HS_CROSS};

HPEN SamplePen(int style, int width, COLORREF colour)
{
    LOGBRUSH brush{BS_SOLID, colour, 0};
    if (style <= 0)
        return ::CreatePen(PS_NULL, 0, 0);
    if (style == 1) // square ends: a wide sample stops where it is drawn to, clear of the name
        return ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, DWORD(width), &brush, 0, nullptr);
    if (style <= 10)
        return ::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, DWORD(width), &brush,
                              DWORD(kDashCounts[style - 2]), kDashes[style - 2]);
    brush = {BS_HATCHED, colour, ULONG_PTR(kHatches[std::min(style, 14) - 11])};
    return ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, DWORD(std::max(width, 4)), &brush, 0, nullptr);
}

} // namespace

bool CLineStyleComboBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    if (!CComboBox::Create(style, rect, parent, id))
        return false;
    SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    if (m_mode == 0)
        for (const char* name : kStyleNames)
            AddString(name);
    else
        for (const char* name : kWidthNames)
            AddString(name);
    // The open list has room for every name beside a sample of some length, however narrow the box.
    CClientDC dc(m_hWnd);
    CSelectObject font(dc, GetFont());
    int widest = 0;
    for (int i = 0; i < GetCount(); ++i)
        widest = std::max<int>(widest, dc.GetTextExtent(GetLBText(i)).cx);
    SendMessage(CB_SETDROPPEDWIDTH, WPARAM(widest + kListSampleRoom));
    return true;
}

void CLineStyleComboBox::MeasureItem(MEASUREITEMSTRUCT* item)
{
    item->itemHeight = 18;
}

void CLineStyleComboBox::DrawItem(DRAWITEMSTRUCT* item)
{
    if (int(item->itemID) < 0)
        return;
    HDC dc = item->hDC;
    const bool selected = item->itemState & ODS_SELECTED;
    const COLORREF back = ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF fore = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    HBRUSH brush = ::CreateSolidBrush(back);
    ::FillRect(dc, &item->rcItem, brush);
    ::DeleteObject(brush);
    const CRect rect(item->rcItem);
    const int index = int(item->itemID);
    const std::wstring text = GetLBText(index).ToWide();
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    const LineItemParts parts = LineItemLayout(rect, extent.cx);
    if (parts.lineRight > parts.lineLeft) {
        const int middle = (rect.top + rect.bottom) / 2;
        HPEN pen = m_mode == 0 ? SamplePen(index, 1, fore) : SamplePen(1, BorderLineWidth(index), fore);
        HGDIOBJ old = ::SelectObject(dc, pen);
        ::MoveToEx(dc, parts.lineLeft, middle, nullptr);
        ::LineTo(dc, parts.lineRight, middle);
        ::SelectObject(dc, old);
        ::DeleteObject(pen);
    }
    RECT textRect = parts.text;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, fore);
    ::DrawTextW(dc, text.c_str(), int(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

bool CLineStyleComboBox::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    if (msg == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE) {
        const int index = GetCurSel();
        if (m_mode == 0)
            ::SendMessageW(GetParent(), WM_USER + 1007, WPARAM(std::max(index, 0)), 1);
        else
            ::SendMessageW(GetParent(), WM_USER + 1008, WPARAM(BorderLineWidth(index)), LPARAM(GetDlgCtrlID()));
        *result = 0;
        return true;
    }
    return CComboBox::OnChildNotify(msg, wp, lp, result);
}
