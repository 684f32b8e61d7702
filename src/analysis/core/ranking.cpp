#include "ranking.h"

#include <algorithm>
#include <numeric>

namespace lukana {

std::vector<RankedEntry> rankEntries(std::span<const std::int64_t> values) {
    std::vector<int> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    // The same order as inserting each entry in turn before the first one not above it.
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return values[a] != values[b] ? values[a] > values[b] : a > b; });
    std::vector<RankedEntry> ranked;
    ranked.reserve(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) {
        const std::int64_t value = values[order[p]];
        const bool tie = p > 0 && value == ranked.back().value;
        ranked.push_back({order[p], tie ? ranked.back().rank : static_cast<int>(p) + 1, value});
    }
    return ranked;
}

} // namespace lukana
