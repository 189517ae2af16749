#include "workbook/PageSlots.h"

#include "chart/model/PageCharts.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <type_traits>
#include <utility>

namespace {

template <class T> constexpr CFieldWidth WidthOf()
{
    if constexpr (std::is_same_v<T, WORD> || std::is_same_v<T, short>)
        return CFieldWidth::Short;
    else if constexpr (std::is_same_v<T, BYTE>)
        return CFieldWidth::Byte;
    else if constexpr (std::is_same_v<T, double>)
        return CFieldWidth::Double;
    else if constexpr (std::is_same_v<T, CString>)
        return CFieldWidth::String;
    else {
        static_assert(std::is_same_v<T, int> || std::is_same_v<T, DWORD> || std::is_same_v<T, UINT>,
                      "a page setting of a type the file has no width for");
        return CFieldWidth::Int;
    }
}

template <auto Member> CPageFieldRef MemberOf(CNorvakPage& page)
{
    return &(page.*Member);
}

template <auto Array, size_t Index> CPageFieldRef ElementOf(CNorvakPage& page)
{
    return &(page.*Array)[Index];
}

template <auto Record, auto Part> CPageFieldRef PartOf(CNorvakPage& page)
{
    return &((page.*Record).*Part);
}

// A member of the page's pending chart settings, of a record in them, or an element of an array
// in them.
template <auto Member> CPageFieldRef ChartMemberOf(CNorvakPage& page)
{
    return &(PendingChartSettings(page).*Member);
}

template <auto Record, auto Part> CPageFieldRef ChartPartOf(CNorvakPage& page)
{
    return &((PendingChartSettings(page).*Record).*Part);
}

template <auto Array, size_t Index> CPageFieldRef ChartElementOf(CNorvakPage& page)
{
    return &(PendingChartSettings(page).*Array)[Index];
}

CPageFieldRef NoMember(CNorvakPage&)
{
    return {};
}

template <auto Member> constexpr CPageSlot Field()
{
    using T = std::remove_cvref_t<decltype(std::declval<CNorvakPage&>().*Member)>;
    return {WidthOf<T>(), &MemberOf<Member>};
}

template <auto Array, size_t Index> constexpr CPageSlot Element()
{
    using T = std::remove_cvref_t<decltype((std::declval<CNorvakPage&>().*Array)[0])>;
    return {WidthOf<T>(), &ElementOf<Array, Index>};
}

template <auto Record, auto Part> constexpr CPageSlot PartField()
{
    return {CFieldWidth::Int, &PartOf<Record, Part>};
}

template <auto Member> constexpr CPageSlot ChartField()
{
    using T = std::remove_cvref_t<decltype(std::declval<CChartPageSettings&>().*Member)>;
    return {WidthOf<T>(), &ChartMemberOf<Member>, true};
}

template <auto Record, auto Part> constexpr CPageSlot ChartPartField()
{
    using T = std::remove_cvref_t<decltype((std::declval<CChartPageSettings&>().*Record).*Part)>;
    return {WidthOf<T>(), &ChartPartOf<Record, Part>, true};
}

template <auto Array, size_t Index> constexpr CPageSlot ChartElement()
{
    using T = std::remove_cvref_t<decltype((std::declval<CChartPageSettings&>().*Array)[0])>;
    return {WidthOf<T>(), &ChartElementOf<Array, Index>, true};
}

constexpr CPageSlot Unheld(CFieldWidth width)
{
    return {width, &NoMember};
}

constexpr CPageSlot kUnheldInt = Unheld(CFieldWidth::Int);
constexpr CPageSlot kUnheldShort = Unheld(CFieldWidth::Short);
constexpr CPageSlot kUnheldByte = Unheld(CFieldWidth::Byte);

using P = CNorvakPage;
using C = CChartPageSettings;
using D = CChartDataPage;

const CPageSlot kHeadSlots[] = {
    Field<&P::m_nTabIconState>(),
    Field<&P::m_bOpened>(),
    Field<&P::m_bContentVisible>(),
    Field<&P::m_nPrivilege>(),
};

const CPageSlot kSettingSlots[] = {
    // Tab sizing and scrolling.
    Field<&P::m_bDefaultTabWidth>(),
    Field<&P::m_bDefaultTabHeight>(),
    Field<&P::m_nHorzPos>(),
    Field<&P::m_nVertPos>(),
    Field<&P::m_nHorzRange>(),
    Field<&P::m_nVertRange>(),
    // Colours and grid switches. The four system colours a page caches when it is made come from
    // the system of the reader, not from the file.
    Field<&P::m_crTextColor>(),
    Field<&P::m_crTextBkColor>(),
    Field<&P::m_crBkColor>(),
    Field<&P::m_crFixedTextColor>(),
    Field<&P::m_crFixedBkColor>(),
    Field<&P::m_crGridColor>(),
    Field<&P::m_bTextColorSet>(),
    Field<&P::m_bTextBkColorSet>(),
    Field<&P::m_bBkColorSet>(),
    Field<&P::m_bColumnWidthsChanged>(),
    Field<&P::m_bListMode>(),
    Field<&P::m_bSingleSelection>(),
    kUnheldInt,
    kUnheldInt,
    kUnheldInt,
    kUnheldInt,
    Field<&P::m_nReserved3>(),
    Field<&P::m_bEditable>(),
    Field<&P::m_nCellTextMargin>(),
    Field<&P::m_bDragAndDrop>(),
    Field<&P::m_nReserved0a>(),
    Field<&P::m_nReserved0b>(),
    Field<&P::m_bRedraw>(),
    Field<&P::m_bShowCells>(),
    Field<&P::m_bEnableSelection>(),
    Field<&P::m_bAllowDraw>(),
    Field<&P::m_bAllowRowResize>(),
    Field<&P::m_bAllowColumnResize>(),
    Field<&P::m_nReserved0c>(),
    Field<&P::m_nDefaultColumnWidth>(),
    // Selection and mouse.
    Field<&P::m_nMouseMode>(),
    Field<&P::m_nDefaultRowHeight>(),
    Field<&P::m_nTimerInterval>(),
    Field<&P::m_nBorderTolerance>(),
    Field<&P::m_bFlagA>(),
    Field<&P::m_bFlagB>(),
    PartField<&P::m_selectionStart, &CCellCoord::row>(),
    PartField<&P::m_selectionStart, &CCellCoord::col>(),
    kUnheldInt,
    // Headers and sorting.
    Field<&P::m_nHeadSelectedStyle>(),
    Field<&P::m_bSortAllowed>(),
    Field<&P::m_nSortColumn>(),
    Field<&P::m_bSorting>(),
    Field<&P::m_bHeaderSortEnabled>(),
    Field<&P::m_nReserved0d>(),
    Field<&P::m_crSelection>(),
    Field<&P::m_bUniformRowHeight>(),
    Field<&P::m_bUniformColumnWidth>(),
    Field<&P::m_nSortStyle>(),
    Field<&P::m_bContextMenuVisible>(),
    Field<&P::m_nReservedFFFFa>(),
    Field<&P::m_nReservedFFFFb>(),
    // Frozen bands.
    Field<&P::m_nLockedRows>(),
    Field<&P::m_nLockedCols>(),
    Field<&P::m_nLockedRowOffset>(),
    Field<&P::m_nLockedColOffset>(),
    Field<&P::m_nScrollRowOffset>(),
    Field<&P::m_nScrollColOffset>(),
    Field<&P::m_bSortAscending>(),
    // The page's chart data source, kind and layout, pending until a chart is inserted.
    ChartField<&C::chDataSourceMode>(),
    Field<&P::m_bFlagC>(),
    ChartPartField<&C::dataPage, &D::bAllColumns>(),
    ChartPartField<&C::dataPage, &D::bAllRows>(),
    ChartField<&C::bGroupByColumns>(),
    ChartField<&C::bMixedSign>(),
    ChartField<&C::chChartType>(),
    ChartField<&C::chChartSubType>(),
    ChartPartField<&C::dataPage, &D::nColumnIndexMode>(),
    kUnheldByte,
    ChartPartField<&C::dataPage, &D::nLegendValueA>(),
    kUnheldByte,
    kUnheldByte,
    kUnheldShort,
    ChartPartField<&C::dataPage, &D::nLegendValueB>(),
    ChartElement<&C::layoutShown, 0>(), // plot area
    ChartElement<&C::layoutShown, 1>(), // legend
    ChartPartField<&C::dataPage, &D::nFirstRow>(),
    ChartPartField<&C::dataPage, &D::nLastRow>(),
    ChartElement<&C::layoutShown, 2>(), // data area
    ChartElement<&C::layoutShown, 3>(), // chart title
    ChartElement<&C::layoutShown, 4>(), // X-axis title
    ChartElement<&C::layoutShown, 5>(), // Y/Z-axis title
    kUnheldByte,
    kUnheldByte,
    ChartElement<&C::displayOptions, 0>(),
    ChartElement<&C::displayOptions, 1>(),
    ChartElement<&C::displayOptions, 2>(),
    ChartElement<&C::displayOptions, 3>(),
    ChartElement<&C::displayOptions, 4>(),
    ChartElement<&C::displayOptions, 5>(),
    ChartElement<&C::displayOptions, 6>(),
    ChartElement<&C::displayOptions, 7>(),
    kUnheldInt,
    kUnheldInt,
    kUnheldInt,
    // Report output, the format brush and protection.
    Field<&P::m_nOutputMode>(),
    Field<&P::m_bPrintRowHeader>(),
    Field<&P::m_bPrintColHeader>(),
    PartField<&P::m_formatBrush, &CCellRect::minRow>(),
    PartField<&P::m_formatBrush, &CCellRect::minCol>(),
    PartField<&P::m_formatBrush, &CCellRect::maxRow>(),
    PartField<&P::m_formatBrush, &CCellRect::maxCol>(),
    Field<&P::m_strPassword>(),
    Field<&P::m_strUserName>(),
    kUnheldInt,
    kUnheldInt,
    Unheld(CFieldWidth::SizePair),
    Unheld(CFieldWidth::SizePair),
    // Chart options, the focus cell and the chart layout.
    Field<&P::m_crChartColor1>(),
    Field<&P::m_crChartColor2>(),
    Field<&P::m_nChartValue40>(),
    Field<&P::m_nChartValue255>(),
    Field<&P::m_crChartWhite>(),
    Field<&P::m_nChartBitmapId>(),
    PartField<&P::m_focusCell, &CCellCoord::row>(),
    PartField<&P::m_focusCell, &CCellCoord::col>(),
    ChartField<&C::dClusteredMin>(),
    ChartField<&C::dClusteredMax>(),
    ChartField<&C::dStackedMin>(),
    ChartField<&C::dStackedMax>(),
    Element<&P::m_chartOptionBytes, 0>(),
    Element<&P::m_chartOptionBytes, 1>(),
    Element<&P::m_chartOptionBytes, 2>(),
    Element<&P::m_chartOptionBytes, 3>(),
    Element<&P::m_chartOptionBytes, 4>(),
    Element<&P::m_chartOptionBytes, 5>(),
    Element<&P::m_chartOptionBytes, 6>(),
    Element<&P::m_chartOptionBytes, 7>(),
    Element<&P::m_chartOptionInts, 0>(),
    Element<&P::m_chartOptionInts, 1>(),
    Element<&P::m_chartOptionInts, 2>(),
    Element<&P::m_chartOptionInts, 3>(),
    Unheld(CFieldWidth::Rect),
    Unheld(CFieldWidth::SizePair),
    Unheld(CFieldWidth::Rect),
};

template <class... F> struct Overloaded : F...
{
    using F::operator()...;
};

void WriteZero(CArchiveWriter& out, CFieldWidth width)
{
    switch (width) {
    case CFieldWidth::Int:
        return out.WriteInt(0);
    case CFieldWidth::Short:
        return out.WriteShort(uint16_t(0));
    case CFieldWidth::Byte:
        return out.WriteByte(uint8_t(0));
    case CFieldWidth::Double:
        return out.WriteDouble(0.0);
    case CFieldWidth::SizePair:
        return out.WriteSize(SIZE{});
    case CFieldWidth::Rect:
        return out.WriteRect(RECT{});
    case CFieldWidth::String:
        return out.WriteString(CString());
    }
}

// Zero in every chart layout slot: the file was written before they were kept, and none written
// since has all six off (the titles have no box that hides them).
void KeepChartDefaultsOfOlderFiles(CNorvakPage& page)
{
    if (!page.m_chartSettings)
        return;
    CChartPageSettings& settings = *page.m_chartSettings;
    if (std::any_of(std::begin(settings.layoutShown), std::end(settings.layoutShown), [](int v) { return v != 0; }))
        return;
    const CChartPageSettings defaults;
    settings.chDataSourceMode = defaults.chDataSourceMode;
    std::copy(std::begin(defaults.displayOptions), std::end(defaults.displayOptions), settings.displayOptions);
    std::copy(std::begin(defaults.layoutShown), std::end(defaults.layoutShown), settings.layoutShown);
}

// A page as the control makes it, for the defaults of its chart slots.
struct CFreshPage
{
    CNorvakPage page{0, CString(), 0};
};

bool SameValue(const CPageFieldRef& a, const CPageFieldRef& b)
{
    if (a.index() != b.index())
        return false;
    return std::visit(Overloaded{
                          [](std::monostate) { return true; },
                          [&b](auto* v) { return *v == *std::get<decltype(v)>(b); },
                      },
                      a);
}

// A page read with its chart slots at their defaults and no chart data keeps no chart settings,
// as a page that never had any.
void DropDefaultChartSettings(CNorvakPage& page, std::span<const CPageSlot> slots)
{
    if (!page.m_chartSettings)
        return;
    const CChartPageSettings& settings = *page.m_chartSettings;
    if (!settings.items.empty() || !settings.legendItems.empty() || !settings.rowTotals.empty() ||
        !settings.customRows.empty() || !settings.customColumns.empty() || !settings.dataPage.indexList.empty())
        return;
    CFreshPage fresh;
    for (const CPageSlot& slot : slots)
        if (slot.bChart && !SameValue(slot.at(page), slot.at(fresh.page)))
            return;
    page.m_chartSettings.reset();
}

void Drop(CArchiveReader& in, CFieldWidth width)
{
    if (width == CFieldWidth::String)
        in.ReadString();
    else
        in.Skip(MinimumBytes(width));
}

} // namespace

