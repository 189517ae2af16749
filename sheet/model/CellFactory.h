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
    // Runs for every own cell just before it is deleted, while (row, column) still names it.
    virtual void EmptyCell(int page, CNorvakCell& cell, int row, int col) = 0;
    // True when CreateCell makes what NewDefaultCell makes: the operations then leave a new cell
    // that would hold only the defaults without a record, and ask for a cell only where it takes
    // another text format from the cell above. Cells of any other factory are all kept as made.
    virtual bool MakesPlainCells() const { return false; }

protected:
    ~ICellFactory() = default;
};

namespace SheetModel {

// The text format a new cell at (row, column) takes: below row 0, inside the stored column count,
// that of the cell above (-1 when there is none), else the default.
WORD NewCellTextFormat(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col);
// A cell with the defaults and that text format. May throw std::bad_alloc.
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
    bool MakesPlainCells() const override { return true; }

private:
    const CNorvakPage& m_page;
    const CNorvakPageCells& m_cells;
};
