#include "dialogs/StyleComboBox.h"

#include "dialogs/PickerColours.h"
#include "dialogs/PickerMessages.h"
#include "drawing/CPenMaker.h"
#include "framework/CommonDialogs.h"
#include "framework/OleModule.h"
#include "sheet/tables/MarkerSymbols.h"
#include "resources/NorvakResource.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 6> kWidthNames = {"1个单位", "2个单位", "4个单位", "6个单位", "8个单位", "10个单位"};
constexpr std::array<const char*, CStyleComboBox::kMarkerShapes> kShapeNames = {"长方形", "棱形", "三角形", "圆",
                                                                                 "半圆",   "五角星", "X"};
constexpr const char* kOtherColour = "其它颜色...";
constexpr int kEmptyItems = 10;
constexpr COLORREF kSelectedFill = RGB(10, 36, 106);

const auto& kColours = PickerColours::kCombo;

// A pen of the given end-capped style with a solid black brush; the cosmetic one is one pixel.
HPEN LinePen(DWORD style, DWORD width)
{
    const LOGBRUSH black{BS_SOLID, RGB(0, 0, 0), 0};
    HPEN pen = ::ExtCreatePen(style | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, width, &black, 0, nullptr);
    return pen ? pen : ::CreatePen(PS_SOLID, int(width), RGB(0, 0, 0));
}

void HorizontalLine(CDC& dc, const CRect& rect)
{
    const int y = rect.top + rect.Height() / 2;
    dc.MoveTo(rect.left + 8, y);
    dc.LineTo(rect.right - 8, y);
}

} // namespace

void CStyleComboBox::SetMode(int mode)
{
    m_tooltipTexts.clear();
    if (!m_tooltip.GetSafeHwnd())
        m_tooltip.Create(m_hWnd);
    m_nMode = mode;
    if (GetCount() > 0)
        return;
    AddItems();
    m_toolRegistered.assign(size_t(GetCount()), false);
    if (IsMarkerMode())
        SetItemHeight(1, 20);
}

void CStyleComboBox::AddItems()
{
    auto add = [this](const char* text, const CString& tip) {
        AddString(text);
        m_tooltipTexts.push_back(tip);
    };
    switch (m_nMode) {
    case LineStyles:
        for (int style = 0; style < CPenMaker::kStyleCount; ++style)
            add("", CPenMaker::StyleName(style));
        break;
    case LineWidths:
        for (const char* name : kWidthNames)
            add("", name);
        break;
    case Colours:
    case NamedColours:
        for (const NamedColour& colour : kColours)
            add("", m_nMode == Colours ? colour.name : "");
        add(kOtherColour, m_nMode == Colours ? kOtherColour : "");
        break;
    case Markers:
    case MarkersOnLine:
    case MarkersInCircle:
    case MarkersOnLineInCircle:
        for (const char* name : kShapeNames)
            add("", name);
        for (const CString& glyph : m_markerGlyphs)
            add("", "'" + glyph + "'字符");
        break;
    default:
        for (int i = 0; i < kEmptyItems; ++i)
            AddString("");
        break;
    }
}

void CStyleComboBox::SelectColor(COLORREF colour)
{
    if (!IsColourMode())
        return;
    const int index = PickerColours::IndexOf(kColours, colour);
    SetCurSel(index >= 0 ? index : kOtherColourItem);
}

void CStyleComboBox::MeasureItem(MEASUREITEMSTRUCT* item)
{
    if (IsMarkerMode())
        item->itemHeight = 30;
}

bool CStyleComboBox::PreTranslateMessage(MSG* msg)
{
    m_tooltip.RelayEvent(msg);
    return CComboBox::PreTranslateMessage(msg);
}

void CStyleComboBox::RegisterTool(int index, const RECT& rect)
{
    if (size_t(index) >= m_tooltipTexts.size() || m_tooltipTexts[size_t(index)].IsEmpty() ||
        !m_tooltip.GetSafeHwnd())
        return;
    // One tool per item, however often the item is drawn.
    if (size_t(index) < m_toolRegistered.size() && m_toolRegistered[size_t(index)]) {
        m_tooltip.SetToolRect(m_hWnd, UINT_PTR(index) + 1, rect);
    } else {
        m_tooltip.AddTool(m_hWnd, m_tooltipTexts[size_t(index)], rect, UINT_PTR(index) + 1);
        if (size_t(index) < m_toolRegistered.size())
            m_toolRegistered[size_t(index)] = true;
    }
    m_tooltip.Activate(true);
}

