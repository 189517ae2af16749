#include "sheet/model/RowColumnOps.h"

#include "sheet/model/CellSelection.h"

#include <algorithm>
#include <array>
#include <new>

namespace SheetModel {

namespace {

enum class Axis
{
    Rows,
    Cols
};

// Thrown when the factory refuses a cell; the operation then undoes what it built.
struct CreationRefused
{
};

// The page seen along rows or along columns, so that each operation is written once.
struct Line
{
    Axis axis;
    CNorvakPage& page;
    // The text format the cells of an inserted column take.
    WORD crossFormat = CNorvakCell::kDefaultTextFormat;

    bool IsRows() const { return axis == Axis::Rows; }
    int& Count() const { return IsRows() ? page.m_nRows : page.m_nCols; }
    int CrossCount() const { return IsRows() ? page.m_nCols : page.m_nRows; }
    int& Fixed() const { return IsRows() ? page.m_nFixedRows : page.m_nFixedCols; }
    WORD& Locked() const { return IsRows() ? page.m_nLockedRows : page.m_nLockedCols; }
    WORD& LockedOffset() const { return IsRows() ? page.m_nLockedRowOffset : page.m_nLockedColOffset; }
    std::vector<int>& Sizes() const { return IsRows() ? page.m_rowHeights : page.m_colWidths; }
    std::vector<CEdgeLineEntry>& Edges() const
    {
        return IsRows() ? page.m_leftEdgeLines : page.m_topEdgeLines;
    }
    int MaxCount() const { return IsRows() ? kMaxRowCount : kMaxColumnCount; }

    int Along(const CCellCoord& c) const { return IsRows() ? c.row : c.col; }
    int& Along(CCellCoord& c) const { return IsRows() ? c.row : c.col; }
    CCellCoord At(int along, int cross) const
    {
        return IsRows() ? CCellCoord(along, cross) : CCellCoord(cross, along);
    }

    int& First(CMergeCellRange& m) const { return IsRows() ? m.firstRow : m.firstCol; }
    int& Last(CMergeCellRange& m) const { return IsRows() ? m.lastRow : m.lastCol; }
    int CrossFirst(const CMergeCellRange& m) const { return IsRows() ? m.firstCol : m.firstRow; }
    int CrossLast(const CMergeCellRange& m) const { return IsRows() ? m.lastCol : m.lastRow; }

