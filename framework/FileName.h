#pragma once

// The one door from a text the system's own (a client's BSTR, a file's string) to the file
// functions of the system: a name with a NUL inside it is no file name, as the system would read
// it only up to the NUL and reach another file than the one the whole text names.

#include "framework/CString.h"

#include <optional>
#include <string>

// The UTF-16 name (through code page 936) to give the system; none when the text holds a NUL.
std::optional<std::wstring> SystemFileName(const CString& name);
