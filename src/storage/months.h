#pragma once
// The month files of a department: daily reports ("<year><month>.dat") and vouchers
// ("<year><month>u.dat").
#include "state.h"
#include "status.h"

#include <string>

namespace lukana {

// Clears koteihi and nippouMonth, then reads; tolerant after the first section.
Status nippouModosi();
Status nippouHozon();
// Clears denpyouMonth, then reads; tolerant after pass 1.
Status denpyouModosi();
Status denpyouHozon();

// Plain name, then the older name, else an empty month. Never fails.
void loadNippouMonth(const std::string& busyoName, int year, int month);
void loadDenpyouMonth(const std::string& busyoName, int year, int month);

// The same, into a month of the caller's own (the shared month is left as it was).
void loadNippouMonthInto(const std::string& busyoName, int year, int month, NippouMonth& target,
                         double& targetKoteihi);

std::string nippouPath(const std::string& busyoName, int year, int month, bool olderForm = false);
std::string denpyouPath(const std::string& busyoName, int year, int month, bool olderForm = false);

// Helpers for readers and writers that work on storage other than the shared month.
Status readNippouMonth(const std::string& path, NippouMonth& month, double& fixedCosts);
Status writeNippouMonth(const std::string& path, const NippouMonth& month, double fixedCosts);
Status readDenpyouMonth(const std::string& path, DenpyouMonth& month);
Status writeDenpyouMonth(const std::string& path, const DenpyouMonth& month);

} // namespace lukana
