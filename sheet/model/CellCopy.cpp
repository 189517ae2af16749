#include "sheet/model/CellCopy.h"

#include "drawing/CPictureObject.h"

namespace SheetModel {

namespace {

constexpr WORD kResetTextFormat = 37; // top-left, word-wrapped, ending in an ellipsis

void DeletePicture(CPictureObject* picture)
{
    delete picture;
}

CNorvakCell::PicturePtr CopyOfPicture(const CPictureObject* picture)
{
    if (!picture)
        return CNorvakCell::PicturePtr(nullptr, nullptr);
    return CNorvakCell::PicturePtr(new CPictureObject(*picture), &DeletePicture);
}

void ResetRightBorder(CNorvakCell& cell)
{
    cell.SetVerLineColor(kDefaultLineColor);
    cell.SetVerLineWidth(1);
    cell.SetVerLineStyle(1);
}

void ResetBottomBorder(CNorvakCell& cell)
{
    cell.SetHorLineColor(kDefaultLineColor);
    cell.SetHorLineWidth(1);
    cell.SetHorLineStyle(1);
}

void CopyMergeFields(CNorvakCell& destination, const CNorvakCell& source)
{
    destination.SetCovered(source.IsCovered());
    destination.SetEditLock(source.GetEditLock());
    destination.SetMergedRight(source.IsMergedRight());
    destination.SetMergedBelow(source.IsMergedBelow());
    destination.SetRowSpan(source.GetRowSpan());
    destination.SetColSpan(source.GetColSpan());
    destination.SetMergeOrigin(source.GetMergeOrigin());
}

void CopyRareFields(CNorvakCell& destination, const CNorvakCell& source)
{
    destination.SetIndent(source.GetIndent());
    destination.SetBitmap(source.GetBitmap());
    destination.SetIcon(source.GetIcon());
    if (destination.GetPicture() != source.GetPicture())
        destination.SetPicture(CopyOfPicture(source.GetPicture()));
    destination.SetPicturePlacement(source.GetPicturePlacement());
}

} // namespace

void CopyCell(CNorvakCell& destination, const CNorvakCell& source, BOOL withMerge)
{
    if (&destination == &source)
        return;
    destination.SetFont(source.GetFont());
    destination.SetImage(source.GetImage());
    destination.SetImageValue(source.GetImageValue());
    destination.SetTextFormat(source.GetTextFormat());
    destination.SetValueWord(source.GetValueWord());
    destination.SetText(source.GetTextPtr());
    CopyRightBorder(destination, source);
    CopyBottomBorder(destination, source);
    if (withMerge) {
        CopyMergeFields(destination, source);
        CopyRareFields(destination, source);
    } else {
        destination.SetState(WORD(source.GetState() & ~CIS_FOCUSED));
    }
}

BOOL ResetCell(CNorvakCell& cell, BOOL resetRight, BOOL resetBottom)
{
    cell.SetTextFormat(kResetTextFormat);
    cell.SetText(nullptr);
    cell.SetImage(0);
    cell.SetImageValue(0);
    cell.SetValueWord(0);
    cell.SetFont(CNorvakCell::DefaultFont());
    if (resetRight)
        ResetRightBorder(cell);
    if (resetBottom)
        ResetBottomBorder(cell);
    return TRUE;
}

void ClearCell(CNorvakCell& cell)
{
    static const CNorvakCell fresh;
    CopyCell(cell, fresh, TRUE);
}

void CopyRightBorder(CNorvakCell& destination, const CNorvakCell& source)
{
    destination.SetVerLineColor(source.GetVerLineColor());
    destination.SetVerLineWidth(source.GetVerLineWidth());
    destination.SetVerLineStyle(source.GetVerLineStyle());
}

void CopyBottomBorder(CNorvakCell& destination, const CNorvakCell& source)
{
    destination.SetHorLineColor(source.GetHorLineColor());
    destination.SetHorLineWidth(source.GetHorLineWidth());
    destination.SetHorLineStyle(source.GetHorLineStyle());
}

void DetachPastedCell(CNorvakCell& cell)
{
    const int editLock = cell.GetEditLock();
    cell.ClearMerge();
    cell.SetEditLock(editLock);
    cell.SetState(WORD(cell.GetState() & ~CIS_FOCUSED));
}

} // namespace SheetModel
