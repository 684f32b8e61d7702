// Which days of which months the summaries list, and listing over them from the files.
#include "summaries/core/summary_list.h"
#include "summaries_fixture.h"

#include <gmock/gmock.h>

using namespace lukana;
using summaries_test::Voucher;
using ::testing::ElementsAre;

namespace {

class PeriodsTest : public summaries_test::SummariesFixture {
  protected:
    // One voucher of that day's number as its amount on every day from..to.
    void voucherEveryDay(CivilDate from, CivilDate to) {
        for (long long d = serialDay(from.year, from.month, from.day);
             d <= serialDay(to.year, to.month, to.day); ++d) {
            const CivilDate c = normalizeDate(1970, 1, 1 + d);
            add(c.year, c.month, c.day, {2, 0, 1, 10, static_cast<double>(c.day)});
        }
        writeMonths();
    }
    // "y/m/d" of every listed row.
    std::vector<std::string> listed(const std::vector<MonthSpan>& spans, bool restart = true) {
        filterSel.fill(0);
        listSpans("本店", spans, VoucherFilter::fromSelection(summaryPartyList(), kBothMatch),
                  restart, list, *buffer);
        std::vector<std::string> dates;
        for (const SummaryRow& r : list.rows())
            dates.push_back(std::to_string(r.year) + "/" + std::to_string(r.month) + "/" +
                            std::to_string(r.day));
        return dates;
    }
    SummaryList list;
};

TEST_F(PeriodsTest, DefaultPeriodIsTheFiscalYearOfTheWorkingDate) {
    struct Case {
        int y, m, d, kesanTuki, kesanBi;
        CivilDate start, end;
    };
    const Case cases[] = {
        {2003, 4, 10, 3, 31, {2003, 4, 1}, {2004, 3, 31}},
        {2003, 3, 31, 3, 31, {2002, 4, 1}, {2003, 3, 31}},
        {2003, 1, 5, 3, 31, {2002, 4, 1}, {2003, 3, 31}},
        {2003, 1, 1, 12, 31, {2003, 1, 1}, {2003, 12, 31}},
        {2003, 12, 31, 12, 31, {2003, 1, 1}, {2003, 12, 31}},
        {2003, 7, 1, 2, 30, {2003, 3, 3}, {2004, 3, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.y) + "/" + std::to_string(c.m) + "/" + std::to_string(c.d));
        const VoucherDateSpan p = defaultPeriod(c.y, c.m, c.d, c.kesanTuki, c.kesanBi);
        EXPECT_EQ(p.start, c.start);
        EXPECT_EQ(p.end, c.end);
    }
}

TEST_F(PeriodsTest, MonthsOfAPeriodCoverEachDayOnce) {
    EXPECT_THAT(periodMonths({{2003, 12, 15}, {2004, 1, 10}}),
                ElementsAre(MonthSpan{2003, 12, 15, 31}, MonthSpan{2004, 1, 1, 10}));
    EXPECT_THAT(periodMonths({{2003, 5, 7}, {2003, 5, 7}}), ElementsAre(MonthSpan{2003, 5, 7, 7}));
    EXPECT_THAT(periodMonths({{2003, 12, 20}, {2004, 2, 29}}),
                ElementsAre(MonthSpan{2003, 12, 20, 31}, MonthSpan{2004, 1, 1, 31},
                            MonthSpan{2004, 2, 1, 29}));
    EXPECT_TRUE(periodMonths({{2004, 1, 10}, {2003, 12, 15}}).empty());
    EXPECT_THAT(periodMonths({{2004, 1, 10}, {2004, 1, 9}}), ElementsAre(MonthSpan{2004, 1, 10, 9}))
        << "lists nothing";
    EXPECT_EQ(periodMonths({{2001, 12, 31}, {2003, 1, 1}}).size(), 14u);
}

TEST_F(PeriodsTest, ListingAPeriodTakesEveryDayOnceInCalendarOrder) {
    voucherEveryDay({2003, 12, 10}, {2004, 1, 15});
    const auto dates = listed(periodMonths({{2003, 12, 15}, {2004, 1, 10}}));
    ASSERT_EQ(dates.size(), 27u);
    EXPECT_EQ(dates.front(), "2003/12/15");
    EXPECT_EQ(dates[16], "2003/12/31");
    EXPECT_EQ(dates[17], "2004/1/1");
    EXPECT_EQ(dates.back(), "2004/1/10");
    // Running sums start again with every month; the totals cover the period.
    EXPECT_EQ(list.rows()[16].sumAmount,
              15 + 16 + 17 + 18 + 19 + 20 + 21 + 22 + 23 + 24 + 25 + 26 + 27 + 28 + 29 + 30 + 31);
    EXPECT_EQ(list.rows()[17].sumAmount, 1);
    EXPECT_EQ(list.totals().amount, 391 + 55);
}

TEST_F(PeriodsTest, ThreeCalendarYears) {
    voucherEveryDay({2001, 12, 31}, {2002, 1, 1});
    voucherEveryDay({2002, 12, 31}, {2003, 1, 1});
    EXPECT_THAT(listed(periodMonths({{2001, 12, 31}, {2003, 1, 1}})),
                ElementsAre("2001/12/31", "2002/1/1", "2002/12/31", "2003/1/1"));
}

TEST_F(PeriodsTest, MissingMonthBetweenTwoAndOlderFileNames) {
    voucherEveryDay({2003, 1, 31}, {2003, 1, 31});
    add(2003, 3, 1, {2, 0, 1, 10, 1});
    writeMonths(true);
    EXPECT_THAT(listed(periodMonths({{2003, 1, 1}, {2003, 3, 31}})),
                ElementsAre("2003/1/31", "2003/3/1"));
}

TEST_F(PeriodsTest, DepartmentThatCannotBeAFolderReadsAsEmptyMonths) {
    voucherEveryDay({2003, 5, 1}, {2003, 5, 31});
    const std::vector<MonthSpan> may = periodMonths({{2003, 5, 1}, {2003, 5, 31}});
    ASSERT_EQ(listed(may).size(), 31u); // the buffer now holds May of 本店
    for (const char* name : {"a/b", "..", "", "本店:"}) {
        SCOPED_TRACE(name);
        // A file where the name would lead if it were taken as a path.
        const std::filesystem::path there = std::filesystem::path(dataRoot()) / name;
        std::filesystem::create_directories(there);
        std::filesystem::copy_file(denpyouPath("本店", 2003, 5), there / "20035u.dat",
                                   std::filesystem::copy_options::overwrite_existing);
        EXPECT_FALSE(loadListedMonth(name, 2003, 5, *buffer));
        filterSel.fill(0);
        listSpans(name, may, VoucherFilter::fromSelection(summaryPartyList(), kBothMatch), true,
                  list, *buffer);
        EXPECT_TRUE(list.rows().empty());
        EXPECT_EQ(list.totals().amount, 0);
    }
}

TEST_F(PeriodsTest, ClosingDayMonth) {
    struct Case {
        ShownMonth shown;
        int c;
        std::vector<MonthSpan> spans;
    };
    const Case cases[] = {
        {{2003, 3}, 25, {{2003, 2, 26, 28}, {2003, 3, 1, 25}}},
        {{2004, 3}, 25, {{2004, 2, 26, 29}, {2004, 3, 1, 25}}},
        {{2003, 3}, 31, {{2003, 3, 1, 31}}},
        {{2003, 3}, 0, {{2003, 3, 1, 31}}},
        {{2003, 3}, 30, {{2003, 2, 31, 28}, {2003, 3, 1, 30}}},
        {{2003, 2}, 30, {{2003, 1, 31, 31}, {2003, 2, 1, 30}}},
        {{2003, 1}, 15, {{2002, 12, 16, 31}, {2003, 1, 1, 15}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.shown.month) + " c=" + std::to_string(c.c));
        EXPECT_EQ(closingDayMonths(c.shown, c.c), c.spans);
    }
}

TEST_F(PeriodsTest, ClosingDayListingRunsItsSumsOnAcrossTheMonths) {
    voucherEveryDay({2003, 2, 20}, {2003, 3, 31});
    const auto dates = listed(closingDayMonths({2003, 3}, 25), false);
    ASSERT_EQ(dates.size(), 28u);
    EXPECT_EQ(dates.front(), "2003/2/26");
    EXPECT_EQ(dates[3], "2003/3/1");
    EXPECT_EQ(dates.back(), "2003/3/25");
    EXPECT_EQ(list.rows()[3].sumAmount, 26 + 27 + 28 + 1);
}

TEST_F(PeriodsTest, MonthStepsStopAtTheEndsOfTheYears) {
    EXPECT_EQ(stepMonth({2003, 1}, -1).year, 2002);
    EXPECT_EQ(stepMonth({2003, 1}, -1).month, 12);
    EXPECT_EQ(stepMonth({2003, 12}, 1).year, 2004);
    EXPECT_EQ(stepMonth({2003, 12}, 1).month, 1);
    EXPECT_EQ(stepMonth({1, 1}, -1).year, 1);
    EXPECT_EQ(stepMonth({1, 1}, -1).month, 1);
    EXPECT_EQ(stepMonth({9999, 12}, 1).year, 9999);
    EXPECT_EQ(stepMonth({9999, 12}, 1).month, 12);
    EXPECT_EQ(stepMonth({9999, 11}, 1).month, 12);
}

} // namespace
