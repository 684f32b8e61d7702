#pragma once

namespace lukana {

// Days first..last of one month; empty when first is above last.
struct DayRange {
    int first = 1;
    int last = 0;
    bool empty() const { return first > last; }
};

// The stored days of the totals period that ends on the shown day: it starts the day after
// the closing day, in the month before when the closing day is not before the shown day.
// A closing day of 0 or 31 and above means the end of the month. The shown day itself is
// not part of either range (it is taken from the screen).
struct ClosingPeriod {
    DayRange previousMonth;
    DayRange shownMonth;
    bool startsInPreviousMonth = false;
    bool calendarMonth = false;
};
ClosingPeriod closingPeriod(int closingDay, int shownDay, int previousMonthDays);

} // namespace lukana
