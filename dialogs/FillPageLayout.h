#pragma once

// The geometry of the fill pages without a window: the gradient page's four variant samples and
// its shade bar with arrows and thumb, the swatch grids of the texture and pattern pages, and how a
// picture is fitted into a box.

#include "framework/CString.h"
#include "framework/Geometry.h"

#include <array>
#include <vector>

// ---- gradient page ----

// The four variant samples in the variant group (client coordinates): squares around the centre
// of the group shrunk by 5 left, 10 top, 5 right and 5 bottom, 6 px apart; 0 top left, 1 top
// right, 2 bottom left, 3 bottom right.
std::array<CRect, 4> GradientSamples(const RECT& variantGroup);
// The first sample holding the point, or -1.
int GradientSampleAt(const std::array<CRect, 4>& samples, POINT point);

// The shade bar S with its arrow buttons and thumb.
struct ShadeBar
{
    CRect bar;
    CRect LeftArrow() const { return CRect(bar.left - 20, bar.top, bar.left - 5, bar.bottom); }
    CRect RightArrow() const { return CRect(bar.right + 5, bar.top, bar.right + 20, bar.bottom); }
    CRect ThumbAt(int x) const { return CRect(x - 2, bar.top - 10, x + 2, bar.bottom + 10); }
    // A thumb position inside the bar: 0 (not yet placed) and anything left of it go to the first
    // pixel inside, anything from the last pixel on to the one before it.
    int Clamp(int position) const;
};

// ---- texture and pattern pages ----

struct SwatchGridGeometry
{
    int columns;     // swatches per row
    int width;       // of a swatch
    int height;      // of a swatch
    int pitch;       // from one row's top to the next
    static constexpr int kGap = 2;
};
// In their frames on the pages, with the pages' font: 4 x 3 textures and 9 x 5 patterns.
constexpr SwatchGridGeometry kTextureGrid{4, 75, 65, 67};
constexpr SwatchGridGeometry kPatternGrid{9, 32, 32, 34};

struct SwatchCell
{
    int index;
    CRect rect;
};

// The swatches of a grid in its frame (client coordinates), scrolled by a position in pixels.
class CSwatchGrid
{
public:
    CSwatchGrid(const SwatchGridGeometry& geometry, const RECT& frame, int count);

    // The columns that fit the frame, at most those of the geometry, and the rows that fit it (at
    // least one of each).
    int Columns() const { return m_columns; }
    int VisibleRows() const { return m_rows; }
    // The highest scroll position: the rows below the visible ones, in pixels.
    int ScrollMax() const;
    // The first swatch shown at a scroll position: whole rows scrolled away.
    int FirstShown(int scrollPosition) const;
    // The swatches shown from the first: each fills its row left to right until the frame's right
    // edge or the row's columns; the first that would pass the frame's bottom ends the layout and
    // marks the grid as overflowing (it needs its scroll bar).
    std::vector<SwatchCell> Layout(int scrollPosition, bool* overflow = nullptr) const;
    // The index of the swatch under a point, or -1.
    int SwatchAt(int scrollPosition, POINT point) const;

private:
    SwatchGridGeometry m_geometry;
    CRect m_frame;
    int m_count;
    int m_columns;
    int m_rows;
};

// ---- pictures ----

// A picture of the given size placed in box: shrunk to fit, keeping its proportions, when it is
// larger than the box, else at its natural size; centred either way. Empty when the picture or
// the box has no size.
CRect FitPicture(SIZE picture, const RECT& box);

// The part of a path after its last backslash, as the pages show a file's name.
CString FileNameOf(const CString& path);
