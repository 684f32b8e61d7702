#include "vouchers/core/voucher_totals.h"

#include "storage/state.h"
#include "support/voucher_lines.h"

#include <gtest/gtest.h>

#include <memory>

using namespace lukana;

namespace {

// A voucher appended to a day.
struct V {
    double amount;
    int toKind = 0, toId = 0, fromKind = 0, fromId = 0, accountId = 0;
    int exempt = 0;
    double tax = 0;
};

void append(DenpyouDay& day, const V& v) {
    appendVoucher(day, {.amount = v.amount,
                        .fromKind = v.fromKind,
                        .fromId = v.fromId,
                        .toKind = v.toKind,
                        .toId = v.toId,
                        .accountId = v.accountId,
                        .exempt = v.exempt,
                        .tax = v.tax});
}

class VoucherTotalsTest : public testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        // 5 % until 31 March 2014, 8 % from 1 April 2014.
        taxCount = 2;
        taxYear[0] = 1997, taxMonth[0] = 4, taxDay[0] = 1, taxRate[0] = 5;
        taxYear[1] = 2014, taxMonth[1] = 4, taxDay[1] = 1, taxRate[1] = 8;
        taxRounding = 0;
        shown = std::make_unique<DenpyouMonth>();
        previous = std::make_unique<DenpyouMonth>();
    }
    PeriodSource source(int day, int closingDay) const {
        PeriodSource s;
        s.year = 2014, s.month = 4, s.day = day, s.closingDay = closingDay;
        s.taxRounding = taxRounding;
        s.shownMonth = shown.get();
        s.previousMonth = previous.get();
        s.previousYear = 2014, s.previousMonthNumber = 3, s.previousDays = 31;
        return s;
    }
    std::unique_ptr<DenpyouMonth> shown, previous;
};

TEST_F(VoucherTotalsTest, StoredDaysSplitWithTheirOwnRateAndIgnoreStoredTax) {
    append((*previous)[20], {105, 1, 7});                 // before the period
    append((*previous)[21], {105, 1, 7});                 // 5 %: 100
    append((*previous)[31], {108, 1, 7, 0, 0, 0, 0, 99}); // stored tax unused: 5 % gives 103
    append((*shown)[1], {108, 1, 7});                     // 8 %: 100
    append((*shown)[2], {108, 1, 7});                     // the shown day: not a stored day
    VoucherTotals t;
    addStoredDays(t, source(2, 20));
    EXPECT_DOUBLE_EQ(t.period.incl, 105 + 108 + 108);
    EXPECT_DOUBLE_EQ(t.period.excl, 100 + 103 + 100);
    EXPECT_DOUBLE_EQ(t.supplier(7).excl, 303);
}

TEST_F(VoucherTotalsTest, EveryIdGetsItsOwnTotals) {
    append((*shown)[1], {1000, 1, 40000, 0, 0, 40000, 1});
    append((*shown)[1], {500, 1, -1, 2, 1, 0, 1});  // "その他", from headquarters
    append((*shown)[1], {300, 1, -7, 2, 0, -2, 1}); // ids no register holds
    append((*shown)[1], {200, 2, 0, 5, 3, 401, 1}); // department income
    append((*shown)[1], {100, 4, 1, 4, 2, 401, 1}); // bank to bank: period and account only
    VoucherTotals t;
    addStoredDays(t, source(5, 31));
    EXPECT_DOUBLE_EQ(t.supplier(40000).incl, 1000);
    EXPECT_DOUBLE_EQ(t.supplier(-1).incl, 500);
    EXPECT_DOUBLE_EQ(t.supplier(-7).incl, 300);
    EXPECT_DOUBLE_EQ(t.account(40000).incl, 1000);
    EXPECT_DOUBLE_EQ(t.account(-2).incl, 300);
    EXPECT_DOUBLE_EQ(t.account(401).incl, 300);
    EXPECT_DOUBLE_EQ(t.account(0).incl, 500);
    EXPECT_DOUBLE_EQ(t.payingSource.incl, 800);
    EXPECT_DOUBLE_EQ(t.departmentIncome.incl, 200);
    EXPECT_DOUBLE_EQ(t.period.incl, 2100);
    EXPECT_DOUBLE_EQ(t.supplier(12345).incl, 0);
}

TEST_F(VoucherTotalsTest, ShownDayTakesItsAmountsFromTheRowsAndKeepsStoredTax) {
    DenpyouDay& day = (*shown)[2];
    append(day, {9999, 1, 7});                // the row's cell decides: 108
    append(day, {108, 1, 7, 0, 0, 0, 0, 7});  // a stored tax: 101 and 7
    append(day, {500, 0, 0, 0, 0, 0, 1, 24}); // exempt with stored tax: cleared
    append(day, {500, 0, 0, 0, 0, 0, 1});     // exempt
    append(day, {100, 0, 0, 0, 0, 0, 0, 0});
    const double rows[] = {108, 108, 500, 500, 100, 0}; // the entry row last
    VoucherTotals t;
    const auto split = addShownDay(t, day, rows, 8, 0);
    ASSERT_EQ(split.size(), 6u);
    EXPECT_EQ(split[0].excluded, 100);
    EXPECT_EQ(split[0].tax, 8);
    EXPECT_EQ(split[1].excluded, 101);
    EXPECT_EQ(split[1].tax, 7);
    EXPECT_EQ(split[2].excluded, 500);
    EXPECT_EQ(split[2].tax, 0);
    EXPECT_TRUE(split[2].clearStoredTax);
    EXPECT_FALSE(split[3].clearStoredTax);
    EXPECT_EQ(split[3].excluded, 500);
    EXPECT_EQ(split[4].excluded, 93); // 100 at 8 %, tax rounded down
    EXPECT_EQ(split[4].tax, 7);
    EXPECT_DOUBLE_EQ(t.dayTotal, 1316);
    EXPECT_DOUBLE_EQ(t.supplier(7).incl, 216);
    EXPECT_DOUBLE_EQ(t.supplier(7).excl, 201);
}

TEST_F(VoucherTotalsTest, EntryRowOfAFullDayHasNoSlot) {
    DenpyouDay& day = (*shown)[2];
    for (int i = 0; i < kDenpyouCapacity; ++i)
        append(day, {1, 1, 7});
    std::vector<double> rows(kDenpyouCapacity + 1, 1.0);
    rows.back() = 5000; // whatever the entry row's cell shows
    VoucherTotals t;
    const auto split = addShownDay(t, day, rows, 8, 1);
    EXPECT_EQ(split.size(), rows.size());
    EXPECT_DOUBLE_EQ(t.dayTotal, kDenpyouCapacity);
    EXPECT_DOUBLE_EQ(t.period.incl, kDenpyouCapacity);
}

} // namespace
