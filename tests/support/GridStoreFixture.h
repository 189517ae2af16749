#pragma once

// A grid's cells and selection without a window: default cells, a record of the cells emptied,
// and a view that records redraws and owner notifications.

#include "gridwnd/GridSelection.h"
#include "tests/support/GridMergeMarks.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

class RecordingCellFactory : public IGridCellFactory
{
public:
    std::unique_ptr<CGridCell> CreateCell(int row, int col) override
    {
        if (refuseAt == CCellCoord(row, col))
            return nullptr;
        return NewDefaultGridCell(*store, row, col);
    }
    void EmptyCell(CGridCell& cell, int row, int col) override
    {
        emptied.emplace_back(row, col);
        EmptyGridCell(cell);
    }

    const CGridCellStore* store = nullptr;
    CCellCoord refuseAt;
    std::vector<CCellCoord> emptied;
};

class RecordingSelectionView : public IGridSelectionView
{
public:
    void RedrawGridCell(CCellCoord cell, bool) override { redrawn.push_back(cell); }
    void RedrawGridCells(const std::vector<CCellRect>& ranges, bool) override
    {
        for (const CCellRect& r : ranges)
            for (int row = r.minRow; row <= r.maxRow; ++row)
                for (int col = r.minCol; col <= r.maxCol; ++col)
                    redrawn.emplace_back(row, col);
    }
    LRESULT NotifyGridOwner(int row, int col, int code) override
    {
        notices.emplace_back(row, col, code);
        return 0;
    }

    std::vector<CCellCoord> redrawn;
    std::vector<std::tuple<int, int, int>> notices;
};

struct GridStore
{
    GridStore(int rows, int cols, int fixedRows = 0, int fixedCols = 0)
    {
        factory.store = &store;
        EXPECT_TRUE(store.SetRowCount(rows));
        EXPECT_TRUE(store.SetColumnCount(cols));
        EXPECT_TRUE(store.SetFixedRowCount(fixedRows));
        EXPECT_TRUE(store.SetFixedColumnCount(fixedCols));
    }

    void Merge(int r0, int c0, int r1, int c1) { MarkGridMerge(store, r0, c0, r1, c1); }

    WORD State(int row, int col) const { return store.GetCell(row, col)->nState; }
    // The cells whose state holds the bits, row by row.
    std::vector<CCellCoord> CellsWith(WORD bits) const
    {
        std::vector<CCellCoord> cells;
        for (int row = 0; row < store.GetRowCount(); ++row)
            for (int col = 0; col < store.GetColumnCount(); ++col)
                if ((State(row, col) & bits) == bits)
                    cells.emplace_back(row, col);
        return cells;
    }

    RecordingCellFactory factory;
    CGridCellStore store{factory};
    RecordingSelectionView view;
    CGridSelection selection{store, view};
};

inline void PrintTo(const CCellCoord& cell, std::ostream* os)
{
    *os << "(" << cell.row << ", " << cell.col << ")";
}

inline void PrintTo(const CCellRect& r, std::ostream* os)
{
    *os << "(" << r.minRow << ", " << r.minCol << ")-(" << r.maxRow << ", " << r.maxCol << ")";
}
