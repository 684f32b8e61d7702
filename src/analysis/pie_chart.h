#pragma once
// How the ten best keys of the ranking share their total, as a pie: on the figure surface the
// sectors alone, on the texts surface with the headline and a legend, smallest value first.
#include "core/analysis.h"
#include "ranking_scale.h"

#include <optional>

namespace lukana::platform {
class Surface;
}

namespace lukana {

// "(上位10)" or "(上位10品)" when ten or more keys are ranked, else empty.
std::string topTenMark(AnalysisKind kind, int rankCount);

// π as the pie charts have always taken it: the last sector ends just short of a full circle.
inline constexpr double kChartPi = 3.1415;

// The palette colour of the sector after the one in `color`: 9 … 14, 0 … 5, 7 … 13; 6 jumps
// to 9, 14 wraps to 0.
int nextSectorColor(int color);

// Clears both surfaces and draws the pie. An empty ranking leaves them blank, the scale as it
// was and gives no scroll maximum; otherwise the count of the scale is set and the scroll
// maximum (0) returned.
std::optional<int> drawPieChart(platform::Surface& figure, platform::Surface& texts,
                                const Analysis& analysis, RankingScale& scale);

} // namespace lukana
