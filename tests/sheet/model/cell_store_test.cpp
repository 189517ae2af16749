// The cell store: cells that hold only the defaults have no record and reads never make one; the
// first write makes a record that looks exactly like the default it replaces; and running out of
// memory at any step of a count change, an insertion or a first write leaves the page as it was.

#include "sheet/model/CellProperties.h"
#include "sheet/model/CellSelection.h"
#include "sheet/model/MergeCells.h"
#include "sheet/model/RowColumnOps.h"
#include "tests/support/AllocationProbe.h"
#include "tests/support/CellSheet.h"
#include "tests/support/MergeFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

using namespace SheetModel;

namespace {

int OwnCells(const CNorvakPageCells& cells)
{
    int count = 0;
    cells.ForEachOwnCell([&](int, int, const CNorvakCell&) { ++count; });
    return count;
}

// Everything a caller can see of a page, one line per fact.
std::string Describe(const CNorvakPage& page, const CNorvakPageCells& cells)
{
    std::ostringstream out;
    out << "rows " << page.m_nRows << "/" << page.m_nFixedRows << " cols " << page.m_nCols << "/"
        << page.m_nFixedCols << "\n";
    for (int h : page.m_rowHeights)
        out << h << " ";
    out << "\n";
    for (int w : page.m_colWidths)
        out << w << " ";
    out << "\n";
    for (const auto* edges : {&page.m_leftEdgeLines, &page.m_topEdgeLines}) {
        for (const CEdgeLineEntry& e : *edges)
            out << e.index << ":" << e.crColor << "/" << int(e.width) << "/" << int(e.style) << " ";
        out << "\n";
    }
    for (const auto* list : {&page.m_bodyMerges, &page.m_headerMerges}) {
        for (const CMergeCellRange& m : *list)
            out << "merge " << m.firstRow << "," << m.firstCol << "-" << m.lastRow << "," << m.lastCol << " ";
        out << "\n";
    }
    for (const auto& [key, at] : page.m_selectedCells)
        out << "sel " << at.row << "," << at.col << " ";
    out << "focus " << page.m_focusCell.row << "," << page.m_focusCell.col << "\n";
    for (int row = 0; row < page.m_nRows; ++row)
        for (int col = 0; col < page.m_nCols; ++col) {
            const CNorvakCell* c = cells.GetCell(row, col);
            if (!c) {
                out << row << "," << col << " missing\n";
                continue;
            }
            out << row << "," << col << " '" << c->GetTextPtr() << "' s" << GetItemState(page, cells, row, col)
                << " f" << c->GetTextFormat() << " v" << c->GetVerLineColor() << "/" << int(c->GetVerLineWidth()) << "/"
                << int(c->GetVerLineStyle()) << " h" << c->GetHorLineColor() << "/" << int(c->GetHorLineWidth())
                << "/" << int(c->GetHorLineStyle()) << " m" << c->IsMergedRight() << c->IsMergedBelow()
                << c->IsCovered() << " span" << c->GetRowSpan() << "x" << c->GetColSpan() << " o"
                << c->GetMergeOrigin().row << "," << c->GetMergeOrigin().col << " lock" << c->GetEditLock()
                << " font" << c->GetFont().crText << "/" << c->GetFont().crBackground << "/"
                << c->GetFont().font.lfWeight << " i" << c->GetIndent() << "/" << c->GetImage() << "\n";
        }
    return out.str();
}

// Keeps every cell it is asked for, as a derived control's factory may.
struct KeepingFactory final : ICellFactory
{
    std::unique_ptr<CNorvakCell> CreateCell(int, int, int) override { return std::make_unique<CNorvakCell>(); }
    void EmptyCell(int, CNorvakCell&, int, int) override {}
};

// A page with a little of everything: texts, a format to inherit, a merge, a selection and focus.
struct StoreSheet : CellSheet
{
    CCellGeometry geometry{page, {400, 300}};
    CNoRepaint repaint; // records nothing, so that it allocates nothing

    StoreSheet() : CellSheet(0, 0)
    {
        EXPECT_TRUE(SetColumnCount(page, cells, 5, factory).bOk);
        EXPECT_TRUE(SetRowCount(page, cells, 6, factory).bOk);
        EXPECT_TRUE(SetFixedRowCount(page, cells, 1, factory).bOk);
        cells.EditCell(1, 1)->SetText("一段较长的文字");
        cells.EditCell(5, 2)->SetTextFormat(37);
        MarkMerge(page, cells, 2, 1, 3, 3);
        SetSelectedRange(page, cells, CCellRect(4, 0, 5, 4), repaint);
        SetFocusCell(page, cells, 5, 4, repaint);
    }
};

} // namespace

