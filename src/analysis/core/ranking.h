#pragma once
// The ranking rule: descending value, and among equal values the later entry first; equal
// values share a rank (1, 2, 2, 4).
#include <cstdint>
#include <span>
#include <vector>

namespace lukana {

struct RankedEntry {
    int entry = 0; // position in the ranked values
    int rank = 0;
    std::int64_t value = 0;
};

// The entries of `values`, best first.
std::vector<RankedEntry> rankEntries(std::span<const std::int64_t> values);

} // namespace lukana