std::span<const CPageSlot> PageHeadSlots()
{
    return kHeadSlots;
}

std::span<const CPageSlot> PageSettingSlots()
{
    return kSettingSlots;
}

size_t MinimumBytes(CFieldWidth width)
{
    switch (width) {
    case CFieldWidth::Int:
        return 4;
    case CFieldWidth::Short:
        return 2;
    case CFieldWidth::Byte:
    case CFieldWidth::String:
        return 1;
    case CFieldWidth::Double:
    case CFieldWidth::SizePair:
        return 8;
    case CFieldWidth::Rect:
        return 16;
    }
    return 0;
}

void WriteSlots(CArchiveWriter& out, std::span<const CPageSlot> slots, const CNorvakPage& page)
{
    // The accessors hand out writable places; writing only reads through them.
    CNorvakPage& source = const_cast<CNorvakPage&>(page);
    std::optional<CFreshPage> fresh;
    auto holder = [&](const CPageSlot& slot) -> CNorvakPage& {
        if (!slot.bChart || page.m_chartSettings)
            return source;
        if (!fresh)
            fresh.emplace();
        return fresh->page;
    };
    for (const CPageSlot& slot : slots)
        std::visit(Overloaded{
                       [&](std::monostate) { WriteZero(out, slot.width); },
                       [&](int* v) { out.WriteInt(*v); },
                       [&](DWORD* v) { out.WriteInt(int32_t(*v)); },
                       [&](UINT* v) { out.WriteInt(int32_t(*v)); },
                       [&](WORD* v) { out.WriteShort(*v); },
                       [&](short* v) { out.WriteShort(uint16_t(*v)); },
                       [&](BYTE* v) { out.WriteByte(*v); },
                       [&](double* v) { out.WriteDouble(*v); },
                       [&](CString* v) { out.WriteString(*v); },
                   },
                   slot.at(holder(slot)));
}

void ReadSlots(CArchiveReader& in, std::span<const CPageSlot> slots, CNorvakPage& page)
{
    for (const CPageSlot& slot : slots)
        std::visit(Overloaded{
                       [&](std::monostate) { Drop(in, slot.width); },
                       [&](int* v) { *v = in.ReadInt(); },
                       [&](DWORD* v) { *v = DWORD(uint32_t(in.ReadInt())); },
                       [&](UINT* v) { *v = UINT(in.ReadInt()); },
                       [&](WORD* v) { *v = in.ReadShort(); },
                       [&](short* v) { *v = short(in.ReadShort()); },
                       [&](BYTE* v) { *v = in.ReadByte(); },
                       [&](double* v) { *v = in.ReadDouble(); },
                       [&](CString* v) { *v = in.ReadString(); },
                   },
                   slot.at(page));
    KeepChartDefaultsOfOlderFiles(page);
    DropDefaultChartSettings(page, slots);
}
