#pragma once

// The series engine behind the fill handle. When a single cell is dragged along its row or
// column, the cells of the drag already hold copies of it; the engine reads the source text and,
// when it starts a series, rewrites the text of every target cell with the next member: a date, a
// year and month, a month, a weekday, an hour, a year in Chinese digits, a Chinese numeral or a
// trailing number, tried in that order. Formats stay as the copy left them.
//
// Texts are code page 936 bytes; every position and length below is a byte count. Each recogniser
// finds one field, keeps the text before it (prefix) and after it (suffix), and writes
// prefix + member + suffix, each member derived from the one before. A recogniser returns TRUE
// when it accepted the text and wrote every target cell, FALSE when it wrote nothing; a Chinese
// numeral too large to continue is accepted with nothing written, so the cells keep their copies.
//
// CFillSeries keeps no state: one lives on the stack for one fill, and everything travels in the
// request. It borrows the cells of the request.

#include "autofill/series/FillCells.h"

#include <array>

struct CFillRequest
{
    IFillCells* pCells = nullptr;
    CFillRange source; // one cell
    CFillRange target; // a line of cells starting at or next to the source cell
    CString text;      // the source cell's text without white space at its ends
};

// Continues the source cell's text over the target. 0 when the cell does not exist, the target is
// no line of cells starting at it, or the text starts no series (the cells keep their copies);
// 1 when a series was written, the text is empty or its Chinese numeral is too large to continue
// (the copies stay).
int DetectFillSeries(IFillCells& cells, const CFillRange& source, const CFillRange& target);

class CFillSeries
{
public:
    virtual ~CFillSeries() = default;

    // Recognisers, in the order the engine tries them.
    BOOL FillDate(const CFillRequest& request);
    BOOL FillYearMonth(const CFillRequest& request);
    BOOL FillMonth(const CFillRequest& request);
    // followsDate: the target cells already hold the dates FillDate wrote; the weekday word in
    // each is advanced in place.
    BOOL FillWeekday(const CFillRequest& request, BOOL followsDate);
    BOOL FillHour(const CFillRequest& request);
    BOOL FillChineseYear(const CFillRequest& request);
    BOOL FillChineseNumber(const CFillRequest& request);
    BOOL FillChineseDigit(const CFillRequest& request);
    BOOL FillTrailingNumber(const CFillRequest& request);

    // Months and hours: kind 0 has two digits, kind 1 one. Found: position of the digits.
    static BOOL FindMonthMask(const CString& text, int& position, int& kind);
    static BOOL FindHourMask(const CString& text, int& position, int& kind);
    // Steps value one month or hour, wrapping around the cycle, and writes it for its kind.
    static CString FormatMonth(int& value, int kind, BOOL forward);
    static CString FormatHour(int& value, int kind, BOOL forward);

    // Dates and year-months: kind mod 4 is the separator ("/", "-", ".", or the words
    // "年" "月" "日"), kind div 4 the digit widths of the fields.
    static BOOL FindDateMask(const CString& text, int& position, int& kind);
    static BOOL FindYearMonthMask(const CString& text, int& position, int& kind);
    // One day or month on; the field as the kind writes it (without the closing word).
    static CString StepDate(long& year, int& month, int& day, int kind, BOOL forward);
    static CString StepYearMonth(long& year, int& month, int kind, BOOL forward);
    static int DaysInMonth(long year, int month); // -1 for a month outside 1..12
    static bool IsLeapYear(long year);            // a year below 100 counts as 2000 + year

    // Years in Chinese digits: length 8, 7, 6 or 5 bytes (one byte for each ASCII "0"); upper case
    // uses "零".."玖".
    static BOOL FindChineseYear(const CString& text, int& position, int& length, BOOL& upper);
    // Whether each of the four places of a lower-case candidate is a Chinese digit (else an ASCII
    // "0"); nothing when the candidate does not split into exactly four places.
    static BOOL CheckChineseYearDigits(const CString& candidate, std::array<bool, 4>& digitPlaces);
    static CString FormatChineseYear(long long& value, BOOL upper, BOOL forward);

    // Chinese numerals in lower case: digits "一".."九" (zero is an ASCII "0") and the units
    // "十" "百" "千" "万" "亿". A run has at least three bytes and starts with no ASCII "0".
    static BOOL FindChineseNumberRun(const CString& text, int& position, int& length);
    // A single numeral "一".."十" (upper 0) or "壹".."拾" (upper 1), its value 1..10.
    static BOOL FindChineseDigit(const CString& text, int& position, int& value, BOOL& upper);
    // The reading of a regular numeral whose value passes 2^31 - 1, which no series continues.
    static constexpr long long kNumeralTooLarge = -1;
    // The value of a run read as a composed numeral ("一百二十" is 120); 0 when it is irregular,
    // kNumeralTooLarge when it is regular but too large.
    static long long ReadChineseNumber(const CString& numeral);
    // Steps value by one and writes it in lower case: positional ("一二四", "一0") or composed
    // ("一百二十一"; 0 is "0", a negative value "-" and its composed magnitude).
    static CString FormatChineseNumber(long long& value, BOOL forward, BOOL positional);
    // Up to four decimal digits as a composed numeral without "万" and "亿".
    static CString FormatChineseGroup(const CString& digits);
    static long ChineseUnitValue(const CString& unit); // 1 for no unit
    // Whether numeral holds a unit above unit; highest receives "亿" when it holds one, else "万".
    static BOOL HasHigherUnit(const CString& numeral, const CString& unit, CString& highest);
};
