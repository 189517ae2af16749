#pragma once

// The arithmetic of the page-setup pages, with no window: distances shown as "1.50厘米" for 150
// hundredths of a centimetre, read back on OK (truncated) and by the margins preview (rounded and
// kept within 0.00 .. 3.00 cm), and the spin buttons' one-step rule.

#include "framework/CString.h"

namespace PageSetupValues {

constexpr int kMaxDistance = 300;

CString DistanceText(int hundredths);
// What OK stores: the number before "厘米" times 100, truncated toward zero; 0 when unreadable.
int DistanceOnOk(const CString& text);

struct PreviewDistance
{
    int value;         // 0 .. 300
    bool clamped;      // the text must be rewritten as DistanceText(value)
};
PreviewDistance DistanceForPreview(const CString& text);

// One spin step of delta from value: the new value, or value when the step leaves 0 .. 300.
int SpinStep(int value, int delta);

} // namespace PageSetupValues
