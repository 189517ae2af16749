#pragma once

// The time of the quickest of several paints, for the benchmark programs: the quickest run is the
// one least disturbed by the rest of the machine.

#include <windows.h>

#include <algorithm>

// Milliseconds of the quickest of the runs of paint(), each ended by GdiFlush so that the time
// holds the drawing itself; prepare() runs before each, untimed.
template <class Paint, class Prepare> double BestPaintTime(int runs, Paint&& paint, Prepare&& prepare)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        prepare();
        ::QueryPerformanceCounter(&start);
        paint();
        ::GdiFlush();
        ::QueryPerformanceCounter(&end);
        best = std::min(best, double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart));
    }
    return best;
}

template <class Paint> double BestPaintTime(int runs, Paint&& paint)
{
    return BestPaintTime(runs, paint, [] {});
}
