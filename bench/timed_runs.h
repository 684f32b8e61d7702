#pragma once
// Timing for the benchmarks that measure against a minimal pass: the median of a few runs,
// and one line of the table they print.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Seconds, the median of `runs` runs of the work.
inline double timed(int runs, const std::function<void()>& work) {
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return median(seconds);
}

inline void report(const char* work, double ms, double referenceMs, double aim) {
    std::printf("%-6s %10.3f %12.3f %8.2f %6.1f\n", work, ms, referenceMs, ms / referenceMs, aim);
}
