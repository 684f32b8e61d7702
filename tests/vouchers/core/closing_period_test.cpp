#include "vouchers/core/closing_period.h"

#include <gtest/gtest.h>

using lukana::closingPeriod;

namespace {

struct PeriodCase {
    int closingDay, shownDay, previousDays;
    int prevFirst, prevLast; // an empty range as 1, 0
    int shownFirst, shownLast;
    bool inPrevious;
};

TEST(ClosingPeriod, StoredDaysBeforeTheShownDay) {
    const PeriodCase cases[] = {
        {20, 25, 30, 1, 0, 21, 24, false}, // days 21..24, then the shown day
        {20, 20, 30, 21, 30, 1, 19, true}, // the month before from the 21st
        {20, 21, 30, 1, 0, 21, 20, false}, // the shown day alone
        {31, 10, 30, 1, 0, 1, 9, false},   {0, 10, 30, 1, 0, 1, 9, false},
        {31, 1, 30, 1, 0, 1, 0, false},   // day 1 of a calendar month: shown day alone
        {45, 10, 30, 1, 0, 1, 9, false},  // past the month's end counts as its end
        {30, 10, 28, 31, 28, 1, 9, true}, // a 28-day month before has no day 31
        {20, 31, 30, 1, 0, 21, 30, false}, {1, 1, 31, 2, 31, 1, 0, true},
        {-3, 10, 30, 1, 0, 1, 9, false}, // no such closing day: from the 1st
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "C " << c.closingDay << " d " << c.shownDay);
        const auto p = closingPeriod(c.closingDay, c.shownDay, c.previousDays);
        EXPECT_EQ(p.startsInPreviousMonth, c.inPrevious);
        if (c.prevFirst > c.prevLast) {
            EXPECT_TRUE(p.previousMonth.empty());
        } else {
            EXPECT_EQ(p.previousMonth.first, c.prevFirst);
            EXPECT_EQ(p.previousMonth.last, c.prevLast);
        }
        if (c.shownFirst > c.shownLast) {
            EXPECT_TRUE(p.shownMonth.empty());
        } else {
            EXPECT_EQ(p.shownMonth.first, c.shownFirst);
            EXPECT_EQ(p.shownMonth.last, c.shownLast);
        }
    }
}

} // namespace
