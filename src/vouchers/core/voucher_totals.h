#pragma once
// The totals of a closing-day period: every voucher of the stored days before the shown day,
// split with its own day's rate, and the shown day's rows as the screen holds them.
#include "closing_period.h"
#include "storage/state.h"

#include <span>
#include <unordered_map>
#include <vector>

namespace lukana {

// An amount with tax (incl) and without (excl).
struct Money {
    double incl = 0;
    double excl = 0;
    void add(double withTax, double withoutTax) {
        incl += withTax;
        excl += withoutTax;
    }
};

struct VoucherTotals {
    double dayTotal = 0; // the shown day's amounts
    Money period;
    std::unordered_map<int, Money> bySupplier; // paid to a supplier, by its id
    Money payingSource;                        // paid from the department or headquarters
    std::unordered_map<int, Money> byAccount;  // by account-title id, every voucher
    Money departmentIncome;                    // from kind 5 to the department

    // Adds voucher index of day with its amount and tax-excluded part where it counts.
    void add(const DenpyouDay& day, int index, double amount, double excluded);
    Money supplier(int id) const;
    Money account(int id) const;
};

// What the shown day's row shows in its tax and tax-excluded cells (whole yen).
struct ShownRowSplit {
    double excluded = 0;
    double tax = 0;
    // A tax-exempt voucher's stored tax is dropped from memory.
    bool clearStoredTax = false;
};

struct PeriodSource {
    int year = 0, month = 0, day = 0; // the shown date
    int closingDay = 0;               // simeGenkin
    int taxRounding = 0;
    const DenpyouMonth* shownMonth = nullptr;
    const DenpyouMonth* previousMonth = nullptr;
    int previousYear = 0, previousMonthNumber = 0, previousDays = 0;
};

// Adds the stored days of the period; each day is split with the rate in force on it (no rate
// counts as 0) and the stored taxes are not used.
void addStoredDays(VoucherTotals& totals, const PeriodSource& source);

// Adds the shown day: rowAmounts[k] is the amount cell of grid row k + 1 (the entry row last),
// paired with voucher slot k of day. A voucher with a stored tax shows its amount less that
// tax; others are split at rate. A row beyond the day's slots takes no part.
std::vector<ShownRowSplit> addShownDay(VoucherTotals& totals, const DenpyouDay& day,
                                       std::span<const double> rowAmounts, int rate, int rounding);

// The rate in force on a date, 0 when the tax table has none.
int rateOn(int year, int month, int day);

} // namespace lukana
