// The page record and cell table, and the row and column operations on them. Every operation is
// followed by the consistency check, which later tests of the sheet reuse.

#include "sheet/model/RowColumnOps.h"
#include "tests/support/CellSheet.h"
#include "tests/support/MergeFixture.h"
#include "tests/support/PageConsistency.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <algorithm>
#include <tuple>
#include <vector>

using namespace SheetModel;

namespace {

// A page with its table, cells tagged "row:column" so that moves show.
struct Sheet : CellSheet
{
    using CellSheet::CellSheet;

    void Combine(int r0, int c0, int r1, int c1, int lock = 0, bool header = false)
    {
        MarkMerge(page, cells, r0, c0, r1, c1, lock, header);
    }
    void Select(int row, int col) { page.m_selectedCells.Add(CCellCoord(row, col)); }
    void Focus(int row, int col)
    {
        Cell(row, col).SetState(WORD(Cell(row, col).GetState() | CIS_FOCUSED));
        page.m_focusCell = CCellCoord(row, col);
    }
    std::vector<CCellCoord> Selected() const
    {
        std::vector<CCellCoord> out;
        for (const auto& [key, at] : page.m_selectedCells)
            out.push_back(at);
        std::sort(out.begin(), out.end(),
                  [](CCellCoord a, CCellCoord b) { return std::tie(a.col, a.row) < std::tie(b.col, b.row); });
        return out;
    }
};

std::string Bounds(const CMergeCellRange& m)
{
    return std::to_string(m.firstRow) + "," + std::to_string(m.firstCol) + "-" + std::to_string(m.lastRow) +
           "," + std::to_string(m.lastCol);
}

// Refuses the n-th cell it is asked for and records every cell it empties.
class RecordingFactory : public ICellFactory
{
public:
    RecordingFactory(Sheet& sheet, int refuseAt = -1) : m_sheet(sheet), m_refuseAt(refuseAt) {}
    std::unique_ptr<CNorvakCell> CreateCell(int, int row, int col) override
    {
        if (m_created++ == m_refuseAt)
            return nullptr;
        return NewDefaultCell(m_sheet.page, m_sheet.cells, row, col);
    }
    void EmptyCell(int, CNorvakCell& cell, int row, int col) override
    {
        emptied.push_back(CCellCoord(row, col));
        foundInPlace = foundInPlace && m_sheet.cells.GetCell(row, col) == &cell;
    }
    std::vector<CCellCoord> emptied;
    bool foundInPlace = true;

private:
    Sheet& m_sheet;
    int m_refuseAt;
    int m_created = 0;
};

} // namespace

TEST(NorvakCell, DefaultsAndSharedFont)
{
    CNorvakCell a, b;
    EXPECT_EQ(a.GetVerLineColor(), 0xC0C0C0u);
    EXPECT_EQ(a.GetHorLineStyle(), 1);
    EXPECT_EQ(a.GetMergeOrigin(), CCellCoord(-1, -1));
    EXPECT_EQ(a.GetTextFormat(), 5);
    EXPECT_EQ(a.GetPicturePlacement(), 6);
    EXPECT_EQ(a.GetCellType(), 1);
    EXPECT_EQ(a.GetFillerChar(), ' ');
    EXPECT_STREQ(a.GetFont().font.lfFaceName, "宋体");
    EXPECT_EQ(a.GetFont().font.lfHeight, -12);
    EXPECT_EQ(a.GetFont().crText, kNoTextColor);
    EXPECT_EQ(a.GetFont().crBackground, kNoBackground);
    EXPECT_EQ(&a.GetFont(), &b.GetFont()) << "fresh cells share one font record";

    a.EditFont().crText = RGB(255, 0, 0);
    EXPECT_EQ(a.GetFont().crText, RGB(255, 0, 0));
    EXPECT_EQ(b.GetFont().crText, kNoTextColor) << "a change stays with its cell";
    a.SetFont(CFontRecord());
    EXPECT_FALSE(a.HasOwnFont()) << "the default record is shared again";

    a.SetText("文本");
    EXPECT_EQ(a.GetText(), CString("文本"));
    a.SetText("");
    EXPECT_FALSE(a.HasText());
    a.SetIndent(4);
    EXPECT_EQ(a.GetIndent(), 4);
    EXPECT_EQ(b.GetIndent(), 0);
}

TEST(PageCells, LookupBounds)
{
    Sheet s(3, 4);
    struct Case
    {
        int row, col;
        bool found;
    } cases[] = {{-1, 0, false}, {3, 0, false}, {0, 4, false}, {0, -1, false}, {2, 3, true}, {0, 0, true}};
    for (const Case& c : cases)
        EXPECT_EQ(s.cells.GetCell(c.row, c.col) != nullptr, c.found) << c.row << ", " << c.col;
}

