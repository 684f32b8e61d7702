// The cash book's listing of one party over a closing-day month.
#include "summaries/core/cash_listing.h"
#include "summaries/core/summary_texts.h"
#include "summaries_fixture.h"

#include <gmock/gmock.h>

using namespace lukana;
using summaries_test::Voucher;
using ::testing::ElementsAre;

namespace {

const PartyKey kMainBank{4, 1};

class CashListingTest : public summaries_test::SummariesFixture {
  protected:
    void list(const PartyKey& party, double openingBalance = 0, CashSwitches switches = {},
              ShownMonth shown = {2004, 4}, int closingDay = 31) {
        listing.list("本店", closingDayMonths(shown, closingDay), party,
                     AccountFilter::fromSelection(), switches, openingBalance, *buffer);
    }
    std::vector<std::string> row(size_t r) {
        PartyNames parties;
        AccountNames accounts;
        std::vector<std::string> cells;
        for (int c = 0; c < kCashColumns; ++c)
            cells.push_back(cashCellText(listing.rows().at(r), c, parties, accounts));
        return cells;
    }
    std::vector<std::string> totals() {
        return {yen(listing.receiptsTotal()), yen(listing.paymentsTotal()),
                yen(listing.receiptsTotal() - listing.paymentsTotal())};
    }
    CashListing listing;
};

TEST_F(CashListingTest, WorkedExampleFromAPreviousBalance) {
    add(2004, 4, 10, {2, 1, 2, 0, 20000, 0, 2, 1, 0, "本部より"});
    add(2004, 4, 15, {2, 0, 1, 10, 5000, 0, 1, 1, 3, "仕入"});
    writeMonths();
    list(kDepartmentCash, 1000);
    ASSERT_EQ(listing.rows().size(), 2u);
    EXPECT_THAT(row(0), ElementsAre(" 4/ 10", "¥20,000", "¥20,000", "", "", "¥21,000", "本部",
                                    "仕入", "", "本部より"));
    EXPECT_THAT(row(1), ElementsAre(" 4/ 15", "", "", "¥5,000", "¥5,000", "¥16,000", "A酒店",
                                    "仕入", "酒類", "仕入"));
    EXPECT_THAT(totals(), ElementsAre("¥20,000", "¥5,000", "¥15,000"));
    EXPECT_EQ(listing.closingBalance(), 16000);
}

TEST_F(CashListingTest, ClosingDayFifteenListsTheSecondHalfOfMarchAsMonthThree) {
    for (int d : {15, 16, 31})
        add(2004, 3, d, {2, 0, 1, 10, 1});
    for (int d : {1, 15, 16})
        add(2004, 4, d, {2, 0, 1, 10, 1});
    writeMonths();
    list(kDepartmentCash, 0, {}, {2004, 4}, 15);
    std::vector<std::string> dates;
    for (size_t r = 0; r < listing.rows().size(); ++r)
        dates.push_back(row(r)[0]);
    EXPECT_THAT(dates, ElementsAre(" 3/ 16", " 3/ 31", " 4/ 1", " 4/ 15"));
}

TEST_F(CashListingTest, ThirtyAfterFebruaryListsNoFebruaryDay) {
    add(2003, 2, 28, {2, 0, 1, 10, 1});
    add(2003, 3, 30, {2, 0, 1, 10, 2});
    add(2003, 3, 31, {2, 0, 1, 10, 4});
    writeMonths();
    list(kDepartmentCash, 0, {}, {2003, 3}, 30);
    EXPECT_EQ(listing.paymentsTotal(), 2);
}

TEST_F(CashListingTest, CashToBankShowsInBothCashBooksWithTheOtherSide) {
    add(2004, 4, 1, {2, 0, 4, 1, 3000, 0, 4});
    writeMonths();
    list(kDepartmentCash);
    ASSERT_EQ(listing.rows().size(), 1u);
    EXPECT_FALSE(listing.rows()[0].moneyIn);
    EXPECT_EQ(row(0)[6], "みずほ 新宿 1234567");
    list(kMainBank);
    ASSERT_EQ(listing.rows().size(), 1u);
    EXPECT_TRUE(listing.rows()[0].moneyIn);
    EXPECT_EQ(row(0)[6], "本店");
}

TEST_F(CashListingTest, BothSidesTheShownPartyGiveOutThenInAndTheBalanceComesBack) {
    add(2004, 4, 1, {2, 0, 2, 0, 700});
    writeMonths();
    list(kDepartmentCash, 100);
    ASSERT_EQ(listing.rows().size(), 2u);
    EXPECT_FALSE(listing.rows()[0].moneyIn);
    EXPECT_EQ(listing.rows()[0].balance, -600);
    EXPECT_TRUE(listing.rows()[1].moneyIn);
    EXPECT_EQ(listing.rows()[1].balance, 100);
}

TEST_F(CashListingTest, SwitchesLeaveOutReceivablesAndPayablesOnBothSides) {
    add(2004, 4, 1, {2, 0, 1, 10, 100, 0, 1, 4});
    add(2004, 4, 1, {1, 10, 2, 0, 200, 0, 2, 5});
    add(2004, 4, 1, {2, 0, 1, 10, 400, 0, 1, 1});
    writeMonths();
    struct Case {
        CashSwitches switches;
        size_t rows;
        double closing;
    };
    const Case cases[] = {{{false, false}, 3, -300},
                          {{true, false}, 2, -200},
                          {{false, true}, 2, -500},
                          {{true, true}, 1, -400}};
    for (const Case& c : cases) {
        list(kDepartmentCash, 0, c.switches);
        EXPECT_EQ(listing.rows().size(), c.rows);
        EXPECT_EQ(listing.closingBalance(), c.closing);
        EXPECT_EQ(listing.partyClosingBalance(), c.closing);
    }
}

TEST_F(CashListingTest, FiltersNarrowTheScreenButNotTheStoredBalance) {
    add(2004, 4, 1, {2, 0, 1, 10, 100, 0, 1});
    add(2004, 4, 2, {2, 1, 2, 0, 1000, 0, 2});
    writeMonths();
    filterSel[kEntryType] = 1; // 支払い
    list(kDepartmentCash, 50);
    ASSERT_EQ(listing.rows().size(), 1u);
    EXPECT_EQ(listing.rows()[0].amount, 100);
    EXPECT_EQ(listing.closingBalance(), -50);
    EXPECT_EQ(listing.partyClosingBalance(), 950);
}

TEST_F(CashListingTest, PreviousBalanceMovesEveryBalanceButNoTotal) {
    add(2004, 4, 1, {2, 1, 2, 0, 300});
    add(2004, 4, 2, {2, 0, 1, 10, 100});
    writeMonths();
    list(kDepartmentCash);
    const auto without = totals();
    const double first = listing.rows()[0].balance, second = listing.rows()[1].balance;
    list(kDepartmentCash, 1000);
    EXPECT_EQ(listing.rows()[0].balance, first + 1000);
    EXPECT_EQ(listing.rows()[1].balance, second + 1000);
    EXPECT_EQ(totals(), without);
}

TEST_F(CashListingTest, NothingListedLeavesThePreviousBalance) {
    list(kDepartmentCash, 1234);
    EXPECT_TRUE(listing.rows().empty());
    EXPECT_THAT(totals(), ElementsAre("¥", "¥", "¥"));
    EXPECT_EQ(listing.closingBalance(), 1234);
}

TEST_F(CashListingTest, OutAboveInGivesANegativeDifference) {
    add(2004, 4, 3, {2, 0, 1, 10, 2500});
    writeMonths();
    list(kDepartmentCash);
    EXPECT_EQ(totals()[2], "-¥2,500");
}

} // namespace
