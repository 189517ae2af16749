#include "framework/ModalUI.h"

#include "framework/Application.h"
#include "framework/Wnd.h"

#include <olectl.h>

namespace {

ModalHook g_modalHook = nullptr;

ModalRequest Request(ModalRequest::Kind kind, HWND window)
{
    return ModalRequest{kind, 0, nullptr, nullptr, 0, window, nullptr};
}

} // namespace

namespace ModalUI {

void SetHook(ModalHook hook)
{
    g_modalHook = hook;
}

ModalHook Hook()
{
    return g_modalHook;
}

INT_PTR Ask(const ModalRequest& request)
{
    return g_modalHook ? g_modalHook(&request) : ModalRequest::Run;
}

INT_PTR RunModalWindow(CWnd& window, HWND owner)
{
    HWND root = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    const bool disabled = root && root != window.m_hWnd && ::IsWindowEnabled(root);
    if (disabled)
        ::EnableWindow(root, FALSE);
    if (g_modalHook) {
        const ModalRequest shown = Request(ModalRequest::Shown, window);
        g_modalHook(&shown);
    }
    const INT_PTR result = window.RunModalLoop();
    if (disabled) {
        ::EnableWindow(root, TRUE);
        // The owner takes the activation back before the modal window goes, not some other window.
        if (window.m_hWnd && ::GetActiveWindow() == window.m_hWnd)
            ::SetActiveWindow(root);
    }
    return result;
}

INT_PTR ShowDialog(HINSTANCE module, UINT dialogId, HWND owner, DLGPROC proc, LPARAM param)
{
    ModalRequest request = Request(ModalRequest::Dialog, owner);
    request.resourceId = dialogId;
    const INT_PTR answer = Ask(request);
    if (answer != ModalRequest::Run)
        return answer;
    return ::DialogBoxParamW(module, MAKEINTRESOURCEW(dialogId), owner, proc, param);
}

int ShowMessage(HWND owner, const CString& text, const CString& caption, UINT type)
{
    const std::wstring wideText = text.ToWide();
    const std::wstring wideCaption = (caption.IsEmpty() ? Application::Title() : caption).ToWide();
    ModalRequest request = Request(ModalRequest::MessageBox, owner);
    request.text = wideText.c_str();
    request.caption = wideCaption.c_str();
    request.type = type;
    const INT_PTR answer = Ask(request);
    if (answer != ModalRequest::Run)
        return int(answer);
    return ::MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), type);
}

HRESULT ShowPropertyFrame(HWND owner, const CString& caption, IUnknown* object, ULONG pageCount,
                          const CLSID* pages)
{
    std::wstring wideCaption = caption.ToWide();
    ModalRequest request = Request(ModalRequest::PropertySheet, owner);
    request.caption = wideCaption.c_str();
    if (Ask(request) != ModalRequest::Run)
        return S_OK;
    // The owner waits for the frame as for any modal window, also where the frame itself leaves
    // it enabled (Wine's).
    HWND root = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    const bool disabled = root && ::IsWindowEnabled(root);
    if (disabled)
        ::EnableWindow(root, FALSE);
    const HRESULT hr = ::OleCreatePropertyFrame(owner, 0, 0, wideCaption.c_str(), 1, &object, pageCount,
                                                const_cast<CLSID*>(pages), LOCALE_USER_DEFAULT, 0, nullptr);
    if (disabled)
        ::EnableWindow(root, TRUE);
    return hr;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner)
{
    if (!menu)
        return FALSE;
    ModalRequest request = Request(ModalRequest::PopupMenu, owner);
    request.type = flags;
    request.data = menu;
    if (!g_modalHook)
        return ::TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
    // What the menu loop would tell the owner, so it can check and enable the items.
    if (owner) {
        ::SendMessageW(owner, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        ::SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    }
    const INT_PTR answer = g_modalHook(&request);
    if (answer == ModalRequest::Run)
        return ::TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
    const UINT command = answer > 0 ? UINT(answer) : 0;
    if (flags & TPM_RETURNCMD)
        return BOOL(command);
    if (command && owner)
        ::PostMessageW(owner, WM_COMMAND, command, 0);
    return TRUE;
}

} // namespace ModalUI
