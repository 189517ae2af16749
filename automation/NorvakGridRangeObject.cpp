#include "automation/NorvakGridRangeObject.h"

#include "automation/CellChanges.h"
#include "automation/ObjectDispatchMaps.h"
#include "sheet/NorvakCtrl.h"
#include "Norvak_h.h"

#include <type_traits>

CNorvakGridRangeObject::CNorvakGridRangeObject()
    : CAutomationObject(DIID_INorvakGridRangeObject, GridRangeObjectDispatchMap())
{
}

void CNorvakGridRangeObject::BindRange(int page, CNorvakCtrl* control, int minRow, int minCol, int maxRow,
                                       int maxCol)
{
    m_control = control;
    m_page = page;
    m_range = CCellRect(minRow, minCol, maxRow, maxCol);
}

bool CNorvakGridRangeObject::Check()
{
    const PageRef ref = m_control ? CellChanges::BoundPage(*m_control, m_page) : PageRef{};
    if (!ref)
        return false;
    const CCellRect& r = m_range;
    return r.minRow <= r.maxRow && r.minCol <= r.maxCol && r.minRow >= ref.page->m_nFixedRows &&
           r.minCol >= ref.page->m_nFixedCols && r.maxRow < ref.page->m_nRows && r.maxCol < ref.page->m_nCols;
}

template <class Change> BOOL CNorvakGridRangeObject::ForEachCell(Change change)
{
    if (!Check())
        return FALSE;
    const PageRef ref = m_control->GetPageRef(m_page);
    const bool shown = m_page == m_control->DoGetActivePageIndex();
    for (int row = m_range.minRow; row <= m_range.maxRow; ++row)
        for (int col = m_range.minCol; col <= m_range.maxCol; ++col) {
            CNorvakCell* cell = ref.cells->EditCell(row, col);
            if (!cell)
                return FALSE;
            if constexpr (std::is_same_v<decltype(change(*cell)), bool>) {
                if (!change(*cell))
                    return FALSE;
            } else {
                change(*cell);
            }
            if (shown)
                m_control->RedrawCell(CCellCoord(row, col));
        }
    return TRUE;
}

template <class Setter> BOOL CNorvakGridRangeObject::ForEachThroughControl(Setter setter)
{
    if (!Check())
        return FALSE;
    for (int row = m_range.minRow; row <= m_range.maxRow; ++row)
        for (int col = m_range.minCol; col <= m_range.maxCol; ++col)
            if (!setter(row, col))
                return FALSE;
    return TRUE;
}

BOOL CNorvakGridRangeObject::DoSetBkColor(OLE_COLOR crColorValue)
{
    return ForEachCell([&](CNorvakCell& c) { c.EditFont().crBackground = crColorValue; });
}

BOOL CNorvakGridRangeObject::DoSetTextColor(OLE_COLOR crColorValue)
{
    return ForEachCell([&](CNorvakCell& c) { c.EditFont().crText = crColorValue; });
}

BOOL CNorvakGridRangeObject::DoSetText(CString lpszText)
{
    return ForEachCell([&](CNorvakCell& c) { c.SetText(lpszText.GetString()); });
}

BOOL CNorvakGridRangeObject::DoSetType(short nType)
{
    return ForEachCell([&](CNorvakCell& c) { c.SetCellType(BYTE(nType & 0xFF)); });
}

BOOL CNorvakGridRangeObject::DoSetIndent(short nIndent)
{
    return ForEachCell([&](CNorvakCell& c) { c.SetIndent(nIndent); });
}

BOOL CNorvakGridRangeObject::DoSetAutoAdjust(BOOL)
{
    return ForEachCell([](CNorvakCell& c) { c.SetTextFormat(CNorvakCell::kStretchTextFormat); });
}

BOOL CNorvakGridRangeObject::DoSetSkipVerLine(BOOL bSkip)
{
    return ForEachCell([&](CNorvakCell& c) { c.SetMergedRight(bSkip); });
}

BOOL CNorvakGridRangeObject::DoSetSkipHorLine(BOOL bSkip)
{
    return ForEachCell([&](CNorvakCell& c) { c.SetMergedBelow(bSkip); });
}

BOOL CNorvakGridRangeObject::DoSetVerLineColor(OLE_COLOR crColor, long nLeft)
{
    return ForEachThroughControl(
        [&](int row, int col) { return m_control->SetCellVerLineColor(m_page, row, col, crColor, CLineEdges(nLeft)); });
}

