#pragma once
// The scale the ranking chart was last drawn with, which its printout reads. The line chart
// keeps a scale of its own.

namespace lukana {

struct RankingScale {
    int count = 0;  // bars, or sectors considered
    double max = 0; // the top of the value scale
    double min = 0; // the bottom, always 0
    bool operator==(const RankingScale&) const = default;
};

} // namespace lukana
