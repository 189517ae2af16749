#include "framework/DataExchange.h"

#include "framework/ModalUI.h"
#include "framework/Wnd.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool IsRadioButton(HWND button)
{
    return (::SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

// The buttons of the group that starts at first, in tab order.
template <class Visit> void ForEachRadioButton(HWND first, Visit visit)
{
    int index = 0;
    for (HWND button = first; button; button = ::GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (::GetWindowLongPtrW(button, GWL_STYLE) & WS_GROUP))
            break;
        if (IsRadioButton(button))
            visit(button, index++);
    }
}

bool ParseInt(const CString& text, int& value)
{
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(trimmed.GetString(), &end, 10);
    if (errno == ERANGE || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = int(parsed);
    return true;
}

// A value the control answers to get and takes as the wParam of set.
void ExchangeByMessages(CDataExchange* dx, int id, int& value, UINT get, UINT set)
{
    HWND control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = int(::SendMessageW(control, get, 0, 0));
    else
        ::SendMessageW(control, set, WPARAM(value), 0);
}

} // namespace

HWND CDataExchange::PrepareCtrl(int id)
{
    if (m_failed)
        return nullptr;
    HWND control = ::GetDlgItem(*m_pDlgWnd, id);
    if (control) {
        m_lastControl = control;
        m_lastIsEdit = false;
    }
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    if (control)
        m_lastIsEdit = true;
    return control;
}

void CDataExchange::Fail(const CString& message)
{
    if (m_failed)
        return;
    m_failed = true;
    m_pDlgWnd->MessageBox(message, m_pDlgWnd->GetWindowText(), MB_OK | MB_ICONEXCLAMATION);
    if (m_lastControl && ::IsWindow(m_lastControl)) {
        ::SetFocus(m_lastControl);
        if (m_lastIsEdit)
            ::SendMessageW(m_lastControl, EM_SETSEL, 0, -1);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    if (HWND hwnd = dx->PrepareCtrl(id))
        control.SubclassWindow(hwnd);
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    HWND edit = dx->PrepareEditCtrl(id);
    if (!edit)
        return;
    if (dx->m_bSaveAndValidate)
        value = CWnd::TextOf(edit);
    else
        ::SetWindowTextW(edit, value.ToWide().c_str());
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    if (!dx->PrepareEditCtrl(id))
        return;
    CString text;
    if (!dx->m_bSaveAndValidate)
        text.Format("%d", value);
    DDX_Text(dx, id, text);
    if (dx->m_bSaveAndValidate && !ParseInt(text, value))
        dx->Fail("请输入一个整数。");
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    ExchangeByMessages(dx, id, value, BM_GETCHECK, BM_SETCHECK);
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    HWND first = dx->PrepareCtrl(id);
    if (!first)
        return;
    if (dx->m_bSaveAndValidate) {
        value = -1;
        ForEachRadioButton(first, [&](HWND button, int index) {
            if (value == -1 && ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        });
    } else {
        ForEachRadioButton(first, [&](HWND button, int index) {
            ::SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        });
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& value)
{
    ExchangeByMessages(dx, id, value, CB_GETCURSEL, CB_SETCURSEL);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int min, int max)
{
    if (!dx->m_bSaveAndValidate || dx->Failed() || (value >= min && value <= max))
        return;
    CString message;
    message.Format("请输入一个介于 %d 和 %d 之间的整数。", min, max);
    dx->Fail(message);
}
