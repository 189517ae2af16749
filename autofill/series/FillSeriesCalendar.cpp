// Weekdays, months and hours: cyclic words that wrap around at the end of their cycle.

#include "autofill/series/FillSeries.h"

#include "autofill/series/FillWalk.h"
#include "autofill/series/NumberText.h"
#include "autofill/series/SeriesSplice.h"
#include "autofill/series/TextMask.h"

#include <cstdlib>
#include <cstring>
#include <span>

namespace {

// In the order they are looked for: the first that occurs decides, whatever their order in the text.
constexpr const char* kWeekdays[] = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日",
                                     "星期1",  "星期2",  "星期3",  "星期4",  "星期5",  "星期6",  "星期7"};
constexpr const char* kSundayTian = "星期天";
constexpr int kDaysInWeek = 7;

// A number field before "月" or "点": kind 0 has two digits, kind 1 one. restart is the distance
// the search for the last occurrence moves on after a hit.
struct CCycleMask
{
    const char* mask;
    int kind;
    int restart;
};
constexpr CCycleMask kMonthMasks[] = {{"00月", 0, 4}, {"0月", 1, 3}};
constexpr CCycleMask kHourMasks[] = {{"00点", 0, 6}, {"0点", 1, 5}};

struct CCycle
{
    std::span<const CCycleMask> masks;
    int first;
    int last;
};
constexpr CCycle kMonths{kMonthMasks, 1, 12};
constexpr CCycle kHours{kHourMasks, 0, 23};

BOOL FindCycleMask(const CString& text, const CCycle& cycle, int& position, int& kind)
{
    const CTextMask mask = CTextMask::OfDigits(text);
    for (const CCycleMask& candidate : cycle.masks) {
        position = mask.FindLast(candidate.mask, candidate.restart);
        if (position >= 0) {
            kind = candidate.kind;
            return TRUE;
        }
    }
    return FALSE;
}

// A value outside the cycle is kept until a step carries it past the end the step moves towards.
void AppendCycle(CString& out, int& value, int kind, BOOL forward, const CCycle& cycle)
{
    if (forward && ++value > cycle.last)
        value = cycle.first;
    else if (!forward && --value < cycle.first)
        value = cycle.last;
    CMemberBytes field;
    field.PutNumberField(value, kind == 0 ? 2 : 1);
    field.AppendTo(out);
}

CString FormatCycle(int& value, int kind, BOOL forward, const CCycle& cycle)
{
    CString text;
    AppendCycle(text, value, kind, forward, cycle);
    return text;
}

BOOL FillCycle(const CFillRequest& request, const CCycle& cycle)
{
    const CString& text = request.text;
    int position = 0;
    int kind = 0;
    if (!FindCycleMask(text, cycle, position, kind))
        return FALSE;
    const int digits = kind == 0 ? 2 : 1;
    int value = std::atoi(text.Mid(position, digits));
    return SpliceSeries(request, position, position + digits,
                        [&](BOOL forward, CString& line) { AppendCycle(line, value, kind, forward, cycle); });
}

CString WeekdayWord(int number, bool digitStyle, bool sundayTian)
{
    if (digitStyle)
        return CString(kWeekdays[kDaysInWeek + number - 1]);
    return CString(number == kDaysInWeek && sundayTian ? kSundayTian : kWeekdays[number - 1]);
}

} // namespace

BOOL CFillSeries::FillWeekday(const CFillRequest& request, BOOL followsDate)
{
    const CString& text = request.text;
    const bool sundayTian = text.Find(kSundayTian) >= 0;
    int index = 0;
    int position = -1;
    for (; index < int(std::size(kWeekdays)); ++index) {
        position = text.Find(kWeekdays[index]);
        if (position >= 0)
            break;
    }
    if (position < 0 && !sundayTian)
        return FALSE;
    const bool found = position >= 0;
    const char* word = found ? kWeekdays[index] : kSundayTian;
    const bool digitStyle = found && index >= kDaysInWeek;
    int number = found ? index % kDaysInWeek + 1 : kDaysInWeek;
    if (!found)
        position = text.Find(kSundayTian);
    const int wordLength = int(std::strlen(word));

    const CFillWalk walk(request.source, request.target);
    walk.ForEach([&](int row, int col) {
        if (walk.IsForward())
            number = number == kDaysInWeek ? 1 : number + 1;
        else
            number = number == 1 ? kDaysInWeek : number - 1;
        const CString newWord = WeekdayWord(number, digitStyle, sundayTian);
        // After a date the cell holds the text FillDate just wrote, the date moved on a day; the
        // weekday word stands in it as often as in the source, so its first occurrence is the one
        // found there.
        const CString cell = followsDate ? request.pCells->GetCellText(row, col) : text;
        const int at = followsDate ? cell.Find(word) : position;
        if (at >= 0)
            request.pCells->SetCellText(row, col, cell.Left(at) + newWord + cell.Mid(at + wordLength));
    });
    return TRUE;
}

BOOL CFillSeries::FillMonth(const CFillRequest& request)
{
    return FillCycle(request, kMonths);
}

BOOL CFillSeries::FillHour(const CFillRequest& request)
{
    return FillCycle(request, kHours);
}

BOOL CFillSeries::FindMonthMask(const CString& text, int& position, int& kind)
{
    return FindCycleMask(text, kMonths, position, kind);
}

BOOL CFillSeries::FindHourMask(const CString& text, int& position, int& kind)
{
    return FindCycleMask(text, kHours, position, kind);
}

CString CFillSeries::FormatMonth(int& value, int kind, BOOL forward)
{
    return FormatCycle(value, kind, forward, kMonths);
}

CString CFillSeries::FormatHour(int& value, int kind, BOOL forward)
{
    return FormatCycle(value, kind, forward, kHours);
}
