// The cell copy and reset that moves, copies and fills write cells with, and the check of merges
// against a block put down on the page.

#include "drawing/CPictureObject.h"
#include "sheet/model/BlockPaste.h"
#include "sheet/model/CellCopy.h"
#include "sheet/model/MergeCells.h"
#include "tests/support/CellSheet.h"

#include <gtest/gtest.h>

namespace {

void DeletePicture(CPictureObject* picture)
{
    delete picture;
}

// A cell whose every field differs from the defaults.
void Dress(CNorvakCell& cell)
{
    cell.SetText("dressed");
    CFontRecord font;
    font.font.lfWeight = FW_BOLD;
    font.crText = 0x0000FF;
    font.crBackground = 0x00FF00;
    cell.SetFont(font);
    cell.SetTextFormat(21);
    cell.SetValueWord(7);
    cell.SetImage(3);
    cell.SetImageValue(4);
    cell.SetState(CIS_FOCUSED | CIS_SELECTED | CIS_READONLY);
    cell.SetVerLineColor(0x112233);
    cell.SetVerLineStyle(3);
    cell.SetHorLineColor(0x445566);
    cell.SetHorLineWidth(2);
    cell.SetCovered(TRUE);
    cell.SetMergeOrigin(CCellCoord(1, 1));
    cell.SetEditLock(1);
    cell.SetIndent(5);
    cell.SetPicture(CNorvakCell::PicturePtr(new CPictureObject, &DeletePicture));
}

void ExpectSameLook(const CNorvakCell& a, const CNorvakCell& b)
{
    EXPECT_STREQ(a.GetTextPtr(), b.GetTextPtr());
    EXPECT_TRUE(a.GetFont() == b.GetFont());
    EXPECT_EQ(a.GetTextFormat(), b.GetTextFormat());
    EXPECT_EQ(a.GetValueWord(), b.GetValueWord());
    EXPECT_EQ(a.GetImage(), b.GetImage());
    EXPECT_EQ(a.GetImageValue(), b.GetImageValue());
    EXPECT_EQ(a.GetVerLineColor(), b.GetVerLineColor());
    EXPECT_EQ(a.GetVerLineStyle(), b.GetVerLineStyle());
    EXPECT_EQ(a.GetHorLineColor(), b.GetHorLineColor());
    EXPECT_EQ(a.GetHorLineWidth(), b.GetHorLineWidth());
}

TEST(CellCopy, AFillCopyTakesTheLookAndTheStateButNoMerge)
{
    CNorvakCell source;
    Dress(source);
    CNorvakCell copy;
    SheetModel::CopyCell(copy, source, FALSE);
    ExpectSameLook(copy, source);
    EXPECT_EQ(copy.GetState(), CIS_READONLY) << "without the focus and the selection";
    EXPECT_FALSE(copy.IsCovered());
    EXPECT_TRUE(copy.GetMergeOrigin().IsNone());
    EXPECT_EQ(copy.GetEditLock(), 0);
    EXPECT_EQ(copy.GetPicture(), nullptr);
}

// A picture copied with a cell gets a holder of its own, so each cell frees only its own; a source
// without a picture takes the destination's away.
TEST(CellCopy, ABufferCopyTakesTheMergeAndGivesTheCopyAPictureOfItsOwn)
{
    CNorvakCell source;
    Dress(source);
    CNorvakCell copy;
    copy.SetState(CIS_MODIFIED);
    SheetModel::CopyCell(copy, source, TRUE);
    ExpectSameLook(copy, source);
    EXPECT_EQ(copy.GetState(), CIS_MODIFIED) << "the state word is not copied";
    EXPECT_TRUE(copy.IsCovered());
    EXPECT_EQ(copy.GetMergeOrigin(), CCellCoord(1, 1));
    EXPECT_EQ(copy.GetEditLock(), 1);
    EXPECT_EQ(copy.GetIndent(), 5);
    ASSERT_NE(copy.GetPicture(), nullptr);
    EXPECT_NE(copy.GetPicture(), source.GetPicture());

    SheetModel::ClearCell(copy);
    EXPECT_EQ(copy.GetPicture(), nullptr);
    EXPECT_FALSE(copy.IsCovered());
    EXPECT_STREQ(copy.GetTextPtr(), "");
    EXPECT_EQ(copy.GetTextFormat(), CNorvakCell::kDefaultTextFormat);
}

TEST(CellCopy, AResetCellTakesTheFillDefaultsAndTheBordersAsked)
{
    for (BOOL right : {FALSE, TRUE})
        for (BOOL bottom : {FALSE, TRUE}) {
            CNorvakCell cell;
            Dress(cell);
            EXPECT_TRUE(SheetModel::ResetCell(cell, right, bottom));
            EXPECT_STREQ(cell.GetTextPtr(), "");
            EXPECT_EQ(cell.GetTextFormat(), 37);
            EXPECT_TRUE(cell.GetFont() == CFontRecord());
            EXPECT_FALSE(cell.HasOwnFont());
            EXPECT_EQ(cell.GetValueWord() + cell.GetImage() + cell.GetImageValue(), 0);
            EXPECT_EQ(cell.GetVerLineColor(), right ? kDefaultLineColor : 0x112233u);
            EXPECT_EQ(cell.GetVerLineStyle(), right ? 1 : 3);
            EXPECT_EQ(cell.GetHorLineColor(), bottom ? kDefaultLineColor : 0x445566u);
            EXPECT_EQ(cell.GetHorLineWidth(), bottom ? 1 : 2);
        }
}

// A page of 10 x 8 with one merge over rows 4-5, columns 3-4; records are offsets and extents.
TEST(BlockPaste, MergePlacement)
{
    struct Case
    {
        const char* what;
        CMergeCellRange record;
        int row;
        int col;
        CMergeRefusal refusal;
        CCellRect leaving{};
    } cases[] = {
        {"clear of the merge", CMergeCellRange::Of(0, 0, 1, 1), 1, 1, kMergesFit},
        {"around the merge", CMergeCellRange::Of(0, 0, 3, 3), 3, 2, kMergesFit},
        {"on the merge exactly", CMergeCellRange::Of(0, 0, 1, 1), 4, 3, kMergesFit},
        {"through the merge", CMergeCellRange::Of(0, 0, 1, 1), 5, 4, kMergeCutThrough},
        {"a record offset into the merge", CMergeCellRange::Of(2, 2, 0, 0), 3, 2, kMergeCutThrough},
        {"to the last row", CMergeCellRange::Of(0, 0, 2, 0), 7, 1, kMergesFit},
        {"past the last row", CMergeCellRange::Of(0, 0, 3, 0), 7, 1, kMergePastPage},
        {"past the last column", CMergeCellRange::Of(0, 1, 0, 1), 1, 6, kMergePastPage},
        {"through a merge that leaves", CMergeCellRange::Of(0, 0, 1, 1), 5, 4, kMergesFit, {4, 3, 5, 4}},
        {"through a merge partly leaving",
         CMergeCellRange::Of(0, 0, 1, 1),
         5,
         4,
         kMergeCutThrough,
         {4, 3, 4, 4}},
    };
    CellSheet sheet(10, 8, 1, 1);
    CNoRepaint quiet;
    CCellGeometry geometry(sheet.page, CViewArea{});
    ASSERT_TRUE(SheetModel::CombineCells(sheet.page, sheet.cells, 4, 3, 1, 1, TRUE, 0, geometry, quiet));
    for (const Case& c : cases)
        EXPECT_EQ(SheetModel::CheckMergePlacement(sheet.page, {c.record}, c.row, c.col,
                                                  c.leaving.maxRow >= 0 ? &c.leaving : nullptr),
                  c.refusal)
            << c.what;
}

} // namespace
