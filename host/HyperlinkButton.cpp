#include "host/HyperlinkButton.h"

#include "NorvakResource.h"

CHyperlinkButton::CHyperlinkButton()
    : m_cursor(::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_QUILM_LINK_CURSOR)))
{
}

void CHyperlinkButton::DrawItem(DRAWITEMSTRUCT* item)
{
    const std::wstring text = GetWindowText().ToWide();
    HGDIOBJ oldFont = ::SelectObject(item->hDC, GetFont() ? GetFont() : ::GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = ::SetBkMode(item->hDC, TRANSPARENT);
    RECT rect = item->rcItem;
    ::DrawTextW(item->hDC, text.c_str(), int(text.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SetBkMode(item->hDC, oldMode);
    ::SelectObject(item->hDC, oldFont);
}

LRESULT CHyperlinkButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SETCURSOR:
        SendMessage(BM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(m_cursor));
        return TRUE;
    case WM_MOUSEMOVE:
        SendMessage(BM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(m_cursor));
        return Default();
    default:
        return CButton::WindowProc(msg, wp, lp);
    }
}
