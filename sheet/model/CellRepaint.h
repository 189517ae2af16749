#pragma once

// What a cell operation asks to have repainted. The control turns the requests into invalidated
// rectangles of its window; the model alone repaints nothing.

#include "sheet/model/CellTypes.h"

class ICellRepaint
{
public:
    // The cell, or the whole merge it belongs to.
    virtual void RepaintCell(CCellCoord cell) = 0;
    // The shown part of a range of cells, as one area.
    virtual void RepaintRange(const CCellRect& range) = 0;
    // The fixed-row strip across the client area and the fixed-column strip down it.
    virtual void RepaintHeaders() = 0;
    virtual void RepaintAll() = 0;

protected:
    ~ICellRepaint() = default;
};

class CNoRepaint final : public ICellRepaint
{
public:
    void RepaintCell(CCellCoord) override {}
    void RepaintRange(const CCellRect&) override {}
    void RepaintHeaders() override {}
    void RepaintAll() override {}
};
