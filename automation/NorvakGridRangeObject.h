#pragma once

// The range automation object: applies cell settings to a rectangle of cells of one page. The
// control keeps one and re-binds it for each request, so every pointer a client holds sees the
// newest binding.
//
// Ownership: does not own the control; the control detaches it when it goes, after which every
// member answers its failure value.

#include "framework/AutomationObject.h"
#include "framework/CString.h"
#include "sheet/model/CellTypes.h"

class CNorvakCtrl;
class CNorvakCell;

class CNorvakGridRangeObject : public CAutomationObject
{
public:
    CNorvakGridRangeObject();

    void BindRange(int page, CNorvakCtrl* control, int minRow, int minCol, int maxRow, int maxCol);
    void Detach() { m_control = nullptr; }

    long DoGetMinRowIndex() { return m_range.minRow; }
    long DoGetMinColumnIndex() { return m_range.minCol; }
    long DoGetMaxRowIndex() { return m_range.maxRow; }
    long DoGetMaxColumnIndex() { return m_range.maxCol; }
    BOOL DoSetBkColor(OLE_COLOR crColorValue);
    BOOL DoSetTextColor(OLE_COLOR crColorValue);
    BOOL DoSetText(CString lpszText);
    BOOL DoSetType(short nType);
    BOOL DoSetIndent(short nIndent);
    BOOL DoSetAutoAdjust(BOOL bAutoAdjust);
    BOOL DoSetSkipVerLine(BOOL bSkip);
    BOOL DoSetSkipHorLine(BOOL bSkip);
    BOOL DoSetVerLineColor(OLE_COLOR crColor, long nLeft);
    BOOL DoSetHorLineColor(OLE_COLOR crColor, long nTop);
    BOOL DoSetVerLineStyle(short nStyle, long nLeft);
    BOOL DoSetHorLineStyle(short nStyle, long nTop);
    BOOL DoSetVerLineSize(short nSize, long nLeft);
    BOOL DoSetHorLineSize(short nSize, long nTop);
    BOOL DoSetGridState(short nState);
    BOOL DoSetGridFormat(short nFormat);
    BOOL DoSetModify(BOOL nEdit);
    // Through the control's clipboard, which the cell object and the control's own commands share.
    BOOL DoCopy();
    BOOL DoCut();
    BOOL DoPaste();
    BOOL DoIsPaste();
    BOOL DoSetIconFromHandle(OLE_HANDLE nHandle);
    BOOL DoSetBitmapFromHandle(OLE_HANDLE nHandle);
    BOOL DoSetImageFromFile(CString lpszFile);
    IDispatch* DoGetGridObject(long nPageIndex, long nRow, long nCol);
    BOOL DoSetSelected(BOOL bSelect);

protected:
    void* DispatchSelf() override { return this; }

private:
    // True when the range lies in the body of a live page; a dead page is told through a message.
    bool Check();
    // The cells of the checked range.
    size_t CellCount() const;
    // Changes every cell row by row and redraws them, in two passes so that a change that cannot be
    // made whole is not made at all: prepare(index, cell) gives each cell (with its own record, made
    // first) what apply will need, showing nothing yet; it may run out of memory or answer false.
    // Only then apply(index, cell), which cannot fail, changes them. FALSE when the check, a record
    // or a prepare fails, with no cell changed.
    template <class Prepare, class Apply> BOOL ForEachCell(Prepare prepare, Apply apply);
    // A change that needs nothing but the cell's record.
    template <class Apply> BOOL ForEachCell(Apply apply);
    // The same through one of the control's per-cell setters, once every record it may write (the
    // range's and its neighbours' above and to the left) is made.
    template <class Setter> BOOL ForEachThroughControl(Setter setter);

    CNorvakCtrl* m_control = nullptr;
    int m_page = -1;
    CCellRect m_range;
};
