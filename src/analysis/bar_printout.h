#pragma once
// The ranking as a horizontal bar chart on portrait pages: 33 bars a page under the report
// header, each page framed with its scale figures above and below.
#include "core/analysis.h"
#include "printout_support.h"

#include <vector>

namespace lukana {

// Nothing for an empty ranking; otherwise asks for the printer and prints. Cancel ends
// silently; any failure shows "プリンターが接続されていません。" and abandons the job.
void printBarChart(const ReportHeader& header, const std::vector<RankingRow>& rows);

} // namespace lukana
