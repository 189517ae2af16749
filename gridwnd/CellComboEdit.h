#pragma once

// The edit child (id 1001) of a drop-down CCellComboList: it ends the edit when it loses the focus
// to a window outside its box, passes Tab, Enter and Esc on to the box, and forwards the page keys
// and the arrows held with Ctrl to the box as key presses.
//
// Ownership: a member of its box; the box subclasses the edit child when it is created.

#include "framework/Controls.h"
#include "sheet/windows/CellNotify.h"

class CCellComboEdit : public CEdit
{
public:
    static constexpr int kEditId = 1001;

    // PageUp, PageDown and the four arrows.
    static bool IsPageOrArrowKey(UINT key);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The box this edit belongs to: its owner, or without one its parent.
    HWND Box() const;
};
