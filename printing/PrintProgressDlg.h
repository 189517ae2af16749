#pragma once

// The small modeless dialog "打印" shown while pages are sent to the printer: "正在打印(共n页)......"
// and a Cancel button that asks the print view to abort. While it shows, its parent (the control)
// is disabled, so no other command reaches the control; closing it in any way enables the parent
// again. The print loop lets it paint and take its Cancel between pages (PumpMessages): a printer
// driver need not call the job's abort procedure more than once.

#include "framework/Dialog.h"

class CNorvakView;

class CPrintProgressDlg : public CDialog
{
public:
    CPrintProgressDlg(HWND parent, CNorvakView* view);

    // Creates the dialog with the page count in its text, centred, active and shown.
    bool Show(int pageCount);
    bool DestroyWindow() override;
    // Handles the messages waiting for the dialog and its controls, then paints what they left
    // to paint. Nothing else of the thread runs meanwhile.
    void PumpMessages();

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    CNorvakView* m_pView;
};
