#include "tabs/NorvakTabBand.h"

#include "framework/CDC.h"
#include "sheet/NorvakCtrl.h"
#include "tabs/model/ArrowBarModel.h"

#include <functional>

namespace {

void MoveIfChanged(const CWnd& window, HWND parent, const RECT& rect)
{
    if (!window.m_hWnd)
        return;
    CRect current = window.GetWindowRect();
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&current), 2);
    if (!::EqualRect(&current, &rect))
        window.MoveWindow(rect);
}

// A window's picture, drawn off screen and copied to dc at its place moved by offset; straight into
// a dc that has no memory DC of its own kind (a metafile).
void DrawWindowInto(CDC& dc, const CWnd& window, HWND parent, POINT offset,
                    const std::function<void(CDC&, const CRect&)>& draw)
{
    // Its own visibility: the container may draw a control whose window is not on screen.
    if (!window.m_hWnd || !(window.GetStyle() & WS_VISIBLE))
        return;
    CRect place = window.GetWindowRect();
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
    place.OffsetRect(offset.x, offset.y);
    const CRect client(0, 0, place.Width(), place.Height());
    if (client.IsRectEmpty())
        return;
    CDC memory;
    CBitmap bitmap;
    if (memory.CreateCompatibleDC(&dc) && bitmap.CreateCompatibleBitmap(dc, client.Width(), client.Height())) {
        CSelectObject select(memory, bitmap);
        draw(memory, client);
        dc.BitBlt(place.left, place.top, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
        return;
    }
    CSaveDC saved(dc);
    const CPoint origin = dc.GetViewportOrg();
    dc.SetViewportOrg(origin.x + place.left, origin.y + place.top);
    dc.IntersectClipRect(client);
    draw(dc, client);
}

} // namespace

std::unique_ptr<CTabBand> CreateTabBand(CNorvakCtrl& control)
{
    return std::make_unique<CNorvakTabBand>(control);
}

CNorvakTabBand* TabBandOf(const CNorvakCtrl& control)
{
    return static_cast<CNorvakTabBand*>(control.GetTabBand());
}

CNorvakTabBand::CNorvakTabBand(CNorvakCtrl& control)
    : m_control(control), m_strip(control), m_arrows(control), m_split(control)
{
}

bool CNorvakTabBand::Create(HWND parent)
{
    bool made = m_strip.Create(parent, kIdPageTitle);
    made = m_arrows.Create(parent, kIdArrowBar) && made;
    made = m_split.Create(parent, kIdSplitBox) && made;
    if (!m_strip.GetWindowIsVisible())
        m_strip.ShowWindow(SW_HIDE);
    if (!m_arrows.GetWindowIsVisible())
        m_arrows.ShowWindow(SW_HIDE);
    return made;
}

void CNorvakTabBand::WindowsDestroyed()
{
    // The control's window took its children with it; the objects stay for a window made again.
    for (CWnd* window : {static_cast<CWnd*>(&m_strip), static_cast<CWnd*>(&m_arrows), static_cast<CWnd*>(&m_split)})
        if (window->m_hWnd && !::IsWindow(window->m_hWnd))
            window->m_hWnd = nullptr;
}

BOOL CNorvakTabBand::ActivatePage(int page, BOOL force)
{
    return m_strip.ActivatePage(page, force);
}

HWND CNorvakTabBand::GetWindowOf(int id) const
{
    switch (id) {
    case kIdPageTitle:
        return m_strip.m_hWnd;
    case kIdArrowBar:
        return m_arrows.m_hWnd;
    case kIdSplitBox:
        return m_split.m_hWnd;
    default:
        return nullptr;
    }
}

int CNorvakTabBand::GetArrowsRight() const
{
    return ArrowBarModel::ArrowsWidth(m_arrows.GetArrows() == 2);
}

void CNorvakTabBand::Place(const RECT& arrows, const RECT& strip, const RECT& split)
{
    MoveIfChanged(m_arrows, m_control.m_hWnd, arrows);
    MoveIfChanged(m_strip, m_control.m_hWnd, strip);
    MoveIfChanged(m_split, m_control.m_hWnd, split);
    // The strip's width follows the scroll bars of the page shown: its tab stays in view.
    m_strip.ScrollTabIntoView(m_control.GetPageStore().GetActive());
    m_strip.Invalidate();
    m_split.Invalidate();
}

void CNorvakTabBand::Invalidate()
{
    m_strip.Invalidate();
    m_arrows.Invalidate();
    m_split.Invalidate();
}

void CNorvakTabBand::Draw(CDC& dc, POINT offset)
{
    HWND parent = m_control.m_hWnd;
    DrawWindowInto(dc, m_arrows, parent, offset, [this](CDC& target, const CRect& r) { m_arrows.Draw(target, r); });
    DrawWindowInto(dc, m_strip, parent, offset, [this](CDC& target, const CRect& r) { m_strip.Draw(target, r); });
    DrawWindowInto(dc, m_split, parent, offset, [this](CDC& target, const CRect& r) { m_split.Draw(target, r); });
}
