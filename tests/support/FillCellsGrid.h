#pragma once

// An in-memory page of cell texts for the series engine, as the control's active page would serve
// it: cells outside its rows and columns do not exist and take no text.

#include "autofill/series/FillCells.h"

#include <vector>

class FillCellsGrid final : public IFillCells
{
public:
    FillCellsGrid(int rows, int cols) : m_rows(rows), m_cols(cols), m_texts(size_t(rows) * size_t(cols)) {}

    BOOL IsValidCell(int row, int col) const override
    {
        return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
    }
    CString GetCellText(int row, int col) const override
    {
        return IsValidCell(row, col) ? m_texts[Index(row, col)] : CString();
    }
    BOOL SetCellText(int row, int col, const CString& text) override
    {
        if (!IsValidCell(row, col))
            return FALSE;
        m_texts[Index(row, col)] = text;
        return TRUE;
    }

    const std::vector<CString>& Texts() const { return m_texts; }

private:
    size_t Index(int row, int col) const { return size_t(row) * size_t(m_cols) + size_t(col); }

    int m_rows;
    int m_cols;
    std::vector<CString> m_texts;
};
