// The filter lists and the voucher test of the period list and the monthly summary.
#include "summaries/core/filters.h"
#include "summaries_fixture.h"

#include <gmock/gmock.h>

using namespace lukana;
using ::testing::ElementsAre;

namespace {

class FiltersTest : public summaries_test::SummariesFixture {};

TEST_F(FiltersTest, PartyListOffersOwnAndSharedSuppliersThenDepartmentHeadOfficeAndBanks) {
    const PartyList list = summaryPartyList();
    EXPECT_THAT(list.texts, ElementsAre("全て", "A酒店", "C商事", "本店", "本部",
                                        "みずほ 新宿 1234567", "", "りそな 渋谷 7654321", ""));
    EXPECT_THAT(list.partyKinds, ElementsAre(0, 1, 1, 2, 2, 4, 4, 4, 4));
    EXPECT_THAT(list.partyIds, ElementsAre(0, 0, 2, 0, 1, 1, 2, 3, 4));

    const PartyList cash = cashBookPartyList();
    EXPECT_THAT(cash.texts,
                ElementsAre("本店", "本部", "みずほ 新宿 1234567", "", "りそな 渋谷 7654321", ""));
    EXPECT_THAT(cash.partyKinds, ElementsAre(2, 2, 4, 4, 4, 4));
    EXPECT_THAT(cash.partyIds, ElementsAre(0, 1, 1, 2, 3, 4));
}

TEST_F(FiltersTest, SubAccountListFollowsTheAccountTitle) {
    EXPECT_THAT(accountTitleItems(), ElementsAre("全て", "仕入", "売掛金", "水道光熱費"));
    EXPECT_THAT(subAccountItems(2), ElementsAre("全て")) << "a title without sub-accounts";
    EXPECT_THAT(subAccountItems(3), ElementsAre("全て", "電気", "水道"));
    EXPECT_THAT(tyMap, ElementsAre(0, 1));
    EXPECT_THAT(subAccountItems(0), ElementsAre()) << "\"全て\" as title empties the list";
    EXPECT_TRUE(tyMap.empty());
    EXPECT_THAT(subAccountItems(1), ElementsAre("全て", "酒類"));
    EXPECT_THAT(tyMap, ElementsAre(2));
}

TEST_F(FiltersTest, EveryOneOfAThousandSubAccountsIsOffered) {
    tyCount = kTyCapacity;
    for (int i = 0; i < tyCount; ++i) {
        tyNames[i] = "補助" + std::to_string(i);
        tyIds[i] = i + 1;
        tyTekiyouIds[i] = 13;
    }
    EXPECT_EQ(subAccountItems(3).size(), static_cast<size_t>(kTyCapacity + 1));
    filterSel = {0, 0, 3, kTyCapacity, 0, 0};
    DenpyouDay day;
    day.denpyouCount = 2;
    day.accountId = {13, 13};
    day.subAccountId = {kTyCapacity, kTyCapacity - 1};
    const VoucherFilter filter = VoucherFilter::fromSelection(summaryPartyList(), kBothMatch);
    EXPECT_TRUE(filter.voucherMatches(day, 0));
    EXPECT_FALSE(filter.voucherMatches(day, 1));
}

struct MatchCase {
    const char* name;
    std::array<int, 6> sel; // list positions: to, from, title, sub-account, entry type
    int mode;
    // The voucher: from kind/id, to kind/id, entry type, account title.
    int fromKind, fromId, toKind, toId, entryType, accountId;
    bool listed;
};

// Party list positions: 1 A (id 10), 2 C (id 12), 3 本店, 4 本部, 5 main bank.
const MatchCase kMatchCases[] = {
    {"本部 filter takes head office", {4, 0, 0, 0, 0, 0}, 0, 2, 0, 2, 1, 1, 1, true},
    {"本部 filter leaves the department", {4, 0, 0, 0, 0, 0}, 0, 2, 1, 2, 0, 1, 1, false},
    {"supplier by its id", {2, 0, 0, 0, 0, 0}, 0, 2, 0, 1, 12, 1, 1, true},
    {"not by its position", {2, 0, 0, 0, 0, 0}, 0, 2, 0, 1, 2, 1, 1, false},
    {"unregistered supplier", {1, 0, 0, 0, 0, 0}, 0, 2, 0, 1, -1, 1, 1, false},
    {"kind 0 never matches", {3, 0, 0, 0, 0, 0}, 0, 2, 0, 0, 0, 1, 1, false},
    {"銀行へ入金 takes type 4", {0, 0, 0, 0, 4, 0}, 0, 2, 0, 4, 1, 4, 1, true},
    {"銀行へ入金 leaves type 0", {0, 0, 0, 0, 4, 0}, 0, 2, 0, 4, 1, 0, 1, false},
    {"全て takes type 0", {0, 0, 0, 0, 0, 0}, 0, 2, 0, 4, 1, 0, 1, true},
    {"both set, both must match", {1, 4, 0, 0, 0, 0}, 0, 2, 1, 1, 12, 1, 1, false},
    {"either, only to set: as none", {1, 0, 0, 0, 0, 0}, 1, 2, 0, 4, 1, 1, 1, true},
    {"either: to A from anywhere", {1, 4, 0, 0, 0, 0}, 1, 4, 1, 1, 10, 1, 1, true},
    {"either: from 本部 to anywhere", {1, 4, 0, 0, 0, 0}, 1, 2, 1, 4, 1, 1, 1, true},
    {"either: neither", {1, 4, 0, 0, 0, 0}, 1, 2, 0, 4, 1, 1, 1, false},
    {"either still needs the type", {1, 4, 0, 0, 2, 0}, 1, 2, 1, 1, 10, 1, 1, false},
    {"account title", {0, 0, 2, 0, 0, 0}, 0, 2, 0, 1, 10, 1, 4, true},
    {"other account title", {0, 0, 2, 0, 0, 0}, 0, 2, 0, 1, 10, 1, 1, false},
};

TEST_F(FiltersTest, VoucherMatchesTable) {
    const PartyList parties = summaryPartyList();
    for (const MatchCase& c : kMatchCases) {
        SCOPED_TRACE(c.name);
        filterSel = c.sel;
        DenpyouDay day;
        day.denpyouCount = 1;
        day.fromKind[0] = c.fromKind;
        day.fromId[0] = c.fromId;
        day.toKind[0] = c.toKind;
        day.toId[0] = c.toId;
        day.entryType[0] = c.entryType;
        day.accountId[0] = c.accountId;
        EXPECT_EQ(VoucherFilter::fromSelection(parties, c.mode).voucherMatches(day, 0), c.listed);
    }
}

TEST_F(FiltersTest, SubAccountFilterTestsTheMappedSubAccount) {
    subAccountItems(3); // 電気 (id 1), 水道 (id 2)
    filterSel = {0, 0, 3, 2, 0, 0};
    DenpyouDay day;
    day.denpyouCount = 2;
    day.accountId = {13, 13};
    day.subAccountId = {2, 1};
    const VoucherFilter filter = VoucherFilter::fromSelection(summaryPartyList(), kBothMatch);
    EXPECT_TRUE(filter.voucherMatches(day, 0));
    EXPECT_FALSE(filter.voucherMatches(day, 1));
}

} // namespace
