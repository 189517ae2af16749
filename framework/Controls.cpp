#include "framework/Controls.h"

#include "framework/CommonControls.h"

#include <commctrl.h>

bool CStatic::Create(const CString& text, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, L"STATIC", text.ToWide().c_str(), style, rect, parent, id);
}

bool CButton::Create(const CString& text, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, L"BUTTON", text.ToWide().c_str(), style, rect, parent, id);
}

bool CButton::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT* result)
{
    if (msg != WM_DRAWITEM)
        return false;
    DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lp));
    *result = TRUE;
    return true;
}

bool CEdit::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, L"EDIT", L"", style, rect, parent, id);
}

void CEdit::SetSel(int start, int end, bool noScroll) const
{
    SendMessage(EM_SETSEL, WPARAM(start), LPARAM(end));
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::ReplaceSel(const CString& text, bool canUndo) const
{
    const std::wstring wide = text.ToWide();
    SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool CComboBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateEx(0, L"COMBOBOX", L"", style, rect, parent, id);
}

int CComboBox::AddString(const CString& text) const
{
    const std::wstring wide = text.ToWide();
    return int(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int CComboBox::InsertString(int index, const CString& text) const
{
    const std::wstring wide = text.ToWide();
    return int(SendMessage(CB_INSERTSTRING, WPARAM(index), reinterpret_cast<LPARAM>(wide.c_str())));
}

CString CComboBox::GetLBText(int index) const
{
    const int length = int(SendMessage(CB_GETLBTEXTLEN, WPARAM(index)));
    if (length <= 0)
        return CString();
    std::wstring text(size_t(length) + 1, L'\0');
    const int copied = int(SendMessage(CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data())));
    return CString::FromWide(text.data(), copied > 0 ? copied : 0);
}

int CComboBox::SetItemData(int index, DWORD_PTR data) const
{
    return int(SendMessage(CB_SETITEMDATA, WPARAM(index), LPARAM(data)));
}

int CComboBox::SetItemHeight(int index, int height) const
{
    return int(SendMessage(CB_SETITEMHEIGHT, WPARAM(index), LPARAM(height)));
}

bool CComboBox::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT* result)
{
    if (msg == WM_DRAWITEM)
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lp));
    else if (msg == WM_MEASUREITEM)
        MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
    else
        return false;
    *result = TRUE;
    return true;
}

bool CSpinButtonCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    EnsureCommonControls();
    return CreateEx(0, UPDOWN_CLASSW, L"", style, rect, parent, id);
}

void CSpinButtonCtrl::SetRange(int lower, int upper) const
{
    SendMessage(UDM_SETRANGE32, WPARAM(lower), LPARAM(upper));
}

int CSpinButtonCtrl::GetPos() const
{
    return int(SendMessage(UDM_GETPOS32));
}

int CSpinButtonCtrl::SetPos(int position) const
{
    return int(SendMessage(UDM_SETPOS32, 0, LPARAM(position)));
}

HWND CSpinButtonCtrl::SetBuddy(HWND buddy) const
{
    return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)));
}
