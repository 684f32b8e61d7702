#include "daily/core/guest_slips.h"

#include <gtest/gtest.h>

using namespace lukana;

namespace {
SlipValues times(double ah, double am, double dh, double dm) {
    SlipValues v{};
    v[kSlipArrivalHour] = ah;
    v[kSlipArrivalMinute] = am;
    v[kSlipDepartureHour] = dh;
    v[kSlipDepartureMinute] = dm;
    return v;
}

NippouDay dayOf(std::initializer_list<SlipValues> slips) {
    NippouDay day;
    for (const SlipValues& v : slips)
        day.slipValues[day.slipCount++] = v;
    return day;
}
} // namespace

TEST(GuestSlips, StayTimes) {
    struct Case {
        SlipValues v;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {times(18, 30, 21, 15), " 2: 45"},
        {times(22, 0, 25, 0), " 3: 0"},
        {times(23, 0, 0, 30), " 1: 30"}, // past midnight without typing 24
        {times(0, 0, 49, 0), " 49: 0"},  // hours never wrap
        {times(0, 0, 0, 0), " 0: 0"},
        {times(40000, 0, 1, 0), std::nullopt},
        {times(1, 0, 1, -40000), std::nullopt},
        {times(18, 29.5, 21, 15), " 2: 45"}, // halves to even
    };
    for (const Case& c : cases) {
        auto minutes = stayMinutes(c.v);
        ASSERT_EQ(minutes.has_value(), c.text.has_value());
        if (minutes) {
            EXPECT_EQ(stayText(*minutes), *c.text);
        }
    }
}

TEST(GuestSlips, DerivedCellsAndTotals) {
    SlipValues a = times(4, 0, 0, 0); // 20 hours
    a[kSlipMen] = 2;
    a[kSlipWomen] = 1;
    a[kSlipPaid] = 10000;
    a[kSlipKind] = 3;
    SlipValues b = times(18, 0, 23, 0); // 5 hours
    b[kSlipBoys] = 0.5;
    b[kSlipPaid] = 1500;
    NippouDay day = dayOf({a, b});

    EXPECT_EQ(slipCell(day, 0, 0), "1");
    EXPECT_EQ(slipCell(day, 0, 5), "3");
    EXPECT_EQ(slipCell(day, 0, 7), "3");
    EXPECT_EQ(slipCell(day, 0, 12), " 20: 0");
    EXPECT_EQ(slipCell(day, 0, 15), "@3,333.33");
    EXPECT_EQ(slipCell(day, 0, 16), "掛売");
    EXPECT_EQ(slipCell(day, 1, 3), ".5");
    EXPECT_EQ(slipCell(day, 1, 6), ".5");

    SlipValues nobody{};
    nobody[kSlipPaid] = 500;
    NippouDay empty = dayOf({nobody});
    EXPECT_EQ(slipCell(empty, 0, 15), std::nullopt); // the cell keeps its text

    const SlipColumnTotals t = slipColumnTotals(day);
    EXPECT_EQ(totalsCell(t, 1), "2");
    EXPECT_EQ(totalsCell(t, 7), "3.5");
    EXPECT_EQ(totalsCell(t, 12), " 25: 0");
    EXPECT_EQ(totalsCell(t, 14), "11500");
    EXPECT_EQ(totalsCell(t, 15), "@3,285.71");
    EXPECT_EQ(totalsCell(slipColumnTotals(NippouDay{}), 12), " 0: 0");
    EXPECT_EQ(totalsCell(slipColumnTotals(NippouDay{}), 15), std::nullopt);
}

TEST(GuestSlips, TheSpendPerPersonOfATwelveDigitAmountIsExact) {
    SlipValues two{};
    two[kSlipMen] = 2;
    two[kSlipPaid] = 999999999999;
    SlipValues one{};
    one[kSlipGirls] = 1;
    one[kSlipPaid] = -123456789012;
    const NippouDay day = dayOf({two, one});
    EXPECT_EQ(slipCell(day, 0, 15), "@499,999,999,999.5");
    EXPECT_EQ(slipCell(day, 1, 15), "-@123,456,789,012.");
    EXPECT_EQ(totalsCell(slipColumnTotals(day), 15), "@292,181,070,329."); // 876,543,210,987 / 3
}

