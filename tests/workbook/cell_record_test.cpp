// Which cells and fonts count as differing from the defaults, and so are stored.

#include "tests/workbook/WorkbookSamples.h"

#include <functional>

TEST(CellRecord, FontDiffersFromTheDefaultByAnyMember)
{
    using Change = std::function<void(CFontRecord&)>;
    struct Case
    {
        const char* name;
        Change change;
        bool differs;
    } cases[] = {
        {"default", [](CFontRecord&) {}, false},
        {"weight 400", [](CFontRecord& f) { f.font.lfWeight = 400; }, true},
        {"height", [](CFontRecord& f) { f.font.lfHeight = -13; }, true},
        {"width", [](CFontRecord& f) { f.font.lfWidth = 1; }, true},
        {"escapement", [](CFontRecord& f) { f.font.lfEscapement = 900; }, true},
        {"orientation", [](CFontRecord& f) { f.font.lfOrientation = 1; }, true},
        {"italic", [](CFontRecord& f) { f.font.lfItalic = 1; }, true},
        {"underline", [](CFontRecord& f) { f.font.lfUnderline = 1; }, true},
        {"strike-out", [](CFontRecord& f) { f.font.lfStrikeOut = 1; }, true},
        {"character set", [](CFontRecord& f) { f.font.lfCharSet = GB2312_CHARSET; }, true},
        {"output precision", [](CFontRecord& f) { f.font.lfOutPrecision = 1; }, true},
        {"clip precision", [](CFontRecord& f) { f.font.lfClipPrecision = 1; }, true},
        {"quality", [](CFontRecord& f) { f.font.lfQuality = 1; }, true},
        {"pitch and family", [](CFontRecord& f) { f.font.lfPitchAndFamily = 1; }, true},
        {"face", [](CFontRecord& f) { std::strcpy(f.font.lfFaceName, "宋体 "); }, true},
        {"opaque", [](CFontRecord& f) { f.bTransparent = 0; }, true},
        {"text colour", [](CFontRecord& f) { f.crText = 0; }, true},
        {"background", [](CFontRecord& f) { f.crBackground = 0xFFFFFF; }, true},
    };
    for (const Case& c : cases) {
        CFontRecord font;
        c.change(font);
        EXPECT_EQ(IsFontNonDefault(font), c.differs) << c.name;
    }
}

TEST(CellRecord, CellDiffersFromAFreshOneByAnyStoredFieldOrStateBesidesTheSelection)
{
    using Change = std::function<void(CNorvakCell&)>;
    struct Case
    {
        const char* name;
        Change change;
        bool differs;
    } cases[] = {
        {"fresh", [](CNorvakCell&) {}, false},
        {"selection frame only", [](CNorvakCell& c) { c.SetSelectionFrame(TRUE); }, false},
        {"value word at or below 0", [](CNorvakCell& c) { c.SetValueWord(0x8000); }, false},
        {"selected state only", [](CNorvakCell& c) { c.SetState(CIS_SELECTED); }, false},
        {"selected and focused only", [](CNorvakCell& c) { c.SetState(CIS_SELECTED | CIS_FOCUSED); }, false},
        {"read-only state", [](CNorvakCell& c) { c.SetState(CIS_READONLY); }, true},
        {"modified and selected", [](CNorvakCell& c) { c.SetState(CIS_MODIFIED | CIS_SELECTED); }, true},
        {"merged right", [](CNorvakCell& c) { c.SetMergedRight(TRUE); }, true},
        {"merged below", [](CNorvakCell& c) { c.SetMergedBelow(TRUE); }, true},
        {"vertical colour", [](CNorvakCell& c) { c.SetVerLineColor(0); }, true},
        {"horizontal colour", [](CNorvakCell& c) { c.SetHorLineColor(0); }, true},
        {"vertical width", [](CNorvakCell& c) { c.SetVerLineWidth(2); }, true},
        {"horizontal width", [](CNorvakCell& c) { c.SetHorLineWidth(0); }, true},
        {"vertical style", [](CNorvakCell& c) { c.SetVerLineStyle(2); }, true},
        {"horizontal style", [](CNorvakCell& c) { c.SetHorLineStyle(2); }, true},
        {"covered", [](CNorvakCell& c) { c.SetCovered(TRUE); }, true},
        {"edit lock", [](CNorvakCell& c) { c.SetEditLock(1); }, true},
        {"row span", [](CNorvakCell& c) { c.SetRowSpan(1); }, true},
        {"column span", [](CNorvakCell& c) { c.SetColSpan(1); }, true},
        {"merge origin row", [](CNorvakCell& c) { c.SetMergeOrigin(CCellCoord(0, -1)); }, true},
        {"merge origin column", [](CNorvakCell& c) { c.SetMergeOrigin(CCellCoord(-1, 0)); }, true},
        {"text format", [](CNorvakCell& c) { c.SetTextFormat(1); }, true},
        {"value word", [](CNorvakCell& c) { c.SetValueWord(1); }, true},
        {"picture placement", [](CNorvakCell& c) { c.SetPicturePlacement(0); }, true},
        {"cell type", [](CNorvakCell& c) { c.SetCellType(2); }, true},
        {"filler", [](CNorvakCell& c) { c.SetFillerChar('*'); }, true},
        {"text", [](CNorvakCell& c) { c.SetText("x"); }, true},
        {"image", [](CNorvakCell& c) { c.SetImage(1); }, true},
        {"image value", [](CNorvakCell& c) { c.SetImageValue(1); }, true},
        {"indent", [](CNorvakCell& c) { c.SetIndent(2); }, true},
        {"font", [](CNorvakCell& c) { c.EditFont().font.lfWeight = 400; }, true},
        {"font colour", [](CNorvakCell& c) { c.EditFont().crText = 0x123456; }, true},
    };
    for (const Case& c : cases) {
        CNorvakCell cell;
        c.change(cell);
        EXPECT_EQ(IsCellNonDefault(cell), c.differs) << c.name;
    }
}

TEST(CellRecord, FaceNameMustFitItsArray)
{
    for (size_t length : {size_t(0), size_t(LF_FACESIZE - 1), size_t(LF_FACESIZE)}) {
        LOGFONTA font{};
        CArchiveWriter out;
        for (int i = 0; i < 5; ++i)
            out.WriteInt(i);
        for (int i = 0; i < 8; ++i)
            out.WriteByte(uint8_t(i));
        std::string face(length, 'F');
        out.WriteString(face.data(), face.size());
        std::vector<uint8_t> bytes = out.TakeBytes();
        CArchiveReader in(bytes.data(), bytes.size());
        if (length < LF_FACESIZE) {
            ReadFontRecord(in, font);
            EXPECT_EQ(std::string(font.lfFaceName), face);
            EXPECT_EQ(font.lfWeight, 4);
            EXPECT_EQ(font.lfPitchAndFamily, 7);
        } else {
            EXPECT_THROW(ReadFontRecord(in, font), CArchiveError);
        }
    }
}
