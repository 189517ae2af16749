// Copy, cut and paste of cells. The clipboard carries the block's text (code page 936 bytes, and
// the same text as Unicode); the control keeps every attribute of the copied cells in its own
// buffer, which a paste prefers while the clipboard still holds the control's data.

#include "sheet/NorvakCtrl.h"

#include "framework/ModalUI.h"
#include "framework/OleDataTransfer.h"
#include "sheet/model/CellProperties.h"
#include "sheet/model/ClipboardText.h"
#include "sheet/windows/CellEdit.h"

namespace {

const char kMergeBeyondPage[] = "由于单元格的合并区域超出工作簿，无法进行粘贴!";
const char kPartOfMerge[] = "不能对合并单元格的某部分操作!";
const char kWarningCaption[] = "警告";

bool IsEmptyBlock(const CCellRect& block)
{
    return block.maxRow < block.minRow || block.maxCol < block.minCol;
}

} // namespace

// ---- the clipboard's state ----

bool CNorvakCtrl::IsOwnDataOnClipboard() const
{
    return m_pClipboardSource &&
           ::OleIsCurrentClipboard(static_cast<IDataObject*>(m_pClipboardSource)) == S_OK;
}

void CNorvakCtrl::ReleaseClipboardSource()
{
    if (m_pClipboardSource)
        m_pClipboardSource->Release();
    m_pClipboardSource = nullptr;
}

void CNorvakCtrl::DropStaleClipboardCells()
{
    if (m_bOwnClipboardWrite || IsOwnDataOnClipboard())
        return;
    m_clipboardBuffer.Clear();
    m_pendingCut = CCellRect();
    m_nPendingCutPage = -1;
    ReleaseClipboardSource();
}

// ---- copy ----

COleDataSource* CNorvakCtrl::CopyCellsToBuffer(BYTE clipboard)
{
    PageRef ref = GetPageRef(-1);
    const CCellRect block = GetSelectedCellRange(-1);
    if (!ref || !IsValidCellRange(-1, block))
        return nullptr;
    (clipboard ? m_clipboardBuffer : m_dragCellBuffer).Fill(*ref.page, *ref.cells, block);
    return clipboard ? CopyCellsToClipboard() : nullptr;
}

COleDataSource* CNorvakCtrl::CopyCellsToClipboard()
{
    PageRef ref = GetPageRef(-1);
    const CCellRect block = GetSelectedCellRange(-1);
    if (!ref || !IsValidCellRange(-1, block))
        return nullptr;
    const std::string text = BuildClipboardText(
        block,
        [&](int row, int col) {
            const CNorvakCell* cell = ref.cells->GetCell(row, col);
            return cell && (cell->GetState() & CIS_SELECTED);
        },
        [&](int row, int col) { return GetPageCellText(ref.index, row, col); });
    return MakeTextDataSource(text);
}

void CNorvakCtrl::PutSelectionOnClipboard()
{
    COleDataSource* source = CopyCellsToBuffer(TRUE);
    if (!source)
        return;
    // The viewers hear of the write while it is made: it must count as ours then.
    m_bOwnClipboardWrite = 1;
    ReleaseClipboardSource();
    if (source->SetClipboard())
        m_pClipboardSource = source;
    else {
        source->Release();
        m_clipboardBuffer.Clear();
    }
    RefreshAfterCopy();
    m_bOwnClipboardWrite = 0;
}

// ---- paste ----

CCellCoord CNorvakCtrl::PasteTarget()
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return CCellCoord();
    const CCellRect block = GetSelectedCellRange(-1);
    if (!IsEmptyBlock(block) && ref.page->IsValidCell(block.minRow, block.minCol))
        return CCellCoord(block.minRow, block.minCol);
    if (ref.page->IsValidCell(ref.page->m_focusCell.row, ref.page->m_focusCell.col))
        return ref.page->m_focusCell;
    const CCellCoord first = GetTopleftNonFixedCell(-1);
    return ref.page->IsValidCell(first.row, first.col) ? first : CCellCoord();
}

