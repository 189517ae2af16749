#pragma once

// The edit box the grid opens over a cell: a system EDIT control that ends the edit on Enter, Tab,
// Esc (which first puts the cell's text back), the navigation keys and the loss of the focus, and
// then tells its owner (or parent) with WM_NOTIFY -106 carrying a CCellDispInfo: the row, the
// column, the text and the key that ended the edit. The wheel goes on to the grid.
//
// How the first key seeds it: a typed character replaces the text with itself; 0 (an input
// method) or Backspace starts from an empty text; a start by the mouse or by a navigation key
// (kGridEditByKey) keeps the text, all of it selected. After a typed start the arrow keys end the
// edit; after a start by the mouse, Left and Right move the caret.
//
// Ownership: made with new; the object deletes itself when its window goes. It ends once and then
// closes itself through a posted WM_CLOSE, so the owner may open the next edit from within the
// notification.

#include "framework/CGdiObject.h"
#include "framework/Controls.h"
#include "sheet/windows/CellNotify.h"

class CGridInPlaceEdit : public CEdit
{
public:
    // Null when the window cannot be made.
    static CGridInPlaceEdit* Start(HWND parent, const CRect& rect, DWORD style, UINT id, int row, int col,
                                   const CString& text, UINT firstChar, const LOGFONTA& font);
    void EndEdit(UINT key);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override { delete this; }

private:
    CGridInPlaceEdit(int row, int col, UINT id, const CString& original);
    bool EndsEdit(UINT key) const;

    int m_row;
    int m_col;
    UINT m_id;
    CString m_original;
    bool m_bExitOnArrows = true;
    bool m_bEnding = false;
    CFont m_font;
};
