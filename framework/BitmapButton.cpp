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

bool CBitmapButton::LoadBitmaps(const CString& upName, const CString& downName)
{
    m_up.DeleteObject();
    m_down.DeleteObject();
    m_up.Attach(LoadNamedBitmap(upName));
    m_down.Attach(LoadNamedBitmap(downName));
    return m_up.GetSafeHandle() != nullptr;
}

bool CBitmapButton::AutoLoad(UINT id, CWnd* parent)
{
    if (!parent || !SubclassDlgItem(id, parent->m_hWnd))
        return false;
    CString up = GetWindowText(), down = up;
    up += "U";
    down += "D";
    if (!LoadBitmaps(up, down))
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
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const HBITMAP image = pressed && m_down.GetSafeHandle() ? HBITMAP(m_down) : HBITMAP(m_up);
    if (!image)
        return;
    const RECT& box = item->rcItem;
    if (item->itemState & ODS_DISABLED) {
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