void CStyleComboBox::DrawItem(DRAWITEMSTRUCT* item)
{
    MatchFieldToItemHeight();
    const int index = int(item->itemID);
    if (index < 0 || index >= GetCount())
        return;
    RegisterTool(index, item->rcItem);
    CDC dc(item->hDC);
    const COLORREF oldText = dc.GetTextColor();
    const int oldMode = dc.GetBkMode();
    const CRect rect(item->rcItem);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    DrawBackground(dc, rect, selected);
    if (m_nMode == LineStyles || m_nMode == LineWidths) {
        DrawLine(dc, rect, index);
    } else if (IsColourMode()) {
        DrawColour(dc, rect, index, selected);
    } else if (IsMarkerMode()) {
        if (selected)
            dc.SetTextColor(RGB(0, 0, 0));
        DrawMarker(dc, rect, index);
    }
    dc.SetTextColor(oldText);
    dc.SetBkMode(oldMode);
}

void CStyleComboBox::MatchFieldToItemHeight()
{
    // The selection field is told the list's item height once, and again only when that changes:
    // what CB_GETITEMHEIGHT reads back for the field need not be what was set (the platform may
    // add its border), and setting it while the list is open closes the list.
    const int itemHeight = GetItemHeight(0);
    if (itemHeight == m_nFieldHeightSet || itemHeight <= 0 || SendMessage(CB_GETDROPPEDSTATE))
        return;
    if (m_nFieldHeightSet >= 0 || GetItemHeight(-1) != itemHeight)
        SetItemHeight(-1, itemHeight);
    m_nFieldHeightSet = itemHeight;
}

void CStyleComboBox::DrawBackground(CDC& dc, const CRect& rect, bool selected) const
{
    if (!selected) {
        CRect fill = rect;
        if (!IsColourMode())
            fill.InflateRect(3, 3);
        dc.FillSolidRect(fill, RGB(255, 255, 255));
        return;
    }
    if (IsColourMode()) {
        dc.FillSolidRect(rect, kSelectedFill);
        return;
    }
    CBitmap checker;
    checker.LoadBitmap(IDB_STYLE_SELECTION, OleModule::Instance());
    const LOGBRUSH brush{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(checker.GetSafeHandle())};
    CPen pen;
    if (!checker.GetSafeHandle() || !pen.CreateExtPen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 4, &brush))
        pen.CreatePen(PS_SOLID, 4, RGB(0, 128, 128));
    CSelectObject selectPen(dc, pen.GetSafeHandle());
    CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
    CRect frame = rect;
    frame.DeflateRect(1, 1);
    dc.Rectangle(frame);
}

void CStyleComboBox::DrawLine(CDC& dc, const CRect& rect, int index) const
{
    CPen pen;
    if (m_nMode == LineStyles) {
        const int width = index >= 11 && index <= 14 ? rect.Height() - 6 : 1;
        CPenMaker().CreateLinePen(pen, index, width, RGB(0, 0, 0));
    } else {
        pen.Attach(index == 0 ? LinePen(PS_COSMETIC, 1) : LinePen(PS_GEOMETRIC, DWORD(WidthOfItem(index))));
    }
    if (!pen.GetSafeHandle())
        return;
    CSelectObject select(dc, pen.GetSafeHandle());
    HorizontalLine(dc, rect);
}

