// The arithmetic of a drag of the selection frame: the zones of the frame, the block a move or a
// copy reaches, and the block a corner fill reaches, in whole repeats of the source block.

#include "sheet/model/SelectionDrag.h"

#include <gtest/gtest.h>

namespace {

// A frame painted around cells spanning (20, 10) .. (120, 70): L, T, R, B = 24, 14, 116, 66.
const RECT kFrame{20, 10, 120, 70};

TEST(SelectionDrag, FrameZones)
{
    struct Case
    {
        const char* name;
        int x, y;
        bool top, left;
        int hit;
    } cases[] = {
        {"top-left corner", 24, 14, true, true, kFrameTopLeft},
        {"top-left needs the left edge", 22, 12, true, false, kFrameNone},
        {"top-right corner", 116, 14, true, true, kFrameTopRight},
        {"top-right needs the top edge", 116, 14, false, true, kFrameNone},
        {"fill handle", 116, 66, false, false, kFrameBottomRight},
        {"fill handle, last pixel", 117, 67, true, true, kFrameBottomRight},
        {"bottom-left corner", 24, 66, true, true, kFrameBottomLeft},
        {"bottom-left needs the left edge", 22, 66, true, false, kFrameNone},
        {"top edge", 60, 13, true, true, kFrameTop},
        {"top edge hidden", 60, 13, false, true, kFrameNone},
        {"right edge", 117, 40, true, true, kFrameRight},
        {"bottom edge", 60, 67, true, true, kFrameBottom},
        {"left edge", 23, 40, true, true, kFrameLeft},
        {"left edge hidden", 23, 40, true, false, kFrameNone},
        {"inside", 60, 40, true, true, kFrameInside},
        {"between the edge and the inside", 27, 40, true, true, kFrameNone},
        {"outside", 5, 5, true, true, kFrameNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SheetModel::HitTestSelectionFrame(kFrame, c.top, c.left, c.x, c.y), c.hit) << c.name;
    EXPECT_EQ(SheetModel::HitTestSelectionFrame(RECT{20, 10, 20, 70}, true, true, 20, 40), kFrameNone)
        << "an empty frame";
}

// A page of 100 rows and 50 columns with one fixed row and column.
const CDragBounds kBounds{1, 1, 100, 50};

void ExpectRect(const CCellRect& got, const CCellRect& want, const char* name)
{
    EXPECT_EQ(got, want) << name << ": got " << got.minRow << "," << got.minCol << " .. " << got.maxRow << ","
                         << got.maxCol;
}

TEST(SelectionDrag, MoveTargetKeepsTheBlockWholeInsideTheBody)
{
    const CCellRect block(5, 5, 7, 8); // 3 rows, 4 columns
    struct Case
    {
        const char* name;
        CCellCoord anchor, current;
        CCellRect target;
    } cases[] = {
        {"no movement", {6, 6}, {6, 6}, {5, 5, 7, 8}},
        {"down and right", {6, 6}, {10, 9}, {9, 8, 11, 11}},
        {"up past the fixed row", {6, 6}, {1, 6}, {1, 5, 3, 8}},
        {"past the last row", {6, 6}, {99, 6}, {97, 5, 99, 8}},
        {"left past the fixed column", {6, 6}, {6, 0}, {5, 1, 7, 4}},
        {"past the last column", {6, 6}, {6, 49}, {5, 46, 7, 49}},
    };
    for (const Case& c : cases)
        ExpectRect(SheetModel::MoveTarget(block, c.anchor, c.current, kBounds), c.target, c.name);
}

TEST(SelectionDrag, FillTargetRoundsToWholeRepeats)
{
    const CCellRect block(5, 5, 7, 6); // 3 rows, 2 columns
    struct Case
    {
        const char* name;
        int corner;
        CCellCoord current;
        CCellRect target;
    } cases[] = {
        {"handle down one row", kFrameBottomRight, {8, 6}, {5, 5, 10, 6}},
        {"handle down three rows", kFrameBottomRight, {10, 6}, {5, 5, 10, 6}},
        {"handle down four rows", kFrameBottomRight, {11, 6}, {5, 5, 13, 6}},
        {"handle right one column", kFrameBottomRight, {7, 7}, {5, 5, 7, 8}},
        {"handle inside the block", kFrameBottomRight, {6, 5}, {5, 5, 6, 5}},
        {"handle above the block", kFrameBottomRight, {3, 6}, {2, 5, 4, 6}},
        {"handle above, rounded away from the fixed row", kFrameBottomRight, {1, 6}, {2, 5, 4, 6}},
        {"top-left up one row", kFrameTopLeft, {4, 5}, {2, 5, 7, 6}},
        {"top-left down past the block", kFrameTopLeft, {9, 5}, {8, 5, 10, 6}},
        {"top-left left three columns", kFrameTopLeft, {5, 2}, {5, 1, 7, 6}},
        {"top-right up four rows", kFrameTopRight, {1, 6}, {2, 5, 7, 6}},
        {"bottom-left left one column", kFrameBottomLeft, {7, 4}, {5, 3, 7, 6}},
        {"handle down near the end, rounded back", kFrameBottomRight, {99, 6}, {5, 5, 97, 6}},
    };
    for (const Case& c : cases)
        ExpectRect(SheetModel::FillTarget(block, c.corner, c.current, kBounds), c.target, c.name);
}

TEST(SelectionDrag, AFillThatDoesNotFitIsAnEmptyTarget)
{
    // Rows 97-99 with the handle on row 99: no whole repeat fits below the block.
    const CCellRect block(97, 5, 98, 6);
    CCellRect target = SheetModel::FillTarget(block, kFrameTopLeft, CCellCoord(99, 5), kBounds);
    EXPECT_TRUE(SheetModel::IsEmptyTarget(target));
    EXPECT_FALSE(SheetModel::IsEmptyTarget(CCellRect(5, 5, 5, 5)));
    EXPECT_TRUE(SheetModel::IsEmptyTarget(CCellRect()));
}

} // namespace