TEST(PageCells, NewCellsTakeTheTextFormatOfTheCellAbove)
{
    Sheet s(6, 3);
    EXPECT_EQ(NewDefaultCell(s.page, s.cells, 0, 1)->GetTextFormat(), 5) << "row 0";
    s.Cell(4, 1).SetTextFormat(37);
    EXPECT_EQ(NewDefaultCell(s.page, s.cells, 5, 1)->GetTextFormat(), 37);
    EXPECT_EQ(NewDefaultCell(s.page, s.cells, 5, 3)->GetTextFormat(), 5) << "beyond the stored columns";

    s.Cell(5, 2).SetTextFormat(37);
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 8, s.factory).bOk);
    EXPECT_EQ(s.Cell(7, 2).GetTextFormat(), 37) << "grown rows carry the last row's codes down";
    ASSERT_TRUE(InsertRow(s.page, s.cells, 6, s.factory).bOk);
    EXPECT_EQ(s.Cell(6, 2).GetTextFormat(), 37);
    ASSERT_TRUE(InsertRow(s.page, s.cells, 0, s.factory).bOk);
    EXPECT_EQ(s.Cell(0, 2).GetTextFormat(), 5);
    ASSERT_TRUE(SetColumnCount(s.page, s.cells, 4, s.factory).bOk);
    EXPECT_EQ(s.Cell(7, 3).GetTextFormat(), 5) << "new columns keep 5";
}

TEST(NorvakPage, DefaultsHeightsAndWidths)
{
    Sheet s(4, 3);
    EXPECT_EQ(s.page.m_bOpened, 1);
    EXPECT_EQ(s.page.m_nPrivilege, 2);
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(-1, -1));
    EXPECT_EQ(s.page.m_firstVisibleCell, CCellCoord(0, 0));
    EXPECT_EQ(s.page.m_crTextColor, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(s.page.m_crBkColor, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(s.page.m_nHeadSelectedStyle, 3);
    EXPECT_EQ(s.page.m_formatBrush, CCellRect(-1, -1, -1, -1));
    EXPECT_EQ(s.page.GetRowHeight(3), 20);
    EXPECT_EQ(s.page.GetColumnWidth(2), 70);
    EXPECT_EQ(s.page.GetRowHeight(4), -1);
    EXPECT_EQ(s.page.GetRowHeight(-1), -1);
    EXPECT_EQ(s.page.GetColumnWidth(3), -1);
    EXPECT_EQ(s.page.GetFixedRowHeight(), 0);

    EXPECT_FALSE(s.page.SetRowHeight(0, -1));
    EXPECT_EQ(s.page.GetRowHeight(0), 20);
    EXPECT_FALSE(s.page.SetRowHeight(4, 10));
    EXPECT_TRUE(s.page.SetRowHeight(0, 0)) << "zero is a height";
    EXPECT_EQ(s.page.GetRowHeight(0), 0);

    struct Case
    {
        int col;
        int changed;
    } cases[] = {{1, 0}, {0, 1}, {2, 1}};
    for (const Case& c : cases) {
        Sheet fresh(2, 3);
        EXPECT_TRUE(fresh.page.SetColumnWidth(c.col, 30));
        EXPECT_EQ(fresh.page.m_bColumnWidthsChanged, c.changed) << "column " << c.col;
    }
    Sheet fixed(4, 3, 2, 1);
    fixed.page.SetRowHeight(1, 25);
    EXPECT_EQ(fixed.page.GetFixedRowHeight(), 45);
    EXPECT_EQ(fixed.page.GetFixedColumnWidth(), 70);
}

TEST(NorvakPage, BestFitAndBodySizes)
{
    Sheet s(3, 4, 1, 1);
    auto measure = [](int row, int col) { return SIZE{LONG(10 * row + col), LONG(row + 5 * col)}; };
    EXPECT_TRUE(s.page.AutoSizeColumn(2, measure));
    EXPECT_EQ(s.page.GetColumnWidth(2), 22) << "the widest cell, fixed rows included, no margin";
    EXPECT_EQ(s.page.m_bColumnWidthsChanged, 0);
    EXPECT_TRUE(s.page.AutoSizeRow(1, measure));
    EXPECT_EQ(s.page.GetRowHeight(1), 16);
    EXPECT_FALSE(s.page.AutoSizeColumn(4, measure));
    EXPECT_FALSE(s.page.AutoSizeRow(-1, measure));

    Sheet noRows(0, 2);
    EXPECT_TRUE(noRows.page.AutoSizeColumn(1, measure));
    EXPECT_EQ(noRows.page.GetColumnWidth(1), 0);

    EXPECT_TRUE(s.page.SetBodyRowHeights(30));
    EXPECT_EQ(s.page.GetRowHeight(0), 20) << "fixed rows keep theirs";
    EXPECT_EQ(s.page.GetRowHeight(2), 30);
    EXPECT_FALSE(s.page.SetBodyColumnWidths(-3));
    EXPECT_EQ(s.page.GetColumnWidth(3), 70);
}

TEST(NorvakPage, WheelLinesFromTheRegistry)
{
    const wchar_t* key = L"Software\\NorvakModelTest\\Desktop";
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
    EXPECT_EQ(CNorvakPage::ReadWheelScrollLines(HKEY_CURRENT_USER, key), 3) << "no key";
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(CNorvakPage::ReadWheelScrollLines(HKEY_CURRENT_USER, key), 3) << "no value";
    struct Case
    {
        const wchar_t* text;
        int lines;
    } cases[] = {{L"7", 7}, {L"12", 12}, {L"abc", 3}, {L"", 3}};
    for (const Case& c : cases) {
        RegSetValueExW(h, L"WheelScrollLines", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.text),
                       DWORD((wcslen(c.text) + 1) * sizeof(wchar_t)));
        EXPECT_EQ(CNorvakPage::ReadWheelScrollLines(HKEY_CURRENT_USER, key), c.lines);
    }
    RegCloseKey(h);
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\NorvakModelTest");
}

