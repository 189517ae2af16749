#include "printing/PageSetupValues.h"

#include <cstdlib>

namespace PageSetupValues {

CString DistanceText(int hundredths)
{
    CString text;
    text.Format("%0.2f厘米", hundredths * 0.01);
    return text;
}

int DistanceOnOk(const CString& text)
{
    return int(std::atof(text) * 100.0);
}

PreviewDistance DistanceForPreview(const CString& text)
{
    CString number = text;
    number.Replace("厘米", "");
    const int value = int(std::atof(number) * 100 + 0.005);
    if (value >= kMaxDistance + 1)
        return {kMaxDistance, true};
    if (value < 0)
        return {0, true};
    return {value, false};
}

int SpinStep(int value, int delta)
{
    const bool moves = (value > 0 && value < kMaxDistance) || (value == 0 && delta > 0) ||
                       (value == kMaxDistance && delta < 0);
    return moves ? value + delta : value;
}

} // namespace PageSetupValues
