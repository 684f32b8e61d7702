#pragma once
// The benchmarks' default flags: every benchmark 5 times, in random order with the others, at
// least 0.2 s each, medians reported. A flag given on the command line comes later and wins.
#include <benchmark/benchmark.h>

#include <vector>

// Initialises Google Benchmark with the defaults; false when an argument is not understood.
inline bool initializeBenchmarks(int argc, char** argv) {
    static char repetitions[] = "--benchmark_repetitions=5";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    static char minTime[] = "--benchmark_min_time=0.2";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    static std::vector<char*> args;
    args = {argv[0], repetitions, interleaving, minTime, aggregates};
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    int count = static_cast<int>(args.size()) - 1;
    char** values = args.data();
    benchmark::Initialize(&count, values);
    return !benchmark::ReportUnrecognizedArguments(count, values);
}
