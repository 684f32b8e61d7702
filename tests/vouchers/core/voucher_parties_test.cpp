#include "vouchers/core/voucher_parties.h"

#include "storage/state.h"

#include <gtest/gtest.h>

using namespace lukana;

namespace {

class VoucherPartiesTest : public testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        busyoCount = 2;
        busyoRecs[0].name = busyoNames[0] = "本店";
        busyoRecs[0].id = busyoIds[0] = 3;
        busyoRecs[1].name = busyoNames[1] = "支店";
        busyoRecs[1].id = busyoIds[1] = 4;
        BusyoRec& d = busyoRecs[0];
        d.bankName = "みずほ", d.branchName = "新宿", d.accountType = 0, d.accountNumber = "123";
        d.otherBankName[2] = "りそな", d.otherBranchName[2] = "渋谷";
        d.otherAccountType[2] = 1, d.otherAccountNumber[2] = "456";
        d.otherBankName[3] = "第四", d.otherBranchName[3] = "上野";
        d.otherAccountType[3] = 2, d.otherAccountNumber[3] = "789";
        denpyouBusyo = 0;
        const char* names[] = {"酒屋", "八百屋", "魚屋", "肉屋"};
        const int ids[] = {10, 11, 12, 13};
        const int departments[] = {4, 4, 0, 3}; // two of the other department, then ours
        siireCount = 4;
        for (int i = 0; i < 4; ++i) {
            siireNames[i] = names[i];
            siireIds[i] = ids[i];
            siireBusyoIds[i] = departments[i];
        }
    }
};

std::vector<std::string> texts(const std::vector<PartyChoice>& list) {
    std::vector<std::string> t;
    for (const auto& c : list)
        t.push_back(c.text);
    return t;
}

TEST_F(VoucherPartiesTest, ListsByEntryTypeInGroupOrder) {
    const std::vector<std::string> suppliers = {"魚屋", "肉屋"};
    const std::vector<std::string> own = {"本店", "本部"};
    const std::vector<std::string> banks = {"みずほ 新宿 123", "", "",
                                            "りそな 渋谷 456"}; // unregistered slots read empty
    auto join = [](std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    struct Case {
        int type;
        std::vector<std::string> from, to;
    };
    const Case cases[] = {
        {0, join({suppliers, own, banks}), join({suppliers, own, banks})},
        {1, join({own, banks}), suppliers},
        {2, {}, join({own, banks})},
        {3, banks, join({suppliers, own})},
        {4, own, banks},
        {7, {}, {}},
        {-1, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(texts(fromChoices(c.type)), c.from);
        EXPECT_EQ(texts(toChoices(c.type)), c.to);
    }
}

TEST_F(VoucherPartiesTest, ChoicesStoreKindAndId) {
    const auto list = toChoices(0);
    EXPECT_EQ(list[0].kind, 1);
    EXPECT_EQ(list[0].id, siireIds[2]); // item 0 is register position 2
    EXPECT_EQ(list[2].kind, 2);
    EXPECT_EQ(list[2].id, 0);
    EXPECT_EQ(list[3].id, 1);
    EXPECT_EQ(list.back().kind, 4);
    EXPECT_EQ(list.back().id, 4); // the third further account
}

TEST_F(VoucherPartiesTest, NamesAsTheGridShowsThem) {
    struct Case {
        int kind, id;
        bool from;
        std::string name;
    };
    const Case cases[] = {
        {1, 12, false, "魚屋"},
        {1, 10, true, "酒屋"}, // another department's supplier is still named
        {1, -1, false, "その他"},
        {1, -1, true, ""},
        {1, 99, false, ""},
        {2, 0, false, "本店"},
        {2, 1, true, "本部"},
        {2, 9, true, "本部"},
        {4, 1, false, "みずほ 新宿 普通 123"},
        {4, 2, false, ""}, // an unregistered slot
        {4, 4, false, "りそな 渋谷 当座 456"},
        {4, 5, false, "第四 上野 その他 789"},
        {4, 6, false, ""},
        {4, 0, false, ""},
        {4, -3, false, ""},
        {0, 1, false, ""},
        {3, 1, false, ""},
        {5, 0, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << "/" << c.id);
        EXPECT_EQ(partyName(c.kind, c.id, c.from), c.name);
    }
}

TEST_F(VoucherPartiesTest, SubAccountsOfATitleOrOfEveryTitle) {
    tyCount = 1500; // more than 1001 qualify
    for (int i = 0; i < tyCount; ++i) {
        tyNames[i] = "補助" + std::to_string(i);
        tyIds[i] = i + 1;
        tyTekiyouIds[i] = i % 3; // titles 0, 1, 2 in turn
    }
    const auto all = subAccountChoices(0);
    ASSERT_EQ(all.size(), 1500u);
    EXPECT_EQ(all[1400].position, 1400);
    const auto ofTitle2 = subAccountChoices(2);
    ASSERT_EQ(ofTitle2.size(), 1000u);
    EXPECT_EQ(ofTitle2[0].text, "補助0"); // title 0 belongs to every title
    EXPECT_EQ(ofTitle2[1].text, "補助2");
    EXPECT_EQ(ofTitle2[1].position, 2);
    EXPECT_EQ(subAccountChoices(9).size(), 500u);
}

TEST(EntryTypeWords, FiveWordsElseEmpty) {
    const char* words[] = {"", "支払い", "入金", "銀行から出金", "銀行へ入金"};
    for (int t = 0; t < 5; ++t)
        EXPECT_EQ(entryTypeWord(t), words[t]);
    EXPECT_EQ(entryTypeWord(5), "");
    EXPECT_EQ(entryTypeWord(-1), "");
}

} // namespace
