#include "host/model/OpenFileList.h"

#include <algorithm>
#include <cstring>

const OpenFileEntry* OpenFileList::FindPath(const CString& path) const
{
    auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const OpenFileEntry& entry) {
        return std::strcmp(entry.path.GetString(), path.GetString()) == 0;
    });
    return found == m_entries.end() ? nullptr : &*found;
}

bool OpenFileList::RemoveFrame(const void* frame)
{
    auto found = std::find_if(m_entries.begin(), m_entries.end(),
                              [&](const OpenFileEntry& entry) { return entry.frame == frame; });
    if (found == m_entries.end())
        return false;
    m_entries.erase(found);
    return true;
}

CString FileNameOfPath(const CString& path)
{
    // Walk characters, so the trail byte of a double-byte character is never taken for a separator.
    const char* text = path.GetString();
    const char* name = text;
    for (const char* p = text; *p; p = ::CharNextExA(936, p, 0))
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    return CString(name);
}
