#include "date_spin.h"

#include "storage/routines.h"

#include <algorithm>

namespace lukana {
namespace {

int clampYear(int year) {
    return std::clamp(year, kMinSpinYear, kMaxSpinYear);
}

// Months past either end roll over; the year follows while it stays in range.
void rollMonth(SpinDate& d, bool carryYear) {
    if (d.month > 12) {
        d.month = 1;
        if (carryYear && d.year < kMaxSpinYear)
            ++d.year;
    } else if (d.month < 1) {
        d.month = 12;
        if (carryYear && d.year > kMinSpinYear)
            --d.year;
    }
}

// The last valid day at or before d.day; computed, so no input can make it loop.
void stepBackToValidDay(SpinDate& d) {
    d.day = std::clamp(d.day, 1, Nissuu(d.year, d.month));
}

} // namespace

SpinDate afterDaySpin(SpinDate d, bool carryYear) {
    d.year = clampYear(d.year);
    rollMonth(d, carryYear);
    if (d.day >= 32) {
        d.day = 1;
        ++d.month;
        rollMonth(d, carryYear);
    } else if (d.day <= 0) {
        d.day = 31;
        --d.month;
        rollMonth(d, carryYear);
        stepBackToValidDay(d);
    } else if (!isValidDate(d.year, d.month, d.day)) {
        d.day = 1;
        ++d.month;
        rollMonth(d, carryYear);
    }
    return d;
}

SpinDate afterMonthSpin(SpinDate d, bool carryYear) {
    d.year = clampYear(d.year);
    rollMonth(d, carryYear);
    stepBackToValidDay(d);
    return d;
}

SpinDate afterYearSpin(SpinDate d) {
    d.year = clampYear(d.year);
    rollMonth(d, false);
    stepBackToValidDay(d);
    return d;
}

} // namespace lukana
