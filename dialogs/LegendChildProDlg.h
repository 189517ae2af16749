#pragma once

// The "图标" page (dialog 292) of a legend entry's sheet (elements 21 and 22): the marker's shape,
// line style, line width and line colour, and whether a preset marker is struck through by the
// series line or circled. The page copies the entry's values when it is made; OK writes them back
// and redraws the entry, Cancel writes nothing. Default-constructed (the legend sheet of the
// control's legend command) it edits nothing.
//
// Ownership: the page borrows the control and the legend entry, which outlive the sheet's run.

#include "dialogs/ColorGridButton.h"
#include "dialogs/SheetPage.h"
#include "dialogs/StyleComboBox.h"

class CChartTextItem;
class CNorvakCtrl;

class CLegendChildProDlg : public CSheetPage
{
public:
    enum MarkerMode
    {
        Preset = 0, // decorations allowed
        Plain = 1
    };

    CLegendChildProDlg();
    CLegendChildProDlg(CNorvakCtrl* control, CChartTextItem* entry, int element);

    int GetMarkerMode() const { return m_nMarkerMode; }
    int GetMarkerShape() const { return m_nMarkerShape; }
    int GetLineStyle() const { return m_nLineStyle; }
    int GetLineWidth() const { return m_nLineWidth; }
    COLORREF GetLineColour() const { return m_crLine; }
    // The marker list's mode for the decorations: both 7, strike line 5, circle 6, none 4.
    static int MarkerListMode(BOOL strikeLine, BOOL circle);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPresetOrDecoration();
    void OnPlain();
    void EnableDecorations(bool enable) const;
    void ShowMarkerListMode(int mode);
    void NameTextTab() const;
    void ChooseFontForNothing() const;

    CColorGridButton m_colourGrid;
    CStyleComboBox m_widthCombo;
    CStyleComboBox m_styleCombo;
    CStyleComboBox m_markerCombo;
    int m_nMarkerMode = Plain;
    BOOL m_bStrikeLine = FALSE;
    BOOL m_bCircle = FALSE;
    CChartTextItem* m_pEntry = nullptr;
    int m_nMarkerShape = 0;
    int m_nLineStyle = 1;
    int m_nLineWidth = 1;
    COLORREF m_crLine = 0;
    CNorvakCtrl* m_pControl = nullptr;
    int m_nElement = -1;
};
