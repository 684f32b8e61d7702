#include "slip_rules.h"

#include <algorithm>
#include <cmath>

namespace lukana {
namespace {

constexpr int kMen = 0, kWomen = 1, kBoys = 2, kGirls = 3;

// Far beyond any real time, yet small enough to convert to int without overflow.
constexpr double kTimeLimit = 1e6;

std::optional<int> wholeTime(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    return static_cast<int>(std::nearbyint(std::clamp(value, -kTimeLimit, kTimeLimit)));
}

bool detailPasses(double count, int wanted, int mode) {
    switch (mode) {
    case kExactly:
        return count == wanted;
    case kAtLeast:
        return count >= wanted;
    case kLessThan:
        return count < wanted;
    default:
        return false;
    }
}

} // namespace

std::optional<std::int64_t> slipPersons(const std::array<double, kSlipValueCount>& values) {
    const double sum = values[kMen] + values[kWomen] + values[kBoys] + values[kGirls];
    if (!std::isfinite(sum) || std::fabs(sum) > 1e15)
        return std::nullopt;
    return static_cast<std::int64_t>(std::nearbyint(sum));
}

std::uint32_t countedHours(double arrivalHour, double arrivalMinute, double departureHour,
                           double departureMinute) {
    // Only the hours are rounded; the minutes are tested as stored.
    const auto ah = wholeTime(arrivalHour);
    auto dh = wholeTime(departureHour);
    if (!ah || !dh || !std::isfinite(arrivalMinute) || !std::isfinite(departureMinute))
        return 0;
    if (*dh < *ah)
        *dh += 24;
    std::uint32_t hours = 0;
    for (int h = std::max(*ah, 0); h <= std::min(*dh, kHourKeys - 1); ++h) {
        bool counts = true;
        if (h == *ah)
            counts = arrivalMinute < 55;
        else if (h == *dh)
            counts = departureMinute > 5;
        if (counts)
            hours |= std::uint32_t{1} << h;
    }
    return hours;
}

bool passesCustomerType(const std::array<double, kSlipValueCount>& v, const Filters& filters) {
    const double men = v[kMen], women = v[kWomen], boys = v[kBoys], girls = v[kGirls];
    switch (filters.customerType) {
    case kWithMen:
        return men != 0;
    case kWithWomen:
        return women != 0;
    case kWithBoys:
        return boys != 0;
    case kWithGirls:
        return girls != 0;
    case kCouple:
        return men == 1 && women == 1;
    case kMixedGroup:
        return men != 0 && women != 0 && men + women >= 3;
    case kMenGroup:
        return men >= 2 && women <= 0;
    case kWomenGroup:
        return women >= 2 && men <= 0;
    case kDetailed:
        for (int kind = 0; kind < 4; ++kind)
            if (!detailPasses(v[kind], filters.detailCounts[kind], filters.detailModes[kind]))
                return false;
        return true;
    default:
        return true;
    }
}

bool passesArrivalSlot(double arrivalHour, double arrivalMinute, int slot) {
    if (slot <= 0)
        return true;
    const auto h = wholeTime(arrivalHour), m = wholeTime(arrivalMinute);
    if (!h || !m)
        return false;
    const long long minutes = 60LL * *h + *m;
    return minutes >= 120LL * (slot - 1) && minutes <= 120LL * slot;
}

} // namespace lukana
