#pragma once

// A page of a CNorvakSheet: what every page of the control finds through its sheet (the sheet,
// whether it is the page on show, the control that opened the sheet), and the painting of the pages
// that draw their whole client area themselves: into a memory bitmap copied with one BitBlt, with
// no background erased first (also for WM_PRINTCLIENT, so the page can be printed into a bitmap).

#include "framework/PropertyPage.h"

class CDC;
class CNorvakCtrl;
class CNorvakSheet;

class CSheetPage : public CPropertyPage
{
public:
    explicit CSheetPage(UINT templateId, bool paintsWholeClient = false)
        : CPropertyPage(templateId), m_bPaintsWholeClient(paintsWholeClient)
    {
    }

    // The sheet, when the page is in a CNorvakSheet.
    CNorvakSheet* GetNorvakSheet() const;
    // The control that opened the sheet, or none.
    CNorvakCtrl* GetSheetControl() const;
    // The page is the one its sheet shows (OK is decided by the page on show).
    bool IsActiveSheetPage() const;

protected:
    // The whole client area in a memory DC (pages that paint the whole client).
    virtual void PaintPage(CDC&) {}
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void PaintInto(HDC target);
    bool m_bPaintsWholeClient;
};