BOOL CNorvakCtrl::PasteFromClipboard()
{
    PageRef ref = GetPageRef(-1);
    if (!ref || !ref.page->m_bEditable)
        return FALSE;
    const CCellCoord at = PasteTarget();
    if (at.IsNone())
        return FALSE;
    DropStaleClipboardCells();
    if (m_nPendingCutPage != ref.index) {
        m_pendingCut = CCellRect();
        m_nPendingCutPage = -1;
    }
    COleDataObject data;
    if (!data.AttachClipboard())
        return FALSE;
    return PasteCells(at.row, at.col, at.row + m_clipboardBuffer.BlockRows() - 1,
                      at.col + m_clipboardBuffer.BlockColumns() - 1, &data, TRUE, m_pendingCut.minCol >= 0);
}

BOOL CNorvakCtrl::PasteCells(int minRow, int minCol, int, int, COleDataObject* data, BYTE fromClipboard, BYTE move)
{
    if (!IsCellEditable(-1, minRow, minCol))
        return FALSE;
    if (fromClipboard && (!data || !data->IsDataAvailable(CF_TEXT)))
        return FALSE;
    const CCellBuffer& buffer = fromClipboard ? m_clipboardBuffer : m_dragCellBuffer;
    if (fromClipboard && buffer.IsEmpty()) {
        m_pendingCut = CCellRect();
        PasteTextToCells(minRow, minCol, data);
        InvalidateControl();
        return TRUE;
    }
    if (buffer.IsEmpty())
        return FALSE;
    return PasteBuffer(buffer, CCellCoord(minRow, minCol), fromClipboard != 0, move != 0);
}

