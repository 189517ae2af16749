#pragma once

// A page with its cell table for tests of the cell operations: cells hold "row:column" so that
// moves show, and a repaint sink records what the operations asked to have repainted.

#include "sheet/model/CellRepaint.h"
#include "sheet/model/RowColumnOps.h"
#include "tests/support/PageConsistency.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct CellSheet
{
    CNorvakPage page{0, "Sheet1", 0};
    CNorvakPageCells cells{0};
    CDefaultCellFactory factory{page, cells};

    explicit CellSheet(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0)
    {
        EXPECT_TRUE(SheetModel::SetColumnCount(page, cells, cols, factory).bOk);
        EXPECT_TRUE(SheetModel::SetRowCount(page, cells, rows, factory).bOk);
        EXPECT_TRUE(SheetModel::SetFixedRowCount(page, cells, fixedRows, factory).bOk);
        EXPECT_TRUE(SheetModel::SetFixedColumnCount(page, cells, fixedCols, factory).bOk);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < cols; ++col)
                Cell(row, col).SetText((std::to_string(row) + ":" + std::to_string(col)).c_str());
    }

    CNorvakCell& Cell(int row, int col)
    {
        CNorvakCell* cell = cells.EditCell(row, col);
        EXPECT_NE(cell, nullptr) << row << ", " << col;
        return *cell;
    }
    std::string Text(int row, int col) { return Cell(row, col).GetTextPtr(); }
    std::string Consistency() const { return CheckPageConsistency(page, cells); }
};

struct RecordingRepaint final : ICellRepaint
{
    std::vector<CCellCoord> cells;
    std::vector<CCellRect> ranges;
    int headers = 0;
    int all = 0;

    void RepaintCell(CCellCoord cell) override { cells.push_back(cell); }
    void RepaintRange(const CCellRect& range) override { ranges.push_back(range); }
    void RepaintHeaders() override { ++headers; }
    void RepaintAll() override { ++all; }
};
