#pragma once
// Which guest slips a calculation counts, and where: the filters on a slip, the persons it
// brings and the hours it is present.
#include "analysis_types.h"

#include <cstdint>
#include <optional>

namespace lukana {

// The persons of a slip (men + women + boys + girls), rounded once, halves to even; none when
// the sum is not a finite number of a sane size.
std::optional<std::int64_t> slipPersons(const std::array<double, kSlipValueCount>& values);

// The hours 0..30 in which a slip counts, bit h for hour h. A departure hour below the arrival
// hour is on the next day. The hours are rounded, halves to even; the arrival hour counts only
// before minute 55, the departure hour only after minute 5, the minutes taken as stored. Hours
// outside 0..30 are clipped without a minute test, and a time that is not a finite number
// counts nowhere.
std::uint32_t countedHours(double arrivalHour, double arrivalMinute, double departureHour,
                           double departureMinute);

// The customer-type filter on the counts of a slip's party.
bool passesCustomerType(const std::array<double, kSlipValueCount>& values, const Filters& filters);

// The arrival-slot filter: slot s holds arrivals from 2(s-1) to 2s o'clock, both ends included.
bool passesArrivalSlot(double arrivalHour, double arrivalMinute, int slot);

} // namespace lukana
