// The arrow bar's button records: command buttons or icon items with their own image lists, laid
// out from the status area leftwards, drawn by frame type and hit-tested for hot and pressed looks.

#include "tabs/TabScroll.h"

#include "framework/CDC.h"
#include "framework/OleModule.h"
#include "resources/NorvakResource.h"
#include "tabs/model/ArrowBarModel.h"

#include <algorithm>

namespace {

constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPressedFill = RGB(200, 234, 231);

HICON LoadModuleIcon(int id)
{
    return static_cast<HICON>(::LoadImageW(OleModule::Instance(), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
}

// Adds a module icon, or the caller's, to a list.
void AddIcon(HIMAGELIST icons, int slot, HICON icon, bool own)
{
    if (!icon)
        return;
    ::ImageList_ReplaceIcon(icons, slot, icon);
    if (own)
        ::DestroyIcon(icon);
}

CFont StatusRowFont()
{
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体");
    return font;
}

} // namespace

// ---- the records ----

BOOL CTabScroll::InsertDefaultButton(int index)
{
    HICON cool = LoadModuleIcon(IDI_TAB_COOL);
    const BOOL inserted = InsertButton(index, cool, nullptr);
    if (cool)
        ::DestroyIcon(cool);
    return inserted;
}

BOOL CTabScroll::InsertButton(int index, HICON cool, HICON hot)
{
    if (!cool)
        return FALSE;
    index = std::clamp(index, 0, GetButtonCount());
    HIMAGELIST icons = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
    AddIcon(icons, -1, cool, false);
    AddIcon(icons, -1, hot, false);
    m_buttonIcons.insert(m_buttonIcons.begin() + index, icons);
    m_buttons.insert(m_buttons.begin() + index, CButton());
    RecalcLayout();
    return TRUE;
}

BOOL CTabScroll::UpdateButtonCoolIcon(int index, BOOL bDefault, HICON icon)
{
    if (!ValidButton(index))
        return FALSE;
    HIMAGELIST icons = m_buttonIcons[size_t(index)];
    const int count = ::ImageList_GetImageCount(icons);
    const bool own = bDefault || !icon;
    if (bDefault)
        icon = LoadModuleIcon(IDI_TAB_COOL);
    else if (!icon && count > 0)
        icon = LoadModuleIcon(IDI_BUTTON_HOT);
    AddIcon(icons, count > 0 ? 0 : -1, icon, own);
    Invalidate();
    return TRUE;
}

BOOL CTabScroll::UpdateButtonHotIcon(int index, BOOL bDefault, HICON icon)
{
    if (!ValidButton(index))
        return FALSE;
    HIMAGELIST icons = m_buttonIcons[size_t(index)];
    const int count = ::ImageList_GetImageCount(icons);
    if (count == 0)
        return FALSE;
    if (bDefault || (!icon && count >= 2)) {
        for (int i = count - 1; i >= 1; --i)
            ::ImageList_Remove(icons, i);
    } else if (icon) {
        AddIcon(icons, count >= 2 ? 1 : -1, icon, false);
    }
    Invalidate();
    return TRUE;
}

BOOL CTabScroll::DeleteButton(int index)
{
    if (!ValidButton(index))
        return FALSE;
    ::ImageList_Destroy(m_buttonIcons[size_t(index)]);
    m_buttonIcons.erase(m_buttonIcons.begin() + index);
    m_buttons.erase(m_buttons.begin() + index);
    RecalcLayout();
    return TRUE;
}

BOOL CTabScroll::SetButtonText(int index, const CString& text)
{
    if (!ValidButton(index))
        return FALSE;
    m_buttons[size_t(index)].text = text;
    Invalidate();
    return TRUE;
}

CString CTabScroll::GetButtonText(int index) const
{
    return ValidButton(index) ? m_buttons[size_t(index)].text : CString();
}

BOOL CTabScroll::SetButtonTrack(int index, BOOL bTrack)
{
    if (!ValidButton(index))
        return FALSE;
    m_buttons[size_t(index)].bTrack = bTrack;
    Invalidate();
    return TRUE;
}

BOOL CTabScroll::GetButtonIsTrack(int index) const
{
    return ValidButton(index) ? m_buttons[size_t(index)].bTrack : FALSE;
}

BOOL CTabScroll::SetButtonEnable(int index, BOOL bEnable)
{
    if (!ValidButton(index))
        return FALSE;
    m_buttons[size_t(index)].bEnabled = bEnable;
    Invalidate();
    return TRUE;
}

BOOL CTabScroll::GetButtonIsEnable(int index) const
{
    return ValidButton(index) ? m_buttons[size_t(index)].bEnabled : FALSE;
}

int CTabScroll::GetButtonIconCount(int index) const
{
    return ValidButton(index) ? ::ImageList_GetImageCount(m_buttonIcons[size_t(index)]) : 0;
}

// ---- drawing ----

void CTabScroll::DrawButtonIcon(CDC& dc, size_t index, POINT at) const
{
    const CButton& button = m_buttons[index];
    HIMAGELIST icons = m_buttonIcons[index];
    const int count = ::ImageList_GetImageCount(icons);
    const bool lit = button.bTrack && button.bHot;
    if (count == 1)
        ::ImageList_Draw(icons, 0, dc, at.x, at.y, lit ? ILD_BLEND50 : ILD_TRANSPARENT);
    else if (count >= 2)
        ::ImageList_Draw(icons, lit ? 1 : 0, dc, at.x, at.y, ILD_TRANSPARENT);
}

void CTabScroll::DrawIconRow(CDC& dc, const CRect& area, int areaLeft)
{
    CFont font = StatusRowFont();
    CSelectObject select(dc, font);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    int edge = areaLeft - 6;
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        CButton& button = m_buttons[i];
        const int width = dc.GetTextExtent(button.text).cx;
        button.rect = CRect(edge - width - 24, area.top, edge, area.bottom);
        button.visible = button.rect;
        button.visible.left = std::max<int>(button.rect.left, ArrowsWidth());
        dc.SetTextColor(button.crText);
        CRect text(button.rect.left, button.rect.top, button.rect.right - 2, button.rect.bottom);
        dc.DrawText(button.text, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        if (button.rect.right >= ArrowsWidth())
            DrawButtonIcon(dc, i, POINT{button.rect.left + 3, button.rect.top});
        DrawFrame(dc, button.rect, m_nIconFrame);
        edge = button.rect.left - 3;
    }
    dc.SetBkMode(oldMode);
}

void CTabScroll::DrawCommandButtons(CDC& dc, const CRect& area, int areaLeft)
{
    CFont font = StatusRowFont();
    CSelectObject select(dc, font);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF lt = m_bLeftTopDefault ? kGrey : m_crLeftTop;
    const COLORREF rb = m_bRightBottomDefault ? kGrey : m_crRightBottom;
    auto raised = [&](const CRect& r) {
        dc.Draw3dRect(r, m_bLeftTopDefault ? kWhite : m_crLeftTop, m_bRightBottomDefault ? kGrey : m_crRightBottom);
    };
    auto sunken = [&](const CRect& r) {
        dc.Draw3dRect(r, m_bLeftTopDefault ? kGrey : m_crLeftTop, m_bRightBottomDefault ? kWhite : m_crRightBottom);
    };
    int edge = areaLeft - 6;
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        CButton& b = m_buttons[i];
        int width = dc.GetTextExtent(b.text).cx;
        if (!b.text.IsEmpty())
            width += 6;
        if (b.bTrack)
            width += 13;
        const int textRight = edge - (b.bTrack ? 16 : 3);
        b.rect = CRect(edge - width - 22, area.top, textRight + 3, area.bottom);
        b.extra = CRect();
        if (b.bTrack) {
            b.extra = CRect(b.rect.right, area.top, b.rect.right + 13, area.bottom);
            b.rect.right += 13;
        }
        b.visible = b.rect;
        b.visible.left = std::max<int>(b.rect.left, ArrowsWidth());
        const bool hot = b.bHot && b.bEnabled;
        const bool down = b.bDown && !b.bPressed;
        CRect body = b.rect;
        if (b.bTrack && (m_nButtonFrame == 2 || m_nButtonFrame == 4))
            body.right = b.extra.left;
        switch (m_nButtonFrame) {
        case 0:
            if (hot) {
                if (b.bPressed)
                    dc.FillSolidRect(b.rect, m_crHot);
                else if (down)
                    dc.FillSolidRect(b.extra, m_crHot);
                dc.Draw3dRect(b.rect, lt, rb);
                if (b.bTrack)
                    dc.Draw3dRect(b.extra, lt, rb);
            }
            break;
        case 1:
        case 3:
            if (hot) {
                if (b.bPressed)
                    dc.FillSolidRect(b.rect, kPressedFill);
                else if (down)
                    dc.FillSolidRect(b.extra, kPressedFill);
                else
                    dc.FillSolidRect(b.rect, m_crHot);
            }
            if (hot || m_nButtonFrame == 3) {
                dc.Draw3dRect(b.rect, lt, rb);
                if (b.bTrack)
                    dc.Draw3dRect(b.extra, lt, rb);
            }
            break;
        case 2:
            if (hot) {
                b.bPressed ? sunken(body) : raised(body);
                if (b.bTrack)
                    b.bPressed || down ? sunken(b.extra) : raised(b.extra);
            }
            break;
        case 4:
            hot && b.bPressed ? sunken(body) : raised(body);
            if (b.bTrack)
                hot && (b.bPressed || down) ? sunken(b.extra) : raised(b.extra);
            break;
        default:
            break;
        }
        CRect text(b.rect.left, b.rect.top, textRight, b.rect.bottom);
        if (b.bEnabled) {
            dc.SetTextColor(b.crText);
            dc.DrawText(b.text, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        } else {
            text.OffsetRect(2, 2);
            dc.SetTextColor(kWhite);
            dc.DrawText(b.text, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
            text.OffsetRect(-2, -2);
            dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
            dc.DrawText(b.text, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        }
        if (b.rect.right >= ArrowsWidth())
            DrawButtonIcon(dc, i, POINT{b.rect.left + 3, b.rect.top});
        edge = b.rect.left - 3;
    }
    dc.SetBkMode(oldMode);
}

int CTabScroll::HitTestButtons(POINT point, UINT mouseFlags)
{
    int hit = -1;
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        CButton& b = m_buttons[i];
        const bool inside = b.rect.PtInRect(point) != FALSE;
        if (!inside) {
            if (b.bHot) {
                b.bHot = b.bPressed = b.bDown = 0;
                InvalidateRect(&b.rect, false);
            }
            continue;
        }
        hit = int(i);
        const BOOL pressed = (mouseFlags & MK_LBUTTON) && !b.extra.PtInRect(point);
        const BOOL down = (mouseFlags & MK_LBUTTON) ? 1 : 0;
        if (!b.bHot || b.bPressed != pressed || b.bDown != down) {
            b.bHot = 1;
            b.bPressed = pressed;
            b.bDown = down;
            InvalidateRect(&b.rect, false);
        }
    }
    return hit;
}