// Default cells cost nothing, so the largest row count fits 64 columns; more cells are refused.
TEST(RowColumnCounts, TheCellLimitAllowsTheLargestRowCountWith64Columns)
{
    for (int cols : {50, 64, 65}) {
        Sheet s(5, cols, 1, 1);
        const bool fits = cols <= 64;
        CGridChange result = SetRowCount(s.page, s.cells, kMaxRowCount, s.factory);
        EXPECT_EQ(result.bOk, fits) << cols;
        EXPECT_EQ(s.page.m_nRows, fits ? kMaxRowCount : 5) << cols;
        EXPECT_TRUE(SetRowCount(s.page, s.cells, 5, s.factory).bOk);
        EXPECT_EQ(s.Consistency(), "") << cols;
    }
}

TEST(RowColumnCounts, BadCountsAreRefusedAndChangeNothing)
{
    struct Case
    {
        const char* name;
        std::function<CGridChange(Sheet&)> op;
    } cases[] = {
        {"negative rows", [](Sheet& s) { return SetRowCount(s.page, s.cells, -1, s.factory); }},
        {"negative columns", [](Sheet& s) { return SetColumnCount(s.page, s.cells, -5, s.factory); }},
        {"too many rows", [](Sheet& s) { return SetRowCount(s.page, s.cells, kMaxRowCount + 1, s.factory); }},
        {"too many columns",
         [](Sheet& s) { return SetColumnCount(s.page, s.cells, kMaxColumnCount + 1, s.factory); }},
        {"negative fixed rows", [](Sheet& s) { return SetFixedRowCount(s.page, s.cells, -1, s.factory); }},
        {"negative fixed columns",
         [](Sheet& s) { return SetFixedColumnCount(s.page, s.cells, -1, s.factory); }},
        {"negative column width", [](Sheet& s) { return InsertColumn(s.page, s.cells, 0, -1, s.factory); }},
    };
    for (const Case& c : cases) {
        Sheet s(5, 40, 1, 1);
        s.Combine(2, 2, 3, 3);
        CGridChange result = c.op(s);
        EXPECT_FALSE(result.bOk) << c.name;
        EXPECT_FALSE(result.CountChanged()) << c.name;
        EXPECT_EQ(s.page.m_nRows, 5) << c.name;
        EXPECT_EQ(s.page.m_nCols, 40) << c.name;
        EXPECT_EQ(s.page.m_nFixedRows, 1) << c.name;
        EXPECT_EQ(s.page.m_bodyMerges.size(), 1u) << c.name;
        EXPECT_EQ(s.Consistency(), "") << c.name;
    }
}

