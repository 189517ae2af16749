#pragma once

// The program this code runs in, as its user knows it: the title and the icon that message boxes
// and top-level windows of a module without a main window of its own (the control) show. The
// title is the program's string 57344, else its file name without the extension; the icon is the
// program's first icon, else the system's application icon.
//
// Ownership: the icons are shared; nobody destroys them.

#include "framework/CString.h"

#include <windows.h>

namespace Application {

constexpr UINT kTitleString = 57344;

CString Title();
// The icon at the system's size for a caption (small) or for the task switcher (large).
HICON Icon(bool small);

} // namespace Application
