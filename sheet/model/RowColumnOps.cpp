#include "sheet/model/RowColumnOps.h"

#include "sheet/model/CellSelection.h"

#include <algorithm>
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

bool CountAllowed(const Line& line, int count)
{
    return count >= 0 && count <= line.MaxCount() &&
           static_cast<long long>(count) * line.CrossCount() <= kMaxCellCount &&
           ExtentAllows(line, count, line.IsRows() ? line.page.m_nDefaultRowHeight : line.page.m_nDefaultColumnWidth);
}

std::unique_ptr<CNorvakCell> Create(ICellFactory& factory, int page, CCellCoord at)
{
    std::unique_ptr<CNorvakCell> cell = factory.CreateCell(page, at.row, at.col);
    if (!cell)
        throw CreationRefused{};
    return cell;
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

CNorvakCell* CellAt(const CNorvakPageCells& cells, CCellCoord at)
{
    return cells.GetCell(at.row, at.col);
}

// --- merges -----------------------------------------------------------------------------------

template <class F> void ForEachCoveredCell(const CNorvakPageCells& cells, const CMergeCellRange& m, F f)
{
    for (int row = m.firstRow; row <= m.lastRow; ++row)
        for (int col = m.firstCol; col <= m.lastCol; ++col)
            if (row != m.firstRow || col != m.firstCol)
                if (CNorvakCell* cell = cells.GetCell(row, col))
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
    if (CNorvakCell* origin = cells.GetCell(m.firstRow, m.firstCol)) {
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

std::vector<MergeList> MergeListsOf(CNorvakPage& page)
{
    return {{page.m_bodyMerges, false}, {page.m_headerMerges, true}};
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
std::vector<GrownMerge> MakeRoomInMerges(const Line& line, const CNorvakPageCells& cells, int pos)
{
    std::vector<GrownMerge> grown;
    for (MergeList list : MergeListsOf(line.page)) {
        for (CMergeCellRange& m : list.records) {
            if (line.First(m) < pos && pos <= line.Last(m)) {
                ++line.Last(m);
                if (CNorvakCell* origin = cells.GetCell(m.firstRow, m.firstCol))
                    line.SetSpan(*origin, line.Last(m) - line.First(m));
                grown.push_back({&m, list.header});
            } else if (line.First(m) >= pos) {
                MoveCoveredOrigins(line, cells, m, +1);
                ++line.First(m);
                ++line.Last(m);
            }
        }
    }
    return grown;
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

// The part of a range from index pos on along the line (all of it past the grid too).
CCellRect From(const Line& line, const CCellRect& r, int pos)
{
    CCellRect out = r;
    (line.IsRows() ? out.minRow : out.minCol) = std::max(line.IsRows() ? r.minRow : r.minCol, pos);
    return out;
}

// Inserting moves the entries at or after pos on by one; a range across pos is split around it.
void ShiftSelection(CCellSelectionMap& map, const Line& line, int pos)
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
    map.SetRects(std::move(moved));
}

void ShiftSelectionsForInsert(const Line& line, int pos)
{
    ShiftSelection(line.page.m_selectedCells, line, pos);
    ShiftSelection(line.page.m_keptSelection, line, pos);
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

// Sets or clears the selected mark of the selected cells from index pos on.
void MarkSelectedFrom(const Line& line, CNorvakPageCells& cells, int pos, bool selected)
{
    std::vector<CCellRect> from;
    for (const CCellRect& r : line.page.m_selectedCells.Rects())
        from.push_back(From(line, r, pos));
    MarkSelected(cells, from, selected);
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

void InsertEdgeLine(const Line& line, int pos)
{
    std::vector<CEdgeLineEntry>& edges = line.Edges();
    CEdgeLineEntry entry;
    entry.index = pos;
    edges.insert(edges.begin() + pos, entry);
    for (size_t i = size_t(pos) + 1; i < edges.size(); ++i)
        edges[i].index = int(i);
}

void EraseEdgeLine(const Line& line, int pos)
{
    std::vector<CEdgeLineEntry>& edges = line.Edges();
    if (size_t(pos) >= edges.size())
        return;
    edges.erase(edges.begin() + pos);
    for (size_t i = size_t(pos); i < edges.size(); ++i)
        edges[i].index = int(i);
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

CNorvakCellRow BuildRow(ICellFactory& factory, int page, int row, int cols)
{
    CNorvakCellRow cells;
    cells.Resize(cols);
    for (int col = 0; col < cols; ++col)
        cells.SlotAt(col) = Create(factory, page, CCellCoord(row, col));
    return cells;
}

void EmptyAndDelete(ICellFactory& factory, CNorvakPageCells& cells, int row, int col)
{
    CNorvakCellRow& slots = cells.RowAt(row);
    if (CNorvakCell* cell = slots.GetAt(col))
        factory.EmptyCell(cells.GetPageIndex(), *cell, row, col);
    slots.SlotAt(col).reset();
}

bool GrowRows(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    const int old = page.m_nRows;
    try {
        cells.Reserve(count);
        page.m_rowHeights.reserve(size_t(count));
        for (int row = old; row < count; ++row) {
            CNorvakCellRow built = BuildRow(factory, cells.GetPageIndex(), row, page.m_nCols);
            page.m_rowHeights.resize(size_t(row), page.m_nDefaultRowHeight);
            page.m_rowHeights.push_back(page.m_nDefaultRowHeight);
            cells.AppendRow(std::move(built));
        }
    } catch (...) {
        return FailedAfter([&] {
            while (cells.GetRowSlotCount() > old)
                cells.RemoveRowAt(cells.GetRowSlotCount() - 1);
            page.m_rowHeights.resize(size_t(old));
        });
    }
    return true;
}

bool GrowColumns(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    const int old = page.m_nCols;
    try {
        for (int row = 0; row < cells.GetRowSlotCount(); ++row)
            cells.RowAt(row).Reserve(count);
        page.m_colWidths.reserve(size_t(count));
        for (int row = 0; row < cells.GetRowSlotCount(); ++row)
            cells.RowAt(row).Resize(count);
        page.m_colWidths.resize(size_t(old), page.m_nDefaultColumnWidth);
        page.m_colWidths.resize(size_t(count), page.m_nDefaultColumnWidth);
        for (int row = 0; row < cells.GetRowSlotCount(); ++row)
            for (int col = old; col < count; ++col)
                cells.RowAt(row).SlotAt(col) = Create(factory, cells.GetPageIndex(), CCellCoord(row, col));
    } catch (...) {
        return FailedAfter([&] {
            for (int row = 0; row < cells.GetRowSlotCount(); ++row)
                if (cells.RowAt(row).GetSize() > old)
                    cells.RowAt(row).Resize(old);
            page.m_colWidths.resize(size_t(old));
        });
    }
    return true;
}

void ShrinkRows(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    for (int row = count; row < page.m_nRows; ++row)
        for (int col = 0; col < cells.RowAt(row).GetSize(); ++col)
            EmptyAndDelete(factory, cells, row, col);
    while (cells.GetRowSlotCount() > count)
        cells.RemoveRowAt(cells.GetRowSlotCount() - 1);
    page.m_rowHeights.resize(size_t(count));
}

void ShrinkColumns(CNorvakPage& page, CNorvakPageCells& cells, int count, ICellFactory& factory)
{
    for (int row = 0; row < cells.GetRowSlotCount(); ++row) {
        for (int col = count; col < cells.RowAt(row).GetSize(); ++col)
            EmptyAndDelete(factory, cells, row, col);
        cells.RowAt(row).Resize(count);
    }
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
        if (CNorvakCell* cell = CellAt(cells, focus))
            cell->SetState(WORD(cell->GetState() & ~CIS_FOCUSED));
        focus = CCellCoord();
    }
    line.Fixed() = count;
    ClampBands(line);
    result.bOk = TRUE;
    return result;
}

// New cells for the line at pos, made before anything changes so that a refusal leaves the page
// as it was. Each is created for its final position; the cells around it are still in place.
std::vector<std::unique_ptr<CNorvakCell>> BuildLine(const Line& line, CNorvakPageCells& cells, int pos,
                                                    ICellFactory& factory)
{
    std::vector<std::unique_ptr<CNorvakCell>> built(size_t(line.CrossCount()));
    for (int k = 0; k < line.CrossCount(); ++k)
        built[size_t(k)] = Create(factory, cells.GetPageIndex(), line.At(pos, k));
    return built;
}

// Room for one more line, growing geometrically so that a run of insertions reallocates seldom.
template <class Vector> void ReserveOneMore(Vector& v)
{
    if (v.size() == v.capacity())
        v.reserve(v.size() + v.size() / 2 + 1);
}

void ReserveForInsert(const Line& line, CNorvakPageCells& cells)
{
    if (line.IsRows())
        cells.ReserveOneMore();
    else
        for (int row = 0; row < cells.GetRowSlotCount(); ++row)
            cells.RowAt(row).Reserve(line.Count() + 1);
    ReserveOneMore(line.Sizes());
    ReserveOneMore(line.Edges());
}

void PutLine(const Line& line, CNorvakPageCells& cells, int pos,
             std::vector<std::unique_ptr<CNorvakCell>> built)
{
    if (line.IsRows()) {
        CNorvakCellRow row;
        row.Resize(int(built.size()));
        for (size_t col = 0; col < built.size(); ++col)
            row.SlotAt(int(col)) = std::move(built[col]);
        cells.InsertRowAt(pos, std::move(row));
    } else {
        for (size_t row = 0; row < built.size(); ++row)
            cells.RowAt(int(row)).InsertAt(pos, std::move(built[row]));
    }
}

CGridChange InsertLine(const Line& line, CNorvakPageCells& cells, int pos, int size, ICellFactory& factory)
{
    CGridChange result = Unchanged(line);
    if (size < 0 || !CountAllowed(line, line.Count() + 1) || !ExtentAllows(line, line.Count() + 1, size))
        return result;
    pos = std::clamp(pos, 0, line.Count());
    if (!MergesCanGrow(line, pos))
        return result;
    std::vector<std::unique_ptr<CNorvakCell>> built;
    try {
        built = BuildLine(line, cells, pos, factory);
        ReserveForInsert(line, cells);
        FitEdgeLines(line, line.Count());
    } catch (...) {
        FailedAfter([] {});
        return result;
    }
    std::vector<GrownMerge> grown = MakeRoomInMerges(line, cells, pos);
    PutLine(line, cells, pos, std::move(built));
    CoverNewCells(line, cells, pos, grown);
    line.Sizes().resize(size_t(line.Count()), size);
    line.Sizes().insert(line.Sizes().begin() + pos, size);
    InsertEdgeLine(line, pos);
    ShiftSelectionsForInsert(line, pos);
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
    for (int k = 0; k < line.CrossCount(); ++k) {
        CCellCoord at = line.At(pos, k);
        if (CNorvakCell* cell = CellAt(cells, at))
            factory.EmptyCell(cells.GetPageIndex(), *cell, at.row, at.col);
    }
    if (line.IsRows())
        cells.RemoveRowAt(pos);
    else
        for (int row = 0; row < cells.GetRowSlotCount(); ++row)
            cells.RowAt(row).RemoveAt(pos);
}

CGridChange DeleteLine(const Line& line, CNorvakPageCells& cells, int pos, ICellFactory& factory)
{
    CGridChange result = Unchanged(line);
    if (line.Count() <= 0)
        return result;
    pos = std::clamp(pos, 0, line.Count() - 1);
    ShrinkMergesAround(line, cells, pos);
    // The selection stays at its coordinates: the cells that move into them take its mark, and
    // the focus stays with it when the focus cell was selected.
    const CCellCoord focus = line.page.m_focusCell;
    MarkSelectedFrom(line, cells, pos, false);
    RemoveLine(line, cells, pos, factory);
    line.Sizes().erase(line.Sizes().begin() + pos);
    EraseEdgeLine(line, pos);
    ShiftFocus(line, pos, -1);
    ShrinkBandsAt(line, pos);
    --line.Count();
    DropSelectionsFrom(line, line.Count());
    MarkSelectedFrom(line, cells, pos, true);
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
                         ICellFactory& factory)
{
    return InsertLine(Line{Axis::Cols, page}, cells, position, width, factory);
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
            if (CNorvakCell* cell = cells.GetCell(row, column.column))
                cell->SetText(AutoColumnText(column, row - page.m_nFixedRows));
}

} // namespace SheetModel
