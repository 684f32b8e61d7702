#pragma once
// What the date spinners of the settings dialogs do when one of them moves: the day spinner
// runs 0 to 32 and the month spinner 0 to 13, the outer values only to roll over. Years stay
// within kMinSpinYear and kMaxSpinYear; at either end the month rolls over without the year.
namespace lukana {

inline constexpr int kMinSpinYear = 1;
inline constexpr int kMaxSpinYear = 9999;

struct SpinDate {
    int year = 0, month = 0, day = 0;
    bool operator==(const SpinDate&) const = default;
};

// The day spinner moved: day 32 is day 1 of the next month, day 0 the last day of the month
// before, and a day the month lacks (31 April) day 1 of the next month. carryYear false keeps
// the year as it is (the fiscal year end, which has none).
SpinDate afterDaySpin(SpinDate date, bool carryYear = true);

// The month spinner moved: 13 is January, 0 December (of the next or previous year with
// carryYear); a day the new month lacks becomes its last day.
SpinDate afterMonthSpin(SpinDate date, bool carryYear = true);

// The year spinner moved: 29 February of a year without it becomes the 28th.
SpinDate afterYearSpin(SpinDate date);

} // namespace lukana
