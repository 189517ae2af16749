#pragma once

// The "边框" page (dialog 280) of the cell-format sheet: which edges of the selected cells get a
// border, drawn with one line style, width and colour. The edges are toggled on twelve
// self-painted buttons around a preview (three of them presets); OK writes the edges the user set
// into the cells of the control's active page (CellBorderChoice.h). Cancel writes nothing.

#include "dialogs/CellBorderChoice.h"
#include "dialogs/ColorGridButton.h"
#include "dialogs/SheetPage.h"
#include "dialogs/StyleComboBox.h"

#include <optional>
#include <vector>

class CNorvakCtrl;

class CGridLineStyleProDlg : public CSheetPage
{
public:
    explicit CGridLineStyleProDlg(CNorvakCtrl* owner);

    // Stored; nothing reads it.
    void SetCellRange(int firstRow, int firstCol, int lastRow, int lastCol);
    const CBorderChoice& GetChoice() const { return m_choice; }
    // The line OK writes for the edges switched on.
    CellLine ChosenLine() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    enum class Button
    {
        None,
        Outline,
        Inside,
        Edge,
        Preview
    };
    struct Hit
    {
        Button button;
        CBorderChoice::Edge edge;
    };
    // The button under a point, in the page's order of testing.
    std::optional<Hit> HitTest(POINT point) const;
    CRect ControlRect(int id) const { return GetChildRect(GetDlgItem(id)); }
    void InvalidateButtons();
    void OnLButtonDown(POINT point);
    bool OnLButtonUp();
    void Paint(CDC& dc);
    void PaintButton(CDC& dc, const CRect& rect, bool pressed, HBRUSH pressedBrush) const;
    void PaintEdgeIcon(CDC& dc, int id, CBorderChoice::Edge edge) const;
    void PaintPresetIcons(CDC& dc) const;
    void PaintPreview(CDC& dc, const CRect& preview) const;
    bool IsPressed(CBorderChoice::Edge edge) const;

    CStyleComboBox m_widthCombo;
    CStyleComboBox m_styleCombo;
    CColorSwatch m_swatch;
    CColorGridButton m_colourButton;
    CNorvakCtrl* m_pOwner;
    CBorderChoice m_choice;
    bool m_bNonePressed = false;
    bool m_bOutlinePressed = false;
    bool m_bInsidePressed = false;
    bool m_bHasInnerRows = true;
    bool m_bHasInnerColumns = true;
    int m_nLineWidth = 1;
    COLORREF m_crLine = RGB(0, 0, 0);
    std::vector<int> m_styles; // the last styles the style combo reported
    int m_cellRange[4] = {};
};
