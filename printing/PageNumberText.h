#pragma once

// The texts of a printed page that depend on nothing but the page setup: the page number in one of
// the ten formats, where it goes, and the name of a print job.

#include "framework/CString.h"

#include <windows.h>

// "第一页(共十页)" and the others: current of total in format 0..9 (any other value is format 8).
// The Chinese formats write each digit 1..9 as its numeral and keep 0.
CString FormatPageNumber(int format, int current, int total);

// Positions 0..5: 0, 1 and 4 print in the header, 2, 3 and 5 in the footer, others nowhere.
bool PageNumberInHeader(int position);
bool PageNumberInFooter(int position);
// DT_LEFT, DT_CENTER or DT_RIGHT for the position (right for an unknown one).
UINT PageNumberAlignment(int position);

// The page title trimmed; else the header text trimmed; else "文档打印".
CString PrintDocumentName(const CString& pageTitle, const CString& headerText);
