// Dates, continued a day per cell, and years with months, continued a month per cell. Both are
// found by digit masks anywhere in the text; the words around them stay.

#include "autofill/series/FillSeries.h"

#include "autofill/series/NumberText.h"
#include "autofill/series/SeriesSplice.h"
#include "autofill/series/TextMask.h"

#include <cstdlib>
#include <cstring>
#include <span>

namespace {

struct CKindMask
{
    const char* mask;
    int kind;
};

// In the order they are tried; the first that occurs anywhere decides.
constexpr CKindMask kDateMasks[] = {
    {"0000/00/00", 0}, {"0000-00-00", 1}, {"0000.00.00", 2}, {"0000年00月00日", 3},
    {"0000/00/0", 16}, {"0000-00-0", 17}, {"0000.00.0", 18}, {"0000年00月0日", 19},
    {"0000/0/00", 20}, {"0000-0-00", 21}, {"0000.0.00", 22}, {"0000年0月00日", 23},
    {"0000/0/0", 4},   {"0000-0-0", 5},   {"0000.0.0", 6},   {"0000年0月0日", 7},
    {"00/00/00", 8},   {"00-00-00", 9},   {"00.00.00", 10},  {"00年00月00日", 11},
    {"00/00/0", 24},   {"00-00-0", 25},   {"00.00.0", 26},   {"00年00月0日", 27},
    {"00/0/00", 28},   {"00-0-00", 29},   {"00.0.00", 30},   {"00年0月00日", 31},
    {"00/0/0", 12},    {"00-0-0", 13},    {"00.0.0", 14},    {"00年0月0日", 15},
};
constexpr CKindMask kYearMonthMasks[] = {
    {"0000/00", 0}, {"0000-00", 1}, {"0000.00", 2}, {"0000年00月", 3}, //
    {"0000/0", 4},  {"0000-0", 5},  {"0000.0", 6},  {"0000年0月", 7},  //
    {"00/00", 8},   {"00-00", 9},   {"00.00", 10},  {"00年00月", 11},  //
    {"00/0", 12},   {"00-0", 13},   {"00.0", 14},   {"00年0月", 15},
};

// Digit widths of year, month and day by kind div 4.
struct CFieldWidths
{
    int year;
    int month;
    int day;
};
constexpr CFieldWidths kDateWidths[] = {{4, 2, 2}, {4, 1, 1}, {2, 2, 2}, {2, 1, 1},
                                        {4, 2, 1}, {4, 1, 2}, {2, 2, 1}, {2, 1, 2}};
constexpr CFieldWidths kYearMonthWidths[] = {{4, 2, 0}, {4, 1, 0}, {2, 2, 0}, {2, 1, 0}};

constexpr int kWordKind = 3; // kind mod 4 of the masks written with "年" "月" "日"

// The separators after the year and after the month.
struct CSeparators
{
    const char* afterYear;
    const char* afterMonth;
};

CSeparators SeparatorsOf(int kind)
{
    static constexpr const char* kMarks[] = {"/", "-", "."};
    const int style = kind % 4;
    if (style == kWordKind)
        return {"年", "月"};
    return {kMarks[style], kMarks[style]};
}

BOOL FindKindMask(const CString& text, std::span<const CKindMask> masks, int& position, int& kind)
{
    const CTextMask mask = CTextMask::OfDigits(text);
    for (const CKindMask& candidate : masks) {
        position = mask.FindLast(candidate.mask, int(std::strlen(candidate.mask)));
        if (position >= 0) {
            kind = candidate.kind;
            return TRUE;
        }
    }
    return FALSE;
}

// The fields of a date or year-month found at position: the values and where the rewritten
// field ends (before the closing "日" or "月", which stays in the suffix).
struct CDateFields
{
    long year = 0;
    int month = 0;
    int day = 0;
    int end = 0;
};

CDateFields ReadFields(const CString& text, int position, const CFieldWidths& widths, int kind)
{
    const CSeparators separators = SeparatorsOf(kind);
    CDateFields fields;
    int at = position;
    fields.year = std::atol(text.Mid(at, widths.year));
    at += widths.year + int(std::strlen(separators.afterYear));
    fields.month = std::atoi(text.Mid(at, widths.month));
    at += widths.month;
    if (widths.day > 0) {
        at += int(std::strlen(separators.afterMonth));
        fields.day = std::atoi(text.Mid(at, widths.day));
        at += widths.day;
    }
    fields.end = at;
    return fields;
}

// The day is not checked against its month: a day past the month's end rolls into the next month
// at the first forward step, and a backward step from it counts down from where it stands.
void StepDay(long& year, int& month, int& day, BOOL forward)
{
    if (forward) {
        if (CFillSeries::DaysInMonth(year, month) < ++day) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    } else if (--day < 1) {
        if (--month < 1) {
            month = 12;
            --year;
        }
        day = CFillSeries::DaysInMonth(year, month);
    }
}

// The month is not checked: one above 12 carries into the next year at the first forward step.
void StepMonth(long& year, int& month, BOOL forward)
{
    if (forward && ++month > 12) {
        month = 1;
        ++year;
    } else if (!forward && --month < 1) {
        month = 12;
        --year;
    }
}

void AppendDate(CString& out, long year, int month, int day, int kind)
{
    const CFieldWidths& widths = kDateWidths[kind / 4];
    const CSeparators separators = SeparatorsOf(kind);
    CMemberBytes date;
    date.PutNumberField(year, widths.year);
    date.Put(separators.afterYear);
    date.PutNumberField(month, widths.month);
    date.Put(separators.afterMonth);
    date.PutNumberField(day, widths.day);
    date.AppendTo(out);
}

void AppendYearMonth(CString& out, long year, int month, int kind)
{
    const CFieldWidths& widths = kYearMonthWidths[kind / 4];
    CMemberBytes yearMonth;
    yearMonth.PutNumberField(year, widths.year);
    yearMonth.Put(SeparatorsOf(kind).afterYear);
    yearMonth.PutNumberField(month, widths.month);
    yearMonth.AppendTo(out);
}

} // namespace

