#include "sheet/model/CellProperties.h"

#include "sheet/model/RowColumnOps.h"

#include <new>

namespace SheetModel {

namespace {

const CAutoTextColumn* FindAutoTextColumn(const CNorvakPage& page, int col)
{
    for (const CAutoTextColumn& entry : page.m_autoTextColumns)
        if (entry.column == col)
            return &entry;
    return nullptr;
}

// The cell to write, with a record of its own; null outside the grid or when memory runs out.
CNorvakCell* ValidCell(const CNorvakPage& page, CNorvakPageCells& cells, int row, int col)
{
    return page.IsValidCell(row, col) ? cells.EditCell(row, col) : nullptr;
}

// One line field of a cell or of an edge entry.
struct LineValue
{
    enum Field
    {
        Style,
        Width,
        Color
    } field;
    DWORD value;

    void Apply(CNorvakCell& cell, bool horizontal) const
    {
        switch (field) {
        case Style:
            horizontal ? cell.SetHorLineStyle(BYTE(value)) : cell.SetVerLineStyle(BYTE(value));
            break;
        case Width:
            horizontal ? cell.SetHorLineWidth(BYTE(value)) : cell.SetVerLineWidth(BYTE(value));
            break;
        case Color:
            horizontal ? cell.SetHorLineColor(value) : cell.SetVerLineColor(value);
            break;
        }
    }
    void Apply(CEdgeLineEntry& entry) const
    {
        switch (field) {
        case Style:
            entry.style = BYTE(value);
            break;
        case Width:
            entry.width = BYTE(value);
            break;
        case Color:
            entry.crColor = value;
            break;
        }
    }
};

BOOL SetCellLine(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, bool horizontal,
                 LineValue line, CLineEdges mode, ICellRepaint& repaint)
{
    if (!page.IsValidCell(row, col))
        return FALSE;
    bool atEdge = horizontal ? row == 0 : col == 0;
    if (mode == kLineNeighbour && atEdge)
        return FALSE;
    const bool own = mode == kLineOwn || mode == kLineBoth;
    const bool neighbourToo = (mode == kLineNeighbour || mode == kLineBoth) && !atEdge;
    // Both records first, so that running out of memory changes nothing.
    CNorvakCell* cell = own ? cells.EditCell(row, col) : nullptr;
    CNorvakCell* neighbour =
        neighbourToo ? (horizontal ? cells.EditCell(row - 1, col) : cells.EditCell(row, col - 1)) : nullptr;
    if ((own && !cell) || (neighbourToo && !neighbour))
        return FALSE;
    if (cell)
        line.Apply(*cell, horizontal);
    if (neighbour)
        line.Apply(*neighbour, horizontal);
    if ((mode == kLineNeighbour || mode == kLineBoth) && atEdge)
        if (CEdgeLineEntry* edge = horizontal ? page.FindTopEdgeLine(col) : page.FindLeftEdgeLine(row))
            line.Apply(*edge);
    repaint.RepaintCell(CCellCoord(row, col));
    return TRUE;
}

} // namespace

BOOL IsFixedCell(const CNorvakPage& page, int row, int col)
{
    return row < page.m_nFixedRows || col < page.m_nFixedCols;
}

BOOL IsCellEditable(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col)
{
    const CNorvakCell* cell = cells.GetCell(row, col);
    if (!cell || !page.IsValidCell(row, col))
        return FALSE;
    return cell->GetEditLock() == 0 && page.m_bEditable && !(cell->GetState() & CIS_READONLY);
}

BOOL SetItem(CNorvakPage& page, CNorvakPageCells& cells, const CCellItem* item, ICellRepaint& repaint)
{
    if (!item || !page.IsValidCell(item->row, item->col))
        return FALSE;
    CNorvakCell* cell = cells.EditCell(item->row, item->col);
    if (!cell)
        return FALSE;
    // What may run out of memory comes first and changes nothing the cell shows: its own copy of
    // the font, its side record, then the text, which is either stored whole or not at all.
    try {
        if (item->mask & (CIM_BKCOLOR | CIM_TEXTCOLOR | CIM_FONT))
            cell->EditFont();
        if ((item->mask & CIM_IMAGE) || item->indent != 0)
            cell->ReserveRareFields();
        if (item->mask & CIM_TEXT)
            cell->SetText(item->text);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    if (item->mask & CIM_IMAGE) {
        cell->SetImage(item->image);
        cell->SetImageValue(item->imageValue);
    }
    if (item->mask & CIM_STATE)
        SetItemState(page, cells, item->row, item->col, item->state, repaint);
    if (item->mask & CIM_FORMAT)
        cell->SetTextFormat(item->format);
    if (item->mask & CIM_BKCOLOR)
        cell->EditFont().crBackground = item->font.crBackground;
    if (item->mask & CIM_TEXTCOLOR)
        cell->EditFont().crText = item->font.crText;
    if (item->mask & CIM_FONT)
        cell->SetFont(item->font);
    cell->SetValueWord(item->value);
    cell->SetIndent(item->indent);
    return TRUE;
}

BOOL GetItem(const CNorvakPage& page, const CNorvakPageCells& cells, CCellItem* item,
             const CellTextGetter& getText)
{
    if (!item)
        return FALSE;
    const CNorvakCell* cell = cells.GetCell(item->row, item->col);
    if (!cell)
        return FALSE;
    if (item->mask & CIM_TEXT)
        item->text = getText ? getText(item->row, item->col) : cell->GetText();
    if (item->mask & CIM_IMAGE) {
        item->image = cell->GetImage();
        item->imageValue = cell->GetImageValue();
    }
    if (item->mask & CIM_STATE)
        item->state = GetItemState(page, cells, item->row, item->col);
    if (item->mask & CIM_FORMAT)
        item->format = cell->GetTextFormat();
    if (item->mask & CIM_BKCOLOR)
        item->font.crBackground = cell->GetFont().crBackground;
    if (item->mask & CIM_TEXTCOLOR)
        item->font.crText = cell->GetFont().crText;
    if (item->mask & CIM_FONT)
        item->font = cell->GetFont();
    item->value = cell->GetValueWord();
    item->indent = cell->GetIndent();
    return TRUE;
}

BOOL SetItemText(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, const char* text)
{
    CNorvakCell* cell = ValidCell(page, cells, row, col);
    if (!cell)
        return FALSE;
    const CAutoTextColumn* autoText = row >= page.m_nFixedRows ? FindAutoTextColumn(page, col) : nullptr;
    try {
        if (autoText)
            cell->SetText(AutoColumnText(*autoText, row - page.m_nFixedRows));
        else
            cell->SetText(text ? text : "");
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    return TRUE;
}

BOOL SetCellHorLineStyle(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, BYTE style,
                         CLineEdges mode, ICellRepaint& repaint)
{
    return SetCellLine(page, cells, row, col, true, {LineValue::Style, style}, mode, repaint);
}

BOOL SetCellHorLineSize(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, BYTE width,
                        CLineEdges mode, ICellRepaint& repaint)
{
    return SetCellLine(page, cells, row, col, true, {LineValue::Width, width}, mode, repaint);
}

BOOL SetCellHorLineColor(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, COLORREF color,
                         CLineEdges mode, ICellRepaint& repaint)
{
    return SetCellLine(page, cells, row, col, true, {LineValue::Color, color}, mode, repaint);
}

BOOL SetCellVerLineStyle(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, BYTE style,
                         CLineEdges mode, ICellRepaint& repaint)
{
    return SetCellLine(page, cells, row, col, false, {LineValue::Style, style}, mode, repaint);
}

BOOL SetCellVerLineSize(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, BYTE width,
                        CLineEdges mode, ICellRepaint& repaint)
{
    return SetCellLine(page, cells, row, col, false, {LineValue::Width, width}, mode, repaint);
}

BOOL SetCellVerLineColor(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, COLORREF color,
                         CLineEdges mode, ICellRepaint& repaint)
{
    return SetCellLine(page, cells, row, col, false, {LineValue::Color, color}, mode, repaint);
}

BOOL SetItemState(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, WORD state,
                  ICellRepaint& repaint)
{
    if (!page.IsValidCell(row, col) || !cells.GetCell(row, col))
        return FALSE;
    // A cell with no record shows the page's marks: a state that is only those marks needs none.
    const bool focusMark = (state & CIS_FOCUSED) != 0;
    const bool needsRecord = cells.FindOwnCell(row, col) || (state & ~(CIS_FOCUSED | CIS_SELECTED)) != 0 ||
                             focusMark != (page.m_focusCell == CCellCoord(row, col));
    CNorvakCell* cell = needsRecord ? cells.EditCell(row, col) : nullptr;
    if (needsRecord && !cell)
        return FALSE;
    bool wasSelected = page.m_selectedCells.Contains(row, col);
    bool selected = (state & CIS_SELECTED) != 0;
    if (wasSelected && !selected)
        page.m_selectedCells.Remove(row, col);
    if (!wasSelected && selected) {
        page.m_selectedCells.Add(CCellCoord(row, col));
        repaint.RepaintHeaders();
    }
    if (cell)
        cell->SetState(state);
    repaint.RepaintCell(CCellCoord(row, col));
    return TRUE;
}

WORD GetItemState(const CNorvakPage& page, const CNorvakPageCells& cells, int row, int col)
{
    const CNorvakCell* cell = cells.GetCell(row, col);
    if (!cell)
        return 0;
    return WORD(cell->GetState() | (page.m_selectedCells.Contains(row, col) ? CIS_SELECTED : 0));
}

BOOL SetItemFormat(CNorvakPage& page, CNorvakPageCells& cells, int row, int col, WORD code,
                   ICellRepaint& repaint)
{
    // The default format on a cell with no record changes nothing: a new column's cells take
    // their format this way, and a page of a million rows should not get a million records.
    const bool noRecordNeeded =
        page.IsValidCell(row, col) && !cells.FindOwnCell(row, col) && code == CNorvakCell::kDefaultTextFormat;
    CNorvakCell* cell = noRecordNeeded ? nullptr : ValidCell(page, cells, row, col);
    if (!cell && !noRecordNeeded)
        return FALSE;
    if (cell)
        cell->SetTextFormat(code);
    repaint.RepaintCell(CCellCoord(row, col));
    return TRUE;
}

int GetItemFormat(const CNorvakPageCells& cells, int row, int col)
{
    const CNorvakCell* cell = cells.GetCell(row, col);
    return cell ? int(cell->GetTextFormat()) : -1;
}

const CFontRecord* GetItemFont(const CNorvakPageCells& cells, int row, int col)
{
    const CNorvakCell* cell = cells.GetCell(row, col);
    return cell ? &cell->GetFont() : nullptr;
}

void SetCellModified(CNorvakPage& page, CNorvakPageCells& cells, BOOL modified, int row, int col)
{
    if (!page.IsValidCell(row, col) || IsFixedCell(page, row, col))
        return;
    CNorvakCell* cell = cells.EditCell(row, col);
    if (!cell)
        return;
    WORD state = cell->GetState();
    if (modified)
        state = WORD((state | CIS_MODIFIED) & ~CIS_READONLY);
    else
        state = WORD((state | CIS_READONLY) & ~CIS_MODIFIED);
    cell->SetState(state);
}

} // namespace SheetModel