TEST(RowColumnCounts, GoodCounts)
{
    Sheet s(0, 5);
    CGridChange grown = SetRowCount(s.page, s.cells, 100, s.factory);
    EXPECT_TRUE(grown.CountChanged());
    EXPECT_EQ(grown.nOldCount, 0);
    EXPECT_EQ(grown.nNewCount, 100);
    EXPECT_EQ(s.Consistency(), "");

    // An unchanged count reports no change and keeps merges and auto-text columns.
    s.Combine(3, 1, 4, 2);
    s.page.m_autoTextColumns.push_back({4, "No.", 1});
    CGridChange same = SetRowCount(s.page, s.cells, 100, s.factory);
    EXPECT_TRUE(same.bOk);
    EXPECT_FALSE(same.CountChanged());
    EXPECT_EQ(s.page.m_bodyMerges.size(), 1u);
    EXPECT_EQ(s.page.m_autoTextColumns.size(), 1u);
    EXPECT_TRUE(SetColumnCount(s.page, s.cells, 5, s.factory).bOk);
    EXPECT_EQ(s.page.m_bodyMerges.size(), 1u);

    // Growing keeps merges inside the grid and fills the auto-text column of the new rows.
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 102, s.factory).CountChanged());
    EXPECT_EQ(s.page.m_bodyMerges.size(), 1u);
    EXPECT_EQ(s.Text(101, 4), "No.101");
    EXPECT_EQ(s.Consistency(), "");

    // Shrinking through a merge undoes it; shrinking past an auto-text column drops the column.
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 4, s.factory).CountChanged());
    EXPECT_TRUE(s.page.m_bodyMerges.empty());
    EXPECT_FALSE(s.Cell(3, 2).IsMergedRight());
    ASSERT_TRUE(SetColumnCount(s.page, s.cells, 4, s.factory).CountChanged());
    EXPECT_TRUE(s.page.m_autoTextColumns.empty());
    EXPECT_EQ(s.Consistency(), "");

    // Heights follow the rows: what was cut off does not come back.
    s.page.SetRowHeight(3, 44);
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 3, s.factory).bOk);
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 4, s.factory).bOk);
    EXPECT_EQ(s.page.GetRowHeight(3), 20);
    EXPECT_EQ(s.page.m_rowHeights.size(), 4u);
}

TEST(RowColumnCounts, FixedCounts)
{
    Sheet s(3, 3);
    s.Focus(1, 1);
    CGridChange grown = SetFixedRowCount(s.page, s.cells, 5, s.factory);
    EXPECT_TRUE(grown.CountChanged()) << "the rows grow to the fixed count";
    EXPECT_EQ(s.page.m_nRows, 5);
    EXPECT_EQ(s.page.m_nFixedRows, 5);
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(-1, -1)) << "a focus that becomes fixed is cleared";
    EXPECT_EQ(s.Consistency(), "");

    ASSERT_TRUE(SetFixedColumnCount(s.page, s.cells, 2, s.factory).bOk);
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 2, s.factory).bOk);
    ASSERT_TRUE(SetColumnCount(s.page, s.cells, 1, s.factory).bOk);
    EXPECT_EQ(s.page.m_nFixedRows, 2) << "fixed rows never exceed the rows";
    EXPECT_EQ(s.page.m_nFixedCols, 1);
    EXPECT_EQ(s.Consistency(), "");
}

TEST(RowColumnOps, PositionsAreClamped)
{
    struct Case
    {
        const char* name;
        std::function<CGridChange(Sheet&)> op;
        int position;
        int newCount;
    } cases[] = {
        {"insert row at -5", [](Sheet& s) { return InsertRow(s.page, s.cells, -5, s.factory); }, 0, 5},
        {"insert row past the end", [](Sheet& s) { return InsertRow(s.page, s.cells, 99, s.factory); }, 4, 5},
        {"insert column at -1", [](Sheet& s) { return InsertColumn(s.page, s.cells, -1, 70, s.factory); }, 0,
         4},
        {"insert column past the end",
         [](Sheet& s) { return InsertColumn(s.page, s.cells, 9, 70, s.factory); }, 3, 4},
        {"delete row past the end", [](Sheet& s) { return DeleteRow(s.page, s.cells, 99, s.factory); }, 3, 3},
        {"delete row at -1", [](Sheet& s) { return DeleteRow(s.page, s.cells, -1, s.factory); }, 0, 3},
        {"delete column past the end", [](Sheet& s) { return DeleteColumn(s.page, s.cells, 7, s.factory); },
         2, 2},
    };
    for (const Case& c : cases) {
        Sheet s(4, 3);
        CGridChange result = c.op(s);
        EXPECT_TRUE(result.CountChanged()) << c.name;
        EXPECT_EQ(result.nPosition, c.position) << c.name;
        EXPECT_EQ(result.nNewCount, c.newCount) << c.name;
        EXPECT_EQ(s.Consistency(), "") << c.name;
    }
    Sheet empty(0, 3);
    EXPECT_FALSE(DeleteRow(empty.page, empty.cells, 0, empty.factory).bOk);
    EXPECT_TRUE(DeleteColumn(empty.page, empty.cells, 0, empty.factory).bOk) << "no rows, but columns";
    Sheet none(3, 0);
    EXPECT_FALSE(DeleteColumn(none.page, none.cells, 0, none.factory).bOk);
}

