#pragma once

// The drop-down picker under the tool bar buttons for borders, fill colour, text colour and line
// colour (dialog 176, modeless, owned by the main frame). A click chooses, applies the choice to
// the selected cells of the active page and hides the popup; so does losing the focus, without a
// choice. CPickerPanel is the plain window beside it.
//
// Ownership: the main frame owns the popup.

#include "framework/Dialog.h"

#include <commctrl.h>
#include "host/model/PickerLayout.h"

class CNorvak;

class CPickerPopup : public CDialog
{
public:
    CPickerPopup();
    ~CPickerPopup() override;

    // Stores the mode and the current item; the hot item is forgotten.
    void SetMode(PickerMode mode, int item);
    PickerMode Mode() const { return m_mode; }
    int CurrentItem() const { return m_current; }
    // Puts the current choice on the selected cells of the active page.
    void Apply();
    // The same on a given control (the active one for Apply).
    void ApplyTo(const CNorvak& control);

    COLORREF m_fillColour = 0xFFFFFFFF;
    COLORREF m_textColour = 0xFF000000;
    COLORREF m_lineColour = 0xFF000000;
    COLORREF m_customColour = 0;
    int m_borderType = 22;

    // The click on item, as the mouse gives it (tests call it directly).
    void Choose(int item);

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    void ApplyBorders(const CNorvak& control);
    CRect HotRect(int item) const;

    HIMAGELIST m_images = nullptr;
    PickerMode m_mode = PickerMode::Borders;
    int m_current = -1;
    int m_hot = kPickerNoItem;
};

class CPickerPanel : public CWnd
{
public:
    bool Create(HWND parent, const RECT& rect, UINT id);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
};
