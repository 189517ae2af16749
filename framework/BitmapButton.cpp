#include "framework/BitmapButton.h"

#include "framework/OleModule.h"

namespace {

HBITMAP LoadNamedBitmap(const CString& name)
{
    return ::LoadBitmapW(OleModule::Instance(), name.ToWide().c_str());
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof info, &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

} // namespace

bool CBitmapButton::LoadBitmaps(const CString& upName, const CString& downName, const CString& disabledName)
{
    m_up.Attach(LoadNamedBitmap(upName));
    m_down.Attach(LoadNamedBitmap(downName));
    m_disabled.Attach(disabledName.IsEmpty() ? nullptr : LoadNamedBitmap(disabledName));
    return m_up.GetSafeHandle() != nullptr;
}

bool CBitmapButton::AutoLoad(UINT id, CWnd* parent)
{
    if (!parent || !SubclassDlgItem(id, parent->m_hWnd))
        return false;
    const CString caption = GetWindowText();
    CString up = caption, down = caption, disabled = caption;
    up += "U";
    down += "D";
    disabled += "X";
    if (!LoadBitmaps(up, down, disabled))
        return false;
    SizeToContent();
    return true;
}

void CBitmapButton::SizeToContent() const
{
    const SIZE size = BitmapSize(HBITMAP(m_up));
    if (size.cx > 0 && size.cy > 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(DRAWITEMSTRUCT* item)
{
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    HBITMAP image = HBITMAP(m_up);
    if (disabled && m_disabled.GetSafeHandle())
        image = HBITMAP(m_disabled);
    else if (pressed && m_down.GetSafeHandle())
        image = HBITMAP(m_down);
    if (!image)
        return;
    const RECT& box = item->rcItem;
    if (disabled && image == HBITMAP(m_up)) {
        ::DrawStateW(item->hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(image), 0, box.left, box.top, 0, 0,
                     DST_BITMAP | DSS_DISABLED);
        return;
    }
    const HDC source = ::CreateCompatibleDC(item->hDC);
    if (!source)
        return;
    const HGDIOBJ previous = ::SelectObject(source, image);
    const SIZE size = BitmapSize(image);
    ::BitBlt(item->hDC, box.left, box.top, size.cx, size.cy, source, 0, 0, SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
    if (item->itemState & ODS_FOCUS) {
        RECT focus = box;
        ::InflateRect(&focus, -3, -3);
        ::DrawFocusRect(item->hDC, &focus);
    }
}
