// Page insertion and deletion through the page store, the active page, and the page-level
// automation methods that only validate the page and store a setting.

#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakDispatchMap.h"
#include "sheet/NorvakModule.h"
#include "sheet/windows/TitleTip.h"

#include "framework/OleModule.h"
#include "resources/NorvakResource.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kContextMenuItems = 24;
constexpr int kTabIconIds[] = {IDI_TAB_COOL, IDI_TAB_HOT, IDI_TAB_ACTIVE};
const char kUntitledPage[] = "         "; // nine spaces

HIMAGELIST CreateTabIcons()
{
    HIMAGELIST icons = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    if (!icons)
        return nullptr;
    HINSTANCE module = OleModule::Instance();
    for (int id : kTabIconIds) {
        HICON icon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
        if (icon) {
            ::ImageList_AddIcon(icons, icon);
            ::DestroyIcon(icon);
        }
    }
    return icons;
}

} // namespace

// ---- cells of the pages ----

const CNorvakCell* CNorvakCtrl::GetPageCell(int page, int row, int col) const
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.cells->GetCell(row, col) : nullptr;
}

CNorvakCell* CNorvakCtrl::EditPageCell(int page, int row, int col)
{
    PageRef ref = GetPageRef(page);
    return ref ? ref.cells->EditCell(row, col) : nullptr;
}

CString CNorvakCtrl::GetPageCellText(int page, int row, int col)
{
    const CNorvakCell* cell = GetPageCell(page, row, col);
    return cell ? cell->GetText() : CString();
}

std::unique_ptr<CNorvakCell> CNorvakCtrl::CreateCell(int page, int row, int col)
{
    PageRef ref = GetPageRef(page);
    if (!ref)
        return nullptr;
    return SheetModel::NewDefaultCell(*ref.page, *ref.cells, row, col);
}

void CNorvakCtrl::EmptyCell(int, CNorvakCell& cell, int, int)
{
    cell.SetState(0);
    cell.SetText("");
}

// ---- insertion and deletion ----

int CNorvakCtrl::InsertPage(const CString& title)
{
    return AddPage(std::make_unique<CNorvakPage>(0, title, 0), std::make_unique<CNorvakPageCells>(0), true);
}

int CNorvakCtrl::AddPage(std::unique_ptr<CNorvakPage> page, std::unique_ptr<CNorvakPageCells> cells,
                         bool fresh)
{
    const PageRef active = GetPageRef(-1);
    Fire(kEventShellDoInsertingPage,
         CEventArgs().Long(m_pageStore.GetActive()).Text(active ? active.page->m_strTitle : CString()));
    const CString title = page->m_strTitle;
    if (!m_builtInTabIcons.Get())
        m_builtInTabIcons = CTabIcons(CreateTabIcons());
    page->m_tabIcons = m_builtInTabIcons;
    page->m_nWheelLines = m_nWheelLines;
    const int index = m_pageStore.Append(std::move(page), std::move(cells));
    m_pageStore.GetPage(index)->m_pTitleTip = {new CTitleTipWnd, +[](CTitleTipWnd* tip) { delete tip; }};
    if (fresh) {
        const BYTE options[8] = {0, 1, 1, 0, 0, 0, 0, 0};
        const int values[4] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0};
        ResetPageChartOptions(index, options, values);
    }
    ActivatePage(index, FALSE);
    Fire(kEventShellDoInsertedPage, CEventArgs().Long(index).Text(title));
    return index;
}

int CNorvakCtrl::AppendFilePage(std::unique_ptr<CNorvakPage> page, std::unique_ptr<CNorvakPageCells> cells)
{
    if (page->m_strTitle.IsEmpty())
        page->m_strTitle = kUntitledPage;
    const int rows = page->m_nRows;
    const int cols = page->m_nCols;
    const int index = AddPage(std::move(page), std::move(cells), false);
    // The page came with its counts, and its activation laid the control out for them: the
    // container hears of them as of counts that grew from none.
    if (rows != 0)
        FireRowsOrColumnsChanged(true, index, 0, rows);
    if (cols != 0)
        FireRowsOrColumnsChanged(false, index, 0, cols);
    RecalcFirstVisibleCell(index);
    return index;
}

long CNorvakCtrl::DoInsertPage(CString newLabelValue)
{
    return InsertPage(newLabelValue.IsEmpty() ? CString(kUntitledPage) : newLabelValue);
}

BOOL CNorvakCtrl::DoDeletePage(long nPageIndex)
{
    return DeletePageAt(ResolvePage(nPageIndex));
}

