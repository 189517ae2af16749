#pragma once

// Blocks of cells copied out of a page and written back: the cell buffer with the merges wholly
// inside the copied block, the cell copy, the merge check a paste must pass, and every cell write
// of a paste, a cut's clearing and a clear. The merges themselves are taken apart and made again
// by the merge operations (MergeCells.h).
//
// Geometry of a buffer: row 0 holds the cells above the block and cell 0 of every row the cell to
// its left, so the block's top and left lines travel with it. Above row 0 and left of column 0
// those lines are the page's edge entries.

#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <memory>
#include <vector>

// Owns its cells.
class CCellBuffer
{
public:
    using Row = std::vector<std::unique_ptr<CNorvakCell>>;

    bool IsEmpty() const { return m_rows.empty(); }
    void Clear();
    // Rows and columns of the copied block (the bordering row and column not counted).
    int BlockRows() const { return m_rows.empty() ? 0 : int(m_rows.size()) - 1; }
    int BlockColumns() const { return m_rows.empty() ? 0 : int(m_rows.front().size()) - 1; }
    const CNorvakCell& At(int bufferRow, int bufferCol) const { return *m_rows[size_t(bufferRow)][size_t(bufferCol)]; }
    // Offsets from the block's first cell, extents from the merge's first cell.
    const std::vector<CMergeCellRange>& Merges() const { return m_merges; }

    // Copies the block and its bordering row and column of the page; cells the page lacks stay at
    // their defaults. The block must be valid on the page.
    void Fill(const CNorvakPage& page, const CNorvakPageCells& cells, const CCellRect& block);

private:
    std::vector<Row> m_rows;
    std::vector<CMergeCellRange> m_merges;
};

// Why a block may not go to a place.
enum class CPasteCheck
{
    Fits,
    PastEdge,     // a copied merge or the block reaches past the last row or column
    PartialMerge, // a merge of the page would be cut through
};

namespace SheetModel {

// The cell copy. Always: the bottom line and the image words. Without merge fields: the font
// record, the text position code, the value word, the state (less focus and selection), the text
// and the right-hand line. With them: a picture the source lacks is dropped from the destination;
// then the font record, the merge fields with the edit lock, the text position code, the value
// word, the text and the right-hand line; not the state. A picture is never shared.
void CopyCell(CNorvakCell& to, const CNorvakCell& from, bool withMerge);

// The buffer's block at `at`, then each of its merges, against the page's edges and merges.
CPasteCheck CheckPaste(const CNorvakPage& page, const CCellBuffer& buffer, CCellCoord at);
// One block (offsets and extents as a buffer's merges) shifted to `at`.
CPasteCheck CheckPlacement(const CNorvakPage& page, const CMergeCellRange& record, CCellCoord at);

// Every cell of the range exists and may be edited.
bool IsRangeEditable(const CNorvakPage& page, const CNorvakPageCells& cells, const CCellRect& range);

// The merges of the page lying wholly inside the range, in list order.
std::vector<CMergeCellRange> MergesInside(const CNorvakPage& page, const CCellRect& range);

// Resets the range's cells to fresh defaults (their state stays) and the lines the row above and
// the column to the left draw along it. The range's merges must have been taken apart. A
// bordering cell that may not be edited keeps its line.
void ResetCells(CNorvakPage& page, CNorvakPageCells& cells, const CCellRect& range);

// Writes the buffer's cells with their top and left lines at `at`, which must have passed
// CheckPaste on cells that may be edited. The written cells carry no merge marks: the buffer's
// merges are made again afterwards.
void WriteBuffer(CNorvakPage& page, CNorvakPageCells& cells, const CCellBuffer& buffer, CCellCoord at);

} // namespace SheetModel
