#include "gridwnd/GridOverlay.h"

#include "framework/CGdiObject.h"

namespace {

constexpr int kBand = 3;           // the selection frame's thickness
constexpr int kFillHandle = 5;     // its square at the bottom-right corner
constexpr int kHandle = 6;         // the range frame's handles
constexpr COLORREF kRangeFrameColour = 0xFF0000;

void InvertSelectionFrame(CDC& dc, const CRect& box)
{
    // The bands meet without overlapping, so each pixel is inverted once.
    const CRect bands[] = {
        CRect(box.left, box.top, box.right, box.top + kBand),
        CRect(box.left, box.bottom - kBand, box.right - kFillHandle, box.bottom),
        CRect(box.left, box.top + kBand, box.left + kBand, box.bottom - kBand),
        CRect(box.right - kBand, box.top + kBand, box.right, box.bottom - kFillHandle),
        CRect(box.right - kFillHandle, box.bottom - kFillHandle, box.right, box.bottom),
    };
    for (const CRect& band : bands)
        if (band.left < band.right && band.top < band.bottom)
            dc.PatBlt(band.left, band.top, band.Width(), band.Height(), DSTINVERT);
}

void DrawRangeFrame(CDC& dc, const CRect& box)
{
    CBrush blue(kRangeFrameColour);
    dc.FrameRect(box, blue);
    const CPoint middle = box.CenterPoint();
    const int xs[] = {box.left, middle.x - kHandle / 2, box.right - kHandle};
    const int ys[] = {box.top, middle.y - kHandle / 2, box.bottom - kHandle};
    for (int x : xs)
        for (int y : ys)
            if (x != xs[1] || y != ys[1])
                dc.FillSolidRect(CRect(x, y, x + kHandle, y + kHandle), kRangeFrameColour);
}

} // namespace

CRect GridOverlayBox(const CRect& first, const CRect& last)
{
    return CRect(first.left - 1, first.top - 1, last.right + 2, last.bottom + 2);
}

std::array<CRect, 4> GridOverlayOutline(const CRect& box)
{
    const int edge = kHandle;
    return {CRect(box.left, box.top, box.right, box.top + edge), CRect(box.left, box.bottom - edge, box.right, box.bottom),
            CRect(box.left, box.top, box.left + edge, box.bottom),
            CRect(box.right - edge, box.top, box.right, box.bottom)};
}

void DrawGridOverlay(CDC& dc, int mode, const CRect& box)
{
    if (box.Width() < 2 * kBand || box.Height() < 2 * kBand)
        return;
    if (mode == kGridOverlaySelection)
        InvertSelectionFrame(dc, box);
    else if (mode == kGridOverlayRangeFrame)
        DrawRangeFrame(dc, box);
}
