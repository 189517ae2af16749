#include "framework/PropertyPage.h"

#include "framework/OleModule.h"

void CPropertyPage::SetModified(bool changed) const
{
    HWND sheet = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (sheet)
        ::SendMessageW(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

bool CPropertyPage::PreTranslateMessage(MSG*)
{
    return false;
}

bool CPropertyPage::OnApply()
{
    OnOK();
    return true;
}

LRESULT CPropertyPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header && header->hwndFrom == ::GetParent(m_hWnd))
            return OnSheetNotify(header->code);
        break;
    }
    case WM_COMMAND:
        // IDOK and IDCANCEL belong to the sheet; a page's own buttons with those ids end nothing.
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)
            return Default();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wp, lp);
}

LRESULT CPropertyPage::OnSheetNotify(UINT code)
{
    switch (code) {
    case PSN_SETACTIVE:
        return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE:
        return OnKillActive() ? FALSE : TRUE;
    case PSN_APPLY:
        return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    case PSN_RESET:
        OnReset();
        return 0;
    case PSN_QUERYCANCEL:
        return OnQueryCancel() ? FALSE : TRUE;
    default:
        return Default();
    }
}

PROPSHEETPAGEW CPropertyPage::Describe()
{
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = OleModule::Instance();
    page.pszTemplate = MAKEINTRESOURCEW(m_templateId);
    page.pfnDlgProc = &CPropertyPage::PageDialogProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    // As CDialog's: the object takes the window at WM_INITDIALOG, whose lParam is the sheet's
    // copy of the page description.
    if (msg != WM_INITDIALOG || FromHandlePermanent(hwnd) || !lp)
        return FALSE;
    auto* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lp)->lParam);
    try {
        return page ? page->AttachAtInitDialog(hwnd, wp, lp) : FALSE;
    } catch (...) {
        return FALSE;
    }
}