TEST(CellStore, ReadsOfAFreshPageGiveTheDefaultsAndMakeNoRecord)
{
    CellSheet s(0, 0);
    ASSERT_TRUE(SetColumnCount(s.page, s.cells, 50, s.factory).bOk);
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 1000, s.factory).bOk);
    RecordingRepaint repaint;
    SelectAllCells(s.page, s.cells, repaint);
    SetFocusCell(s.page, s.cells, 7, 3, repaint);
    ASSERT_TRUE(InsertRow(s.page, s.cells, 0, s.factory).bOk);
    ASSERT_TRUE(InsertColumn(s.page, s.cells, 0, 70, s.factory).bOk);
    ASSERT_TRUE(DeleteRow(s.page, s.cells, 500, s.factory).bOk);
    ASSERT_TRUE(DeleteColumn(s.page, s.cells, 9, s.factory).bOk);

    const CNorvakCell* plain = s.cells.GetCell(999, 49);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(GetItemState(s.page, s.cells, 999, 49), CIS_SELECTED)
        << "the page's selection shows on a default cell";
    EXPECT_EQ(GetItemState(s.page, s.cells, 8, 4), CIS_SELECTED | CIS_FOCUSED)
        << "the focus moved with its row";
    EXPECT_EQ(plain->GetTextFormat(), CNorvakCell::kDefaultTextFormat);
    EXPECT_STREQ(plain->GetTextPtr(), "");
    EXPECT_EQ(GetItemFormat(s.cells, 3, 3), 5);
    EXPECT_EQ(GetItemFont(s.cells, 3, 3), &CNorvakCell::DefaultFont());
    EXPECT_EQ(s.cells.GetCell(1000, 0), nullptr);
    EXPECT_EQ(s.cells.GetCell(0, 50), nullptr);
    EXPECT_EQ(OwnCells(s.cells), 0);
    for (int row = 0; row < s.page.m_nRows; ++row)
        ASSERT_EQ(s.cells.FindRow(row), nullptr) << row;
    EXPECT_EQ(s.Consistency(), "");
}

TEST(CellStore, AFirstWriteMakesARecordThatLooksLikeTheDefault)
{
    CellSheet s(0, 0);
    ASSERT_TRUE(SetColumnCount(s.page, s.cells, 4, s.factory).bOk);
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 4, s.factory).bOk);
    RecordingRepaint repaint;
    SetSelectedRange(s.page, s.cells, CCellRect(1, 1, 2, 2), repaint);
    SetFocusCell(s.page, s.cells, 2, 2, repaint);
    const std::string before = Describe(s.page, s.cells);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            ASSERT_NE(s.cells.EditCell(row, col), nullptr);
    EXPECT_EQ(OwnCells(s.cells), 16);
    EXPECT_EQ(Describe(s.page, s.cells), before);
    EXPECT_EQ(s.Consistency(), "");

    // A later selection shows on the records as on the cells without one.
    ASSERT_TRUE(InsertRow(s.page, s.cells, 4, s.factory).bOk);
    SetSelectedRange(s.page, s.cells, CCellRect(3, 0, 4, 3), repaint);
    EXPECT_EQ(GetItemState(s.page, s.cells, 3, 0), CIS_SELECTED);
    EXPECT_EQ(GetItemState(s.page, s.cells, 4, 0), CIS_SELECTED);
    EXPECT_EQ(s.cells.FindOwnCell(4, 0), nullptr);
    EXPECT_EQ(s.Consistency(), "");
}

// A formatted column on a long page gives every row one record: the row then costs one slot, not
// one per column; the row's later records, at either side, widen it without losing the first.
TEST(CellStore, ARowWithOneRecordCostsOneSlot)
{
    CellSheet s(0, 0);
    const int rows = 2000;
    ASSERT_TRUE(SetColumnCount(s.page, s.cells, 50, s.factory).bOk);
    ASSERT_TRUE(SetRowCount(s.page, s.cells, rows, s.factory).bOk);
    const long long before = AllocationProbe::LiveBytes();
    for (int row = 0; row < rows; ++row)
        ASSERT_NE(s.cells.EditCell(row, 37), nullptr);
    const long long perRow = (AllocationProbe::LiveBytes() - before) / rows;
    // A slot per column would add 50 pointers.
    EXPECT_LE(perRow, static_cast<long long>(sizeof(CNorvakCell) + sizeof(CNorvakCellRow) + 4 * sizeof(void*)));

    struct Write
    {
        int row, col;
        const char* text;
    };
    const Write writes[] = {{5, 37, "first"}, {5, 2, "left"}, {5, 49, "right"}, {6, 37, "alone"},
                            {7, 49, "last"},  {7, 0, "zero"}, {8, 0, "0"},      {8, 37, "mid"}};
    for (const Write& w : writes)
        s.cells.EditCell(w.row, w.col)->SetText(w.text);
    for (const Write& w : writes)
        EXPECT_STREQ(s.cells.GetCell(w.row, w.col)->GetTextPtr(), w.text) << w.row << "," << w.col;
    EXPECT_EQ(OwnCells(s.cells), rows + 5);

    // Columns come and go around the records; a new column's slot is reached by a row's window.
    ASSERT_TRUE(DeleteColumn(s.page, s.cells, 10, s.factory).bOk);
    ASSERT_TRUE(InsertColumn(s.page, s.cells, 1, 70, s.factory).bOk);
    s.cells.EditCell(6, 1)->SetText("new");
    EXPECT_STREQ(s.cells.GetCell(6, 1)->GetTextPtr(), "new");
    EXPECT_STREQ(s.cells.GetCell(6, 37)->GetTextPtr(), "alone");
    EXPECT_STREQ(s.cells.GetCell(7, 0)->GetTextPtr(), "zero");
    EXPECT_STREQ(s.cells.GetCell(7, 49)->GetTextPtr(), "last");
    EXPECT_EQ(s.Consistency(), "");
}

