// The rows of the period list and the monthly summary: values, texts, totals.
#include "summaries/core/summary_texts.h"
#include "summaries_fixture.h"

#include <gmock/gmock.h>

using namespace lukana;
using summaries_test::Voucher;
using ::testing::ElementsAre;

namespace {

class SummaryListTest : public summaries_test::SummariesFixture {
  protected:
    // Lists the vouchers of one day with every filter at "全て".
    void listDay(std::initializer_list<Voucher> vouchers) {
        for (const Voucher& v : vouchers)
            add(2003, 12, 5, v);
        writeMonths();
        filterSel.fill(0);
        listSpans("本店", {{2003, 12, 5, 5}},
                  VoucherFilter::fromSelection(summaryPartyList(), kBothMatch), true, list,
                  *buffer);
    }
    std::vector<std::string> row(size_t r, DateForm form = DateForm::YearMonthDay) {
        std::vector<std::string> cells;
        for (int c = 0; c < kSummaryColumns; ++c)
            cells.push_back(summaryCellText(list.rows().at(r), c, form, names()));
        return cells;
    }
    const PartyNames& names() {
        if (!names_)
            names_ = std::make_unique<PartyNames>();
        return *names_;
    }
    SummaryList list;

  private:
    std::unique_ptr<PartyNames> names_;
};

TEST_F(SummaryListTest, AmountSplitsIntoStoredTaxAndTheRest) {
    listDay({{2, 0, 1, 10, 1000, 48}, {2, 0, 1, 10, 500, 0}});
    EXPECT_THAT(row(0), ElementsAre(" 2003/ 12/ 5", "¥952", "¥952", "¥48", "¥48", "¥1,000",
                                    "¥1,000", "本店", "A酒店"));
    EXPECT_THAT(row(1), ElementsAre(" 2003/ 12/ 5", "¥500", "¥1,452", "¥", "¥48", "¥500", "¥1,500",
                                    "本店", "A酒店"));
    EXPECT_EQ(printedDate(list.rows()[0], DateForm::YearMonthDay), "03/ 12/ 5");
    EXPECT_EQ(printedDate(list.rows()[0], DateForm::MonthDay), " 12/ 5");
    EXPECT_EQ(summaryCellText(list.rows()[0], 0, DateForm::MonthDay, names()), " 12/ 5");
}

TEST_F(SummaryListTest, RunningSumsAddUp) {
    listDay({{2, 0, 1, 10, 500, 0}, {2, 0, 1, 10, 300, 0}});
    EXPECT_THAT(row(0), ElementsAre(" 2003/ 12/ 5", "¥500", "¥500", "¥", "¥", "¥500", "¥500",
                                    "本店", "A酒店"));
    EXPECT_THAT(row(1), ElementsAre(" 2003/ 12/ 5", "¥300", "¥800", "¥", "¥", "¥300", "¥800",
                                    "本店", "A酒店"));
}

// Every listed voucher gets its whole row, whatever the signs, and the totals add up.
TEST_F(SummaryListTest, ZeroNegativeAndOverTaxedVouchersGetWholeRowsAndTotalsAddUp) {
    listDay({{2, 0, 1, 10, 0, 0}, {2, 0, 1, 10, -200, 0}, {2, 0, 1, 10, 100, 150}});
    EXPECT_THAT(row(0), ElementsAre(" 2003/ 12/ 5", "¥", "¥", "¥", "¥", "¥", "¥", "本店", "A酒店"));
    EXPECT_THAT(row(1), ElementsAre(" 2003/ 12/ 5", "-¥200", "-¥200", "¥", "¥", "-¥200", "-¥200",
                                    "本店", "A酒店"));
    EXPECT_THAT(row(2), ElementsAre(" 2003/ 12/ 5", "-¥50", "-¥250", "¥150", "¥150", "¥100",
                                    "-¥100", "本店", "A酒店"));
    const SummaryTotals& t = list.totals();
    EXPECT_EQ(t.exTax, -250);
    EXPECT_EQ(t.tax, 150);
    EXPECT_EQ(t.amount, -100);
    EXPECT_EQ(t.exTax + t.tax, t.amount);
}

TEST_F(SummaryListTest, PlaceNamesByKindAndId) {
    listDay(
        {{1, -1, 2, 0, 1}, {2, 0, 4, 3, 1}, {4, 1, 2, 1, 1}, {4, 6, 0, 0, 1}, {4, 0, 1, 11, 1}});
    EXPECT_EQ(row(0)[7], "") << "a supplier outside the register";
    EXPECT_EQ(row(0)[8], "本店");
    EXPECT_EQ(row(1)[8], "りそな 渋谷 7654321") << "further slot 2";
    EXPECT_EQ(row(2)[7], "みずほ 新宿 1234567");
    EXPECT_EQ(row(2)[8], "本部");
    EXPECT_EQ(row(3)[7], "") << "a bank id above 5 names nothing";
    EXPECT_EQ(row(3)[8], "") << "kind 0";
    EXPECT_EQ(row(4)[7], "");
    EXPECT_EQ(row(4)[8], "B青果") << "another department's supplier is still named";
}

TEST_F(SummaryListTest, EmptyListHasYenMarksAsTotals) {
    listDay({});
    EXPECT_TRUE(list.rows().empty());
    EXPECT_EQ(yen(list.totals().exTax), "¥");
    EXPECT_EQ(yen(list.totals().tax), "¥");
    EXPECT_EQ(yen(list.totals().amount), "¥");
}

TEST_F(SummaryListTest, AmountFormTable) {
    const std::pair<double, const char*> cases[] = {
        {1234, "¥1,234"}, {-1234, "-¥1,234"},      {0, "¥"},       {0.5, "¥1"},
        {-0.5, "-¥1"},    {1e9, "¥1,000,000,000"}, {999.4, "¥999"}};
    for (auto [value, text] : cases)
        EXPECT_EQ(yen(value), text) << value;
}

} // namespace
