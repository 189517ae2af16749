// Cut, copy, paste and select-all of the grid as plain text through the OLE clipboard, the
// blinking frame round the range last cut or copied, the clipboard-viewer chain that forgets that
// range when another program writes the clipboard, the drag of selected cells out and the drop
// of text onto a cell.
//
// The text goes out as CF_TEXT (code page 936) with CF_UNICODETEXT beside it; coming in, Unicode
// text is preferred and converted with code page 936, so the system's own code page never decides.

#include "gridwnd/GridCtrl.h"

#include "gridwnd/GridClipboardText.h"
#include "sheet/model/ClipboardText.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

bool OffersText(const COleDataObject& data)
{
    return data.IsDataAvailable(CF_UNICODETEXT) || data.IsDataAvailable(CF_TEXT);
}

CString ReadText(const COleDataObject& data)
{
    if (data.IsDataAvailable(CF_UNICODETEXT))
        return CString::FromWide(ReadUnicodeBlock(data));
    return CString(ReadTextBlock(data));
}

} // namespace

COleDataSource* CGridCtrl::CopyCellsToClipboard()
{
    const std::optional<std::string> text = BuildGridClipboardText(
        m_store, m_selection, [this](int row, int col) { return GetItemText(row, col); });
    if (!text)
        return nullptr;
    return MakeTextDataSource(*text);
}

BOOL CGridCtrl::PasteTextToCells(int row, int col, COleDataObject* data)
{
    if (!IsCellEditable(row, col) || !data || !OffersText(*data))
        return FALSE;
    const std::vector<std::vector<CString>> lines = SplitGridPasteText(ReadText(*data));
    for (size_t line = 0; line < lines.size(); ++line)
        for (size_t token = 0; token < lines[line].size(); ++token) {
            const int r = row + int(line);
            const int c = col + int(token);
            CGridCell* cell = GetCell(r, c);
            if (!cell || cell->bPasteProtect || !IsCellEditable(r, c))
                continue;
            CString value = lines[line][token];
            value.Trim();
            SendMessageToParent(r, c, kGridNotifyChanging);
            cell->strText = value;
            cell->nState = WORD((cell->nState | CGridCell::kModified) & ~CIS_SELECTED);
            SendMessageToParent(r, c, kGridNotifyChanged);
        }
    m_selection.DropUnselected();
    Invalidate();
    return TRUE;
}

void CGridCtrl::ClearSelectedCells()
{
    if (!m_bEditable)
        return;
    std::vector<CCellCoord> cells;
    for (const auto& entry : m_selection.GetSelectedCells())
        cells.push_back(entry.second);
    for (const CCellCoord& at : cells) {
        if (!IsCellEditable(at.row, at.col))
            continue;
        SendMessageToParent(at.row, at.col, kGridNotifyChanging);
        CGridCell* cell = GetCell(at.row, at.col);
        EmptyCell(*cell, at.row, at.col);
        cell->nState |= CGridCell::kModified;
        SendMessageToParent(at.row, at.col, kGridNotifyChanged);
    }
    // Emptied cells lost their selected state.
    m_selection.DropUnselected();
    Invalidate();
}

void CGridCtrl::PlaceOnClipboard(COleDataSource* source)
{
    // The clipboard viewers hear of the write while it is being made: it must count as ours then.
    ReleaseClipboardSource();
    m_pClipboardSource = source;
    m_bWritingClipboard = true;
    if (!source->SetClipboard())
        m_pClipboardSource = nullptr;
    else
        source = nullptr;
    m_bWritingClipboard = false;
    if (source)
        source->Release();
}

void CGridCtrl::ReleaseClipboardSource()
{
    if (m_pClipboardSource)
        m_pClipboardSource->Release();
    m_pClipboardSource = nullptr;
}

void CGridCtrl::OnEditCopy()
{
    COleDataSource* source = CopyCellsToClipboard();
    if (!source)
        return;
    PlaceOnClipboard(source);
    Invalidate();
    RememberCopiedRange();
    DrawMarquee();
    SetTimer(kMarqueeTimer, kMarqueeInterval);
}

void CGridCtrl::OnEditCut()
{
    Invalidate();
    RememberCopiedRange();
    if (!m_bEditable)
        return;
    if (COleDataSource* source = CopyCellsToClipboard())
        PlaceOnClipboard(source);
    ClearSelectedCells();
    DrawMarquee();
    SetTimer(kMarqueeTimer, kMarqueeInterval);
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditable)
        return;
    CCellCoord target = GetFocusCell();
    if (!IsGridCellValid(target)) {
        const CCellRect selected = GetSelectedGridRange();
        target = CCellCoord(selected.minRow, selected.minCol);
    }
    if (!IsGridCellValid(target))
        return;
    COleDataObject data;
    if (data.AttachClipboard())
        PasteTextToCells(target.row, target.col, &data);
}

void CGridCtrl::OnEditSelectAll()
{
    if (m_bSelectAllEnabled)
        SelectWholeGrid();
}

