// The daily report's heavy work, measured against a minimal pass in the same run:
//   choice  choosing the department: both months read and a day at capacity shown, against
//           reading the two month files, splitting them into lines and converting each line
//           (aim: within 1.5 x);
//   show    showing that day again (showDay), against putting the same texts into the same
//           grids and boxes with every handler quiet (aim: within 2 x);
//   save    the save after Yes: the month written and the day posted into a voucher month
//           whose other 30 days hold 401 vouchers each, against writing both files' bytes
//           atomically plus the minimal pass over the voucher file's bytes (aim: within 2.5 x).
// Data: both months with every list at 51 lines and 101 guest slips of 101 order lines a day;
// the shown day has no vouchers yet.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUKANA_BUILD_BENCH=ON
//   cmake --build build-bench --target daily_bench -j
//   QT_QPA_PLATFORM=offscreen build-bench/bench/daily_bench [runs]
//
// Each figure is the median of the runs (default 7); the files go to a fresh folder below
// $LUKANA_BENCH_DIR (default: the system's temporary folder), removed at the end.
#include "daily/amount_panel.h"
#include "daily/daily_report_window.h"
#include "daily/day_list_grid.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "reference_pass.h"
#include "scratch_folder.h"
#include "storage/atomic_file.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "timed_runs.h"

#include <QApplication>

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
constexpr int kYear = 2003, kMonth = 1, kDay = 15;

// Every list and every guest slip at capacity, every amount set.
void fillMonth(NippouMonth& m, std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = m[d];
        for (double& k : day.kingaku)
            k = pick(1, 400000);
        day.kaidasiCount = day.nyukinCount = day.hikidasiCount = day.urikakeCount =
            kNippouLineCapacity;
        for (int i = 0; i < kNippouLineCapacity; ++i) {
            day.kaidasiSiireId[i] = siireIds[pick(0, siireCount - 1)];
            day.kaidasiGaku[i] = pick(100, 99999);
            day.kaidasiHikazei[i] = pick(0, 1);
            day.nyukinKouza[i] = day.hikidasiKouza[i] = pick(1, 4);
            day.nyukinGaku[i] = day.hikidasiGaku[i] = pick(10000, 500000);
            day.urikakeKyaku[i] = tyIds[pick(0, tyCount - 1)];
            day.urikakeGaku[i] = pick(1000, 90000);
        }
        day.slipCount = kSlipCapacity;
        for (int t = 0; t < kSlipCapacity; ++t) {
            for (double& v : day.slipValues[t])
                v = pick(0, 9);
            day.lineCount[t] = kSlipLineCapacity;
            for (int c = 0; c < kSlipLineCapacity; ++c) {
                day.lineMenu[t][c] = c + 1;
                day.lineQty[t][c] = pick(1, 9);
            }
        }
    }
}

void fillVouchers(DenpyouMonth& m, std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int d = 1; d <= 31; ++d) {
        if (d == kDay)
            continue;
        DenpyouDay& day = m[d];
        day.denpyouCount = kDenpyouCapacity;
        for (int i = 0; i < kDenpyouCapacity; ++i) {
            day.toKind[i] = day.fromKind[i] = pick(0, 4);
            day.toId[i] = day.fromId[i] = pick(0, 400);
            day.amount[i] = pick(100, 500000);
            day.entryType[i] = pick(0, 4);
            day.accountId[i] = pick(1, 16);
            day.subAccountId[i] = pick(0, 2000);
            day.note[i] = pick(0, 1) ? "当日分現金売上" : "";
            day.taxExempt[i] = pick(0, 1);
        }
    }
}

void fillRegisters() {
    busyoCount = 1;
    busyoRecs[0].name = kDepartmentName;
    busyoRecs[0].bankName = "銀行";
    siireCount = kSiireCapacity;
    for (int i = 0; i < siireCount; ++i) {
        siireNames[i] = "仕入先" + std::to_string(i);
        siireIds[i] = i + 1;
    }
    tyCount = 1000;
    for (int i = 0; i < tyCount; ++i) {
        tyNames[i] = "客" + std::to_string(i);
        tyIds[i] = i + 1;
        tyTekiyouIds[i] = 4;
    }
    const struct {
        const char* file;
        PathWriter write;
    } files[] = {{"misena.dat", writeDepartments},
                 {"siire.dat", writeSuppliers},
                 {"ty.dat", writeSubAccounts}};
    for (const auto& f : files) {
        if (!f.write(rootFilePath(f.file))) {
            std::fprintf(stderr, "daily_bench: cannot write %s\n", f.file);
            std::exit(1);
        }
    }
}

