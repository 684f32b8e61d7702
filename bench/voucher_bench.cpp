// The voucher book's heavy work, measured against a minimal pass over the same files in the
// same run:
//   load    the window's load of each month of 2003 (the month before and the shown month),
//           against reading those two files, splitting them into lines and converting each
//           line to a number (aim: within 1.5 x);
//   totals  the totals and tax splits of the twelve closing-day periods ending on the 20th,
//           from memory, against that minimal pass over the thirteen files they cover
//           (aim: within 0.5 x).
// Data: December 2002 to December 2003 with 401 vouchers every day, parties and titles over
// 501 suppliers and 2001 account titles with ids up to 40,000, a 1001-entry tax table running
// past 2003, closing day 20.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUKANA_BUILD_BENCH=ON
//   cmake --build build-bench --target voucher_bench -j
//   build-bench/bench/voucher_bench [runs]
//
// Each figure is the median of the runs (default 7); the files go to a fresh folder below
// $LUKANA_BENCH_DIR (default: the system's temporary folder), removed at the end.
#include "reference_pass.h"
#include "scratch_folder.h"
#include "storage/atomic_file.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"
#include "timed_runs.h"
#include "vouchers/core/voucher_months.h"
#include "vouchers/core/voucher_totals.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

const std::string kDepartmentName = "bench";
constexpr int kClosingDay = 20;
constexpr int kShownDay = 20;

struct MonthKey {
    int year, month;
};

std::vector<MonthKey> coveredMonths() {
    std::vector<MonthKey> months{{2002, 12}};
    for (int m = 1; m <= 12; ++m)
        months.push_back({2003, m});
    return months;
}

void fillRegisters() {
    std::mt19937 rng(7);
    siireCount = kSiireCapacity;
    for (int i = 0; i < siireCount; ++i) {
        siireNames[i] = "仕入先" + std::to_string(i);
        siireIds[i] = 40000 - i * 79;
    }
    tekiyouCount = kTekiyouCapacity;
    for (int i = 0; i < tekiyouCount; ++i) {
        tekiyouNames[i] = "科目" + std::to_string(i);
        tekiyouIds[i] = 40000 - i * 19;
    }
    // Rates from 1990 on, one entry every ten days, running well past 2003.
    taxCount = kTaxCapacity;
    for (int i = 0; i < taxCount; ++i) {
        const CivilDate d = normalizeDate(1990, 1, 1 + i * 10);
        taxYear[i] = d.year, taxMonth[i] = d.month, taxDay[i] = d.day;
        taxRate[i] = 3 + i % 8;
    }
    taxRounding = 1;
}

void fillMonth(DenpyouMonth& m, int seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const char* notes[] = {"", "ビール代 酒屋", "cash", "ガス代", "売上 現金"};
    const int kinds[] = {0, 1, 2, 4};
    for (int d = 1; d <= 31; ++d) {
        DenpyouDay& day = m[d];
        day.denpyouCount = kDenpyouCapacity;
        for (int i = 0; i < kDenpyouCapacity; ++i) {
            day.toKind[i] = kinds[pick(0, 3)];
            day.toId[i] = day.toKind[i] == 1 ? siireIds[pick(0, siireCount - 1)] : pick(0, 4);
            day.amount[i] = pick(100, 500000);
            day.tax[i] = pick(0, 3) ? 0 : pick(1, 40000);
            day.entryType[i] = pick(0, 4);
            day.fromKind[i] = kinds[pick(0, 3)];
            day.fromId[i] = pick(0, 4);
            day.accountId[i] = tekiyouIds[pick(0, tekiyouCount - 1)];
            day.subAccountId[i] = pick(0, 2000);
            day.note[i] = notes[pick(0, 4)];
            day.taxExempt[i] = pick(0, 5) == 0;
        }
    }
}

volatile double sink = 0;

