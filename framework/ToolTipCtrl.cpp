#include "framework/ToolTipCtrl.h"

#include "framework/CommonControls.h"

#include <commctrl.h>

namespace {

// The version 5 layout, which every comctl32 accepts.
TTTOOLINFOW ToolInfo(HWND window, UINT_PTR id)
{
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window;
    info.uId = id;
    return info;
}

} // namespace

bool CToolTipCtrl::Create(HWND owner, DWORD style)
{
    EnsureCommonControls();
    const RECT none{};
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | style, none, owner, 0);
}

bool CToolTipCtrl::AddTool(HWND window, const CString& text, const RECT& rect, UINT_PTR id) const
{
    std::wstring wide = text.ToWide();
    TTTOOLINFOW info = ToolInfo(window, id);
    info.rect = rect;
    info.lpszText = wide.data();
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTipCtrl::DelTool(HWND window, UINT_PTR id) const
{
    TTTOOLINFOW info = ToolInfo(window, id);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(HWND window, UINT_PTR id, const RECT& rect) const
{
    TTTOOLINFOW info = ToolInfo(window, id);
    info.rect = rect;
    SendMessage(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

int CToolTipCtrl::GetToolCount() const
{
    return int(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::Activate(bool active) const
{
    SendMessage(TTM_ACTIVATE, active);
}

void CToolTipCtrl::RelayEvent(MSG* msg) const
{
    if (m_hWnd && msg)
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}
