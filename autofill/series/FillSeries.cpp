#include "autofill/series/FillSeries.h"

#include "autofill/series/FillWalk.h"
#include "autofill/series/NumberText.h"
#include "autofill/series/SeriesSplice.h"

#include <string>

namespace {

// Longer digit strings (serial numbers beyond 64 bits) are copied, not counted.
constexpr int kMaxTrailingDigits = 18;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int DetectFillSeries(IFillCells& cells, const CFillRange& source, const CFillRange& target)
{
    if (!cells.IsValidCell(source.minRow, source.minCol) || !CFillWalk::IsLineFromSource(source, target))
        return 0;
    CFillRequest request{&cells, source, target, cells.GetCellText(source.minRow, source.minCol)};
    request.text.Trim();
    const CString& text = request.text;
    if (text.IsEmpty())
        return 1;

    CFillSeries series;
    if (series.FillDate(request)) {
        if (text.Find("星期") >= 0)
            series.FillWeekday(request, TRUE);
        return 1;
    }
    if (series.FillYearMonth(request) || (text.Find("月") >= 0 && series.FillMonth(request)) ||
        series.FillWeekday(request, FALSE) || (text.Find("点") >= 0 && series.FillHour(request)) ||
        (text.Find("年") >= 0 && series.FillChineseYear(request)) || series.FillChineseNumber(request) ||
        series.FillChineseDigit(request))
        return 1;
    return series.FillTrailingNumber(request) ? 1 : 0;
}

// The last run of ASCII digits is the number. Bytes are looked at one by one from the end: in code
// page 936 no trail byte is an ASCII digit, so a digit byte is always a whole character.
BOOL CFillSeries::FillTrailingNumber(const CFillRequest& request)
{
    const CString& text = request.text;
    int end = text.GetLength();
    while (end > 0 && !IsDigit(text[end - 1]))
        --end;
    int start = end;
    while (start > 0 && IsDigit(text[start - 1]))
        --start;
    if (start == end)
        return FALSE;
    // Leading zeros stay in the text: "007" continues as "008", "009", "0010".
    while (end - start > 1 && text[start] == '0')
        ++start;
    if (end - start > kMaxTrailingDigits)
        return FALSE;

    long long value = std::stoll(text.Mid(start, end - start).str());
    return SpliceSeries(request, start, end, [&](BOOL forward, CString& line) {
        value += forward ? 1 : -1;
        CMemberBytes number;
        number.PutDecimal(value);
        number.AppendTo(line);
    });
}