TEST(RowColumnOps, CellsMoveWithTheirRowsAndColumns)
{
    Sheet s(4, 3);
    s.page.SetRowHeight(2, 33);
    s.page.SetColumnWidth(1, 44);
    ASSERT_TRUE(InsertRow(s.page, s.cells, 1, s.factory).bOk);
    EXPECT_EQ(s.Text(0, 0), "0:0");
    EXPECT_EQ(s.Text(1, 0), "");
    EXPECT_EQ(s.Text(2, 0), "1:0");
    EXPECT_EQ(s.page.GetRowHeight(3), 33);
    EXPECT_EQ(s.page.GetRowHeight(1), 20);
    ASSERT_TRUE(InsertColumn(s.page, s.cells, 0, 55, s.factory).bOk);
    EXPECT_EQ(s.Text(4, 1), "3:0");
    EXPECT_EQ(s.page.GetColumnWidth(0), 55);
    EXPECT_EQ(s.page.GetColumnWidth(2), 44);
    ASSERT_TRUE(DeleteRow(s.page, s.cells, 0, s.factory).bOk);
    ASSERT_TRUE(DeleteColumn(s.page, s.cells, 1, s.factory).bOk);
    EXPECT_EQ(s.Text(2, 1), "2:1");
    EXPECT_EQ(s.page.GetRowHeight(2), 33);
    EXPECT_EQ(s.page.GetColumnWidth(0), 55);
    EXPECT_EQ(s.page.GetColumnWidth(1), 44);
    EXPECT_EQ(s.Consistency(), "");
}

TEST(RowColumnOps, CellsAreEmptiedInPlaceBeforeDeletion)
{
    struct Case
    {
        const char* name;
        std::function<CGridChange(Sheet&, ICellFactory&)> op;
        std::vector<CCellCoord> emptied;
    } cases[] = {
        {"delete row",
         [](Sheet& s, ICellFactory& f) { return DeleteRow(s.page, s.cells, 1, f); },
         {{1, 0}, {1, 1}}},
        {"delete column",
         [](Sheet& s, ICellFactory& f) { return DeleteColumn(s.page, s.cells, 0, f); },
         {{0, 0}, {1, 0}, {2, 0}}},
        {"fewer rows",
         [](Sheet& s, ICellFactory& f) { return SetRowCount(s.page, s.cells, 1, f); },
         {{1, 0}, {1, 1}, {2, 0}, {2, 1}}},
        {"fewer columns",
         [](Sheet& s, ICellFactory& f) { return SetColumnCount(s.page, s.cells, 1, f); },
         {{0, 1}, {1, 1}, {2, 1}}},
        {"free the table, last first",
         [](Sheet& s, ICellFactory& f) {
             s.cells.FreeAll(f);
             return CGridChange{s.cells.GetRowSlotCount() == 0};
         },
         {{2, 1}, {2, 0}, {1, 1}, {1, 0}, {0, 1}, {0, 0}}},
    };
    for (const Case& c : cases) {
        Sheet s(3, 2);
        RecordingFactory factory(s);
        EXPECT_TRUE(c.op(s, factory).bOk) << c.name;
        EXPECT_EQ(factory.emptied, c.emptied) << c.name;
        EXPECT_TRUE(factory.foundInPlace) << c.name;
    }
}

