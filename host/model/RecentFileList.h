#pragma once

// The program's list of the workbook files last opened or saved, newest first, with the texts the
// File menu shows for them, kept in the registry under the program's key:
// HKEY_CURRENT_USER\Software\<company key>\<program>\Recent File List, values File1, File2, ...
// A path already in the list moves to the front; paths compare without regard to case, as the
// file system does.

#include "framework/CString.h"

#include <windows.h>

#include <string>
#include <vector>

class RecentFileList
{
public:
    static constexpr UINT kFirstCommand = 57616; // the first entry's menu command
    static constexpr UINT kLastCommand = 57631;
    static constexpr size_t kMenuNameLength = 30; // longer paths are shortened in the menu

    // size: how many entries are kept (at most 16, one per command).
    RecentFileList(size_t size, std::wstring registryKey);

    void Add(const CString& path);
    void Remove(size_t index);
    size_t Count() const { return m_paths.size(); }
    const CString& Path(size_t index) const { return m_paths[index]; }

    // Reads the list from the registry, and writes it there; false when the key cannot be written.
    void Load();
    bool Save() const;

    // The menu text of an entry: "&1 " and its path, shortened to the drive or share, "..." and
    // the trailing folders that fit with the file name, an "&" doubled so it is no mnemonic.
    CString MenuText(size_t index) const;
    // The shortened path alone.
    static CString ShortName(const CString& path, size_t length);

private:
    size_t m_size;
    std::wstring m_key;
    std::vector<CString> m_paths;
};
