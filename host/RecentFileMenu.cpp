#include "host/RecentFileMenu.h"

namespace {

const char kPlaceholder[] = "最近文件";

bool IsRecentFileCommand(UINT id)
{
    return id >= RecentFileList::kFirstCommand && id <= RecentFileList::kLastCommand;
}

// The position of the first recent-file item, or -1.
int FirstRecentFileItem(HMENU popup)
{
    const int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i)
        if (IsRecentFileCommand(::GetMenuItemID(popup, i)))
            return i;
    return -1;
}

void InsertItem(HMENU popup, int position, UINT id, const CString& text)
{
    ::InsertMenuW(popup, UINT(position), MF_BYPOSITION | MF_STRING, id, text.ToWide().c_str());
}

} // namespace

void ShowRecentFiles(HMENU popup, const RecentFileList& list)
{
    const int position = FirstRecentFileItem(popup);
    if (position < 0)
        return;
    while (IsRecentFileCommand(::GetMenuItemID(popup, position)))
        ::DeleteMenu(popup, UINT(position), MF_BYPOSITION);
    if (list.Count() == 0) {
        InsertItem(popup, position, RecentFileList::kFirstCommand, kPlaceholder);
        return;
    }
    for (size_t i = 0; i < list.Count(); ++i)
        InsertItem(popup, position + int(i), RecentFileList::kFirstCommand + UINT(i), list.MenuText(i));
}
