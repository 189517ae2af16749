#pragma once

// The in-place editor: a system EDIT laid over a cell. It collects the new text and ends on Tab,
// Esc, a paging or arrow key (when it was opened by typing, or with Ctrl held) or the loss of the
// focus; then it sends its owner (else its parent) a WM_NOTIFY with the end-of-edit record and
// closes itself.
//
// Ownership: the object belongs to its window. It is made with new and deletes itself when its
// window is destroyed (also with its parent); a window that could not be made leaves nothing to
// delete it, so Create reports that and the caller deletes the object.

#include "framework/Wnd.h"
#include "sheet/model/CellTypes.h"
#include "sheet/windows/CellNotify.h"

#include <commctrl.h>

constexpr int kCellEditId = 8;
constexpr UINT kNotifyBeginEdit = UINT(-105); // to the container, before a cell's text changes
constexpr UINT kNotifyEndEdit = UINT(-106);   // from the editor, and to the container after a change

// First keys of an editor that are no typed character: 1 keeps the text with the caret at its end
// (a click or a double click on the cell), and a key marked kFirstKeyNavigation is the paging or
// arrow key (or Tab) that ended the previous edit and moved on; the whole text is then selected.
// Every other first key is a character the user typed, delivered to the editor (0: none).
constexpr int kFirstKeyKeepText = 1;
constexpr int kFirstKeyNavigation = 0x10000;

class CCellEdit : public CWnd
{
public:
    CCellEdit(int row, int col, const CString& initialText, int firstKey);

    // Creates the window with style plus WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, takes the parent's
    // font, sets the text, takes the focus and places the caret by the first key.
    bool Create(HWND parent, const RECT& rect, DWORD style, UINT id);

    int GetRow() const { return m_nRow; }
    int GetColumn() const { return m_nColumn; }
    bool EndsOnArrows() const { return m_bEndOnArrows; }

    bool PreTranslateMessage(MSG* msg) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override { delete this; }

private:
    void PlaceCaret();
    // Remembers the key and gives the focus back to the parent, which ends the edit.
    void EndWithKey(int key);
    void EndEdit();

    int m_nRow;
    int m_nColumn;
    CString m_strInitText;
    int m_nLastKey = 0;
    int m_nFirstKey;
    bool m_bEndOnArrows;
    bool m_bEnded = false;
    HWND m_hParent = nullptr;
};
