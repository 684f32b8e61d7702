#include "closing_period.h"

#include <algorithm>

namespace lukana {

ClosingPeriod closingPeriod(int closingDay, int shownDay, int previousMonthDays) {
    ClosingPeriod p;
    if (closingDay >= 31 || closingDay == 0) {
        p.calendarMonth = true;
        p.shownMonth = {1, shownDay - 1};
    } else if (closingDay < shownDay) {
        // A negative closing day is no date; the period then starts on the 1st.
        p.shownMonth = {std::max(1, closingDay + 1), shownDay - 1};
    } else {
        p.startsInPreviousMonth = true;
        p.previousMonth = {closingDay + 1, previousMonthDays};
        p.shownMonth = {1, shownDay - 1};
    }
    // Days past 31 have no record.
    p.previousMonth.last = std::min(p.previousMonth.last, 31);
    p.shownMonth.last = std::min(p.shownMonth.last, 31);
    return p;
}

} // namespace lukana
