// What the Win32 benchmarks share: a microsecond clock and a percentile report.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double microseconds() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// The median and the given percentile of the times, in microseconds.
inline void report(const char* what, std::vector<double> times, int percentile) {
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %8.2f us   %dth percentile %8.2f us\n", what, times[times.size() / 2], percentile,
                times[times.size() * static_cast<std::size_t>(percentile) / 100]);
}
