// The cash reconciliation of the daily report's amount boxes, without a window: the cascade
// and its order, the quotients, the month-to-date figures, the card-sales period and the
// Enter route.
#include "daily/core/amount_sheet.h"
#include "storage/display_format.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace lukana;

namespace {

struct Sheet {
    std::unique_ptr<NippouMonth> month = std::make_unique<NippouMonth>();
    std::unique_ptr<NippouMonth> before = std::make_unique<NippouMonth>();
    AmountSheet sheet;
    std::vector<int> changes;

    explicit Sheet(int day = 10, int monthDays = 31, int closingDay = 31) {
        sheet.setShownDay({month.get(), before.get(), 12, 11, day, monthDays, closingDay});
        sheet.onChanged = [this](int field) { changes.push_back(field); };
    }
};

} // namespace

TEST(AmountSheet, TypedCommasGoAndTheSubtotalFollows) {
    Sheet s;
    s.sheet.write(0, "100");
    s.sheet.write(3, "5");
    s.changes.clear();
    s.sheet.write(2, "1,234");
    EXPECT_EQ(s.sheet.text(2), "1234");
    EXPECT_EQ(amountLabelText(2, s.sheet.text(2)), "1,234");
    EXPECT_EQ(s.sheet.text(4), "1339");
    EXPECT_EQ(s.sheet.text(10), "1339") << "出金合計 copies 合計";
    EXPECT_EQ(s.changes.front(), 2);
    // the same text again changes nothing
    s.changes.clear();
    s.sheet.write(2, "12,34");
    EXPECT_TRUE(s.changes.empty());
}

TEST(AmountSheet, CashSalesRunTheWholeChainOnce) {
    Sheet s;
    s.sheet.write(12, "2");
    s.sheet.write(13, "4");
    s.sheet.writeFixedCosts("3100");
    s.changes.clear();
    s.sheet.write(5, "800");
    const std::vector<std::pair<int, std::string>> expected{{7, "800"},  {9, "800"},  {11, "800"},
                                                            {15, "200"}, {16, "400"}, {21, "700"},
                                                            {22, "800"}, {28, "800"}, {31, "800"}};
    for (const auto& [box, text] : expected)
        EXPECT_EQ(s.sheet.text(box), text) << "box " << box;
    EXPECT_EQ(s.sheet.runningProfit(), "700");
    EXPECT_EQ(s.sheet.cardSales().figure, "");
    // each box changed once, in the order of the cascade
    const std::vector<int> order{
        5, 7, 21, AmountSheet::kRunningProfit, 16, 15, 22, AmountSheet::kCardSales, 9, 11, 31, 28};
    EXPECT_EQ(s.changes, order);
}

TEST(AmountSheet, RegisterTopUpReachesTheFinalBalance) {
    Sheet s;
    s.sheet.write(25, "1000");
    s.sheet.write(5, "300");
    s.sheet.write(29, "50");
    s.sheet.write(26, "200");
    const std::vector<std::pair<int, std::string>> expected{{27, "800"},  {8, "200"}, {11, "500"},
                                                            {31, "1300"}, {33, "50"}, {28, "1250"}};
    for (const auto& [box, text] : expected)
        EXPECT_EQ(s.sheet.text(box), text) << "box " << box;
}

TEST(AmountSheet, QuotientsAreZeroWithoutADivisor) {
    Sheet s;
    s.sheet.write(12, "3");
    s.sheet.write(5, "900");
    EXPECT_EQ(s.sheet.text(16), "300");
    s.sheet.write(12, "");
    EXPECT_EQ(s.sheet.text(16), "0") << "not the stale 300";
    s.sheet.write(13, "7");
    EXPECT_EQ(s.sheet.text(15), plainDecimal(900.0 / 7));
    EXPECT_EQ(amountLabelText(15, s.sheet.text(15)), "129");
    s.sheet.write(13, "-2");
    EXPECT_EQ(s.sheet.text(15), "0");
}

TEST(AmountSheet, VirtualGrossProfitDividesByTheMonthsDays) {
    struct Case {
        int monthDays;
        std::string expected;
    };
    for (const Case& c :
         {Case{30, "380"}, Case{31, plainDecimal(500 - (600.0 / 31 + 100))}, Case{0, ""}}) {
        Sheet s(10, c.monthDays);
        s.sheet.writeFixedCosts("600");
        s.sheet.write(0, "100");
        s.sheet.write(5, "500");
        EXPECT_EQ(s.sheet.text(21), c.expected) << c.monthDays << " days";
    }
}

TEST(AmountSheet, MonthToDateReadsTheStoredDaysBefore) {
    Sheet s(3);
    (*s.month)[1].kingaku[7] = 100;
    (*s.month)[2].kingaku[7] = 20;
    (*s.month)[3].kingaku[7] = 9999; // the shown day counts with its box
    (*s.month)[1].kingaku[21] = -50;
    s.sheet.write(7, "5");
    EXPECT_EQ(s.sheet.text(22), "125");
    s.sheet.write(21, "1000");
    EXPECT_EQ(s.sheet.runningProfit(), "950");
    s.sheet.write(21, "50");
    EXPECT_EQ(s.sheet.runningProfit(), "") << "zero shows empty";
}

