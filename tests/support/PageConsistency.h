#pragma once

// Checks that a page record and its cell table agree; returns a description of the first fault,
// empty when the page is consistent.

#include "sheet/model/NorvakPage.h"
#include "sheet/model/NorvakPageCells.h"

#include <string>

std::string CheckPageConsistency(const CNorvakPage& page, const CNorvakPageCells& cells);
