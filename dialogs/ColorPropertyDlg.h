#pragma once

// The "颜色" page (dialog 107) of the fill-effects sheet: a two-colour gradient. "单色" fades one
// colour towards a grey picked with a thumb on a dark-to-light shade bar, "双色" takes two chosen
// colours, "预设" offers an empty list. One of six shading styles and one of four variants, shown
// as four live samples; every repaint hands the gradient to the sheet's style preview, and OK on a
// sheet of owner kind 0 hands it to the owner (IFillTarget).

#include "dialogs/ColourPicker.h"
#include "dialogs/FillPageLayout.h"
#include "dialogs/SheetPage.h"
#include "framework/ImageList.h"

class CColorPropertyDlg : public CSheetPage
{
public:
    enum Mode
    {
        OneColour = 0,
        TwoColours = 1,
        Preset = 2
    };

    CColorPropertyDlg();

    int GetMode() const { return m_nMode; }
    int GetStyle() const { return m_nStyle; }
    int GetVariant() const { return m_nVariant; }
    int GetShadePosition() const { return m_nShadePosition; }
    COLORREF GetShadeColour() const { return m_crShade; }
    ShadeBar GetShadeBar() const;
    std::array<CRect, 4> GetSamples() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintPage(CDC& dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool ShowsShadeBar() const;
    void UpdateMode();
    void InvalidateSamples();
    void OnLButtonDown(POINT point);
    void OnMouseMove(POINT point, bool buttonDown);
    void OnLButtonUp(POINT point);
    void OnTimer();
    void PaintShadeBar(CDC& dc);
    void PaintSamples(CDC& dc);

    CComboBox m_presetCombo;
    CStatic m_presetLabel;
    CStatic m_colourGroup;
    CStatic m_shadeBar;
    CColourPicker m_colour2;
    CColourPicker m_colour1;
    CStatic m_colour1Label;
    CStatic m_styleGroup;
    CStatic m_colour2Label;
    CStatic m_variantGroup;
    int m_nMode = OneColour;
    int m_nStyle = 0;
    CImageList m_arrows;
    CImageList m_pressedArrows;
    int m_nVariant = 0;
    int m_nShadePosition = 0;
    CRect m_rcLeftArrow;
    CRect m_rcRightArrow;
    CRect m_rcThumb;
    bool m_bLeftPressed = false;
    bool m_bRightPressed = false;
    bool m_bDragging = false;
    COLORREF m_crShade = 0;
};
