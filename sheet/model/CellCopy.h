#pragma once

// Every write that a move, a copy or a fill of cells makes to a cell: the copy of one cell into
// another, the reset to the defaults, and the borders carried along the edges of a block. The
// copies of a picture are holders of their own that share the picture, so no holder has two owners.

#include "sheet/model/NorvakCell.h"

namespace SheetModel {

// withMerge: the whole cell with its merge fields and its rare fields (indent, handles, picture),
// as a buffer keeps it; the state word stays the destination's. Without: text, font record, text
// position code, value words, state word without the focus and selected bits, and both borders.
void CopyCell(CNorvakCell& destination, const CNorvakCell& source, BOOL withMerge);

// Text position code 37, no text, default font and colours, no value words; the right border
// and the bottom border back to the default line when asked. TRUE.
BOOL ResetCell(CNorvakCell& cell, BOOL resetRight, BOOL resetBottom);

// Back to a fresh cell: every field with its default, the picture and handles gone.
void ClearCell(CNorvakCell& cell);

void CopyRightBorder(CNorvakCell& destination, const CNorvakCell& source);
void CopyBottomBorder(CNorvakCell& destination, const CNorvakCell& source);

// A cell written from a buffer joins no merge until the buffer's merges are made again, and shows
// neither the focus nor the selection; its edit lock stays.
void DetachPastedCell(CNorvakCell& cell);

} // namespace SheetModel
