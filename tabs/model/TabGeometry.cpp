#include "tabs/model/TabGeometry.h"

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/SaturatedInt.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace TabGeometry {

int IconAllowance(const CNorvakPage& page)
{
    return page.m_nTabIconState != -1 && page.m_tabIcons.GetCount() > 0 ? kIconRoom : 0;
}

int MeasureTitle(HDC dc, const CNorvakPage& page)
{
    CFont font;
    font.CreateFontIndirect(&page.m_tabFont.font);
    CSelectObject select(dc, font);
    CRect text;
    CDC::FromHandle(dc).DrawText(page.m_strTitle, &text, DT_CALCRECT | DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    return text.Width();
}

CTitleMeasure::~CTitleMeasure()
{
    if (!m_font)
        return;
    ::SelectObject(m_dc, m_previousFont);
    ::DeleteObject(m_font);
}

int CTitleMeasure::operator()(const CNorvakPage& page)
{
    CNorvakPage::CTabTitleWidth& kept = page.m_tabTitleWidth;
    const LOGFONTA& font = page.m_tabFont.font;
    if (kept.width >= 0 && std::memcmp(&kept.font, &font, sizeof font) == 0 &&
        std::strcmp(kept.title.GetString(), page.m_strTitle.GetString()) == 0)
        return kept.width;
    if (!m_font || std::memcmp(&m_logFont, &font, sizeof font) != 0) {
        const LOGFONTW wide = CFont::ToWide(font);
        HFONT made = ::CreateFontIndirectW(&wide);
        if (!made)
            return MeasureTitle(m_dc, page);
        HGDIOBJ replaced = ::SelectObject(m_dc, made);
        if (m_font)
            ::DeleteObject(m_font);
        else
            m_previousFont = replaced;
        m_font = made;
        m_logFont = font;
    }
    CRect text;
    CDC::FromHandle(m_dc).DrawText(page.m_strTitle, &text, DT_CALCRECT | DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    kept = {page.m_strTitle, font, text.Width()};
    return kept.width;
}

void LayoutTabs(const CPageStore& pages, const std::function<int(const CNorvakPage&)>& titleWidth)
{
    bool first = true;
    int previousRight = 0;
    for (int i = 0; i < pages.GetCount(); ++i) {
        CNorvakPage* page = pages.GetPage(i);
        if (!page)
            continue;
        if (!first && i > 0)
            page->m_nTabLeft = SubtractSaturated(previousRight, kOverlap);
        first = false;
        // A custom width can be as large as an int: the tabs after a wide one stop at the int's end.
        const int natural =
            AddSaturated(page->m_nTabLeft, AddSaturated(titleWidth(*page), IconAllowance(*page) + kTextPadding));
        if (page->m_nTabRight != 0 && !page->m_bDefaultTabWidth) {
            page->m_nTabRight = AddSaturated(page->m_nTabLeft, page->m_nTabWidth);
        } else {
            page->m_nTabRight = natural;
            page->m_nTabWidth = SubtractSaturated(page->m_nTabRight, page->m_nTabLeft);
        }
        previousRight = page->m_nTabRight;
    }
}

std::array<POINT, 4> Body(const CNorvakPage& page)
{
    const int l = page.m_nTabLeft;
    const int r = page.m_nTabRight;
    const int t = page.m_nTabTop;
    const int b = page.m_nTabBottom;
    return {POINT{l, t}, POINT{AddSaturated(l, kOverlap), b}, POINT{SubtractSaturated(r, kOverlap), b}, POINT{r, t}};
}

bool BodyContains(const CNorvakPage& page, POINT point)
{
    const auto body = Body(page);
    // Most tabs are far from the point: their bounds say so without a region.
    const auto [minX, maxX] = std::minmax({body[0].x, body[1].x, body[2].x, body[3].x});
    const auto [minY, maxY] = std::minmax({body[0].y, body[1].y, body[2].y, body[3].y});
    if (point.x < minX || point.x > maxX || point.y < minY || point.y > maxY)
        return false;
    CRgn region;
    return region.CreatePolygonRgn(body.data(), int(body.size()), WINDING) && region.PtInRegion(point.x, point.y);
}

bool BoundsContain(const CNorvakPage& page, POINT point)
{
    return page.m_nTabLeft <= point.x && point.x <= page.m_nTabRight && page.m_nTabTop <= point.y &&
           point.y <= page.m_nTabBottom;
}

std::optional<int> ScrollIntoViewLeft(int clientLeft, int clientRight, int left, int right)
{
    const long long width = (long long)right - left;
    if (left >= clientLeft && right <= clientRight)
        return std::nullopt;
    if (width > (long long)clientRight - clientLeft)
        return clientLeft;
    if ((clientLeft < right && right < clientRight && left < clientLeft) || right <= clientLeft)
        return clientLeft;
    if ((clientLeft < left && left < clientRight && right > clientRight) || left >= clientRight)
        return SaturateToInt(clientRight - width);
    return std::nullopt;
}

BOOL MoveTabs(const CPageStore& pages, int page, const RECT& rect)
{
    CNorvakPage* moved = pages.GetPage(page);
    if (page < 0 || !moved)
        return FALSE;
    moved->m_nTabTop = rect.top;
    moved->m_nTabBottom = rect.bottom;
    const long long dx = (long long)rect.left - moved->m_nTabLeft;
    const long long widthChange =
        ((long long)rect.right - rect.left) - ((long long)moved->m_nTabRight - moved->m_nTabLeft);
    pages.ForEachPage([&](int index, CNorvakPage& tab) {
        const long long shift = dx + (index > page ? widthChange : 0);
        tab.m_nTabLeft = SaturateToInt(tab.m_nTabLeft + shift);
        tab.m_nTabRight = SaturateToInt(tab.m_nTabRight + shift);
    });
    moved->m_nTabRight = rect.right;
    return TRUE;
}

int WideningShift(int width, int lastWidth, int firstLeft, int lastRight)
{
    if (width <= lastWidth || lastRight > width || firstLeft >= 0)
        return 0;
    return std::min(width - lastWidth, -firstLeft);
}

void ShiftTabs(const CPageStore& pages, int dx)
{
    pages.ForEachPage([dx](int, CNorvakPage& tab) {
        tab.m_nTabLeft = AddSaturated(tab.m_nTabLeft, dx);
        tab.m_nTabRight = AddSaturated(tab.m_nTabRight, dx);
    });
}

std::optional<CTabIcon> IconOf(int count, int state)
{
    if (count <= 0 || state < 0)
        return std::nullopt;
    switch (state) {
    case 1:
        return CTabIcon{count == 1 ? 0 : 1, UINT(count == 1 ? ILD_BLEND50 : ILD_TRANSPARENT), true};
    case 2:
        return count >= 3 ? CTabIcon{2, ILD_TRANSPARENT, false} : CTabIcon{0, ILD_BLEND50, false};
    default:
        return CTabIcon{0, ILD_TRANSPARENT, false};
    }
}

} // namespace TabGeometry
