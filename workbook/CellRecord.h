#pragma once

// The cell record and the font record of a workbook file. Only cells that differ from a fresh cell
// are stored, and a font only when it differs from the default font.

#include "framework/Archive.h"
#include "sheet/model/NorvakCell.h"

// The bounds a cell record must keep to: a merge origin and the spans of a merge must lie inside
// the page.
struct CCellBounds
{
    int rows;
    int cols;
};

bool IsFontNonDefault(const CFontRecord& font);
bool IsCellNonDefault(const CNorvakCell& cell);

void WriteFontRecord(CArchiveWriter& out, const LOGFONTA& font);
// Refuses a face name that does not fit the face-name array.
void ReadFontRecord(CArchiveReader& in, LOGFONTA& font);

void WriteCellRecord(CArchiveWriter& out, const CNorvakCell& cell);
// Reads into the cell through its setters. text is scratch space the caller may reuse.
void ReadCellRecord(CArchiveReader& in, CNorvakCell& cell, int row, int col, const CCellBounds& bounds,
                    std::string& text);

// The fewest bytes a cell record takes.
constexpr size_t kMinimumCellRecordBytes = 68;
