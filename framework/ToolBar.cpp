#include "framework/ToolBar.h"

#include <commctrl.h>

#include <vector>

bool CToolBar::Create(HWND parent, UINT id, const CString& title)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                        CCS_NOPARENTALIGN | CCS_NODIVIDER;
    if (!CreateEx(0, TOOLBARCLASSNAMEW, title.ToWide().c_str(), style, CRect(0, 0, 0, 0), parent, id))
        return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    return true;
}

bool CToolBar::SetButtons(std::span<const UINT> ids, UINT bitmapId)
{
    int images = 0;
    std::vector<TBBUTTON> buttons;
    for (UINT id : ids) {
        TBBUTTON button{};
        if (id == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = images++;
            button.idCommand = int(id);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(button);
    }
    TBADDBITMAP bitmap{::GetModuleHandleW(nullptr), UINT_PTR(bitmapId)};
    SendMessage(TB_ADDBITMAP, WPARAM(images), reinterpret_cast<LPARAM>(&bitmap));
    return SendMessage(TB_ADDBUTTONSW, WPARAM(buttons.size()), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

CRect CToolBar::MakePlaceholder(int index, int width)
{
    TBBUTTON button{};
    SendMessage(TB_GETBUTTON, WPARAM(index), reinterpret_cast<LPARAM>(&button));
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_SIZE | TBIF_IMAGE;
    info.fsStyle = BTNS_SEP;
    info.cx = WORD(width);
    info.iImage = width; // a separator's image is its width
    SendMessage(TB_SETBUTTONINFOW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
    return GetItemRect(index);
}

void CToolBar::SetButtonInfo(int index, UINT id, BYTE style, int image)
{
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_COMMAND | TBIF_IMAGE;
    info.idCommand = int(id);
    info.fsStyle = style;
    info.iImage = image;
    SendMessage(TB_SETBUTTONINFOW, WPARAM(index), reinterpret_cast<LPARAM>(&info));
}

CRect CToolBar::GetItemRect(int index) const
{
    RECT rect{};
    SendMessage(TB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&rect));
    return CRect(rect);
}

int CToolBar::CommandToIndex(UINT id) const
{
    return int(SendMessage(TB_COMMANDTOINDEX, WPARAM(id)));
}
