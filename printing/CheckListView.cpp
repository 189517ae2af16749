#include "printing/CheckListView.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr UINT kNoBox = 0;
constexpr UINT kUnchecked = 1;
constexpr UINT kChecked = 2;

void CopyText(const CString& text, wchar_t* buffer, int size)
{
    const std::wstring wide = text.ToWide();
    const size_t length = std::min(wide.size(), size_t(size - 1));
    std::wmemcpy(buffer, wide.data(), length);
    buffer[length] = L'\0';
}

void CopyText(const CString& text, char* buffer, int size)
{
    const size_t length = std::min(size_t(text.GetLength()), size_t(size - 1));
    std::memcpy(buffer, text.GetString(), length);
    buffer[length] = '\0';
}

} // namespace

void CCheckListView::UseCheckBoxes() const
{
    constexpr DWORD styles = LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES;
    static_assert(styles == 5);
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, ~DWORD(0), styles);
    // The check marks are asked of this object like the texts.
    SendMessage(LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK);
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

void CCheckListView::SetItems(int count, TextOf text, int checkable)
{
    m_count = std::max(0, count);
    m_checkable = std::max(0, checkable);
    m_text = std::move(text);
    m_checked.assign(size_t(CheckableCount()), false);
    m_checkedCount = 0;
    SendMessage(LVM_SETITEMCOUNT, WPARAM(m_count), 0);
    Invalidate();
}

CString CCheckListView::GetItemText(int item, int column) const
{
    return column == 1 && m_text && item >= 0 && item < m_count ? m_text(item) : CString();
}

bool CCheckListView::GetCheck(int item) const
{
    return Checkable(item) && m_checked[size_t(item)];
}

void CCheckListView::SetCheck(int item, bool check)
{
    if (!Checkable(item) || m_checked[size_t(item)] == check)
        return;
    m_checked[size_t(item)] = check;
    m_checkedCount += check ? 1 : -1;
    SendMessage(LVM_REDRAWITEMS, WPARAM(item), LPARAM(item));
}

void CCheckListView::SetAllChecks(bool check)
{
    std::fill(m_checked.begin(), m_checked.end(), check);
    m_checkedCount = check ? CheckableCount() : 0;
    Invalidate();
}

std::vector<int> CCheckListView::CheckedItems() const
{
    std::vector<int> items;
    items.reserve(size_t(m_checkedCount));
    for (int i = 0; i < CheckableCount() && int(items.size()) < m_checkedCount; ++i)
        if (m_checked[size_t(i)])
            items.push_back(i);
    return items;
}

UINT CCheckListView::StateImage(int item) const
{
    if (!Checkable(item))
        return kNoBox;
    return m_checked[size_t(item)] ? kChecked : kUnchecked;
}

template <class Item> void CCheckListView::FillItem(Item& item) const
{
    if (item.iItem < 0 || item.iItem >= m_count)
        return;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        CopyText(GetItemText(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
    if (item.iSubItem == 0 && (item.mask & LVIF_STATE)) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(StateImage(item.iItem));
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

bool CCheckListView::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lp);
    if (msg != WM_NOTIFY || !header)
        return false;
    if (header->code == LVN_GETDISPINFOW)
        FillItem(reinterpret_cast<NMLVDISPINFOW*>(lp)->item);
    else if (header->code == LVN_GETDISPINFOA)
        FillItem(reinterpret_cast<NMLVDISPINFOA*>(lp)->item);
    else
        return false;
    *result = 0;
    return true;
}

void CCheckListView::Toggle(int item)
{
    const UINT before = StateImage(item);
    SetCheck(item, !GetCheck(item));
    NMLISTVIEW change{};
    change.hdr.hwndFrom = m_hWnd;
    change.hdr.idFrom = UINT_PTR(::GetDlgCtrlID(m_hWnd));
    change.hdr.code = LVN_ITEMCHANGED;
    change.iItem = item;
    change.uChanged = LVIF_STATE;
    change.uOldState = INDEXTOSTATEIMAGEMASK(before);
    change.uNewState = INDEXTOSTATEIMAGEMASK(StateImage(item));
    ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
}

LRESULT CCheckListView::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    // The control keeps no marks of its own: the presses that would turn one are taken here.
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        LVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        const int item = int(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (!Checkable(item) || !(hit.flags & LVHT_ONITEMSTATEICON))
            break;
        // The clicked item takes the focus (the space bar then turns its mark), not the selection.
        ::SetFocus(m_hWnd);
        LVITEMW focus{};
        focus.stateMask = focus.state = LVIS_FOCUSED;
        SendMessage(LVM_SETITEMSTATE, WPARAM(item), reinterpret_cast<LPARAM>(&focus));
        Toggle(item);
        return 0;
    }
    case WM_KEYDOWN:
        if (wp == VK_SPACE) {
            const int item = int(SendMessage(LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
            if (Checkable(item))
                Toggle(item);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wp == L' ')
            return 0;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wp, lp);
}
