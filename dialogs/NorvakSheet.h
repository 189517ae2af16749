#pragma once

// The control's one property sheet. Every tabbed dialog of the control is a modal CNorvakSheet
// holding some of its pages. The fill-effects sheet "填充效果" and the chart settings sheet
// "图表设置" are widened: their buttons stand at the right edge above a fill-style box under the
// label "样式：", and "图表设置" has a chart preview band under the pages. Any other sheet hides
// Apply, puts Cancel in its place and OK beside it, and paints nothing of its own.
//
// Pages talk to their sheet through SetFillPreview (fill pages) and InvalidateChartPreview (chart
// pages), and reach the control that opened the sheet through GetControl.
//
// Ownership: as CPropertySheet: the pages belong to their creator. The sheet borrows its owner
// window, the control and the fill preview's bitmap.

#include "framework/CGdiObject.h"
#include "framework/Controls.h"
#include "framework/PropertySheet.h"

class CDC;
class CNorvakCtrl;

class CNorvakSheet : public CPropertySheet
{
public:
    static constexpr int kApplyButton = 0x3021;
    static constexpr const char* kFillEffectsCaption = "填充效果";
    static constexpr const char* kChartSettingsCaption = "图表设置";

    // Fill kinds of the style preview: 0 and 1 gradient, 3 texture bitmap, 4 pattern, 5 solid
    // colour, 6 picture from a file; any other draws nothing inside the box.
    enum FillKind
    {
        GradientOneColour = 0,
        GradientTwoColours = 1,
        TextureBitmap = 3,
        Pattern = 4,
        SolidColour = 5,
        Picture = 6
    };

    // ownerKind: 1 when the control builds the sheet, 0 for the fill sheet of a chart page (whose
    // fill pages then hand their choice to the owner on OK); control: the control whose pages
    // these are (the owner itself when it is the control).
    CNorvakSheet(const CString& caption, int ownerKind, BOOL preview, CWnd* owner, UINT startPage,
                 CNorvakCtrl* control);
    ~CNorvakSheet() override;

    int GetOwnerKind() const { return m_nOwnerKind; }
    CWnd* GetOwner() const { return m_pOwner; }
    CNorvakCtrl* GetControl() const { return m_pControl; }
    bool HasPreview() const { return m_bPreview != FALSE; }

    void SetFillPreview(int kind, COLORREF colour1, COLORREF colour2, int variant, int style, const CBitmap* bitmap,
                        int pattern);
    void InvalidateChartPreview() const;
    int LayoutChartPreview(BOOL showChart, BOOL showLegend, BOOL showTable);
    // Paints the style box.
    void DrawFillPreview(CDC* dc) const;

    CRect m_rcStyle;
    CStatic m_wndStyleLabel;
    CRect m_rcChart;
    CRect m_rcLegend;
    CRect m_rcTable;
    int m_nPlotLeft = 20;
    BOOL m_bPreview;
    int m_nOwnerKind;
    CWnd* m_pOwner;
    int m_nFillKind = 0;
    const CBitmap* m_pFillBitmap = nullptr;
    COLORREF m_clrFill1 = ::GetSysColor(COLOR_BTNFACE);
    COLORREF m_clrFill2 = ::GetSysColor(COLOR_BTNFACE);
    int m_nFillPattern = -1;
    int m_nFillStyle = -1;
    int m_nFillVariant = 0;

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool IsCaption(const char* caption) const { return GetCaption() == caption; }
    CRect FirstPageRect() const;
    CRect ChartBand() const;
    void LayOutPlainButtons();
    void LayOutPreviewButtons();
    void Paint(HDC target);
    void DrawPicture(CDC& dc, const CRect& box) const;
    // The chart, legend and data strip of the active page's pending chart settings.
    void DrawChartPreview(CDC& dc);

    CNorvakCtrl* m_pControl;
};
