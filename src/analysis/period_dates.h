#pragma once
// The dates of the period frame: the presets, and where a date goes when one of its spinners
// moves.
#include "analysis_types.h"

#include <optional>

namespace lukana::analysis {

// The period years; the boxes and spinners take no others, so every walk to a real date ends.
inline constexpr int kFirstPeriodYear = 1, kLastPeriodYear = 9999;

enum class DateField { Year, Month, Day };

struct SpunDate {
    int year = 0, month = 0, day = 0;
    bool operator==(const SpunDate&) const = default;
};

// The date left when the spinner of `field` has moved the date to (year, month, day): a day
// of 32 or 0 and a month of 13 or 0 roll over into the next or previous month or year; then a
// day past the month's end goes back to its last day, except that a day moved up (or typed)
// past a short month's end goes to the first of the next month.
SpunDate carrySpunDate(DateField field, int year, int month, int day);

// The buttons "今月", "今年", "自由", "先月" in the order of their indexes.
enum class PeriodPreset { ThisMonth = 0, ThisYear = 1, Free = 2, LastMonth = 3 };

// The period a preset writes for today; none for "自由".
std::optional<Period> presetPeriod(PeriodPreset preset, int year, int month, int day);

} // namespace lukana::analysis
