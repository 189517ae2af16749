#pragma once

// The control's hidden top-level print frame "报表打印": a status bar, the print view, and while a
// preview runs the preview in place of the view. The control gives itself to the frame before each
// print or preview (SetControl); printing reads its page setup and active page through it. While
// the frame shows, the control's outermost window is hidden, and shown again when the frame hides.
// Closing the frame ends a preview and hides the frame; only the control destroys it.
//
// Ownership: the control owns the frame; the frame owns its view and the preview.

#include "framework/FrameWnd.h"
#include "printing/NorvakView.h"

#include <memory>

class CNorvakCtrl;

// The frame's document: never loaded or saved, no view is attached to it.
struct CNorvakDocument
{
    CString m_strTitle = "打印测试!";
};

class CNorvakFrameWnd : public CFrameWnd
{
public:
    static constexpr UINT kFilePrint = 57607;
    static constexpr UINT kFilePrintPreview = 57609;
    static constexpr const char* kTitle = "报表打印";

    CNorvakFrameWnd();
    ~CNorvakFrameWnd() override;

    void SetControl(CNorvakCtrl* control) { m_pControl = control; }
    CNorvakCtrl* GetControl() const { return m_pControl; }
    CNorvakView* GetPrintView() const { return m_pView.get(); }
    CPreviewView* GetPreview() const { return m_pPreview.get(); }
    // The control deleted the page at index: a preview of that page ends (posted, so a command of
    // the preview under way finishes first).
    void OnPageRemoved(int index);

    // 1 when the last preview found a printer.
    int m_bPrintPrepared = 1;
    CNorvakDocument m_document;

    // The last window up the parent chain of the window, or none.
    static HWND OutermostWindow(HWND window);

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void StartPreview();
    void EndPreview();

    CNorvakCtrl* m_pControl = nullptr;
    std::unique_ptr<CNorvakView> m_pView;
    std::unique_ptr<CPreviewView> m_pPreview;
    CPrintInfo m_previewInfo;
};
