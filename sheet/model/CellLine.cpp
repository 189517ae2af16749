#include "sheet/model/CellLine.h"

CellLine LineOf(const CNorvakCell& cell, bool horizontal)
{
    if (horizontal)
        return {cell.GetHorLineColor(), cell.GetHorLineWidth(), cell.GetHorLineStyle()};
    return {cell.GetVerLineColor(), cell.GetVerLineWidth(), cell.GetVerLineStyle()};
}

void SetLineOf(CNorvakCell& cell, bool horizontal, const CellLine& line)
{
    if (horizontal) {
        cell.SetHorLineColor(line.colour);
        cell.SetHorLineWidth(line.width);
        cell.SetHorLineStyle(line.style);
    } else {
        cell.SetVerLineColor(line.colour);
        cell.SetVerLineWidth(line.width);
        cell.SetVerLineStyle(line.style);
    }
}

void SetLineOf(CEdgeLineEntry& entry, const CellLine& line)
{
    entry.crColor = line.colour;
    entry.width = line.width;
    entry.style = line.style;
}
