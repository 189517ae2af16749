#pragma once

// A report-style list view with a check box on every item (the page-setup sheet's lists of rows
// and columns): columns, items with a text in a further column, and their check marks.

#include "framework/Wnd.h"

#include <commctrl.h>

class CCheckListView : public CWnd
{
public:
    // Check boxes and grid lines, and nothing else of the extended styles.
    void UseCheckBoxes() const;
    void InsertColumn(int index, const CString& title, int width) const;
    int GetColumnCount() const;
    // Appends an item whose first column is empty and whose column 1 holds text.
    int AppendItem(const CString& text) const;
    CString GetItemText(int item, int column) const;
    int GetItemCount() const { return int(SendMessage(LVM_GETITEMCOUNT)); }
    bool GetCheck(int item) const;
    void SetCheck(int item, bool check) const;
};