TEST(RowColumnOps, RefusedCellsLeaveThePageAsItWas)
{
    struct Case
    {
        const char* name;
        std::function<CGridChange(Sheet&, ICellFactory&)> op;
    } cases[] = {
        {"more rows", [](Sheet& s, ICellFactory& f) { return SetRowCount(s.page, s.cells, 9, f); }},
        {"more columns", [](Sheet& s, ICellFactory& f) { return SetColumnCount(s.page, s.cells, 9, f); }},
        {"insert row", [](Sheet& s, ICellFactory& f) { return InsertRow(s.page, s.cells, 1, f); }},
        {"insert column", [](Sheet& s, ICellFactory& f) { return InsertColumn(s.page, s.cells, 1, 70, f); }},
        {"fixed rows beyond the rows",
         [](Sheet& s, ICellFactory& f) { return SetFixedRowCount(s.page, s.cells, 7, f); }},
    };
    for (const Case& c : cases) {
        Sheet s(4, 4, 1, 1);
        s.Combine(1, 1, 2, 2);
        s.Select(2, 3);
        RecordingFactory factory(s, 2);
        CGridChange result = c.op(s, factory);
        EXPECT_FALSE(result.bOk) << c.name;
        EXPECT_EQ(s.page.m_nRows, 4) << c.name;
        EXPECT_EQ(s.page.m_nCols, 4) << c.name;
        EXPECT_EQ(s.page.m_nFixedRows, 1) << c.name;
        EXPECT_EQ(s.Text(3, 3), "3:3") << c.name;
        EXPECT_EQ(Bounds(s.page.m_bodyMerges.at(0)), "1,1-2,2") << c.name;
        EXPECT_EQ(s.Consistency(), "") << c.name;
    }
}

TEST(RowColumnOps, InsertingMovesTheSelectionDeletingKeepsItsCoordinates)
{
    Sheet s(8, 4, 1, 1);
    s.Select(2, 1);
    s.Select(5, 1);
    s.Select(5, 2);
    s.Focus(5, 2);

    ASSERT_TRUE(InsertRow(s.page, s.cells, 3, s.factory).bOk);
    EXPECT_EQ(s.Selected(), (std::vector<CCellCoord>{{2, 1}, {6, 1}, {6, 2}})) << "entries above stay";
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(6, 2));
    EXPECT_EQ(s.Consistency(), "");

    // The cells below move up under the selection, which stays put with the focus.
    ASSERT_TRUE(DeleteRow(s.page, s.cells, 2, s.factory).bOk);
    EXPECT_EQ(s.Selected(), (std::vector<CCellCoord>{{2, 1}, {6, 1}, {6, 2}}));
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(6, 2));
    EXPECT_EQ(s.Text(6, 2), "6:2");
    EXPECT_EQ(s.Consistency(), "");

    ASSERT_TRUE(InsertColumn(s.page, s.cells, 2, 70, s.factory).bOk);
    EXPECT_EQ(s.Selected(), (std::vector<CCellCoord>{{2, 1}, {6, 1}, {6, 3}}));
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(6, 3));

    ASSERT_TRUE(DeleteColumn(s.page, s.cells, 1, s.factory).bOk);
    EXPECT_EQ(s.Selected(), (std::vector<CCellCoord>{{2, 1}, {6, 1}, {6, 3}}));
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(6, 3));
    EXPECT_EQ(s.Consistency(), "");

    // Deleting the focus row keeps a selected focus; entries past the new end go.
    ASSERT_TRUE(DeleteRow(s.page, s.cells, 6, s.factory).bOk);
    EXPECT_EQ(s.Selected(), (std::vector<CCellCoord>{{2, 1}, {6, 1}, {6, 3}}));
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(6, 3));
    ASSERT_TRUE(DeleteRow(s.page, s.cells, 6, s.factory).bOk);
    EXPECT_EQ(s.Selected(), (std::vector<CCellCoord>{{2, 1}}));
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(-1, -1)) << "the focus row went";
    EXPECT_EQ(s.Consistency(), "");

    // A focus outside the selection follows its cell.
    s.Focus(4, 2);
    ASSERT_TRUE(DeleteRow(s.page, s.cells, 1, s.factory).bOk);
    EXPECT_EQ(s.page.m_focusCell, CCellCoord(3, 2));
    EXPECT_EQ(s.Selected(), (std::vector<CCellCoord>{{2, 1}}));
    EXPECT_EQ(s.Consistency(), "");
}

