#pragma once

// The print preview: a child window with a row of command buttons ("打印", "下一页", "上一页",
// "关闭") above a grey area where the current page is shown whole on white paper. The pages come
// from a source, which draws a page into a metafile made for its printer; the view scales that
// picture to fit and remembers nothing of it.
//
// Ownership: the view borrows its source, which must outlive the window.

#include "framework/Wnd.h"

class IPreviewSource
{
public:
    virtual ~IPreviewSource() = default;
    virtual int PreviewPageCount() const = 0;
    // The printer DC the pages are made for (its paper is the page's size); none: nothing shows.
    virtual HDC PreviewPrinterDC() const = 0;
    virtual void DrawPreviewPage(HDC dc, int page) = 0;
    virtual void OnPreviewPrint() = 0;
    virtual void OnPreviewClose() = 0;
};

class CPreviewView : public CWnd
{
public:
    enum Command : UINT
    {
        kPrint = 58116,
        kNextPage = 58117,
        kPreviousPage = 58118,
        kClose = 58112,
    };

    bool Create(HWND parent, UINT id, IPreviewSource* source);
    int GetCurrentPage() const { return m_nCurrentPage; }
    void SetCurrentPage(int page);
    // The paper's rectangle in the client area.
    CRect PageRect() const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnCommand(UINT id);
    void Paint(HDC dc);
    void LayOutButtons() const;
    void UpdateButtons() const;

    IPreviewSource* m_pSource = nullptr;
    int m_nCurrentPage = 1;
};
