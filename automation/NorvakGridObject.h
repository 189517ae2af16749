#pragma once

// The cell automation object: one cell of one page of the control, read and changed by a client.
// The control keeps one and re-binds it for each request, so every pointer a client holds sees the
// newest binding.
//
// Ownership: does not own the control; the control detaches it when it goes, after which every
// member answers its failure value. Owns its font object (one reference).

#include "automation/NorvakFontObject.h"
#include "framework/AutomationObject.h"
#include "framework/CString.h"
#include "sheet/model/PageStore.h"

class CNorvakCtrl;
class CNorvakCell;

class CNorvakGridObject : public CAutomationObject
{
public:
    CNorvakGridObject();

    // With followFocus the cell is the page's focus cell.
    void BindCell(int page, CNorvakCtrl* control, int row, int col, BOOL followFocus);
    void Detach();

    BOOL GetHide() { return m_bHide; }
    void SetHide(BOOL hide) { m_bHide = hide; }
    BOOL GetEdit();
    void SetEdit(BOOL edit);
    long DoGetRowIndex() { return m_row; }
    long DoGetColumnIndex() { return m_col; }
    BOOL DoSetBkColor(OLE_COLOR crColorValue);
    OLE_COLOR DoGetBkColor();
    BOOL DoSetTextColor(OLE_COLOR crColorValue);
    OLE_COLOR DoGetTextColor();
    BOOL DoSetText(CString lpszText);
    CString DoGetText();
    BOOL DoSetType(short nType);
    short DoGetType();
    BOOL DoSetIndent(short nIndent);
    short DoGetIndent();
    BOOL DoSetAutoAdjust(BOOL bAutoAdjust);
    BOOL DoIsAutoAdjust();
    BOOL DoIsSkipVerLine();
    BOOL DoIsSkipHorLine();
    BOOL DoSetSkipVerLine(BOOL bSkip);
    BOOL DoSetSkipHorLine(BOOL bSkip);
    BOOL DoSetVerLineColor(OLE_COLOR crColor, long nLeft);
    BOOL DoSetHorLineColor(OLE_COLOR crColor, long nTop);
    OLE_COLOR DoGetVerLineColor(long nLeft);
    OLE_COLOR DoGetHorLineColor(long nTop);
    BOOL DoSetVerLineStyle(short nStyle, long nLeft);
    BOOL DoSetHorLineStyle(short nStyle, long nTop);
    short DoGetVerLineStyle(long nLeft);
    short DoGetHorLineStyle(long nTop);
    BOOL DoSetVerLineSize(short nSize, long nLeft);
    BOOL DoSetHorLineSize(short nSize, long nTop);
    short DoGetVerLineSize(long nLeft);
    short DoGetHorLineSize(long nTop);
    IDispatch* DoGetFontObject();
    BOOL DoGetGridState(short nState);
    short DoGetGridFormat();
    BOOL DoSetGridState(short nState);
    BOOL DoSetGridFormat(short nFormat);
    // Through the control's clipboard, which the range object and the control's own commands share.
    BOOL DoCopy();
    BOOL DoCut();
    BOOL DoPaste();
    BOOL DoIsPaste();
    BOOL DoSetIconFromHandle(OLE_HANDLE nHandle);
    BOOL DoSetBitmapFromHandle(OLE_HANDLE nHandle);
    long DoGetImageWidth();
    short DoGetImageHeight();
    BOOL DoSetImageFromFile(CString lpszFile);
    BOOL DoIsSelected();
    BOOL DoSetSelected(BOOL bSelect);

protected:
    ~CNorvakGridObject() override;
    void* DispatchSelf() override { return this; }

private:
    // True when the binding names a body cell of a live page; a dead page is told through a message.
    bool Check();
    // The bound cell to read, or null when the check fails.
    const CNorvakCell* CheckedCell();
    // The bound cell's own record to change, or null when the check fails or memory runs out.
    CNorvakCell* CheckedOwnCell();
    // Changes the bound cell and redraws it; FALSE when the check fails.
    template <class Change> BOOL EditCell(Change change);
    void Redraw() const;
    // The line read by the side rule: 0 the neighbour's, 2 the cell's own, 1 both when equal.
    template <class Read> long SideValue(long side, bool vertical, Read read, long noTable);

    CNorvakCtrl* m_control = nullptr;
    int m_page = -1;
    int m_row = -1;
    int m_col = -1;
    BOOL m_bFollowFocus = FALSE;
    BOOL m_bHide = FALSE;
    CNorvakFontObject* m_font;
};
