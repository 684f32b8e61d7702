#include "voucher_totals.h"

#include "storage/settings.h"
#include "tax_split.h"

#include <algorithm>
#include <cmath>

namespace lukana {

namespace {

Money lookup(const std::unordered_map<int, Money>& map, int id) {
    auto it = map.find(id);
    return it == map.end() ? Money{} : it->second;
}

void addDays(VoucherTotals& totals, const DenpyouMonth& month, DayRange days, int year,
             int monthNumber, int rounding) {
    for (int d = days.first; d <= days.last; ++d) {
        const DenpyouDay& day = month[d];
        if (day.denpyouCount <= 0)
            continue;
        const int rate = rateOn(year, monthNumber, d);
        const int count = std::min(day.denpyouCount, kDenpyouCapacity);
        for (int j = 0; j < count; ++j) {
            const double a = day.amount[j];
            totals.add(day, j, a, taxExcludedAmount(a, rate, rounding, day.taxExempt[j] != 0));
        }
    }
}
} // namespace

void VoucherTotals::add(const DenpyouDay& day, int index, double amount, double excluded) {
    period.add(amount, excluded);
    byAccount[day.accountId[index]].add(amount, excluded);
    if (day.toKind[index] == partyKind::kSupplier)
        bySupplier[day.toId[index]].add(amount, excluded);
    if (day.fromKind[index] == partyKind::kDepartment)
        payingSource.add(amount, excluded);
    if (day.fromKind[index] == partyKind::kIncomeSource &&
        day.toKind[index] == partyKind::kDepartment)
        departmentIncome.add(amount, excluded);
}

Money VoucherTotals::supplier(int id) const {
    return lookup(bySupplier, id);
}
Money VoucherTotals::account(int id) const {
    return lookup(byAccount, id);
}

int rateOn(int year, int month, int day) {
    return Zeiritu(year, month, day).value_or(0);
}

void addStoredDays(VoucherTotals& totals, const PeriodSource& source) {
    const ClosingPeriod period = closingPeriod(source.closingDay, source.day, source.previousDays);
    if (source.previousMonth && !period.previousMonth.empty())
        addDays(totals, *source.previousMonth, period.previousMonth, source.previousYear,
                source.previousMonthNumber, source.taxRounding);
    if (source.shownMonth && !period.shownMonth.empty())
        addDays(totals, *source.shownMonth, period.shownMonth, source.year, source.month,
                source.taxRounding);
}

std::vector<ShownRowSplit> addShownDay(VoucherTotals& totals, const DenpyouDay& day,
                                       std::span<const double> rowAmounts, int rate, int rounding) {
    std::vector<ShownRowSplit> rows(rowAmounts.size());
    for (std::size_t k = 0; k < rowAmounts.size(); ++k) {
        if (k >= static_cast<std::size_t>(kDenpyouCapacity))
            break; // the entry row of a full day has no slot
        const int v = static_cast<int>(k);
        const double a = rowAmounts[k];
        const bool exempt = day.taxExempt[v] != 0;
        ShownRowSplit& row = rows[k];
        totals.dayTotal += a;
        if (day.tax[v] != 0) {
            row.excluded = std::round(exempt ? a : a - day.tax[v]);
            row.tax = exempt ? 0 : day.tax[v];
            row.clearStoredTax = exempt;
        } else {
            row.excluded = std::round(taxExcludedAmount(a, rate, rounding, exempt));
            row.tax = a - row.excluded;
        }
        totals.add(day, v, a, row.excluded);
    }
    return rows;
}

} // namespace lukana