BOOL CNorvakGridRangeObject::DoSetHorLineColor(OLE_COLOR crColor, long nTop)
{
    return ForEachThroughControl(
        [&](int row, int col) { return m_control->SetCellHorLineColor(m_page, row, col, crColor, CLineEdges(nTop)); });
}

BOOL CNorvakGridRangeObject::DoSetVerLineStyle(short nStyle, long nLeft)
{
    return ForEachThroughControl([&](int row, int col) {
        return m_control->SetCellVerLineStyle(m_page, row, col, BYTE(nStyle & 0xFF), CLineEdges(nLeft));
    });
}

BOOL CNorvakGridRangeObject::DoSetHorLineStyle(short nStyle, long nTop)
{
    return ForEachThroughControl([&](int row, int col) {
        return m_control->SetCellHorLineStyle(m_page, row, col, BYTE(nStyle & 0xFF), CLineEdges(nTop));
    });
}

BOOL CNorvakGridRangeObject::DoSetVerLineSize(short nSize, long nLeft)
{
    return ForEachThroughControl([&](int row, int col) {
        return m_control->SetCellVerLineSize(m_page, row, col, BYTE(nSize & 0xFF), CLineEdges(nLeft));
    });
}

BOOL CNorvakGridRangeObject::DoSetHorLineSize(short nSize, long nTop)
{
    return ForEachThroughControl([&](int row, int col) {
        return m_control->SetCellHorLineSize(m_page, row, col, BYTE(nSize & 0xFF), CLineEdges(nTop));
    });
}

BOOL CNorvakGridRangeObject::DoSetGridState(short nState)
{
    const WORD bit = CellChanges::StateBit(nState);
    if (!bit)
        return FALSE;
    if (bit == CIS_SELECTED)
        return DoSetSelected(TRUE);
    return ForEachCell([&](CNorvakCell& c) { c.SetState(WORD(c.GetState() | bit)); });
}

BOOL CNorvakGridRangeObject::DoSetGridFormat(short nFormat)
{
    return ForEachCell([&](CNorvakCell& c) { c.SetTextFormat(WORD(nFormat)); });
}

BOOL CNorvakGridRangeObject::DoSetModify(BOOL nEdit)
{
    return ForEachCell([&](CNorvakCell& c) { c.SetEditLock(nEdit); });
}

BOOL CNorvakGridRangeObject::DoCopy()
{
    return Check() && m_control->PutBlockOnClipboard(m_page, m_range, false);
}

BOOL CNorvakGridRangeObject::DoCut()
{
    return Check() && m_control->PutBlockOnClipboard(m_page, m_range, true);
}

BOOL CNorvakGridRangeObject::DoPaste()
{
    return Check() && m_control->PasteClipboardInto(m_page, m_range);
}

BOOL CNorvakGridRangeObject::DoIsPaste()
{
    return Check() && m_control->CanPasteInto(m_page, m_range);
}

BOOL CNorvakGridRangeObject::DoSetIconFromHandle(OLE_HANDLE nHandle)
{
    return ForEachCell([&](CNorvakCell& c) { CellChanges::SetIcon(c, HICON(UINT_PTR(nHandle))); });
}

BOOL CNorvakGridRangeObject::DoSetBitmapFromHandle(OLE_HANDLE nHandle)
{
    return ForEachCell(
        [&](CNorvakCell& c) { CellChanges::SetBitmap(c, HBITMAP(UINT_PTR(nHandle))); });
}

BOOL CNorvakGridRangeObject::DoSetImageFromFile(CString lpszFile)
{
    return ForEachCell([&](CNorvakCell& c) { return CellChanges::SetImageFromFile(c, lpszFile); });
}

IDispatch* CNorvakGridRangeObject::DoGetGridObject(long nPageIndex, long nRow, long nCol)
{
    return m_control ? m_control->DoGetGridObject(nPageIndex, nRow, nCol) : nullptr;
}

BOOL CNorvakGridRangeObject::DoSetSelected(BOOL bSelect)
{
    return Check() && m_control->DoSetPageGridRangeSelected(m_page, m_range.minRow, m_range.minCol, m_range.maxRow,
                                                            m_range.maxCol, bSelect) == TRUE;
}
