#include "voucher_months.h"

#include "storage/masters.h"
#include "storage/months.h"
#include "storage/routines.h"

#include <algorithm>

namespace lukana {

namespace {

void noteDamage(const MonthLoadReport& report, std::vector<DamagedMonthFile>& damaged,
                std::vector<std::string>& kept) {
    if (!report.plainUnreadable)
        return;
    DamagedMonthFile d{report.plainPath, {}};
    if (auto movedTo = moveAside(report.plainPath))
        d.movedTo = *movedTo;
    else
        kept.push_back(report.plainPath);
    damaged.push_back(std::move(d));
}

} // namespace

VoucherMonths::VoucherMonths() : previous_(std::make_unique<DenpyouMonth>()) {}

void monthBefore(int year, int month, int& previousYear, int& previousMonth) {
    previousYear = year;
    previousMonth = month - 1;
    if (previousMonth == 0) {
        previousMonth = 12;
        previousYear = year - 1;
    }
}

std::vector<DamagedMonthFile> VoucherMonths::load(const std::string& busyoName, int year,
                                                  int month) {
    std::vector<DamagedMonthFile> damaged;
    keptDamaged_.clear();
    monthBefore(year, month, previousYear_, previousMonth_);
    noteDamage(loadDenpyouMonthInto(busyoName, previousYear_, previousMonth_, *previous_), damaged,
               keptDamaged_);
    noteDamage(loadDenpyouMonth(busyoName, year, month), damaged, keptDamaged_);
    previousDays_ = Nissuu(previousYear_, previousMonth_);
    return damaged;
}

Status VoucherMonths::save(const std::string& busyoName, int year, int month) const {
    const std::string path = denpyouPath(busyoName, year, month);
    if (std::find(keptDamaged_.begin(), keptDamaged_.end(), path) != keptDamaged_.end())
        return Status::failure(path + " は読めなかったファイルのため、上書きしません。"
                                      "別の場所に移してから保存してください。");
    return writeDenpyouMonth(path, denpyouMonth);
}

} // namespace lukana
