#include "voucher_months.h"

#include "storage/months.h"
#include "storage/routines.h"

namespace lukana {

VoucherMonths::VoucherMonths() : previous_(std::make_unique<DenpyouMonth>()) {}

std::vector<DamagedFile> VoucherMonths::load(const std::string& departmentName, int year,
                                             int month) {
    const YearMonth monthAgo = monthBefore(year, month);
    previousYear_ = monthAgo.year;
    previousMonth_ = monthAgo.month;
    std::vector<DamagedFile> damaged = moveAsideUnreadable(
        {loadDenpyouMonthInto(departmentName, previousYear_, previousMonth_, *previous_),
         loadDenpyouMonth(departmentName, year, month)});
    damaged_.reset(damaged);
    previousDays_ = Nissuu(previousYear_, previousMonth_);
    return damaged;
}

Status VoucherMonths::save(const std::string& departmentName, int year, int month) const {
    const std::string path = denpyouPath(departmentName, year, month);
    if (Status refused = damaged_.check(path); !refused)
        return refused;
    return writeDenpyouMonth(path, denpyouMonth);
}

} // namespace lukana
