#pragma once

// The commands the shell sends over DDE to open a workbook in the program that runs already, as
// its file type registers them: [open("path")], several in one string. Names are read without
// regard to case; quotes around the argument may be left out.

#include <string>
#include <vector>

struct ShellOpenCommands
{
    std::vector<std::wstring> paths; // the files to open, in order
    bool understood = true;          // false when a command was not an open or not well formed
};

ShellOpenCommands ParseShellOpenCommands(const std::wstring& text);
