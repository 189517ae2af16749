#pragma once

// Where a font object finds the record it reads and changes: asked again at every call, so a record
// that has gone (the row of its cell removed, its page deleted) is seen as gone and never touched.
//
// Ownership: owned by the font object it is bound to; it owns nothing it points at, and its owner
// unbinds it before what it points at can go (the control's end).

#include "sheet/model/CellTypes.h"

#include <windows.h>

class CFontRecordPlace
{
public:
    virtual ~CFontRecordPlace() = default;
    // The record for the call under way only; null when it is gone.
    virtual const CFontRecord* Read() = 0;
    virtual CFontRecord* Edit() = 0;
    // Keeps what the call changed through Edit.
    virtual void Commit() {}
    // The window that shows the record; null: none to repaint.
    virtual HWND Window() const = 0;
};
