// Load and save of the two month files, measured against reference passes over the same bytes.
//
// Build and run it in Release (it is not a test and CI does not run it):
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUKANA_BUILD_BENCH=ON
//   cmake --build build-bench --target storage_bench -j
//   build-bench/bench/storage_bench
//
// (-DLUKANA_BUILD_GUI=OFF -DLUKANA_BUILD_TESTS=OFF build the storage library alone.)
//
// The files go to a fresh folder below $LUKANA_BENCH_DIR (default: the system's temporary
// folder), which is removed at the end; the save figures depend on that disk's fsync.
// By default every benchmark runs 5 times, in random order with the others, for at least 0.2 s
// each, and the tables give the medians (--benchmark_repetitions=5
// --benchmark_enable_random_interleaving=true --benchmark_min_time=0.2
// --benchmark_report_aggregates_only=true); flags given on the command line override these,
// and the other Google Benchmark flags work as usual (--benchmark_filter=load, ...). A run
// takes about a minute.
//
// Data sets:
//   full       one daily-report month with every list full: 31 days, 101 guest slips a day,
//              101 order lines a slip, 51 lines in every line list (about 3.5 MB, 690,000 lines)
//   realistic  one daily-report month of 60 guest slips a day with 4 order lines each and a
//              few payment, bank and credit lines (about 190 KB)
//   vouchers   a year: twelve voucher months of 30 vouchers a day, half of the notes in
//              Japanese
//
// Operations: load (loadNippouMonth / loadDenpyouMonth, file read included) and save
// (nippouHozon / writeDenpyouMonth: buffer, atomic replacement with fsync of file and folder).
// References over the same bytes, held in memory:
//   split      splits the bytes into lines and does nothing else with them
//   minimal    splits them and converts each line to a number (std::from_chars: an integer, or a
//              double when the line is not one)
//   write      writes the bytes to a file with one write() and one fsync()
//   atomic     (for information) writes them as a save does: writeFileAtomically, that is a
//              temporary file, write, fsync, rename and fsync of the folder
//   read       (for information) reads the file into memory, as every load does first
// After the usual Google Benchmark table, a second table gives each operation's time as a
// ratio to the references. Aims: load within 1.5 x minimal, save within 2 x write. A busy
// machine spreads the figures (the disk's fsync most of all); the CPU time column shows how
// much of a load's time was its own.

#include "reference_pass.h"
#include "scratch_folder.h"
#include "storage/atomic_file.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"

#include "bench_flags.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

const std::string kDepartmentName = "bench";
constexpr int kFullYear = 2003, kFullMonth = 1;
constexpr int kRealYear = 2003, kRealMonth = 2;
constexpr int kVoucherYear = 2004;

// ---- data ----

void fillFullMonth(NippouMonth& m, double& fixedCosts) {
    std::mt19937 rng(1);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    fixedCosts = 850000;
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = m[d];
        for (double& k : day.kingaku)
            k = pick(0, 400000);
        day.sentaku = {0, pick(0, 4), pick(1, 40)};
        day.kaidasiCount = day.nyukinCount = day.hikidasiCount = day.urikakeCount = day.yobiCount =
            kNippouLineCapacity;
        for (int i = 0; i < kNippouLineCapacity; ++i) {
            day.kaidasiSiireId[i] = pick(-1, 300);
            day.kaidasiGaku[i] = pick(100, 99999);
            day.kaidasiHikazei[i] = pick(0, 1);
            day.nyukinKouza[i] = pick(1, 4);
            day.nyukinGaku[i] = pick(10000, 500000);
            day.hikidasiKouza[i] = pick(1, 4);
            day.hikidasiGaku[i] = pick(10000, 500000);
            day.urikakeKyaku[i] = pick(1, 2000);
            day.urikakeGaku[i] = pick(1000, 90000);
            day.yobi1[i] = pick(0, 100);
            day.yobi2[i] = pick(0, 100);
        }
        day.slipCount = kSlipCapacity;
        for (int t = 0; t < kSlipCapacity; ++t) {
            day.slipValues[t] = {double(pick(0, 6)),
                                 double(pick(0, 6)),
                                 double(pick(0, 2)),
                                 double(pick(0, 2)),
                                 double(pick(17, 23)),
                                 double(pick(0, 59)),
                                 double(pick(18, 26)),
                                 double(pick(0, 59)),
                                 double(pick(2000, 60000)),
                                 double(pick(1, 3)),
                                 0};
            day.lineCount[t] = kSlipLineCapacity;
            for (int c = 0; c < kSlipLineCapacity; ++c) {
                day.lineMenu[t][c] = pick(1, 500);
                day.lineQty[t][c] = pick(1, 9);
            }
        }
    }
}

