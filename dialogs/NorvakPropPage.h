#pragma once

// The control's general property page (dialog 200, "General"), shown by containers in their
// property frames: the border style of the control's window, exchanged with its WindowBorderStyle
// property, and nine colour boxes for the headers and cells, which carry nothing to the control.

#include "dialogs/StyleComboBox.h"
#include "framework/Controls.h"
#include "framework/OlePropertyPage.h"

#include <array>

class CNorvakPropPage : public COlePropertyPage
{
public:
    CNorvakPropPage();
    // A new page with one reference, or none when memory ran out; its class factory's creator.
    static IUnknown* CreateObject() { return CreatePropertyPage<CNorvakPropPage>(); }

    int GetBorderStyleIndex() const { return m_nBorderStyle; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CComboBox m_borderStyleCombo;
    std::array<CStyleComboBox, 9> m_colourCombos;
    int m_nBorderStyle = -1; // the index of the border style list, = WindowBorderStyle
};
