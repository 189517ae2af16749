#pragma once

// The control's automation objects (the cell, range, tab title and tab arrow objects), one of each
// kind per control, made by the automation library, which is built after the sheet engine: the control
// reaches them through this interface and a factory the library installs when the module starts.
//
// Ownership: the control owns its CControlObjects; destroying it detaches every object, so a client
// that still holds one gets failure values from it and may release it safely later.

#include <windows.h>
#include <oaidl.h>

#include <memory>

class CNorvakCtrl;

class CControlObjects
{
public:
    virtual ~CControlObjects() = default;
    // Each re-binds the single object of its kind and returns its IDispatch with one reference
    // added, so a pointer handed out earlier sees the new binding.
    virtual IDispatch* BindCell(int page, int row, int col, BOOL followFocus) = 0;
    virtual IDispatch* BindRange(int page, int minRow, int minCol, int maxRow, int maxCol) = 0;
    // The objects of the control's tab strip and arrow bar.
    virtual IDispatch* BindTabTitle() = 0;
    virtual IDispatch* BindTabArrow() = 0;
};

using ControlObjectsFactory = std::unique_ptr<CControlObjects> (*)(CNorvakCtrl& control);

void SetControlObjectsFactory(ControlObjectsFactory factory);
// None when no factory was installed.
std::unique_ptr<CControlObjects> MakeControlObjects(CNorvakCtrl& control);
