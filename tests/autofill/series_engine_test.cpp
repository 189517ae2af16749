// The series engine's walk over the target cells, its refusals, and the trailing number that ends
// the chain of recognisers.

#include "tests/support/SeriesFill.h"

namespace {

// Every example the trailing number is documented with, byte for byte.
TEST(SeriesEngine, TrailingNumberExamples)
{
    ExpectSeriesTable({
        {"12", Drag::Down, {"13", "14"}},
        {"第1组", Drag::Down, {"第2组", "第3组"}},
        {"A9", Drag::Down, {"A10"}},
        {"3", Drag::Up, {"2", "1", "0", "-1"}},
        {"007", Drag::Down, {"008", "009", "0010"}},
        {"abc", Drag::Down, {"abc", "abc"}, 0},
        {"Item 10 of 20", Drag::Down, {"Item 10 of 21", "Item 10 of 22"}},
        {"2.5", Drag::Down, {"2.6", "2.7", "2.8", "2.9", "2.10"}},
        {"1", Drag::Up, {"0", "-1"}},
        {"x1", Drag::Left, {"x0", "x-1"}},
        {" \t第1组  ", Drag::Down, {"第2组"}},
    });
}

TEST(SeriesEngine, TrailingNumbersBeyondTheExamples)
{
    ExpectSeriesTable({
        {"第1组", Drag::Right, {"第2组", "第3组"}},
        {" abc ", Drag::Right, {" abc "}, 0},
        // Numbers beyond 32 bits count on; longer digit strings than 64 bits hold are copied.
        {"13800138000", Drag::Down, {"13800138001", "13800138002"}},
        {"No.2147483647", Drag::Down, {"No.2147483648"}},
        {"1234567890123456789", Drag::Down, {"1234567890123456789"}, 0},
    });
}

// A fill from the corner away from the dragged side leaves the source out of the target: the line
// then starts right next to it, and runs the same series.
TEST(SeriesEngine, TargetsNextToTheSource)
{
    struct Case
    {
        CFillRange target;
        std::vector<std::string> texts; // the target's cells from its first row or column
    } cases[] = {
        {{3, 2, 5, 2}, {"13", "14", "15"}},
        {{0, 2, 1, 2}, {"10", "11"}},
        {{2, 3, 2, 3}, {"13"}},
        {{2, 0, 2, 1}, {"10", "11"}},
    };
    for (const Case& c : cases) {
        FillCellsGrid grid(8, 4);
        grid.SetCellText(2, 2, "12");
        EXPECT_EQ(DetectFillSeries(grid, {2, 2, 2, 2}, c.target), 1);
        std::vector<std::string> got;
        for (int row = c.target.minRow; row <= c.target.maxRow; ++row)
            for (int col = c.target.minCol; col <= c.target.maxCol; ++col)
                got.push_back(grid.GetCellText(row, col).str());
        EXPECT_EQ(got, c.texts);
        EXPECT_TRUE(grid.GetCellText(2, 2) == "12");
    }
}

// Sources and targets the engine leaves alone: a page of texts, the engine's result, and the page
// compared whole afterwards.
TEST(SeriesEngine, TargetsNotFilled)
{
    struct Case
    {
        const char* what;
        CFillRange source;
        CFillRange target;
        const char* text;
        int result;
    } cases[] = {
        {"target is the source", {2, 2, 2, 2}, {2, 2, 2, 2}, "12", 1},
        {"empty text", {2, 2, 2, 2}, {2, 2, 6, 2}, "", 1},
        {"blank text", {2, 2, 2, 2}, {2, 2, 6, 2}, " \t ", 1},
        {"source outside the page", {9, 2, 9, 2}, {9, 2, 12, 2}, "12", 0},
        {"block target", {2, 2, 2, 2}, {2, 2, 4, 3}, "12", 0},
        {"target beside the source", {2, 2, 2, 2}, {2, 3, 5, 3}, "12", 0},
        {"source inside the target", {2, 2, 2, 2}, {0, 2, 4, 2}, "12", 0},
        {"block source", {2, 2, 3, 2}, {2, 2, 6, 2}, "12", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FillCellsGrid grid(8, 4);
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 4; ++col)
                grid.SetCellText(row, col, "5");
        grid.SetCellText(c.source.minRow, c.source.minCol, c.text);
        const std::vector<CString> before = grid.Texts();
        EXPECT_EQ(DetectFillSeries(grid, c.source, c.target), c.result);
        EXPECT_TRUE(grid.Texts() == before);
    }
}

} // namespace
