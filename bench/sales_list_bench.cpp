// The monthly sales list: its table from a month in memory, and a month step (load and table),
// measured against reference passes over the same data.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUKANA_BUILD_BENCH=ON
//   cmake --build build-bench --target sales_list_bench -j
//   build-bench/bench/sales_list_bench
//
// Data: one month at capacity: 31 days of 51 payment lines to a register of 501 suppliers whose
// ids run up to 2,000,000 (registered, "その他" and unknown ids mixed), every amount non-zero
// so that every cell and share is written, and 101 guest slips of 101 lines a day (about
// 3.5 MB). The file lies in a fresh folder below the system's temporary folder.
// References:
//   minimal  the same sums in a plain loop, classes from a prebuilt hash map, one
//            std::to_chars per cell
//   load     loadNippouMonth of the file alone
// Aims: table <= 3 x minimal; step <= 1.2 x load.

#include "daily/core/sales_list.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"

#include "bench_flags.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

using namespace lukana;

namespace {

const std::string kDepartmentName = "本店";
constexpr int kYear = 2003, kMonth = 12, kDays = 31;

std::filesystem::path folder;
std::unique_ptr<NippouMonth> month;
SupplierClasses classes;

void prepare() {
    folder =
        std::filesystem::temp_directory_path() / ("sales_list_bench-" + std::to_string(::getpid()));
    driveRoot = folder.string();
    std::filesystem::create_directories(busyoFolderPath(kDepartmentName));

    std::mt19937 random(7);
    std::vector<int> ids;
    for (int i = 0; i < 501; ++i) {
        const int id = 1 + static_cast<int>(random() % 2'000'000);
        ids.push_back(id);
        classes[id] = static_cast<int>(random() % 3);
    }
    month = std::make_unique<NippouMonth>();
    for (int d = 1; d <= kDays; ++d) {
        NippouDay& day = (*month)[d];
        for (double& k : day.kingaku)
            k = 1000 + static_cast<double>(random() % 100000);
        for (auto* count : {&day.kaidasiCount, &day.nyukinCount, &day.hikidasiCount,
                            &day.urikakeCount, &day.yobiCount})
            *count = kNippouLineCapacity;
        for (int n = 0; n < kNippouLineCapacity; ++n) {
            const unsigned pick = random() % 10;
            day.kaidasiSiireId[n] = pick == 0   ? -1
                                    : pick == 1 ? 2'000'001 + static_cast<int>(random() % 1000)
                                                : ids[random() % ids.size()];
            day.kaidasiGaku[n] = 1 + static_cast<double>(random() % 5000);
            day.nyukinGaku[n] = day.hikidasiGaku[n] = day.urikakeGaku[n] = 1;
        }
        day.slipCount = kSlipCapacity;
        for (int t = 0; t < kSlipCapacity; ++t) {
            day.slipValues[t].fill(1);
            day.lineCount[t] = kSlipLineCapacity;
            for (int c = 0; c < kSlipLineCapacity; ++c) {
                day.lineMenu[t][c] = static_cast<int>(1 + random() % 500);
                day.lineQty[t][c] = 1;
            }
        }
    }
    if (!writeNippouMonth(nippouPath(kDepartmentName, kYear, kMonth), *month, 0).ok()) {
        std::fprintf(stderr, "cannot write the month file\n");
        std::exit(1);
    }
}

// The same sums in a plain loop, one std::to_chars per cell.
void minimalTable(const NippouMonth& m, const std::unordered_map<int, int>& byId,
                  std::vector<std::string>& cells) {
    static constexpr int kPositions[] = {7, 21, 12, 13, 16, 15, 4};
    double sums[3][10] = {};
    char buf[32];
    size_t cell = 0;
    for (int d = 1; d <= kDays; ++d) {
        const NippouDay& day = m[d];
        double byClass[3] = {};
        for (int n = 0; n < day.kaidasiCount; ++n)
            if (auto it = byId.find(day.kaidasiSiireId[n]); it != byId.end())
                byClass[it->second] += day.kaidasiGaku[n];
        double values[13];
        for (int j = 0; j < 7; ++j)
            values[j] = day.kingaku[kPositions[j]];
        for (int k = 0; k < 3; ++k) {
            values[7 + k] = byClass[k];
            values[10 + k] = byClass[k] / day.kingaku[7];
        }
        for (int j = 0; j < 10; ++j) {
            sums[0][j] += values[j];
            sums[d <= 15 ? 1 : 2][j] += values[j];
        }
        for (double v : values)
            cells[cell++].assign(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
    }
    for (auto& row : sums)
        for (double v : row)
            cells[cell++].assign(buf, std::to_chars(buf, buf + sizeof buf, v / 15).ptr);
}

void table(benchmark::State& state) {
    for (auto _ : state) {
        SalesList list = computeSalesList(*month, kDays, classes);
        benchmark::DoNotOptimize(list);
    }
}

void minimal(benchmark::State& state) {
    std::vector<std::string> cells(kDays * 13 + 30);
    for (auto _ : state) {
        minimalTable(*month, classes, cells);
        benchmark::DoNotOptimize(cells.data());
    }
}

void load(benchmark::State& state) {
    for (auto _ : state) {
        loadNippouMonth(kDepartmentName, kYear, kMonth);
        benchmark::DoNotOptimize(nippouMonth[1].kingaku[7]);
    }
}

void step(benchmark::State& state) {
    for (auto _ : state) {
        loadNippouMonth(kDepartmentName, kYear, kMonth);
        SalesList list = computeSalesList(nippouMonth, kDays, classes);
        benchmark::DoNotOptimize(list);
    }
}

// Keeps the median real and CPU time of each benchmark for the ratio table; on a busy machine
// the CPU times are the steadier figure.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
                cpuMedians_[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
    }
    void printRatios() const {
        GetOutputStream().flush();
        auto at = [](const std::map<std::string, double>& medians, const char* name) {
            auto it = medians.find(name);
            return it == medians.end() ? 0.0 : it->second;
        };
        const double t = at(medians_, "table"), m = at(medians_, "minimal"),
                     s = at(medians_, "step"), l = at(medians_, "load");
        std::printf("\nMedian real times (ms): table %.3f, minimal %.3f, step %.3f, load %.3f\n", t,
                    m, s, l);
        auto cpuRatio = [&](const char* a, const char* b) {
            const double below = at(cpuMedians_, b);
            return below > 0 ? at(cpuMedians_, a) / below : 0.0;
        };
        if (m > 0 && t > 0)
            std::printf("  table %.3f x minimal (CPU %.3f; aim <= 3) %s\n", t / m,
                        cpuRatio("table", "minimal"), t / m <= 3 ? "met" : "MISSED");
        if (l > 0 && s > 0)
            std::printf("  step  %.3f x load    (CPU %.3f; aim <= 1.2) %s\n", s / l,
                        cpuRatio("step", "load"), s / l <= 1.2 ? "met" : "MISSED");
    }

  private:
    std::map<std::string, double> medians_;
    std::map<std::string, double> cpuMedians_;
};

} // namespace

int main(int argc, char** argv) {
    if (!initializeBenchmarks(argc, argv))
        return 1;
    prepare();
    benchmark::RegisterBenchmark("table", table)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("minimal", minimal)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("load", load)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("step", step)->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
