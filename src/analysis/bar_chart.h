#pragma once
// The ranking as a horizontal bar chart, one bar a ranked key, the best at the top: on the
// figure surface the frame and the bars alone, on the texts surface the same chart with the
// headline, the key labels, the values and the scale.
#include "core/analysis.h"
#include "ranking_scale.h"

#include <optional>

namespace lukana::platform {
class Surface;
}

namespace lukana {

// The scroll bar reaches the bottom of the texts surface from a viewport this high.
inline constexpr int kRankingViewportTwips = 5080;

// Steps of 100 twips that a picture `heightTwips` high reaches past the ranking viewport.
int rankingScrollMaximum(int heightTwips);

// Clears both surfaces and draws the chart. An empty ranking leaves them blank, the scale as it
// was and gives no scroll maximum; otherwise the scale is set and the scroll maximum returned.
std::optional<int> drawBarChart(platform::Surface& figure, platform::Surface& texts,
                                const Analysis& analysis, RankingScale& scale);

} // namespace lukana
