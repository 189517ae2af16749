// The page store without a control: the active page after a removal, the later pages moving down
// with their tabs, and every cell freed through the factory.

#include "sheet/model/PageStore.h"
#include "sheet/model/RowColumnOps.h"
#include "tests/support/PageConsistency.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Default cells; counts the cells it empties.
struct CountingFactory final : ICellFactory
{
    int emptied = 0;

    std::unique_ptr<CNorvakCell> CreateCell(int, int, int) override
    {
        return std::make_unique<CNorvakCell>();
    }
    void EmptyCell(int, CNorvakCell&, int, int) override { ++emptied; }
};

// Pages "P0", "P1", ... of 2 x 3 cells whose tabs are 50 pixels wide, side by side.
void Fill(CPageStore& store, CountingFactory& factory, int count)
{
    for (int i = 0; i < count; ++i) {
        const int index = store.Append(("P" + std::to_string(i)).c_str());
        PageRef ref = store.Ref(index);
        ASSERT_TRUE(ref);
        EXPECT_EQ(ref.page->m_nTabLeft, i == 1 ? 0 : 50 * i)
            << "a tab starts where the last tab but page 0's ends";
        ref.page->m_nTabLeft = 50 * i;
        ref.page->m_nTabRight = 50 * (i + 1);
        ASSERT_TRUE(SheetModel::SetColumnCount(*ref.page, *ref.cells, 3, factory).bOk);
        ASSERT_TRUE(SheetModel::SetRowCount(*ref.page, *ref.cells, 2, factory).bOk);
    }
}

} // namespace

TEST(PageStore, RemovalKeepsTheActivePageOrTakesItsNeighbour)
{
    struct Case
    {
        const char* name;
        int count, active, removed;
        BOOL result;
        int activeAfter;
        std::string titles; // after
    } cases[] = {
        {"before the active page", 3, 2, 0, TRUE, 1, "P1 P2"},
        {"after the active page", 3, 0, 2, TRUE, 0, "P0 P1"},
        {"the active page in the middle", 3, 1, 1, TRUE, 1, "P0 P2"},
        {"the active last page", 3, 2, 2, TRUE, 1, "P0 P1"},
        {"the only page", 1, 0, 0, TRUE, -1, ""},
        {"past the last page", 3, 1, 3, FALSE, 1, "P0 P1 P2"},
        {"a negative index", 3, 1, -1, FALSE, 1, "P0 P1 P2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPageStore store;
        CountingFactory factory;
        Fill(store, factory, c.count);
        store.SetActive(c.active);
        EXPECT_EQ(store.Remove(c.removed, factory), c.result);
        EXPECT_EQ(store.GetActive(), c.activeAfter);
        EXPECT_EQ(factory.emptied, c.result ? 6 : 0) << "the removed page's cells";
        std::string titles;
        store.ForEachPage([&](int index, CNorvakPage& page) {
            titles += (titles.empty() ? "" : " ") + std::string(page.m_strTitle.GetString());
            PageRef ref = store.Ref(index);
            ASSERT_TRUE(ref);
            EXPECT_EQ(page.m_nIndex, index);
            EXPECT_EQ(ref.cells->GetPageIndex(), index);
            EXPECT_EQ(CheckPageConsistency(page, *ref.cells), "");
            EXPECT_EQ(page.m_nTabLeft, 50 * index) << "later tabs move left by the removed tab's width";
            EXPECT_EQ(page.m_nTabRight, 50 * (index + 1));
        });
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(store.GetCount(), c.result ? c.count - 1 : c.count);
    }
}

TEST(PageStore, NegativeIndexesMeanTheActivePageAndClearFreesEveryCell)
{
    CPageStore store;
    CountingFactory factory;
    EXPECT_FALSE(store.Ref(-1)) << "no page, no active page";
    Fill(store, factory, 3);
    EXPECT_EQ(store.GetActive(), -1) << "appending leaves the active page to the caller";
    store.SetActive(1);
    EXPECT_EQ(store.Ref(-5).index, 1);
    EXPECT_EQ(store.GetPage(-1), store.GetPage(1));
    EXPECT_EQ(store.GetCells(-1), store.GetCells(1));
    EXPECT_FALSE(store.Ref(3));
    store.Clear(factory);
    EXPECT_EQ(factory.emptied, 18);
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_FALSE(store.Ref(0));
}

TEST(PageStore, APageBuiltElsewhereTakesTheNextIndexAndTab)
{
    CPageStore store;
    CountingFactory factory;
    Fill(store, factory, 2);
    auto built = std::make_unique<CNorvakPage>(7, "Read", 300);
    auto cells = std::make_unique<CNorvakPageCells>(7);
    ASSERT_TRUE(SheetModel::SetColumnCount(*built, *cells, 3, factory).bOk);
    EXPECT_EQ(store.Append(std::move(built), std::move(cells)), 2);
    PageRef ref = store.Ref(2);
    ASSERT_TRUE(ref) << "the cell table answers to the page's new index";
    EXPECT_EQ(ref.page->m_nIndex, 2);
    EXPECT_EQ(ref.page->m_nTabLeft, 100) << "its tab starts where the last tab ends";
    EXPECT_EQ(ref.page->m_strTitle, CString("Read"));
    EXPECT_EQ(ref.page->m_nCols, 3);
    EXPECT_EQ(store.GetCount(), 3);
}
