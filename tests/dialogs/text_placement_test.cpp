// The alignment page's choice: the codes it writes, how it reads a cell's code, indent and angle,
// the code OK gives each cell, and the geometry of the angle dial and the nine stacked places.

#include "dialogs/TextPlacement.h"

#include <gtest/gtest.h>

namespace {

TextPlacement Common(int h, int v, bool wrap = false, bool shrink = false, int angle = 0, int indent = 0)
{
    TextPlacement p;
    p.horizontal = h;
    p.vertical = v;
    p.wrap = wrap;
    p.shrink = shrink;
    p.angle = angle;
    p.indent = indent;
    return p;
}

TextPlacement StackedAt(int position)
{
    TextPlacement p;
    p.mode = TextPlacement::Stacked;
    p.stacked = position;
    p.angle = 30;
    p.indent = 4;
    return p;
}

TEST(TextPlacement, CodesEscapementAndIndentByChoice)
{
    struct Case
    {
        const char* name;
        TextPlacement placement;
        std::optional<int> code;
        long escapement;
        int indent;
    } cases[] = {
        {"top left", Common(0, 0, false, false, 45, 3), 1, 450, 3},
        {"bottom right", Common(2, 2), 9, 0, 0},
        {"wrapped centre", Common(1, 1, true, false, 45), 19, 0, 0},
        {"wrapped bottom right", Common(2, 2, true), 27, 0, 0},
        {"wrapped top left", Common(0, 0, true), 11, 0, 0},
        {"shrunk whatever the combos say", Common(2, 0, false, true, 90, 5), 49, 0, 5},
        {"stacked first", StackedAt(1), 40, 0, 0},
        {"stacked last", StackedAt(9), 48, 0, 0},
        {"stacked, no place chosen", StackedAt(-1), std::nullopt, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.placement.Code(), c.code);
        EXPECT_EQ(c.placement.Escapement(), c.escapement);
        EXPECT_EQ(c.placement.Indent(), c.indent);
    }
}

TEST(TextPlacement, ReadsTheCellsOwnCode)
{
    for (int code : {1, 5, 9, 11, 19, 27, 40, 44, 48, 49})
        EXPECT_EQ(TextPlacement::OfCell(code, 0, 0).Code(), code);
    const TextPlacement multiLine = TextPlacement::OfCell(16, 0, 0); // several lines, no wrap, middle left
    EXPECT_EQ(multiLine.horizontal, 0);
    EXPECT_EQ(multiLine.vertical, 1);
    EXPECT_FALSE(multiLine.wrap);
    EXPECT_EQ(TextPlacement::OfCell(0, 0, 0).Code(), 5) << "a code the page cannot show reads as centred";
    EXPECT_EQ(TextPlacement::OfCell(33, 0, 0).Code(), 5);
    EXPECT_EQ(TextPlacement::OfCell(5, 7, 0).indent, 7);
    EXPECT_EQ(TextPlacement::OfCell(5, 0, 450).angle, 45);
    EXPECT_EQ(TextPlacement::OfCell(5, 0, -900).angle, 270);
    EXPECT_EQ(TextPlacement::OfCell(5, 0, 3600).angle, 0);
}

TEST(TextPlacement, OkGivesEachCellTheShownCodeUnlessItsOwnReadsAsTheSame)
{
    struct Case
    {
        const char* name;
        TextPlacement shown;
        int cellCode;
        int written;
    } cases[] = {
        {"another place", Common(2, 1, true), 5, 21},
        {"the same code", Common(2, 1, true), 21, 21},
        {"several lines read as one line at that place", Common(0, 1), 16, 16},
        {"several lines at another place", Common(0, 1), 10, 4},
        {"decimal alignment reads as centred", Common(1, 1), 0, 0},
        {"a code the page cannot show reads as centred", Common(1, 1), 33, 33},
        {"shrunk", Common(0, 0, false, true), 19, 49},
        {"a stacked place", StackedAt(3), 5, 42},
        {"stacked, no place chosen", StackedAt(-1), 21, 21},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shown.CodeForCell(c.cellCode), c.written) << c.name;
}

TEST(TextPlacement, DialAnglesCounterClockwiseFromTheRight)
{
    const POINT centre{50, 50};
    struct Case
    {
        POINT point;
        int angle;
    } cases[] = {
        {{60, 50}, 0},   {{50, 40}, 90},  {{40, 50}, 180}, {{50, 60}, 270}, {{60, 40}, 45},  {{40, 40}, 135},
        {{40, 60}, 225}, {{60, 60}, 315}, {{60, 47}, 16},  {{60, 53}, 344}, {{50, 50}, 77}, // the centre keeps 77
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialAngleAt(c.point, centre, 77), c.angle) << c.point.x << ", " << c.point.y;
}

TEST(TextPlacement, NineStackedPlacesInThreeRows)
{
    const CRect box(10, 20, 100, 110);
    EXPECT_EQ(StackedPositionAt(box, {11, 21}), 1);
    EXPECT_EQ(StackedPositionAt(box, {50, 21}), 2);
    EXPECT_EQ(StackedPositionAt(box, {99, 21}), 3);
    EXPECT_EQ(StackedPositionAt(box, {11, 60}), 4);
    EXPECT_EQ(StackedPositionAt(box, {99, 109}), 9);
    EXPECT_EQ(StackedPositionAt(box, {100, 60}), -1);
    EXPECT_EQ(StackedPositionRect(box, 5), CRect(40, 50, 70, 80));
}

} // namespace