void fillRealisticMonth(NippouMonth& m, double& fixedCosts) {
    std::mt19937 rng(2);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    fixedCosts = 850000;
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = m[d];
        for (int k : {0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 21, 22, 25, 27, 28, 31})
            day.kingaku[k] = pick(0, 400000);
        day.sentaku = {0, pick(0, 4), pick(1, 40)};
        day.kaidasiCount = 3;
        for (int i = 0; i < 3; ++i) {
            day.kaidasiSiireId[i] = pick(-1, 300);
            day.kaidasiGaku[i] = pick(100, 99999);
            day.kaidasiHikazei[i] = 0;
        }
        day.nyukinCount = 1;
        day.nyukinKouza[0] = 1;
        day.nyukinGaku[0] = pick(100000, 400000);
        day.urikakeCount = 2;
        for (int i = 0; i < 2; ++i) {
            day.urikakeKyaku[i] = pick(1, 2000);
            day.urikakeGaku[i] = pick(1000, 90000);
        }
        day.slipCount = 60;
        for (int t = 0; t < 60; ++t) {
            day.slipValues[t] = {double(pick(0, 4)),
                                 double(pick(0, 4)),
                                 0,
                                 0,
                                 double(pick(17, 23)),
                                 double(pick(0, 59)),
                                 double(pick(18, 26)),
                                 double(pick(0, 59)),
                                 double(pick(2000, 60000)),
                                 double(pick(1, 3)),
                                 0};
            day.lineCount[t] = 4;
            for (int c = 0; c < 4; ++c) {
                day.lineMenu[t][c] = pick(1, 500);
                day.lineQty[t][c] = pick(1, 9);
            }
        }
    }
}

void fillVoucherMonth(DenpyouMonth& m, int seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const char* notes[] = {"", "ビール代 酒屋", "cash", "ガス代", "ref 2004-07", "売上 現金"};
    const int kinds[] = {0, 1, 2, 4};
    for (int d = 1; d <= 31; ++d) {
        DenpyouDay& day = m[d];
        day.denpyouCount = 30;
        for (int i = 0; i < 30; ++i) {
            day.toKind[i] = kinds[pick(0, 3)];
            day.toId[i] = pick(-1, 300);
            day.amount[i] = pick(100, 500000);
            day.tax[i] = pick(0, 1) ? 0 : pick(1, 40000);
            day.entryType[i] = pick(0, 4);
            day.fromKind[i] = kinds[pick(0, 3)];
            day.fromId[i] = pick(0, 4);
            day.accountId[i] = pick(0, 60);
            day.subAccountId[i] = pick(0, 2000);
            day.note[i] = notes[pick(0, 5)];
            day.taxExempt[i] = pick(0, 1);
        }
    }
}

// ---- reference passes ----

size_t splitPass(std::string_view bytes) {
    size_t lines = 0, length = 0;
    forEachLine(bytes, [&](std::string_view line) {
        benchmark::DoNotOptimize(line);
        length += line.size();
        ++lines;
    });
    return lines + length;
}

void writeAndSync(const std::string& path, std::string_view bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()) ||
        ::fsync(fd) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
    ::close(fd);
}

// ---- the data sets on disk ----

struct DataSet {
    std::vector<std::string> paths; // the files a load reads
    std::vector<std::string> bytes; // and their contents
    size_t size() const {
        size_t n = 0;
        for (const auto& b : bytes)
            n += b.size();
        return n;
    }
    size_t lines() const {
        size_t n = 0;
        for (const auto& b : bytes)
            for (char c : b)
                n += c == '\n';
        return n;
    }
};

struct Fixture {
    fs::path folder;
    std::unique_ptr<NippouMonth> full = std::make_unique<NippouMonth>();
    std::unique_ptr<NippouMonth> realistic = std::make_unique<NippouMonth>();
    double fullFixedCosts = 0, realisticFixedCosts = 0;
    std::vector<std::unique_ptr<DenpyouMonth>> year;
    DataSet fullSet, realisticSet, voucherSet;
};
Fixture* fixture = nullptr;

void fail(const std::string& what) {
    std::fprintf(stderr, "storage_bench: %s\n", what.c_str());
    std::exit(1);
}

