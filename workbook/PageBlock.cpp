#include "workbook/PageBlock.h"

#include "chart/model/PageCharts.h"
#include "sheet/model/CellRecordBlocks.h"
#include "sheet/model/FormatBrush.h"
#include "sheet/model/RowColumnOps.h"
#include "workbook/CellRecord.h"
#include "workbook/ChartItemRecords.h"
#include "workbook/ChartRecord.h"
#include "workbook/PageSlots.h"

#include <algorithm>
#include <new>
#include <string>

namespace {

// The least size in the file of an element of each list. The rectangle entries and the three int
// lists of the chart data source have no place in the page yet: they are read and dropped.
constexpr size_t kRectEntryBytes = 1 + 6 * 4 + 16;
constexpr size_t kEdgeLineBytes = 3 * 4 + 2;
constexpr size_t kMergeBytes = 5 * 4 + 16 + 4;
constexpr size_t kCoordBytes = 2 * 4;
constexpr int kUnheldLists = 3;
constexpr size_t kListCountsBytes = 14 * 4;

bool IsDefaultEdge(const CEdgeLineEntry& e)
{
    return e.crColor == kDefaultLineColor && e.width == 1 && e.style == 1;
}

size_t CellCount(const CNorvakPage& page)
{
    return size_t(page.m_nRows) * size_t(page.m_nCols);
}

// ---- writing ----

template <class T, class Write> void WriteList(CArchiveWriter& out, const std::vector<T>& list, Write write)
{
    out.WriteInt(int32_t(list.size()));
    for (const T& element : list)
        write(element);
}

void WriteWords(CArchiveWriter& out, const std::vector<WORD>& list)
{
    WriteList(out, list, [&](WORD w) { out.WriteShort(w); });
}

// The data every new chart of the page is made from; a page that never had any writes empty lists.
void WriteChartSource(CArchiveWriter& out, const CNorvakPage& page)
{
    static const CChartPageSettings kNone;
    const CChartPageSettings& settings = page.m_chartSettings ? *page.m_chartSettings : kNone;
    WriteLegendItems(out, settings.legendItems);
    WriteChartItemTable(out, settings.items);
    WriteRowTotals(out, settings.rowTotals);
}

void WriteLists(CArchiveWriter& out, const CNorvakPage& page)
{
    WriteList(out, page.m_strings, [&](const CString& s) { out.WriteString(s); });
    WriteWords(out, page.m_sortExcludedColumns);
    WriteList(out, page.m_autoTextColumns, [&](const CAutoTextColumn& a) {
        out.WriteInt(a.column);
        out.WriteString(a.prefix);
        out.WriteInt(a.bNumbered);
    });
    out.WriteInt(0); // rectangle entries
    WriteChartSource(out, page);
    for (int i = 0; i < kUnheldLists; ++i)
        out.WriteInt(0);
    WriteWords(out, page.m_customRows);
    WriteWords(out, page.m_customColumns);
    out.WriteInt(int32_t(page.m_charts.size()));
    for (const auto& chart : page.m_charts)
        WriteChartObject(out, *chart);
}

void WriteEdgeLines(CArchiveWriter& out, const std::vector<CEdgeLineEntry>& lines, int (*key)(int))
{
    out.WriteInt(
        int32_t(std::count_if(lines.begin(), lines.end(), [](auto& e) { return !IsDefaultEdge(e); })));
    for (size_t at = 0; at < lines.size(); ++at) {
        const CEdgeLineEntry& e = lines[at];
        if (IsDefaultEdge(e))
            continue;
        out.WriteInt(key(int(at)));
        out.WriteInt(e.index);
        out.WriteInt(int32_t(e.crColor));
        out.WriteByte(e.width);
        out.WriteByte(e.style);
    }
}

void WriteMerges(CArchiveWriter& out, const std::vector<CMergeCellRange>& merges)
{
    WriteList(out, merges, [&](const CMergeCellRange& m) {
        out.WriteInt(m.firstRow);
        out.WriteInt(m.firstCol);
        out.WriteInt(m.lastRow);
        out.WriteInt(m.lastCol);
        out.WriteInt(m.reserved);
        out.WriteRect(m.display);
        out.WriteInt(m.editLock);
    });
}

// The cells a save stores: from row 0 with the row header flag, else from the first body row; the
// same for columns.
struct CellArea
{
    int firstRow;
    int firstCol;
};

CellArea StoredArea(const CNorvakPage& page, const CHeaderFlags& flags)
{
    return {flags.bRowHeader ? 0 : page.m_nFixedRows, flags.bColHeader ? 0 : page.m_nFixedCols};
}

// The used range (the last body row and column holding a stored cell, for a reader that sizes its
// view by them) and the count come before the cells, so both are set once the cells are written.
void WriteCells(CArchiveWriter& out, const CNorvakPage& page, const CNorvakPageCells& cells,
                const CHeaderFlags& flags)
{
    const uint64_t usedAt = out.Position();
    out.WriteSize(SIZE{});
    WriteMerges(out, page.m_bodyMerges);
    if (flags.Any())
        WriteMerges(out, page.m_headerMerges);
    const uint64_t countAt = out.Position();
    out.WriteInt(0);

    int count = 0;
    int lastRow = 0, lastCol = 0;
    CellArea area = StoredArea(page, flags);
    // Only cells with a record of their own can differ from the defaults (a default cell shows the
    // selection and focus, which the selected-cell list carries): rows without one are skipped,
    // and in the others only the records are tested.
    const int rowEnd = std::min(page.m_nRows, cells.GetRowSlotCount());
    const int colEnd = std::min(page.m_nCols, cells.GetColumnCount());
    for (int row = std::max(area.firstRow, 0); row < rowEnd; ++row) {
        if (!cells.FindRow(row))
            continue;
        const CNorvakPageCells::RowView own = cells.RowAt(row);
        for (int col = std::max(area.firstCol, 0); col < colEnd; ++col) {
            const CNorvakCell* cell = own.GetAt(col);
            if (!cell || !IsCellNonDefault(*cell))
                continue;
            ++count;
            if (row >= page.m_nFixedRows && col >= page.m_nFixedCols) {
                lastRow = std::max(lastRow, row);
                lastCol = std::max(lastCol, col);
            }
            out.WriteInt(row);
            out.WriteInt(col);
            WriteCellRecord(out, *cell);
        }
    }
    out.PatchInt(usedAt, lastRow);
    out.PatchInt(usedAt + 4, lastCol);
    out.PatchInt(countAt, count);
}

// ---- reading ----

void ReadWords(CArchiveReader& in, std::vector<WORD>& list)
{
    list.resize(in.ReadCount(2));
    for (WORD& w : list)
        w = in.ReadShort();
}

// The page's chart settings are made only for a page that has such data.
void ReadChartSource(CArchiveReader& in, CNorvakPage& page)
{
    CChartTextItemArray legendItems;
    CChartItemTable items;
    CChartRowTotalsArray rowTotals;
    ReadLegendItems(in, legendItems);
    ReadChartItemTable(in, items);
    ReadRowTotals(in, rowTotals);
    if (legendItems.empty() && items.empty() && rowTotals.empty())
        return;
    CChartPageSettings& settings = PendingChartSettings(page);
    settings.legendItems = std::move(legendItems);
    settings.items = std::move(items);
    settings.rowTotals = std::move(rowTotals);
}

void ReadCharts(CArchiveReader& in, CNorvakPage& page)
{
    for (size_t n = in.ReadCount(kMinimumChartBytes); n > 0; --n) {
        CPageOwned<CNorvakChart> chart = MakePageChart(CNorvakChart());
        ReadChartObject(in, *chart);
        page.m_charts.push_back(std::move(chart));
    }
}

void ReadLists(CArchiveReader& in, CNorvakPage& page)
{
    for (size_t n = in.ReadCount(1); n > 0; --n)
        page.m_strings.push_back(in.ReadString());
    ReadWords(in, page.m_sortExcludedColumns);
    for (size_t n = in.ReadCount(9); n > 0; --n) {
        CAutoTextColumn column;
        column.column = in.ReadInt();
        column.prefix = in.ReadString();
        column.bNumbered = in.ReadInt();
        page.m_autoTextColumns.push_back(std::move(column));
    }
    for (size_t n = in.ReadCount(kRectEntryBytes); n > 0; --n) {
        in.ReadString();
        in.Skip(kRectEntryBytes - 1);
    }
    ReadChartSource(in, page);
    for (int i = 0; i < kUnheldLists; ++i)
        in.Skip(in.ReadCount(4) * 4);
    ReadWords(in, page.m_customRows);
    ReadWords(in, page.m_customColumns);
    ReadCharts(in, page);
}

// Row heights and column widths follow for every row and column, so a count is checked against
// what remains, and against the control's limits, before a cell is made.
void ReadGridCounts(CArchiveReader& in, CNorvakPage& page, CNorvakPageCells& cells)
{
    int rows = in.ReadInt();
    int fixedRows = in.ReadInt();
    int cols = in.ReadInt();
    int fixedCols = in.ReadInt();
    if (rows < 0 || fixedRows < 0 || cols < 0 || fixedCols < 0)
        CArchiveReader::Fail("a negative row or column count");
    long long allRows = std::max(rows, fixedRows);
    long long allCols = std::max(cols, fixedCols);
    if (allRows > kMaxRowCount || allCols > kMaxColumnCount || allRows * allCols > kMaxCellCount ||
        uint64_t(allRows + allCols) * 4 > in.Remaining())
        CArchiveReader::Fail("more rows or columns than the page can hold");
    CDefaultCellFactory factory(page, cells);
    if (!SheetModel::SetRowCount(page, cells, rows, factory).bOk ||
        !SheetModel::SetFixedRowCount(page, cells, fixedRows, factory).bOk ||
        !SheetModel::SetColumnCount(page, cells, cols, factory).bOk ||
        !SheetModel::SetFixedColumnCount(page, cells, fixedCols, factory).bOk)
        CArchiveReader::Fail("the page could not be made");
}

void ReadEdgeLines(CArchiveReader& in, CNorvakPage& page, bool top)
{
    const int count = top ? page.m_nCols : page.m_nRows;
    for (size_t n = in.ReadCount(kEdgeLineBytes, size_t(count)); n > 0; --n) {
        int key = in.ReadInt();
        in.ReadInt(); // the entry's own index: its place is its key
        CEdgeLineEntry entry;
        entry.crColor = COLORREF(uint32_t(in.ReadInt()));
        entry.width = in.ReadByte();
        entry.style = in.ReadByte();
        int at = top ? ((key & 0xFFFF) ? -1 : key >> 16) : key;
        CEdgeLineEntry* place = top ? page.FindTopEdgeLine(at) : page.FindLeftEdgeLine(at);
        if (!place)
            CArchiveReader::Fail("an edge line outside the page");
        entry.index = at;
        *place = entry;
    }
}

// Read whole and handed to the page at once: a setter per row would sum every row's height for
// each row. Widths from the file are no change by the user.
std::vector<int> ReadLineSizes(CArchiveReader& in, int count, const char* negative)
{
    std::vector<int> sizes(size_t(std::max(count, 0)));
    for (int& size : sizes)
        if ((size = in.ReadInt()) < 0)
            CArchiveReader::Fail(negative);
    return sizes;
}

void ReadSizes(CArchiveReader& in, CNorvakPage& page)
{
    if (!page.AssignRowHeights(ReadLineSizes(in, page.m_nRows, "a negative row height")) ||
        !page.AssignColumnWidths(ReadLineSizes(in, page.m_nCols, "a negative column width")))
        CArchiveReader::Fail("rows or columns longer together than a page can be");
}

void ReadMerges(CArchiveReader& in, const CNorvakPage& page, std::vector<CMergeCellRange>& merges)
{
    for (size_t n = in.ReadCount(kMergeBytes, CellCount(page)); n > 0; --n) {
        CMergeCellRange m;
        m.firstRow = in.ReadInt();
        m.firstCol = in.ReadInt();
        m.lastRow = in.ReadInt();
        m.lastCol = in.ReadInt();
        m.reserved = in.ReadInt();
        m.display = in.ReadRect();
        m.editLock = in.ReadInt();
        if (m.firstRow < 0 || m.firstCol < 0 || m.firstRow > m.lastRow || m.firstCol > m.lastCol ||
            !page.IsValidCell(m.lastRow, m.lastCol))
            CArchiveReader::Fail("a merge outside the page");
        merges.push_back(m);
    }
}

void ReadCells(CArchiveReader& in, const CNorvakPage& page, CNorvakPageCells& cells)
{
    const CCellBounds bounds{page.m_nRows, page.m_nCols};
    std::string text;
    const size_t count = in.ReadCount(kCoordBytes + kMinimumCellRecordBytes, CellCount(page));
    CCellRecordBlocks records(count);
    for (size_t n = count; n > 0; --n) {
        CArchiveFields at = in.ReadFields(kCoordBytes);
        const int row = at.Int();
        const int col = at.Int();
        if (row < 0 || row >= cells.GetRowSlotCount() || col < 0 || col >= cells.GetColumnCount())
            CArchiveReader::Fail("a cell outside the page");
        CNorvakCell* cell = cells.EditCell(row, col, records);
        if (!cell)
            throw std::bad_alloc();
        ReadCellRecord(in, *cell, row, col, bounds, text);
    }
}

// The pairs are read a run at a time: a select-all stores one for every cell of the page.
void ReadSelection(CArchiveReader& in, CNorvakPage& page)
{
    constexpr size_t kRunPairs = CArchiveReader::kMaxFieldsBytes / kCoordBytes;
    for (size_t left = in.ReadCount(kCoordBytes, CellCount(page)); left > 0;) {
        const size_t pairs = std::min(left, kRunPairs);
        left -= pairs;
        CArchiveFields run = in.ReadFields(pairs * kCoordBytes);
        for (size_t n = pairs; n > 0; --n) {
            CCellCoord at;
            at.row = run.Int();
            at.col = run.Int();
            if (!page.IsValidCell(at.row, at.col))
                CArchiveReader::Fail("a selected cell outside the page");
            // The cells show the selection from the page's list itself.
            page.m_selectedCells.Add(at);
        }
    }
}

// A format-brush source that the control would not keep is read as none: the source is a step
// pending on the page, not its data, so the workbook still opens, and applying the brush afterwards
// walks no more than the page. A source kept may lie off the page, as the setter allows.
void ForgetUnusableBrushSource(CNorvakPage& page)
{
    if (!SheetModel::IsFormatBrushSource(page.m_formatBrush))
        page.m_formatBrush = CCellRect();
}

// What the rest of the control relies on of a page beyond its cells. Locked rows and columns that
// reach past the page are cut to it, as the control's setter does, so that the workbook opens.
void CheckSettings(CNorvakPage& page)
{
    SheetModel::KeepBandsOnPage(page);
    const CCellCoord& focus = page.m_focusCell;
    if (!focus.IsNone() && !page.IsValidCell(focus.row, focus.col))
        CArchiveReader::Fail("a focus cell outside the page");
    for (const CAutoTextColumn& column : page.m_autoTextColumns)
        if (column.column < 0 || column.column >= page.m_nCols)
            CArchiveReader::Fail("an automatic-text column outside the page");
}

size_t SlotBytes(std::span<const CPageSlot> slots)
{
    size_t bytes = 0;
    for (const CPageSlot& slot : slots)
        bytes += MinimumBytes(slot.width);
    return bytes;
}

} // namespace