void CNorvakCtrl::WarnPaste(const char* text)
{
    ModalUI::ShowMessage(m_hWnd, text, kWarningCaption, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CNorvakCtrl::CanPasteMerges(const CCellBuffer& buffer, CCellCoord at)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return FALSE;
    switch (SheetModel::CheckPaste(*ref.page, buffer, at)) {
    case CPasteCheck::PastEdge:
        WarnPaste(kMergeBeyondPage);
        return FALSE;
    case CPasteCheck::PartialMerge:
        WarnPaste(kPartOfMerge);
        return FALSE;
    default:
        return TRUE;
    }
}

bool CNorvakCtrl::ClearCutSource(const CCellRect& source)
{
    PageRef ref = GetPageRef(-1);
    if (!ref || !IsValidCellRange(-1, source) || !SheetModel::IsRangeEditable(*ref.page, *ref.cells, source))
        return false;
    ClearCells(source.minRow, source.minCol, source.maxRow, source.maxCol);
    return true;
}

BOOL CNorvakCtrl::PasteBuffer(const CCellBuffer& buffer, CCellCoord at, bool fromClipboard, bool move)
{
    PageRef ref = GetPageRef(-1);
    if (!ref || !CanPasteMerges(buffer, at))
        return FALSE;
    const CCellRect target(at.row, at.col, at.row + buffer.BlockRows() - 1, at.col + buffer.BlockColumns() - 1);
    if (!SheetModel::IsRangeEditable(*ref.page, *ref.cells, target))
        return FALSE;
    if (move) {
        // A cut is completed once; a source that may no longer be edited stays, and the paste is a copy.
        const CCellRect source = fromClipboard ? m_pendingCut : GetSelectedCellRange(-1);
        if (fromClipboard) {
            m_pendingCut = CCellRect();
            m_nPendingCutPage = -1;
        }
        ClearCutSource(source);
    }
    const std::vector<CMergeCellRange> inside = SheetModel::MergesInside(*ref.page, target);
    for (auto it = inside.rbegin(); it != inside.rend(); ++it)
        UnCombineCells(-1, it->firstRow, it->firstCol);
    SheetModel::WriteBuffer(*ref.page, *ref.cells, buffer, at);
    for (const CMergeCellRange& merge : buffer.Merges())
        CombineCells(-1, at.row + merge.firstRow, at.col + merge.firstCol, merge.lastRow, merge.lastCol, TRUE,
                     merge.editLock);
    const CCellCoord focus = ref.page->m_focusCell;
    SetSelectedRange(-1, target.minRow, target.minCol, target.maxRow, target.maxCol);
    SetFocusCell(-1, -1, -1);
    SetFocusCell(-1, focus.row, focus.col);
    InvalidateControl();
    return TRUE;
}

void CNorvakCtrl::PasteTextToCells(int row, int col, COleDataObject* data)
{
    if (!data)
        return;
    const std::vector<std::vector<CString>> lines = SplitPasteText(CString(ReadTextBlock(*data, CF_TEXT)));
    for (size_t line = 0; line < lines.size(); ++line)
        for (size_t token = 0; token < lines[line].size(); ++token) {
            const int r = row + int(line);
            const int c = col + int(token);
            if (!IsValidCell(-1, r, c) || !IsCellEditable(-1, r, c))
                continue;
            CString value = lines[line][token];
            value.Trim();
            SendMessageToParent(r, c, int(kNotifyBeginEdit));
            SetItemText(-1, r, c, value);
            SetModified(-1, TRUE, r, c);
            SendMessageToParent(r, c, int(kNotifyEndEdit));
            SetItemState(-1, r, c, WORD(GetItemState(-1, r, c) & ~CIS_SELECTED));
        }
}

// ---- clear ----

void CNorvakCtrl::ClearCells(int minRow, int minCol, int maxRow, int maxCol)
{
    PageRef ref = GetPageRef(-1);
    const CCellRect range(minRow, minCol, maxRow, maxCol);
    if (!ref || !ref.page->m_bEditable || !IsValidCellRange(-1, range))
        return;
    const std::vector<CMergeCellRange> inside = SheetModel::MergesInside(*ref.page, range);
    for (auto it = inside.rbegin(); it != inside.rend(); ++it)
        UnCombineCells(-1, it->firstRow, it->firstCol);
    SheetModel::ResetCells(*ref.page, *ref.cells, range);
    InvalidateControl();
}

// ---- edit commands ----

BOOL CNorvakCtrl::OnEditCopy()
{
    if (!CanCopy())
        return FALSE;
    m_pendingCut = CCellRect();
    m_nPendingCutPage = -1;
    PutSelectionOnClipboard();
    return IsOwnDataOnClipboard();
}

BOOL CNorvakCtrl::OnEditCut()
{
    if (!CanCut())
        return FALSE;
    const CCellRect block = GetSelectedCellRange(-1);
    m_pendingCut = CCellRect();
    m_nPendingCutPage = -1;
    PutSelectionOnClipboard();
    if (!IsOwnDataOnClipboard())
        return FALSE;
    m_pendingCut = block;
    m_nPendingCutPage = DoGetActivePageIndex();
    return TRUE;
}

BOOL CNorvakCtrl::OnEditPaste()
{
    return PasteFromClipboard();
}

BOOL CNorvakCtrl::CanCopy() const
{
    const CCellRect block = GetSelectedCellRange(-1);
    return !IsEmptyBlock(block) && IsValidCellRange(-1, block);
}

BOOL CNorvakCtrl::CanCut() const
{
    PageRef ref = GetPageRef(-1);
    return CanCopy() && ref.page->m_bEditable &&
           SheetModel::IsRangeEditable(*ref.page, *ref.cells, GetSelectedCellRange(-1));
}

BOOL CNorvakCtrl::CanPaste()
{
    const CCellCoord at = PasteTarget();
    return !at.IsNone() && IsCellEditable(-1, at.row, at.col) && ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CNorvakCtrl::CanSelectAll() const
{
    const CNorvakPage* page = GetPage(-1);
    return page && page->m_bEnableSelection;
}
