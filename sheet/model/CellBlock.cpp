#include "sheet/model/CellBlock.h"

#include "sheet/model/CellLine.h"
#include "sheet/model/CellProperties.h"

namespace {

// The one door through which this file changes a cell.
CNorvakCell* WritableCell(CNorvakPage& page, CNorvakPageCells& cells, int row, int col)
{
    return page.IsValidCell(row, col) ? cells.EditCell(row, col) : nullptr;
}

const CEdgeLineEntry* EdgeEntry(const std::vector<CEdgeLineEntry>& list, int index)
{
    return index >= 0 && size_t(index) < list.size() ? &list[size_t(index)] : nullptr;
}

// The line a bordering cell draws along the block: the bottom line of the cell above, or the
// right-hand line of the cell to the left; above row 0 and left of column 0 the edge entry.
CellLine BorderLine(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col, bool horizontal)
{
    const CEdgeLineEntry* entry = nullptr;
    if (horizontal && row < 0)
        entry = EdgeEntry(page.m_topEdgeLines, col);
    else if (!horizontal && col < 0)
        entry = EdgeEntry(page.m_leftEdgeLines, row);
    else if (const CNorvakCell* cell = page.IsValidCell(row, col) ? cells.GetCell(row, col) : nullptr)
        return LineOf(*cell, horizontal);
    return entry ? LineOf(*entry) : kDefaultGridLine;
}

void SetBorderLine(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, bool horizontal,
                   const CellLine& line)
{
    if (horizontal && row < 0) {
        if (CEdgeLineEntry* entry = page.m_bEditable ? page.FindTopEdgeLine(col) : nullptr)
            SetLineOf(*entry, line);
    } else if (!horizontal && col < 0) {
        if (CEdgeLineEntry* entry = page.m_bEditable ? page.FindLeftEdgeLine(row) : nullptr)
            SetLineOf(*entry, line);
    } else if (SheetModel::IsCellEditable(page, cells, row, col)) {
        SetLineOf(*WritableCell(page, cells, row, col), horizontal, line);
    }
}

// The merge fields with the edit lock.
void CopyMergeFields(CNorvakCell& to, const CNorvakCell& from)
{
    to.SetCovered(from.IsCovered());
    to.SetEditLock(from.GetEditLock());
    to.SetMergedRight(from.IsMergedRight());
    to.SetMergedBelow(from.IsMergedBelow());
    to.SetRowSpan(from.GetRowSpan());
    to.SetColSpan(from.GetColSpan());
    to.SetMergeOrigin(from.GetMergeOrigin());
}

// A fresh default cell in place of the cell, keeping its state and the marks of a merge that
// reaches past the range (those inside it were taken apart before).
void ResetKeepingMerge(CNorvakCell& cell)
{
    CNorvakCell marks;
    CopyMergeFields(marks, cell);
    SheetModel::CopyCell(cell, CNorvakCell(), true);
    CopyMergeFields(cell, marks);
}

bool Overlaps(const CMergeCellRange& m, int r0, int c0, int r1, int c1)
{
    return m.firstRow <= r1 && r0 <= m.lastRow && m.firstCol <= c1 && c0 <= m.lastCol;
}

bool Inside(const CMergeCellRange& m, int r0, int c0, int r1, int c1)
{
    return m.firstRow >= r0 && m.firstCol >= c0 && m.lastRow <= r1 && m.lastCol <= c1;
}

} // namespace

void CCellBuffer::Clear()
{
    m_rows.clear();
    m_merges.clear();
}

void CCellBuffer::Fill(const CNorvakPage& page, const CNorvakPageCells& cells, const CCellRect& block)
{
    Clear();
    for (int row = block.minRow - 1; row <= block.maxRow; ++row) {
        Row& copied = m_rows.emplace_back();
        for (int col = block.minCol - 1; col <= block.maxCol; ++col) {
            auto cell = std::make_unique<CNorvakCell>();
            if (const CNorvakCell* source = page.IsValidCell(row, col) ? cells.GetCell(row, col) : nullptr)
                SheetModel::CopyCell(*cell, *source, true);
            // The lines along the block's top and left edges, also where they are edge entries.
            if (row < block.minRow && col >= block.minCol)
                SetLineOf(*cell, true, BorderLine(page, cells, row, col, true));
            if (col < block.minCol && row >= block.minRow)
                SetLineOf(*cell, false, BorderLine(page, cells, row, col, false));
            copied.push_back(std::move(cell));
        }
    }
    for (const CMergeCellRange& merge : page.m_bodyMerges)
        if (Inside(merge, block.minRow, block.minCol, block.maxRow, block.maxCol)) {
            CMergeCellRange record = CMergeCellRange::Of(merge.firstRow - block.minRow, merge.firstCol - block.minCol,
                                                         merge.lastRow - merge.firstRow,
                                                         merge.lastCol - merge.firstCol, merge.editLock);
            m_merges.push_back(record);
        }
}

