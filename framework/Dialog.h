#pragma once

// A dialog made from a template in this module's resources: modal through DoModal, which runs our
// own message loop (so PreTranslateMessage of the dialog and its controls runs) and passes the
// modal seam first, or modeless through Create. The dialog window is the system's, subclassed
// when WM_INITDIALOG arrives; its dialog init data (DialogInitData.h) fills its list and combo
// boxes before OnInitDialog. Data exchange (DataExchange.h) runs through UpdateData.
//
// Ownership: as CWnd; a modal dialog's window is destroyed before DoModal returns.

#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd
{
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, HWND parent = nullptr) : m_templateId(templateId), m_parent(parent) {}

    UINT GetTemplateId() const { return m_templateId; }

    // The end code given to EndDialog (IDCANCEL when the window went without one), the hook's
    // answer, or -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    // A modeless dialog; it goes with DestroyWindow (or EndDialog, which destroys it).
    bool Create(UINT templateId, HWND parent = nullptr);
    // Ends a modal run with result; destroys a modeless dialog.
    void EndDialog(INT_PTR result);

    // Moves the members into the controls (false) or the controls into the members after
    // validation (true); false when a value was refused, the refusing control then has the focus.
    bool UpdateData(bool saveAndValidate = true);

    // Dialog keys (Tab, arrows, Enter, Esc) for the dialog and its controls.
    bool PreTranslateMessage(MSG* msg) override;

protected:
    // Fills the controls (UpdateData(false)); true lets the system set the focus.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    // OK: UpdateData(true), then EndDialog(IDOK) when it passed. Cancel: EndDialog(IDCANCEL).
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // Attaches this object to the dialog window receiving WM_INITDIALOG and runs it.
    INT_PTR AttachAtInitDialog(HWND hwnd, WPARAM wp, LPARAM lp);

    UINT m_templateId = 0;
    HWND m_parent = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool CreateFromTemplate(HWND parent);
    void ApplyDialogInitData() const;
};
