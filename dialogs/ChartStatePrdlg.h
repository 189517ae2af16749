#pragma once

// The "属性" page (dialog 205) of the chart settings sheet: which parts of the chart window are
// shown, and whether the chart goes in as an object. Each box writes its field of the active
// page's pending chart settings at once and redraws what it changes of the sheet's preview; OK
// stores all eight again.
//
// Ownership: the page owns the two pictures of its insertion picture.

#include "dialogs/SheetPage.h"
#include "framework/CGdiObject.h"

class CChartStatePrdlg : public CSheetPage
{
public:
    CChartStatePrdlg();

    // In the order of the pending settings: insert as object, show chart, show legend, show data
    // window, show values, X-axis notes, Y-axis notes, Y-axis colour map.
    static constexpr int kBoxIds[8] = {229, 218, 220, 219, 228, 227, 226, 232};
    const int (&GetOptions() const)[8] { return m_options; }
    // The picture static 239 shows now.
    HBITMAP GetInsertPicture() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnBoxClicked(int id);
    void ShowInsertPicture() const;

    int m_options[8] = {};
    CBitmap m_asObject;
    CBitmap m_inWindow;
};
