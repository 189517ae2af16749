#include "automation/NorvakGridObject.h"

#include "automation/CellChanges.h"
#include "automation/ObjectDispatchMaps.h"
#include "drawing/CPictureObject.h"
#include "sheet/NorvakCtrl.h"
#include "Norvak_h.h"

namespace {

BYTE Low8(long value)
{
    return BYTE(value & 0xFF);
}

// A body cell's font, found by its page and place at every call.
class CCellFontPlace : public CFontRecordPlace
{
public:
    CCellFontPlace(CNorvakCtrl& control, int page, int row, int col)
        : m_control(control), m_page(page), m_row(row), m_col(col)
    {
    }
    const CFontRecord* Read() override
    {
        const CNorvakCell* cell = IsBodyCell() ? m_control.GetPageCell(m_page, m_row, m_col) : nullptr;
        return cell ? &cell->GetFont() : nullptr;
    }
    CFontRecord* Edit() override
    {
        CNorvakCell* cell = IsBodyCell() ? m_control.EditPageCell(m_page, m_row, m_col) : nullptr;
        return cell ? &cell->EditFont() : nullptr;
    }
    HWND Window() const override { return m_control.m_hWnd; }

private:
    bool IsBodyCell() const
    {
        const PageRef ref = m_control.GetPageRef(m_page);
        return ref && CellChanges::IsBodyCell(*ref.page, m_row, m_col);
    }

    CNorvakCtrl& m_control;
    int m_page;
    int m_row;
    int m_col;
};

int BitmapWidth(HBITMAP bitmap)
{
    BITMAP info{};
    return bitmap && ::GetObjectW(bitmap, sizeof(info), &info) ? info.bmWidth : 0;
}

} // namespace

CNorvakGridObject::CNorvakGridObject()
    : CAutomationObject(DIID_INorvakGridObject, GridObjectDispatchMap()), m_font(new CNorvakFontObject)
{
}

CNorvakGridObject::~CNorvakGridObject()
{
    m_font->BindFontRecord(nullptr);
    m_font->Release();
}

void CNorvakGridObject::BindCell(int page, CNorvakCtrl* control, int row, int col, BOOL followFocus)
{
    m_control = control;
    m_page = page;
    m_bFollowFocus = followFocus;
    m_row = row;
    m_col = col;
    if (followFocus) {
        const PageRef ref = control ? control->GetPageRef(page) : PageRef{};
        m_row = ref ? ref.page->m_focusCell.row : -1;
        m_col = ref ? ref.page->m_focusCell.col : -1;
    }
}

void CNorvakGridObject::Detach()
{
    m_control = nullptr;
    m_font->BindFontRecord(nullptr);
}

bool CNorvakGridObject::Check()
{
    const PageRef ref = m_control ? CellChanges::BoundPage(*m_control, m_page) : PageRef{};
    return ref && CellChanges::IsBodyCell(*ref.page, m_row, m_col);
}

const CNorvakCell* CNorvakGridObject::CheckedCell()
{
    return Check() ? m_control->GetPageRef(m_page).cells->GetCell(m_row, m_col) : nullptr;
}

CNorvakCell* CNorvakGridObject::CheckedOwnCell()
{
    return Check() ? m_control->GetPageRef(m_page).cells->EditCell(m_row, m_col) : nullptr;
}

void CNorvakGridObject::Redraw() const
{
    if (m_control && m_page == m_control->DoGetActivePageIndex())
        m_control->RedrawCell(CCellCoord(m_row, m_col));
}

template <class Change> BOOL CNorvakGridObject::EditCell(Change change)
{
    CNorvakCell* cell = CheckedOwnCell();
    if (!cell)
        return FALSE;
    change(*cell);
    Redraw();
    return TRUE;
}

BOOL CNorvakGridObject::GetEdit()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? cell->GetEditLock() : 0;
}

void CNorvakGridObject::SetEdit(BOOL edit)
{
    if (CNorvakCell* cell = CheckedOwnCell())
        cell->SetEditLock(edit);
}

BOOL CNorvakGridObject::DoSetBkColor(OLE_COLOR crColorValue)
{
    return EditCell([&](CNorvakCell& c) { c.EditFont().crBackground = crColorValue; });
}

OLE_COLOR CNorvakGridObject::DoGetBkColor()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? cell->GetFont().crBackground : 0;
}

BOOL CNorvakGridObject::DoSetTextColor(OLE_COLOR crColorValue)
{
    return EditCell([&](CNorvakCell& c) { c.EditFont().crText = crColorValue; });
}

OLE_COLOR CNorvakGridObject::DoGetTextColor()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? cell->GetFont().crText : 0;
}

BOOL CNorvakGridObject::DoSetText(CString lpszText)
{
    return EditCell([&](CNorvakCell& c) { c.SetText(lpszText.GetString()); });
}

CString CNorvakGridObject::DoGetText()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? cell->GetText() : CString();
}

