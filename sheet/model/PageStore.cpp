#include "sheet/model/PageStore.h"

bool CPageStore::IsValid(int page) const
{
    return page >= 0 && page < GetCount();
}

PageRef CPageStore::Ref(int page) const
{
    PageRef ref;
    ref.index = Resolve(page);
    if (!IsValid(ref.index))
        return ref;
    ref.page = m_pages[size_t(ref.index)].get();
    CNorvakPageCells* cells = m_cells[size_t(ref.index)].get();
    if (cells && cells->GetPageIndex() == ref.index)
        ref.cells = cells;
    return ref;
}

// Where the next tab starts: the right edge of the last tab, unless page 0 is the only one.
int CPageStore::LastTabRight() const
{
    return m_pages.size() > 1 ? m_pages.back()->m_nTabRight : 0;
}

int CPageStore::Append(const CString& title)
{
    return Append(std::make_unique<CNorvakPage>(0, title, 0), std::make_unique<CNorvakPageCells>(0));
}

int CPageStore::Append(std::unique_ptr<CNorvakPage> page, std::unique_ptr<CNorvakPageCells> cells)
{
    const int index = GetCount();
    page->m_nIndex = index;
    page->m_nTabLeft = LastTabRight();
    cells->SetPageIndex(index);
    cells->SetPage(page.get());
    m_pages.push_back(std::move(page));
    try {
        m_cells.push_back(std::move(cells));
    } catch (...) {
        m_pages.pop_back();
        throw;
    }
    return index;
}

BOOL CPageStore::Remove(int index, ICellFactory& factory)
{
    if (!IsValid(index))
        return FALSE;
    const auto at = size_t(index);
    const int tabWidth = m_pages[at]->m_nTabRight - m_pages[at]->m_nTabLeft;
    m_pages.erase(m_pages.begin() + index);
    if (std::unique_ptr<CNorvakPageCells> cells = std::move(m_cells[at]))
        cells->FreeAll(factory);
    m_cells.erase(m_cells.begin() + index);
    CloseGap(index, tabWidth);

    const int count = GetCount();
    if (index < m_nActive)
        --m_nActive;
    else if (index == m_nActive && index == count)
        m_nActive = count - 1;
    if (count == 0)
        m_nActive = -1;
    else if (m_nActive < 0)
        m_nActive = 0;
    else if (m_nActive >= count)
        m_nActive = count - 1;
    return TRUE;
}

// The pages from removed on took the next lower index: each learns it, and its tab moves left by
// the removed tab's width.
void CPageStore::CloseGap(int removed, int tabWidth)
{
    for (size_t index = size_t(removed); index < m_pages.size(); ++index) {
        CNorvakPage& page = *m_pages[index];
        page.m_nIndex = int(index);
        page.m_nTabLeft -= tabWidth;
        page.m_nTabRight -= tabWidth;
        if (m_cells[index])
            m_cells[index]->SetPageIndex(int(index));
    }
}

void CPageStore::Clear(ICellFactory& factory)
{
    for (auto& cells : m_cells)
        if (cells)
            cells->FreeAll(factory);
    m_cells.clear();
    m_pages.clear();
    m_nActive = -1;
}
