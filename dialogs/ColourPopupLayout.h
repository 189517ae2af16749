#pragma once

// The geometry and keyboard of the colour picker's popup, without a window: the grid of colour
// cells with its optional default box above and custom box below, the rows of the line-style and
// line-width lists, and where the popup goes on the screen. Client coordinates unless named.

#include "framework/Geometry.h"

#include <initializer_list>

class CColourPopupGrid
{
public:
    static constexpr int kColumns = 8;
    // Indexes that are not cells.
    static constexpr int kNone = -1;
    static constexpr int kCustom = -2;
    static constexpr int kDefault = -3;

    struct Metrics
    {
        int count = 40;      // colour cells
        int cellSize = 18;   // s
        int margin = 2;      // m
        int textHeight = 0;  // the taller of the two box texts in the popup font
        int textWidth = 0;   // the wider of the two
        bool hasDefault = false;
        bool hasCustom = false;
    };

    explicit CColourPopupGrid(const Metrics& metrics);

    int Count() const { return m_metrics.count; }
    int Rows() const { return (m_metrics.count + kColumns - 1) / kColumns; }
    int LastCell() const { return m_metrics.count - 1; }
    bool HasDefault() const { return m_metrics.hasDefault; }
    bool HasCustom() const { return m_metrics.hasCustom; }

    CSize WindowSize() const { return m_size; }
    // Empty when the box is absent.
    const CRect& DefaultBox() const { return m_defaultBox; }
    const CRect& CustomBox() const { return m_customBox; }
    CRect CellRect(int index) const;

    // A cell from its row and column, kCustom or kDefault for those rows of a box that exists,
    // else kNone.
    int IndexAt(int row, int column) const;
    // The cell or box under a point, or kNone.
    int HitTest(POINT point) const;
    // Where an arrow key (VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN) goes from an index. The moves wrap
    // through the boxes that exist; from no index, Down and Right start at the first cell, Up and
    // Left at the last. Any other key stays.
    int Move(int from, unsigned key) const;

private:
    bool Exists(int index) const;
    // The first of the candidates that exists; the first cell when none does.
    int FirstOf(std::initializer_list<int> candidates) const;
    int CellsTop() const;

    Metrics m_metrics;
    CSize m_size;
    CRect m_defaultBox;
    CRect m_customBox;
};

// The rows of a line-style (15 rows of 16 px) or line-width (5 rows of 20 px) list.
class CLinePopupRows
{
public:
    static constexpr int kFirstRowTop = 10;
    static constexpr int kSampleLength = 80;

    CLinePopupRows(int rowCount, int rowHeight, int clientWidth)
        : m_rows(rowCount), m_rowHeight(rowHeight), m_clientWidth(clientWidth)
    {
    }
    int Count() const { return m_rows; }
    int SampleLeft() const { return (m_clientWidth - kSampleLength) / 2; }
    // The highlight rectangle of a row: 5 px around the sample line's ends.
    CRect RowRect(int row) const;
    // The first row whose rectangle holds the point, or -1.
    int RowAt(POINT point) const;
    // Up and Down with wrap-around; other keys stay.
    int Move(int from, unsigned key) const;

private:
    int m_rows;
    int m_rowHeight;
    int m_clientWidth;
};

// A popup window rectangle (screen) kept on a screen of the given size: moved left when it passes
// the right edge, right when it passes the left one, and above the button when it passes the
// bottom.
CRect KeepPopupOnScreen(CRect window, const RECT& buttonOnScreen, SIZE screen);
