#pragma once

// Which keyboard messages the control keeps and which it leaves to its container. The control
// keeps what it acts on: typed characters, the keys of its key table (the moves, Delete), and of
// the Ctrl combinations only its edit commands (A, C, V, X) and the moves; an edit box of the
// control (the in-place editor, a tab's rename box) also keeps its own Ctrl+Z, Ctrl+Insert,
// Ctrl+Backspace and Insert; a character typed with AltGr (Ctrl and Alt) stays too. Everything else
// with Ctrl, the Alt (system) keys, and Insert on the sheet go to the container first, so the shortcuts of the program around the control work while
// the grid has the focus; what the container does not use comes back to the control as usual.

#include <windows.h>

namespace SheetModel {

struct HeldKeys
{
    bool ctrl = false;
    bool alt = false;
};

// message: a keyboard message (WM_KEYFIRST..WM_KEYLAST); key its wParam; inEditBox: it is meant
// for an edit box of the control.
bool ControlKeepsKey(UINT message, UINT key, HeldKeys held, bool inEditBox);

} // namespace SheetModel
