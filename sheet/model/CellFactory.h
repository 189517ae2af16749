#pragma once

// How the row and column operations make and unmake cells. The control implements it with its
// overridable CreateCell and EmptyCell, so a derived control can supply cells of its own.

#include "sheet/model/NorvakCell.h"

#include <memory>

class CNorvakPage;
class CNorvakPageCells;

class ICellFactory
{
public:
    // A new cell for (row, column) of the page; null refuses, and the operation then fails.
    virtual std::unique_ptr<CNorvakCell> CreateCell(int page, int row, int col) = 0;
    // Runs for every cell just before it is deleted, while (row, column) still names it.
    virtual void EmptyCell(int page, CNorvakCell& cell, int row, int col) = 0;

protected:
    ~ICellFactory() = default;
};

namespace SheetModel {

// A cell with the defaults; below row 0, inside the stored column count, it takes the text format
// of the cell above (a missing cell above gives -1).
std::unique_ptr<CNorvakCell> NewDefaultCell(const CNorvakPage& page, const CNorvakPageCells& cells, int row,
                                            int col);

} // namespace SheetModel

// The plain model's factory: default cells, and emptying that clears the state word and the text.
class CDefaultCellFactory : public ICellFactory
{
public:
    CDefaultCellFactory(const CNorvakPage& page, const CNorvakPageCells& cells) : m_page(page), m_cells(cells)
    {
    }
    std::unique_ptr<CNorvakCell> CreateCell(int page, int row, int col) override;
    void EmptyCell(int page, CNorvakCell& cell, int row, int col) override;

private:
    const CNorvakPage& m_page;
    const CNorvakPageCells& m_cells;
};
