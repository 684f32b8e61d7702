#include "analysis/core/period_dates.h"
#include "storage/date_carry.h"

#include <gtest/gtest.h>

using namespace lukana;

// The shared carry rules, on the cases the period frame relies on.
TEST(PeriodDates, SpinnersCarryToARealDate) {
    using lukana::SpinDate;
    enum class DateField { Year, Month, Day };
    struct Case {
        DateField field;
        SpinDate moved, expected;
    } cases[] = {
        {DateField::Day, {2003, 1, 32}, {2003, 2, 1}},    // up from 31 January
        {DateField::Day, {2003, 12, 32}, {2004, 1, 1}},   // up from 31 December
        {DateField::Day, {2003, 4, 31}, {2003, 5, 1}},    // up from 30 April
        {DateField::Day, {2003, 2, 29}, {2003, 3, 1}},    // up from 28 February 2003
        {DateField::Day, {2003, 3, 0}, {2003, 2, 28}},    // down from 1 March 2003
        {DateField::Day, {2004, 3, 0}, {2004, 2, 29}},    // down from 1 March 2004
        {DateField::Day, {2004, 1, 0}, {2003, 12, 31}},   // down from 1 January 2004
        {DateField::Month, {2003, 2, 31}, {2003, 2, 28}}, // up from 31 January 2003
        {DateField::Month, {2003, 13, 15}, {2004, 1, 15}},
        {DateField::Month, {2003, 0, 15}, {2002, 12, 15}},
        {DateField::Year, {2005, 2, 29}, {2005, 2, 28}}, // up from 29 February 2004
        {DateField::Day, {2003, 12, 15}, {2003, 12, 15}},
        {DateField::Day, {1, 1, 0}, {1, 1, 1}},           // the first period day stays
        {DateField::Day, {9999, 12, 32}, {9999, 12, 31}}, // and the last
        {DateField::Month, {9999, 13, 5}, {9999, 12, 5}}, // a step past the last year: no move
        {DateField::Month, {1, 0, 5}, {1, 1, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.field == DateField::Day     ? lukana::afterDaySpin(c.moved)
                  : c.field == DateField::Month ? lukana::afterMonthSpin(c.moved)
                                                : lukana::afterYearSpin(c.moved),
                  c.expected)
            << c.moved.year << "/" << c.moved.month << "/" << c.moved.day;
}

TEST(PeriodDates, Presets) {
    EXPECT_EQ(presetPeriod(PeriodPreset::LastMonth, 2004, 1, 10),
              (AnalysisPeriod{2003, 12, 1, 2003, 12, 31}));
    EXPECT_EQ(presetPeriod(PeriodPreset::LastMonth, 2004, 3, 10),
              (AnalysisPeriod{2004, 2, 1, 2004, 2, 29}));
    EXPECT_EQ(presetPeriod(PeriodPreset::ThisYear, 2004, 5, 20), (AnalysisPeriod{2004, 1, 1, 2004, 5, 20}));
    EXPECT_EQ(presetPeriod(PeriodPreset::ThisMonth, 2004, 3, 1), (AnalysisPeriod{2004, 3, 1, 2004, 3, 1}));
    EXPECT_EQ(presetPeriod(PeriodPreset::ThisYear, 2004, 1, 1), (AnalysisPeriod{2004, 1, 1, 2004, 1, 1}));
    EXPECT_FALSE(presetPeriod(PeriodPreset::Free, 2004, 3, 1));
}
