#pragma once

// A combo box that edits one grid cell in place by a choice from its list. Tab, Enter and Esc
// (Esc first puts the starting text back), the page keys and the arrows (with Ctrl, or always when
// arrows end the edit) give the focus back to the parent; losing the focus ends the edit, which
// sends the owner (or the parent) WM_NOTIFY -106 with a CCellDispInfo (the row, the column, the
// text, the key) and then closes the box with a posted WM_CLOSE.
//
// A drop-down box (CBS_DROPDOWN) is edited through its edit child, id 1001, which this box
// subclasses with a CCellComboEdit: the child passes the ending keys on to the box.
//
// Ownership: the creator makes the box and its items; the object deletes itself when its window
// goes when made with new and told so (SetAutoDelete).

#include "framework/Controls.h"
#include "gridwnd/CellComboEdit.h"
#include "sheet/windows/CellNotify.h"

class CCellComboList : public CComboBox
{
public:
    CCellComboList(int row, int col, const CString& initialText, bool arrowsEndEdit);

    // Creates the box; for a drop-down box, subclasses its edit child as well.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void SetAutoDelete(bool autoDelete) { m_bAutoDelete = autoDelete; }
    // Sends the end of the edit once, then closes the box.
    void EndEdit();
    UINT GetLastKey() const { return m_nLastKey; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override;

private:
    bool IsDropDownList() const { return (GetStyle() & 3) == CBS_DROPDOWNLIST; }
    bool OwnsWindow(HWND hwnd) const;
    void GiveBackFocus(UINT key);
    void RestoreInitialText();

    CString m_strInitText;
    int m_nRow;
    int m_nCol;
    UINT m_nLastKey = 0;
    bool m_bExitOnArrows;
    bool m_bEnded = false;
    bool m_bAutoDelete = false;
    CCellComboEdit m_edit;
};
