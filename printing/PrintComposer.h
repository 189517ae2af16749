#pragma once

// Composes printed pages of a sheet page on any device context (a printer, the preview's
// metafile, a test's memory DC): pagination by the device's printable size, then per printed page
// its band of cells and the decorations around it (header and footer bands with the page number,
// the dashed frame, the page title and, in preview, the corner marks).
//
// Drawing runs in hundredths of an inch from the device's top-left corner with y growing
// downward (CPrintUnits); margins and distances of the page setup are used as such units, and so
// are the grid's pixel sizes.
//
// Ownership: the composer borrows the page setup, which must outlive it. It keeps nothing of the
// sheet page it cuts: each drawing is handed the page and its cells as they are at that moment,
// so a page freed since pagination is never reached.

#include "framework/CDC.h"
#include "printing/PrintPagination.h"
#include "sheet/model/NorvakPageCells.h"
#include "sheet/model/PageSetup.h"

#include <memory>
#include <optional>

class CNorvakPage;

// The DC's mapping set to hundredths of an inch, y downward, from the device origin; the DC's
// state comes back when the object goes.
class CPrintUnits
{
public:
    explicit CPrintUnits(HDC dc);
    ~CPrintUnits();
    CPrintUnits(const CPrintUnits&) = delete;
    CPrintUnits& operator=(const CPrintUnits&) = delete;

    // The device's printable width and height in these units.
    static CSize PrintableSize(HDC dc);

private:
    HDC m_dc;
    int m_saved;
};

class CPrintComposer
{
public:
    explicit CPrintComposer(const CPageSetup& setup) : m_setup(setup) {}

    // Margins that leave no printable width or height on paper of this size.
    bool MarginsFit(CSize paper) const;

    // Cuts the page (none: no pages) for the device; the number of printed pages, 0 when the
    // margins do not fit or nothing prints.
    int Paginate(HDC dc, const CNorvakPage* page, const CNorvakPageCells* cells, const CCellRect& selection);
    int GetPageCount() const { return m_pagination ? m_pagination->PageCount() : 0; }
    const CPrintPagination* GetPagination() const { return m_pagination ? &*m_pagination : nullptr; }
    CSize GetPaper() const { return m_paper; }

    // The band of cells of printed page 1 .. GetPageCount() of the page; nothing for another
    // printed page, without a page, or when the page's grid no longer holds the band.
    void DrawPrintPage(HDC dc, int pageNumber, const CNorvakPage* page, const CNorvakPageCells* cells) const;
    // Corner marks (preview only), header, footer, dashed frame and page title.
    void DrawDecorations(HDC dc, int pageNumber, bool preview) const;

    // Where the decorations go, in print units.
    CRect MarginRect() const;
    CRect HeaderBand() const;
    CRect FooterBand() const;

private:
    struct Layout;
    // Every printed cell of the page's bands, row by row.
    template <class Visit> void ForEachPrintedCell(const Layout& layout, Visit visit) const;
    void DrawCells(CDC& dc, const Layout& layout) const;
    void DrawLines(CDC& dc, const Layout& layout) const;
    void PaintCell(CDC& dc, const Layout& layout, const CNorvakCell& cell, const CRect& rect) const;
    void DrawCornerMarks(CDC& dc) const;
    void DrawBand(CDC& dc, int pageNumber, bool header) const;
    void DrawDashedFrame(CDC& dc) const;
    void DrawPageTitle(CDC& dc) const;

    const CPageSetup& m_setup;
    std::optional<CPrintFilter> m_filter;
    std::optional<CPrintPagination> m_pagination;
    CSize m_paper;
};
