#pragma once
// The line series of one key on landscape pages: 41 points a page as a light red line over
// light blue axes, each point's label written downward under it, the report header on every
// page.
#include "core/analysis.h"
#include "printout_support.h"

namespace lukana {

// Nothing for an empty series; otherwise asks for the printer and prints on the series' own
// scale (its largest value at the top, 0 at the bottom). Cancel ends silently; any failure
// shows "プリンターが接続されていません。" and abandons the job.
void printLineChart(const ReportHeader& header, const Series& series);

} // namespace lukana