TEST(RowColumnOps, MergesGrowShrinkAndMove)
{
    struct Case
    {
        const char* name;
        std::function<CGridChange(Sheet&)> op;
        std::vector<std::string> merges; // body merges after the operation
    } cases[] = {
        {"insert column inside",
         [](Sheet& s) { return InsertColumn(s.page, s.cells, 2, 70, s.factory); },
         {"2,1-3,4", "6,6-7,7"}},
        {"insert column at the first column moves it",
         [](Sheet& s) { return InsertColumn(s.page, s.cells, 1, 70, s.factory); },
         {"2,2-3,4", "6,6-7,7"}},
        {"insert row inside",
         [](Sheet& s) { return InsertRow(s.page, s.cells, 3, s.factory); },
         {"2,1-4,3", "7,5-8,6"}},
        {"insert row after",
         [](Sheet& s) { return InsertRow(s.page, s.cells, 4, s.factory); },
         {"2,1-3,3", "7,5-8,6"}},
        {"delete the first row",
         [](Sheet& s) { return DeleteRow(s.page, s.cells, 2, s.factory); },
         {"2,1-2,3", "5,5-6,6"}},
        {"delete the last row",
         [](Sheet& s) { return DeleteRow(s.page, s.cells, 3, s.factory); },
         {"2,1-2,3", "5,5-6,6"}},
        {"delete a column inside",
         [](Sheet& s) { return DeleteColumn(s.page, s.cells, 2, s.factory); },
         {"2,1-3,2", "6,4-7,5"}},
        {"delete a column of a two-column merge",
         [](Sheet& s) { return DeleteColumn(s.page, s.cells, 6, s.factory); },
         {"2,1-3,3", "6,5-7,5"}},
        {"delete a row before",
         [](Sheet& s) { return DeleteRow(s.page, s.cells, 0, s.factory); },
         {"1,1-2,3", "5,5-6,6"}},
    };
    for (const Case& c : cases) {
        Sheet s(9, 8, 1, 1);
        s.Combine(2, 1, 3, 3, 1);
        s.Combine(6, 5, 7, 6);
        s.Cell(2, 1).SetText("origin");
        c.op(s);
        std::vector<std::string> merges;
        for (const CMergeCellRange& m : s.page.m_bodyMerges)
            merges.push_back(Bounds(m));
        EXPECT_EQ(merges, c.merges) << c.name;
        const CMergeCellRange& first = s.page.m_bodyMerges.at(0);
        EXPECT_EQ(s.Text(first.firstRow, first.firstCol), "origin")
            << c.name << ": the origin keeps its content";
        EXPECT_EQ(s.Consistency(), "") << c.name;
    }
}

TEST(RowColumnOps, CellsOfAGrownMergeAreCoveredWithItsLines)
{
    Sheet s(6, 6, 1, 1);
    s.Combine(2, 1, 3, 3, 7);
    ASSERT_TRUE(InsertColumn(s.page, s.cells, 2, 70, s.factory).bOk);
    for (int row = 2; row <= 3; ++row) {
        CNorvakCell& cell = s.Cell(row, 2);
        EXPECT_TRUE(cell.IsCovered());
        EXPECT_EQ(cell.GetMergeOrigin(), CCellCoord(2, 1));
        EXPECT_EQ(cell.GetEditLock(), 7);
        EXPECT_TRUE(cell.IsMergedRight());
        EXPECT_EQ(cell.IsMergedBelow(), row < 3);
    }
    EXPECT_EQ(s.Cell(2, 1).GetColSpan(), 3);

    // Losing the last row: the row above becomes the merge's bottom and shows its grid line.
    ASSERT_TRUE(DeleteRow(s.page, s.cells, 3, s.factory).bOk);
    EXPECT_FALSE(s.Cell(2, 1).IsMergedBelow());
    EXPECT_FALSE(s.Cell(2, 3).IsMergedBelow());
    EXPECT_TRUE(s.Cell(2, 3).IsMergedRight());

    // A merge down to one cell is no merge any more.
    Sheet two(6, 6, 1, 1);
    two.Combine(2, 2, 3, 2, 1);
    ASSERT_TRUE(DeleteRow(two.page, two.cells, 2, two.factory).bOk);
    EXPECT_TRUE(two.page.m_bodyMerges.empty());
    EXPECT_EQ(two.Cell(2, 2).GetEditLock(), 0);
    EXPECT_FALSE(two.Cell(2, 2).IsMergedBelow());
    EXPECT_EQ(two.Consistency(), "");
}