void prepare() {
    fixture = new Fixture;
    const std::string tmpl = scratchFolder("storage-bench");
    fixture->folder = tmpl;
    driveRoot = tmpl;
    fs::create_directories(busyoFolderPath(kDepartmentName));

    auto save = [](DataSet& set, const std::string& path, Status s) {
        if (!s)
            fail(s.message());
        set.paths.push_back(path);
        std::string bytes;
        if (!readWholeFile(path, bytes))
            fail("cannot read " + path);
        set.bytes.push_back(std::move(bytes));
    };
    fillFullMonth(*fixture->full, fixture->fullFixedCosts);
    std::string path = nippouPath(kDepartmentName, kFullYear, kFullMonth);
    save(fixture->fullSet, path, writeNippouMonth(path, *fixture->full, fixture->fullFixedCosts));
    fillRealisticMonth(*fixture->realistic, fixture->realisticFixedCosts);
    path = nippouPath(kDepartmentName, kRealYear, kRealMonth);
    save(fixture->realisticSet, path,
         writeNippouMonth(path, *fixture->realistic, fixture->realisticFixedCosts));
    for (int m = 1; m <= 12; ++m) {
        fixture->year.push_back(std::make_unique<DenpyouMonth>());
        fillVoucherMonth(*fixture->year.back(), 100 + m);
        path = denpyouPath(kDepartmentName, kVoucherYear, m);
        save(fixture->voucherSet, path, writeDenpyouMonth(path, *fixture->year.back()));
    }
}

void cleanUp() {
    std::error_code ec;
    fs::remove_all(fixture->folder, ec);
}

const DataSet& dataSet(const std::string& name) {
    if (name == "full")
        return fixture->fullSet;
    if (name == "realistic")
        return fixture->realisticSet;
    return fixture->voucherSet;
}

// ---- benchmarks ----

void setBytes(benchmark::State& state, const DataSet& set) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.size()));
}

void loadNippou(benchmark::State& state, int year, int month, const DataSet& set) {
    for (auto _ : state) {
        loadNippouMonth(kDepartmentName, year, month);
        benchmark::DoNotOptimize(nippouMonth[31].slipCount);
    }
    setBytes(state, set);
}

void saveNippou(benchmark::State& state, const NippouMonth& m, double fixedCosts, int year,
                int month, const DataSet& set) {
    // nippouHozon works on the shared month: put this one there first, outside the timing.
    nippouMonth = m;
    koteihi = fixedCosts;
    filePath = nippouPath(kDepartmentName, year, month);
    for (auto _ : state)
        if (!nippouHozon())
            state.SkipWithError("save failed");
    setBytes(state, set);
}

void loadVoucherYear(benchmark::State& state) {
    for (auto _ : state)
        for (int m = 1; m <= 12; ++m) {
            loadDenpyouMonth(kDepartmentName, kVoucherYear, m);
            benchmark::DoNotOptimize(denpyouMonth[31].denpyouCount);
        }
    setBytes(state, fixture->voucherSet);
}

void saveVoucherYear(benchmark::State& state) {
    for (auto _ : state)
        for (int m = 1; m <= 12; ++m)
            if (!writeDenpyouMonth(denpyouPath(kDepartmentName, kVoucherYear, m),
                                   *fixture->year[m - 1]))
                state.SkipWithError("save failed");
    setBytes(state, fixture->voucherSet);
}

void refSplit(benchmark::State& state, const DataSet& set) {
    for (auto _ : state)
        for (const auto& b : set.bytes)
            benchmark::DoNotOptimize(splitPass(b));
    setBytes(state, set);
}

void refMinimal(benchmark::State& state, const DataSet& set) {
    for (auto _ : state)
        for (const auto& b : set.bytes)
            benchmark::DoNotOptimize(minimalPass(b));
    setBytes(state, set);
}

void refWrite(benchmark::State& state, const DataSet& set) {
    const std::string path = (fixture->folder / "reference.dat").string();
    for (auto _ : state)
        for (const auto& b : set.bytes)
            writeAndSync(path, b);
    setBytes(state, set);
}

void refAtomic(benchmark::State& state, const DataSet& set) {
    const std::string path = (fixture->folder / "reference.dat").string();
    for (auto _ : state)
        for (const auto& b : set.bytes)
            if (!writeFileAtomically(path, b))
                state.SkipWithError("write failed");
    setBytes(state, set);
}

void refRead(benchmark::State& state, const DataSet& set) {
    std::string bytes;
    for (auto _ : state)
        for (const auto& p : set.paths) {
            if (!readWholeFile(p, bytes))
                state.SkipWithError("read failed");
            benchmark::DoNotOptimize(bytes.data());
        }
    setBytes(state, set);
}

