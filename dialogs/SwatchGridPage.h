#pragma once

// A fill page whose choice is one swatch of a scrolled grid: the texture page and the pattern
// page. The grid fills the rectangle of a hidden frame control row by row (FillPageLayout.h); the
// page's scroll bar moves it by whole rows. A click, or a drag with the button down, selects the
// swatch under the pointer; the selected swatch is outlined and handed to the sheet's preview.

#include "dialogs/FillPageLayout.h"
#include "dialogs/SheetPage.h"

class CSwatchGridPage : public CSheetPage
{
public:
    int GetSelected() const { return m_nSelected; }
    int GetScrollPosition() const { return m_nScrollPosition; }
    // The grid as the page lays it out now.
    CSwatchGrid Grid() const;
    CRect FrameRect() const;

protected:
    // gridBottomId: the control whose top, less gridBottomGap, ends the area the grid repaints.
    CSwatchGridPage(UINT templateId, const SwatchGridGeometry& geometry, int scrollBarId, int gridBottomId,
                    int gridBottomGap);

    virtual int SwatchCount() const = 0;
    virtual void PaintSwatch(CDC& dc, int index, const CRect& cell) = 0;
    // The selected swatch, to the sheet's preview.
    virtual void PreviewSelected(int index) = 0;
    // Under the grid: the selected swatch's name.
    virtual void PaintName(CDC& dc) = 0;
    // A swatch was hit, before it becomes the selected one.
    virtual void OnSwatchHit(int) {}

    void PaintPage(CDC& dc) override;
    void InvalidateGrid();
    void UpdateScrollRange() const;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    int m_nSelected = 0;

private:
    void SelectAt(POINT point);
    void OnVScroll(int code, int thumbPosition);
    void ShowScrollBar(const CRect& frame) const;

    SwatchGridGeometry m_geometry;
    int m_scrollBarId;
    int m_gridBottomId;
    int m_gridBottomGap;
    int m_nScrollPosition = 0;
};
