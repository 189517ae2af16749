#pragma once

// The pages of a workbook: the page records and their cell tables keyed by page index (0-based
// and contiguous), the page count and the active page. The store owns the records and the
// tables; the control owns the store and fires the events around its changes. The tab strip, the
// workbook reader and the grid window reach pages through it, with no control window.

#include "sheet/model/CellFactory.h"
#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <memory>
#include <vector>

// A page as an index resolves it: the index (a negative one stands for the active page), the page
// record and its cell table; false when the index names no page.
struct PageRef
{
    int index = -1;
    CNorvakPage* page = nullptr;
    CNorvakPageCells* cells = nullptr;

    explicit operator bool() const { return page && cells; }
};

class CPageStore
{
public:
    CPageStore() = default;
    CPageStore(const CPageStore&) = delete;
    CPageStore& operator=(const CPageStore&) = delete;

    int GetCount() const { return int(m_pages.size()); }
    // -1 when there is no page.
    int GetActive() const { return m_nActive; }
    void SetActive(int page) { m_nActive = page; }
    int Resolve(int page) const { return page < 0 ? m_nActive : page; }
    bool IsValid(int page) const;

    // A negative index means the active page; a page outside the store resolves to nothing.
    PageRef Ref(int page) const;
    CNorvakPage* GetPage(int page) const { return Ref(page).page; }
    CNorvakPageCells* GetCells(int page) const { return Ref(page).cells; }

    // A new last page with an empty cell table, its tab starting where the last tab ends; its
    // index. The active page stays.
    int Append(const CString& title);
    // The same for a page built elsewhere (read from a file): it and its cell table take the next
    // index, its tab starts where the last tab ends.
    int Append(std::unique_ptr<CNorvakPage> page, std::unique_ptr<CNorvakPageCells> cells);
    // Frees the page (its record, charts included, then its cells through the factory), moves
    // every later page down one index and its tab left by the freed tab's width, and keeps the
    // active page on the page it was, or on a neighbour when it was the one removed. FALSE for an
    // index outside the store.
    BOOL Remove(int index, ICellFactory& factory);
    // Frees every cell table, then every page record; no page is left.
    void Clear(ICellFactory& factory);

    // Every page record in index order, as f(index, page).
    template <class F> void ForEachPage(F f) const
    {
        for (size_t index = 0; index < m_pages.size(); ++index)
            f(int(index), *m_pages[index]);
    }

private:
    int LastTabRight() const;
    void CloseGap(int removed, int tabWidth);

    // Page p's record and table at position p: a lookup costs the same however many pages there
    // are, and a removal moves only pointers.
    std::vector<std::unique_ptr<CNorvakPage>> m_pages;
    std::vector<std::unique_ptr<CNorvakPageCells>> m_cells;
    int m_nActive = -1;
};
