#pragma once
// Timing for the benchmarks that measure against a minimal pass: the median of a few runs,
// and one line of the table they print.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The medians of `runs` runs of the work: real seconds, and the CPU seconds of this thread,
// the steadier figure on a busy machine. Reads as the real seconds.
struct Timing {
    double seconds = 0;
    double cpuSeconds = 0;
    operator double() const { return seconds; }
};

inline Timing timed(int runs, const std::function<void()>& work) {
    std::vector<double> seconds;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuSeconds();
        work();
        cpu.push_back(threadCpuSeconds() - cpuStart);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return {median(seconds), median(cpu)};
}

// The median real time of work over the runs; prepare runs before each, untimed.
inline double timeRuns(int runs, const std::function<void()>& work,
                       const std::function<void()>& prepare = {}) {
    std::vector<double> seconds;
    for (int r = 0; r < runs; ++r) {
        if (prepare)
            prepare();
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

// The same line with the CPU-time ratio after the aim.
inline void report(const char* work, Timing measured, Timing reference, double aim) {
    std::printf("%-6s %10.3f %12.3f %8.2f %6.1f %8.2f\n", work, measured.seconds * 1000,
                reference.seconds * 1000, measured.seconds / reference.seconds, aim,
                measured.cpuSeconds / reference.cpuSeconds);
}