BOOL CNorvakCtrl::DeletePageAt(int index)
{
    if (IsValidPage(index))
        CloseChartTextEditor(); // it may edit a chart of the page
    if (!m_pageStore.Remove(index, *this))
        return FALSE;
    PrintFramePageRemoved(index);
    InvalidateControl();
    const int active = m_pageStore.GetActive();
    if (active >= 0)
        ActivatePage(active, TRUE);
    m_tabBand->Invalidate();
    m_horzBar.Invalidate();
    if (m_pageStore.GetCount() == 0)
        LayoutChildWindows();
    return TRUE;
}

// ---- the active page ----

BOOL CNorvakCtrl::ActivatePage(int page, BOOL bForce)
{
    return m_tabBand->ActivatePage(page, bForce);
}

BOOL CNorvakCtrl::DoSetActivePageIndex(long nPageIndex)
{
    return ActivatePage(nPageIndex, FALSE);
}

// ---- page switches ----

BOOL CNorvakCtrl::DoSetPageContextMenuVisible(long nPageIndex, BOOL bVisible)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return FALSE;
    ref.page->m_bContextMenuVisible = bVisible;
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageContextMenuItemVisible(long nPageIndex, long nItemPos, BOOL bVisible)
{
    if (!GetPageRef(nPageIndex) || static_cast<unsigned long>(nItemPos) >= kContextMenuItems)
        return FALSE;
    m_contextMenuItemHidden[nItemPos] = bVisible ? 0 : 1;
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageSortStyle(long nPageIndex, long nSortStyle)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return FALSE;
    ref.page->m_nSortStyle = nSortStyle > 0 ? 1 : 0;
    return TRUE;
}

long CNorvakCtrl::DoGetPageSortStyle(long nPageIndex)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? ref.page->m_nSortStyle : -1;
}

BOOL CNorvakCtrl::DoSetPageModify(long nPageIndex, BOOL bModify)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return FALSE;
    ref.page->m_bEditable = bModify;
    return TRUE;
}

BOOL CNorvakCtrl::SetPageColor(long nPageIndex, OLE_COLOR crColor, COLORREF CNorvakPage::*color,
                               int CNorvakPage::*flag)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref)
        return FALSE;
    ref.page->*color = TranslateColor(crColor);
    ref.page->*flag = 1;
    InvalidateControl();
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageTextColor(long nPageIndex, OLE_COLOR crColor)
{
    return SetPageColor(nPageIndex, crColor, &CNorvakPage::m_crTextColor, &CNorvakPage::m_bTextColorSet);
}

BOOL CNorvakCtrl::DoSetPageTextBkColor(long nPageIndex, OLE_COLOR crColor)
{
    return SetPageColor(nPageIndex, crColor, &CNorvakPage::m_crTextBkColor, &CNorvakPage::m_bTextBkColorSet);
}

BOOL CNorvakCtrl::DoSetPageBkColor(long nPageIndex, OLE_COLOR crColor)
{
    return SetPageColor(nPageIndex, crColor, &CNorvakPage::m_crBkColor, &CNorvakPage::m_bBkColorSet);
}

BOOL CNorvakCtrl::DoSetPageMouseCursor(long nPageIndex, HCURSOR MouseCursor)
{
    if (!GetPageRef(nPageIndex))
        return FALSE;
    m_hSheetCursor = MouseCursor;
    return TRUE;
}

// ---- cell text and text format ----

BOOL CNorvakCtrl::DoSetPageCellText(long nPageIndex, long nRow, long nColumn, CString lpszText)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || !ref.page->IsValidCell(nRow, nColumn))
        return FALSE;
    if (!SetItemText(ref.index, nRow, nColumn, lpszText))
        return FALSE;
    if (ref.index == m_pageStore.GetActive())
        RedrawCell(CCellCoord(nRow, nColumn));
    return TRUE;
}

CString CNorvakCtrl::DoGetPageCellText(long nPageIndex, long nRow, long nColumn)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? GetPageCellText(ref.index, nRow, nColumn) : CString();
}

BOOL CNorvakCtrl::DoSetPageCellTextFormat(long nPageIndex, long nRow, long nColumn, short nTextFormat)
{
    PageRef ref = GetPageRef(nPageIndex);
    if (!ref || !ref.page->IsValidCell(nRow, nColumn))
        return FALSE;
    return SetItemFormat(ref.index, nRow, nColumn, WORD(nTextFormat));
}

short CNorvakCtrl::DoGetPageCellTextFormat(long nPageIndex, long nRow, long nColumn)
{
    PageRef ref = GetPageRef(nPageIndex);
    return ref ? short(GetItemFormat(ref.index, nRow, nColumn)) : short(-1);
}
