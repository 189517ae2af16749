// Saving and opening workbook files: the automation members and the pages they hand over.

#include "sheet/NorvakCtrl.h"

#include "framework/OleModule.h"
#include "resources/NorvakResource.h"
#include "workbook/WorkbookFile.h"

#include <new>

BOOL CNorvakCtrl::DoSave(CString lpszFileName, BOOL bAllPage, long nPageIndex, BOOL bSaveRowHeader,
                         BOOL bSaveColHeader)
{
    return SaveFile(lpszFileName, bAllPage, nPageIndex, bSaveRowHeader, bSaveColHeader);
}

BOOL CNorvakCtrl::DoOpen(CString lpszFileName)
{
    return OpenFile(lpszFileName);
}

BOOL CNorvakCtrl::SaveFile(const CString& path, BOOL bAllPage, int nPageIndex, BOOL bSaveRowHeader,
                           BOOL bSaveColHeader)
{
    const int count = m_pageStore.GetCount();
    if (count == 0 || (!bAllPage && (nPageIndex < 0 || nPageIndex >= count)))
        return FALSE;
    try {
        std::vector<CPageToSave> pages;
        for (int index = 0; index < count; ++index) {
            if (!bAllPage && index != nPageIndex)
                continue;
            CPageToSave page{GetPage(index), GetPageCells(index)};
            if (!page.page || !page.cells)
                return FALSE;
            pages.push_back(page);
        }
        CString version;
        version.LoadString(IDS_WORKBOOK_VERSION, OleModule::Instance());
        CWorkbookOutcome outcome =
            CWorkbookFile::SaveWorkbook(path, pages, version, CHeaderFlags{bSaveRowHeader, bSaveColHeader});
        if (!outcome.Succeeded()) {
            CWorkbookFile::ReportFailure(m_hWnd, outcome);
            return FALSE;
        }
    } catch (const std::bad_alloc&) {
        CWorkbookOutcome failed;
        failed.status = CWorkbookStatus::Failed;
        CWorkbookFile::ReportFailure(m_hWnd, failed);
        return FALSE;
    }
    InvalidateControl();
    return TRUE;
}

BOOL CNorvakCtrl::OpenFile(const CString& path)
{
    std::vector<CLoadedPage> pages;
    CWorkbookOutcome outcome = CWorkbookFile::LoadWorkbook(path, pages);
    if (!outcome.Succeeded()) {
        CWorkbookFile::ReportFailure(m_hWnd, outcome);
        return FALSE;
    }
    try {
        CLayoutHold held(*this);
        for (CLoadedPage& page : pages)
            AppendFilePage(std::move(page.page), std::move(page.cells));
    } catch (const std::bad_alloc&) {
        outcome.status = CWorkbookStatus::Failed;
        CWorkbookFile::ReportFailure(m_hWnd, outcome);
        return FALSE;
    }
    InvalidateControl();
    return TRUE;
}
