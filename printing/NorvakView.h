#pragma once

// The print view of the hidden print frame: it cuts the control's active page into printed pages
// and draws them, for the preview (as its page source) and for direct printing (PrintPages, which
// sends every page to the page setup's printer with a progress dialog and no print dialog). It
// reads the control the frame serves at the moment it paginates; nothing is copied. The sheet page
// it cut is found again by its index for every drawing, so a page deleted meanwhile is never
// reached: once it is gone, printed pages show only their decorations.
//
// Ownership: the frame owns the view. The printer DC of a preview run belongs to the view until the
// run ends.

#include "framework/PrintInfo.h"
#include "framework/PreviewView.h"
#include "printing/PrintComposer.h"

#include <optional>

class CNorvakCtrl;
class CNorvakFrameWnd;

class CNorvakView : public CWnd, public IPreviewSource
{
public:
    explicit CNorvakView(CNorvakFrameWnd& frame) : m_frame(frame) {}
    ~CNorvakView() override;

    bool Create(HWND frame, UINT id);

    // ---- direct printing ----
    // Every printed page of the active page on the page setup's printer; each failure is shown to
    // the user. The frame is enabled again on every way out.
    void PrintPages();
    // 1 once the progress dialog's Cancel was pressed; the abort procedure then stops the job.
    int m_bAbort = 0;
    // The view whose job is being spooled, which the abort procedure serves.
    static CNorvakView* PrintingView();

    // ---- a preview run ----
    // The printer DC: the page setup's printer with its orientation and paper, else the default
    // printer. False when there is none.
    bool OnPreparePrinting(CPrintInfo& info);
    // Paginates; false (after telling the user) when the margins leave no room on the paper.
    bool OnBeginPrinting(CPrintInfo& info);
    // Releases the printer DC.
    void OnEndPrinting(CPrintInfo& info);

    // The band of cells of the current printed page.
    void DrawPrintPage(HDC dc) const;
    int GetCurrentPage() const { return m_nCurrentPage; }
    // The index of the sheet page being printed or previewed; -1 when there is none, or when it
    // was deleted since it was cut into printed pages.
    int GetPrintedPageIndex() const { return m_nPrintedPage; }
    // The page at index was deleted: later pages have moved down one index.
    void OnPageRemoved(int index);
    int GetPageCount() const { return m_composer ? m_composer->GetPageCount() : 0; }

    // ---- IPreviewSource ----
    int PreviewPageCount() const override { return GetPageCount(); }
    HDC PreviewPrinterDC() const override { return m_previewInfo.m_hPrinterDC; }
    void DrawPreviewPage(HDC dc, int page) override;
    void OnPreviewPrint() override;
    void OnPreviewClose() override;

protected:
    bool PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CNorvakCtrl* Control() const;
    // Pagination of the control's active page for the DC; the page count.
    int Paginate(HDC dc);
    void ShowError(const char* text, const char* caption) const;
    void EnableFrame() const;
    void SpoolPages(HDC dc, int pageCount);

    CNorvakFrameWnd& m_frame;
    std::optional<CPrintComposer> m_composer;
    int m_nPrintedPage = -1;
    int m_nCurrentPage = 0;
    CPrintInfo m_previewInfo;
};
