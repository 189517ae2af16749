#pragma once

// A report-style list view with a check box on every item (the page-setup sheet's lists of rows
// and columns). The items live here, not in the control (the template gives it LVS_OWNERDATA), so
// a list of a million items costs what the few items on show cost: an item's text is asked of a
// function when the item is drawn, its check mark is kept here. A click on an item's check box, or
// the space bar on the focused item, turns the mark over and tells the parent with LVN_ITEMCHANGED
// (the state image changed), as a list that held its items would; marks set by the program tell
// nobody. Items from the checkable count on show no box and take no mark.
//
// Ownership: the text function is the owner's and must stay valid while the list shows items.

#include "framework/Wnd.h"

#include <commctrl.h>

#include <climits>
#include <functional>
#include <vector>

class CCheckListView : public CWnd
{
public:
    using TextOf = std::function<CString(int item)>;

    // Check boxes and grid lines, and nothing else of the extended styles.
    void UseCheckBoxes() const;
    void InsertColumn(int index, const CString& title, int width) const;
    int GetColumnCount() const;
    // count items, none checked, whose column 1 shows text(item) and column 0 nothing.
    void SetItems(int count, TextOf text, int checkable = INT_MAX);
    int GetItemCount() const { return m_count; }
    CString GetItemText(int item, int column) const;
    bool GetCheck(int item) const;
    void SetCheck(int item, bool check);
    void SetAllChecks(bool check);
    // Every item that takes a mark has one.
    bool AllChecked() const { return m_checkedCount == CheckableCount(); }
    // The checked items in ascending order.
    std::vector<int> CheckedItems() const;

protected:
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int CheckableCount() const { return std::min(m_count, m_checkable); }
    bool Checkable(int item) const { return item >= 0 && item < CheckableCount(); }
    UINT StateImage(int item) const;
    template <class Item> void FillItem(Item& item) const;
    // The user's turn of the item's mark, told to the parent.
    void Toggle(int item);

    int m_count = 0;
    int m_checkable = INT_MAX;
    TextOf m_text;
    std::vector<bool> m_checked;
    int m_checkedCount = 0;
};
