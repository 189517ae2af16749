#include "sheet/model/PageStore.h"

namespace {

// Moves the entries after the removed key down by one, telling each its new key.
template <class T, class Renumber>
void ShiftDown(std::map<int, std::unique_ptr<T>>& entries, int removed, Renumber renumber)
{
    std::map<int, std::unique_ptr<T>> shifted;
    for (auto& [key, entry] : entries) {
        const int newKey = key > removed ? key - 1 : key;
        if (newKey != key)
            renumber(*entry, newKey);
        shifted[newKey] = std::move(entry);
    }
    entries = std::move(shifted);
}

} // namespace

bool CPageStore::IsValid(int page) const
{
    return page >= 0 && page < m_nCount && m_pages.count(page) != 0;
}

PageRef CPageStore::Ref(int page) const
{
    PageRef ref;
    ref.index = Resolve(page);
    if (!IsValid(ref.index))
        return ref;
    ref.page = m_pages.at(ref.index).get();
    auto cells = m_cells.find(ref.index);
    if (cells != m_cells.end() && cells->second->GetPageIndex() == ref.index)
        ref.cells = cells->second.get();
    return ref;
}

// Where the next tab starts: the right edge of the last tab, unless page 0 is the only one.
int CPageStore::LastTabRight() const
{
    for (auto it = m_pages.rbegin(); it != m_pages.rend(); ++it)
        if (it->first != 0)
            return it->second->m_nTabRight;
    return 0;
}

int CPageStore::Append(const CString& title)
{
    return Append(std::make_unique<CNorvakPage>(0, title, 0), std::make_unique<CNorvakPageCells>(0));
}

int CPageStore::Append(std::unique_ptr<CNorvakPage> page, std::unique_ptr<CNorvakPageCells> cells)
{
    ++m_nCount;
    const int index = int(m_pages.size());
    page->m_nIndex = index;
    page->m_nTabLeft = LastTabRight();
    cells->SetPageIndex(index);
    cells->SetPage(page.get());
    m_pages[index] = std::move(page);
    m_cells[index] = std::move(cells);
    return index;
}

BOOL CPageStore::Remove(int index, ICellFactory& factory)
{
    if (!IsValid(index))
        return FALSE;
    auto page = m_pages.find(index);
    const int tabWidth = page->second->m_nTabRight - page->second->m_nTabLeft;
    m_pages.erase(page);
    auto cells = m_cells.find(index);
    if (cells != m_cells.end()) {
        cells->second->FreeAll(factory);
        m_cells.erase(cells);
    }
    CloseGap(index, tabWidth);

    --m_nCount;
    if (index < m_nActive)
        --m_nActive;
    else if (index == m_nActive && index == m_nCount)
        m_nActive = m_nCount - 1;
    if (m_nCount == 0)
        m_nActive = -1;
    else if (m_nActive < 0)
        m_nActive = 0;
    else if (m_nActive >= m_nCount)
        m_nActive = m_nCount - 1;
    return TRUE;
}

void CPageStore::CloseGap(int removed, int tabWidth)
{
    ShiftDown(m_pages, removed, [tabWidth](CNorvakPage& page, int index) {
        page.m_nIndex = index;
        page.m_nTabLeft -= tabWidth;
        page.m_nTabRight -= tabWidth;
    });
    ShiftDown(m_cells, removed, [](CNorvakPageCells& cells, int index) { cells.SetPageIndex(index); });
}

void CPageStore::Clear(ICellFactory& factory)
{
    for (auto& entry : m_cells)
        entry.second->FreeAll(factory);
    m_cells.clear();
    m_pages.clear();
    m_nCount = 0;
    m_nActive = -1;
}
