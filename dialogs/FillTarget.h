#pragma once

// The window that owns a fill sheet of owner kind 0 (a chart page's line-type settings) takes the
// choice of the fill page on show when that sheet ends with OK: kind 2 a gradient (style, variant,
// two colours), 4 a texture (its index), 5 a pattern (two colours and its index).

#include <windows.h>

class IFillTarget
{
public:
    virtual void SetFill(int kind, int style, int variant, COLORREF colour1, COLORREF colour2, int reserved,
                         int texture, int pattern) = 0;

protected:
    ~IFillTarget() = default;
};