TEST(CellStore, TextsShortAndLongKeepTheirBytes)
{
    for (const char* text : {"", "a", "123456", "1234567", "中文字", "一段相当长的中文文字，不会放进记录里"}) {
        CNorvakCell cell;
        cell.SetText("previous text that is long enough for the heap");
        cell.SetText(text);
        EXPECT_STREQ(cell.GetTextPtr(), text);
        EXPECT_EQ(cell.HasText(), *text != 0) << text;
        cell.SetText("短");
        EXPECT_STREQ(cell.GetTextPtr(), "短");
    }
}

// Every allocation of an operation is made to fail in turn: the operation either fails and leaves
// the page exactly as it was, or succeeds with a consistent page.
TEST(CellStore, RunningOutOfMemoryAtAnyStepLeavesThePageAsItWas)
{
    struct Case
    {
        const char* name;
        std::function<BOOL(StoreSheet&)> op;
    } cases[] = {
        {"more rows", [](StoreSheet& s) { return SetRowCount(s.page, s.cells, 9, s.factory).bOk; }},
        {"more columns", [](StoreSheet& s) { return SetColumnCount(s.page, s.cells, 8, s.factory).bOk; }},
        {"more columns, every cell kept",
         [](StoreSheet& s) {
             KeepingFactory keep;
             return SetColumnCount(s.page, s.cells, 7, keep).bOk;
         }},
        {"fixed rows beyond the rows",
         [](StoreSheet& s) { return SetFixedRowCount(s.page, s.cells, 8, s.factory).bOk; }},
        {"insert a row into the merge", [](StoreSheet& s) { return InsertRow(s.page, s.cells, 3, s.factory).bOk; }},
        {"insert a row below the format", [](StoreSheet& s) { return InsertRow(s.page, s.cells, 6, s.factory).bOk; }},
        {"insert a column into the merge",
         [](StoreSheet& s) { return InsertColumn(s.page, s.cells, 2, 70, s.factory).bOk; }},
        {"insert a column of another text format",
         [](StoreSheet& s) {
             const CGridChange change = InsertColumn(s.page, s.cells, 2, 70, s.factory, 9);
             for (int row = 0; change.bOk && row < s.page.m_nRows; ++row)
                 EXPECT_EQ(GetItemFormat(s.cells, row, 2), 9) << row;
             return change.bOk;
         }},
        {"insert a column, every cell kept",
         [](StoreSheet& s) {
             KeepingFactory keep;
             return InsertColumn(s.page, s.cells, 0, 70, keep).bOk;
         }},
        {"first write of a long text",
         [](StoreSheet& s) { return SetItemText(s.page, s.cells, 4, 0, "一段很长的文字写进新记录"); }},
        {"first write of an item",
         [](StoreSheet& s) {
             CCellItem item;
             item.row = 1;
             item.col = 4;
             item.mask = CIM_TEXT | CIM_IMAGE | CIM_FONT | CIM_FORMAT;
             item.text = "项目的文字不短";
             item.image = 3;
             item.font.font.lfWeight = FW_BOLD;
             item.format = 21;
             item.indent = 3;
             return SetItem(s.page, s.cells, &item, s.repaint);
         }},
        {"first write of two lines",
         [](StoreSheet& s) { return SetCellHorLineColor(s.page, s.cells, 5, 0, RGB(255, 0, 0), kLineBoth, s.repaint); }},
        {"a new merge", [](StoreSheet& s) { return CombineCells(s.page, s.cells, 4, 3, 1, 1, TRUE, 2, s.geometry, s.repaint); }},
    };
    for (const Case& c : cases) {
        bool finished = false;
        for (long long step = 0; !finished && step < 10000; ++step) {
            StoreSheet s;
            const std::string before = Describe(s.page, s.cells);
            AllocationProbe::FailAllocation(step);
            BOOL ok = FALSE;
            try {
                ok = c.op(s);
            } catch (const std::bad_alloc&) {
                ADD_FAILURE() << c.name << ": out of memory escaped at allocation " << step;
            }
            const bool failed = AllocationProbe::Failed();
            AllocationProbe::FailAllocation(-1);
            finished = !failed;
            if (finished) {
                EXPECT_TRUE(ok) << c.name << " with memory to spare";
            } else if (!ok) {
                EXPECT_EQ(Describe(s.page, s.cells), before) << c.name << ", allocation " << step << " failed";
            }
            EXPECT_EQ(s.Consistency(), "") << c.name << ", allocation " << step;
        }
        EXPECT_TRUE(finished) << c.name;
    }
}
