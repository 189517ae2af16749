#pragma once

// Fills as the fill handle makes them: the source text copied into the cells of the drag, then the
// series engine. Expected texts are code page 936 bytes, compared byte for byte.

#include "autofill/series/FillSeries.h"
#include "tests/support/FillCellsGrid.h"
#include "tests/support/Utf8Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

enum class Drag
{
    Down,
    Up,
    Right,
    Left
};

struct SeriesRow
{
    const char* source;
    Drag drag;
    std::vector<std::string> expected; // the cells of the drag, the nearest to the source first
    int result = 1;
};

// Drags a cell in the middle of a page of "row:column" texts over the cells of row.expected and
// checks the engine's result, the texts of the drag, and that nothing else changed.
inline void ExpectSeries(const SeriesRow& row)
{
    constexpr int kSize = 41;
    constexpr int kMiddle = 20;
    const int count = int(row.expected.size());
    ASSERT_LE(count, kMiddle);
    const int rowStep = row.drag == Drag::Down ? 1 : row.drag == Drag::Up ? -1 : 0;
    const int colStep = row.drag == Drag::Right ? 1 : row.drag == Drag::Left ? -1 : 0;
    const CFillRange source{kMiddle, kMiddle, kMiddle, kMiddle};
    const CFillRange target{kMiddle + std::min(rowStep, 0) * count, kMiddle + std::min(colStep, 0) * count,
                            kMiddle + std::max(rowStep, 0) * count, kMiddle + std::max(colStep, 0) * count};

    FillCellsGrid grid(kSize, kSize);
    for (int r = 0; r < kSize; ++r)
        for (int c = 0; c < kSize; ++c)
            grid.SetCellText(r, c, CString((std::to_string(r) + ":" + std::to_string(c)).c_str()));
    for (int step = 0; step <= count; ++step)
        grid.SetCellText(kMiddle + step * rowStep, kMiddle + step * colStep, row.source);
    std::vector<CString> others = grid.Texts();

    const int result = DetectFillSeries(grid, source, target);

    std::vector<std::string> got;
    for (int step = 1; step <= count; ++step) {
        const int r = kMiddle + step * rowStep;
        const int c = kMiddle + step * colStep;
        got.push_back(grid.GetCellText(r, c).str());
        others[size_t(r * kSize + c)] = grid.GetCellText(r, c);
    }
    SCOPED_TRACE(Utf8(row.source));
    EXPECT_EQ(result, row.result);
    EXPECT_TRUE(got == row.expected) << "got      " << Utf8(got) << "\nexpected " << Utf8(row.expected);
    EXPECT_TRUE(grid.Texts() == others) << "a cell outside the drag changed";
}

inline void ExpectSeriesTable(const std::vector<SeriesRow>& rows)
{
    for (const SeriesRow& row : rows)
        ExpectSeries(row);
}
