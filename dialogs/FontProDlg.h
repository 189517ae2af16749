#pragma once

// The "字体" page (dialog 293): the font, effects, colours and text of one chart text, a title
// (element 4, 5 or 6 of a chart) or a legend entry's caption (element 20 or 22), with a sample
// text under "示例：" in the chosen font and colours. The page copies the element's values when it
// is built and writes them back on OK, then has the control repaint the text; Cancel leaves the
// element as it was. Made with the default constructor (the legend sheet) it edits nothing.
//
// Ownership: the page borrows the control and the element's record; both outlive the sheet's run.

#include "dialogs/ChartTextFont.h"
#include "dialogs/SheetPage.h"
#include "dialogs/StyleComboBox.h"
#include "framework/Controls.h"

#include <optional>

class CNorvakCtrl;

class CFontProDlg : public CSheetPage
{
public:
    static constexpr const char* kSampleText = "Norvak.OCX插件";

    // Edits nothing: the caption "字体", no text box, "上标" in place of "缩放".
    CFontProDlg();
    // mode 0 edits the element (4, 5, 6, 20 or 22) of record, whose font page is called title.
    CFontProDlg(CNorvakCtrl* control, int mode, const CChartElementRecord& record, const CString& title,
                int element);

    // The values the page holds: the element's until the user changes them.
    const ChartTextFont& Values() const { return m_values; }
    // The preview's area in client coordinates: inside the "示例：" frame.
    CRect PreviewArea() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The choice of face, style and size; none while one of the three lists has no selection.
    struct Choice
    {
        CString face;
        ChartFontStyle style;
        CString sizeText;
        int points;
    };
    std::optional<Choice> ReadChoice() const;
    bool EditsElement() const;
    void AddFaceNames();
    void SetOwnTabText() const;
    void ArrangeForTitle();
    void SelectElementFont();
    void RebuildFont();
    void InvalidatePreview();
    void OnCommand(int id, int code);
    void OnColourChosen(COLORREF colour, int id);

    CButton m_subscriptBox;
    CEdit m_textEdit;
    CStyleComboBox m_backgroundCombo;
    CButton m_transparentBox;
    CButton m_scaleBox;
    CButton m_sampleFrame;
    CComboBox m_charsetCombo;
    CComboBox m_sizeCombo;
    CComboBox m_styleCombo;
    CComboBox m_faceCombo;
    CStyleComboBox m_colourCombo;

    int m_bStrikeOut = 0;
    int m_bUnderline = 0;
    int m_bScale = 0;
    int m_bTransparent = 0;
    int m_bSubscript = 0;
    ChartTextFont m_values; // the text, font, size text and colours edited
    CChartElementRecord m_record;
    int m_nMode = 1;
    CString m_strTitle = "字体";
    CNorvakCtrl* m_pControl = nullptr;
    int m_nElement = -1;
};
