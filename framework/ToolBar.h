#pragma once

// A flat tool bar of the system's kind along the top of a frame: its buttons are given as command
// ids (0 a separator) with one bitmap of 16 x 15 images, one per button in order. A separator can be
// widened to hold a control (a combo box) made as the tool bar's child.

#include "framework/Geometry.h"
#include "framework/Wnd.h"

#include <span>

class CToolBar : public CWnd
{
public:
    bool Create(HWND parent, UINT id, const CString& title);
    // Sets the buttons; images come from bitmap resource bitmapId of the program.
    bool SetButtons(std::span<const UINT> ids, UINT bitmapId);
    // Turns button index into a separator of width pixels (for a control) and answers its rectangle.
    CRect MakePlaceholder(int index, int width);
    // Changes the id, style and image of button index.
    void SetButtonInfo(int index, UINT id, BYTE style, int image);
    CRect GetItemRect(int index) const;
    int CommandToIndex(UINT id) const;
};
