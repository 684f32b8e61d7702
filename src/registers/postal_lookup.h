#pragma once
// The postal-code table (KenAll.csv in the program's folder) and the lookup of the department
// register: the digits typed are matched by number against the code each row begins with.
#include <string>
#include <string_view>

namespace lukana {

inline constexpr const char* kKenAllFileName = "KenAll.csv";

// Reads KenAll.csv from programDir into kenAllRows; false when there is none to read. A table
// that cannot be read leaves no rows, so nothing from an earlier reading can match.
bool loadPostalTable();

// Empties the rows in memory (the table is large and only the department register uses it).
void emptyPostalTable();

// The ASCII digits of a text, in order; everything else (hyphens, blanks, full-width digits)
// is dropped.
std::string postalDigits(std::string_view typed);

// Position of the first row whose code makes the same number as the digits of `typed`
// (no digits count as 0; leading zeros play no part), or -1.
int findPostalRow(std::string_view typed);

} // namespace lukana
