#pragma once
// The cash book's month-end balances of one department and month ("<year><month>v.dat"): a
// count, then kind, id and balance per party. The file is read into and written from the
// shared table zanCount, zanKinds, zanIds, zanBalances (state.h).
#include "damaged_file.h"
#include "status.h"

#include <optional>
#include <string>

namespace lukana {

// Strict: the count must lie within 0..kZanCapacity and every value must be a number, else
// the read fails (the entries read so far stay in the table; loadZanMonth empties it).
// Lines after the last declared entry are not read.
Status readBalances(const std::string& path);
// Replaces the file at path with the table; refuses a count outside 0..kZanCapacity.
Status writeBalances(const std::string& path);
// The same on the file at filePath.
Status vModosi();
Status vHozon();

// "20043v.dat" in the department's folder; the older form " 2004 3v.dat" is only read.
// Empty when the department name cannot be a folder.
std::string zanPath(const std::string& busyoName, int year, int month, bool olderForm = false);

// What a month's load found.
struct ZanLoad {
    enum class Source { Current, Older, None } source = Source::None;
    // A current file that exists but could not be read, moved aside where it could be; one
    // that stays in place must not be written over.
    std::optional<DamagedFile> damaged;
};
// The current name, then the older name, else an empty table. A current file that exists
// but cannot be read is moved aside first. openFailed is 0 afterwards; filePath is left at
// the current name.
ZanLoad loadZanMonth(const std::string& busyoName, int year, int month);

// The balance of the first entry of that party, if any.
std::optional<double> findZanBalance(int kind, int id);
// Sets the first entry of that party, else appends one; false (table unchanged) when the
// table is full.
bool setZanBalance(int kind, int id, double balance);

} // namespace lukana
