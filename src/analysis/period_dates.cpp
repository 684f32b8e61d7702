#include "period_dates.h"

#include "storage/routines.h"

#include <algorithm>

namespace lukana::analysis {

SpunDate carrySpunDate(DateField field, int y, int m, int d) {
    bool wrapped = false;
    if (field == DateField::Day) {
        if (d == 32) {
            d = 1;
            if (m < 13)
                ++m;
            if (m == 13) {
                m = 1;
                ++y;
            }
        } else if (d == 0) {
            wrapped = true;
            d = 31;
            if (m > 0)
                --m;
            if (m == 0) {
                m = 12;
                --y;
            }
        }
    } else if (field == DateField::Month) {
        if (m == 13) {
            m = 1;
            if (y < kLastPeriodYear)
                ++y;
        } else if (m == 0) {
            m = 12;
            if (y > kFirstPeriodYear)
                --y;
        }
    }
    // The period years hold every date: a roll-over past them stays at their edge.
    if (y < kFirstPeriodYear)
        y = kFirstPeriodYear, m = 1, d = 1;
    if (y > kLastPeriodYear)
        y = kLastPeriodYear, m = 12, d = 31;
    m = std::clamp(m, 1, 12);
    d = std::max(d, 1);
    if (!isValidDate(y, m, d)) {
        if (field == DateField::Day && !wrapped) {
            d = 1;
            if (m < 12) {
                ++m;
            } else if (y < kLastPeriodYear) {
                m = 1;
                ++y;
            } else {
                d = 31;
            }
        } else {
            d = Nissuu(y, m);
        }
    }
    return {y, m, d};
}

std::optional<Period> presetPeriod(PeriodPreset preset, int y, int m, int d) {
    switch (preset) {
    case PeriodPreset::ThisMonth:
        return Period{y, m, 1, y, m, d};
    case PeriodPreset::ThisYear:
        return Period{y, 1, 1, y, m, d};
    case PeriodPreset::LastMonth: {
        int ly = y, lm = m - 1;
        if (lm == 0) {
            lm = 12;
            --ly;
        }
        ly = std::max(ly, kFirstPeriodYear);
        return Period{ly, lm, 1, ly, lm, Nissuu(ly, lm)};
    }
    case PeriodPreset::Free:
        break;
    }
    return std::nullopt;
}

} // namespace lukana::analysis
