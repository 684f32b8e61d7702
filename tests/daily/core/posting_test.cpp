// Posting a day of the daily report into vouchers: every field of every row, the order, the
// tests on the single amounts and the day that already has vouchers.
#include "daily/core/posting.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace lukana;

namespace {

struct Voucher {
    int fromKind, fromId, toKind, toId;
    double amount;
    int taxExempt, entryType, accountId, subAccountId;
    std::string note;
    bool operator==(const Voucher&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Voucher& v) {
    return out << "(" << v.fromKind << "," << v.fromId << ")->(" << v.toKind << "," << v.toId
               << ") " << v.amount << " exempt " << v.taxExempt << " type " << v.entryType
               << " account " << v.accountId << " sub " << v.subAccountId << " note '" << v.note
               << "'";
}

std::vector<Voucher> vouchersOf(const DenpyouDay& d) {
    std::vector<Voucher> out;
    for (int j = 0; j < d.denpyouCount; ++j) {
        EXPECT_EQ(d.tax[j], 0) << "voucher " << j;
        out.push_back({d.fromKind[j], d.fromId[j], d.toKind[j], d.toId[j], d.amount[j],
                       d.taxExempt[j], d.entryType[j], d.accountId[j], d.subAccountId[j],
                       d.note[j]});
    }
    return out;
}

struct Suppliers {
    int count = 2;
    std::vector<int> ids{11, 12};
    std::vector<int> payKinds{0, 1}; // 11 bought on credit, 12 bought for cash
};

std::vector<Voucher> post(const NippouDay& day, int salesTiming, const Suppliers& s = {}) {
    auto target = std::make_unique<DenpyouDay>();
    postDailyReportDay(day, salesTiming, s.count, s.ids, s.payKinds, *target);
    return vouchersOf(*target);
}

std::unique_ptr<NippouDay> emptyDay() {
    return std::make_unique<NippouDay>();
}

void addPayment(NippouDay& d, int supplier, double amount, int exempt = 0) {
    d.kaidasiSiireId[d.kaidasiCount] = supplier;
    d.kaidasiGaku[d.kaidasiCount] = amount;
    d.kaidasiHikazei[d.kaidasiCount] = exempt;
    ++d.kaidasiCount;
}

} // namespace

TEST(Posting, CreditSupplierOtherDepositAndCashSalesGiveFourVouchersInOrder) {
    auto day = emptyDay();
    addPayment(*day, 11, 300);
    addPayment(*day, -1, 40);
    day->nyukinKouza[0] = 2;
    day->nyukinGaku[0] = 1000;
    day->nyukinCount = 1;
    day->kingaku[5] = 500;
    const std::vector<Voucher> expected{
        {2, 0, 1, 11, 300, 0, 1, 5, 0, ""},
        {2, 0, 1, -1, 40, 0, 1, 0, 0, ""},
        {2, 0, 4, 2, 1000, 1, 4, 0, 0, ""},
        {0, 0, 2, 0, 500, 0, 0, 2, 0, "当日分現金売上"},
    };
    EXPECT_EQ(post(*day, 0), expected);
}

TEST(Posting, EveryRowKindWithBothSalesTimings) {
    auto day = emptyDay();
    addPayment(*day, 12, 70, 1); // cash supplier, exempt
    addPayment(*day, 99, 0);     // no longer in the list, amount 0 still posts
    day->hikidasiKouza[0] = 3;
    day->hikidasiGaku[0] = -20;
    day->hikidasiCount = 1;
    day->urikakeKyaku[0] = 41;
    day->urikakeGaku[0] = 250;
    day->urikakeCount = 1;
    day->kingaku[29] = 800; // to head office
    day->kingaku[36] = 900; // from head office: posted before 29
    day->kingaku[38] = 60;
    struct Case {
        int salesTiming;
        std::vector<Voucher> expected;
    };
    const Case cases[] = {
        {0,
         {{2, 0, 1, 12, 70, 1, 1, 0, 0, ""},
          {2, 0, 1, 99, 0, 0, 1, 0, 0, ""},
          {4, 3, 2, 0, -20, 1, 3, 0, 0, ""},
          {0, 0, 2, 0, 250, 0, 2, 2, 41, "売掛金"},
          {2, 1, 2, 0, 900, 1, 0, 0, 0, ""},
          {2, 0, 2, 1, 800, 1, 0, 0, 0, ""},
          {0, 0, 2, 0, 60, 0, 0, 4, 0, "売掛金入金"}}},
        {1,
         {{2, 0, 1, 12, 70, 1, 1, 0, 0, ""},
          {2, 0, 1, 99, 0, 0, 1, 0, 0, ""},
          {4, 3, 2, 0, -20, 1, 3, 0, 0, ""},
          {0, 0, 2, 0, 250, 0, 2, 4, 41, ""},
          {2, 1, 2, 0, 900, 1, 0, 0, 0, ""},
          {2, 0, 2, 1, 800, 1, 0, 0, 0, ""},
          {0, 0, 2, 0, 60, 0, 0, 2, 0, "売掛金入金"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(post(*day, c.salesTiming), c.expected) << "salesTiming " << c.salesTiming;
}

TEST(Posting, SingleAmountsPostOnlyAboveZero) {
    struct Case {
        int index;
        double value;
        size_t vouchers;
    };
    const Case cases[] = {{36, 0, 0}, {36, -5, 0}, {36, 0.5, 1}, {29, 0, 0},   {29, 1, 1},
                          {38, 0, 0}, {38, 2, 1},  {5, 0, 0},    {5, -100, 0}, {5, 3, 1}};
    for (const Case& c : cases) {
        auto day = emptyDay();
        day->kingaku[c.index] = c.value;
        EXPECT_EQ(post(*day, 0).size(), c.vouchers) << "kingaku(" << c.index << ") " << c.value;
    }
}

TEST(Posting, SupplierAccountFollowsTheFirstEntryWithTheId) {
    struct Case {
        int supplier;
        int account;
    };
    Suppliers s;
    s.count = 3;
    s.ids = {11, 12, 11};
    s.payKinds = {1, 0, 0};
    for (const Case& c : std::vector<Case>{{11, 0}, {12, 5}, {-1, 0}, {13, 0}})
        EXPECT_EQ(supplierPaymentAccount(c.supplier, s.count, s.ids, s.payKinds), c.account)
            << "supplier " << c.supplier;
    // positions past the count are not suppliers
    EXPECT_EQ(supplierPaymentAccount(11, 0, s.ids, s.payKinds), 0);
}

TEST(Posting, ADayWithAVoucherKeepsItAndGetsNothing) {
    auto day = emptyDay();
    addPayment(*day, 11, 300);
    day->kingaku[5] = 500;
    auto target = std::make_unique<DenpyouDay>();
    target->denpyouCount = 1;
    target->amount[0] = 77;
    target->note[0] = "手入力";
    Suppliers s;
    EXPECT_EQ(postDailyReportDay(*day, 0, s.count, s.ids, s.payKinds, *target), 0);
    EXPECT_EQ(target->denpyouCount, 1);
    EXPECT_EQ(target->amount[0], 77);
    EXPECT_EQ(target->note[0], "手入力");
}

TEST(Posting, AFullDayTakesNoMore) {
    auto target = std::make_unique<DenpyouDay>();
    target->denpyouCount = kDenpyouCapacity;
    EXPECT_FALSE(appendVoucher(*target, PostingRow{}));
    EXPECT_EQ(target->denpyouCount, kDenpyouCapacity);
}

TEST(Posting, RowsNameTheirSourceAndLine) {
    auto day = emptyDay();
    addPayment(*day, 11, 1);
    addPayment(*day, 11, 2);
    day->kingaku[5] = 9;
    const auto rows = postingRows(*day, 0);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].source, PostingSource::Payment);
    EXPECT_EQ(rows[1].line, 1);
    EXPECT_EQ(rows[1].accountId, 0) << "the supplier's account is the daily report's own";
    EXPECT_EQ(rows[2].source, PostingSource::CashSales);
    EXPECT_EQ(rows[2].line, -1);
}
