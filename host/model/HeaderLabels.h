#pragma once

// The spreadsheet-style labels the host writes into a page's header row and header column.

#include "framework/CString.h"

// The letters of column c (1 is "A", 26 "Z", 27 "AA", 53 "BA", 702 "ZZ", 703 "AAA"); "" below 1.
CString ColumnLetters(long column);
// The number shown in the header column for row r of a page with `fixed` header rows ("1" for the
// first row after them).
CString RowNumberLabel(long row, long fixed);
