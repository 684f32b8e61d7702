#pragma once
// The line chart of one key over its day, week or month rows, on the window's two line
// surfaces: the figure alone, and the figure with the key title, the row labels and the values.
#include "core/analysis.h"

#include <QString>

namespace lukana::platform {
class Surface;
}

namespace lukana {

// The value scale of a series: its own point count, the top of the scale (the largest value,
// at least 0) and the bottom (always 0). The line printout and the series file read it, never
// the ranking chart's.
struct LineScale {
    int count = 0;
    double max = 0;
    double min = 0;
    bool operator==(const LineScale&) const = default;
};
LineScale lineScale(const Series& series);

struct LineChart {
    LineScale scale;
    int scrollMaximum = 0; // steps of 100 twips the texts surface reaches past its viewport
};

// The visible width of the line surfaces, in twips.
inline constexpr int kLineViewportTwips = 11835;

// Clears and redraws both surfaces, each as wide as the series needs; their height stays.
LineChart drawLineChart(platform::Surface& figure, platform::Surface& texts, const Series& series,
                        const QString& keyTitle);

} // namespace lukana
