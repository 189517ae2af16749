// The page and cell-table stores, page insertion and deletion, the active page, and the
// page-level automation methods that only validate the page and store a setting.

#include "sheet/NorvakCtrl.h"
#include "sheet/NorvakDispatchMap.h"
#include "sheet/NorvakModule.h"

#include "framework/OleModule.h"

namespace {

constexpr int kContextMenuItems = 24;
constexpr int kTabIconIds[] = {362, 361, 360}; // cool, hot, active
const char kUntitledPage[] = "         ";      // nine spaces

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

struct EventArgs
{
    VARIANT args[3];
    UINT count = 0;

    EventArgs& Long(long value)
    {
        ::VariantInit(&args[count]);
        V_VT(&args[count]) = VT_I4;
        V_I4(&args[count++]) = value;
        return *this;
    }
    EventArgs& Text(const CString& text)
    {
        ::VariantInit(&args[count]);
        V_VT(&args[count]) = VT_BSTR;
        V_BSTR(&args[count++]) = text.AllocSysString();
        return *this;
    }
    ~EventArgs()
    {
        for (UINT i = 0; i < count; ++i)
            ::VariantClear(&args[i]);
    }
};

} // namespace

// ---- stores ----

bool CNorvakCtrl::IsValidPage(int page) const
{
    return page >= 0 && page < m_nPageCount && m_pages.count(page) != 0;
}

CNorvakPage* CNorvakCtrl::GetPage(int page) const
{
    page = ResolvePage(page);
    if (!IsValidPage(page))
        return nullptr;
    return m_pages.at(page).get();
}

CNorvakPageCells* CNorvakCtrl::GetPageCells(int page) const
{
    page = ResolvePage(page);
    if (!IsValidPage(page))
        return nullptr;
    auto found = m_pageCells.find(page);
    if (found == m_pageCells.end() || found->second->GetPageIndex() != page)
        return nullptr;
    return found->second.get();
}

CNorvakCell* CNorvakCtrl::GetPageCell(int page, int row, int col) const
{
    const CNorvakPageCells* cells = GetPageCells(page);
    return cells ? cells->GetCell(row, col) : nullptr;
}

CString CNorvakCtrl::GetPageCellText(int page, int row, int col)
{
    const CNorvakCell* cell = GetPageCell(page, row, col);
    return cell ? cell->GetText() : CString();
}

std::unique_ptr<CNorvakCell> CNorvakCtrl::CreateCell(int page, int row, int col)
{
    const CNorvakPage* record = GetPage(page);
    const CNorvakPageCells* cells = GetPageCells(page);
    if (!record || !cells)
        return nullptr;
    return SheetModel::NewDefaultCell(*record, *cells, row, col);
}

void CNorvakCtrl::EmptyCell(int, CNorvakCell& cell, int, int)
{
    cell.SetState(0);
    cell.SetText("");
}

void CNorvakCtrl::FreeAllCellTables()
{
    for (auto& entry : m_pageCells)
        entry.second->FreeAll(*this);
    m_pageCells.clear();
}

void CNorvakCtrl::FreeAllPages()
{
    for (auto& entry : m_pages) {
        auto& charts = entry.second->m_charts;
        while (!charts.empty())
            charts.pop_back();
    }
    m_pages.clear();
}

// ---- insertion and deletion ----

int CNorvakCtrl::LastTabRight() const
{
    for (auto it = m_pages.rbegin(); it != m_pages.rend(); ++it)
        if (it->first != 0)
            return it->second->m_nTabRight;
    return 0;
}

int CNorvakCtrl::InsertPage(const CString& title)
{
    const CNorvakPage* active = GetPage(-1);
    FireEvent(kEventShellDoInsertingPage,
              EventArgs().Long(m_nActivePage).Text(active ? active->m_strTitle : CString()).args, 2);
    ++m_nPageCount;
    const int tabLeft = LastTabRight();
    const int index = int(m_pages.size());
    auto page = std::make_unique<CNorvakPage>(index, title, tabLeft);
    page->m_hTabIcons = CreateTabIcons();
    m_pages[index] = std::move(page);
    m_pageCells[index] = std::make_unique<CNorvakPageCells>(index);
    const BYTE options[8] = {0, 1, 1, 0, 0, 0, 0, 0};
    const int values[4] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0};
    ResetPageChartOptions(index, options, values);
    ActivatePage(index, FALSE);
    FireEvent(kEventShellDoInsertedPage, EventArgs().Long(index).Text(title).args, 2);
    return index;
}

