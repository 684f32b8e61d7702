#pragma once
// How date spinners carry: what a day, month or year spinner moved to a new value makes of
// the date, and which typed numbers the date boxes hand to their spinners. The day spinner
// runs 0 to 32 and the month spinner 0 to 13, the outer values only to roll over. Years stay
// within kMinYear and kMaxYear: a step past either end leaves the date as it was.
#include <optional>

namespace lukana {

inline constexpr int kMinYear = 1;
inline constexpr int kMaxYear = 9999;

struct SpinDate {
    int year = 0, month = 0, day = 0;
    bool operator==(const SpinDate&) const = default;
};

// The day spinner moved to date.day: 32 is day 1 of the next month, 0 the last day of the
// month before, and a day the month lacks (31 April) day 1 of the next month. carryYear
// false keeps the year as it is (a year end without a year: December rolls to January).
SpinDate afterDaySpin(SpinDate date, bool carryYear = true);

// The month spinner moved to date.month: 13 is January of the next year, 0 December of the
// year before (of the same year without carryYear); a day the new month lacks becomes its
// last day.
SpinDate afterMonthSpin(SpinDate date, bool carryYear = true);

// The year spinner moved to date.year: 29 February of a year without it becomes the 28th. A
// year outside kMinYear..kMaxYear is brought back to the nearer end.
SpinDate afterYearSpin(SpinDate date);

// A number typed into the day box (commas removed, its leading number): below 0 the box is
// corrected to "0", above 31 to "31"; the spinner takes the day rounded half to even.
struct TypedDay {
    int spinnerValue = 0;
    const char* correctedText = nullptr; // null: the box keeps what was typed
};
TypedDay typedDay(double value);

// A typed month 1..12 or year kMinYear..kMaxYear rounded half to even for its spinner;
// nothing for any other number, which leaves box, spinner and date alone.
std::optional<int> typedMonth(double value);
std::optional<int> typedYear(double value);

} // namespace lukana
