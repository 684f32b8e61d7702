// The summaries' listings, measured against loading the same month files in the same run.
//
// Build and run it in Release (it is not a test and CI does not run it):
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUKANA_BUILD_BENCH=ON
//   cmake --build build-bench --target summaries_bench -j
//   build-bench/bench/summaries_bench
//
// Every month file is at capacity (31 days of 401 vouchers, about 1 MB); the 120 months of
// 2001 to 2010 are links to one such file, in a fresh folder below $LUKANA_BENCH_DIR (default:
// the system's temporary folder), removed at the end. The registers hold 501 suppliers and
// 2,001 account titles and sub-accounts. Each figure is the median of several runs.
//
// Listings (the windows' code up to the model their grids read):
//   period 1y / 10y   the period list over 2003 (12 files) / 2001-2010 (120 files), filters
//                     "全て" and once with a supplier as the to party
//   monthly           the monthly summary of March 2003 with closing day 25 (two files)
//   cash              the cash book of the department's cash for the same period
//   empty 1000y       the period list over 1,000 years without a single file
// References:
//   load              loadDenpyouMonthInto of the same months
//   missing paths     opening the plain and the older path of each month, all missing
// Aims: period 1y <= 1.5 x load, 10y <= 2 x load; monthly <= 1.5 x load; cash <= 2 x load;
// empty 1000y <= 3 x missing paths.

#include "scratch_folder.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "summaries/core/cash_listing.h"
#include "summaries/core/summary_list.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

const std::string kDepartmentName = "bench";

void fail(const std::string& what) {
    std::fprintf(stderr, "summaries_bench: %s\n", what.c_str());
    std::exit(1);
}

void fillRegisters() {
    busyoCount = 1;
    busyoRecs[0].name = kDepartmentName;
    busyoRecs[0].id = 2;
    busyoRecs[0].bankName = "銀行";
    busyoNames[0] = kDepartmentName;
    busyoIds[0] = 2;
    denpyouBusyo = 0;
    siireCount = kSiireCapacity;
    for (int i = 0; i < siireCount; ++i) {
        siireNames[i] = "仕入先" + std::to_string(i);
        siireIds[i] = i + 1;
        siireBusyoIds[i] = i % 3 == 0 ? 0 : 2;
    }
    tekiyouCount = kTekiyouCapacity;
    for (int i = 0; i < tekiyouCount; ++i) {
        tekiyouNames[i] = "科目" + std::to_string(i);
        tekiyouIds[i] = i + 1;
    }
    tyCount = kTyCapacity;
    for (int i = 0; i < tyCount; ++i) {
        tyNames[i] = "補助" + std::to_string(i);
        tyIds[i] = i + 1;
        tyTekiyouIds[i] = i % 50 + 1;
    }
}

void fillCapacityMonth(DenpyouMonth& m) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const char* notes[] = {"", "ビール代 酒屋", "cash", "ガス代"};
    for (int d = 1; d <= 31; ++d) {
        DenpyouDay& day = m[d];
        day.denpyouCount = kDenpyouCapacity;
        for (int i = 0; i < kDenpyouCapacity; ++i) {
            const bool supplier = pick(0, 1) == 1;
            day.fromKind[i] = supplier ? 2 : pick(0, 1) ? 4 : 2;
            day.fromId[i] = supplier ? 0 : pick(0, 1);
            day.toKind[i] = supplier ? 1 : 2;
            day.toId[i] = supplier ? pick(1, 501) : pick(0, 1);
            day.amount[i] = pick(100, 500000);
            day.tax[i] = pick(0, 1) ? 0 : pick(1, 40000);
            day.entryType[i] = pick(0, 4);
            day.accountId[i] = pick(1, 2001);
            day.subAccountId[i] = pick(0, 2001);
            day.note[i] = notes[pick(0, 3)];
        }
    }
}

double cpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Median real and CPU time of several runs.
struct Times {
    double real = 0, cpu = 0;
};
Times median(int runs, const std::function<void()>& work) {
    std::vector<double> real, cpu;
    for (int r = 0; r < runs; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = cpuSeconds();
        work();
        cpu.push_back(cpuSeconds() - cpuStart);
        real.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(real.begin(), real.end());
    std::sort(cpu.begin(), cpu.end());
    return {real[real.size() / 2], cpu[cpu.size() / 2]};
}

struct Result {
    const char* name;
    Times times;
    const char* reference;
    Times referenceTimes;
    double aim;
};

} // namespace

