#pragma once
// The texts of the two CSV files of an analysis: the ranking table and the line series, each
// under its header lines. Every line ends with CR LF; the writer ends the file with one more.
#include "analysis.h"

#include <string>

namespace lukana {

std::string rankingTableCsv(const Analysis& analysis);
// One line per point of the series as it stands (none after a recalculation).
std::string lineSeriesCsv(const Analysis& analysis);

} // namespace lukana
