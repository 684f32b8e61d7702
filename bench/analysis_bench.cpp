// The recalculation of both analyses over ten years of month files, measured against loading
// the same files alone.
//
// Build and run it in Release (it is not a test and CI does not run it):
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUKANA_BUILD_BENCH=ON
//   cmake --build build-bench --target analysis_bench -j
//   build-bench/bench/analysis_bench
//
// The files go to a fresh folder below $LUKANA_BENCH_DIR (default: the system's temporary
// folder), which is removed at the end; the full data set takes about 0.4 GB there.
//
// Data sets, 120 months each (January 2000 to December 2009):
//   full       every month at capacity: 31 days, 101 guest slips a day, 101 order lines a slip
//   realistic  60 guest slips a day with 4 order lines each
//
// Operations over the whole period ("自由" over ten years), without any window:
//   load       loadNippouMonthInto of every month into one buffer, nothing else
//   customers  the customer analysis: the month loop, its aggregation and the ranking
//   menu       the menu analysis over 500 menu items, likewise
// After the usual table, a second one gives customers and menu as a ratio to load of the same
// data set in the same run (aim: within 1.3 x), and the peak memory after a one-year and after
// the ten-year calculation (it must not grow with the months).

#include "analysis/core/analysis.h"
#include "scratch_folder.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <sys/resource.h>
#include <vector>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

constexpr int kFirstYear = 2000, kLastYear = 2009;
const std::string kFull = "full", kRealistic = "realistic";

void fail(const std::string& what) {
    std::fprintf(stderr, "analysis_bench: %s\n", what.c_str());
    std::exit(1);
}

// Only what the analyses read: the party, its times and its order lines.
void fillMonth(NippouMonth& m, int slips, int lines, unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) {
        return double(std::uniform_int_distribution<int>(lo, hi)(rng));
    };
    constexpr int kLow[] = {0, 0, 0, 0, 17, 0, 18, 0}, kHigh[] = {6, 6, 2, 2, 23, 59, 26, 59};
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = m[d];
        day.slipCount = slips;
        for (int g = 0; g < slips; ++g) {
            for (int v = 0; v < 8; ++v)
                day.slipValues[g][v] = pick(kLow[v], kHigh[v]);
            day.lineCount[g] = lines;
            for (int c = 0; c < lines; ++c) {
                day.lineMenu[g][c] = int(pick(1, 520)); // a few ids are no menu item
                day.lineQty[g][c] = int(pick(1, 9));
            }
        }
    }
}

MenuCatalogue benchMenu() {
    MenuCatalogue menu;
    for (int i = 1; i <= 500; ++i) {
        MenuItem item;
        item.id = i;
        item.name = "品目" + std::to_string(i);
        item.bunruiId = 1 + i % 20;
        menu.items.push_back(item);
    }
    return menu;
}

fs::path benchFolder;

// One month file written, then copied to every month of the period.
void writeDataSet(const std::string& department, int slips, int lines) {
    fs::create_directories(busyoFolderPath(department));
    auto month = std::make_unique<NippouMonth>();
    fillMonth(*month, slips, lines, 7);
    const std::string first = nippouPath(department, kFirstYear, 1);
    if (Status s = writeNippouMonth(first, *month, 0); !s)
        fail(s.message());
    for (int y = kFirstYear; y <= kLastYear; ++y)
        for (int m = 1; m <= 12; ++m)
            if (y != kFirstYear || m != 1)
                fs::copy_file(first, nippouPath(department, y, m),
                              fs::copy_options::overwrite_existing);
}

AnalysisPeriod years(int count) {
    return {kFirstYear, 1, 1, kFirstYear + count - 1, 12, 31};
}

void loadOnly(benchmark::State& state, const std::string& department) {
    auto buffer = std::make_unique<NippouMonth>();
    double fixedCosts = 0;
    for (auto _ : state)
        for (int y = kFirstYear; y <= kLastYear; ++y)
            for (int m = 1; m <= 12; ++m) {
                loadNippouMonthInto(department, y, m, *buffer, fixedCosts);
                benchmark::DoNotOptimize((*buffer)[31].slipCount);
            }
}

void recalculation(benchmark::State& state, const std::string& department, AnalysisKind kind) {
    Analysis analysis(kind);
    DepartmentMonths months(department);
    const MenuCatalogue menu = benchMenu();
    for (auto _ : state) {
        analysis.recalculate(years(10), {}, menu, months);
        benchmark::DoNotOptimize(analysis.rows().data());
    }
}

long peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Keeps each benchmark's mean real time for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    const std::string folder = scratchFolder("analysis-bench");
    benchFolder = folder;
    driveRoot = folder;
    std::printf("writing 2 x 120 month files below %s ...\n", folder.c_str());
    writeDataSet(kFull, kSlipCapacity, kSlipLineCapacity);
    writeDataSet(kRealistic, 60, 4);

    // Peak memory: one year, then ten years of the full data set.
    const long atStart = peakMegabytes();
    {
        Analysis customers(AnalysisKind::Customers), menu(AnalysisKind::Menu);
        DepartmentMonths months(kFull);
        customers.recalculate(years(1), {}, {}, months);
        menu.recalculate(years(1), {}, benchMenu(), months);
        const long oneYear = peakMegabytes();
        customers.recalculate(years(10), {}, {}, months);
        menu.recalculate(years(10), {}, benchMenu(), months);
        const long tenYears = peakMegabytes();
        std::printf("peak memory: %ld MB before, %ld MB after one year, %ld MB after ten years\n",
                    atStart, oneYear, tenYears);
    }

    for (const std::string& set : {kFull, kRealistic}) {
        benchmark::RegisterBenchmark(("load/" + set).c_str(), loadOnly, set)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("customers/" + set).c_str(), recalculation, set,
                                     AnalysisKind::Customers)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("menu/" + set).c_str(), recalculation, set,
                                     AnalysisKind::Menu)
            ->Unit(benchmark::kMillisecond);
    }
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=3";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {repetitions.data(), aggregates.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nratio to load of the same files (median real time)\n");
    for (const std::string& set : {kFull, kRealistic}) {
        const double load = reporter.times["load/" + set];
        for (const char* op : {"customers", "menu"}) {
            const std::string name = std::string(op) + "/" + set;
            if (load > 0 && reporter.times.count(name))
                std::printf("  %-20s %.3f x\n", name.c_str(), reporter.times[name] / load);
        }
    }
    std::error_code ec;
    fs::remove_all(benchFolder, ec);
    benchmark::Shutdown();
    return 0;
}
