#include "sheet/model/SelectionDrag.h"

#include <algorithm>

namespace SheetModel {

namespace {

bool In(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x < right && y >= top && y < bottom;
}

// Past the edge e out to p (> e), in whole repeats of size; back by repeats while beyond last.
int RoundPast(int e, int p, int size, int last)
{
    const int k = p - e;
    int end = k % size == 0 ? e + k : e + (k / size + 1) * size;
    while (end > last)
        end -= size;
    return end;
}

// Before the edge e back to p (<= e), in whole repeats of size; on by repeats while in the fixed
// part.
int RoundBefore(int e, int p, int size, int fixed)
{
    const int v = e - p + 1;
    const int n = v / size;
    int start = n == 0 ? p : e - (v % size ? n + 1 : n) * size + 1;
    while (start < fixed)
        start += size;
    return start;
}

// One direction of a fill. nearFirst: the corner is on the first side of the block (top, left).
void FillAxis(int first, int last, int p, bool nearFirst, int fixed, int count, int& outFirst, int& outLast)
{
    const int size = last - first + 1;
    if (nearFirst) {
        if (p > last) {
            outFirst = last + 1;
            outLast = RoundPast(last, p, size, count - 1);
        } else {
            outFirst = RoundBefore(last, p, size, fixed);
            outLast = last;
        }
        return;
    }
    if (p < first) {
        outFirst = RoundBefore(last, p, size, fixed);
        outLast = first - 1;
    } else if (p - last <= 0 || (p - last) % size == 0) {
        outFirst = first;
        outLast = p;
    } else {
        outFirst = first;
        outLast = RoundPast(last, p, size, count - 1);
    }
}

} // namespace

int HitTestSelectionFrame(const RECT& frame, bool topShown, bool leftShown, int x, int y)
{
    if (frame.right - frame.left <= 0 || frame.bottom - frame.top <= 0)
        return kFrameNone;
    const int L = frame.left + 4, T = frame.top + 4, R = frame.right - 4, B = frame.bottom - 4;
    struct Zone
    {
        int hit;
        bool shown;
        int left, top, right, bottom;
    } const zones[] = {
        {kFrameTopLeft, topShown && leftShown, L - 2, T - 2, L + 5, T + 3},
        {kFrameTopRight, topShown, R - 5, T - 2, R + 2, T + 3},
        {kFrameBottomRight, true, R - 5, B - 3, R + 2, B + 2},
        {kFrameBottomLeft, leftShown, L - 2, B - 3, L + 5, B + 2},
        {kFrameTop, topShown, L + 4, T - 3, R - 4, T + 1},
        {kFrameRight, true, R - 1, T + 4, R + 3, B - 5},
        {kFrameBottom, true, L + 4, B - 1, R - 6, B + 3},
        {kFrameLeft, leftShown, L - 3, T + 4, L + 1, B - 4},
        {kFrameInside, true, L + 5, T + 5, R - 5, B - 5},
    };
    for (const Zone& zone : zones)
        if (zone.shown && In(x, y, zone.left, zone.top, zone.right, zone.bottom))
            return zone.hit;
    return kFrameNone;
}

CCellRect MoveTarget(const CCellRect& block, CCellCoord anchor, CCellCoord current, const CDragBounds& bounds)
{
    auto place = [](int first, int last, int shift, int lowest, int highest, int& outFirst, int& outLast) {
        const int size = last - first;
        outFirst = first + shift;
        if (outFirst < lowest)
            outFirst = lowest;
        if (outFirst + size > highest)
            outFirst = highest - size;
        outLast = outFirst + size;
    };
    CCellRect target;
    place(block.minRow, block.maxRow, current.row - anchor.row, bounds.fixedRows, bounds.rows - 1,
          target.minRow, target.maxRow);
    place(block.minCol, block.maxCol, current.col - anchor.col, bounds.fixedCols, bounds.cols - 1,
          target.minCol, target.maxCol);
    return target;
}

CCellRect FillTarget(const CCellRect& block, int corner, CCellCoord current, const CDragBounds& bounds)
{
    const bool top = corner == kFrameTopLeft || corner == kFrameTopRight;
    const bool left = corner == kFrameTopLeft || corner == kFrameBottomLeft;
    CCellRect target;
    FillAxis(block.minRow, block.maxRow, current.row, top, bounds.fixedRows, bounds.rows, target.minRow,
             target.maxRow);
    FillAxis(block.minCol, block.maxCol, current.col, left, bounds.fixedCols, bounds.cols, target.minCol,
             target.maxCol);
    target.minRow = std::max(target.minRow, bounds.fixedRows);
    target.maxRow = std::min(target.maxRow, bounds.rows - 1);
    target.minCol = std::max(target.minCol, bounds.fixedCols);
    target.maxCol = std::min(target.maxCol, bounds.cols - 1);
    return target;
}

} // namespace SheetModel
