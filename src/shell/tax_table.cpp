#include "tax_table.h"

#include "storage/state.h"
#include "storage/text_format.h"

#include <cmath>

namespace lukana {
namespace {

void ensureCapacity() {
    for (auto* list : {&taxYear, &taxMonth, &taxDay, &taxRate})
        if (list->size() < static_cast<size_t>(kTaxCapacity))
            list->resize(static_cast<size_t>(kTaxCapacity));
}

// Days since 1970-01-01 of a date combined as a calendar combines it (month 13 is January of
// the next year, day 0 the last day of the month before). Entries read from opt.dat may hold
// any 16-bit numbers, so this works on any of them without a loop.
long long serialDay(long long year, long long month, long long day) {
    long long months = year * 12 + (month - 1);
    long long y = months >= 0 ? months / 12 : -((11 - months) / 12);
    long long m = months - y * 12 + 1;
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
}

} // namespace

TaxAddResult addTaxEntry(int year, int month, int day, double rate) {
    if (rate == 0 || std::isnan(rate))
        return TaxAddResult::NoRate;
    if (rate < 0)
        return TaxAddResult::Negative;
    const double rounded = std::nearbyint(rate); // half to even in the default rounding mode
    if (rounded > 32767)
        return TaxAddResult::TooLarge;
    ensureCapacity();
    if (taxCount < 0)
        taxCount = 0;
    if (taxCount >= kTaxCapacity)
        return TaxAddResult::Full;

    const long long date = serialDay(year, month, day);
    int at = taxCount;
    for (int i = 0; i < taxCount; ++i)
        if (serialDay(taxYear[i], taxMonth[i], taxDay[i]) > date) {
            at = i;
            break;
        }
    for (int i = taxCount; i > at; --i) {
        taxYear[i] = taxYear[i - 1];
        taxMonth[i] = taxMonth[i - 1];
        taxDay[i] = taxDay[i - 1];
        taxRate[i] = taxRate[i - 1];
    }
    taxYear[at] = year;
    taxMonth[at] = month;
    taxDay[at] = day;
    taxRate[at] = static_cast<int>(rounded);
    ++taxCount;
    return TaxAddResult::Added;
}

bool deleteTaxEntry(int index) {
    ensureCapacity();
    if (index < 0 || index >= taxCount || taxCount > kTaxCapacity)
        return false;
    for (int i = index; i + 1 < taxCount; ++i) {
        taxYear[i] = taxYear[i + 1];
        taxMonth[i] = taxMonth[i + 1];
        taxDay[i] = taxDay[i + 1];
        taxRate[i] = taxRate[i + 1];
    }
    --taxCount;
    return true;
}

std::string taxLine(int index) {
    return formatInteger(taxYear[index]) + "年" + formatInteger(taxMonth[index]) + "月" +
           formatInteger(taxDay[index]) + "日:" + formatInteger(taxRate[index]) + "％";
}

} // namespace lukana
