#pragma once

// The recent-file entries of a File menu: they stand where the menu's placeholder "最近文件"
// (the first entry's command) stands, one item per entry; with no entry the placeholder is back,
// and the command update disables it.

#include "host/model/RecentFileList.h"

#include <windows.h>

// Does nothing to a menu that has no place for them.
void ShowRecentFiles(HMENU popup, const RecentFileList& list);