    void SetSpan(CNorvakCell& cell, int span) const
    {
        IsRows() ? cell.SetRowSpan(WORD(span)) : cell.SetColSpan(WORD(span));
    }
    // The flag that hides the grid line between this cell and the next one along the axis.
    void SetMergedAlong(CNorvakCell& cell, BOOL on) const
    {
        IsRows() ? cell.SetMergedBelow(on) : cell.SetMergedRight(on);
    }
    void SetMergedCross(CNorvakCell& cell, BOOL on) const
    {
        IsRows() ? cell.SetMergedRight(on) : cell.SetMergedBelow(on);
    }
};

// New lines of the given size keep the line's sizes within the page's extent.
bool ExtentAllows(const Line& line, int count, int size)
{
    const int old = line.Count();
    return count <= old ||
           CNorvakPage::Extent(line.Sizes(), old) + int64_t(count - old) * std::max(size, 0) <=
               CNorvakPage::kMaxExtent;
}

bool CountFits(const Line& line, int count)
{
    return count >= 0 && count <= line.MaxCount() &&
           static_cast<long long>(count) * line.CrossCount() <= kMaxCellCount;
}

bool CountAllowed(const Line& line, int count)
{
    return CountFits(line, count) &&
           ExtentAllows(line, count, line.IsRows() ? line.page.m_nDefaultRowHeight : line.page.m_nDefaultColumnWidth);
}

// Runs the undo step, then turns a failure to allocate or to create a cell into FALSE; any other
// exception goes on to the caller.
template <class Undo> bool FailedAfter(Undo undo)
{
    undo();
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const CreationRefused&) {
        return false;
    }
}

// Merge marks live only on cells with records of their own: a default cell has none to change.
CNorvakCell* CellAt(const CNorvakPageCells& cells, CCellCoord at)
{
    return cells.FindOwnCell(at.row, at.col);
}

// --- merges -----------------------------------------------------------------------------------

template <class F> void ForEachCoveredCell(const CNorvakPageCells& cells, const CMergeCellRange& m, F f)
{
    for (int row = m.firstRow; row <= m.lastRow; ++row)
        for (int col = m.firstCol; col <= m.lastCol; ++col)
            if (row != m.firstRow || col != m.firstCol)
                if (CNorvakCell* cell = cells.FindOwnCell(row, col))
                    f(*cell, row, col);
}

// Gives the cells of a merge back their plain state. Header merges only mark coverage and spans.
void UnmarkMerge(const CNorvakPageCells& cells, const CMergeCellRange& m, bool header)
{
    ForEachCoveredCell(cells, m, [&](CNorvakCell& cell, int row, int col) {
        cell.SetCovered(FALSE);
        cell.SetMergeOrigin(CCellCoord());
        if (header)
            return;
        cell.SetEditLock(0);
        if (col < m.lastCol)
            cell.SetMergedRight(FALSE);
        if (row < m.lastRow)
            cell.SetMergedBelow(FALSE);
    });
    if (CNorvakCell* origin = cells.FindOwnCell(m.firstRow, m.firstCol)) {
        origin->SetRowSpan(0);
        origin->SetColSpan(0);
        if (!header) {
            origin->SetEditLock(0);
            origin->SetMergedRight(FALSE);
            origin->SetMergedBelow(FALSE);
        }
    }
}

struct MergeList
{
    std::vector<CMergeCellRange>& records;
    bool header;
};

std::array<MergeList, 2> MergeListsOf(CNorvakPage& page)
{
    return {MergeList{page.m_bodyMerges, false}, MergeList{page.m_headerMerges, true}};
}

void DropMergesReaching(const Line& line, const CNorvakPageCells& cells, int count)
{
    for (MergeList list : MergeListsOf(line.page))
        std::erase_if(list.records, [&](CMergeCellRange& m) {
            if (line.Last(m) < count)
                return false;
            UnmarkMerge(cells, m, list.header);
            return true;
        });
}

void MoveCoveredOrigins(const Line& line, const CNorvakPageCells& cells, const CMergeCellRange& m, int delta)
{
    ForEachCoveredCell(cells, m, [&](CNorvakCell& cell, int, int) {
        CCellCoord origin = cell.GetMergeOrigin();
        line.Along(origin) += delta;
        cell.SetMergeOrigin(origin);
    });
}

bool MergesCanGrow(const Line& line, int pos)
{
    for (MergeList list : MergeListsOf(line.page))
        for (CMergeCellRange& m : list.records)
            if (line.First(m) < pos && pos <= line.Last(m) && line.Last(m) - line.First(m) >= 0xFFFF)
                return false;
    return true;
}

struct GrownMerge
{
    CMergeCellRange* record;
    bool header;
};

// Before the new line goes in at pos: merges across pos grow, merges from pos on move along.
// The list has room for every merge already.
void MakeRoomInMerges(const Line& line, const CNorvakPageCells& cells, int pos, std::vector<GrownMerge>& grown)
{
    for (MergeList list : MergeListsOf(line.page)) {
        for (CMergeCellRange& m : list.records) {
            if (line.First(m) < pos && pos <= line.Last(m)) {
                ++line.Last(m);
                if (CNorvakCell* origin = cells.FindOwnCell(m.firstRow, m.firstCol))
                    line.SetSpan(*origin, line.Last(m) - line.First(m));
                grown.push_back({&m, list.header});
            } else if (line.First(m) >= pos) {
                MoveCoveredOrigins(line, cells, m, +1);
                ++line.First(m);
                ++line.Last(m);
            }
        }
    }
}

// After the new line went in at pos: its cells inside a grown merge are covered by it.
void CoverNewCells(const Line& line, const CNorvakPageCells& cells, int pos,
                   const std::vector<GrownMerge>& grown)
{
    for (const GrownMerge& g : grown) {
        CMergeCellRange& m = *g.record;
        for (int k = line.CrossFirst(m); k <= line.CrossLast(m); ++k) {
            CNorvakCell* cell = CellAt(cells, line.At(pos, k));
            if (!cell)
                continue;
            cell->SetCovered(TRUE);
            cell->SetMergeOrigin(CCellCoord(m.firstRow, m.firstCol));
            if (g.header)
                continue;
            cell->SetEditLock(m.editLock);
            line.SetMergedAlong(*cell, pos < line.Last(m));
            line.SetMergedCross(*cell, k < line.CrossLast(m));
        }
    }
}

// A merge that loses its first line: the cell after the origin takes the origin's content (the
// origin cell itself moves there) while the state word stays with the position.
void HandOriginOn(const Line& line, CNorvakPageCells& cells, const CMergeCellRange& m)
{
    CCellCoord origin(m.firstRow, m.firstCol);
    CCellCoord next = origin;
    ++line.Along(next);
    CNorvakCell* a = CellAt(cells, origin);
    CNorvakCell* b = CellAt(cells, next);
    if (!a || !b)
        return;
    WORD state = a->GetState();
    a->SetState(b->GetState());
    b->SetState(state);
    cells.SwapCells(origin, next);
}

// Before the line at pos goes: merges across it shrink, merges after it move back.
void ShrinkMergesAround(const Line& line, CNorvakPageCells& cells, int pos)
{
    for (MergeList list : MergeListsOf(line.page)) {
        for (size_t i = list.records.size(); i-- > 0;) {
            CMergeCellRange& m = list.records[i];
            if (line.First(m) > pos) {
                MoveCoveredOrigins(line, cells, m, -1);
                --line.First(m);
                --line.Last(m);
                continue;
            }
            if (line.Last(m) < pos)
                continue;
            if (line.First(m) == line.Last(m)) {
                list.records.erase(list.records.begin() + ptrdiff_t(i));
                continue;
            }
            bool losesFirst = pos == line.First(m);
            bool losesLast = pos == line.Last(m);
            if (losesFirst)
                HandOriginOn(line, cells, m);
            CCellCoord originAt(m.firstRow, m.firstCol);
            if (losesFirst)
                ++line.Along(originAt);
            --line.Last(m);
            int span = line.Last(m) - line.First(m);
            CNorvakCell* origin = CellAt(cells, originAt);
            if (origin) {
                line.SetSpan(*origin, span);
                if (!list.header)
                    line.SetMergedAlong(*origin, span > 0);
            }
            if (losesLast && !list.header) {
                for (int k = line.CrossFirst(m); k <= line.CrossLast(m); ++k)
                    if (CNorvakCell* cell = CellAt(cells, line.At(pos - 1, k)); cell && cell != origin)
                        line.SetMergedAlong(*cell, FALSE);
            }
            if (origin && !origin->IsMergeOrigin()) {
                // Down to a single cell: no merge any more.
                if (!list.header) {
                    origin->SetEditLock(0);
                    origin->SetMergedRight(FALSE);
                    origin->SetMergedBelow(FALSE);
                }
                list.records.erase(list.records.begin() + ptrdiff_t(i));
            }
        }
    }
}

// --- selection, focus, edge lines, bands, auto-text columns -----------------------------------

// Inserting moves the entries at or after pos on by one; a range across pos is split around it.
std::vector<CCellRect> ShiftedSelection(const CCellSelectionMap& map, const Line& line, int pos)
{
    std::vector<CCellRect> moved;
    for (CCellRect r : map.Rects()) {
        int& lo = line.IsRows() ? r.minRow : r.minCol;
        int& hi = line.IsRows() ? r.maxRow : r.maxCol;
        if (hi < pos) {
            moved.push_back(r);
            continue;
        }
        if (lo < pos) {
            CCellRect before = r;
            (line.IsRows() ? before.maxRow : before.maxCol) = pos - 1;
            moved.push_back(before);
            lo = pos;
        }
        ++lo;
        ++hi;
        moved.push_back(r);
    }
    return moved;
}

// Entries at or past count leave the set.
void ClipSelection(CCellSelectionMap& map, const Line& line, int count)
{
    std::vector<CCellRect> kept;
    for (CCellRect r : map.Rects()) {
        int& hi = line.IsRows() ? r.maxRow : r.maxCol;
        hi = std::min(hi, count - 1);
        kept.push_back(r);
    }
    map.SetRects(std::move(kept));
}

void DropSelectionsFrom(const Line& line, int count)
{
    ClipSelection(line.page.m_selectedCells, line, count);
    ClipSelection(line.page.m_keptSelection, line, count);
}

void ShiftFocus(const Line& line, int pos, int delta)
{
    CCellCoord& focus = line.page.m_focusCell;
    if (focus.IsNone() || line.Along(focus) < pos)
        return;
    if (delta < 0 && line.Along(focus) == pos)
        focus = CCellCoord();
    else
        line.Along(focus) += delta;
}

// The entries after pos move on one place and take their new index, in one pass over them: on a
// page of a million rows this pass is most of the cost of inserting a row.
void InsertEdgeLine(const Line& line, int pos)
{
    std::vector<CEdgeLineEntry>& edges = line.Edges();
    edges.emplace_back(); // room reserved: cannot fail
    CEdgeLineEntry* at = edges.data();
    for (size_t i = edges.size() - 1; i > size_t(pos); --i) {
        at[i] = at[i - 1];
        at[i].index = int(i);
    }
    at[pos] = CEdgeLineEntry{pos};
}

void EraseEdgeLine(const Line& line, int pos)
{
    std::vector<CEdgeLineEntry>& edges = line.Edges();
    if (size_t(pos) >= edges.size())
        return;
    CEdgeLineEntry* at = edges.data();
    for (size_t i = size_t(pos); i + 1 < edges.size(); ++i) {
        at[i] = at[i + 1];
        at[i].index = int(i);
    }
    edges.pop_back();
}

// One entry per line: the kept ones keep their look, new lines get the default line.
void FitEdgeLines(const Line& line, int count)
{
    std::vector<CEdgeLineEntry>& edges = line.Edges();
    size_t kept = std::min(edges.size(), size_t(count));
    edges.resize(size_t(count));
    for (size_t i = kept; i < edges.size(); ++i)
        edges[i] = CEdgeLineEntry{int(i)};
}

void ClampBands(const Line& line)
{
    line.Fixed() = std::clamp(line.Fixed(), 0, line.Count());
    int room = line.Count() - line.Fixed();
    if (line.Locked() > room)
        line.Locked() = WORD(room);
    if (line.LockedOffset() > line.Locked())
        line.LockedOffset() = line.Locked();
}

void GrowBandsAt(const Line& line, int pos)
{
    if (pos < line.Fixed())
        ++line.Fixed();
    else if (pos < line.Fixed() + line.Locked() && line.Locked() < 0xFFFF)
        ++line.Locked();
}

void ShrinkBandsAt(const Line& line, int pos)
{
    if (pos < line.Fixed())
        --line.Fixed();
    else if (pos < line.Fixed() + line.Locked())
        --line.Locked();
}

void ShiftAutoTextColumns(CNorvakPage& page, int pos, int delta)
{
    std::erase_if(page.m_autoTextColumns, [&](CAutoTextColumn& a) {
        if (delta < 0 && a.column == pos)
            return true;
        if (a.column >= pos)
            a.column += delta;
        return false;
    });
}

// --- the cells ----------------------------------------------------------------------------------

using CellPtr = std::unique_ptr<CNorvakCell>;

// The new cells of one line, by their index across it; a cross index with none stays default.
using BuiltCells = std::vector<std::pair<int, CellPtr>>;

// A new row r copies the text formats of row r - 1, so every grown row needs records in the
// same columns as the first one.
std::vector<int> ColumnsNeedingRecords(const CNorvakPage& page, const CNorvakPageCells& cells, int row,
                                       ICellFactory& factory)
{
    std::vector<int> cols;
    if (!factory.MakesPlainCells()) {
        cols.resize(size_t(page.m_nCols));
        for (int col = 0; col < page.m_nCols; ++col)
            cols[size_t(col)] = col;
        return cols;
    }
    if (row > 0 && cells.FindRow(row - 1))
        for (int col = 0; col < page.m_nCols; ++col)
            if (const CNorvakCell* cell = cells.FindOwnCell(row - 1, col);
                cell && cell->GetTextFormat() != CNorvakCell::kDefaultTextFormat)
                cols.push_back(col);
    return cols;
}

bool GrowRows(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    const int old = page.m_nRows;
    try {
        cells.ReserveRows(count);
        page.m_rowHeights.reserve(size_t(count));
        page.m_leftEdgeLines.reserve(size_t(count));
        const std::vector<int> needed = ColumnsNeedingRecords(page, cells, old, factory);
        if (needed.empty()) {
            cells.AppendDefaultRows(count - old);
        } else {
            for (int row = old; row < count; ++row) {
                CNorvakPageCells::RowPtr built = cells.NewRow();
                for (int col : needed) {
                    CellPtr cell = factory.CreateCell(cells.GetPageIndex(), row, col);
                    if (!cell)
                        throw CreationRefused{};
                    cells.PutInRow(*built, col, std::move(cell));
                }
                cells.AppendRow(std::move(built));
            }
        }
        page.m_rowHeights.resize(size_t(old), page.m_nDefaultRowHeight);
        page.m_rowHeights.resize(size_t(count), page.m_nDefaultRowHeight);
    } catch (...) {
        return FailedAfter([&] {
            cells.TruncateRows(old);
            page.m_rowHeights.resize(std::min(page.m_rowHeights.size(), size_t(old)));
        });
    }
    return true;
}

bool GrowColumns(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    const int old = page.m_nCols;
    try {
        page.m_colWidths.reserve(size_t(count));
        page.m_topEdgeLines.reserve(size_t(count));
        // New columns keep the default text format, so a plain factory makes nothing.
        std::vector<std::pair<CCellCoord, CellPtr>> built;
        if (!factory.MakesPlainCells()) {
            built.reserve(size_t(cells.GetRowSlotCount()) * size_t(count - old));
            for (int row = 0; row < cells.GetRowSlotCount(); ++row)
                for (int col = old; col < count; ++col) {
                    built.emplace_back(CCellCoord(row, col), factory.CreateCell(cells.GetPageIndex(), row, col));
                    if (!built.back().second)
                        throw CreationRefused{};
                }
        }
        cells.SetColumnCount(count);
        if (!built.empty())
            for (int row = 0; row < cells.GetRowSlotCount(); ++row)
                cells.MakeRow(row);
        for (auto& [at, cell] : built)
            cells.PutCell(at.row, at.col, std::move(cell));
        page.m_colWidths.resize(size_t(old), page.m_nDefaultColumnWidth);
        page.m_colWidths.resize(size_t(count), page.m_nDefaultColumnWidth);
    } catch (...) {
        return FailedAfter([&] {
            if (cells.GetColumnCount() != old)
                cells.SetColumnCount(old); // only shrinks: cannot fail
            page.m_colWidths.resize(std::min(page.m_colWidths.size(), size_t(old)));
        });
    }
    return true;
}

void ShrinkRows(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    for (int row = count; row < cells.GetRowSlotCount(); ++row)
        if (cells.FindRow(row))
            for (int col = 0; col < cells.GetColumnCount(); ++col)
                cells.DeleteCell(row, col, factory);
    cells.TruncateRows(count);
    page.m_rowHeights.resize(size_t(count));
}

void ShrinkColumns(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    for (int row = 0; row < cells.GetRowSlotCount(); ++row)
        if (cells.FindRow(row))
            for (int col = count; col < cells.GetColumnCount(); ++col)
                cells.DeleteCell(row, col, factory);
    cells.SetColumnCount(count);
    page.m_colWidths.resize(size_t(count));
}

CGridChange Unchanged(const Line& line)
{
    CGridChange result;
    result.nOldCount = result.nNewCount = line.Count();
    return result;
}

CGridChange SetCount(const Line& line, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    cells.SetPage(&line.page);
    CGridChange result = Unchanged(line);
    if (!CountAllowed(line, count))
        return result;
    const int old = line.Count();
    if (count > old) {
        bool grown = line.IsRows() ? GrowRows(line.page, cells, count, factory)
                                   : GrowColumns(line.page, cells, count, factory);
        if (!grown)
            return result;
    } else if (count < old) {
        CCellCoord& focus = line.page.m_focusCell;
        if (!focus.IsNone() && line.Along(focus) >= count)
            focus = CCellCoord();
        DropMergesReaching(line, cells, count);
        line.IsRows() ? ShrinkRows(line.page, cells, count, factory)
                      : ShrinkColumns(line.page, cells, count, factory);
        DropSelectionsFrom(line, count);
        if (!line.IsRows())
            std::erase_if(line.page.m_autoTextColumns,
                          [&](const CAutoTextColumn& a) { return a.column >= count; });
    }
    line.Count() = count;
    ClampBands(line);
    FitEdgeLines(line, count);
    if (line.IsRows() && count != old)
        ApplyAutoTextColumns(line.page, cells);
    result.bOk = TRUE;
    result.nNewCount = count;
    return result;
}

CGridChange SetFixedCount(const Line& line, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    CGridChange result = Unchanged(line);
    if (count < 0)
        return result;
    if (line.Count() < count) {
        result = SetCount(line, cells, count, factory);
        if (!result.bOk)
            return result;
    }
    CCellCoord& focus = line.page.m_focusCell;
    if (!focus.IsNone() && line.Along(focus) < count) {
        if (CNorvakCell* cell = cells.FindOwnCell(focus.row, focus.col))
            cell->SetState(WORD(cell->GetState() & ~CIS_FOCUSED));
        focus = CCellCoord();
    }
    line.Fixed() = count;
    ClampBands(line);
    result.bOk = TRUE;
    return result;
}

bool InGrownMerge(const Line& line, const std::vector<CMergeCellRange*>& grown, int cross)
{
    return std::any_of(grown.begin(), grown.end(), [&](const CMergeCellRange* m) {
        return line.CrossFirst(*m) <= cross && cross <= line.CrossLast(*m);
    });
}

// The merges that will grow by a line inserted at pos.
std::vector<CMergeCellRange*> MergesAcross(const Line& line, int pos)
{
    std::vector<CMergeCellRange*> across;
    for (MergeList list : MergeListsOf(line.page))
        for (CMergeCellRange& m : list.records)
            if (line.First(m) < pos && pos <= line.Last(m))
                across.push_back(&m);
    return across;
}

// A new cell for (row, column). A plain factory's cell of a new column holds only the defaults:
// each row's new cell would copy the format of the new cell above it, down from row 0's.
CellPtr NewCell(const Line& line, CNorvakPageCells& cells, CCellCoord at, ICellFactory& factory)
{
    CellPtr cell = !line.IsRows() && factory.MakesPlainCells() ? cells.NewRecord()
                                                              : factory.CreateCell(cells.GetPageIndex(), at.row, at.col);
    if (!cell)
        throw CreationRefused{};
    if (!line.IsRows())
        cell->SetTextFormat(line.crossFormat);
    return cell;
}

// Whether the new cell at `at` needs a record: always with a factory that is not plain; for a
// plain factory's new cell only where it takes a text format other than the default.
bool NeedsRecord(const Line& line, const CNorvakPageCells& cells, CCellCoord at, ICellFactory& factory)
{
    if (!factory.MakesPlainCells())
        return true;
    if (!line.IsRows())
        return line.crossFormat != CNorvakCell::kDefaultTextFormat;
    return NewCellTextFormat(line.page, cells, at.row, at.col) != CNorvakCell::kDefaultTextFormat;
}

// New cells for the line at pos, made before anything changes so that a refusal leaves the page
// as it was: the cells that take another text format and the ones a growing merge will cover
// (every cell with a factory that is not plain). Each is created for its final position; the
// cells around it are still in place. `candidates` lists the cross indexes that may need one.
BuiltCells BuildLine(const Line& line, CNorvakPageCells& cells, int pos, const std::vector<int>& candidates,
                     ICellFactory& factory)
{
    const std::vector<CMergeCellRange*> grown = MergesAcross(line, pos);
    BuiltCells built;
    for (int k : candidates) {
        const CCellCoord at = line.At(pos, k);
        const bool covered = InGrownMerge(line, grown, k);
        if (!covered && !NeedsRecord(line, cells, at, factory))
            continue;
        CellPtr cell = NewCell(line, cells, at, factory);
        if (covered)
            cell->ReserveRareFields(); // for the merge marks
        built.emplace_back(k, std::move(cell));
    }
    return built;
}

// The cross indexes whose new cell may need a record: all of them for a new row, a factory that
// is not plain or a column of another text format; else only the rows of the merges that grow.
std::vector<int> Candidates(const Line& line, int pos, ICellFactory& factory)
{
    std::vector<int> out;
    if (line.IsRows() || !factory.MakesPlainCells() || line.crossFormat != CNorvakCell::kDefaultTextFormat) {
        out.resize(size_t(line.CrossCount()));
        for (int k = 0; k < line.CrossCount(); ++k)
            out[size_t(k)] = k;
        return out;
    }
    for (const CMergeCellRange* m : MergesAcross(line, pos))
        for (int row = m->firstRow; row <= m->lastRow; ++row)
            out.push_back(row);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

// Room for one more line, growing geometrically so that a run of insertions reallocates seldom.
template <class Vector> void ReserveOneMore(Vector& v, int count)
{
    const size_t size = std::max(v.size(), size_t(count));
    if (size >= v.capacity())
        v.reserve(size + size / 2 + 1);
}

// Everything an insertion allocates, so that putting the line in cannot fail. For a column, the
// rows that get a new record are made.
void ReserveForInsert(const Line& line, CNorvakPageCells& cells, const BuiltCells& built)
{
    if (line.IsRows()) {
        cells.ReserveOneMoreRow();
    } else {
        cells.ReserveOneMoreColumn();
        for (const auto& [row, cell] : built)
            cells.MakeRowForNewColumn(row);
    }
    ReserveOneMore(line.Sizes(), line.Count());
    ReserveOneMore(line.Edges(), line.Count());
}

void PutLine(const Line& line, CNorvakPageCells& cells, int pos, BuiltCells built, CNorvakPageCells::RowPtr madeRow)
{
    if (line.IsRows()) {
        for (auto& [col, cell] : built)
            cells.PutInRow(*madeRow, col, std::move(cell));
        cells.InsertRowAt(pos, std::move(madeRow));
    } else {
        cells.InsertColumnAt(pos);
        for (auto& [row, cell] : built)
            cells.PutCell(row, pos, std::move(cell));
    }
}

CGridChange InsertLine(const Line& line, CNorvakPageCells& cells, int pos, int size, ICellFactory& factory)
{
    cells.SetPage(&line.page);
    CGridChange result = Unchanged(line);
    if (size < 0 || !CountFits(line, line.Count() + 1) || !ExtentAllows(line, line.Count() + 1, size))
        return result;
    pos = std::clamp(pos, 0, line.Count());
    if (!MergesCanGrow(line, pos))
        return result;
    BuiltCells built;
    CNorvakPageCells::RowPtr madeRow;
    std::vector<GrownMerge> grown;
    std::vector<CCellRect> selected, kept;
    try {
        grown.reserve(line.page.m_bodyMerges.size() + line.page.m_headerMerges.size());
        selected = ShiftedSelection(line.page.m_selectedCells, line, pos);
        kept = ShiftedSelection(line.page.m_keptSelection, line, pos);
        built = BuildLine(line, cells, pos, Candidates(line, pos, factory), factory);
        if (line.IsRows() && !built.empty())
            madeRow = cells.NewRow();
        FitEdgeLines(line, line.Count());
        ReserveForInsert(line, cells, built);
    } catch (...) {
        FailedAfter([] {});
        return result;
    }
    MakeRoomInMerges(line, cells, pos, grown);
    PutLine(line, cells, pos, std::move(built), std::move(madeRow));
    CoverNewCells(line, cells, pos, grown);
    line.Sizes().resize(size_t(line.Count()), size);
    line.Sizes().insert(line.Sizes().begin() + pos, size);
    InsertEdgeLine(line, pos);
    line.page.m_selectedCells.SetRects(std::move(selected));
    line.page.m_keptSelection.SetRects(std::move(kept));
    ShiftFocus(line, pos, +1);
    GrowBandsAt(line, pos);
    ++line.Count();
    if (!line.IsRows())
        ShiftAutoTextColumns(line.page, pos, +1);
    result.bOk = TRUE;
    result.nNewCount = line.Count();
    result.nPosition = pos;
    return result;
}

void RemoveLine(const Line& line, CNorvakPageCells& cells, int pos, ICellFactory& factory)
{
    if (line.IsRows()) {
        if (cells.FindRow(pos))
            for (int col = 0; col < cells.GetColumnCount(); ++col)
                if (CNorvakCell* cell = cells.FindOwnCell(pos, col))
                    factory.EmptyCell(cells.GetPageIndex(), *cell, pos, col);
        cells.RemoveRowAt(pos);
        return;
    }
    cells.RemoveColumnAt(pos, factory);
}

CGridChange DeleteLine(const Line& line, CNorvakPageCells& cells, int pos, ICellFactory& factory)
{
    CGridChange result = Unchanged(line);
    if (line.Count() <= 0)
        return result;
    pos = std::clamp(pos, 0, line.Count() - 1);
    ShrinkMergesAround(line, cells, pos);
    // The selection stays at its coordinates, so the cells that move into them are selected, and
    // the focus stays with it when the focus cell was selected.
    const CCellCoord focus = line.page.m_focusCell;
    RemoveLine(line, cells, pos, factory);
    line.Sizes().erase(line.Sizes().begin() + pos);
    EraseEdgeLine(line, pos);
    ShiftFocus(line, pos, -1);
    ShrinkBandsAt(line, pos);
    --line.Count();
    DropSelectionsFrom(line, line.Count());
    if (line.page.IsValidCell(focus.row, focus.col) && line.page.m_selectedCells.Contains(focus.row, focus.col))
        MoveFocusMark(line.page, cells, focus);
    ClampBands(line);
    if (!line.IsRows())
        ShiftAutoTextColumns(line.page, pos, -1);
    result.bOk = TRUE;
    result.nNewCount = line.Count();
    result.nPosition = pos;
    return result;
}

} // namespace

void KeepBandsOnPage(CNorvakPage& page)
{
    ClampBands(Line{Axis::Rows, page});
    ClampBands(Line{Axis::Cols, page});
}

CGridChange SetRowCount(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    return SetCount(Line{Axis::Rows, page}, cells, count, factory);
}

CGridChange SetColumnCount(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    return SetCount(Line{Axis::Cols, page}, cells, count, factory);
}

CGridChange SetFixedRowCount(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    return SetFixedCount(Line{Axis::Rows, page}, cells, count, factory);
}

CGridChange SetFixedColumnCount(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    return SetFixedCount(Line{Axis::Cols, page}, cells, count, factory);
}

CGridChange InsertRow(CNorvakPage& page, CNorvakPageCells& cells, int position, ICellFactory& factory)
{
    return InsertLine(Line{Axis::Rows, page}, cells, position, page.m_nDefaultRowHeight, factory);
}

CGridChange InsertColumn(CNorvakPage& page, CNorvakPageCells& cells, int position, int width,
                         ICellFactory& factory, WORD textFormat)
{
    Line line{Axis::Cols, page};
    line.crossFormat = textFormat;
    return InsertLine(line, cells, position, width, factory);
}

CGridChange DeleteRow(CNorvakPage& page, CNorvakPageCells& cells, int position, ICellFactory& factory)
{
    return DeleteLine(Line{Axis::Rows, page}, cells, position, factory);
}

CGridChange DeleteColumn(CNorvakPage& page, CNorvakPageCells& cells, int position, ICellFactory& factory)
{
    return DeleteLine(Line{Axis::Cols, page}, cells, position, factory);
}

CString AutoColumnText(const CAutoTextColumn& column, int bodyRow)
{
    if (!column.bNumbered)
        return column.prefix;
    CString text;
    text.Format("%s%d", column.prefix.GetString(), bodyRow);
    return text;
}

void ApplyAutoTextColumns(CNorvakPage& page, CNorvakPageCells& cells)
{
    for (const CAutoTextColumn& column : page.m_autoTextColumns)
        for (int row = std::max(page.m_nFixedRows, 0); row < page.m_nRows; ++row)
            if (CNorvakCell* cell = cells.EditCell(row, column.column)) {
                try {
                    cell->SetText(AutoColumnText(column, row - page.m_nFixedRows));
                } catch (const std::bad_alloc&) {
                    // The cell keeps its old text; nothing else depends on it.
                }
            }
}

} // namespace SheetModel
