#pragma once

// Splicing, shared by the recognisers: the text before and after the field found in the source
// stays, and each target cell gets prefix + member + suffix, in walk order, each member made from
// the one before it.

#include "autofill/series/FillSeries.h"
#include "autofill/series/FillWalk.h"

// The field is the bytes from fieldStart up to fieldEnd of the source text. appendMember(forward,
// line) steps the series and appends the new field to line. The line is built in one string for
// the whole series, which keeps its room from cell to cell.
template <class AppendMember>
BOOL SpliceSeries(const CFillRequest& request, int fieldStart, int fieldEnd, AppendMember appendMember)
{
    const CString prefix = request.text.Left(fieldStart);
    const CString suffix = request.text.Mid(fieldEnd);
    const CFillWalk walk(request.source, request.target);
    CString line;
    walk.ForEach([&](int row, int col) {
        line.Empty();
        line += prefix;
        appendMember(walk.IsForward(), line);
        line += suffix;
        request.pCells->SetCellText(row, col, line);
    });
    return TRUE;
}