long CNorvakCtrl::DoInsertPage(CString newLabelValue)
{
    return InsertPage(newLabelValue.IsEmpty() ? CString(kUntitledPage) : newLabelValue);
}

void CNorvakCtrl::ResetPageChartOptions(int page, const BYTE options[8], const int values[4])
{
    CNorvakPage* record = GetPage(page);
    if (!record)
        return;
    std::copy(options, options + 8, record->m_chartOptionBytes);
    std::copy(values, values + 4, record->m_chartOptionInts);
}

BOOL CNorvakCtrl::DoDeletePage(long nPageIndex)
{
    return DeletePageAt(ResolvePage(nPageIndex));
}

BOOL CNorvakCtrl::DeletePageAt(int index)
{
    if (!IsValidPage(index))
        return FALSE;
    std::unique_ptr<CNorvakPage> page = std::move(m_pages[index]);
    m_pages.erase(index);
    const int tabWidth = page->m_nTabRight - page->m_nTabLeft;
    page.reset();
    auto cells = m_pageCells.find(index);
    if (cells != m_pageCells.end()) {
        cells->second->FreeAll(*this);
        m_pageCells.erase(cells);
    }
    RenumberPagesAfter(index, tabWidth);

    --m_nPageCount;
    if (index < m_nActivePage)
        --m_nActivePage;
    else if (index == m_nActivePage && index == m_nPageCount)
        m_nActivePage = m_nPageCount - 1;
    if (m_nPageCount == 0)
        m_nActivePage = -1;
    else if (m_nActivePage < 0)
        m_nActivePage = 0;
    else if (m_nActivePage >= m_nPageCount)
        m_nActivePage = m_nPageCount - 1;

    InvalidateControl();
    if (m_nActivePage >= 0)
        ActivatePage(m_nActivePage, TRUE);
    m_arrowBar.Invalidate();
    m_horzBar.Invalidate();
    m_splitBox.Invalidate();
    if (m_nPageCount == 0) {
        m_pages.clear();
        m_pageCells.clear();
        LayoutChildWindows();
    }
    return TRUE;
}

void CNorvakCtrl::RenumberPagesAfter(int deleted, int tabWidth)
{
    std::map<int, std::unique_ptr<CNorvakPage>> pages;
    for (auto& [key, page] : m_pages) {
        if (key > deleted) {
            page->m_nIndex = key - 1;
            page->m_nTabLeft -= tabWidth;
            page->m_nTabRight -= tabWidth;
            pages[key - 1] = std::move(page);
        } else {
            pages[key] = std::move(page);
        }
    }
    m_pages = std::move(pages);
    std::map<int, std::unique_ptr<CNorvakPageCells>> tables;
    for (auto& [key, cells] : m_pageCells) {
        if (key > deleted) {
            cells->SetPageIndex(key - 1);
            tables[key - 1] = std::move(cells);
        } else {
            tables[key] = std::move(cells);
        }
    }
    m_pageCells = std::move(tables);
}

// ---- the active page ----

BOOL CNorvakCtrl::ActivatePage(int page, BOOL bForce)
{
    if (!IsValidPage(page)) {
        m_pageTitle.Invalidate();
        return FALSE;
    }
    if (page == m_nActivePage && !bForce) {
        m_pageTitle.Invalidate();
        return TRUE;
    }
    m_pendingCut = CCellRect();
    const int cx = ::GetSystemMetrics(SM_CXHSCROLL);
    const CNorvakPage* previous = GetPage(-1);
    const int oldRange = previous ? previous->m_nVertRange : 0;
    m_nActivePage = page;
    const int newRange = m_pages[page]->m_nVertRange;
    if (oldRange > 0 && newRange <= 0)
        m_nHorzScrollWidth += cx;
    else if (oldRange <= 0 && newRange > 0)
        m_nHorzScrollWidth -= cx;
    ResetScrollBars(page);
    InvalidateControl();
    for (auto& [key, record] : m_pages) {
        if (record->m_nTabIconState == -1)
            continue;
        if (key == page)
            record->m_nTabIconState = 2;
        else if (record->m_nTabIconState == 2)
            record->m_nTabIconState = 0;
    }
    m_pageTitle.Invalidate();
    return TRUE;
}

