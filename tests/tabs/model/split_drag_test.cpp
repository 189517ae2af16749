// The dragged split box stays between the arrows and 56 pixels from the control's right edge, and
// reaches a limit the pointer passed.

#include "tabs/model/SplitDrag.h"

#include <gtest/gtest.h>

TEST(SplitDrag, ClampedToTheBand)
{
    struct
    {
        int x, arrowsRight, clientRight;
        std::optional<int> left;
    } const rows[] = {
        {200, 68, 400, 200},  // free
        {68, 68, 400, 69},    // on the arrows
        {-500, 68, 400, 69},  // far past them
        {-5, 0, 400, 1},      // the arrow bar hidden: the control's left edge
        {344, 34, 400, 344},  // at the right limit
        {345, 34, 400, 344},  // past it
        {9000, 34, 400, 344}, // far past it
        {50, 68, 100, std::nullopt}, // no room at all
    };
    for (const auto& row : rows)
        EXPECT_EQ(SplitDrag::Clamp(row.x, row.arrowsRight, row.clientRight), row.left) << row.x;
}
