#include "summary_list.h"

#include "storage/months.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace lukana {

void SummaryList::clear() {
    rows_.clear();
    totals_ = {};
    restartRunningSums();
}

void SummaryList::append(const DenpyouDay& day, int j, int year, int month, int dayNumber) {
    SummaryRow row;
    row.amount = day.amount[j];
    row.tax = day.tax[j];
    sumAmount_ += row.amount;
    sumExTax_ += row.exTax();
    row.sumAmount = sumAmount_;
    row.sumExTax = sumExTax_;
    row.fromId = day.fromId[j];
    row.toId = day.toId[j];
    row.year = static_cast<std::int16_t>(year);
    row.fromKind = static_cast<std::int16_t>(day.fromKind[j]);
    row.toKind = static_cast<std::int16_t>(day.toKind[j]);
    row.month = static_cast<std::int8_t>(month);
    row.day = static_cast<std::int8_t>(dayNumber);
    totals_.amount += row.amount;
    totals_.exTax += row.exTax();
    totals_.tax += row.tax;
    rows_.push_back(row);
}

void SummaryList::addMonth(const VoucherFilter& filter, const DenpyouMonth& month,
                           const MonthSpan& span) {
    // Days past 31 (a closing day beyond a short month's end) hold no vouchers.
    for (int d = std::max(span.firstDay, 1); d <= std::min(span.lastDay, 31); ++d) {
        const DenpyouDay& day = month[d];
        const int count = std::clamp(day.denpyouCount, 0, kDenpyouCapacity);
        for (int j = 0; j < count; ++j)
            addVoucherRow(filter, day, j, span.year, span.month, d);
    }
}

bool loadListedMonth(const std::string& departmentName, int year, int month, DenpyouMonth& target) {
    // Clearing a whole month for a file that is not there would cost more than looking.
    std::error_code ec;
    if (!std::filesystem::exists(denpyouPath(departmentName, year, month), ec) &&
        !std::filesystem::exists(denpyouPath(departmentName, year, month, true), ec))
        return false;
    (void)loadDenpyouMonthInto(departmentName, year, month, target);
    return true;
}

void listSpans(const std::string& departmentName, const std::vector<MonthSpan>& spans,
               const VoucherFilter& filter, bool restartEachMonth, SummaryList& list,
               DenpyouMonth& month) {
    list.clear();
    for (const MonthSpan& span : spans) {
        if (restartEachMonth)
            list.restartRunningSums();
        if (span.firstDay > span.lastDay)
            continue;
        if (loadListedMonth(departmentName, span.year, span.month, month))
            list.addMonth(filter, month, span);
    }
}

} // namespace lukana
