#pragma once

// Splicing, shared by the recognisers: the text before and after the field found in the source
// stays, and each target cell gets prefix + member + suffix, in walk order, each member made from
// the one before it.

#include "autofill/series/FillSeries.h"
#include "autofill/series/FillWalk.h"

// The field is the bytes from fieldStart up to fieldEnd of the source text. nextMember(forward)
// steps the series and returns the new field.
template <class NextMember>
BOOL SpliceSeries(const CFillRequest& request, int fieldStart, int fieldEnd, NextMember nextMember)
{
    const CString prefix = request.text.Left(fieldStart);
    const CString suffix = request.text.Mid(fieldEnd);
    const CFillWalk walk(request.source, request.target);
    walk.ForEach([&](int row, int col) {
        request.pCells->SetCellText(row, col, prefix + nextMember(walk.IsForward()) + suffix);
    });
    return TRUE;
}
