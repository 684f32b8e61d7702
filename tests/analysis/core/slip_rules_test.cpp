#include "analysis/core/slip_rules.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace lukana;

namespace {

std::vector<int> hoursOf(std::uint32_t bits) {
    std::vector<int> hours;
    for (int h = 0; h < 32; ++h)
        if (bits & (std::uint32_t{1} << h))
            hours.push_back(h);
    return hours;
}

std::array<double, kSlipValueCount> party(double men, double women, double boys = 0,
                                          double girls = 0, double arrivalHour = 19,
                                          double arrivalMinute = 0) {
    return {men, women, boys, girls, arrivalHour, arrivalMinute, 21, 0};
}

} // namespace

TEST(CountedHours, ByArrivalAndDeparture) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double ah, am, dh, dm;
        std::vector<int> hours;
    } cases[] = {
        {18, 50, 21, 10, {18, 19, 20, 21}},
        {18, 55, 21, 10, {19, 20, 21}},    // arrival at :55 drops the arrival hour
        {18, 50, 21, 5, {18, 19, 20}},     // departure at :05 drops the departure hour
        {20, 56, 20, 59, {}},              // same hour: only the arrival test
        {20, 10, 20, 2, {20}},             // same hour before :55 counts whatever the departure
        {0, 0, 0, 0, {0}},                 // all zero: hour 0
        {22, 0, 1, 0, {22, 23, 24}},       // over midnight: departure on the next day
        {23, 30, 2, 30, {23, 24, 25, 26}}, //
        {18, 0, 40, 30, {18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}}, // clipped, no test
        {-2, 58, 1, 0, {0}}, // clipped below: hour 0 is between, no minute test
        // The hours rounded, halves to even, the minutes as stored: 18:54.6 to 20:05.5.
        {18.4, 54.6, 19.5, 5.5, {18, 19, 20}},
        {18.4, 55.4, 20.6, 5.4, {19, 20, 21}}, // 18:55.4 to 21:05.4
        {20, 54.9, 20, 58, {20}},              // same hour: 54.9 is still below 55
        {nan, 0, 21, 0, {}},
        {18, 0, inf, 0, {}},
        {18, 0, 21, nan, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hoursOf(countedHours(c.ah, c.am, c.dh, c.dm)), c.hours)
            << c.ah << ":" << c.am << " - " << c.dh << ":" << c.dm;
}

TEST(SlipPersons, RoundedOnceHalvesToEven) {
    EXPECT_EQ(slipPersons(party(2, 1)), 3);
    EXPECT_EQ(slipPersons(party(0.5, 0, 0, 0)), 0);
    EXPECT_EQ(slipPersons(party(1.5, 0, 0, 0)), 2);
    EXPECT_EQ(slipPersons(party(0.25, 0.25, 0.25, 0.25)), 1); // summed first, then rounded
    EXPECT_FALSE(slipPersons(party(std::numeric_limits<double>::quiet_NaN(), 0)));
    EXPECT_FALSE(slipPersons(party(1e300, 0)));
}

TEST(CustomerType, EachCodeOnThePartysCounts) {
    struct Case {
        int type;
        std::array<double, 4> counts;
        bool passes;
    } cases[] = {
        {kAllCustomers, {0, 0, 0, 0}, true}, {kWithMen, {1, 0, 0, 0}, true},
        {kWithMen, {0, 2, 0, 0}, false},     {kWithWomen, {0, 1, 0, 0}, true},
        {kWithBoys, {0, 0, 1, 0}, true},     {kWithGirls, {1, 1, 1, 0}, false},
        {kCouple, {1, 1, 2, 0}, true}, // children not considered
        {kCouple, {2, 1, 0, 0}, false},      {kMixedGroup, {1, 1, 0, 0}, false},
        {kMixedGroup, {2, 1, 0, 0}, true},   {kMenGroup, {2, 0, 3, 0}, true},
        {kMenGroup, {2, 1, 0, 0}, false},    {kWomenGroup, {0, 2, 0, 1}, true},
        {kWomenGroup, {1, 3, 0, 0}, false},
    };
    for (const Case& c : cases) {
        Filters f;
        f.customerType = c.type;
        EXPECT_EQ(passesCustomerType(party(c.counts[0], c.counts[1], c.counts[2], c.counts[3]), f),
                  c.passes)
            << "type " << c.type;
    }
}

TEST(CustomerType, DetailedCondition) {
    Filters f;
    f.customerType = kDetailed; // all counts 0, all modes exactly: only slips without persons
    EXPECT_TRUE(passesCustomerType(party(0, 0), f));
    EXPECT_FALSE(passesCustomerType(party(1, 0), f));
    f.detailCounts = {2, 0, 1, 0};
    f.detailModes = {kAtLeast, kExactly, kLessThan, kAtLeast};
    EXPECT_TRUE(passesCustomerType(party(3, 0, 0, 0), f));
    EXPECT_FALSE(passesCustomerType(party(1, 0, 0, 0), f));
    EXPECT_FALSE(passesCustomerType(party(3, 0, 1, 0), f));
    EXPECT_FALSE(passesCustomerType(party(3, 1, 0, 0), f));
}

TEST(ArrivalSlot, BothEndsIncludedPastMidnightLinear) {
    struct Case {
        double hour, minute;
        std::vector<int> slots;
    } cases[] = {
        {19, 40, {10}},
        {20, 0, {10, 11}},
        {25, 30, {13}},
        {0, 0, {1}},
        {26, 0, {13}},
        {26, 1, {}},
        {std::numeric_limits<double>::quiet_NaN(), 0, {}},
    };
    for (const Case& c : cases) {
        std::vector<int> slots;
        for (int s = 1; s <= 13; ++s)
            if (passesArrivalSlot(c.hour, c.minute, s))
                slots.push_back(s);
        EXPECT_EQ(slots, c.slots) << c.hour << ":" << c.minute;
        EXPECT_TRUE(passesArrivalSlot(c.hour, c.minute, 0));
    }
}