void WritePageBlock(CArchiveWriter& out, const CNorvakPage& page, const CNorvakPageCells& cells,
                    const CHeaderFlags& flags)
{
    out.WriteInt(page.m_nIndex);
    out.WriteString(page.m_strTitle);
    WriteSlots(out, PageHeadSlots(), page);
    out.WriteInt(page.m_nRows);
    out.WriteInt(page.m_nFixedRows);
    out.WriteInt(page.m_nCols);
    out.WriteInt(page.m_nFixedCols);
    WriteSlots(out, PageSettingSlots(), page);
    const bool tabFont = IsFontNonDefault(page.m_tabFont);
    out.WriteInt(tabFont ? 1 : 0);
    if (tabFont)
        WriteFontRecord(out, page.m_tabFont.font);

    WriteLists(out, page);

    WriteEdgeLines(out, page.m_leftEdgeLines, &CNorvakPage::LeftEdgeKey);
    WriteEdgeLines(out, page.m_topEdgeLines, &CNorvakPage::TopEdgeKey);
    for (int row = 0; row < page.m_nRows; ++row)
        out.WriteInt(page.GetRowHeight(row));
    for (int col = 0; col < page.m_nCols; ++col)
        out.WriteInt(page.GetColumnWidth(col));
    WriteCells(out, page, cells, flags);
    out.WriteInt(page.m_selectedCells.GetCount());
    for (const auto& [key, at] : page.m_selectedCells) {
        out.WriteInt(at.row);
        out.WriteInt(at.col);
    }
}

