#include "automation/NorvakGridRangeObject.h"

#include "automation/CellChanges.h"
#include "automation/ObjectDispatchMaps.h"
#include "drawing/CPictureObject.h"
#include "sheet/NorvakCtrl.h"
#include "Norvak_h.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

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

size_t CNorvakGridRangeObject::CellCount() const
{
    const uint64_t rows = uint64_t(int64_t(m_range.maxRow) - m_range.minRow + 1);
    const uint64_t cells = rows * uint64_t(int64_t(m_range.maxCol) - m_range.minCol + 1);
    if (cells > SIZE_MAX / sizeof(void*))
        throw std::bad_alloc();
    return size_t(cells);
}

template <class Prepare, class Apply> BOOL CNorvakGridRangeObject::ForEachCell(Prepare prepare, Apply apply)
{
    if (!Check())
        return FALSE;
    const PageRef ref = m_control->GetPageRef(m_page);
    const CCellRect& r = m_range;
    auto each = [&](auto visit) {
        size_t index = 0;
        for (int row = r.minRow; row <= r.maxRow; ++row)
            for (int col = r.minCol; col <= r.maxCol; ++col)
                if (!visit(index++, row, col))
                    return false;
        return true;
    };
    try {
        if (!ref.cells->EditRange(r))
            return FALSE; // the records made so far still show the defaults
        if (!each([&](size_t i, int row, int col) { return prepare(i, *ref.cells->FindOwnCell(row, col)); }))
            return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    each([&](size_t i, int row, int col) {
        apply(i, *ref.cells->FindOwnCell(row, col));
        return true;
    });
    if (m_page == m_control->DoGetActivePageIndex())
        each([&](size_t, int row, int col) {
            m_control->RedrawCell(CCellCoord(row, col));
            return true;
        });
    return TRUE;
}

template <class Apply> BOOL CNorvakGridRangeObject::ForEachCell(Apply apply)
{
    return ForEachCell([](size_t, CNorvakCell&) { return true; }, apply);
}

template <class Setter> BOOL CNorvakGridRangeObject::ForEachThroughControl(Setter setter)
{
    if (!Check())
        return FALSE;
    const CCellRect& r = m_range;
    const CCellRect written(std::max(r.minRow - 1, 0), std::max(r.minCol - 1, 0), r.maxRow, r.maxCol);
    if (!m_control->GetPageRef(m_page).cells->EditRange(written))
        return FALSE;
    for (int row = m_range.minRow; row <= m_range.maxRow; ++row)
        for (int col = m_range.minCol; col <= m_range.maxCol; ++col)
            if (!setter(row, col))
                return FALSE;
    return TRUE;
}

namespace {

// What a change of the font record or of the rare fields needs made before any cell changes.
bool OwnFont(size_t, CNorvakCell& cell)
{
    cell.EditFont();
    return true;
}

bool RareFields(size_t, CNorvakCell& cell)
{
    cell.ReserveRareFields();
    return true;
}

} // namespace

BOOL CNorvakGridRangeObject::DoSetBkColor(OLE_COLOR crColorValue)
{
    return ForEachCell(OwnFont, [&](size_t, CNorvakCell& c) { c.EditFont().crBackground = crColorValue; });
}

BOOL CNorvakGridRangeObject::DoSetTextColor(OLE_COLOR crColorValue)
{
    return ForEachCell(OwnFont, [&](size_t, CNorvakCell& c) { c.EditFont().crText = crColorValue; });
}

BOOL CNorvakGridRangeObject::DoSetText(CString lpszText)
{
    const char* text = lpszText.GetString();
    if (CCellText::FitsInline(text))
        return ForEachCell([&](size_t, CNorvakCell& c) { c.SetText(text); });
    // A longer text takes memory in every cell: all the copies are made before any goes in.
    std::unique_ptr<CCellText[]> copies;
    return ForEachCell(
        [&](size_t i, CNorvakCell&) {
            if (!copies)
                copies = std::make_unique<CCellText[]>(CellCount());
            copies[i].Set(text);
            return true;
        },
        [&](size_t i, CNorvakCell& c) { c.SwapText(copies[i]); });
}

BOOL CNorvakGridRangeObject::DoSetType(short nType)
{
    return ForEachCell([&](size_t, CNorvakCell& c) { c.SetCellType(BYTE(nType & 0xFF)); });
}

BOOL CNorvakGridRangeObject::DoSetIndent(short nIndent)
{
    return ForEachCell(RareFields, [&](size_t, CNorvakCell& c) { c.SetIndent(nIndent); });
}

BOOL CNorvakGridRangeObject::DoSetAutoAdjust(BOOL)
{
    return ForEachCell([](size_t, CNorvakCell& c) { c.SetTextFormat(CNorvakCell::kStretchTextFormat); });
}

BOOL CNorvakGridRangeObject::DoSetSkipVerLine(BOOL bSkip)
{
    return ForEachCell([&](size_t, CNorvakCell& c) { c.SetMergedRight(bSkip); });
}

BOOL CNorvakGridRangeObject::DoSetSkipHorLine(BOOL bSkip)
{
    return ForEachCell([&](size_t, CNorvakCell& c) { c.SetMergedBelow(bSkip); });
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
    return ForEachCell([&](size_t, CNorvakCell& c) { c.SetState(WORD(c.GetState() | bit)); });
}

BOOL CNorvakGridRangeObject::DoSetGridFormat(short nFormat)
{
    return ForEachCell([&](size_t, CNorvakCell& c) { c.SetTextFormat(WORD(nFormat)); });
}

BOOL CNorvakGridRangeObject::DoSetModify(BOOL nEdit)
{
    return ForEachCell(RareFields, [&](size_t, CNorvakCell& c) { c.SetEditLock(nEdit); });
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
    return ForEachCell(RareFields,
                       [&](size_t, CNorvakCell& c) { CellChanges::SetIcon(c, HICON(UINT_PTR(nHandle))); });
}

BOOL CNorvakGridRangeObject::DoSetBitmapFromHandle(OLE_HANDLE nHandle)
{
    return ForEachCell(RareFields,
                       [&](size_t, CNorvakCell& c) { CellChanges::SetBitmap(c, HBITMAP(UINT_PTR(nHandle))); });
}

BOOL CNorvakGridRangeObject::DoSetImageFromFile(CString lpszFile)
{
    if (lpszFile.IsEmpty())
        return ForEachCell(RareFields, [](size_t, CNorvakCell& c) { CellChanges::SetImageFromFile(c, CString()); });
    // Every cell's picture is loaded before any cell shows it; a file that does not load changes none.
    std::unique_ptr<std::unique_ptr<CPictureObject>[]> pictures;
    return ForEachCell(
        [&](size_t i, CNorvakCell& c) {
            if (!pictures)
                pictures = std::make_unique<std::unique_ptr<CPictureObject>[]>(CellCount());
            c.ReserveRareFields();
            pictures[i] = CellChanges::LoadPicture(lpszFile);
            return pictures[i] != nullptr;
        },
        [&](size_t i, CNorvakCell& c) { CellChanges::ShowPicture(c, std::move(pictures[i])); });
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
