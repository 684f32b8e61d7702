#pragma once
// Today's date from the system clock, which tests can set.
#include <optional>

namespace lukana::platform {

struct CalendarDay {
    int year = 0, month = 0, day = 0;
};

CalendarDay today();
// A fixed date that today() returns from now on; nothing returns to the system clock.
void setToday(std::optional<CalendarDay> day);

} // namespace lukana::platform
