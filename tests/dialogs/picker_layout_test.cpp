// The pickers without windows: the popup's grid, boxes and arrow-key wrap, the line lists, where
// the popup goes on the screen, and the colour grid button's swatches and hit test.

#include "dialogs/ColorGridLayout.h"
#include "dialogs/ColourPopupLayout.h"
#include "dialogs/PickerColours.h"
#include "tests/support/GeometryPrint.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int D = CColourPopupGrid::kDefault;
constexpr int C = CColourPopupGrid::kCustom;
constexpr int N = CColourPopupGrid::kNone;

CColourPopupGrid Grid(bool hasDefault, bool hasCustom)
{
    CColourPopupGrid::Metrics metrics;
    metrics.cellSize = 18;
    metrics.margin = 2;
    metrics.textHeight = 12;
    metrics.textWidth = 30;
    metrics.hasDefault = hasDefault;
    metrics.hasCustom = hasCustom;
    return CColourPopupGrid(metrics);
}

TEST(ColourPopupGrid, BoxesSitAboveAndBelowTheCells)
{
    // s 18, m 2, T 12: each box is T + 5m + 2 = 24 high; the window grows by 2m + 24 per box.
    const CColourPopupGrid both = Grid(true, true);
    EXPECT_EQ(both.WindowSize().cx, 148);
    EXPECT_EQ(both.WindowSize().cy, 150);
    EXPECT_EQ(both.DefaultBox(), CRect(2, 2, 146, 26));
    EXPECT_EQ(both.CustomBox(), CRect(2, 122, 146, 146));
    EXPECT_EQ(both.CellRect(0), CRect(2, 28, 20, 46));
    EXPECT_EQ(both.CellRect(39), CRect(128, 100, 146, 118));

    const CColourPopupGrid none = Grid(false, false);
    EXPECT_EQ(none.WindowSize().cy, 94);
    EXPECT_TRUE(none.DefaultBox().IsRectEmpty());
    EXPECT_EQ(none.CellRect(0), CRect(2, 2, 20, 20));
    EXPECT_EQ(none.CellRect(40), CRect()) << "no 41st cell";
}

TEST(ColourPopupGrid, HitTestFindsWhatIsDrawn)
{
    const CColourPopupGrid grid = Grid(true, true);
    struct Case
    {
        POINT point;
        int index;
    } cases[] = {
        {{10, 10}, D},  {{10, 130}, C}, {{3, 29}, 0},   {{19, 45}, 0}, {{21, 29}, 1},
        {{145, 117}, 39}, {{1, 40}, N}, {{147, 40}, N}, {{10, 27}, N}, // margins and the gap under the box
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid.HitTest(c.point), c.index) << c.point.x << ", " << c.point.y;
    EXPECT_EQ(Grid(false, false).HitTest({10, 10}), 0) << "without a default box the cells start at the top";
}

TEST(ColourPopupGrid, IndexFromRowAndColumn)
{
    const CColourPopupGrid both = Grid(true, true);
    const CColourPopupGrid none = Grid(false, false);
    EXPECT_EQ(both.IndexAt(C, 3), C);
    EXPECT_EQ(both.IndexAt(2, D), D);
    EXPECT_EQ(none.IndexAt(C, 3), N) << "no custom box";
    EXPECT_EQ(none.IndexAt(D, 0), N) << "no default box";
    EXPECT_EQ(both.IndexAt(4, 7), 39);
    EXPECT_EQ(both.IndexAt(5, 0), N);
    EXPECT_EQ(both.IndexAt(0, 8), N);
}

struct Move
{
    int from;
    unsigned key;
    int to;
};

void ExpectMoves(const CColourPopupGrid& grid, const std::vector<Move>& moves)
{
    for (const Move& m : moves)
        EXPECT_EQ(grid.Move(m.from, m.key), m.to) << "from " << m.from << " key " << m.key;
}

TEST(ColourPopupGrid, ArrowKeysWrapThroughBothBoxes)
{
    ExpectMoves(Grid(true, true), {
                                      {D, VK_DOWN, 0},   {C, VK_DOWN, D},   {0, VK_DOWN, 8},   {35, VK_DOWN, C},
                                      {D, VK_UP, C},     {C, VK_UP, 39},    {8, VK_UP, 0},     {3, VK_UP, D},
                                      {D, VK_RIGHT, 0},  {C, VK_RIGHT, D},  {7, VK_RIGHT, 8},  {39, VK_RIGHT, C},
                                      {D, VK_LEFT, C},   {C, VK_LEFT, 39},  {8, VK_LEFT, 7},   {0, VK_LEFT, D},
                                      {N, VK_DOWN, 0},   {N, VK_RIGHT, 0},  {N, VK_UP, 39},    {N, VK_LEFT, 39},
                                      {5, VK_HOME, 5},
                                  });
}

TEST(ColourPopupGrid, WithoutBoxesTheKeysWrapFromTheLastCellToTheFirst)
{
    ExpectMoves(Grid(false, false), {{35, VK_DOWN, 0}, {3, VK_UP, 39}, {39, VK_RIGHT, 0}, {0, VK_LEFT, 39}});
}

