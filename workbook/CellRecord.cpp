#include "workbook/CellRecord.h"

#include <cstring>

namespace {

const char kDefaultFace[] = "宋体";
constexpr int kDefaultFontHeight = -12;
// The fixed fields before the text, the colours and font flag after it, and the last fields.
constexpr size_t kCellHeadBytes = 4 * 4 + 4 + 3 * 4 + 2 * 2 + 2 * 4 + 2;
constexpr size_t kCellFontBytes = 4 * 4;
constexpr size_t kCellTailBytes = 2 + 3;
static_assert(kCellHeadBytes + 1 + kCellFontBytes + kCellTailBytes == kMinimumCellRecordBytes);

size_t FaceLength(const LOGFONTA& font)
{
    return strnlen(font.lfFaceName, LF_FACESIZE - 1);
}

bool InsidePage(int row, int col, const CCellBounds& bounds)
{
    return row >= 0 && row < bounds.rows && col >= 0 && col < bounds.cols;
}

} // namespace

bool IsFontNonDefault(const CFontRecord& record)
{
    const LOGFONTA& f = record.font;
    return !record.bTransparent || record.crText != kNoTextColor || record.crBackground != kNoBackground ||
           f.lfHeight != kDefaultFontHeight || f.lfWidth || f.lfEscapement || f.lfOrientation || f.lfWeight ||
           f.lfItalic || f.lfUnderline || f.lfStrikeOut || f.lfCharSet || f.lfOutPrecision ||
           f.lfClipPrecision || f.lfQuality || f.lfPitchAndFamily ||
           std::string_view(f.lfFaceName, FaceLength(f)) != kDefaultFace;
}

bool IsCellNonDefault(const CNorvakCell& cell)
{
    // The selection and the focus travel in the page's own selected-cell list; as a reason for a
    // record they would make a select-all save a record for every cell of the page.
    constexpr WORD kSelectionMarks = CIS_SELECTED | CIS_FOCUSED;
    // The likeliest differences first: a save tests every record of a page.
    return cell.HasText() || (cell.GetState() & ~kSelectionMarks) ||
           cell.GetTextFormat() != CNorvakCell::kDefaultTextFormat ||
           cell.GetVerLineColor() != kDefaultLineColor || cell.GetHorLineColor() != kDefaultLineColor ||
           cell.GetVerLineWidth() != 1 || cell.GetHorLineWidth() != 1 || cell.GetVerLineStyle() != 1 ||
           cell.GetHorLineStyle() != 1 || cell.IsMergedRight() || cell.IsMergedBelow() || cell.IsCovered() ||
           cell.GetEditLock() || cell.GetRowSpan() || cell.GetColSpan() || cell.GetMergeOrigin().row >= 0 ||
           cell.GetMergeOrigin().col >= 0 || short(cell.GetValueWord()) > 0 ||
           cell.GetPicturePlacement() != 6 || cell.GetCellType() != 1 || cell.GetFillerChar() != ' ' ||
           cell.GetImage() || cell.GetImageValue() || cell.GetIndent() ||
           (cell.HasOwnFont() && IsFontNonDefault(cell.GetFont()));
}

void WriteFontRecord(CArchiveWriter& out, const LOGFONTA& font)
{
    out.WriteInt(int32_t(font.lfHeight));
    out.WriteInt(int32_t(font.lfWidth));
    out.WriteInt(int32_t(font.lfEscapement));
    out.WriteInt(int32_t(font.lfOrientation));
    out.WriteInt(int32_t(font.lfWeight));
    for (BYTE b : {font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
                   font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily})
        out.WriteByte(b);
    out.WriteString(font.lfFaceName, FaceLength(font));
}

void ReadFontRecord(CArchiveReader& in, LOGFONTA& font)
{
    font.lfHeight = in.ReadInt();
    font.lfWidth = in.ReadInt();
    font.lfEscapement = in.ReadInt();
    font.lfOrientation = in.ReadInt();
    font.lfWeight = in.ReadInt();
    for (BYTE* b : {&font.lfItalic, &font.lfUnderline, &font.lfStrikeOut, &font.lfCharSet,
                    &font.lfOutPrecision, &font.lfClipPrecision, &font.lfQuality, &font.lfPitchAndFamily})
        *b = in.ReadByte();
    std::string face;
    in.ReadString(face, LF_FACESIZE - 1);
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::memcpy(font.lfFaceName, face.data(), face.size());
}

