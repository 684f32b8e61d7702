#include "slip_totals.h"

#include <algorithm>
#include <cmath>

namespace lukana {

SlipTotals slipTotals(const NippouDay& day) {
    SlipTotals t;
    t.groups = std::clamp(day.slipCount, 0, kSlipCapacity);
    for (int s = 0; s < t.groups; ++s) {
        const auto& v = day.slipValues[s];
        t.persons += v[0] + v[1] + v[2] + v[3];
        const double kind = std::nearbyint(v[9]);
        if (kind == 2)
            t.card += v[8];
        else if (kind == 3)
            t.credit += v[8];
        else
            t.cash += v[8];
    }
    return t;
}

} // namespace lukana
