#include "framework/Dialog.h"

#include "framework/CommonControls.h"
#include "framework/DataExchange.h"
#include "framework/DialogInitData.h"
#include "framework/ModalUI.h"
#include "framework/OleModule.h"

INT_PTR CDialog::DoModal()
{
    ModalRequest request{ModalRequest::Dialog, m_templateId, nullptr, nullptr, 0, m_parent, nullptr};
    const INT_PTR answer = ModalUI::Ask(request);
    if (answer != ModalRequest::Run)
        return answer;
    BeginModalState();
    if (!CreateFromTemplate(m_parent)) {
        ClearModalState();
        return -1;
    }
    if (ContinueModal() && !IsWindowVisible())
        ShowWindow(SW_SHOW);
    INT_PTR result = ModalUI::RunModalWindow(*this, m_parent);
    DestroyWindow();
    return result == -1 ? IDCANCEL : result;
}

bool CDialog::Create(UINT templateId, HWND parent)
{
    m_templateId = templateId;
    m_parent = parent;
    return CreateFromTemplate(parent);
}

bool CDialog::CreateFromTemplate(HWND parent)
{
    if (m_hWnd)
        return false;
    EnsureCommonControls();
    HWND hwnd = ::CreateDialogParamW(OleModule::Instance(), MAKEINTRESOURCEW(m_templateId), parent,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd && !m_hWnd)
        ::DestroyWindow(hwnd); // never reached WM_INITDIALOG as ours
    return m_hWnd != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    if (IsModal())
        EndModalLoop(result);
    else
        DestroyWindow();
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    if (!m_hWnd)
        return false;
    CDataExchange exchange(*this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

bool CDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST || !m_hWnd)
        return false;
    return ::IsDialogMessageW(m_hWnd, msg) != FALSE;
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == IDOK) {
            OnOK();
            return 0;
        }
        if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == IDCANCEL) {
            OnCancel();
            return 0;
        }
        break;
    default:
        break;
    }
    return Default();
}

INT_PTR CDialog::AttachAtInitDialog(HWND hwnd, WPARAM wp, LPARAM lp)
{
    if (!SubclassWindow(hwnd))
        return FALSE;
    ApplyDialogInitData();
    return Dispatch(WM_INITDIALOG, wp, lp);
}

void CDialog::ApplyDialogInitData() const
{
    HMODULE module = OleModule::Instance();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(m_templateId), MAKEINTRESOURCEW(kDialogInitResourceType));
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    if (!data)
        return;
    for (const DialogInitItem& item : ParseDialogInitData(data, ::SizeofResource(module, found)))
        ::SendDlgItemMessageW(m_hWnd, item.controlId, item.message, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    // Once attached, every message reaches the object before this procedure; it answers "not
    // handled" so the system's dialog handling goes on.
    if (msg != WM_INITDIALOG || FromHandlePermanent(hwnd) || !lp)
        return FALSE;
    try {
        return reinterpret_cast<CDialog*>(lp)->AttachAtInitDialog(hwnd, wp, lp);
    } catch (...) {
        return FALSE;
    }
}
