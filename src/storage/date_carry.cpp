#include "date_carry.h"

#include "routines.h"

#include <algorithm>
#include <cmath>

namespace lukana {
namespace {

// Months past either end roll over and carry the year; false when that would leave the
// years, so the caller keeps the date it had.
bool rollMonth(SpinDate& d, bool carryYear) {
    if (d.month > 12) {
        if (carryYear && d.year >= kMaxYear)
            return false;
        d.month = 1;
        if (carryYear)
            ++d.year;
    } else if (d.month < 1) {
        if (carryYear && d.year <= kMinYear)
            return false;
        d.month = 12;
        if (carryYear)
            --d.year;
    }
    return true;
}

// The last valid day at or before d.day; computed, so no input can make it loop.
void stepBackToValidDay(SpinDate& d) {
    d.day = std::clamp(d.day, 1, Nissuu(d.year, d.month));
}

int clampYear(int year) {
    return std::clamp(year, kMinYear, kMaxYear);
}

// The spinners' value before the move: the outer values stand for the ends they roll over.
SpinDate unmoved(SpinDate d) {
    d.month = std::clamp(d.month, 1, 12);
    d.day = std::clamp(d.day, 1, 31);
    stepBackToValidDay(d);
    return d;
}

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

SpinDate afterDaySpin(SpinDate d, bool carryYear) {
    d.year = clampYear(d.year);
    const SpinDate before = unmoved(d);
    if (d.month < 1 || d.month > 12) {
        if (!rollMonth(d, carryYear))
            return before;
    }
    if (d.day >= 32 || (d.day >= 1 && !isValidDate(d.year, d.month, d.day))) {
        d.day = 1;
        ++d.month;
        if (!rollMonth(d, carryYear))
            return before;
    } else if (d.day <= 0) {
        d.day = 31;
        --d.month;
        if (!rollMonth(d, carryYear))
            return before;
        stepBackToValidDay(d);
    }
    return d;
}

SpinDate afterMonthSpin(SpinDate d, bool carryYear) {
    d.year = clampYear(d.year);
    const SpinDate before = unmoved(d);
    if (!rollMonth(d, carryYear))
        return before;
    stepBackToValidDay(d);
    return d;
}

SpinDate afterYearSpin(SpinDate d) {
    d.year = clampYear(d.year);
    d.month = std::clamp(d.month, 1, 12);
    stepBackToValidDay(d);
    return d;
}

TypedDay typedDay(double value) {
    if (value < 0)
        return {0, "0"};
    if (value > 31)
        return {31, "31"};
    return {roundHalfEven(value), nullptr};
}

std::optional<int> typedMonth(double value) {
    if (value < 1 || value > 12)
        return std::nullopt;
    return roundHalfEven(value);
}

std::optional<int> typedYear(double value) {
    if (value < kMinYear || value > kMaxYear)
        return std::nullopt;
    return roundHalfEven(value);
}

} // namespace lukana
