// The control's printing members: the print frame made with its window, direct printing, the
// preview and the page-setup sheet. They are members of the control, built here beside the frame
// and the pages.

#include "dialogs/NorvakSheet.h"
#include "printing/NorvakFrameWnd.h"
#include "printing/PageBandPDlg.h"
#include "printing/PageDistancePDlg.h"
#include "printing/PageSizePDlg.h"
#include "printing/PageTitleCodeRecPDlg.h"
#include "printing/ReportDataPDlg.h"
#include "sheet/NorvakCtrl.h"

void CNorvakCtrl::CreatePrintFrame()
{
    if (m_pPrintFrame)
        return;
    auto frame = std::make_unique<CNorvakFrameWnd>();
    if (!frame->CreateFrame(CNorvakFrameWnd::kTitle))
        return;
    m_pPrintFrame = CPageOwned<CNorvakFrameWnd>(frame.release(), [](CNorvakFrameWnd* f) { delete f; });
}

void CNorvakCtrl::PrintFramePageRemoved(int index)
{
    if (m_pPrintFrame)
        m_pPrintFrame->OnPageRemoved(index);
}

void CNorvakCtrl::DoPrint()
{
    if (!m_pPrintFrame)
        return;
    m_pPrintFrame->SetControl(this);
    if (CNorvakView* view = m_pPrintFrame->GetPrintView())
        view->PrintPages();
}

void CNorvakCtrl::DoPreview()
{
    if (!m_pPrintFrame)
        return;
    HWND outer = CNorvakFrameWnd::OutermostWindow(m_hWnd);
    if (!outer && m_hWnd)
        outer = ::GetAncestor(m_hWnd, GA_ROOT);
    m_pPrintFrame->SetControl(this);
    m_pPrintFrame->ShowWindow(SW_SHOWMAXIMIZED);
    m_pPrintFrame->UpdateWindow();
    m_pPrintFrame->SendMessage(WM_COMMAND, CNorvakFrameWnd::kFilePrintPreview);
    if (outer && m_pPrintFrame->m_bPrintPrepared == 1 && m_pPrintFrame->IsWindowVisible())
        ::ShowWindow(outer, SW_HIDE);
}

void CNorvakCtrl::DoPrintSetup(BOOL bShowTab1, BOOL bShowTab2, BOOL bShowTab3, BOOL bShowTab4, BOOL bShowTab5,
                               BOOL bShowTab6, BOOL /*bShowTab7*/, BOOL /*bShowTab8*/)
{
    CNorvakPageSizePDlg paper(this);
    CNorvakReportDataPDlg reportData(this);
    CNorvakPageDistancePDlg margins(this);
    CNorvakPageTitleCodeRecPDlg title(this);
    CNorvakPageHeaderPDlg header(this);
    CNorvakPageTailPDlg footer(this);
    const std::pair<BOOL, CPropertyPage*> pages[] = {
        {bShowTab1, &paper}, {bShowTab2, &reportData}, {bShowTab3, &margins},
        {bShowTab4, &title}, {bShowTab5, &header},     {bShowTab6, &footer},
    };
    CNorvakSheet sheet("页面设置", 1, FALSE, this, 0, this);
    for (const auto& [shown, page] : pages) {
        if (shown)
            sheet.AddPage(page);
    }
    // A sheet without pages has nothing to show.
    if (sheet.GetPageCount() > 0)
        sheet.DoModal();
}