void registerAll() {
    auto reg = [](const std::string& name, auto fn) {
        benchmark::RegisterBenchmark(name.c_str(), fn)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    };
    reg("load/full",
        [](benchmark::State& s) { loadNippou(s, kFullYear, kFullMonth, fixture->fullSet); });
    reg("save/full", [](benchmark::State& s) {
        saveNippou(s, *fixture->full, fixture->fullFixedCosts, kFullYear, kFullMonth,
                   fixture->fullSet);
    });
    reg("load/realistic",
        [](benchmark::State& s) { loadNippou(s, kRealYear, kRealMonth, fixture->realisticSet); });
    reg("save/realistic", [](benchmark::State& s) {
        saveNippou(s, *fixture->realistic, fixture->realisticFixedCosts, kRealYear, kRealMonth,
                   fixture->realisticSet);
    });
    reg("load/vouchers", loadVoucherYear);
    reg("save/vouchers", saveVoucherYear);
    for (std::string set : {"full", "realistic", "vouchers"}) {
        reg("split/" + set, [set](benchmark::State& s) { refSplit(s, dataSet(set)); });
        reg("minimal/" + set, [set](benchmark::State& s) { refMinimal(s, dataSet(set)); });
        reg("write/" + set, [set](benchmark::State& s) { refWrite(s, dataSet(set)); });
        reg("atomic/" + set, [set](benchmark::State& s) { refAtomic(s, dataSet(set)); });
        reg("read/" + set, [set](benchmark::State& s) { refRead(s, dataSet(set)); });
    }
}

// Collects the real and the CPU time per iteration of every benchmark (the median over
// repetitions) while the console reporter prints as usual.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    struct Times {
        double real = 0, cpu = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            const Times t{run.GetAdjustedRealTime() / unit, run.GetAdjustedCPUTime() / unit};
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Iteration)
                runs_[name].push_back(t);
            else if (run.aggregate_name == "median")
                medians_[name] = t;
        }
    }

    Times times(const std::string& name) const {
        if (auto m = medians_.find(name); m != medians_.end())
            return m->second;
        auto it = runs_.find(name);
        if (it == runs_.end() || it->second.empty())
            return {};
        std::vector<Times> v = it->second;
        auto median = [&v](double Times::*field) {
            std::sort(v.begin(), v.end(),
                      [field](const Times& a, const Times& b) { return a.*field < b.*field; });
            return v[v.size() / 2].*field;
        };
        return {median(&Times::real), median(&Times::cpu)};
    }
    double seconds(const std::string& name) const { return times(name).real; }

    void printRatios() const {
        GetOutputStream().flush();
        std::printf("\nTimes per operation and their ratios to the references over the same bytes"
                    "\n(real time; CPU time in its own column, as a check on a busy machine)\n");
        std::printf("%-10s %-9s %9s %9s %8s %8s %9s %8s %8s\n", "set", "operation", "real ms",
                    "cpu ms", "MB/s", "x split", "x minimal", "x write", "x read");
        for (std::string set : {"full", "realistic", "vouchers"}) {
            const DataSet& data = dataSet(set);
            const double split = seconds("split/" + set), minimal = seconds("minimal/" + set),
                         write = seconds("write/" + set), read = seconds("read/" + set);
            std::printf("%s: %zu bytes, %zu lines in %zu file(s)\n", set.c_str(), data.size(),
                        data.lines(), data.bytes.size());
            for (std::string op : {"load", "save", "split", "minimal", "write", "atomic", "read"}) {
                const Times t = times(op + "/" + set);
                if (t.real == 0)
                    continue;
                auto ratio = [&t](double ref) { return ref > 0 ? t.real / ref : 0.0; };
                std::printf("%-10s %-9s %9.3f %9.3f %8.1f %8.2f %9.2f %8.2f %8.2f\n", "",
                            op.c_str(), t.real * 1e3, t.cpu * 1e3,
                            double(data.size()) / t.real / 1e6, ratio(split), ratio(minimal),
                            ratio(write), ratio(read));
            }
        }
        std::printf("\nAims: load <= 1.5 x minimal; save <= 2 x write (one write and fsync).\n");
        for (std::string set : {"full", "realistic", "vouchers"}) {
            const Times load = times("load/" + set), minimal = times("minimal/" + set);
            const double save = seconds("save/" + set), write = seconds("write/" + set);
            if (load.real > 0 && minimal.real > 0)
                std::printf("  %-10s load %.3f x minimal (CPU time: %.3f) %s\n", set.c_str(),
                            load.real / minimal.real, load.cpu / minimal.cpu,
                            load.real / minimal.real <= 1.5 ? "met" : "MISSED");
            if (save > 0 && write > 0)
                std::printf("  %-10s save %.3f x write %s\n", set.c_str(), save / write,
                            save / write <= 2.0 ? "met" : "MISSED");
        }
    }

  private:
    std::map<std::string, std::vector<Times>> runs_;
    std::map<std::string, Times> medians_;
};

} // namespace

int main(int argc, char** argv) {
    if (!initializeBenchmarks(argc, argv))
        return 1;
    prepare();
    registerAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    cleanUp();
    return 0;
}
