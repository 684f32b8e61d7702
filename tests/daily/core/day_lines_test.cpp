// The lists of a day's record as the list grids edit them, the bank account texts and the
// guest-slip totals taken over into the report.
#include "daily/core/day_lines.h"
#include "daily/core/slip_totals.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace lukana;

TEST(DayLines, DeletingALineMovesLaterPartiesAndMarksUp) {
    auto day = std::make_unique<NippouDay>();
    for (int k = 0; k < 5; ++k) { // four lines and the entry row's slot
        day->kaidasiSiireId[k] = 10 + k;
        day->kaidasiHikazei[k] = k % 2;
    }
    moveLinesUp(*day, DayList::Payments, 1, 4);
    clearLinesFrom(*day, DayList::Payments, 3);
    const std::vector<int> ids{10, 12, 13, 0, 0};
    const std::vector<int> marks{0, 0, 1, 0, 0};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(day->kaidasiSiireId[k], ids[k]) << "line " << k;
        EXPECT_EQ(day->kaidasiHikazei[k], marks[k]) << "line " << k;
    }
}

TEST(DayLines, EveryListMovesItsOwnParties) {
    for (DayList list : kDayLists) {
        auto day = std::make_unique<NippouDay>();
        for (int k = 0; k < 3; ++k)
            setLineParty(*day, list, k, k + 1);
        day->kaidasiHikazei[2] = 1;
        moveLinesUp(*day, list, 0, 2);
        EXPECT_EQ(lineParty(*day, list, 0), 2);
        EXPECT_EQ(lineParty(*day, list, 1), 3);
        EXPECT_EQ(day->kaidasiHikazei[1], list == DayList::Payments ? 1 : 0);
    }
}

TEST(DayLines, TheLastLineOfAFullListStaysWithinTheRecord) {
    auto day = std::make_unique<NippouDay>();
    for (int k = 0; k < kNippouLineCapacity; ++k)
        setLineParty(*day, DayList::Deposits, k, 1 + k % 4);
    // 51 lines: the entry row would be line 51, outside the record
    moveLinesUp(*day, DayList::Deposits, 49, 51);
    EXPECT_EQ(lineParty(*day, DayList::Deposits, 49), 1 + 50 % 4);
    setLineParty(*day, DayList::Deposits, 51, 9);
    EXPECT_EQ(lineParty(*day, DayList::Deposits, 51), 0);
}

TEST(DayLines, AmountsFromTheGridStopAtTheCapacity) {
    auto day = std::make_unique<NippouDay>();
    std::vector<double> amounts(60, 5);
    amounts[0] = 123456789;
    storeLineAmounts(*day, DayList::Payments, amounts);
    EXPECT_EQ(day->kaidasiCount, kNippouLineCapacity);
    EXPECT_EQ(day->kaidasiGaku[0], 123456789);
    storeLineAmounts(*day, DayList::CreditSales, {123456789, -1200, 1234.5});
    EXPECT_EQ(day->urikakeCount, 3);
    EXPECT_EQ(day->urikakeGaku[0], 123456789);
    EXPECT_EQ(day->urikakeGaku[1], -1200);
    EXPECT_EQ(day->urikakeGaku[2], 1234.5);
    storeLineAmounts(*day, DayList::CreditSales, {});
    EXPECT_EQ(day->urikakeCount, 0);
}

TEST(DayLines, TotalBoxes) {
    EXPECT_EQ(listTotalBox(DayList::Payments), 0);
    EXPECT_EQ(listTotalBox(DayList::Deposits), 32);
    EXPECT_EQ(listTotalBox(DayList::Withdrawals), 34);
    EXPECT_EQ(listTotalBox(DayList::CreditSales), 37);
}

TEST(DayLines, BankAccountTexts) {
    BusyoRec b;
    b.bankName = "みずほ";
    b.branchName = "本店";
    b.accountType = 1;
    b.accountNumber = "1234567";
    b.otherBankName[0] = "りそな";
    b.otherBranchName[0] = "新宿";
    b.otherAccountType[0] = 2;
    b.otherAccountNumber[0] = "7";
    b.otherAccountType[2] = 5;
    b.otherAccountNumber[2] = "99";
    struct Case {
        int slot;
        std::string text;
    };
    const Case cases[] = {{1, "みずほ 本店 当座 1234567"},
                          {2, "りそな 新宿 その他 7"},
                          {3, ""},      // an unregistered further account: an empty line
                          {4, "   99"}, // an unknown type has no word
                          {0, ""},
                          {5, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(bankAccountText(b, c.slot), c.text) << "slot " << c.slot;
}

TEST(SlipTotals, PersonsAndAmountsByPaymentKind) {
    auto day = std::make_unique<NippouDay>();
    auto slip = [&](std::vector<double> persons, double paid, double kind) {
        auto& v = day->slipValues[day->slipCount++];
        for (size_t k = 0; k < persons.size(); ++k)
            v[k] = persons[k];
        v[8] = paid;
        v[9] = kind;
    };
    slip({2, 1}, 80, 1);
    slip({0, 3}, 90, 2);
    slip({1}, 30, 0);
    SlipTotals t = slipTotals(*day);
    EXPECT_EQ(t.groups, 3);
    EXPECT_EQ(t.persons, 7);
    EXPECT_EQ(t.cash, 110);
    EXPECT_EQ(t.card, 90);
    EXPECT_EQ(t.credit, 0);

    slip({0, 0, 1, 1}, 5, 7); // an unknown kind is cash
    slip({}, 40, 3);          // on account
    slip({}, 1e9, 2.4);       // rounds to card; large sums keep every yen
    slip({}, 123456789, -1);  // a kind below the four is cash as well
    t = slipTotals(*day);
    EXPECT_EQ(t.groups, 7);
    EXPECT_EQ(t.persons, 9);
    EXPECT_EQ(t.cash, 110 + 5 + 123456789);
    EXPECT_EQ(t.card, 90 + 1e9);
    EXPECT_EQ(t.credit, 40);
}
