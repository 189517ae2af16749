#pragma once

// The texts a command carries in a module's string table, under the command's id: the prompt the
// status bar shows while the command's menu item or tool bar button is under the mouse, then,
// after a line feed, the short tip its button's tooltip shows ("新建工作簿\n新建").

#include "framework/CString.h"

#include <windows.h>

struct CommandText
{
    CString prompt;
    CString tip;
};

// Empty texts for a command with no string.
CommandText LoadCommandText(HINSTANCE module, UINT id);
