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
const char kSizesDiffer[] = "源单元格数和目标单元格数不相等!";
const char kSourceBeyondPage[] = "源区域超出页面范围!";
const char kTargetBeyondPage[] = "粘贴区域超出页面范围!";

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

void CNorvakCtrl::ForgetCutOnPage(int page)
{
    // Its rows or columns moved: the cut's rectangle no longer names the cells that were cut, and
    // clearing it would lose others. Its paste is a copy.
    if (page == m_nPendingCutPage) {
        m_pendingCut = CCellRect();
        m_nPendingCutPage = -1;
    }
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
            return (SheetModel::GetItemState(*ref.page, *ref.cells, row, col) & CIS_SELECTED) != 0;
        },
        [&](int row, int col) { return GetPageCellText(ref.index, row, col); });
    return MakeTextDataSource(text);
}

void CNorvakCtrl::PutSelectionOnClipboard()
{
    const CCellRect block = GetSelectedCellRange(-1);
    COleDataSource* source = CopyCellsToBuffer(TRUE);
    if (!source)
        return;
    m_clipboardSizes = BlockSizes(-1, block);
    OfferOnClipboard(source);
}

bool CNorvakCtrl::OfferOnClipboard(COleDataSource* source)
{
    // The viewers hear of the write while it is made: it must count as ours then.
    m_bOwnClipboardWrite = 1;
    ReleaseClipboardSource();
    const bool offered = source->SetClipboard();
    if (offered)
        m_pClipboardSource = source;
    else {
        source->Release();
        m_clipboardBuffer.Clear();
    }
    RefreshAfterCopy();
    m_bOwnClipboardWrite = 0;
    return offered;
}

BOOL CNorvakCtrl::PutBlockOnClipboard(int page, const CCellRect& block, bool cut)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !IsValidCellRange(ref.index, block))
        return FALSE;
    COleDataSource* source = MakeTextDataSource(BuildClipboardText(
        block, [](int, int) { return true; }, [&](int row, int col) { return GetPageCellText(ref.index, row, col); }));
    if (!source)
        return FALSE;
    m_clipboardBuffer.Fill(*ref.page, *ref.cells, block);
    m_clipboardSizes = BlockSizes(ref.index, block);
    m_pendingCut = CCellRect();
    m_nPendingCutPage = -1;
    if (!OfferOnClipboard(source))
        return FALSE;
    if (cut) {
        m_pendingCut = block;
        m_nPendingCutPage = ref.index;
    }
    return TRUE;
}

CBlockSizes CNorvakCtrl::BlockSizes(int page, const CCellRect& block) const
{
    CBlockSizes sizes;
    for (int row = block.minRow; row <= block.maxRow; ++row)
        sizes.heights.push_back(GetRowHeight(page, row));
    for (int col = block.minCol; col <= block.maxCol; ++col)
        sizes.widths.push_back(GetColumnWidth(page, col));
    return sizes;
}

void CNorvakCtrl::ApplyBlockSizes(int page, const CBlockSizes& sizes, CCellCoord at)
{
    for (size_t i = 0; i < sizes.heights.size(); ++i)
        if (sizes.heights[i] >= 0)
            SetRowHeight(page, at.row + int(i), sizes.heights[i]);
    for (size_t i = 0; i < sizes.widths.size(); ++i)
        if (sizes.widths[i] >= 0)
            SetColumnWidth(page, at.col + int(i), sizes.widths[i]);
}

// ---- paste ----

CCellCoord CNorvakCtrl::PasteTarget()
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return CCellCoord();
    const CCellRect block = GetSelectedCellRange(-1);
    if (!block.IsEmpty() && ref.page->IsValidCell(block.minRow, block.minCol))
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

BOOL CNorvakCtrl::CanPasteMerges(int page, const CCellBuffer& buffer, CCellCoord at)
{
    PageRef ref = GetPageRef(page);
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

bool CNorvakCtrl::ClearCutSource(int page, const CCellRect& source)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !IsValidCellRange(ref.index, source) || !IsRangeEditable(ref.index, source))
        return false;
    ClearPageCells(ref.index, source);
    return true;
}