namespace SheetModel {

void CopyCell(CNorvakCell& to, const CNorvakCell& from, bool withMerge)
{
    SetLineOf(to, true, LineOf(from, true));
    if (from.GetImage() != to.GetImage())
        to.SetImage(from.GetImage());
    if (from.GetImageValue() != to.GetImageValue())
        to.SetImageValue(from.GetImageValue());
    if (withMerge) {
        if (!from.GetPicture() && to.GetPicture())
            to.TakePicture();
        CopyMergeFields(to, from);
    } else {
        to.SetState(WORD(from.GetState() & ~CIS_FOCUSED));
    }
    to.SetFont(from.GetFont());
    to.SetTextFormat(from.GetTextFormat());
    to.SetValueWord(from.GetValueWord());
    to.SetText(from.GetTextPtr());
    SetLineOf(to, false, LineOf(from, false));
}

CPasteCheck CheckPlacement(const CNorvakPage& page, const CMergeCellRange& record, CCellCoord at)
{
    const int r0 = at.row + record.firstRow;
    const int c0 = at.col + record.firstCol;
    const int r1 = r0 + record.lastRow;
    const int c1 = c0 + record.lastCol;
    if (r1 > page.m_nRows - 1 || c1 > page.m_nCols - 1)
        return CPasteCheck::PastEdge;
    for (const auto* list : {&page.m_bodyMerges, &page.m_headerMerges})
        for (const CMergeCellRange& merge : *list)
            if (Overlaps(merge, r0, c0, r1, c1) && !Inside(merge, r0, c0, r1, c1))
                return CPasteCheck::PartialMerge;
    return CPasteCheck::Fits;
}

CPasteCheck CheckPaste(const CNorvakPage& page, const CCellBuffer& buffer, CCellCoord at)
{
    const CMergeCellRange whole = CMergeCellRange::Of(0, 0, buffer.BlockRows() - 1, buffer.BlockColumns() - 1);
    CPasteCheck check = CheckPlacement(page, whole, at);
    for (size_t i = 0; check == CPasteCheck::Fits && i < buffer.Merges().size(); ++i)
        check = CheckPlacement(page, buffer.Merges()[i], at);
    return check;
}

bool IsRangeEditable(const CNorvakPage& page, const CNorvakPageCells& cells, const CCellRect& range)
{
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col)
            if (!IsCellEditable(page, cells, row, col))
                return false;
    return true;
}

std::vector<CMergeCellRange> MergesInside(const CNorvakPage& page, const CCellRect& range)
{
    std::vector<CMergeCellRange> inside;
    for (const CMergeCellRange& merge : page.m_bodyMerges)
        if (Inside(merge, range.minRow, range.minCol, range.maxRow, range.maxCol))
            inside.push_back(merge);
    return inside;
}

void ResetCells(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& range)
{
    for (int col = range.minCol; col <= range.maxCol; ++col)
        SetBorderLine(page, cells, range.minRow - 1, col, true, kDefaultGridLine);
    for (int row = range.minRow; row <= range.maxRow; ++row)
        SetBorderLine(page, cells, row, range.minCol - 1, false, kDefaultGridLine);
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col)
            if (CNorvakCell* cell = WritableCell(page, cells, row, col))
                ResetKeepingMerge(*cell);
}

void WriteBuffer(CNorvakPage& page, CNorvakPageCells& cells, const CCellBuffer& buffer, CCellCoord at)
{
    for (int k = 1; k <= buffer.BlockColumns(); ++k)
        SetBorderLine(page, cells, at.row - 1, at.col - 1 + k, true, LineOf(buffer.At(0, k), true));
    for (int i = 1; i <= buffer.BlockRows(); ++i) {
        const int row = at.row - 1 + i;
        SetBorderLine(page, cells, row, at.col - 1, false, LineOf(buffer.At(i, 0), false));
        for (int k = 1; k <= buffer.BlockColumns(); ++k)
            if (CNorvakCell* cell = WritableCell(page, cells, row, at.col - 1 + k)) {
                CopyCell(*cell, buffer.At(i, k), true);
                cell->ClearMerge();
            }
    }
}

} // namespace SheetModel
