#include "periods.h"

#include <algorithm>

namespace lukana {

VoucherDateSpan defaultPeriod(int year, int month, int day, int endMonth, int endDay) {
    const CivilDate e = normalizeDate(year, endMonth, endDay);
    const CivilDate s = normalizeDate(e.year, e.month, static_cast<long long>(e.day) + 1);
    const CivilDate working = normalizeDate(year, month, day);
    if (e >= working)
        return {{s.year - 1, s.month, s.day}, {year, e.month, e.day}};
    return {s, {year + 1, e.month, e.day}};
}

std::vector<MonthSpan> periodMonths(const VoucherDateSpan& p) {
    std::vector<MonthSpan> months;
    for (int year = p.start.year; year <= p.end.year; ++year) {
        const int firstMonth = year == p.start.year ? p.start.month : 1;
        const int lastMonth = year == p.end.year ? p.end.month : 12;
        for (int month = std::max(firstMonth, 1); month <= std::min(lastMonth, 12); ++month) {
            const bool first = year == p.start.year && month == p.start.month;
            const bool last = year == p.end.year && month == p.end.month;
            months.push_back(
                {year, month, first ? p.start.day : 1, last ? p.end.day : Nissuu(year, month)});
        }
    }
    return months;
}

ShownMonth stepMonth(ShownMonth shown, int delta) {
    const long long index = static_cast<long long>(shown.year) * 12 + (shown.month - 1) + delta;
    if (index < static_cast<long long>(kFirstYear) * 12 ||
        index > static_cast<long long>(kLastYear) * 12 + 11)
        return shown;
    return {static_cast<int>(index / 12), static_cast<int>(index % 12) + 1};
}

std::vector<MonthSpan> closingDayMonths(const ShownMonth& shown, int c) {
    if (c >= 1 && c <= 30)
        return {{shown.prevYear(), shown.prevMonth(), c + 1, shown.prevDays()},
                {shown.year, shown.month, 1, c}};
    return {{shown.year, shown.month, 1, shown.days()}};
}

} // namespace lukana