TEST(AmountSheet, ANonNumberCountsZeroAndTooLargeSumsAreZero) {
    Sheet s;
    s.sheet.write(2, "abc");
    EXPECT_EQ(amountLabelText(2, s.sheet.text(2)), "abc");
    EXPECT_EQ(s.sheet.text(4), "0");
    s.sheet.write(0, "1e308");
    s.sheet.write(2, "1e308");
    EXPECT_EQ(s.sheet.text(4), "0") << "never inf";
    s.sheet.write(5, "1e308");
    s.sheet.write(6, "1e308");
    EXPECT_EQ(s.sheet.text(7), "0");
}

TEST(AmountSheet, CardSalesOfTheCreditPeriod) {
    struct Case {
        int closingDay, day, monthDays;
        double expected;
        std::string caption;
    };
    const Case cases[] = {
        {20, 10, 31, 1 + 2 + 4 + 16 + 7, "累計クレジット; 11月 21日～ 12月 20日のカード売り"},
        {20, 25, 31, 1 + 2 + 4 + 8 + 16, "累計クレジット; 11月 21日～ 12月 20日のカード売り"},
        {31, 10, 31, 4 + 7, "累計クレジット; 12月1日～ 12月 31日のカード売り"},
        {0, 1, 28, 7, "累計クレジット; 12月1日～ 12月 28日のカード売り"},
        {0, 25, 31, 4 + 8 + 16 + 7, "累計クレジット; 12月1日～ 12月 31日のカード売り"},
    };
    for (const Case& c : cases) {
        Sheet s(c.day, c.monthDays, c.closingDay);
        (*s.before)[20].kingaku[6] = 1000; // before the period
        (*s.before)[21].kingaku[6] = 1;
        (*s.before)[31].kingaku[6] = 2;
        (*s.month)[1].kingaku[6] = 4;
        (*s.month)[10].kingaku[6] = 8; // the stored value of day 10
        (*s.month)[20].kingaku[6] = 16;
        (*s.month)[21].kingaku[6] = 2000; // after the period
        (*s.month)[25].kingaku[6] = 32;   // the stored value of day 25
        if (c.closingDay == 0 || c.closingDay == 31) {
            (*s.month)[21].kingaku[6] = 0;
            (*s.month)[25].kingaku[6] = 0;
        }
        s.sheet.write(6, "7");
        EXPECT_EQ(s.sheet.cardSales().total, c.expected)
            << "closing " << c.closingDay << " day " << c.day;
        EXPECT_EQ(s.sheet.cardSales().caption, c.caption);
    }
}

TEST(AmountSheet, CardSalesFigureIsEmptyForZero) {
    Sheet s(5, 31, 20);
    s.sheet.write(6, "1234567");
    EXPECT_EQ(s.sheet.cardSales().figure, "1,234,567");
    s.sheet.write(6, "0");
    EXPECT_EQ(s.sheet.cardSales().figure, "");
}

TEST(AmountSheet, FixedCostsDoNotCountAsAnEditOfTheirOwn) {
    Sheet s(10, 30);
    s.sheet.writeFixedCosts("1,500");
    EXPECT_EQ(s.sheet.fixedCostsText(), "1500");
    EXPECT_EQ(s.changes,
              (std::vector<int>{AmountSheet::kFixedCosts, 21, AmountSheet::kRunningProfit}));
    EXPECT_EQ(s.sheet.text(21), "-50");
}

TEST(AmountBoxes, EnterRoute) {
    struct Case {
        int box, lastOpened, next;
    };
    const Case cases[] = {{0, 0, 2},   {2, 0, 3},   {3, 0, 4},    {11, 0, 12}, {12, 0, 13},
                          {13, 0, 15}, {15, 0, 16}, {16, 0, 21},  {21, 0, 22}, {22, 0, 0},
                          {30, 0, 0},  {30, 6, 6},  {25, 13, 13}, {38, 2, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(nextBoxOnEnter(c.box, c.lastOpened), c.next) << "box " << c.box;
    for (int box : kAmountBoxes) {
        if (box < 25) {
            EXPECT_TRUE(hasAmountBox(nextBoxOnEnter(box, 0))) << "after box " << box;
        }
    }
}

TEST(AmountBoxes, LabelsAndBoxes) {
    struct Case {
        int box;
        std::string text, label;
    };
    const Case cases[] = {{12, "1,5", "1,5"},     {13, "007", "007"}, {5, "1234.5", "1,235"},
                          {5, "-1200", "-1,200"}, {5, "", ""},        {5, "x1", "x1"}};
    for (const Case& c : cases)
        EXPECT_EQ(amountLabelText(c.box, c.text), c.label) << c.box << " '" << c.text << "'";
    for (int i : {1, 14, 17, 18, 19, 20, 23, 24, 39, 40})
        EXPECT_FALSE(hasAmountBox(i)) << i;
    EXPECT_EQ(kAmountBoxes.size(), 31u);
}
