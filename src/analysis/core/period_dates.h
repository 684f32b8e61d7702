#pragma once
// The periods the presets of the period frame write.
#include "analysis_types.h"

#include <optional>

namespace lukana {

// The buttons "今月", "今年", "自由", "先月" in the order of their indexes.
enum class PeriodPreset { ThisMonth = 0, ThisYear = 1, Free = 2, LastMonth = 3 };

// The period a preset writes for today; none for "自由".
std::optional<AnalysisPeriod> presetPeriod(PeriodPreset preset, int year, int month, int day);

} // namespace lukana