double minimalOver(const std::vector<std::string>& paths) {
    double sum = 0;
    std::string bytes;
    for (const std::string& p : paths) {
        if (!readWholeFile(p, bytes)) {
            std::fprintf(stderr, "voucher_bench: cannot read %s\n", p.c_str());
            std::exit(1);
        }
        sum += minimalPass(bytes);
    }
    return sum;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::string folder = scratchFolder("voucher-bench");
    driveRoot = folder;
    fs::create_directories(busyoFolderPath(kDepartmentName));
    fillRegisters();

    // The thirteen months on disk and in memory.
    std::vector<std::unique_ptr<DenpyouMonth>> months;
    std::vector<std::string> paths;
    int seed = 1;
    for (const MonthKey& k : coveredMonths()) {
        months.push_back(std::make_unique<DenpyouMonth>());
        fillMonth(*months.back(), seed++);
        paths.push_back(denpyouPath(kDepartmentName, k.year, k.month));
        if (!writeDenpyouMonth(paths.back(), *months.back())) {
            std::fprintf(stderr, "voucher_bench: cannot write %s\n", paths.back().c_str());
            return 1;
        }
    }

    // (a) the window's load of each month of 2003, against the minimal pass over its two files.
    VoucherMonths loaded;
    const double load = timeRuns(runs, [&] {
        for (int m = 1; m <= 12; ++m) {
            loaded.load(kDepartmentName, 2003, m);
            sink = sink + denpyouMonth[31].amount[400] + loaded.previous()[28].amount[0];
        }
    });
    const double loadReference = timeRuns(runs, [&] {
        for (int m = 1; m <= 12; ++m)
            sink = sink + minimalOver({paths[m - 1], paths[m]});
    });

    // (b) the twelve periods from memory.
    std::vector<double> rowAmounts(kDenpyouCapacity + 1);
    const double totals = timeRuns(runs, [&] {
        for (int m = 1; m <= 12; ++m) {
            const DenpyouMonth& shown = *months[m];
            const DenpyouMonth& previous = *months[m - 1];
            PeriodSource source;
            source.year = 2003, source.month = m, source.day = kShownDay;
            source.closingDay = kClosingDay;
            source.taxRounding = taxRounding;
            source.shownMonth = &shown;
            source.previousMonth = &previous;
            source.previousYear = m == 1 ? 2002 : 2003;
            source.previousMonthNumber = m == 1 ? 12 : m - 1;
            source.previousDays = Nissuu(source.previousYear, source.previousMonthNumber);
            VoucherTotals t;
            addStoredDays(t, source);
            const DenpyouDay& day = shown[kShownDay];
            for (int i = 0; i < kDenpyouCapacity; ++i)
                rowAmounts[i] = day.amount[i];
            rowAmounts.back() = 0; // the entry row
            const auto split =
                addShownDay(t, day, rowAmounts, rateOn(2003, m, kShownDay), taxRounding);
            // The summary grids: one row per supplier and per account title.
            double shownSum = split.back().excluded;
            for (int i = 0; i < siireCount; ++i)
                shownSum += t.supplier(siireIds[i]).incl;
            for (int i = 0; i < tekiyouCount; ++i)
                shownSum += t.account(tekiyouIds[i]).excl;
            sink = sink + shownSum + t.period.excl;
        }
    });
    const double totalsReference = timeRuns(runs, [&] { sink = sink + minimalOver(paths); });

    std::printf("%-8s %10s %12s %8s %6s\n", "work", "ms", "reference ms", "ratio", "aim");
    std::printf("%-8s %10.2f %12.2f %8.2f %6.2f\n", "load", load * 1e3, loadReference * 1e3,
                load / loadReference, 1.5);
    std::printf("%-8s %10.2f %12.2f %8.2f %6.2f\n", "totals", totals * 1e3, totalsReference * 1e3,
                totals / totalsReference, 0.5);
    std::printf("\nRatios: load %.2f x minimal (aim 1.5) %s; totals %.2f x minimal (aim 0.5) %s\n",
                load / loadReference, load / loadReference <= 1.5 ? "met" : "MISSED",
                totals / totalsReference, totals / totalsReference <= 0.5 ? "met" : "MISSED");
    std::error_code ec;
    fs::remove_all(folder, ec);
    return 0;
}
