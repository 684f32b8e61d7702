#include "vouchers/core/absorption.h"

#include "storage/state.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

using namespace lukana;

namespace {

class AbsorptionTest : public testing::Test {
  protected:
    void SetUp() override {
        source = std::make_unique<NippouDay>();
        day = std::make_unique<DenpyouDay>();
    }
    void payment(int supplierId, double amount, int exempt = 0) {
        const int i = source->kaidasiCount++;
        source->kaidasiSiireId[i] = supplierId;
        source->kaidasiGaku[i] = amount;
        source->kaidasiHikazei[i] = exempt;
    }
    void creditSale(int customer, double amount) {
        const int i = source->urikakeCount++;
        source->urikakeKyaku[i] = customer;
        source->urikakeGaku[i] = amount;
    }
    std::unique_ptr<NippouDay> source;
    std::unique_ptr<DenpyouDay> day;
};

TEST_F(AbsorptionTest, EachSourceRowBecomesItsVoucher) {
    payment(7, 1080, 1);
    source->nyukinCount = 1, source->nyukinKouza[0] = 2, source->nyukinGaku[0] = 50000;
    source->hikidasiCount = 1, source->hikidasiKouza[0] = 1, source->hikidasiGaku[0] = 30000;
    creditSale(12, 4400);
    source->kingaku[36] = 100, source->kingaku[29] = 200, source->kingaku[38] = 300;
    source->kingaku[5] = 400;
    payment(-1, 0); // "その他", an amount of 0 is taken over all the same

    const auto r = absorbDailyReportDay(*source, 0, *day);
    EXPECT_EQ(r.appended, 9);
    EXPECT_EQ(r.notTaken, 0);
    ASSERT_EQ(day->denpyouCount, 9);
    struct Expected {
        int fromKind, fromId, toKind, toId;
        double amount;
        int entryType, exempt, accountId, subAccountId;
        const char* note;
    };
    const Expected expected[] = {
        {2, 0, 1, 7, 1080, 1, 1, 0, 0, ""},
        {2, 0, 1, -1, 0, 1, 0, 0, 0, ""},
        {2, 0, 4, 2, 50000, 4, 1, 0, 0, ""},
        {4, 1, 2, 0, 30000, 3, 1, 0, 0, ""},
        {0, 0, 2, 0, 4400, 2, 0, 2, 12, "売掛金"},
        {2, 1, 2, 0, 100, 0, 1, 0, 0, ""},
        {2, 0, 2, 1, 200, 0, 1, 0, 0, ""},
        {0, 0, 2, 0, 300, 0, 0, 4, 0, "売掛金入金"},
        {0, 0, 2, 0, 400, 0, 0, 2, 0, "当日分現金売上"},
    };
    for (int j = 0; j < 9; ++j) {
        SCOPED_TRACE(j);
        const Expected& e = expected[j];
        EXPECT_EQ(day->fromKind[j], e.fromKind);
        EXPECT_EQ(day->fromId[j], e.fromId);
        EXPECT_EQ(day->toKind[j], e.toKind);
        EXPECT_EQ(day->toId[j], e.toId);
        EXPECT_EQ(day->amount[j], e.amount);
        EXPECT_EQ(day->entryType[j], e.entryType);
        EXPECT_EQ(day->taxExempt[j], e.exempt);
        EXPECT_EQ(day->accountId[j], e.accountId);
        EXPECT_EQ(day->subAccountId[j], e.subAccountId);
        EXPECT_EQ(day->note[j], e.note);
        EXPECT_EQ(day->tax[j], 0);
    }
    // A second press appends nothing.
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 0);
    EXPECT_EQ(day->denpyouCount, 9);
}

TEST_F(AbsorptionTest, MatchingIsOneToOne) {
    payment(7, 1000);
    payment(7, 1000);
    source->kingaku[38] = 500;
    source->kingaku[5] = 500;
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 4);
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 0);
    EXPECT_EQ(day->denpyouCount, 4);
}

// Amounts that single precision cannot tell apart are two payments all the same.
TEST_F(AbsorptionTest, PaymentsCompareExactly) {
    const std::pair<double, double> cases[] = {
        {16777217, 16777216}, {123456789012, 123456790528}, {1500.25, 1500.5}};
    for (const auto& [first, second] : cases) {
        SCOPED_TRACE(first);
        SetUp(); // a fresh day for each case
        payment(7, first);
        payment(7, second);
        EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 2);
        EXPECT_EQ(day->amount[0], first);
        EXPECT_EQ(day->amount[1], second);
        EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 0);
        day->amount[0] = second; // changed in the voucher book: the line is missing again
        EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 1);
    }
}

// A month kept when payment lines were single precision: the line reads back as typed, its
// voucher holds the single's value in double, and the two are still one payment.
TEST_F(AbsorptionTest, AnOlderMonthsFractionalPaymentStillMatchesItsVoucher) {
    payment(7, 1500.1);
    absorbDailyReportDay(*source, 0, *day);
    day->amount[0] = static_cast<double>(1500.1f); // 1500.0999755859375
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 0);
}

// The single-precision match of older months must not take a voucher that another line
// matches exactly: 10,000,000 and 10,000,000.5 are the same single.
TEST_F(AbsorptionTest, AnExactPairIsNotTakenByARoundedOne) {
    payment(7, 9999999);
    payment(7, 10000000.5);
    ASSERT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 2);
    source->kaidasiGaku[0] = 10000000; // the first line changed in the daily report
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 1);
    ASSERT_EQ(day->denpyouCount, 3);
    EXPECT_EQ(day->amount[2], 10000000) << "the changed line, not another 10,000,000.5";
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 0);
}

TEST_F(AbsorptionTest, ChangesThatMatterAndThoseThatDoNot) {
    payment(7, 1000);
    absorbDailyReportDay(*source, 0, *day);
    day->note[0] = "手で直した";
    day->entryType[0] = 0;
    day->taxExempt[0] = 1;
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 0);
    day->amount[0] = 999;
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 1);
    EXPECT_EQ(day->denpyouCount, 2);
}

TEST_F(AbsorptionTest, SalesTimingChangeTakesCreditSalesAgain) {
    creditSale(12, 4400);
    source->kingaku[38] = 300;
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 2);
    const auto r = absorbDailyReportDay(*source, 1, *day);
    EXPECT_EQ(r.appended, 1);
    EXPECT_EQ(day->accountId[2], 4);
    EXPECT_EQ(day->note[2], "");
}

TEST_F(AbsorptionTest, AnEmptyDayAppendsNothing) {
    EXPECT_EQ(absorbDailyReportDay(*source, 0, *day).appended, 0);
    EXPECT_EQ(day->denpyouCount, 0);
}

TEST_F(AbsorptionTest, ANearlyFullDayTakesWhatFits) {
    day->denpyouCount = kDenpyouCapacity - 2;
    for (int i = 0; i < 5; ++i)
        payment(7, 100 + i);
    const auto r = absorbDailyReportDay(*source, 0, *day);
    EXPECT_EQ(r.appended, 2);
    EXPECT_EQ(r.notTaken, 3);
    EXPECT_EQ(day->denpyouCount, kDenpyouCapacity);
    EXPECT_EQ(day->amount[kDenpyouCapacity - 1], 101);
}

} // namespace