BOOL CNorvakGridObject::DoSetType(short nType)
{
    return EditCell([&](CNorvakCell& c) { c.SetCellType(Low8(nType)); });
}

short CNorvakGridObject::DoGetType()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? short(cell->GetCellType()) : 0;
}

BOOL CNorvakGridObject::DoSetIndent(short nIndent)
{
    return EditCell([&](CNorvakCell& c) { c.SetIndent(nIndent); });
}

short CNorvakGridObject::DoGetIndent()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? short(cell->GetIndent()) : 0;
}

BOOL CNorvakGridObject::DoSetAutoAdjust(BOOL)
{
    return EditCell([](CNorvakCell& c) { c.SetTextFormat(CNorvakCell::kStretchTextFormat); });
}

BOOL CNorvakGridObject::DoIsAutoAdjust()
{
    const CNorvakCell* cell = CheckedCell();
    return cell && cell->GetTextFormat() == CNorvakCell::kStretchTextFormat;
}

BOOL CNorvakGridObject::DoIsSkipVerLine()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? cell->IsMergedRight() : FALSE;
}

BOOL CNorvakGridObject::DoIsSkipHorLine()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? cell->IsMergedBelow() : FALSE;
}

BOOL CNorvakGridObject::DoSetSkipVerLine(BOOL bSkip)
{
    CNorvakCell* cell = CheckedOwnCell();
    if (!cell)
        return FALSE;
    cell->SetMergedRight(bSkip);
    return m_page == m_control->DoGetActivePageIndex() ? m_control->RedrawCell(CCellCoord(m_row, m_col)) : TRUE;
}

BOOL CNorvakGridObject::DoSetSkipHorLine(BOOL bSkip)
{
    CNorvakCell* cell = CheckedOwnCell();
    if (!cell)
        return FALSE;
    cell->SetMergedBelow(bSkip);
    return m_page == m_control->DoGetActivePageIndex() ? m_control->RedrawCell(CCellCoord(m_row, m_col)) : TRUE;
}

// ---- borders: the setters go to the control, the getters read by the side rule ----

BOOL CNorvakGridObject::DoSetVerLineColor(OLE_COLOR crColor, long nLeft)
{
    return m_control && m_control->SetCellVerLineColor(m_page, m_row, m_col, crColor, CLineEdges(nLeft));
}

BOOL CNorvakGridObject::DoSetHorLineColor(OLE_COLOR crColor, long nTop)
{
    return m_control && m_control->SetCellHorLineColor(m_page, m_row, m_col, crColor, CLineEdges(nTop));
}

BOOL CNorvakGridObject::DoSetVerLineStyle(short nStyle, long nLeft)
{
    return m_control && m_control->SetCellVerLineStyle(m_page, m_row, m_col, Low8(nStyle), CLineEdges(nLeft));
}

BOOL CNorvakGridObject::DoSetHorLineStyle(short nStyle, long nTop)
{
    return m_control && m_control->SetCellHorLineStyle(m_page, m_row, m_col, Low8(nStyle), CLineEdges(nTop));
}

BOOL CNorvakGridObject::DoSetVerLineSize(short nSize, long nLeft)
{
    return m_control && m_control->SetCellVerLineSize(m_page, m_row, m_col, Low8(nSize), CLineEdges(nLeft));
}

BOOL CNorvakGridObject::DoSetHorLineSize(short nSize, long nTop)
{
    return m_control && m_control->SetCellHorLineSize(m_page, m_row, m_col, Low8(nSize), CLineEdges(nTop));
}

template <class Read> long CNorvakGridObject::SideValue(long side, bool vertical, Read read, long noTable)
{
    if (!CheckedCell())
        return 0;
    const PageRef ref = m_control->GetPageRef(m_page);
    if (!ref)
        return noTable;
    auto value = [&](int row, int col) -> long {
        const CNorvakCell* cell = ref.cells->GetCell(row, col);
        return cell ? long(read(*cell)) : 0;
    };
    const long neighbour = vertical ? value(m_row, m_col - 1) : value(m_row - 1, m_col);
    const long own = value(m_row, m_col);
    switch (side) {
    case 0:
        return neighbour;
    case 1:
        return neighbour == own ? own : 0;
    case 2:
        return own;
    default:
        return side;
    }
}

OLE_COLOR CNorvakGridObject::DoGetVerLineColor(long nLeft)
{
    return OLE_COLOR(SideValue(nLeft, true, [](const CNorvakCell& c) { return c.GetVerLineColor(); }, 0));
}

OLE_COLOR CNorvakGridObject::DoGetHorLineColor(long nTop)
{
    return OLE_COLOR(SideValue(nTop, false, [](const CNorvakCell& c) { return c.GetHorLineColor(); }, 0));
}

short CNorvakGridObject::DoGetVerLineStyle(long nLeft)
{
    return short(SideValue(nLeft, true, [](const CNorvakCell& c) { return c.GetVerLineStyle(); }, -1));
}

