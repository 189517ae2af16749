#include "printing/CheckListView.h"

#include <iterator>
#include <string>

void CCheckListView::UseCheckBoxes() const
{
    constexpr DWORD styles = LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES;
    static_assert(styles == 5);
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, ~DWORD(0), styles);
}

void CCheckListView::InsertColumn(int index, const CString& title, int width) const
{
    std::wstring text = title.ToWide();
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = width;
    column.iSubItem = index;
    SendMessage(LVM_INSERTCOLUMNW, WPARAM(index), reinterpret_cast<LPARAM>(&column));
}

int CCheckListView::GetColumnCount() const
{
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    return header ? int(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CCheckListView::AppendItem(const CString& text) const
{
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = GetItemCount();
    item.pszText = const_cast<wchar_t*>(L"");
    const int index = int(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0)
        return index;
    std::wstring wide = text.ToWide();
    LVITEMW sub{};
    sub.iSubItem = 1;
    sub.pszText = wide.data();
    SendMessage(LVM_SETITEMTEXTW, WPARAM(index), reinterpret_cast<LPARAM>(&sub));
    return index;
}

CString CCheckListView::GetItemText(int item, int column) const
{
    wchar_t buffer[512]{};
    LVITEMW request{};
    request.iSubItem = column;
    request.pszText = buffer;
    request.cchTextMax = int(std::size(buffer));
    const int length = int(SendMessage(LVM_GETITEMTEXTW, WPARAM(item), reinterpret_cast<LPARAM>(&request)));
    return CString::FromWide(buffer, length);
}

bool CCheckListView::GetCheck(int item) const
{
    const UINT state = UINT(SendMessage(LVM_GETITEMSTATE, WPARAM(item), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

void CCheckListView::SetCheck(int item, bool check) const
{
    LVITEMW state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(check ? 2 : 1);
    SendMessage(LVM_SETITEMSTATE, WPARAM(item), reinterpret_cast<LPARAM>(&state));
}
