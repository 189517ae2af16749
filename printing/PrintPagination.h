#pragma once

// Cutting a page of the sheet into printed pages, with no window and no device: which rows and
// columns print (the page's report-data options and its selection), the bands of columns across
// and of rows down that fit the printable width and height, and the order of the printed pages
// (across first, then down). Sizes are hundredths of an inch; a grid's pixel sizes count as such
// units unconverted, a column its width + 2 and a row its height + 1.

#include "sheet/model/CellTypes.h"

#include <windows.h>

#include <vector>

class CNorvakPage;

// The bounding range of the page's selected cells; not valid when nothing is selected.
struct CPrintSelection
{
    int firstRow = -1;
    int firstCol = -1;
    int lastRow = -1;
    int lastCol = -1;
    bool valid = false;

    static CPrintSelection FromRange(const CCellRect& range);
};

// Which rows and columns of a page print.
class CPrintFilter
{
public:
    enum OutputMode : BYTE
    {
        WholePage = 0,
        Selection = 1,
        Arbitrary = 2,
        Custom = 3,
    };

    CPrintFilter(const CNorvakPage& page, const CPrintSelection& selection);

    bool IncludesRow(int row) const;
    bool IncludesColumn(int col) const;

private:
    struct Axis
    {
        int fixed = 0;
        bool printFixed = false;
        int first = -1; // the selection's span on this axis
        int last = -1;
        std::vector<bool> custom; // by index, for the custom mode
    };
    bool Includes(const Axis& axis, int index) const;

    BYTE m_mode;
    bool m_selectionValid;
    Axis m_rows;
    Axis m_cols;
};

// A run of rows or columns printed on one page, and the room it takes.
struct CPrintBand
{
    int first = 0;
    int last = -1;
    int extent = 0;
    friend bool operator==(const CPrintBand&, const CPrintBand&) = default;
};

// Bands of indices 0 .. sizes.size() - 1 (a size of 0 takes no room) within limit. A size that
// does not fit on a page of its own gets one, cut at the limit; cutAtLimit says whether a size
// equal to the limit counts as too large (columns) or fits (rows).
std::vector<CPrintBand> PaginateAxis(const std::vector<int>& sizes, int limit, bool cutAtLimit);

class CPrintPagination
{
public:
    // The printable width and height (paper less margins) must be positive.
    static CPrintPagination Of(const CNorvakPage& page, const CPrintFilter& filter, int printableWidth,
                               int printableHeight);

    int PagesAcross() const { return int(m_colBands.size()); }
    int PagesDown() const { return int(m_rowBands.size()); }
    int PageCount() const { return PagesAcross() * PagesDown(); }
    const std::vector<CPrintBand>& ColumnBands() const { return m_colBands; }
    const std::vector<CPrintBand>& RowBands() const { return m_rowBands; }
    // For printed page 1 .. PageCount(): its bands and its band width and height.
    const CPrintBand& ColumnBandOf(int page) const { return m_colBands[size_t((page - 1) % PagesAcross())]; }
    const CPrintBand& RowBandOf(int page) const { return m_rowBands[size_t((page - 1) / PagesAcross())]; }
    SIZE ExtentOf(int page) const { return m_pageExtents[size_t(page - 1)]; }

private:
    std::vector<CPrintBand> m_colBands;
    std::vector<CPrintBand> m_rowBands;
    std::vector<SIZE> m_pageExtents; // across first, then down
};

// The shift that centres a band of extent in room: half the spare room, or 0.
inline int CenteringShift(bool centre, int room, int extent)
{
    return centre && room - extent > 0 ? (room - extent) / 2 : 0;
}
