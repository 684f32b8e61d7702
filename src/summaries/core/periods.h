#pragma once
// Which days of which months a summary lists: the period list's run of whole days, the
// closing-day month of the monthly summary and the cash book, and their month steps.
#include "storage/routines.h"

#include <vector>

namespace lukana {

// Days firstDay..lastDay of one month file; none when firstDay > lastDay.
struct MonthSpan {
    int year = 0, month = 0, firstDay = 1, lastDay = 0;
    bool operator==(const MonthSpan&) const = default;
};

// The whole days, start to end, whose vouchers the period list lists.
struct VoucherDateSpan {
    CivilDate start, end;
};

// The fiscal year that holds the working date, with its end at fiscal month and day
// (carried as a calendar carries them).
VoucherDateSpan defaultPeriod(int year, int month, int day, int endMonth, int endDay);

// Every month from start to end, each with the days that lie in the period, in calendar
// order; empty when the end lies before the start.
std::vector<MonthSpan> periodMonths(const VoucherDateSpan& period);

// A shown month and the month before it.
struct ShownMonth {
    int year = 0, month = 0;
    int prevYear() const { return monthBefore(year, month).year; }
    int prevMonth() const { return monthBefore(year, month).month; }
    int days() const { return Nissuu(year, month); }
    int prevDays() const { return Nissuu(prevYear(), prevMonth()); }
};
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;
// One month back or forward; stays where it is at January of the first year and December
// of the last.
ShownMonth stepMonth(ShownMonth shown, int delta);

// With closing day c from 1 to 30: the days after c of the month before, then days 1 to c of
// the shown month (c itself even past a short month's end); otherwise the shown month.
std::vector<MonthSpan> closingDayMonths(const ShownMonth& shown, int closingDay);

} // namespace lukana