bool CNorvakCtrl::WriteBlock(int page, const CCellBuffer& buffer, CCellCoord at, const CCellRect* cutSource,
                             int cutPage)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !CanPasteMerges(ref.index, buffer, at))
        return false;
    const CCellRect target(at.row, at.col, at.row + buffer.BlockRows() - 1, at.col + buffer.BlockColumns() - 1);
    if (!IsRangeEditable(ref.index, target))
        return false;
    // A source that may no longer be edited stays, and the paste is a copy.
    if (cutSource)
        ClearCutSource(cutPage, *cutSource);
    const std::vector<CMergeCellRange> inside = SheetModel::MergesInside(*ref.page, target);
    for (auto it = inside.rbegin(); it != inside.rend(); ++it)
        UnCombineCells(ref.index, it->firstRow, it->firstCol);
    SheetModel::WriteBuffer(*ref.page, *ref.cells, buffer, at);
    for (const CMergeCellRange& merge : buffer.Merges())
        CombineCells(ref.index, at.row + merge.firstRow, at.col + merge.firstCol, merge.lastRow, merge.lastCol, TRUE,
                     merge.editLock);
    return true;
}

BOOL CNorvakCtrl::PasteBuffer(const CCellBuffer& buffer, CCellCoord at, bool fromClipboard, bool move)
{
    PageRef ref = GetPageRef(-1);
    if (!ref)
        return FALSE;
    // A cut is completed once.
    const CCellRect source = fromClipboard ? m_pendingCut : GetSelectedCellRange(-1);
    const int sourcePage = fromClipboard ? m_nPendingCutPage : ref.index;
    if (!WriteBlock(ref.index, buffer, at, move ? &source : nullptr, sourcePage))
        return FALSE;
    if (move && fromClipboard) {
        m_pendingCut = CCellRect();
        m_nPendingCutPage = -1;
    }
    const CCellRect target(at.row, at.col, at.row + buffer.BlockRows() - 1, at.col + buffer.BlockColumns() - 1);
    const CCellCoord focus = ref.page->m_focusCell;
    SetSelectedRange(-1, target.minRow, target.minCol, target.maxRow, target.maxCol);
    SetFocusCell(-1, -1, -1);
    SetFocusCell(-1, focus.row, focus.col);
    InvalidateControl();
    return TRUE;
}

void CNorvakCtrl::PasteTextToCells(int row, int col, COleDataObject* data)
{
    PasteTextToPage(-1, row, col, data);
}

void CNorvakCtrl::PasteTextToPage(int page, int row, int col, COleDataObject* data)
{
    if (!data)
        return;
    const std::vector<std::vector<CString>> lines = SplitPasteText(CString(ReadTextBlock(*data, CF_TEXT)));
    for (size_t line = 0; line < lines.size(); ++line)
        for (size_t token = 0; token < lines[line].size(); ++token) {
            const int r = row + int(line);
            const int c = col + int(token);
            if (!IsValidCell(page, r, c) || !IsCellEditable(page, r, c))
                continue;
            CString value = lines[line][token];
            value.Trim();
            SendMessageToParent(r, c, int(kNotifyBeginEdit));
            SetItemText(page, r, c, value);
            SetModified(page, TRUE, r, c);
            SendMessageToParent(r, c, int(kNotifyEndEdit));
            SetItemState(page, r, c, WORD(GetItemState(page, r, c) & ~CIS_SELECTED));
        }
}

// ---- the automation objects' paste and the range copy ----

bool CNorvakCtrl::CheckBlockTarget(int page, int rows, int cols, CCellRect& target)
{
    const bool oneCell = target.minRow == target.maxRow && target.minCol == target.maxCol;
    if (!oneCell && (target.RowCount() != rows || target.ColumnCount() != cols)) {
        ModalUI::ShowMessage(m_hWnd, kSizesDiffer, CString(), MB_OK);
        return false;
    }
    // A one-cell target grows to the block's size; one that would grow past the last int passes the
    // page's last line too.
    const int64_t lastRow = oneCell ? int64_t(target.minRow) + rows - 1 : target.maxRow;
    const int64_t lastCol = oneCell ? int64_t(target.minCol) + cols - 1 : target.maxCol;
    if (lastRow > INT_MAX || lastCol > INT_MAX ||
        !IsValidCellRange(page, target = CCellRect(target.minRow, target.minCol, int(lastRow), int(lastCol)))) {
        ModalUI::ShowMessage(m_hWnd, kTargetBeyondPage, CString(), MB_OK);
        return false;
    }
    return true;
}

