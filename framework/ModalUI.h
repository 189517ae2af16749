#pragma once

// The one seam through which every modal piece of user interface passes: message boxes, modal
// dialogs, property sheets, the common colour, font and file dialogs, and popup menus. Without a
// hook each shows the real thing. A hook (a test, an unattended run) answers each request instead
// of a person, or answers ModalRequest::Run to let a dialog or sheet come up for real; it is then
// told the window is up (kind Shown) and may drive it with posted messages.

#include "framework/CString.h"

#include <windows.h>
#include <unknwn.h>

class CWnd;

struct ModalRequest
{
    enum Kind
    {
        Dialog,        // resourceId: the template; the answer is DoModal's result
        MessageBox,    // text, caption, type (MB_* flags); the answer is the button's id
        PropertySheet, // resourceId: the first page's template; caption: the sheet's
        ColorDialog,   // data: CHOOSECOLORW*; answer IDOK with rgbResult set, or IDCANCEL
        FontDialog,    // data: CHOOSEFONTW*; answer IDOK with *lpLogFont and rgbColors set
        FileDialog,    // data: OPENFILENAMEW*; answer IDOK with lpstrFile set; type: 1 open, 0 save
        PopupMenu,     // data: the HMENU, type: TPM_* flags; the answer is the chosen command or 0
        Shown          // window: a dialog or sheet let run is up; the answer is not used
    };
    // The answer that lets the request run for real.
    static constexpr INT_PTR Run = -2;

    Kind kind;
    UINT resourceId;
    const wchar_t* text;
    const wchar_t* caption;
    UINT type;
    HWND window; // the owner (the modal window itself for Shown)
    void* data;
};
// A hook answers every request while it is installed.
using ModalHook = INT_PTR(CALLBACK*)(const ModalRequest* request);

namespace ModalUI {

void SetHook(ModalHook hook);
ModalHook Hook();
// The hook's answer, or ModalRequest::Run without a hook.
INT_PTR Ask(const ModalRequest& request);
// Runs window's modal loop with owner (the top-level window of it) disabled; tells the hook
// first that the window is up. Returns the loop's result.
INT_PTR RunModalWindow(CWnd& window, HWND owner);

INT_PTR ShowDialog(HINSTANCE module, UINT dialogId, HWND owner, DLGPROC proc, LPARAM param);
// A message box; an empty caption is the program's title, so no box shows a bare title bar.
int ShowMessage(HWND owner, const CString& text, const CString& caption, UINT type);
// The system's property frame (OleCreatePropertyFrame) on one object with its pages, through the
// seam as a property sheet with that caption: S_OK when the hook answered instead, else the
// frame's result.
HRESULT ShowPropertyFrame(HWND owner, const CString& caption, IUnknown* object, ULONG pageCount,
                          const CLSID* pages);
// TrackPopupMenu through the seam. The owner gets WM_INITMENU and WM_INITMENUPOPUP first, and the
// chosen command is posted to it as WM_COMMAND unless flags hold TPM_RETURNCMD (then it is returned).
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner);

} // namespace ModalUI
