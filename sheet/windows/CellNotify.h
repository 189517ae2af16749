#pragma once

// The notifications a window of cells (the control, the standalone grid, their in-place editors)
// sends its owner: WM_NOTIFY with the cell and a code, and the end of an in-place edit.

#include "sheet/model/CellTypes.h"

// Where a window of cells sends its notifications: its owner, or its parent when it has none.
inline HWND CellNotifyTarget(HWND window)
{
    HWND owner = ::GetWindow(window, GW_OWNER);
    return owner ? owner : ::GetParent(window);
}

// WM_NOTIFY to the target with the header (window, control id, code) followed by the row and the
// column; the send's result, 0 without sending when the window or the target is not a window.
inline LRESULT SendCellNotify(HWND window, int row, int col, int code)
{
    if (!window || !::IsWindow(window))
        return 0;
    struct
    {
        NMHDR header;
        int row;
        int col;
    } notice{};
    const int id = ::GetDlgCtrlID(window);
    notice.header = NMHDR{window, UINT_PTR(id), UINT(code)};
    notice.row = row;
    notice.col = col;
    HWND target = CellNotifyTarget(window);
    if (!target || !::IsWindow(target))
        return 0;
    return ::SendMessageW(target, WM_NOTIFY, WPARAM(id), reinterpret_cast<LPARAM>(&notice));
}

// The end of an in-place edit, sent to the edited window's owner (else its parent) as WM_NOTIFY
// with the code -106. The item carries the row, the column, mask 5, the text and, in its value,
// the key that ended the edit (0 for a loss of the focus).
struct CCellDispInfo
{
    static constexpr int kEndEditCode = -106;
    static constexpr UINT kEndEditMask = CIM_TEXT | 0x04;

    NMHDR hdr;
    CCellItem item;

    // Sends the end of an edit from the editing window (id: the id the owner knows it by).
    static void Send(HWND from, UINT id, int row, int col, const CString& text, UINT key)
    {
        CCellDispInfo info{};
        info.hdr = NMHDR{from, id, UINT(kEndEditCode)};
        info.item.row = row;
        info.item.col = col;
        info.item.mask = kEndEditMask;
        info.item.text = text;
        info.item.value = WORD(key);
        HWND target = CellNotifyTarget(from);
        if (target && ::IsWindow(target))
            ::SendMessageW(target, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info));
    }
};
