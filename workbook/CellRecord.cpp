#include "workbook/CellRecord.h"

#include <cstring>

namespace {

const char kDefaultFace[] = "宋体";
constexpr int kDefaultFontHeight = -12;

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
    // The likeliest differences first: a save tests every cell of a page.
    return cell.HasText() || cell.GetState() || cell.GetTextFormat() != CNorvakCell::kDefaultTextFormat ||
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
    out.WriteInt(cell.IsMergedRight());
    out.WriteInt(cell.IsMergedBelow());
    out.WriteInt(int32_t(cell.GetVerLineColor()));
    out.WriteInt(int32_t(cell.GetHorLineColor()));
    out.WriteByte(cell.GetVerLineWidth());
    out.WriteByte(cell.GetHorLineWidth());
    out.WriteByte(cell.GetVerLineStyle());
    out.WriteByte(cell.GetHorLineStyle());
    out.WriteInt(cell.IsCovered());
    out.WriteInt(cell.GetEditLock());
    out.WriteInt(cell.HasSelectionFrame());
    out.WriteShort(cell.GetRowSpan());
    out.WriteShort(cell.GetColSpan());
    out.WriteInt(cell.GetMergeOrigin().row);
    out.WriteInt(cell.GetMergeOrigin().col);
    out.WriteShort(cell.GetTextFormat());
    const char* text = cell.GetTextPtr();
    out.WriteString(text, std::strlen(text));
    const CFontRecord& font = cell.GetFont();
    out.WriteInt(font.bTransparent);
    out.WriteInt(int32_t(font.crText));
    out.WriteInt(int32_t(font.crBackground));
    const bool ownFont = IsFontNonDefault(font);
    out.WriteInt(ownFont ? 1 : 0);
    if (ownFont)
        WriteFontRecord(out, font.font);
    out.WriteShort(cell.GetValueWord());
    out.WriteByte(cell.GetPicturePlacement());
    out.WriteByte(cell.GetCellType());
    out.WriteByte(cell.GetFillerChar());
}

void ReadCellRecord(CArchiveReader& in, CNorvakCell& cell, int row, int col, const CCellBounds& bounds,
                    std::string& text)
{
    cell.SetMergedRight(in.ReadInt());
    cell.SetMergedBelow(in.ReadInt());
    cell.SetVerLineColor(COLORREF(uint32_t(in.ReadInt())));
    cell.SetHorLineColor(COLORREF(uint32_t(in.ReadInt())));
    cell.SetVerLineWidth(in.ReadByte());
    cell.SetHorLineWidth(in.ReadByte());
    cell.SetVerLineStyle(in.ReadByte());
    cell.SetHorLineStyle(in.ReadByte());
    cell.SetCovered(in.ReadInt());
    cell.SetEditLock(in.ReadInt());
    cell.SetSelectionFrame(in.ReadInt());
    WORD rowSpan = in.ReadShort();
    WORD colSpan = in.ReadShort();
    if (!InsidePage(row + rowSpan, col + colSpan, bounds))
        CArchiveReader::Fail("a merge reaching past the page");
    cell.SetRowSpan(rowSpan);
    cell.SetColSpan(colSpan);
    CCellCoord origin;
    origin.row = in.ReadInt();
    origin.col = in.ReadInt();
    if ((origin.row >= 0 || origin.col >= 0) && !InsidePage(origin.row, origin.col, bounds))
        CArchiveReader::Fail("a merge origin outside the page");
    cell.SetMergeOrigin(origin.IsNone() ? CCellCoord() : origin);
    cell.SetTextFormat(in.ReadShort());
    in.ReadString(text);
    cell.SetText(text.c_str());
    const int transparent = in.ReadInt();
    const COLORREF textColour = COLORREF(uint32_t(in.ReadInt()));
    const COLORREF background = COLORREF(uint32_t(in.ReadInt()));
    const bool ownFont = in.ReadInt() != 0;
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
    cell.SetValueWord(in.ReadShort());
    cell.SetPicturePlacement(in.ReadByte());
    cell.SetCellType(in.ReadByte());
    cell.SetFillerChar(in.ReadByte());
}