volatile double sink = 0;

std::string bytesOf(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        std::fprintf(stderr, "daily_bench: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return bytes;
}

// The same texts the day shows, put into the grids and boxes with every handler quiet.
void fillQuietly(DailyReportWindow& w, const NippouDay& day) {
    for (DayListGrid* list : {w.payments(), w.deposits(), w.withdrawals(), w.creditSales()}) {
        platform::Grid& grid = *list->grid();
        platform::Grid::Filling filling(grid);
        const int n = lineCount(day, list->list());
        grid.setRows(1);
        grid.setRows(n + 2);
        for (int k = 0; k < n; ++k) {
            grid.setText(k + 1, 0, QString::number(lineParty(day, list->list(), k)));
            grid.setText(k + 1, 1, QString::number(lineAmount(day, list->list(), k), 'g', 15));
        }
    }
    for (int i : kAmountBoxes)
        w.amounts()->box(i)->setTextQuietly(QString::number(day.kingaku[i], 'g', 15));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::string folder = scratchFolder("daily-bench");
    driveRoot = folder;
    fs::create_directories(busyoFolderPath(kDepartmentName));
    fillRegisters();

    std::mt19937 rng(11);
    const std::string previousPath = nippouPath(kDepartmentName, kYear - 1, 12);
    const std::string monthPath = nippouPath(kDepartmentName, kYear, kMonth);
    const std::string voucherPath = denpyouPath(kDepartmentName, kYear, kMonth);
    for (const std::string& path : {previousPath, monthPath}) {
        auto month = std::make_unique<NippouMonth>();
        fillMonth(*month, rng);
        if (!writeNippouMonth(path, *month, 850000)) {
            std::fprintf(stderr, "daily_bench: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    auto vouchers = std::make_unique<DenpyouMonth>();
    fillVouchers(*vouchers, rng);
    if (!writeDenpyouMonth(voucherPath, *vouchers)) {
        std::fprintf(stderr, "daily_bench: cannot write %s\n", voucherPath.c_str());
        return 1;
    }
    const std::string voucherBytes = bytesOf(voucherPath);

    todayYear = kYear, todayMonth = kMonth, todayDay = kDay;
    curBusyo = -1; // the window opens without a department: the choice is measured
    DailyReportWindow window;
    window.load();

    // (a) the department chosen: both months read, the day shown.
    const double choice = timeRuns(
        runs,
        [&] {
            window.departmentChoice()->setListIndex(0);
            sink = sink + window.sheet().value(28);
        },
        [&] { window.departmentChoice()->setListIndex(-1); });
    const double choiceReference = timeRuns(runs, [&] {
        sink = sink + minimalPass(bytesOf(previousPath)) + minimalPass(bytesOf(monthPath));
    });

    if (nippouMonth[kDay].kaidasiCount != kNippouLineCapacity ||
        window.payments()->lines() != kNippouLineCapacity) {
        std::fprintf(stderr, "daily_bench: the day at capacity was not shown\n");
        return 1;
    }

    // (b) the day shown again, against the same texts put in quietly.
    const double show = timeRuns(runs, [&] { window.showDay(); });
    const NippouDay shownDay = nippouMonth[kDay];
    const double showReference = timeRuns(runs, [&] { fillQuietly(window, shownDay); });
    window.showDay();

    // (c) the save after Yes, posting the day into a voucher month it has not reached yet.
    const std::string monthBytes = bytesOf(monthPath);
    const double save = timeRuns(
        runs,
        [&] {
            window.storeShownDay();
            if (!window.saveMonth())
                std::exit(1);
        },
        [&] {
            if (!writeFileAtomically(voucherPath, voucherBytes))
                std::exit(1);
        });
    if (bytesOf(voucherPath).size() <= voucherBytes.size()) {
        std::fprintf(stderr, "daily_bench: the day was not posted\n");
        return 1;
    }
    const double saveReference = timeRuns(runs, [&] {
        if (!writeFileAtomically(monthPath, monthBytes) ||
            !writeFileAtomically(voucherPath, voucherBytes))
            std::exit(1);
        sink = sink + minimalPass(voucherBytes);
    });

    std::printf("%-6s %10s %12s %8s %6s\n", "work", "ms", "reference ms", "ratio", "aim");
    report("choice", choice * 1e3, choiceReference * 1e3, 1.5);
    report("show", show * 1e3, showReference * 1e3, 2.0);
    report("save", save * 1e3, saveReference * 1e3, 2.5);
    std::error_code ec;
    fs::remove_all(folder, ec);
    return 0;
}
