#pragma once

// The plain text the standalone grid exchanges through the clipboard and drag and drop, in code
// page 936 bytes: the same layout as the sheet's, so text moves between both.
//
// Written: the rectangle spanned by the selection, row by row; cells joined by tabs, rows by line
// feeds (none after the last row); a selected cell with no text gives one space, a cell of the
// rectangle that is not selected gives nothing but keeps its separators.
// Read: lines split at line feeds (an empty line followed by a line feed counts as one space);
// cells split at tabs, commas and line feeds, empty fields falling away.

#include "gridwnd/GridSelection.h"

#include <optional>
#include <string>
#include <vector>

// None when the selection is no valid range.
std::optional<std::string> BuildGridClipboardText(const CGridCellStore& store,
                                                  const CGridSelection& selection,
                                                  const GridTextGetter& getText);

// The cells of each line, untrimmed.
std::vector<std::vector<CString>> SplitGridPasteText(const CString& text);
