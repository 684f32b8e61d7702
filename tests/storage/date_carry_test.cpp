#include "storage/date_carry.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace lukana;

TEST(DateCarry, SpinnersRollOverAndStayOnCalendarDates) {
    struct Case {
        const char* what;
        SpinDate (*spin)(SpinDate);
        SpinDate from, to;
    };
    auto day = [](SpinDate d) { return afterDaySpin(d); };
    auto dayOfYearEnd = [](SpinDate d) { return afterDaySpin(d, false); };
    auto month = [](SpinDate d) { return afterMonthSpin(d); };
    auto monthOfYearEnd = [](SpinDate d) { return afterMonthSpin(d, false); };
    auto year = [](SpinDate d) { return afterYearSpin(d); };
    const Case cases[] = {
        {"day below 1 in a leap March", day, {2004, 3, 0}, {2004, 2, 29}},
        {"day below 1 in a common March", day, {2003, 3, 0}, {2003, 2, 28}},
        {"day past the end of the year", day, {2004, 12, 32}, {2005, 1, 1}},
        {"day below 1 in January", day, {2004, 1, 0}, {2003, 12, 31}},
        {"31 April", day, {2004, 4, 31}, {2004, 5, 1}},
        {"30 February", day, {2004, 2, 30}, {2004, 3, 1}},
        {"a valid day stays", day, {2004, 4, 30}, {2004, 4, 30}},
        {"no step past 31 December 9999", day, {9999, 12, 32}, {9999, 12, 31}},
        {"no step before 1 January 1", day, {1, 1, 0}, {1, 1, 1}},
        {"within 9999 the day still rolls", day, {9999, 11, 31}, {9999, 12, 1}},
        {"month past December", month, {2004, 13, 31}, {2005, 1, 31}},
        {"month below January", month, {2004, 0, 15}, {2003, 12, 15}},
        {"month into a shorter one", month, {2004, 2, 31}, {2004, 2, 29}},
        {"31 March to April", month, {2004, 4, 31}, {2004, 4, 30}},
        {"no month past December 9999", month, {9999, 13, 31}, {9999, 12, 31}},
        {"no month before January 1", month, {1, 0, 31}, {1, 1, 31}},
        {"29 February of a common year", year, {2005, 2, 29}, {2005, 2, 28}},
        {"29 February of a leap year", year, {2008, 2, 29}, {2008, 2, 29}},
        {"year below the range", year, {0, 5, 5}, {1, 5, 5}},
        {"year above the range", year, {20000, 5, 5}, {9999, 5, 5}},
        {"year end: up from 2/28", dayOfYearEnd, {1999, 2, 29}, {1999, 3, 1}},
        {"year end: down from 3/1", dayOfYearEnd, {1999, 3, 0}, {1999, 2, 28}},
        {"year end: up from 12/31", dayOfYearEnd, {1999, 12, 32}, {1999, 1, 1}},
        {"year end: down from 1/1", dayOfYearEnd, {1999, 1, 0}, {1999, 12, 31}},
        {"year end: 3/31 to April", monthOfYearEnd, {1999, 4, 31}, {1999, 4, 30}},
        {"year end: month wraps alone", monthOfYearEnd, {1999, 13, 5}, {1999, 1, 5}},
        {"year end: month wraps back", monthOfYearEnd, {1999, 0, 31}, {1999, 12, 31}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.spin(c.from), c.to) << c.what;
}

TEST(DateCarry, TypedNumbersForTheSpinners) {
    struct DayCase {
        double typed;
        int spinner;
        const char* corrected;
    } days[] = {{15, 15, nullptr}, {0, 0, nullptr},   {-3, 0, "0"},
                {45, 31, "31"},    {31, 31, nullptr}, {2.5, 2, nullptr},
                {3.5, 4, nullptr}, {31.4, 31, "31"},  {-0.4, 0, "0"}};
    for (const DayCase& c : days) {
        TypedDay t = typedDay(c.typed);
        EXPECT_EQ(t.spinnerValue, c.spinner) << c.typed;
        if (c.corrected)
            EXPECT_STREQ(t.correctedText, c.corrected) << c.typed;
        else
            EXPECT_EQ(t.correctedText, nullptr) << c.typed;
    }

    struct Case {
        double typed;
        std::optional<int> spinner;
    };
    const Case months[] = {{1, 1},     {12, 12},  {0, {}},  {13, {}}, {12.4, {}},
                           {11.6, 12}, {0.6, {}}, {6.5, 6}, {-1, {}}};
    for (const Case& c : months)
        EXPECT_EQ(typedMonth(c.typed), c.spinner) << c.typed;
    const Case years[] = {{2003, 2003}, {1, 1},       {9999, 9999}, {0, {}},
                          {10000, {}},  {9999.5, {}}, {0.7, {}},    {2003.5, 2004}};
    for (const Case& c : years)
        EXPECT_EQ(typedYear(c.typed), c.spinner) << c.typed;
}
