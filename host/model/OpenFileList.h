#pragma once

// The main frame's list of the workbook files shown in document windows: one entry per successful
// File Open, removed when its window closes. Paths compare byte for byte, case-sensitively.
//
// Ownership: the list does not own the windows it names.

#include "framework/CString.h"

#include <vector>

struct OpenFileEntry
{
    CString path;
    void* frame; // the document window that shows the file
};

class OpenFileList
{
public:
    void Append(const CString& path, void* frame) { m_entries.push_back({path, frame}); }
    // The first entry for path, or none.
    const OpenFileEntry* FindPath(const CString& path) const;
    // Removes the first entry of frame; false when it has none.
    bool RemoveFrame(const void* frame);
    const std::vector<OpenFileEntry>& Entries() const { return m_entries; }

private:
    std::vector<OpenFileEntry> m_entries;
};

// The file name of a full path, without its folder.
CString FileNameOfPath(const CString& path);