void WriteCellRecord(CArchiveWriter& out, const CNorvakCell& cell)
{
    CArchiveFieldsOut head = out.WriteFields(kCellHeadBytes);
    head.Int(cell.IsMergedRight());
    head.Int(cell.IsMergedBelow());
    head.Int(int32_t(cell.GetVerLineColor()));
    head.Int(int32_t(cell.GetHorLineColor()));
    head.Byte(cell.GetVerLineWidth());
    head.Byte(cell.GetHorLineWidth());
    head.Byte(cell.GetVerLineStyle());
    head.Byte(cell.GetHorLineStyle());
    head.Int(cell.IsCovered());
    head.Int(cell.GetEditLock());
    head.Int(cell.HasSelectionFrame());
    head.Short(cell.GetRowSpan());
    head.Short(cell.GetColSpan());
    head.Int(cell.GetMergeOrigin().row);
    head.Int(cell.GetMergeOrigin().col);
    head.Short(cell.GetTextFormat());
    const char* text = cell.GetTextPtr();
    out.WriteString(text, std::strlen(text));

    const CFontRecord& font = cell.GetFont();
    // A cell without a font of its own shows the default font.
    const bool ownFont = cell.HasOwnFont() && IsFontNonDefault(font);
    CArchiveFieldsOut colours = out.WriteFields(kCellFontBytes);
    colours.Int(font.bTransparent);
    colours.Int(int32_t(font.crText));
    colours.Int(int32_t(font.crBackground));
    colours.Int(ownFont ? 1 : 0);
    if (ownFont)
        WriteFontRecord(out, font.font);

    CArchiveFieldsOut tail = out.WriteFields(kCellTailBytes);
    tail.Short(cell.GetValueWord());
    tail.Byte(cell.GetPicturePlacement());
    tail.Byte(cell.GetCellType());
    tail.Byte(cell.GetFillerChar());
}

void ReadCellRecord(CArchiveReader& in, CNorvakCell& cell, int row, int col, const CCellBounds& bounds,
                    std::string& text)
{
    // Each run of fixed fields is checked once and read whole before the cell is touched.
    CArchiveFields head = in.ReadFields(kCellHeadBytes);
    const int mergedRight = head.Int();
    const int mergedBelow = head.Int();
    const COLORREF verColour = COLORREF(uint32_t(head.Int()));
    const COLORREF horColour = COLORREF(uint32_t(head.Int()));
    const BYTE verWidth = head.Byte();
    const BYTE horWidth = head.Byte();
    const BYTE verStyle = head.Byte();
    const BYTE horStyle = head.Byte();
    const int covered = head.Int();
    const int editLock = head.Int();
    const int selectionFrame = head.Int();
    const WORD rowSpan = head.Short();
    const WORD colSpan = head.Short();
    CCellCoord origin;
    origin.row = head.Int();
    origin.col = head.Int();
    const WORD textFormat = head.Short();
    if (!InsidePage(row + rowSpan, col + colSpan, bounds))
        CArchiveReader::Fail("a merge reaching past the page");
    if ((origin.row >= 0 || origin.col >= 0) && !InsidePage(origin.row, origin.col, bounds))
        CArchiveReader::Fail("a merge origin outside the page");

    cell.SetMergedRight(mergedRight);
    cell.SetMergedBelow(mergedBelow);
    cell.SetVerLineColor(verColour);
    cell.SetHorLineColor(horColour);
    cell.SetVerLineWidth(verWidth);
    cell.SetHorLineWidth(horWidth);
    cell.SetVerLineStyle(verStyle);
    cell.SetHorLineStyle(horStyle);
    cell.SetCovered(covered);
    cell.SetEditLock(editLock);
    cell.SetSelectionFrame(selectionFrame);
    cell.SetRowSpan(rowSpan);
    cell.SetColSpan(colSpan);
    cell.SetMergeOrigin(origin.IsNone() ? CCellCoord() : origin);
    cell.SetTextFormat(textFormat);
    in.ReadString(text);
    cell.SetText(text.c_str());

    CArchiveFields colours = in.ReadFields(kCellFontBytes);
    const int transparent = colours.Int();
    const COLORREF textColour = COLORREF(uint32_t(colours.Int()));
    const COLORREF background = COLORREF(uint32_t(colours.Int()));
    const bool ownFont = colours.Int() != 0;
    if (ownFont || transparent != 1 || textColour != kNoTextColor || background != kNoBackground) {
        CFontRecord font;
        font.bTransparent = transparent;
        font.crText = textColour;
        font.crBackground = background;
        if (ownFont)
            ReadFontRecord(in, font.font);
        cell.SetFont(font);
    } else if (cell.HasOwnFont()) {
        cell.SetFont(CNorvakCell::DefaultFont());
    }

    CArchiveFields tail = in.ReadFields(kCellTailBytes);
    cell.SetValueWord(tail.Short());
    cell.SetPicturePlacement(tail.Byte());
    cell.SetCellType(tail.Byte());
    cell.SetFillerChar(tail.Byte());
}