TEST(ColourPopupGrid, WithOneBoxTheKeysSkipTheMissingOne)
{
    ExpectMoves(Grid(true, false), {{39, VK_DOWN, D}, {D, VK_UP, 39}, {39, VK_RIGHT, D}, {D, VK_LEFT, 39},
                                    {0, VK_LEFT, D}, {3, VK_UP, D}});
    ExpectMoves(Grid(false, true), {{C, VK_DOWN, 0}, {C, VK_RIGHT, 0}, {3, VK_UP, C}, {0, VK_LEFT, C},
                                    {C, VK_LEFT, 39}, {39, VK_DOWN, C}});
}

TEST(LinePopupRows, RowsAroundTheCentredSampleAndWrappingKeys)
{
    const CLinePopupRows styles(15, 16, 120);
    EXPECT_EQ(styles.SampleLeft(), 20);
    EXPECT_EQ(styles.RowRect(0), CRect(15, 10, 105, 26));
    EXPECT_EQ(styles.RowRect(14), CRect(15, 234, 105, 250));
    EXPECT_EQ(styles.RowAt({50, 30}), 1);
    EXPECT_EQ(styles.RowAt({10, 30}), -1) << "left of the highlight";
    EXPECT_EQ(styles.Move(14, VK_DOWN), 0);
    EXPECT_EQ(styles.Move(0, VK_UP), 14);
    const CLinePopupRows widths(5, 20, 100);
    EXPECT_EQ(widths.Move(4, VK_DOWN), 0);
    EXPECT_EQ(widths.Move(0, VK_UP), 4);
    EXPECT_EQ(widths.Move(2, VK_LEFT), 2);
}

TEST(PopupPlacement, StaysOnTheScreenAndOpensAboveTheButtonAtTheBottom)
{
    const SIZE screen{1024, 768};
    const CRect button(100, 710, 190, 740);
    struct Case
    {
        const char* name;
        CRect window;
        CRect expected;
    } cases[] = {
        {"fits", CRect(100, 300, 248, 450), CRect(100, 300, 248, 450)},
        {"past the bottom: above the button", CRect(100, 740, 248, 890), CRect(100, 560, 248, 710)},
        {"past the right edge", CRect(950, 100, 1098, 250), CRect(876, 100, 1024, 250)},
        {"past the left edge", CRect(-20, 100, 128, 250), CRect(0, 100, 148, 250)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepPopupOnScreen(c.window, button, screen), c.expected) << c.name;
}

TEST(ColorGridLayout, SwatchesRowsAndTheWiderGap)
{
    const CColorGridLayout layout(CRect(0, 0, 160, 170));
    EXPECT_EQ(layout.Swatch(0), CRect(4, 4, 18, 18));
    EXPECT_EQ(layout.Swatch(7), CRect(130, 4, 144, 18));
    EXPECT_EQ(layout.Swatch(8), CRect(4, 22, 18, 36));
    EXPECT_EQ(layout.Swatch(32), CRect(4, 76, 18, 90));
    EXPECT_EQ(layout.Swatch(40), CRect(4, 100, 18, 114)) << "10 px between rows 4 and 5";
    EXPECT_EQ(layout.Swatch(55), CRect(130, 118, 144, 132));
    EXPECT_EQ(layout.Separator(), CRect(4, 94, 144, 96));

    const CColorGridLayout narrow(CRect(0, 0, 100, 110));
    EXPECT_EQ(narrow.Swatch(4), CRect(76, 4, 90, 18));
    EXPECT_TRUE(narrow.Swatch(5).IsRectEmpty()) << "would pass the right edge";
    EXPECT_TRUE(narrow.Swatch(48).IsRectEmpty()) << "would pass the bottom edge";
}

TEST(ColorGridLayout, TheOtherColourCellIsHitWhereItIsDrawn)
{
    const CColorGridLayout layout(CRect(0, 0, 160, 170));
    struct Case
    {
        POINT point;
        int index;
    } cases[] = {
        {{5, 5}, 0},    {{19, 5}, -1},   {{135, 125}, 55}, {{50, 150}, 56},
        {{50, 158}, 56}, // drawn, below the rectangle once used for hitting it
        {{50, 137}, -1}, // above the drawn cell
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout.HitTest(c.point), c.index) << c.point.x << ", " << c.point.y;
}

TEST(PickerColours, TablesAndTheirFirstIndexOfAColour)
{
    EXPECT_EQ(PickerColours::kPopup[39].colour, RGB(255, 255, 255));
    EXPECT_STREQ(PickerColours::kPopup[35].name, "暗绿色 ");
    EXPECT_EQ(PickerColours::IndexOf(PickerColours::kGridPalette, RGB(0, 0, 128)), 5) << "the first of two";
    EXPECT_EQ(PickerColours::IndexOf(PickerColours::kGridPalette, RGB(1, 2, 3)), -1);
    EXPECT_EQ(PickerColours::IndexOf(PickerColours::kCombo, RGB(192, 192, 192)), 8);
}

} // namespace
