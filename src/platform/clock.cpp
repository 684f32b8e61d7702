#include "clock.h"

#include <QDate>

namespace lukana::platform {
namespace {
std::optional<CalendarDay> fixedToday;
}

CalendarDay today() {
    if (fixedToday)
        return *fixedToday;
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

void setToday(std::optional<CalendarDay> day) {
    fixedToday = day;
}

} // namespace lukana::platform
