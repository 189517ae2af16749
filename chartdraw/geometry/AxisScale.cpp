#include "chartdraw/geometry/AxisScale.h"

#include "chartdraw/geometry/NumberText.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// The double nearest to 10^exponent.
double PowerOfTen(int exponent)
{
    const std::string text = "1e" + std::to_string(exponent);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// 10^exponent by repeated multiplication; an exponent of 1 or less gives 10.
double TenByMultiplication(int exponent)
{
    double value = 10;
    for (int i = 1; i < exponent; ++i)
        value *= 10;
    return value;
}

double ParseDouble(std::string_view text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A whole step: raise its second digit, or round a two-digit step up to the next 5 or 10.
double WholeBound(double x, const std::string& text)
{
    const int first = text[0] - '0';
    std::string rest = text.substr(1);
    const int digits = int(rest.size());
    const size_t kept = rest.find_last_not_of('0') + 1; // 0 when all are zeros
    const int zeros = int(rest.size() - kept);
    rest.resize(kept);
    if (rest.empty())
        return x;
    if (rest.size() == 1)
        return (rest[0] <= '5' ? 10.0 * first + 5 : 10.0 * first + 10) * PowerOfTen(zeros);
    const int second = rest[0] - '0';
    return first * PowerOfTen(digits) + (second + 1) * PowerOfTen(digits - 1);
}

// A step of 1 or less: the first significant digit raised by one, unless it is the only digit.
double FractionBound(double x, std::string text)
{
    const int zeros = ReplaceWhileFound(text, ".0", ".");
    if (text.size() == 3)
        return x;
    return (ParseDouble(std::string_view(text).substr(0, 3)) + 0.1) / PowerOfTen(zeros);
}

int TickCountForLength(long long length, bool valueScale)
{
    static const struct
    {
        long long below;
        int value, percent;
    } rows[] = {{50, 2, 2}, {100, 3, 4}, {300, 5, 5}, {500, 8, 8}, {1000, 10, 10}, {2000, 15, 16}};
    for (const auto& row : rows)
        if (length < row.below)
            return valueScale ? row.value : row.percent;
    return 20;
}

// ceil(n * part / (part + other)), the two scaled down alike when their sum would overflow.
int ShareOfTicks(int n, double part, double other)
{
    if (std::max(part, other) > DBL_MAX / 64) {
        part /= 64;
        other /= 64;
    }
    return int(std::ceil(n * part / (part + other)));
}

// The percent scale gives both parts of a two-signed axis the same count: the smallest from half
// the ticks on that divides 100 (or is 8).
int EvenPercentTicks(int n)
{
    int i = (n + 1) / 2;
    while (100 % i != 0 && i != 8)
        ++i;
    return i;
}

void TwoSignedTicks(int n, bool valueScale, double maxValue, double width, CTickCount& ticks, double& raw)
{
    int p, q;
    if (!valueScale) {
        p = q = EvenPercentTicks(n);
        ticks.percentStep = std::min(100.0f / float(p), 100.0f / float(q));
    } else {
        if (maxValue >= width) {
            p = ShareOfTicks(n, maxValue, width);
            q = n - p;
        } else {
            q = ShareOfTicks(n, width, maxValue);
            p = n - q;
        }
        if (p == 0) {
            p = 1;
            q = n - 1;
        } else if (q == 0) {
            q = 1;
            p = n - 1;
        }
    }
    ticks.positiveTicks = p;
    ticks.negativeTicks = q;
    raw = std::max(width / q, maxValue / p);
}

std::string TrimmedFixed(double value, int decimals)
{
    std::string text = FixedText(value, decimals);
    TrimTrailing(text, '0');
    TrimTrailing(text, '.');
    return text;
}

void ShortenExponent(std::string& text)
{
    ReplaceWhileFound(text, "-0", "-");
    ReplaceWhileFound(text, "+0", "+");
    ReplaceWhileFound(text, "0e", "e");
}

} // namespace

double NiceAxisBound(double x)
{
    if (!std::isfinite(x) || x <= 0)
        return 0;
    if (x > 1)
        x = std::ceil(x);
    std::string text = FixedText(x, 200);
    TrimTrailing(text, '0');
    TrimTrailing(text, '.');
    const double bound = text.find('.') == std::string::npos ? WholeBound(x, text) : FractionBound(x, text);
    return std::isfinite(bound) ? bound : 0;
}

CTickCount CalcTickCount(int direction, bool valueScale, double minValue, double maxValue, const RECT& plot)
{
    CTickCount ticks;
    if (!std::isfinite(minValue) || !std::isfinite(maxValue))
        return ticks;
    const long long length =
        direction == 1 ? (long long)plot.right - plot.left : (long long)plot.bottom - plot.top;
    const int n = TickCountForLength(length, valueScale);
    double raw = 0;
    if (minValue >= 0 && maxValue > 0) {
        ticks.positiveTicks = n;
        raw = maxValue / n;
    } else if (minValue < 0 && maxValue <= 0) {
        ticks.negativeTicks = n;
        raw = -minValue / n;
    } else if (minValue < 0) {
        TwoSignedTicks(n, valueScale, maxValue, -minValue, ticks, raw);
    }
    if (!valueScale && ticks.percentStep == 0)
        ticks.percentStep = 100.0f / float(n); // one-signed: the whole axis is 100%
    ticks.step = NiceAxisBound(raw);
    if (ticks.step == 0)
        ticks = CTickCount();
    return ticks;
}

CAxisStep NormaliseAxisStep(double step)
{
    if (!(step > 10000000) && !(step > 0 && step < 0.000001))
        return {step, false};
    const std::string text = ExponentText(step, 2); // d.dde+xx
    const size_t e = text.find('e');
    const int exponent = std::abs(std::atoi(text.c_str() + e + 1));
    const double mantissa = ParseDouble(std::string_view(text).substr(0, e));
    const double scaled =
        step > 1 ? mantissa * TenByMultiplication(exponent) : mantissa / TenByMultiplication(exponent);
    return {scaled, true};
}

CString FixedTickText(double magnitude, bool negative)
{
    return CString((negative ? "-" : "") + TrimmedFixed(magnitude, 6));
}

CString ExponentTickText(double magnitude, bool negative)
{
    std::string text = (negative ? "-" : "") + ExponentText(magnitude, 6);
    ShortenExponent(text);
    ReplaceWhileFound(text, "e", "E");
    if (text == "0.E+" || text == "0.E-")
        return CString("0");
    ReplaceWhileFound(text, ".E", "E");
    return CString(text);
}

CString PercentTickText(float percent, bool negative)
{
    return CString((negative ? "-" : "") + TrimmedFixed(percent, 2) + "%");
}

CString WidestTickText(int ticks, double step, bool exponent, bool valueScale)
{
    if (!valueScale)
        return CString("-%100");
    const double farthest = ticks * step;
    std::string text = "-" + (exponent ? ExponentText(farthest, 6) : FixedText(farthest, 100));
    TrimTrailing(text, '0');
    if (exponent)
        ShortenExponent(text);
    else if (text.size() > 8)
        text.resize(8);
    return CString(text);
}
