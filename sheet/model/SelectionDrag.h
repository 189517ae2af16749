#pragma once

// The arithmetic of a drag of the selection frame: which part of the painted frame a point is on,
// and the block of cells a move, a copy or a fill would reach from the cell under the pointer.

#include "sheet/model/CellTypes.h"

// Where a point lies on the selection frame.
enum CFrameHit : int
{
    kFrameNone = -1,
    kFrameTop = 5,
    kFrameRight = 6,
    kFrameBottom = 7,
    kFrameLeft = 8,
    kFrameInside = 9,
    kFrameTopLeft = 10,
    kFrameTopRight = 20,
    kFrameBottomRight = 30, // the fill handle
    kFrameBottomLeft = 40,
};

inline bool IsFrameEdge(int hit) // the hits that move or copy the block
{
    return hit >= 1 && hit <= 8;
}
inline bool IsFrameCorner(int hit) // the hits that fill from the block
{
    return hit == kFrameTopLeft || hit == kFrameTopRight || hit == kFrameBottomRight || hit == kFrameBottomLeft;
}

// The body of a page a target must stay in: the first rows and columns after the fixed ones up to
// the last.
struct CDragBounds
{
    int fixedRows = 0;
    int fixedCols = 0;
    int rows = 0;
    int cols = 0;
};

namespace SheetModel {

// frame: the outer rectangle of the painted frame; an edge that is not shown has no zones.
int HitTestSelectionFrame(const RECT& frame, bool topShown, bool leftShown, int x, int y);

// The block moved with the pointer from anchor to current, kept whole and inside the body.
CCellRect MoveTarget(const CCellRect& block, CCellCoord anchor, CCellCoord current, const CDragBounds& bounds);

// The block a corner drag fills: from the block out to the pointer's cell, rounded to whole
// repeats of the block. An inverted result (the repeats do not fit) means nothing to fill.
CCellRect FillTarget(const CCellRect& block, int corner, CCellCoord current, const CDragBounds& bounds);

inline bool IsEmptyTarget(const CCellRect& target)
{
    return target.minRow < 0 || target.minCol < 0 || target.maxRow < target.minRow ||
           target.maxCol < target.minCol;
}

} // namespace SheetModel
