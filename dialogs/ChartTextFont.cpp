#include "dialogs/ChartTextFont.h"

#include "framework/CGdiObject.h"

namespace {

CChartTitleBlock* TitleOf(int code, const CChartElementRecord& record)
{
    if (!record.chart)
        return nullptr;
    switch (code) {
    case kChartTitle:
        return &record.chart->chartTitle;
    case kChartXAxisTitle:
        return &record.chart->xAxisTitle;
    case kChartYAxisTitle:
        return &record.chart->yAxisTitle;
    default:
        return nullptr;
    }
}

CChartTextItem* LegendEntryOf(int code, const CChartElementRecord& record)
{
    return code == 20 || code == 22 ? record.legendEntry : nullptr;
}

} // namespace

bool IsChartTextElement(int code, const CChartElementRecord& record)
{
    return TitleOf(code, record) || LegendEntryOf(code, record);
}

std::optional<ChartTextFont> ReadChartTextFont(int code, const CChartElementRecord& record)
{
    if (const CChartTitleBlock* title = TitleOf(code, record))
        return ChartTextFont{title->font, title->strText, title->strExtra, title->crText, title->crBack,
                             title->bTransparent, 0};
    if (const CChartTextItem* entry = LegendEntryOf(code, record))
        return ChartTextFont{entry->font,   entry->strCaption,   entry->strExtra, entry->crText,
                             entry->crBack, entry->bTransparent, entry->bFitText};
    return std::nullopt;
}

std::optional<CRect> WriteChartTextFont(int code, const CChartElementRecord& record, const ChartTextFont& values)
{
    if (CChartTitleBlock* title = TitleOf(code, record)) {
        title->font = values.font;
        title->strText = values.text;
        title->bTransparent = values.transparent;
        title->strExtra = values.sizeText;
        title->crText = values.colour;
        title->crBack = values.background;
        return title->rc;
    }
    if (CChartTextItem* entry = LegendEntryOf(code, record)) {
        entry->font = values.font;
        entry->strCaption = values.text;
        entry->bFitText = values.scale ? 1 : 0;
        entry->bTransparent = values.transparent ? 1 : 0;
        entry->strExtra = values.sizeText;
        entry->crText = values.colour;
        entry->crBack = values.background;
        return entry->rcCaption;
    }
    return std::nullopt;
}

ChartFontStyle FontStyleOf(const LOGFONTA& font)
{
    // The lists make bold 900 and regular 0; a stored normal weight (400) is regular.
    const bool bold = font.lfWeight >= FW_SEMIBOLD;
    if (bold)
        return font.lfItalic ? kFontBoldItalic : kFontBold;
    return font.lfItalic ? kFontItalic : kFontRegular;
}

int FontSizeItemRead(int index)
{
    if (index < 0 || index >= kFontSizeItems)
        return -1;
    return index > 15 ? kFontSizeItems - index - 1 : index;
}

LOGFONTA ChosenFont(const CString& face, ChartFontStyle style, int points, int pixelsPerInch, bool underline,
                    bool strikeOut, const LOGFONTA& kept)
{
    LOGFONTA font{};
    font.lfEscapement = kept.lfEscapement;
    font.lfOrientation = kept.lfOrientation;
    CFont::SetFaceName(font, face);
    font.lfHeight = pixelsPerInch * points / -72;
    if (style == kFontBold || style == kFontBoldItalic)
        font.lfWeight = FW_HEAVY;
    if (style == kFontItalic || style == kFontBoldItalic)
        font.lfItalic = 1;
    font.lfUnderline = underline ? 1 : 0;
    font.lfStrikeOut = strikeOut ? 1 : 0;
    return font;
}
