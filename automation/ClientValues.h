#pragma once

// Values a client hands the font and tab objects that they turn into the control's own: OLE colours
// and icon files.

#include "framework/CString.h"

#include <windows.h>
#include <olectl.h>

#include <memory>
#include <type_traits>

// OLE_COLOR through OleTranslateColor without a palette; a value it refuses passes unchanged.
COLORREF TranslateOleColor(OLE_COLOR colour);

struct IconDeleter
{
    void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A 16 x 16 icon loaded from a file; none when the file does not load (and for an empty name or one
// that holds a NUL).
IconHandle LoadIconFile(const CString& path);