BOOL CFillSeries::FillDate(const CFillRequest& request)
{
    const CString& text = request.text;
    int position = 0;
    int kind = 0;
    if (!FindDateMask(text, position, kind))
        return FALSE;
    CDateFields fields = ReadFields(text, position, kDateWidths[kind / 4], kind);
    if (DaysInMonth(fields.year, fields.month) < 0)
        return FALSE;
    return SpliceSeries(request, position, fields.end, [&](BOOL forward, CString& line) {
        StepDay(fields.year, fields.month, fields.day, forward);
        AppendDate(line, fields.year, fields.month, fields.day, kind);
    });
}

BOOL CFillSeries::FillYearMonth(const CFillRequest& request)
{
    const CString& text = request.text;
    int position = 0;
    int kind = 0;
    if (!FindYearMonthMask(text, position, kind))
        return FALSE;
    CDateFields fields = ReadFields(text, position, kYearMonthWidths[kind / 4], kind);
    return SpliceSeries(request, position, fields.end, [&](BOOL forward, CString& line) {
        StepMonth(fields.year, fields.month, forward);
        AppendYearMonth(line, fields.year, fields.month, kind);
    });
}

BOOL CFillSeries::FindDateMask(const CString& text, int& position, int& kind)
{
    return FindKindMask(text, kDateMasks, position, kind);
}

BOOL CFillSeries::FindYearMonthMask(const CString& text, int& position, int& kind)
{
    return FindKindMask(text, kYearMonthMasks, position, kind);
}

CString CFillSeries::StepDate(long& year, int& month, int& day, int kind, BOOL forward)
{
    StepDay(year, month, day, forward);
    CString text;
    AppendDate(text, year, month, day, kind);
    return text;
}

CString CFillSeries::StepYearMonth(long& year, int& month, int kind, BOOL forward)
{
    StepMonth(year, month, forward);
    CString text;
    AppendYearMonth(text, year, month, kind);
    return text;
}

int CFillSeries::DaysInMonth(long year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return -1;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool CFillSeries::IsLeapYear(long year)
{
    if (year < 0)
        return false;
    if (year < 100)
        year += 2000;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
