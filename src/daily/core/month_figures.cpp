#include "month_figures.h"

#include "storage/display_format.h"

#include <cmath>

namespace lukana {

double finiteOrZero(double value) {
    return std::isfinite(value) ? value : 0;
}

double monthToDate(const NippouMonth& month, int index, int day, double shownValue) {
    double sum = 0;
    for (int d = 1; d < day && d <= 31; ++d)
        sum += month[d].kingaku[index];
    return finiteOrZero(sum + shownValue);
}

CardSales cardSales(const ShownDay& shown, double shownValue) {
    CardSales out;
    const int c = shown.creditClosingDay;
    const int d = shown.day;
    double sum = 0;
    if (c == 0 || c == 31 || c < 0 || c > 31) {
        sum = monthToDate(*shown.days, 6, d, shownValue);
        out.caption = "累計クレジット;" + Str(shown.month) + "月1日～" + Str(shown.month) + "月" +
                      Str(shown.monthDays) + "日のカード売り";
    } else {
        for (int k = c + 1; k <= 31; ++k)
            sum += (*shown.daysBefore)[k].kingaku[6];
        for (int k = 1; k <= c; ++k)
            if (k != d)
                sum += (*shown.days)[k].kingaku[6];
        if (d <= c)
            sum += shownValue;
        out.caption = "累計クレジット;" + Str(shown.monthBefore) + "月" + Str(c + 1) + "日～" +
                      Str(shown.month) + "月" + Str(c) + "日のカード売り";
    }
    out.total = finiteOrZero(sum);
    out.figure = Format(out.total, "###,###");
    return out;
}

} // namespace lukana