TEST(RowColumnOps, EdgeLinesBandsAndAutoTextFollow)
{
    Sheet s(6, 5, 1, 1);
    s.page.FindLeftEdgeLine(3)->crColor = RGB(255, 0, 0);
    s.page.FindTopEdgeLine(2)->width = 3;
    s.page.m_nLockedRows = 2; // rows 1 and 2
    s.page.m_autoTextColumns = {{2, "A", 0}, {4, "B", 0}};

    ASSERT_TRUE(InsertRow(s.page, s.cells, 1, s.factory).bOk);
    EXPECT_EQ(s.page.FindLeftEdgeLine(4)->crColor, RGB(255, 0, 0u));
    EXPECT_EQ(s.page.FindLeftEdgeLine(1)->crColor, kDefaultLineColor);
    EXPECT_EQ(s.page.m_nLockedRows, 3) << "a row inserted in the locked band joins it";
    ASSERT_TRUE(DeleteRow(s.page, s.cells, 0, s.factory).bOk);
    EXPECT_EQ(s.page.m_nFixedRows, 0) << "the fixed row went";
    EXPECT_EQ(s.page.FindLeftEdgeLine(3)->crColor, RGB(255, 0, 0u));
    ASSERT_TRUE(SetRowCount(s.page, s.cells, 8, s.factory).bOk);
    EXPECT_EQ(s.page.FindLeftEdgeLine(3)->crColor, RGB(255, 0, 0u)) << "growing keeps the lines";

    ASSERT_TRUE(InsertColumn(s.page, s.cells, 0, 70, s.factory).bOk);
    EXPECT_EQ(s.page.FindTopEdgeLine(3)->width, 3);
    EXPECT_EQ(s.page.m_nFixedCols, 2);
    EXPECT_EQ(s.page.m_autoTextColumns[0].column, 3);
    ASSERT_TRUE(DeleteColumn(s.page, s.cells, 3, s.factory).bOk);
    ASSERT_EQ(s.page.m_autoTextColumns.size(), 1u);
    EXPECT_EQ(s.page.m_autoTextColumns[0].column, 4);
    EXPECT_EQ(s.page.FindTopEdgeLine(3)->width, 1);

    ASSERT_TRUE(SetRowCount(s.page, s.cells, 2, s.factory).bOk);
    EXPECT_EQ(s.page.m_nLockedRows, 2) << "locked rows stay inside the grid";
    EXPECT_EQ(s.Consistency(), "");
}

TEST(RowColumnOps, PageStaysConsistentThroughSequences)
{
    using Op = std::function<CGridChange(Sheet&)>;
    auto insertRow = [](int at) -> Op {
        return [at](Sheet& s) { return InsertRow(s.page, s.cells, at, s.factory); };
    };
    auto deleteRow = [](int at) -> Op {
        return [at](Sheet& s) { return DeleteRow(s.page, s.cells, at, s.factory); };
    };
    auto insertCol = [](int at) -> Op {
        return [at](Sheet& s) { return InsertColumn(s.page, s.cells, at, 70, s.factory); };
    };
    auto deleteCol = [](int at) -> Op {
        return [at](Sheet& s) { return DeleteColumn(s.page, s.cells, at, s.factory); };
    };
    auto rows = [](int n) -> Op {
        return [n](Sheet& s) { return SetRowCount(s.page, s.cells, n, s.factory); };
    };
    auto cols = [](int n) -> Op {
        return [n](Sheet& s) { return SetColumnCount(s.page, s.cells, n, s.factory); };
    };
    auto fixedRows = [](int n) -> Op {
        return [n](Sheet& s) { return SetFixedRowCount(s.page, s.cells, n, s.factory); };
    };
    struct Case
    {
        const char* name;
        std::vector<Op> ops;
    } cases[] = {
        {"rows through merges",
         {deleteRow(4), deleteRow(4), deleteRow(4), insertRow(3), deleteRow(2), deleteRow(2)}},
        {"columns through merges",
         {deleteCol(2), insertCol(2), deleteCol(1), deleteCol(1), deleteCol(1), insertCol(0), deleteCol(5)}},
        {"header merges", {insertRow(0), deleteRow(0), deleteRow(0), insertCol(0), deleteCol(1)}},
        {"counts", {rows(3), cols(2), rows(12), cols(9), fixedRows(4), rows(0), cols(0), rows(5), cols(3)}},
        {"everything from the top",
         {deleteRow(0), deleteRow(0), deleteRow(0), deleteRow(0), deleteRow(0), deleteRow(0), deleteRow(0),
          deleteRow(0), deleteRow(0), deleteRow(0), deleteRow(0), insertRow(0), insertCol(0)}},
    };
    for (const Case& c : cases) {
        Sheet s(10, 8, 1, 1);
        s.Combine(2, 1, 4, 3, 1);
        s.Combine(5, 5, 5, 7);
        s.Combine(0, 2, 0, 4, 0, true);
        s.Combine(3, 0, 6, 0, 0, true);
        s.Select(4, 4);
        s.Select(3, 2);
        s.Focus(4, 4);
        s.page.m_nLockedCols = 2;
        s.page.m_autoTextColumns = {{6, "X", 1}};
        for (size_t i = 0; i < c.ops.size(); ++i) {
            c.ops[i](s);
            ASSERT_EQ(s.Consistency(), "") << c.name << ", step " << i;
        }
    }
}
