// The border page's choice on a page: which lines OK writes for the selected cells, in the order
// of the selection map; edges the user never set stay as they are, an edge switched off gets the
// grid's default line back, and a line that already has its value is not written again.

#include "dialogs/CellBorderChoice.h"
#include "tests/support/CellSheet.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

void PrintTo(const BorderLineWrite& w, std::ostream* out)
{
    const char* targets[] = {"bottom", "right", "top edge", "left edge"};
    *out << "{" << targets[w.target] << " " << w.row << "," << w.col << " colour " << std::hex << w.line.colour
         << std::dec << " width " << int(w.line.width) << " style " << int(w.line.style) << "}";
}

namespace {

constexpr CellLine kRed{RGB(255, 0, 0), 2, 3};
constexpr auto Bottom = BorderLineWrite::CellBottom;
constexpr auto Right = BorderLineWrite::CellRight;

struct BorderSheet : CellSheet
{
    BorderSheet() : CellSheet(6, 6, 1, 1) {}
    void Select(int r0, int c0, int r1, int c1)
    {
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                page.m_selectedCells.Add(CCellCoord(r, c));
    }
    std::vector<BorderLineWrite> Plan(const CBorderChoice& choice, const CellLine& on = kRed)
    {
        return PlanBorderWrites(page, cells, choice, on);
    }
};

CBorderChoice Outline()
{
    CBorderChoice choice;
    choice.ApplyOutline();
    return choice;
}

TEST(BorderChoice, OutlineOnOneCellWritesItsOwnLinesAndItsUpperAndLeftNeighbours)
{
    BorderSheet sheet;
    sheet.Select(2, 2, 2, 2);
    const std::vector<BorderLineWrite> expected = {
        {Bottom, 1, 2, kRed}, {Right, 2, 1, kRed}, {Bottom, 2, 2, kRed}, {Right, 2, 2, kRed}};
    EXPECT_EQ(sheet.Plan(Outline()), expected);
}

TEST(BorderChoice, ABlockGetsTheOutlineOutsideAndTheInsideChoiceBetweenItsCells)
{
    struct Case
    {
        const char* name;
        bool inside;
        std::vector<BorderLineWrite> expected;
    } cases[] = {
        {"outline only: the lines between the cells stay",
         false,
         {{Bottom, 1, 2, kRed},
          {Right, 2, 1, kRed},
          {Right, 3, 1, kRed},
          {Bottom, 3, 2, kRed},
          {Bottom, 1, 3, kRed},
          {Right, 2, 3, kRed},
          {Bottom, 3, 3, kRed},
          {Right, 3, 3, kRed}}},
        {"outline and inside",
         true,
         {{Bottom, 1, 2, kRed},
          {Right, 2, 1, kRed},
          {Bottom, 2, 2, kRed},
          {Right, 2, 2, kRed},
          {Right, 3, 1, kRed},
          {Bottom, 3, 2, kRed},
          {Right, 3, 2, kRed},
          {Bottom, 1, 3, kRed},
          {Bottom, 2, 3, kRed},
          {Right, 2, 3, kRed},
          {Bottom, 3, 3, kRed},
          {Right, 3, 3, kRed}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BorderSheet sheet;
        sheet.Select(2, 2, 3, 3);
        CBorderChoice choice = Outline();
        if (c.inside)
            choice.ApplyInside();
        EXPECT_EQ(sheet.Plan(choice), c.expected);
    }
}

TEST(BorderChoice, AnEdgeSwitchedOffReturnsToTheDefaultGridLine)
{
    BorderSheet sheet;
    sheet.Select(2, 2, 2, 2);
    ApplyBorderWrites(sheet.page, sheet.cells, sheet.Plan(Outline()));
    CBorderChoice none;
    none.ApplyNone();
    const std::vector<BorderLineWrite> writes = sheet.Plan(none);
    ASSERT_EQ(writes.size(), 4u);
    for (const BorderLineWrite& write : writes)
        EXPECT_EQ(write.line, (CellLine{0xC0C0C0, 1, 1})) << "the solid grey grid line, not an invisible one";
    ApplyBorderWrites(sheet.page, sheet.cells, writes);
    EXPECT_EQ(sheet.Cell(2, 2).GetHorLineStyle(), 1);
    EXPECT_EQ(sheet.Cell(1, 2).GetHorLineColor(), 0xC0C0C0u);
    EXPECT_EQ(sheet.Consistency(), "");
}

TEST(BorderChoice, OnlyTheEdgesTheUserSetAreWritten)
{
    BorderSheet sheet;
    sheet.Select(2, 2, 2, 2);
    sheet.Cell(2, 2).SetVerLineColor(RGB(0, 0, 255)); // a border of its own on the right
    EXPECT_TRUE(sheet.Plan(CBorderChoice()).empty()) << "nothing set, nothing written";

    CBorderChoice top;
    top.Toggle(CBorderChoice::Top);
    EXPECT_EQ(sheet.Plan(top), (std::vector<BorderLineWrite>{{Bottom, 1, 2, kRed}}));
    top.Toggle(CBorderChoice::Top);
    EXPECT_TRUE(sheet.Plan(top).empty()) << "set on and off again: the default line it already has";
    EXPECT_EQ(sheet.Cell(2, 2).GetVerLineColor(), RGB(0, 0, 255));

    CBorderChoice diagonals;
    diagonals.Toggle(CBorderChoice::DiagonalUp);
    diagonals.Toggle(CBorderChoice::DiagonalDown);
    EXPECT_TRUE(sheet.Plan(diagonals).empty()) << "the diagonals are only shown";
}

TEST(BorderChoice, ALineAlreadyAsChosenIsNotWrittenAgain)
{
    BorderSheet sheet;
    sheet.Select(1, 1, 4, 4);
    CBorderChoice choice = Outline();
    choice.ApplyInside();
    ApplyBorderWrites(sheet.page, sheet.cells, sheet.Plan(choice));
    EXPECT_TRUE(sheet.Plan(choice).empty());
}

TEST(BorderChoice, RowZeroAndColumnZeroUseThePageEdgeLinesWhereTheyExist)
{
    BorderSheet sheet;
    sheet.Select(0, 0, 0, 1);
    sheet.page.m_topEdgeLines.resize(1); // column 1 has no entry above row 0
    const std::vector<BorderLineWrite> writes = sheet.Plan(Outline());
    const std::vector<BorderLineWrite> expected = {{BorderLineWrite::TopEdge, 0, 0, kRed},
                                                   {BorderLineWrite::LeftEdge, 0, 0, kRed},
                                                   {Bottom, 0, 0, kRed},
                                                   {Bottom, 0, 1, kRed},
                                                   {Right, 0, 1, kRed}};
    EXPECT_EQ(writes, expected);
    ApplyBorderWrites(sheet.page, sheet.cells, writes);
    EXPECT_EQ(sheet.page.m_topEdgeLines[0].crColor, kRed.colour);
    EXPECT_EQ(sheet.page.m_leftEdgeLines[0].width, kRed.width);
    EXPECT_EQ(sheet.page.m_leftEdgeLines[1].crColor, kDefaultLineColor) << "row 1 is not selected";
}

} // namespace