TEST(GuestSlips, CountingClearsTheIndexAndStopsAt99) {
    NippouDay day;
    day.slipValues[0][kSlipKind] = 2; // left over under the uncounted index
    day.lineCount[0] = 1;
    day.lineMenu[0][0] = 7;
    ASSERT_TRUE(countEntrySlip(day));
    EXPECT_EQ(day.slipCount, 1);
    EXPECT_EQ(day.slipValues[0][kSlipKind], 0);
    EXPECT_EQ(day.lineCount[0], 0);
    EXPECT_EQ(day.lineMenu[0][0], 0);

    day.slipCount = kMaxSlips - 1;
    EXPECT_TRUE(hasEntrySlip(day));
    EXPECT_TRUE(countEntrySlip(day));
    EXPECT_FALSE(hasEntrySlip(day));
    EXPECT_FALSE(countEntrySlip(day));
    EXPECT_EQ(day.slipCount, kMaxSlips);
    day.slipCount = 101; // a day holding more than the window counts
    EXPECT_FALSE(hasEntrySlip(day));
}

TEST(GuestSlips, DeletingMovesLaterSlipsWithTheirLinesAndRefusesUncountedOnes) {
    NippouDay day;
    for (int s = 0; s < 3; ++s) {
        countEntrySlip(day);
        day.slipValues[s][kSlipMen] = s + 1;
        setQuantity(day, s, 100 + s, s + 1);
    }
    for (int bad : {-1, 3, 4})
        EXPECT_FALSE(deleteSlip(day, bad));
    EXPECT_EQ(day.slipCount, 3);

    ASSERT_TRUE(deleteSlip(day, 1));
    EXPECT_EQ(day.slipCount, 2);
    EXPECT_EQ(day.slipValues[1][kSlipMen], 3);
    EXPECT_EQ(quantityOf(day, 1, 102), 3);
    EXPECT_EQ(day.slipValues[2][kSlipMen], 0);
    EXPECT_EQ(day.lineCount[2], 0);

    NippouDay none;
    EXPECT_FALSE(deleteSlip(none, 0));
    EXPECT_EQ(none.slipCount, 0);
}

TEST(GuestSlips, QuantitiesAreWholeNumbersUpTo32767) {
    NippouDay day;
    countEntrySlip(day);
    struct Step {
        int menu;
        double value;
        QuantityEdit result;
        std::vector<std::pair<int, int>> lines; // menu, quantity after the step
    };
    const Step steps[] = {
        {1, 2, QuantityEdit::Stored, {{1, 2}}},
        {2, 3, QuantityEdit::Stored, {{1, 2}, {2, 3}}},
        {3, 1.5, QuantityEdit::Stored, {{1, 2}, {2, 3}, {3, 2}}},
        {1, 0.4, QuantityEdit::Removed, {{2, 3}, {3, 2}}}, // later lines move up
        {2, 32768, QuantityEdit::TooLarge, {{2, 3}, {3, 2}}},
        {2, 32767, QuantityEdit::Stored, {{2, 32767}, {3, 2}}},
        {4, 0, QuantityEdit::Unchanged, {{2, 32767}, {3, 2}}},
        {3, -1, QuantityEdit::Removed, {{2, 32767}}},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(setQuantity(day, 0, s.menu, s.value), s.result);
        std::vector<std::pair<int, int>> lines;
        for (int c = 0; c < day.lineCount[0]; ++c)
            lines.push_back({day.lineMenu[0][c], day.lineQty[0][c]});
        EXPECT_EQ(lines, s.lines);
    }
    for (int m = 100; day.lineCount[0] < kSlipLineCapacity; ++m)
        ASSERT_EQ(setQuantity(day, 0, m, 1), QuantityEdit::Stored);
    EXPECT_EQ(setQuantity(day, 0, 999, 1), QuantityEdit::TooManyLines);
    EXPECT_EQ(day.lineCount[0], kSlipLineCapacity);
}

TEST(GuestSlips, OrderSummaryCountsAllLinesOfListedItems) {
    std::vector<MenuItem> menus(3);
    menus[0] = {10, "ビール", 750, "", 1};
    menus[1] = {11, "枝豆", 300, "", 2};
    menus[2] = {12, "焼酎", 500, "", 1};
    const std::vector<MenuBunrui> categories{{1, "飲物"}, {2, "料理"}};
    NippouDay day;
    countEntrySlip(day);
    setQuantity(day, 0, 10, 2);
    setQuantity(day, 0, 11, 1);
    setQuantity(day, 0, 99, 40000 / 2); // no longer in the menu
    const OrderSummary s = orderSummary(day, 0, menus);
    EXPECT_EQ(s.total, 1800);
    EXPECT_EQ(s.pieces, 3);
    EXPECT_EQ(day.lineCount[0], 3); // the stale line stays

    EXPECT_EQ(menusShown(menus, categories, 0), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(menusShown(menus, categories, 1), (std::vector<int>{0, 2}));
    EXPECT_EQ(menusShown(menus, categories, 2), (std::vector<int>{1}));
    EXPECT_TRUE(menusShown(menus, categories, 3).empty());
}
