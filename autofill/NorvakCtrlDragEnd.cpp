// The end of a drag of the selection frame: a drag from an edge (or from inside with Ctrl) moves
// the selected block to the target, or copies it with Ctrl; a drag from a corner fills the target
// from the block and, for a single cell along its own row or column, continues its series. A drop
// that is refused leaves the page as it was; so is every drop whose block or target holds a cell
// the user may not edit, as a paste is.

#include "sheet/NorvakCtrl.h"

#include "autofill/BlockFill.h"
#include "autofill/series/FillSeries.h"
#include "framework/ModalUI.h"
#include "sheet/model/BlockPaste.h"
#include "sheet/model/CellCopy.h"

namespace {

// The active page's cells as the series engine reads and writes them.
class CActivePageFillCells final : public IFillCells
{
public:
    explicit CActivePageFillCells(CNorvakCtrl& ctrl) : m_ctrl(ctrl) {}

    BOOL IsValidCell(int row, int col) const override { return m_ctrl.IsValidCell(-1, row, col); }
    CString GetCellText(int row, int col) const override { return m_ctrl.GetPageCellText(-1, row, col); }
    BOOL SetCellText(int row, int col, const CString& text) override
    {
        return m_ctrl.SetItemText(-1, row, col, text);
    }

private:
    CNorvakCtrl& m_ctrl;
};

bool SameTopLeft(const CCellRect& a, const CCellRect& b)
{
    return a.minRow == b.minRow && a.minCol == b.minCol;
}

} // namespace

void CNorvakCtrl::CopyCell(CNorvakCell* destination, const CNorvakCell* source, BYTE withMerge)
{
    if (destination && source)
        SheetModel::CopyCell(*destination, *source, withMerge);
}

BOOL CNorvakCtrl::ResetCell(CNorvakCell* cell, BYTE resetRight, BYTE resetBottom)
{
    return !cell || SheetModel::ResetCell(*cell, resetRight, resetBottom);
}

void CNorvakCtrl::EndSelectionDrag(int minRow, int minCol, int maxRow, int maxCol, UINT flags, int hitCode)
{
    const CCellRect target(minRow, minCol, maxRow, maxCol);
    PageRef ref = GetPageRef(-1);
    if (ref && !(target == GetSelectedCellRange(-1)) && IsValidCellRange(-1, target)) {
        if (IsFrameEdge(hitCode) || hitCode == kFrameInside)
            DropBlock(ref, target, (flags & MK_CONTROL) == 0);
        else if (IsFrameCorner(hitCode))
            FillFromCorner(ref, target);
    }
    m_dragRegion.DeleteObject();
    InvalidateControl();
}

void CNorvakCtrl::ShowMergeRefusal(CMergeRefusal refusal)
{
    const char* text = refusal == kMergePastPage ? "由于单元格的合并区域超出工作簿，无法进行粘贴!"
                                                 : "不能对合并单元格的某部分操作!";
    ModalUI::ShowMessage(m_hWnd, text, "警告", MB_ICONEXCLAMATION);
}

// The selection goes before cells are written, so that no written cell keeps a selected or focus
// mark the selection does not know of; the written block then becomes the selection.
void CNorvakCtrl::DropSelection(CNorvakPage& page)
{
    page.m_keptSelection.RemoveAll();
    ClearSelectionAndFocus(-1);
}

void CNorvakCtrl::SelectDropped(const CCellRect& block, CCellCoord focus)
{
    SetSelectedRange(-1, block.minRow, block.minCol, block.maxRow, block.maxCol);
    SetFocusCell(-1, focus.row, focus.col);
}

// The block a drag takes and every cell it writes may be edited by the user. A move asks after
// the merge checks, as a paste does: its block may reach past the page, which they report.
bool CNorvakCtrl::MayDrag(const CCellRect& source, const CCellRect& target) const
{
    return IsRangeEditable(-1, source) && IsRangeEditable(-1, target);
}

bool CNorvakCtrl::DropBlock(PageRef& ref, const CCellRect& target, bool move)
{
    const CCellRect source = GetSelectedCellRange(-1);
    if (SameTopLeft(source, target) || !ref.page->m_bEditable || !IsValidCellRange(-1, source))
        return false;
    const CCellRect block(target.minRow, target.minCol, target.minRow + source.maxRow - source.minRow,
                          target.minCol + source.maxCol - source.minCol);
    CNorvakPage& page = *ref.page;
    CNorvakPageCells& cells = *ref.cells;
    // A move clears its block, which would leave a merge it cuts through with cells outside it.
    CMergeRefusal refusal = move ? SheetModel::CheckBlockPlacement(page, source) : kMergesFit;
    m_dragBuffer.CopyBlock(page, cells, source);
    if (refusal == kMergesFit)
        refusal = SheetModel::CheckBufferPlacement(page, m_dragBuffer, target.minRow, target.minCol,
                                                   move ? &source : nullptr);
    if (refusal != kMergesFit)
        ShowMergeRefusal(refusal);
    if (refusal != kMergesFit || !MayDrag(source, block)) {
        m_dragBuffer.Empty();
        return false;
    }
    const CCellCoord focus = page.m_focusCell;
    DropSelection(page);
    CNoRepaint quiet;
    if (move)
        SheetModel::ClearBlock(page, cells, source, quiet);
    CCellGeometry geometry = GetPageGeometry(ref);
    SheetModel::PasteBuffer(page, cells, m_dragBuffer, target.minRow, target.minCol, geometry, quiet);
    m_dragBuffer.Empty();
    SelectDropped(block, focus.IsNone() ? focus
                                        : CCellCoord(focus.row + target.minRow - source.minRow,
                                                     focus.col + target.minCol - source.minCol));
    return true;
}

bool CNorvakCtrl::FillFromCorner(PageRef& ref, const CCellRect& target)
{
    const CCellRect source = GetSelectedCellRange(-1);
    if (!IsValidCellRange(-1, source) || !MayDrag(source, target))
        return false;
    CNorvakPage& page = *ref.page;
    CNorvakPageCells& cells = *ref.cells;
    const CCellCoord focus = page.m_focusCell;
    CCellGeometry geometry = GetPageGeometry(ref);
    if (const CMergeRefusal refusal = AutoFill::PrepareFill(page, cells, source, target, geometry)) {
        ShowMergeRefusal(refusal);
        return false;
    }
    DropSelection(page);
    AutoFill::RepeatBlock(cells, source, target);
    if (AutoFill::IsSeriesFill(source, target)) {
        CActivePageFillCells series(*this);
        DetectFillSeries(series, {source.minRow, source.minCol, source.maxRow, source.maxCol},
                         {target.minRow, target.minCol, target.maxRow, target.maxCol});
    }
    AutoFill::RepeatEdgeBorders(cells, source, target);
    SelectDropped(target, AutoFill::CornerFocus(source, target, focus));
    return true;
}