void CStyleComboBox::DrawColour(CDC& dc, const CRect& rect, int index, bool selected) const
{
    CRect inner = rect;
    inner.DeflateRect(4, 3);
    dc.SetBkMode(TRANSPARENT);
    if (index == kOtherColourItem) {
        dc.SetTextColor(selected ? RGB(255, 255, 255) : RGB(0, 0, 255));
        CRect text(inner.left, rect.top, inner.right, rect.bottom);
        dc.DrawText(kOtherColour, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    if (index > kOtherColourItem)
        return;
    const NamedColour& colour = kColours[size_t(index)];
    if (m_nMode == Colours) {
        dc.FillSolidRect(inner, colour.colour);
        return;
    }
    dc.FillSolidRect(CRect(rect.left + 10, inner.top, rect.left + 30, inner.bottom), colour.colour);
    if (selected)
        dc.SetTextColor(RGB(255, 255, 255));
    CRect text(rect.left + 35, rect.top, inner.right, rect.bottom);
    dc.DrawText(colour.name, &text, DT_VCENTER | DT_SINGLELINE);
}

void CStyleComboBox::DrawMarker(CDC& dc, const CRect& rect, int index) const
{
    CSelectObject brush(dc, ::GetStockObject(WHITE_BRUSH));
    CRect box = rect;
    box.DeflateRect(4, 4);
    const int r = std::min(box.Width() / 2, box.Height() / 2);
    const CPoint c = box.CenterPoint();
    CRect square(c.x - r, c.y - r, c.x + r, c.y + r);
    const bool onLine = m_nMode == MarkersOnLine || m_nMode == MarkersOnLineInCircle;
    const bool inCircle = m_nMode == MarkersInCircle || m_nMode == MarkersOnLineInCircle;
    if (onLine) {
        dc.MoveTo(box.left + 10, c.y);
        dc.LineTo(box.right - 10, c.y);
    }
    if (inCircle) {
        dc.Ellipse(square.left - 1, square.top - 1, square.right + 1, square.bottom + 1);
        square.DeflateRect(1, 1);
    }
    const int l = square.left, t = square.top, rr = square.right, b = square.bottom;
    const int mx = (l + rr) / 2, my = (t + b) / 2;
    switch (index) {
    case 0:
        dc.Rectangle(square);
        break;
    case 1: {
        const POINT points[] = {{l, my}, {mx, t}, {rr, my}, {mx, b}};
        dc.Polygon(points, 4);
        break;
    }
    case 2: {
        const POINT points[] = {{mx, t}, {rr, b}, {l, b}};
        dc.Polygon(points, 3);
        break;
    }
    case 3:
        dc.Ellipse(square);
        break;
    case 4:
        dc.Pie(square, CPoint(mx, t), CPoint(mx, b));
        break;
    case 5: {
        const int h = square.Height() / 2;
        POINT points[10];
        for (int i = 0; i < 10; ++i)
            PolarToPoint(&points[i], mx, my, 36 * i, i % 2 == 0 ? h : h / 2);
        dc.Polygon(points, 10);
        break;
    }
    case 6:
        dc.MoveTo(l, t);
        dc.LineTo(rr, b);
        dc.MoveTo(l, b);
        dc.LineTo(rr, t);
        break;
    default:
        if (size_t(index - kMarkerShapes) < m_markerGlyphs.size()) {
            dc.SetBkMode(TRANSPARENT);
            dc.DrawText(m_markerGlyphs[size_t(index - kMarkerShapes)], &square,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        break;
    }
}

void CStyleComboBox::OnSelChange()
{
    HWND parent = GetParent();
    const int index = GetCurSel();
    if (!parent || index < 0)
        return;
    const int id = GetDlgCtrlID();
    switch (m_nMode) {
    case LineStyles:
        ::SendMessageW(parent, WM_STYLECOMBO_LINESTYLE, WPARAM(index), 1);
        break;
    case LineWidths:
        ::SendMessageW(parent, WM_STYLECOMBO_WIDTH, WPARAM(WidthOfItem(index)), id);
        break;
    case Colours:
    case NamedColours:
        if (index == kOtherColourItem) {
            CColorDialog dialog(0, 0, nullptr);
            if (dialog.DoModal() == IDOK)
                ::SendMessageW(parent, WM_STYLECOMBO_COLOUR, dialog.GetColor(), id);
        } else if (index < kOtherColourItem) {
            ::SendMessageW(parent, WM_STYLECOMBO_COLOUR, kColours[size_t(index)].colour, id);
        }
        break;
    default:
        if (IsMarkerMode())
            ::SendMessageW(parent, WM_STYLECOMBO_MARKER, WPARAM(index), id);
        break;
    }
}

bool CStyleComboBox::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    if (msg == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE) {
        OnSelChange();
        *result = 0;
        return true;
    }
    return CComboBox::OnChildNotify(msg, wp, lp, result);
}
