#pragma once

// The "数据" page (dialog 204) of the chart settings sheet: which cells feed the chart. The whole
// page, the current selection, or a custom range: rows "从行:" to "到:" below the fixed rows and
// the data columns checked in the list (one item per column, captioned by its header cell). Every
// change rebuilds the series of the control's active page at once and redraws the sheet's preview;
// OK stores the source settings in the page.
//
// Ownership: the page owns its custom column list.

#include "dialogs/SheetPage.h"

#include <vector>

class CChartDataPrdlg : public CSheetPage
{
public:
    CChartDataPrdlg();

    int GetMode() const { return m_nMode; }
    const std::vector<int>& GetCustomColumns() const { return m_customColumns; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void OnOK() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FillColumnList();
    void ReadSettings();
    void OnCommand(int id, int code);
    // The whole page or the selection, without lists.
    void UseSourceWithoutLists();
    // The rows of the two edits, as typed.
    void UseTypedRows();
    void ApplyCustomRange(int first, int last);
    void CheckAllItems(bool check) const;
    std::vector<bool> CheckedItems() const;
    // The controls into the members; the row edits read as typed (an empty one is 0).
    void ReadControls();
    void RedrawPreview() const;

    int m_nMode = 1;
    int m_bAllColumns = 0;
    int m_bAllRows = 0;
    int m_nFirstRow = 0;
    int m_nLastRow = 0;
    int m_nColumnIndexMode = 0;
    int m_nLegendValueA = -1;
    int m_nLegendValueB = -1;
    std::vector<int> m_customColumns;
    bool m_bFilling = false;
};
