#pragma once

// An owner-drawn drop-down list that shows pictures instead of texts, by mode: 0 the 15 line
// styles, 1 six line widths, 2 sixteen colour swatches and "其它颜色...", 3 the same swatches with
// their names, 4 to 7 the marker shapes and glyphs (4 plain, 5 on a line, 6 in a circle, 7 both).
// A new selection is reported to the parent with one message per mode (PickerMessages.h); in the
// colour modes "其它颜色..." opens the colour dialog and reports only what it returns with OK.
// Items carry tooltips where the mode has texts for them. Pages place it over a combo box of
// their template (CBS_OWNERDRAWFIXED) with DDX_Control and set its mode in OnInitDialog.

#include "framework/CDC.h"
#include "framework/Controls.h"
#include "framework/ToolTipCtrl.h"

#include <vector>

class CStyleComboBox : public CComboBox
{
public:
    enum Mode
    {
        LineStyles = 0,
        LineWidths = 1,
        Colours = 2,
        NamedColours = 3,
        Markers = 4,
        MarkersOnLine = 5,
        MarkersInCircle = 6,
        MarkersOnLineInCircle = 7
    };
    static constexpr int kOtherColourItem = 16;
    static constexpr int kMarkerShapes = 7;

    // Fills the list for the mode the first time; later calls only change the mode that draws and
    // reports (and drop the tooltip texts).
    void SetMode(int mode);
    int GetMode() const { return m_nMode; }
    // The glyphs of the marker items after the seven shapes (the control's marker glyph table); set
    // before SetMode in a marker mode.
    void SetMarkerGlyphs(const std::vector<CString>& glyphs) { m_markerGlyphs = glyphs; }
    // In the colour modes: selects the first named colour equal to colour, else "其它颜色...".
    void SelectColor(COLORREF colour);
    // The line width an item of mode 1 stands for: 1, 2, 4, 6, 8, 10.
    static int WidthOfItem(int index) { return index <= 0 ? 1 : 2 * index; }
    int GetToolCount() const { return m_tooltip.GetSafeHwnd() ? m_tooltip.GetToolCount() : 0; }

    void MeasureItem(MEASUREITEMSTRUCT* item) override;
    void DrawItem(DRAWITEMSTRUCT* item) override;
    bool PreTranslateMessage(MSG* msg) override;
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    bool IsColourMode() const { return m_nMode == Colours || m_nMode == NamedColours; }
    bool IsMarkerMode() const { return m_nMode >= Markers && m_nMode <= MarkersOnLineInCircle; }
    void AddItems();
    void MatchFieldToItemHeight();
    void RegisterTool(int index, const RECT& rect);
    void DrawBackground(CDC& dc, const CRect& rect, bool selected) const;
    void DrawLine(CDC& dc, const CRect& rect, int index) const;
    void DrawColour(CDC& dc, const CRect& rect, int index, bool selected) const;
    void DrawMarker(CDC& dc, const CRect& rect, int index) const;
    void OnSelChange();

    int m_nMode = -1;
    CToolTipCtrl m_tooltip;
    std::vector<CString> m_tooltipTexts; // one per item, index = item index
    std::vector<bool> m_toolRegistered;  // a tool exists for the item: later drawings move it
    std::vector<CString> m_markerGlyphs;
    int m_nFieldHeightSet = -1; // the list item height the selection field was last given
};