short CNorvakGridObject::DoGetHorLineStyle(long nTop)
{
    return short(SideValue(nTop, false, [](const CNorvakCell& c) { return c.GetHorLineStyle(); }, -1));
}

short CNorvakGridObject::DoGetVerLineSize(long nLeft)
{
    return short(SideValue(nLeft, true, [](const CNorvakCell& c) { return c.GetVerLineWidth(); }, -1));
}

short CNorvakGridObject::DoGetHorLineSize(long nTop)
{
    return short(SideValue(nTop, false, [](const CNorvakCell& c) { return c.GetHorLineWidth(); }, -1));
}

// ---- font, state and format ----

IDispatch* CNorvakGridObject::DoGetFontObject()
{
    if (!CheckedOwnCell())
        return nullptr;
    m_font->BindFontRecord(std::make_unique<CCellFontPlace>(*m_control, m_page, m_row, m_col));
    return m_font->GetDispatch();
}

BOOL CNorvakGridObject::DoGetGridState(short nState)
{
    const WORD bit = CellChanges::StateBit(nState);
    return Check() && (m_control->GetItemState(m_page, m_row, m_col) & bit) ? TRUE : FALSE;
}

short CNorvakGridObject::DoGetGridFormat()
{
    const CNorvakCell* cell = CheckedCell();
    return cell ? short(cell->GetTextFormat()) : 0;
}

BOOL CNorvakGridObject::DoSetGridState(short nState)
{
    // Sets the chosen bit; the selected bit goes through the selection, which keeps the page's map.
    const WORD bit = CellChanges::StateBit(nState);
    if (!bit)
        return FALSE;
    if (bit == CIS_SELECTED)
        return DoSetSelected(TRUE);
    return EditCell([&](CNorvakCell& c) { c.SetState(WORD(c.GetState() | bit)); });
}

BOOL CNorvakGridObject::DoSetGridFormat(short nFormat)
{
    return EditCell([&](CNorvakCell& c) { c.SetTextFormat(WORD(nFormat)); });
}

// ---- copy, cut and paste ----

BOOL CNorvakGridObject::DoCopy()
{
    return CheckedCell() && m_control->PutBlockOnClipboard(m_page, CCellRect(m_row, m_col, m_row, m_col), false);
}

BOOL CNorvakGridObject::DoCut()
{
    return CheckedCell() && m_control->PutBlockOnClipboard(m_page, CCellRect(m_row, m_col, m_row, m_col), true);
}

BOOL CNorvakGridObject::DoPaste()
{
    return CheckedCell() && m_control->PasteClipboardInto(m_page, CCellRect(m_row, m_col, m_row, m_col));
}

BOOL CNorvakGridObject::DoIsPaste()
{
    return CheckedCell() && m_control->CanPasteInto(m_page, CCellRect(m_row, m_col, m_row, m_col));
}

// ---- pictures: a cell shows at most one of bitmap, icon and picture file ----

BOOL CNorvakGridObject::DoSetIconFromHandle(OLE_HANDLE nHandle)
{
    return EditCell([&](CNorvakCell& c) { CellChanges::SetIcon(c, HICON(UINT_PTR(nHandle))); });
}

BOOL CNorvakGridObject::DoSetBitmapFromHandle(OLE_HANDLE nHandle)
{
    return EditCell([&](CNorvakCell& c) { CellChanges::SetBitmap(c, HBITMAP(UINT_PTR(nHandle))); });
}

long CNorvakGridObject::DoGetImageWidth()
{
    const CNorvakCell* cell = CheckedCell();
    if (!cell)
        return 0;
    long width = 0;
    if (cell->GetBitmap())
        width = BitmapWidth(cell->GetBitmap());
    if (cell->GetIcon()) {
        ICONINFO info{};
        if (::GetIconInfo(cell->GetIcon(), &info)) {
            width = BitmapWidth(info.hbmColor ? info.hbmColor : info.hbmMask);
            if (info.hbmColor)
                ::DeleteObject(info.hbmColor);
            if (info.hbmMask)
                ::DeleteObject(info.hbmMask);
        }
    }
    if (const CPictureObject* picture = cell->GetPicture())
        width = picture->GetSize(nullptr).cx;
    return width;
}

short CNorvakGridObject::DoGetImageHeight()
{
    CheckedCell();
    return 0;
}

BOOL CNorvakGridObject::DoSetImageFromFile(CString lpszFile)
{
    CNorvakCell* cell = CheckedOwnCell();
    if (!cell || !CellChanges::SetImageFromFile(*cell, lpszFile))
        return FALSE;
    Redraw();
    return TRUE;
}

// ---- selection ----

BOOL CNorvakGridObject::DoIsSelected()
{
    return Check() && (m_control->GetItemState(m_page, m_row, m_col) & CIS_SELECTED) ? TRUE : FALSE;
}

BOOL CNorvakGridObject::DoSetSelected(BOOL bSelect)
{
    return CheckedCell() && m_control->DoSetPageGridRangeSelected(m_page, m_row, m_col, m_row, m_col, bSelect) == TRUE;
}
