#include "period_caption.h"

#include "closing_period.h"
#include "storage/display_format.h"

namespace lukana {

std::string periodCaption(int closingDay, int month, int day, int previousMonth) {
    const ClosingPeriod p = closingPeriod(closingDay, day, 31);
    const std::string end = Str(month) + "月" + Str(day) + "日までの合計";
    if (p.calendarMonth)
        return Str(month) + "月 1日～" + Str(day) + "日までの合計";
    const int startMonth = p.startsInPreviousMonth ? previousMonth : month;
    return Str(startMonth) + "月" + Str(closingDay + 1) + "日～" + end;
}

} // namespace lukana
