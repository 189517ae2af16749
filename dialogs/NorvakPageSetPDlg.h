#pragma once

// The control's page-setup property page (dialog 372), shown by containers in their property
// frames beside the general page: the cell line's style, width and colour in three picture boxes,
// the page's row and column counts, its header counts and a background picture. Nothing on it is
// exchanged with the control, so it never has anything to apply.

#include "dialogs/StyleComboBox.h"
#include "framework/OlePropertyPage.h"

class CNorvakPageSetPDlg : public COlePropertyPage
{
public:
    CNorvakPageSetPDlg();
    // A new page with one reference, or none when memory ran out; its class factory's creator.
    static IUnknown* CreateObject() { return CreatePropertyPage<CNorvakPageSetPDlg>(); }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;

private:
    CStyleComboBox m_lineStyleCombo;
    CStyleComboBox m_lineWidthCombo;
    CStyleComboBox m_lineColourCombo;
};
