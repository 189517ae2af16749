// The arrow bar's numbering: the arrow under a point, the page each arrow goes to, the current
// arrow in each mode, and the status area's left edge.

#include "tabs/model/ArrowBarModel.h"

#include <gtest/gtest.h>

using namespace ArrowBarModel;

TEST(ArrowBarModel, ArrowUnderAPointTruncatesTowardZero)
{
    struct
    {
        int x, index;
        int kindOfTwo, kindOfFour;
    } const rows[] = {
        {0, 0, kPrevious, kFirst},  {1, 0, kPrevious, kFirst},  {17, 0, kPrevious, kFirst},
        {18, 1, kNext, kPrevious},  {34, 1, kNext, kPrevious},  {35, 2, -1, kNext},
        {52, 3, -1, kLast},         {68, 3, -1, kLast},         {69, 4, -1, -1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ArrowIndexAt(row.x), row.index) << row.x;
        EXPECT_EQ(KindAt(row.index, true), row.kindOfTwo) << row.x;
        EXPECT_EQ(KindAt(row.index, false), row.kindOfFour) << row.x;
    }
}

TEST(ArrowBarModel, TargetsAndWhetherAnArrowActs)
{
    struct
    {
        int kind, active, count, target;
        bool acts;
    } const rows[] = {
        {kFirst, 2, 5, 0, true},    {kPrevious, 2, 5, 1, true}, {kNext, 2, 5, 3, true}, {kLast, 2, 5, 4, true},
        {kFirst, 0, 5, 0, false},   {kPrevious, 0, 5, -1, false}, {kNext, 4, 5, 5, false}, {kLast, 4, 5, 4, false},
        {kNext, 0, 1, 1, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TargetPage(row.kind, row.active, row.count), row.target) << row.kind << " at " << row.active;
        EXPECT_EQ(CanAct(row.kind, row.active, row.count), row.acts) << row.kind << " at " << row.active;
    }
}

TEST(ArrowBarModel, CurrentArrowNumbering)
{
    // 3-D mode numbers the pressed cell; flat mode the arrow's kind, 1 and 2 with two arrows.
    struct
    {
        int index;
        bool two, flat;
        int current, kind;
    } const rows[] = {
        {0, true, false, 0, kPrevious}, {1, true, false, 1, kNext},   {0, true, true, 1, kPrevious},
        {1, true, true, 2, kNext},      {0, false, false, 0, kFirst}, {3, false, false, 3, kLast},
        {2, false, true, 2, kNext},
    };
    for (const auto& row : rows) {
        const int current = CurrentArrow(row.index, row.two, row.flat);
        EXPECT_EQ(current, row.current) << row.index << row.two << row.flat;
        EXPECT_EQ(KindOfCurrent(current, row.two, row.flat), row.kind) << row.index << row.two << row.flat;
    }
}

TEST(ArrowBarModel, StatusAreaNeverStartsLeftOfTheArrows)
{
    EXPECT_EQ(StatusAreaLeft(300, 100, true, false), 172);
    EXPECT_EQ(StatusAreaLeft(300, 100, false, false), 300);
    EXPECT_EQ(StatusAreaLeft(120, 100, true, false), 68);
    EXPECT_EQ(StatusAreaLeft(120, 100, true, true), 34);
}