int main() {
    const std::string folder = scratchFolder("summaries-bench");
    driveRoot = folder;
    fs::create_directories(busyoFolderPath(kDepartmentName));
    fillRegisters();

    auto month = std::make_unique<DenpyouMonth>();
    fillCapacityMonth(*month);
    const std::string first = denpyouPath(kDepartmentName, 2001, 1);
    if (Status s = writeDenpyouMonth(first, *month); !s)
        fail(s.message());
    for (int y = 2001; y <= 2010; ++y)
        for (int m = 1; m <= 12; ++m)
            if (y != 2001 || m != 1)
                fs::create_hard_link(first, denpyouPath(kDepartmentName, y, m));

    auto loadMonths = [&](const std::vector<MonthSpan>& spans) {
        for (const MonthSpan& s : spans)
            (void)loadDenpyouMonthInto(kDepartmentName, s.year, s.month, *month);
    };
    const PartyList parties = summaryPartyList();
    SummaryList list;
    auto periodList = [&](const std::vector<MonthSpan>& spans, int toParty) {
        filterSel.fill(0);
        filterSel[kToParty] = toParty;
        listSpans(kDepartmentName, spans, VoucherFilter::fromSelection(parties, kBothMatch), true,
                  list, *month);
    };

    const auto year = periodMonths({{2003, 1, 1}, {2003, 12, 31}});
    const auto decade = periodMonths({{2001, 1, 1}, {2010, 12, 31}});
    const auto closing = closingDayMonths({2003, 3}, 25);
    const auto empty = periodMonths({{3001, 1, 1}, {4000, 12, 31}});
    const int supplier = 2; // a supplier of every department

    std::vector<Result> results;
    const Times load1 = median(5, [&] { loadMonths(year); });
    results.push_back(
        {"period 1y 全て", median(5, [&] { periodList(year, 0); }), "load 12 files", load1, 1.5});
    const size_t yearRows = list.rows().size();
    results.push_back({"period 1y supplier", median(5, [&] { periodList(year, supplier); }),
                       "load 12 files", load1, 1.5});
    const Times load10 = median(3, [&] { loadMonths(decade); });
    results.push_back({"period 10y 全て", median(3, [&] { periodList(decade, 0); }),
                       "load 120 files", load10, 2});
    const size_t decadeRows = list.rows().size();
    results.push_back({"period 10y supplier", median(3, [&] { periodList(decade, supplier); }),
                       "load 120 files", load10, 2});
    const Times load2 = median(31, [&] { loadMonths(closing); });
    SummaryList monthly;
    results.push_back({"monthly",
                       median(31,
                              [&] {
                                  filterSel.fill(0);
                                  listSpans(kDepartmentName, closing,
                                            VoucherFilter::fromSelection(parties, kBothMatch),
                                            false, monthly, *month);
                              }),
                       "load 2 files", load2, 1.5});
    CashListing cash;
    results.push_back({"cash",
                       median(31,
                              [&] {
                                  filterSel.fill(0);
                                  cash.list(kDepartmentName, closing, {2, 0},
                                            AccountFilter::fromSelection(), {}, 0, *month);
                              }),
                       "load 2 files", load2, 2});
    const size_t cashRows = cash.rows().size();
    const Times missing = median(5, [&] {
        for (const MonthSpan& s : empty)
            for (bool older : {false, true}) {
                const int fd =
                    ::open(denpyouPath(kDepartmentName, s.year, s.month, older).c_str(), O_RDONLY);
                if (fd >= 0)
                    ::close(fd);
            }
    });
    results.push_back(
        {"empty 1000y", median(5, [&] { periodList(empty, 0); }), "missing paths", missing, 3});

    std::printf("rows: period 1y %zu, 10y %zu; cash %zu\n", yearRows, decadeRows, cashRows);
    std::printf("real time (CPU time in brackets), medians\n");
    std::printf("%-20s %18s  %-15s %18s %12s %5s\n", "listing", "ms", "reference", "ms", "ratio",
                "aim");
    for (const Result& r : results) {
        const double ratio = r.times.real / r.referenceTimes.real;
        const double cpuRatio = r.times.cpu / r.referenceTimes.cpu;
        std::printf("%-20s %8.1f (%7.1f)  %-15s %8.1f (%7.1f) %5.2f (%4.2f) %5.1f %s\n", r.name,
                    r.times.real * 1e3, r.times.cpu * 1e3, r.reference, r.referenceTimes.real * 1e3,
                    r.referenceTimes.cpu * 1e3, ratio, cpuRatio, r.aim,
                    ratio <= r.aim ? "met" : "MISSED");
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
    return 0;
}
