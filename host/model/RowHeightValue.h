#pragma once

// The arithmetic of the host's row-height dialog: heights shown in centimetres between 0 and 8,
// stepped by the up-down control in hundredths, and converted to pixels with the device's
// resolution.

#include "framework/CString.h"

constexpr float kMaxRowHeightCm = 8.0f;

float ClampRowHeightCm(float value);
// The value after an up-down step of delta hundredths.
float StepRowHeightCm(float value, int delta);
// "%0.2f厘米" with every minus sign removed.
CString FormatRowHeightCm(float value);
// The number at the start of text ("2.5厘米" gives 2.5), clamped.
float ParseRowHeightCm(const CString& text);
// Millimetres of a height in pixels on a device of vertSizeMm millimetres and vertRes pixels.
float PixelsToMillimetres(long pixels, int vertSizeMm, int vertRes);
// Pixels of a height in centimetres on that device, truncated.
long CentimetresToPixels(float centimetres, int vertSizeMm, int vertRes);
