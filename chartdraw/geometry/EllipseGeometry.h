#pragma once

// The ellipse of a pie or ring chart seen at a tilt, fitted into a rectangle with room for the
// pie's depth below it. Built on the stack by whoever needs the ellipse: Fit, then read rcEllipse.

#include <windows.h>

class CEllipseGeometry
{
public:
    // Fits an ellipse ratio times as wide as high, its top face lifted depth pixels over it. The
    // depth is replaced when the ellipse had to be made smaller to fit: it becomes the room left
    // above the ellipse, never negative. FALSE, changing nothing, for a negative depth, an empty
    // rectangle or a ratio that is not a positive number.
    BOOL Fit(RECT rect, int* depth, float ratio);

    RECT rcEllipse = {}; // valid after a successful Fit
};
