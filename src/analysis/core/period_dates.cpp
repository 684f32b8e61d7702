#include "period_dates.h"

#include "storage/date_carry.h"
#include "storage/routines.h"

#include <algorithm>

namespace lukana {

std::optional<AnalysisPeriod> presetPeriod(PeriodPreset preset, int y, int m, int d) {
    switch (preset) {
    case PeriodPreset::ThisMonth:
        return AnalysisPeriod{y, m, 1, y, m, d};
    case PeriodPreset::ThisYear:
        return AnalysisPeriod{y, 1, 1, y, m, d};
    case PeriodPreset::LastMonth: {
        const YearMonth last = monthBefore(y, m);
        const int ly = std::max(last.year, kMinYear), lm = last.month;
        return AnalysisPeriod{ly, lm, 1, ly, lm, Nissuu(ly, lm)};
    }
    case PeriodPreset::Free:
        break;
    }
    return std::nullopt;
}

} // namespace lukana