BOOL CGridCtrl::OnUpdateEditCopy() const
{
    return IsGridCellValid(GetSelectedGridRange());
}

BOOL CGridCtrl::OnUpdateEditCut() const
{
    return m_bEditable && OnUpdateEditCopy();
}

BOOL CGridCtrl::OnUpdateEditPaste() const
{
    const CCellCoord focus = GetFocusCell();
    return IsCellEditable(focus.row, focus.col) &&
           (::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_UNICODETEXT));
}

// ---- the range last cut or copied ----

void CGridCtrl::RememberCopiedRange()
{
    s_copiedRange = GetSelectedGridRange();
    s_copiedBy = this;
}

void CGridCtrl::ForgetCopiedRange()
{
    if (s_copiedBy == this) {
        s_copiedRange = CCellRect();
        s_copiedBy = nullptr;
    }
    if (m_hWnd)
        KillTimer(kMarqueeTimer);
    m_bMarqueeShown = false;
}

void CGridCtrl::DrawMarquee()
{
    if (!m_hWnd)
        return;
    if (s_copiedBy != this || !IsGridCellValid(s_copiedRange)) {
        // Gone, or another grid copied since: this frame no longer stands.
        Invalidate();
        KillTimer(kMarqueeTimer);
        m_bMarqueeShown = false;
        return;
    }
    CCellRect range = s_copiedRange;
    range.minRow = std::max(range.minRow, GetFixedRowCount());
    range.minCol = std::max(range.minCol, GetFixedColumnCount());
    const CGridGeometry geometry = Geometry();
    CRect first, last;
    if (!geometry.GetGridCellRectAnywhere(range.minRow, range.minCol, first) ||
        !geometry.GetGridCellRectAnywhere(range.maxRow, range.maxCol, last))
        return;
    CRect body = GetClientRect();
    body.left = GetFixedColumnWidth();
    body.top = GetFixedRowHeight();
    CRect frame;
    if (!frame.IntersectRect(CRect(first.left, first.top, last.right + 1, last.bottom + 1), body))
        return;
    CPen dotted(PS_DOT, 1, kMarqueeColour); // outlives its selection in the DC
    CClientDC dc(m_hWnd);
    CSaveDC saved(dc);
    dc.SelectStockObject(HOLLOW_BRUSH);
    if (m_bMarqueeShown)
        dc.SetROP2(R2_NOT);
    else
        dc.SelectObject(dotted);
    dc.Rectangle(frame);
    frame.InflateRect(1, 1);
    dc.Rectangle(frame);
    m_bMarqueeShown = !m_bMarqueeShown;
}

void CGridCtrl::OnDrawClipboard(WPARAM wp, LPARAM lp)
{
    // Our own write leaves our data on the clipboard; anyone else's ends the copied range.
    const bool ours =
        m_bWritingClipboard || (m_pClipboardSource && ::OleIsCurrentClipboard(m_pClipboardSource) == S_OK);
    if (!ours) {
        ForgetCopiedRange();
        ReleaseClipboardSource();
        Invalidate();
        UpdateWindow();
    }
    if (m_hNextClipboardViewer)
        ::SendMessageW(m_hNextClipboardViewer, WM_DRAWCLIPBOARD, wp, lp);
}

void CGridCtrl::OnChangeClipboardChain(HWND removed, HWND next)
{
    if (removed == m_hNextClipboardViewer)
        m_hNextClipboardViewer = next;
    else if (m_hNextClipboardViewer)
        ::SendMessageW(m_hNextClipboardViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed),
                       reinterpret_cast<LPARAM>(next));
}

// ---- drag and drop ----

void CGridCtrl::DragOut()
{
    COleDataSource* source = CopyCellsToClipboard();
    if (!source) {
        m_nMouseMode = kGridMouseIdle;
        return;
    }
    const CCellRect selected = GetSelectedGridRange();
    SendMessageToParent(selected.minRow, selected.minCol, kGridNotifyDragBegin);
    m_nMouseMode = kGridMouseDragging;
    m_bDraggingOut = true;
    const DROPEFFECT effect = source->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    m_bDraggingOut = false;
    if (effect & DROPEFFECT_MOVE)
        ClearSelectedCells();
    source->Release();
    m_nMouseMode = kGridMouseIdle;
}

DROPEFFECT CGridCtrl::DropEffectAt(COleDataObject* data, DWORD keyState, CPoint point) const
{
    if (!data || !OffersText(*data))
        return DROPEFFECT_NONE;
    const CCellCoord cell = GetGridCellFromPoint(point, FALSE);
    if (!IsCellEditable(cell.row, cell.col))
        return DROPEFFECT_NONE;
    // Cells dragged from here do not land on themselves: the move would clear what it wrote.
    if (m_bDraggingOut && m_selection.IsSelected(cell.row, cell.col))
        return DROPEFFECT_NONE;
    return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

BOOL CGridCtrl::DropAt(COleDataObject* data, CPoint point)
{
    const CCellCoord cell = GetGridCellFromPoint(point, FALSE);
    return PasteTextToCells(cell.row, cell.col, data);
}
