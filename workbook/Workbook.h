#pragma once

// The workbook file as a whole: a header (version text, extension, page count and the two header
// flags of the save), then one page block per page. The three extensions share one layout; only
// the extension stored in the header differs.

#include "framework/Archive.h"
#include "workbook/PageBlock.h"

#include <span>
#include <string>
#include <vector>

struct CPageToSave
{
    const CNorvakPage* page;
    const CNorvakPageCells* cells;
};

// Where a save goes: a path whose last four characters are ".nvk", ".nor" or ".fcs" in any case
// keeps its name and stores that extension in lower case; any other path gets ".nvk" appended.
struct CSaveTarget
{
    CString path;
    CString extension;
};
CSaveTarget ChooseSaveTarget(const CString& path);
// True for ".nvk", ".nor" and ".fcs" in any case.
bool IsWorkbookExtension(const CString& extension);

void WriteWorkbook(CArchiveWriter& out, const CString& version, const CString& extension,
                   std::span<const CPageToSave> pages, const CHeaderFlags& flags);

enum class CReadResult
{
    Read,
    UnknownFormat,     // the header names no extension of ours
    NegativePageCount, // the header's page count is below zero
    Refused,           // truncated, corrupt, beyond the control's limits, or out of memory
};
// pages receives the pages of the file only when the whole file was read; why, when given, what
// made the reader refuse the file.
CReadResult ReadWorkbook(CArchiveReader& in, std::vector<CLoadedPage>& pages, std::string* why = nullptr);
