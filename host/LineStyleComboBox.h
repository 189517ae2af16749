#pragma once

// The line-style (mode 0) and line-width (mode 1) boxes of the line tool bar: owner-drawn lists of
// the 15 named line styles or the six widths, each with a sample line. A new choice is announced
// to the parent (WM_USER + 1007 with the style and 1, WM_USER + 1008 with the width and the box's
// id); the border picker reads only the current selection.

#include "framework/Controls.h"

class CLineStyleComboBox : public CComboBox
{
public:
    explicit CLineStyleComboBox(int mode) : m_mode(mode) {}
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    int m_mode;
};
