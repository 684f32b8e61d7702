#pragma once
// The ten best keys as a pie on a portrait page, under the report header, with a legend of
// three entries a row; only the legend runs onto further pages.
#include "core/analysis.h"
#include "printout_support.h"

#include <vector>

namespace lukana {

// Nothing for an empty ranking; otherwise asks for the printer and prints. Cancel ends
// silently; any failure shows "プリンターが接続されていません" and abandons the job.
void printPieChart(const ReportHeader& header, const std::vector<RankingRow>& rows);

} // namespace lukana
