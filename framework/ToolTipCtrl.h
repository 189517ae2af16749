#pragma once

// The system's tooltip control: tools are rectangles of a window, each with an id and a text
// (code page 936). The owner relays its mouse messages with RelayEvent, usually from its
// PreTranslateMessage.
//
// Ownership: the tooltip window belongs to this object and goes with it.

#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd
{
public:
    bool Create(HWND owner, DWORD style = 0);
    bool AddTool(HWND window, const CString& text, const RECT& rect, UINT_PTR id) const;
    void DelTool(HWND window, UINT_PTR id) const;
    void SetToolRect(HWND window, UINT_PTR id, const RECT& rect) const;
    int GetToolCount() const;
    void Activate(bool active) const;
    void RelayEvent(MSG* msg) const;
};
