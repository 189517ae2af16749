#pragma once

// The "类型" page (dialog 203) of the chart settings sheet: the chart type from an icon combo box,
// the sub-type from a gallery of pictures, and whether the series are the columns or the rows of
// the data. Every choice is written at once into the pending chart settings of the control's
// active page and the sheet's chart preview is redrawn; the sheet's caller inserts the chart.
// The page always opens on the first type and sub-type, grouped by columns.
//
// Ownership: the page owns the icon combo box it creates over the template's combo and both image
// lists.

#include "dialogs/SheetPage.h"
#include "framework/ImageList.h"

class CChartStylePrdlg : public CSheetPage
{
public:
    CChartStylePrdlg();

    int GetType() const { return m_nType; }
    int GetSubType() const { return m_nSubType; }
    int GetCellCount() const { return m_galleryImages.GetImageCount(); }
    bool ComboHasFocus() const { return m_bComboHasFocus != 0; }
    HWND GetTypeCombo() const { return m_hTypeCombo; }
    // The gallery in page client coordinates.
    CRect GalleryRect() const;

    bool PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreateTypeCombo();
    void OnTypeChosen();
    void OnLButtonDown(POINT point);
    void SelectSubType(int subType);
    void LoadGallery();
    void ShowSubTypeName() const;
    // The pending settings of the control's active page.
    void WriteType() const;
    void RebuildSeries() const;
    void WriteGrouping(bool byColumns) const;
    void InvalidatePreview() const;

    HWND m_hTypeCombo = nullptr;
    int m_nGrouping = 0; // 0 by columns, 1 by rows
    CImageList m_comboImages;
    CImageList m_galleryImages;
    int m_nType = 0;
    int m_nSubType = 0;
    int m_bComboHasFocus = 1;
};
