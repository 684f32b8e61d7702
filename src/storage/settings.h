#pragma once
// Tax table (opt.dat), closing days (simebi.dat), fiscal year end (kesan.dat).
#include "status.h"

#include <optional>

namespace lukana {

Status optModosi(); // tolerant after opening, clears nothing
Status optHozon();
Status simebiModosi(); // sets the four to 0 first; strict for two values, then tolerant
Status simebiHozon();
Status kesanModosi(); // strict, clears nothing
Status kesanHozon();

// Grows the tax table's lists back to their capacity; index them only after this.
void ensureTaxCapacity();

// One entry, 1 January 2000 at 5 percent, both switches 0: a plain table to edit from.
void setDefaultTax();

// The consumption-tax rates in force since each of their start dates (3, 5, 8 and 10 percent),
// so that a new user's vouchers are split at today's rate; the two switches are left alone.
void setStandardTaxRates();

// The rate in force on a date (carried as a calendar carries), or nothing when no entry applies.
std::optional<int> Zeiritu(long long year, long long month, long long day);

} // namespace lukana
