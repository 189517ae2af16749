#pragma once

// The workbook file on disk. A save writes a temporary file in the target's folder, flushes it to
// the disk and only then puts it in the place of the old file, so a failed or interrupted save
// leaves the old file as it was. A load reads the whole file into new pages before anyone sees them.

#include "workbook/Workbook.h"

#include <span>
#include <string>
#include <vector>

enum class CWorkbookStatus
{
    Done,
    NotOpened,         // the system would not open, create or replace the file
    UnknownFormat,     // the file names no extension of ours
    NegativePageCount, // the file's page count is below zero
    Failed,            // writing failed, or the file is truncated, corrupt or beyond the control's limits
};

struct CWorkbookOutcome
{
    CWorkbookStatus status = CWorkbookStatus::Done;
    CString path;      // the file the outcome is about
    DWORD osError = 0; // NotOpened: the system's reason
    std::string why;   // Failed: what the writer or reader refused

    bool Succeeded() const { return status == CWorkbookStatus::Done; }
};

class CWorkbookFile
{
public:
    // The path follows the extension rules of ChooseSaveTarget.
    static CWorkbookOutcome SaveWorkbook(const CString& path, std::span<const CPageToSave> pages,
                                         const CString& version, const CHeaderFlags& flags);
    // pages receives the file's pages only when the whole file was read.
    static CWorkbookOutcome LoadWorkbook(const CString& path, std::vector<CLoadedPage>& pages);
    // The message a failure calls for, through the message seam; none for a success or a negative
    // page count.
    static void ReportFailure(HWND owner, const CWorkbookOutcome& outcome);
};
