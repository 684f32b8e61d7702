#pragma once
// Tax table (opt.dat), closing days (simebi.dat), fiscal year end (kesan.dat).
#include "status.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace lukana {

Status readTaxTable(const std::string& path); // tolerant after opening, clears nothing
Status writeTaxTable(const std::string& path);
// Sets the four to 0 first; strict for two values, then tolerant.
Status readClosingDays(const std::string& path);
Status writeClosingDays(const std::string& path);
Status readFiscalYearEnd(const std::string& path); // strict, clears nothing
Status writeFiscalYearEnd(const std::string& path);

// The same on the file at filePath.
Status optModosi();
Status optHozon();
Status simebiModosi();
Status simebiHozon();
Status kesanModosi();
Status kesanHozon();

// Grows the tax table's lists back to their capacity; index them only after this.
void ensureTaxCapacity();

// One entry, 1 January 2000 at 5 percent, both switches 0: a plain table to edit from.
void setDefaultTax();

// The consumption-tax rates in force since each of their start dates (3, 5, 8 and 10 percent),
// so that a new user's vouchers are split at today's rate; the two switches are left alone.
void setStandardTaxRates();

// Replaces the tax table with these entries, in this order.
struct TaxEntry {
    int year, month, day, rate;
};
void setTaxTable(std::initializer_list<TaxEntry> entries);

// The rate in force on a date (carried as a calendar carries), or nothing when no entry applies.
std::optional<int> Zeiritu(long long year, long long month, long long day);

} // namespace lukana