CLoadedPage ReadPageBlock(CArchiveReader& in, int index, const CHeaderFlags& flags)
{
    in.ReadInt(); // the index the page had when it was saved
    CString title = in.ReadString();
    CLoadedPage loaded{std::make_unique<CNorvakPage>(index, title, 0),
                       std::make_unique<CNorvakPageCells>(index)};
    CNorvakPage& page = *loaded.page;
    CNorvakPageCells& cells = *loaded.cells;

    ReadSlots(in, PageHeadSlots(), page);
    ReadGridCounts(in, page, cells);
    ReadSlots(in, PageSettingSlots(), page);
    ForgetUnusableBrushSource(page);
    if (in.ReadInt())
        ReadFontRecord(in, page.m_tabFont.font);

    ReadLists(in, page);

    ReadEdgeLines(in, page, false);
    ReadEdgeLines(in, page, true);
    ReadSizes(in, page);
    in.ReadSize(); // the last row and column holding a stored cell
    ReadMerges(in, page, page.m_bodyMerges);
    if (flags.Any())
        ReadMerges(in, page, page.m_headerMerges);
    ReadCells(in, page, cells);
    ReadSelection(in, page);
    CheckSettings(page);
    return loaded;
}

size_t MinimumPageBlockBytes(const CHeaderFlags& flags)
{
    const size_t indexTitleCountsFont = 4 + 1 + 4 * 4 + 4;
    const size_t edgesUsedMergesCellsSelection = 4 + 4 + 8 + 4 + (flags.Any() ? 4 : 0) + 4 + 4;
    return indexTitleCountsFont + SlotBytes(PageHeadSlots()) + SlotBytes(PageSettingSlots()) +
           kListCountsBytes + edgesUsedMergesCellsSelection;
}
