#pragma once

// The "样式" page (dialog 289) of a chart part's or a data point face's sheet: the border line
// (default, custom style, width and colour, or none) and the fill (left as it is, a solid colour
// from the colour grid or any fill of the four fill pages, or none) of element 0 the whole chart,
// 1 the plot area, 2 the legend area, or 10..15 the faces of a data point. The page opens on the
// record's values; OK writes them back and redraws the part, Cancel writes nothing. A face has no
// line of its own: only its fill is written.
//
// The "填充效果..." button shows the page's own four fill pages in a fill sheet of owner kind 0,
// whose page on show hands its choice back through SetFill when that sheet ends with OK.
//
// Ownership: the page owns its fill pages and the fill sheet (made at the first click, kept until
// the page's window goes); it borrows the control and the record, which outlive the sheet's run.

#include "chart/model/ChartElementSheets.h"
#include "dialogs/ColorGridButton.h"
#include "dialogs/ColorPropertyDlg.h"
#include "dialogs/ColourPicker.h"
#include "dialogs/FillTarget.h"
#include "dialogs/SheetPage.h"
#include "dialogs/TuAnProDlg.h"
#include "dialogs/TuPianProDlg.h"
#include "dialogs/WenLiProDlg.h"

#include <memory>

class CNorvakCtrl;
class CNorvakSheet;

class CLineTypeProDlg : public CSheetPage, public IFillTarget
{
public:
    enum LineMode
    {
        DefaultLine = 0,
        CustomLine = 1,
        NoLine = 2
    };
    enum FillMode
    {
        LeaveFill = 0,
        CustomFill = 1,
        NoFill = 2
    };

    CLineTypeProDlg();
    CLineTypeProDlg(CNorvakCtrl* control, int element, const CChartElementRecord& record);
    ~CLineTypeProDlg() override;

    // The fill pages' choice; kind 2 gradient, 4 texture, 5 pattern. The sample shows it.
    void SetFill(int kind, int gradientStyle, int gradientVariant, COLORREF colour1, COLORREF colour2,
                 int sampleValue, int texture, int pattern) override;

    int GetLineMode() const { return m_nLineMode; }
    int GetFillMode() const { return m_nFillMode; }
    int GetFillKind() const { return m_nFillKind; }
    COLORREF GetFillColour1() const { return m_crFill1; }
    int GetLineStyle() const { return m_nLineStyle; }
    int GetLineWidthIndex() const { return m_nWidthIndex; }
    COLORREF GetLineColour() const { return m_crLine; }
    // The line the sample draws: style, width, colour.
    int GetSampleLineStyle() const { return m_nSampleStyle; }
    int GetSampleLineWidth() const { return m_nSampleWidth; }
    // The fill sheet, once "填充效果..." was clicked.
    CNorvakSheet* GetFillSheet() const { return m_pFillSheet.get(); }
    // Where the sample is drawn, in client coordinates.
    CRect SampleRect() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CChartFillStyle* PartStyle() const;
    CChartItem* Point() const;
    int Face() const { return m_nElement - 10; }
    void ReadPartStyle(const CChartFillStyle& style);
    void ReadFace(const CChartItem& point, int face);
    void TakeReadFill(int kind);
    void WritePartStyle(CChartFillStyle& style) const;
    void WriteFace(CChartItem& point, int face) const;
    void InvalidatePart() const;

    void OnLineMode(int mode);
    void OnFillMode(int mode);
    void OnPickerChosen(WPARAM picker, LPARAM value);
    void OnFillColour(COLORREF colour);
    void OnFillEffects();
    void SetSampleLine(int style, int width, COLORREF colour);
    void InvalidateSample() const;

    CColorGridButton m_fillGrid;
    CStatic m_fillFrame;
    CStatic m_sampleFrame;
    CColourPicker m_stylePicker;
    CColourPicker m_widthPicker;
    CColourPicker m_colourPicker;
    int m_nLineMode = DefaultLine;
    int m_nFillMode = LeaveFill;
    COLORREF m_crLine = 0;
    int m_nFillKind = 1;
    int m_nGradientStyle = 0;
    int m_nGradientVariant = 0;
    COLORREF m_crFill1 = 0;
    COLORREF m_crFill2 = 0;
    int m_nSampleValue = 0;
    int m_nTexture = 0;
    int m_nPattern = 0;
    int m_nLineStyle = 1;
    int m_nWidthIndex = 0; // the stored width / 2
    int m_nSampleStyle = 1;
    int m_nSampleWidth = 0;
    COLORREF m_crSample = 0;
    // The fill pages before the sheet that shows them, so the sheet goes first.
    CColorPropertyDlg m_gradientPage;
    CWenLiProDlg m_texturePage;
    CTuAnProDlg m_patternPage;
    CTuPianProDlg m_picturePage;
    std::unique_ptr<CNorvakSheet> m_pFillSheet;
    CChartElementRecord m_record;
    int m_nElement = -1;
    CNorvakCtrl* m_pControl = nullptr;
};
