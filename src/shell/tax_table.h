#pragma once
// Edits of the shared tax table (taxCount, taxYear, taxMonth, taxDay, taxRate) that the tax
// settings dialog makes, kept apart from the dialog so that they can be checked directly.
#include <string>

namespace lukana {

enum class TaxAddResult {
    Added,
    NoRate,   // the rate is empty or 0
    Negative, // a negative rate
    TooLarge, // the rounded rate does not fit the file's 16-bit field
    Full,     // the table already holds its 1001 entries
};

// Adds a rate applying from the given date (a calendar date). It goes before the first entry
// dated strictly later, so an entry on the date of existing ones follows them. The rate is
// rounded to a whole number, a half going to the even neighbour.
TaxAddResult addTaxEntry(int year, int month, int day, double rate);

// Removes entry index; false when there is no such entry.
bool deleteTaxEntry(int index);

// The list line of entry index: " 2000年 1月 1日: 5％".
std::string taxLine(int index);

} // namespace lukana