BOOL CNorvakCtrl::DoSetActivePageIndex(long nPageIndex)
{
    return ActivatePage(nPageIndex, FALSE);
}

// ---- page switches ----

BOOL CNorvakCtrl::DoSetPageContextMenuVisible(long nPageIndex, BOOL bVisible)
{
    CNorvakPage* page = GetPage(nPageIndex);
    if (!page)
        return FALSE;
    page->m_bContextMenuVisible = bVisible;
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageContextMenuItemVisible(long nPageIndex, long nItemPos, BOOL bVisible)
{
    if (!GetPage(nPageIndex) || static_cast<unsigned long>(nItemPos) >= kContextMenuItems)
        return FALSE;
    m_contextMenuItemHidden[nItemPos] = bVisible ? 0 : 1;
    return TRUE;
}

BOOL CNorvakCtrl::DoSetPageSortStyle(long nPageIndex, long nSortStyle)
{
    CNorvakPage* page = GetPage(nPageIndex);
    if (!page)
        return FALSE;
    page->m_nSortStyle = nSortStyle > 0 ? 1 : 0;
    return TRUE;
}

long CNorvakCtrl::DoGetPageSortStyle(long nPageIndex)
{
    const CNorvakPage* page = GetPage(nPageIndex);
    return page ? page->m_nSortStyle : -1;
}

BOOL CNorvakCtrl::DoSetPageModify(long nPageIndex, BOOL bModify)
{
    CNorvakPage* page = GetPage(nPageIndex);
    if (!page)
        return FALSE;
    page->m_bEditable = bModify;
    return TRUE;
}

BOOL CNorvakCtrl::SetPageColor(long nPageIndex, OLE_COLOR crColor, COLORREF CNorvakPage::*color,
                               int CNorvakPage::*flag)
{
    CNorvakPage* page = GetPage(nPageIndex);
    if (!page)
        return FALSE;
    page->*color = TranslateColor(crColor);
    page->*flag = 1;
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
    if (!GetPage(nPageIndex))
        return FALSE;
    m_hSheetCursor = MouseCursor;
    return TRUE;
}

// ---- cell text and text format ----

BOOL CNorvakCtrl::DoSetPageCellText(long nPageIndex, long nRow, long nColumn, CString lpszText)
{
    const CNorvakPage* page = GetPage(nPageIndex);
    if (!page || !page->IsValidCell(nRow, nColumn))
        return FALSE;
    if (!SetItemText(nPageIndex, nRow, nColumn, lpszText))
        return FALSE;
    if (ResolvePage(nPageIndex) == m_nActivePage)
        RedrawCell(CCellCoord(nRow, nColumn));
    return TRUE;
}

CString CNorvakCtrl::DoGetPageCellText(long nPageIndex, long nRow, long nColumn)
{
    if (!GetPage(nPageIndex))
        return CString();
    return GetPageCellText(ResolvePage(nPageIndex), nRow, nColumn);
}

BOOL CNorvakCtrl::DoSetPageCellTextFormat(long nPageIndex, long nRow, long nColumn, short nTextFormat)
{
    const CNorvakPage* page = GetPage(nPageIndex);
    if (!page || !page->IsValidCell(nRow, nColumn))
        return FALSE;
    return SetItemFormat(nPageIndex, nRow, nColumn, WORD(nTextFormat));
}

short CNorvakCtrl::DoGetPageCellTextFormat(long nPageIndex, long nRow, long nColumn)
{
    if (!GetPage(nPageIndex))
        return -1;
    return short(GetItemFormat(nPageIndex, nRow, nColumn));
}
