#pragma once

// A report-style list view in which a click on a sub-item (any column but the first) opens an edit
// box over it, filled with the sub-item's text. The box goes when the list scrolls, another
// click lands elsewhere, or the list's items or columns change; the text it held when it lost the
// focus is kept as the last edited text, which the owner reads and writes back where it wants.
// Up and Down move the current row and wrap at both ends; PageUp and PageDown go to the first and
// the last row.
//
// Ownership: the list owns its edit box.

#include "framework/Controls.h"

#include <commctrl.h>

class CEditListCtrl : public CWnd
{
public:
    static constexpr UINT kEditId = 101;
    static constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
    static_assert(kEditStyle == 0x50800080);
    static constexpr DWORD kExtendedStyles = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
    static constexpr UINT kItemHeight = 23;
    static constexpr UINT kItemWidth = 100;

    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    int GetItemCount() const { return int(SendMessage(LVM_GETITEMCOUNT)); }
    CString GetItemText(int item, int subItem) const;
    int GetCurrentRow() const { return m_nCurrentRow; }
    int GetFocusRow() const { return m_nFocusRow; }
    // The open edit box, or none, and the item and sub-item it edits.
    HWND GetEditWindow() const { return m_edit.GetSafeHwnd(); }
    int GetEditItem() const { return m_nEditItem; }
    int GetEditSubItem() const { return m_nEditSubItem; }
    const CString& GetLastEditedText() const { return m_strLastEdited; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PreSubclassWindow() override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    void OnLButtonDown(CPoint point);
    bool OnKeyDown(UINT key);
    void OpenEdit(int item, int subItem);
    void CloseEdit();
    void RedrawRow(int row);
    void MakeCurrent(int row);

    int m_nCurrentRow = -1;
    int m_nFocusRow = -1;
    CRect m_rowRect; // the row last repainted
    CEdit m_edit;
    int m_nEditItem = -1;
    int m_nEditSubItem = -1;
    CString m_strLastEdited;
};
