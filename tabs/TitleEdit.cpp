#include "tabs/TitleEdit.h"

#include "sheet/NorvakCtrl.h"
#include "tabs/PageTitle.h"

CTitleEdit::CTitleEdit(CPageTitle& owner, const CString& text) : m_owner(owner), m_strInitial(text)
{
    m_font.CreatePointFont(90, "宋体");
    m_background.CreateSolidBrush(m_crBackground);
}

CTitleEdit* CTitleEdit::Open(CPageTitle& owner, DWORD extraStyle, const RECT& rect, const CString& text)
{
    auto* edit = new CTitleEdit(owner, text);
    if (!edit->Create(extraStyle | kStyle, rect, owner.m_hWnd, kId)) {
        delete edit;
        return nullptr;
    }
    edit->SetFont(edit->m_font);
    edit->SetWindowText(text);
    edit->SendMessage(EM_SETSEL, 0xFFFF, 0xFFFF);
    edit->SendMessage(EM_SCROLLCARET);
    edit->SetFocus();
    return edit;
}

LRESULT CTitleEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_CHAR && (wp == VK_RETURN || wp == VK_ESCAPE)) {
        if (wp == VK_ESCAPE)
            SetWindowText(m_strInitial);
        // Leaving the edit ends it.
        ::SetFocus(GetParent());
        return 0;
    }
    return CEdit::WindowProc(msg, wp, lp);
}

bool CTitleEdit::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    if (msg == WM_COMMAND && HIWORD(wp) == EN_KILLFOCUS) {
        OnKillFocus();
        *result = 0;
        return true;
    }
    if (msg == WM_CTLCOLOREDIT) {
        ::SetTextColor(reinterpret_cast<HDC>(wp), m_crText);
        *result = reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_background));
        return true;
    }
    return CEdit::OnChildNotify(msg, wp, lp, result);
}

void CTitleEdit::OnKillFocus()
{
    if (!m_hWnd)
        return;
    CString title = GetWindowText();
    title.Trim();
    if (title.IsEmpty())
        return Refuse("请输入一个有效的文本!");
    if (m_owner.IsTitleTaken(title, m_owner.GetControl().GetPageStore().GetActive()))
        return Refuse("所命名的工作表名不能与其它工作表重名!");
    const std::wstring wide = title.ToWide();
    m_owner.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    PostMessage(WM_CLOSE);
}

void CTitleEdit::Refuse(const char* message)
{
    m_owner.MessageBox(message, CString(), MB_OK);
    SetFocus();
}
