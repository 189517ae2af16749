#pragma once

// The settings of a page record in the order and width a workbook file carries them. The writer
// and the reader walk the same table, so the two cannot disagree on a field.
//
// A slot that no member of the page holds yet (settings of subsystems that keep them elsewhere for
// now) is written as zero and read and dropped. The chart slots live in the page's pending chart
// settings, which reaching them makes; a page without them writes their defaults, and a page read
// with nothing but defaults there keeps none.

#include "framework/Archive.h"
#include "sheet/model/NorvakPage.h"

#include <span>
#include <variant>

enum class CFieldWidth : uint8_t
{
    Int,   // 4 bytes
    Short, // 2 bytes
    Byte,
    Double,   // 8 bytes
    SizePair, // 8 bytes
    Rect,     // 16 bytes
    String,
};

// Where a slot lives in a page record; monostate when no member holds it.
using CPageFieldRef = std::variant<std::monostate, int*, DWORD*, UINT*, WORD*, short*, BYTE*, double*, CString*>;

struct CPageSlot
{
    CFieldWidth width;
    CPageFieldRef (*at)(CNorvakPage& page);
    bool bChart = false; // held by the page's pending chart settings
};

// The settings between the title and the grid counts, and those after the counts up to the tab font.
std::span<const CPageSlot> PageHeadSlots();
std::span<const CPageSlot> PageSettingSlots();

void WriteSlots(CArchiveWriter& out, std::span<const CPageSlot> slots, const CNorvakPage& page);
// Files written before the chart slots were kept hold zeros there; such a page keeps the chart
// defaults that are not zero.
void ReadSlots(CArchiveReader& in, std::span<const CPageSlot> slots, CNorvakPage& page);

// The fewest bytes a slot takes in a file.
size_t MinimumBytes(CFieldWidth width);