BOOL CNorvakCtrl::PasteClipboardInto(int page, const CCellRect& target)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !ref.page->m_bEditable || !IsValidCellRange(ref.index, target))
        return FALSE;
    DropStaleClipboardCells();
    COleDataObject data;
    if (!data.AttachClipboard() || !data.IsDataAvailable(CF_TEXT))
        return FALSE;
    if (m_clipboardBuffer.IsEmpty()) {
        // Another program's text, from the target's first cell on, as the control's own paste puts it.
        if (!IsCellEditable(ref.index, target.minRow, target.minCol))
            return FALSE;
        PasteTextToPage(ref.index, target.minRow, target.minCol, &data);
        InvalidateControl();
        return TRUE;
    }
    CCellRect block = target;
    if (!CheckBlockTarget(ref.index, m_clipboardBuffer.BlockRows(), m_clipboardBuffer.BlockColumns(), block))
        return FALSE;
    const CCellRect cut = m_pendingCut;
    const int cutPage = m_nPendingCutPage;
    const bool move = cut.minCol >= 0 && IsValidPage(cutPage);
    const CCellCoord at(block.minRow, block.minCol);
    if (!WriteBlock(ref.index, m_clipboardBuffer, at, move ? &cut : nullptr, cutPage))
        return FALSE;
    // A cut is completed once; later pastes copy what it took.
    m_pendingCut = CCellRect();
    m_nPendingCutPage = -1;
    // Sizes of another block than the buffer's (a buffer filled by an override) are not applied.
    if (m_clipboardSizes.heights.size() == size_t(m_clipboardBuffer.BlockRows()) &&
        m_clipboardSizes.widths.size() == size_t(m_clipboardBuffer.BlockColumns()))
        ApplyBlockSizes(ref.index, m_clipboardSizes, at);
    InvalidateControl();
    return TRUE;
}

BOOL CNorvakCtrl::CanPasteInto(int page, const CCellRect& target)
{
    PageRef ref = GetPageRef(page);
    return ref && IsValidCellRange(ref.index, target) && ref.page->m_bEditable &&
           IsRangeEditable(ref.index, target) && ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CNorvakCtrl::CopyGridRange(int page, const CCellRect& source, const CCellRect& destination, BOOL copy)
{
    PageRef ref = GetPageRef(page);
    if (!ref || source.IsEmpty() || destination.IsEmpty() || source == destination)
        return FALSE;
    CCellRect target = destination;
    if (!(target.minRow == target.maxRow && target.minCol == target.maxCol) &&
        (target.RowCount() != source.RowCount() || target.ColumnCount() != source.ColumnCount())) {
        ModalUI::ShowMessage(m_hWnd, kSizesDiffer, CString(), MB_OK);
        return FALSE;
    }
    if (!IsValidCellRange(ref.index, source)) {
        ModalUI::ShowMessage(m_hWnd, kSourceBeyondPage, CString(), MB_OK);
        return FALSE;
    }
    const int rows = source.maxRow - source.minRow + 1;
    const int cols = source.maxCol - source.minCol + 1;
    if (!CheckBlockTarget(ref.index, rows, cols, target) || target == source)
        return FALSE;
    // The whole source is read before anything is written, so source and target may overlap.
    CCellBuffer buffer;
    buffer.Fill(*ref.page, *ref.cells, source);
    const CBlockSizes sizes = BlockSizes(ref.index, source);
    const CCellCoord at(target.minRow, target.minCol);
    if (!WriteBlock(ref.index, buffer, at, copy ? nullptr : &source, ref.index))
        return FALSE;
    ApplyBlockSizes(ref.index, sizes, at);
    InvalidateControl();
    return TRUE;
}

// ---- clear ----

void CNorvakCtrl::ClearCells(int minRow, int minCol, int maxRow, int maxCol)
{
    ClearPageCells(-1, CCellRect(minRow, minCol, maxRow, maxCol));
}

void CNorvakCtrl::ClearPageCells(int page, const CCellRect& range)
{
    PageRef ref = GetPageRef(page);
    if (!ref || !ref.page->m_bEditable || !IsValidCellRange(ref.index, range))
        return;
    const std::vector<CMergeCellRange> inside = SheetModel::MergesInside(*ref.page, range);
    for (auto it = inside.rbegin(); it != inside.rend(); ++it)
        UnCombineCells(ref.index, it->firstRow, it->firstCol);
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
    return !block.IsEmpty() && IsValidCellRange(-1, block);
}

BOOL CNorvakCtrl::CanCut() const
{
    PageRef ref = GetPageRef(-1);
    return CanCopy() && ref.page->m_bEditable && IsRangeEditable(ref.index, GetSelectedCellRange(-1));
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
