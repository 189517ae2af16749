#include "host/model/RowHeightValue.h"

#include <algorithm>
#include <cstdlib>
#include <string>

float ClampRowHeightCm(float value)
{
    return std::clamp(value, 0.0f, kMaxRowHeightCm);
}

float StepRowHeightCm(float value, int delta)
{
    return ClampRowHeightCm(value + float(delta) * 0.01f);
}

CString FormatRowHeightCm(float value)
{
    CString text;
    text.Format("%0.2f厘米", double(value));
    std::string bytes(text.GetString());
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '-'), bytes.end());
    return CString(bytes.c_str());
}

float ParseRowHeightCm(const CString& text)
{
    return ClampRowHeightCm(float(std::atof(text.GetString())));
}

float PixelsToMillimetres(long pixels, int vertSizeMm, int vertRes)
{
    if (vertRes <= 0)
        return 0.0f;
    const float mmPerPixel = float(vertSizeMm) / float(vertRes);
    return float(pixels) * mmPerPixel;
}

long CentimetresToPixels(float centimetres, int vertSizeMm, int vertRes)
{
    if (vertSizeMm <= 0)
        return 0;
    return long(float(vertRes) / float(vertSizeMm) * centimetres * 10.0f);
}
