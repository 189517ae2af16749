#pragma once

// The plain text that cells exchange with other programs through the clipboard, in code page 936
// bytes, and the global memory blocks that carry it.
//
// Written: one line per row of the block, no line feed after the last; in a line, for each column
// the cell's text when the cell is offered (a single space for an offered empty cell, nothing for
// one that is not), a tab after every column but the last.
// Read: lines split at line feeds (an empty line followed by more text counts as one space);
// cells split at tabs, commas and line feeds, empty fields falling away, never inside a
// double-byte character.

#include "framework/CString.h"
#include "sheet/model/CellTypes.h"

#include <functional>
#include <string>
#include <vector>

class COleDataSource;
class COleDataObject;

// offered: whether the cell takes part (the others leave only their separators).
std::string BuildClipboardText(const CCellRect& block, const std::function<bool(int row, int col)>& offered,
                               const std::function<CString(int row, int col)>& textOf);

// The cells of each line, untrimmed.
std::vector<std::vector<CString>> SplitPasteText(const CString& text);

// A new data source offering the text as CF_TEXT (its bytes and one NUL) and as CF_UNICODETEXT
// converted from code page 936, whatever the system's code page; null when memory fails. The
// caller owns the one reference.
COleDataSource* MakeTextDataSource(const std::string& text);

// The format's block up to its first NUL and never past the block's size; empty without one.
std::string ReadTextBlock(const COleDataObject& data, CLIPFORMAT format = CF_TEXT);
std::wstring ReadUnicodeBlock(const COleDataObject& data);
