// Numbers written in Chinese characters: years in Chinese digits ("一九九九年", "贰零零叁年"),
// numerals of several characters ("一二三", "一百二十") and single numerals ("第三章").

#include "autofill/series/FillSeries.h"

#include "autofill/series/NumberText.h"
#include "autofill/series/SeriesSplice.h"
#include "autofill/series/TextMask.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

namespace {

// In lower case the zero digit is an ASCII "0".
constexpr const char* kLowerDigits[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr const char* kLowerSingles[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
constexpr const char* kUpperDigits[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
constexpr const char* kUpperSingles[] = {"壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖", "拾"};
constexpr const char* kUnits[] = {"十", "百", "千", "万", "亿"};
constexpr long kUnitValues[] = {10, 100, 1000, 10000, 100000000};
constexpr const char* kNumeralCharacters[] = {"一", "二", "三", "四", "五", "六", "七",
                                              "八", "九", "十", "百", "千", "万", "亿"};
// The place names inside a group of four digits, from the units up.
constexpr const char* kPlaceUnits[] = {"", "十", "百", "千"};
constexpr int kChineseCharBytes = 2;
constexpr int kYearPlaces = 4;

bool HasUnit(const CString& text)
{
    return std::any_of(std::begin(kUnits), std::end(kUnits),
                       [&](const char* unit) { return text.Find(unit) >= 0; });
}

// Each digit character for its decimal digit: "一二0" is 120. Too large when the value leaves
// 32 bits.
long long ReadPositional(const CString& numeral)
{
    long long value = 0;
    for (int at = 0; at < numeral.GetLength(); at = numeral.NextCharIndex(at)) {
        value = value * 10 + (numeral[at] == '0' ? 0 : CharacterIndex(kLowerDigits, numeral, at) + 1);
        if (value > LONG_MAX)
            return CFillSeries::kNumeralTooLarge;
    }
    return value;
}

// One token of a numeral: a digit 1..9, an ASCII zero, or a unit.
struct CNumeralToken
{
    int digit = 0; // 1..9, 0 for a zero or a unit
    long unit = 0; // the unit's value, 0 for a digit or a zero
    bool IsZero() const { return digit == 0 && unit == 0; }
};

bool Tokenize(const CString& numeral, std::vector<CNumeralToken>& tokens)
{
    for (int at = 0; at < numeral.GetLength(); at = numeral.NextCharIndex(at)) {
        const int digit = CharacterIndex(kLowerDigits, numeral, at);
        const int unit = CharacterIndex(kUnits, numeral, at);
        if (digit < 0 && unit < 0 && numeral[at] != '0')
            return false;
        tokens.push_back({digit + 1, unit >= 0 ? kUnitValues[unit] : 0});
    }
    return true;
}

// A numeral below ten thousand: digits times "十" "百" "千" summed, the units falling from left to
// right. A "十" at the start counts as one ten ("十二"); an ASCII "0" after a unit holds a place
// ("一百0五"); ASCII zeros at the end multiply the digit before them by ten each ("一百二0").
// 0 for any other sequence: two digits in a row, a unit with no digit, units out of order.
long long ReadSection(const CString& numeral)
{
    std::vector<CNumeralToken> tokens;
    if (!Tokenize(numeral, tokens))
        return 0;
    int tens = 0;
    while (!tokens.empty() && tokens.back().IsZero()) {
        tokens.pop_back();
        ++tens;
    }
    if (tens > 0 && (tokens.empty() || tokens.back().digit == 0))
        return 0;

    long long value = 0;
    long lastUnit = kUnitValues[3];
    int digit = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const CNumeralToken& token = tokens[i];
        if (token.unit == 0) {
            if (digit != 0)
                return 0;
            digit = token.digit;
            continue;
        }
        if (token.unit >= lastUnit)
            return 0;
        const int times = digit != 0 ? digit : (i == 0 && token.unit == 10 ? 1 : 0);
        if (times == 0)
            return 0;
        value += times * token.unit;
        lastUnit = token.unit;
        digit = 0;
    }
    long long last = digit;
    for (int i = 0; i < tens; ++i)
        last *= 10;
    if (last >= lastUnit)
        return 0;
    return value + last;
}

// value written "%lld" with Chinese digits: upper case "零".."玖" for every digit, lower case
// "一".."九" with the zero digit and a sign left as they are.
void PutSpelledDigits(CMemberBytes& out, long long value, bool upper)
{
    char digits[24];
    *std::to_chars(digits, digits + sizeof digits - 1, value).ptr = '\0';
    for (const char* c = digits; *c; ++c) {
        if (upper && *c >= '0' && *c <= '9')
            out.Put(kUpperDigits[*c - '0']);
        else if (!upper && *c >= '1' && *c <= '9')
            out.Put(kLowerDigits[*c - '1']);
        else
            out.Put(*c);
    }
}

// Up to four decimal digits as a composed numeral; whether it wrote anything.
bool PutChineseGroup(CMemberBytes& out, std::string_view digits)
{
    bool wrote = false;
    const int width = int(digits.size());
    for (int i = 0; i < width; ++i) {
        const char c = digits[size_t(i)];
        const int place = width - 1 - i;
        if (c >= '1' && c <= '9' && place < int(std::size(kPlaceUnits))) {
            out.Put(kLowerDigits[c - '1']);
            out.Put(kPlaceUnits[place]);
            wrote = true;
        }
    }
    return wrote;
}

// The digits of a positive value for the composed writer: a group per four places from the right,
// each followed by the unit of its place ("万", "亿") when it wrote anything.
void PutComposed(CMemberBytes& out, long long value)
{
    static constexpr const char* kGroupUnits[] = {"", "万", "亿"};
    char buffer[24];
    const std::string_view digits(buffer, size_t(std::to_chars(buffer, buffer + sizeof buffer, value).ptr - buffer));
    const int count = int(digits.size());
    for (int start = 0, end = count % 4 ? count % 4 : 4; start < count; start = end, end += 4) {
        // Readings stop at 2^31 - 1 and a fill moves one per cell: no value reaches 10^12.
        const int place = std::min((count - end) / 4, int(std::size(kGroupUnits)) - 1);
        if (PutChineseGroup(out, digits.substr(size_t(start), size_t(end - start))))
            out.Put(kGroupUnits[place]);
    }
}

// Positional: each digit "1".."9" as its character, the zero digit and a sign as they are.
// Composed: see PutComposed; the zero is "0" and a negative value has its sign first.
void AppendChineseNumber(CString& out, long long& value, BOOL forward, BOOL positional)
{
    value += forward ? 1 : -1;
    CMemberBytes numeral;
    if (!positional && value > 0) {
        PutComposed(numeral, value);
    } else if (!positional && value < 0) {
        numeral.Put('-');
        PutComposed(numeral, -value);
    } else {
        PutSpelledDigits(numeral, value, false);
    }
    numeral.AppendTo(out);
}

void AppendChineseYear(CString& out, long long& value, BOOL upper, BOOL forward)
{
    value += forward ? 1 : -1;
    CMemberBytes numeral;
    PutSpelledDigits(numeral, value, upper);
    numeral.AppendTo(out);
}

} // namespace

// Years: the four places are Chinese digits, in lower case with ASCII "0"s among them.

BOOL CFillSeries::FindChineseYear(const CString& text, int& position, int& length, BOOL& upper)
{
    const CTextMask lower = CTextMask::OfCharacters(text, kLowerDigits);
    for (int bytes = kYearPlaces * kChineseCharBytes; bytes > kYearPlaces; --bytes) {
        const int at = lower.FindLast(std::string(size_t(bytes), '0').c_str(), bytes);
        if (at < 0)
            continue;
        std::array<bool, 4> digitPlaces;
        if (!CheckChineseYearDigits(text.Mid(at, bytes), digitPlaces))
            break;
        position = at;
        length = bytes;
        upper = FALSE;
        return TRUE;
    }
    const int bytes = kYearPlaces * kChineseCharBytes;
    const int at =
        CTextMask::OfCharacters(text, kUpperDigits).FindLast(std::string(size_t(bytes), '0').c_str(), bytes);
    if (at < 0)
        return FALSE;
    for (int place = 0; place < kYearPlaces; ++place) {
        if (CharacterIndex(kUpperDigits, text, at + place * kChineseCharBytes) < 0)
            return FALSE;
    }
    position = at;
    length = bytes;
    upper = TRUE;
    return TRUE;
}

BOOL CFillSeries::CheckChineseYearDigits(const CString& candidate, std::array<bool, 4>& digitPlaces)
{
    int place = 0;
    for (int at = 0; at < candidate.GetLength(); at = candidate.NextCharIndex(at), ++place) {
        const bool digit = CharacterIndex(kLowerDigits, candidate, at) >= 0;
        if (place == kYearPlaces || (!digit && candidate[at] != '0'))
            return FALSE;
        digitPlaces[size_t(place)] = digit;
    }
    return place == kYearPlaces;
}

CString CFillSeries::FormatChineseYear(long long& value, BOOL upper, BOOL forward)
{
    CString text;
    AppendChineseYear(text, value, upper, forward);
    return text;
}

BOOL CFillSeries::FillChineseYear(const CFillRequest& request)
{
    const CString& text = request.text;
    int position = 0;
    int length = 0;
    BOOL upper = FALSE;
    if (!FindChineseYear(text, position, length, upper))
        return FALSE;
    const std::span<const char* const> digits =
        upper ? std::span<const char* const>(kUpperDigits) : std::span<const char* const>(kLowerDigits);
    long long value = 0;
    for (int at = position; at < position + length; at = text.NextCharIndex(at)) {
        const int index = CharacterIndex(digits, text, at);
        value = value * 10 + (index < 0 ? 0 : upper ? index : index + 1);
    }
    return SpliceSeries(request, position, position + length,
                        [&](BOOL forward, CString& line) { AppendChineseYear(line, value, upper, forward); });
}

// Numerals of several characters.

// The last run of numeral characters and ASCII zeros of three bytes or more, without the ASCII
// zeros it starts with: those stay in the text before it, so "1000" holds no numeral and "0一二"
// continues as "0一三". Numeral characters are masked as "00"; no other byte of code page 936
// text is an ASCII "0", so every run is made of whole characters.
BOOL CFillSeries::FindChineseNumberRun(const CString& text, int& position, int& length)
{
    const CString mask = CTextMask::OfCharacters(text, kNumeralCharacters).GetMask();
    for (int end = mask.GetLength(); end > 0;) {
        while (end > 0 && mask[end - 1] != '0')
            --end;
        int start = end;
        while (start > 0 && mask[start - 1] == '0')
            --start;
        int first = start;
        while (first < end && text[first] == '0')
            ++first;
        if (end - first >= 3) {
            position = first;
            length = end - first;
            return TRUE;
        }
        end = start;
    }
    return FALSE;
}

BOOL CFillSeries::FillChineseNumber(const CFillRequest& request)
{
    const CString& text = request.text;
    int position = 0;
    int length = 0;
    if (!FindChineseNumberRun(text, position, length))
        return FALSE;
    const CString numeral = text.Mid(position, length);
    const BOOL positional = !HasUnit(text);
    long long value = positional ? ReadPositional(numeral) : ReadChineseNumber(numeral);
    // A numeral the series cannot count on is no other series either: its copies stay.
    if (value == kNumeralTooLarge)
        return TRUE;
    if (value <= 0)
        return FALSE;
    return SpliceSeries(request, position, position + length,
                        [&](BOOL forward, CString& line) { AppendChineseNumber(line, value, forward, positional); });
}

// "万" and "亿" scale what stands before them: the numeral is split at the highest of them it
// holds, and the part after must stay below it ("二万三千" is 2 * 10000 + 3000). An irregular
// part refuses the numeral even when the whole would be too large.
long long CFillSeries::ReadChineseNumber(const CString& numeral)
{
    CString highest;
    if (!HasHigherUnit(numeral, "千", highest))
        return ReadSection(numeral);
    const int at = numeral.Find(highest);
    const long unit = ChineseUnitValue(highest);
    const long long high = ReadChineseNumber(numeral.Left(at));
    const CString rest = numeral.Mid(at + highest.GetLength());
    const long long low = rest.IsEmpty() ? 0 : ReadChineseNumber(rest);
    if (high == 0 || (!rest.IsEmpty() && low == 0) || low == kNumeralTooLarge || low >= unit)
        return 0;
    if (high == kNumeralTooLarge)
        return kNumeralTooLarge;
    const long long value = high * unit + low;
    return value > LONG_MAX ? kNumeralTooLarge : value;
}

long CFillSeries::ChineseUnitValue(const CString& unit)
{
    for (size_t i = 0; i < std::size(kUnits); ++i) {
        if (unit == kUnits[i])
            return kUnitValues[i];
    }
    return 1;
}

BOOL CFillSeries::HasHigherUnit(const CString& numeral, const CString& unit, CString& highest)
{
    const long given = ChineseUnitValue(unit);
    BOOL higher = FALSE;
    for (int at = 0; at < numeral.GetLength(); at = numeral.NextCharIndex(at)) {
        const int index = CharacterIndex(kUnits, numeral, at);
        if (index >= 0 && kUnitValues[index] > given)
            higher = TRUE;
    }
    highest = numeral.Find("亿") >= 0 ? "亿" : "万";
    return higher;
}

// Single numerals: the first of the set that occurs anywhere, at its last occurrence.
BOOL CFillSeries::FindChineseDigit(const CString& text, int& position, int& value, BOOL& upper)
{
    const CTextMask plain = CTextMask::Plain(text);
    const std::span<const char* const> sets[] = {kLowerSingles, kUpperSingles};
    for (int setCase = 0; setCase < 2; ++setCase) {
        for (size_t i = 0; i < sets[setCase].size(); ++i) {
            position = plain.FindLast(sets[setCase][i], kChineseCharBytes);
            if (position >= 0) {
                value = int(i) + 1;
                upper = setCase;
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL CFillSeries::FillChineseDigit(const CFillRequest& request)
{
    const CString& text = request.text;
    int position = 0;
    int found = 0;
    BOOL upper = FALSE;
    if (!FindChineseDigit(text, position, found, upper))
        return FALSE;
    const BOOL positional = !HasUnit(text);
    long long value = found;
    return SpliceSeries(request, position, position + kChineseCharBytes,
                        [&](BOOL forward, CString& line) { AppendChineseNumber(line, value, forward, positional); });
}

CString CFillSeries::FormatChineseNumber(long long& value, BOOL forward, BOOL positional)
{
    CString text;
    AppendChineseNumber(text, value, forward, positional);
    return text;
}

CString CFillSeries::FormatChineseGroup(const CString& digits)
{
    CMemberBytes numeral;
    PutChineseGroup(numeral, digits.str());
    CString text;
    numeral.AppendTo(text);
    return text;
}
