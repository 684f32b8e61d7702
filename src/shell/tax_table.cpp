#include "tax_table.h"

#include "storage/routines.h"
#include "storage/settings.h"
#include "storage/state.h"
#include "storage/text_format.h"

#include <cmath>

namespace lukana {

TaxAddResult addTaxEntry(int year, int month, int day, double rate) {
    if (rate == 0 || std::isnan(rate))
        return TaxAddResult::NoRate;
    if (rate < 0)
        return TaxAddResult::Negative;
    const double rounded = std::nearbyint(rate); // half to even in the default rounding mode
    if (rounded > kIntegerMax)
        return TaxAddResult::TooLarge;
    ensureTaxCapacity();
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
    ensureTaxCapacity();
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
