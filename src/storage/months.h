#pragma once
// The month files of a department: daily reports ("<year><month>.dat") and vouchers
// ("<year><month>u.dat").
#include "damaged_file.h"
#include "state.h"
#include "status.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace lukana {

// The readers take their path from filePath. They clear first, then read; tolerant after the
// first section (items 1 and 2 of the daily reports, pass 1 of the vouchers): a failure there
// is returned, a later one ends the read quietly with the passes not read left cleared. A
// count above its list's capacity is such a failure.
// The writers replace the file at filePath at once. They fail, leaving the file untouched,
// when a value could not be read back: a note outside code page 932, an Integer field outside
// 16 bits, a count outside its capacity.
Status nippouModosi();
Status nippouHozon();
Status denpyouModosi();
Status denpyouHozon();

// What a month load found. A plain-named file that exists but could not be read is told
// apart from a missing one, so that a caller can move it aside before saving over it.
enum class MonthFound { PlainName, OlderName, Nothing };
struct MonthLoadReport {
    MonthFound found = MonthFound::Nothing;
    bool plainUnreadable = false;
    std::string plainPath;
    std::string plainFailure; // why the plain-named file could not be read
};
// Moves the plain-named file a load could not read aside.
std::optional<DamagedFile> moveAsideUnreadable(const MonthLoadReport& report);
// The same for each load in turn; the damaged files met, in that order.
std::vector<DamagedFile> moveAsideUnreadable(std::initializer_list<MonthLoadReport> reports);

// Plain name, then the older name, else an empty month. Never fails. filePath is left at the
// last path tried; openFailed carries the first failure to the retry and is 0 afterwards.
MonthLoadReport loadNippouMonth(const std::string& busyoName, int year, int month);
MonthLoadReport loadDenpyouMonth(const std::string& busyoName, int year, int month);

// The same, into a month of the caller's own (the shared month and filePath are left as they
// were).
MonthLoadReport loadNippouMonthInto(const std::string& busyoName, int year, int month,
                                    NippouMonth& target, double& targetKoteihi);
MonthLoadReport loadDenpyouMonthInto(const std::string& busyoName, int year, int month,
                                     DenpyouMonth& target);

std::string nippouPath(const std::string& busyoName, int year, int month, bool olderForm = false);
std::string denpyouPath(const std::string& busyoName, int year, int month, bool olderForm = false);

// The readers and writers on storage other than the shared month (the procedures above call
// them with it); an empty path fails.
Status readNippouMonth(const std::string& path, NippouMonth& month, double& fixedCosts);
Status writeNippouMonth(const std::string& path, const NippouMonth& month, double fixedCosts);
Status readDenpyouMonth(const std::string& path, DenpyouMonth& month);
Status writeDenpyouMonth(const std::string& path, const DenpyouMonth& month);

} // namespace lukana
