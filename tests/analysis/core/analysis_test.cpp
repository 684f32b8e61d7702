#include "analysis/core/analysis.h"
#include "month_fixture.h"
#include "storage/routines.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace lukana;
using namespace analysis_fixtures;

namespace {

AnalysisPeriod period(int fy, int fm, int fd, int ty, int tm, int td) {
    return {fy, fm, fd, ty, tm, td};
}

std::vector<std::string> labels(const RowTable& table) {
    std::vector<std::string> out;
    for (int r = 0; r < table.rows(); ++r)
        out.push_back(table.label(r));
    return out;
}

std::vector<std::int64_t> column(const RowTable& table, int key) {
    std::vector<std::int64_t> out;
    for (int r = 0; r < table.rows(); ++r)
        out.push_back(table.value(key, r));
    return out;
}

// One person from 19:00 to 19:30: hour 19 only.
constexpr Stay kAtSeven{19, 0, 19, 30};

} // namespace

TEST(CustomerAnalysis, ReadsEachMonthOnceIntoOneBuffer) {
    MemoryMonths months;
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 11, 15, 2004, 2, 10), {}, {}, months);
    const std::vector<std::pair<int, int>> expected{{2003, 11}, {2003, 12}, {2004, 1}, {2004, 2}};
    EXPECT_EQ(months.reads, expected);
    for (const NippouMonth* buffer : months.buffers)
        EXPECT_EQ(buffer, months.buffers.front());
}

TEST(CustomerAnalysis, StartAfterEndReadsNothingAndRanksEveryHourFirst) {
    MemoryMonths months;
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2004, 3, 1, 2004, 2, 1), {}, {}, months);
    EXPECT_TRUE(months.reads.empty());
    ASSERT_EQ(a.rows().size(), 24u);
    EXPECT_EQ(a.rows().front().label, "23時");
    EXPECT_EQ(a.rows().back().label, "0時");
    for (const RankingRow& row : a.rows())
        EXPECT_EQ(row.rank, 1);
    EXPECT_EQ(a.figures().months.rows(), 0);
    EXPECT_EQ(a.figures().weeks.rows(), 0);
}

TEST(CustomerAnalysis, StartDayAfterEndDayInOneMonthClosesAnEmptyMonthRow) {
    MemoryMonths months;
    months.addSlip(2003, 12, 12, {1}, kAtSeven);
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 12, 20, 2003, 12, 10), {}, {}, months);
    EXPECT_EQ(months.reads.size(), 1u);
    EXPECT_EQ(labels(a.figures().months), std::vector<std::string>{"12月"});
    EXPECT_EQ(a.figures().days.rows(), 0);
    EXPECT_EQ(a.figures().weeks.rows(), 0);
    EXPECT_EQ(a.figures().totals[19], 0);
}

TEST(CustomerAnalysis, RanksTiesLaterHourFirstWithSharedRank) {
    MemoryMonths months;
    for (int i = 0; i < 10; ++i) {
        months.addSlip(2003, 12, 1, {1}, {21, 0, 21, 30});
        months.addSlip(2003, 12, 2, {1}, {20, 0, 20, 30});
    }
    months.addSlip(2003, 12, 3, {5}, kAtSeven);
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, {}, months);
    ASSERT_EQ(a.rows().size(), 24u);
    const std::vector<std::pair<std::string, int>> top{{"21時", 1}, {"20時", 1}, {"19時", 3},
                                                       {"23時", 4}, {"22時", 4}, {"18時", 4}};
    for (std::size_t p = 0; p < top.size(); ++p) {
        EXPECT_EQ(a.rows()[p].label, top[p].first) << p;
        EXPECT_EQ(a.rows()[p].rank, top[p].second) << p;
    }
    EXPECT_EQ(a.rows()[0].value, 10);
    EXPECT_EQ(a.rowKey(1), 21);
    EXPECT_EQ(a.rowKey(3), 19);
}

TEST(CustomerAnalysis, HoursAfterMidnightAreCountedButNotRanked) {
    MemoryMonths months;
    months.addSlip(2003, 12, 5, {2, 1}, {22, 0, 1, 30});
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, {}, months);
    EXPECT_EQ(a.figures().totals[22], 3);
    EXPECT_EQ(a.figures().totals[24], 3);
    EXPECT_EQ(a.figures().totals[25], 3);
    for (const RankingRow& row : a.rows())
        EXPECT_NE(row.label, "24時");
}

TEST(CustomerAnalysis, RowsOfDecemberAndFebruaryOfALeapYear) {
    MemoryMonths months;
    months.addSlip(2003, 12, 1, {1}, kAtSeven);
    months.addSlip(2003, 12, 28, {2}, kAtSeven); // a Sunday: opens 4週
    months.addSlip(2004, 2, 29, {4}, kAtSeven);  // a Sunday, the period's last day
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 12, 1, 2004, 2, 29), {}, {}, months);
    const Aggregation& f = a.figures();

    EXPECT_EQ(f.days.rows(), 31 + 31 + 29); // no "30日" after February
    EXPECT_EQ(f.days.label(0), "12月1日");
    EXPECT_EQ(f.days.label(1), "2日");
    EXPECT_EQ(f.days.label(31), "1月1日");
    EXPECT_EQ(f.days.label(62), "2月1日");
    EXPECT_EQ(f.days.label(90), "29日");
    EXPECT_EQ(f.days.value(19, 0), 1);
    EXPECT_EQ(f.days.value(19, 90), 4);

    EXPECT_EQ(labels(f.months), (std::vector<std::string>{"12月", "1月", "2月"}));
    EXPECT_EQ(column(f.months, 19), (std::vector<std::int64_t>{3, 0, 4}));

    // Monday 1 December starts 0週; the Sunday 29 February is closed as the last week.
    ASSERT_EQ(f.weeks.rows(), 14);
    EXPECT_EQ(f.weeks.label(0), "0週");
    EXPECT_EQ(f.weeks.label(13), "13週");
    EXPECT_EQ(f.weeks.value(19, 0), 1);
    EXPECT_EQ(f.weeks.value(19, 4), 2);
    EXPECT_EQ(f.weeks.value(19, 13), 4);
    EXPECT_EQ(f.totals[19], 7);
}

TEST(CustomerAnalysis, PeriodFromASundayStartsWithItsOwnWeek) {
    MemoryMonths months;
    months.addSlip(2003, 12, 7, {3}, kAtSeven);  // Sunday
    months.addSlip(2003, 12, 17, {5}, kAtSeven); // Wednesday
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 12, 7, 2003, 12, 17), {}, {}, months);
    EXPECT_EQ(labels(a.figures().weeks), (std::vector<std::string>{"0週", "1週"}));
    EXPECT_EQ(column(a.figures().weeks, 19), (std::vector<std::int64_t>{3, 5}));
    EXPECT_EQ(a.figures().days.label(0), "7日");
}

TEST(CustomerAnalysis, SundayFilterKeepsSundayRowsAndEveryWeek) {
    MemoryMonths months;
    for (int day = 1; day <= 31; ++day)
        months.addSlip(2003, 12, day, {1}, kAtSeven);
    Filters sundays;
    sundays.weekday = 1;
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), sundays, {}, months);
    const Aggregation& f = a.figures();
    EXPECT_EQ(labels(f.days), (std::vector<std::string>{"7日", "14日", "21日", "28日"}));
    EXPECT_EQ(column(f.days, 19), (std::vector<std::int64_t>{1, 1, 1, 1}));
    EXPECT_EQ(column(f.weeks, 19), (std::vector<std::int64_t>{0, 1, 1, 1, 1}));
    EXPECT_EQ(column(f.months, 19), std::vector<std::int64_t>{4});
    EXPECT_EQ(f.totals[19], 4);
}

TEST(CustomerAnalysis, RowsStopAt366WhileTotalsGoOn) {
    MemoryMonths months;
    for (int year : {2003, 2004})
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= Nissuu(year, m); ++d)
                months.addSlip(year, m, d, {1}, kAtSeven);
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 1, 1, 2004, 12, 31), {}, {}, months);
    const Aggregation& f = a.figures();
    EXPECT_EQ(f.totals[19], 366 + 365);
    EXPECT_EQ(f.days.rows(), kMaxRows);
    EXPECT_EQ(f.days.label(365), "1月1日");
    EXPECT_EQ(f.months.rows(), 24);
    std::int64_t weekSum = 0;
    for (std::int64_t v : column(f.weeks, 19))
        weekSum += v;
    EXPECT_EQ(weekSum, 366 + 365);
}

TEST(CustomerAnalysis, AWholeYearKeepsEveryDay) {
    MemoryMonths months;
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2004, 1, 1, 2004, 12, 31), {}, {}, months);
    EXPECT_EQ(a.figures().days.rows(), 366);
    EXPECT_EQ(a.figures().days.label(365), "31日");
}

TEST(CustomerAnalysis, SeriesOfAnHourByDayWeekAndMonth) {
    MemoryMonths months;
    months.addSlip(2003, 12, 2, {2}, {20, 0, 20, 30});
    months.addSlip(2003, 12, 9, {3}, {20, 0, 20, 30});
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, {}, months);
    ASSERT_EQ(a.rowKey(1), 20);
    a.buildSeries(1, LineAxis::Weeks);
    EXPECT_EQ(a.series().labels, (std::vector<std::string>{"0週", "1週", "2週", "3週", "4週"}));
    EXPECT_EQ(a.series().values, (std::vector<std::int64_t>{2, 3, 0, 0, 0}));
    EXPECT_EQ(a.keyLabel(), "20時");
    a.buildSeries(1, LineAxis::Months);
    EXPECT_EQ(a.series().values, std::vector<std::int64_t>{5});
    a.buildSeries(1, LineAxis::Days);
    EXPECT_EQ(a.series().count(), 31);
    EXPECT_EQ(a.series().values[1], 2);

    a.buildSeries(0, LineAxis::Weeks); // the heading row: no key, an empty series
    EXPECT_EQ(a.series().count(), 0);
    EXPECT_EQ(a.keyLabel(), "20時");
    a.buildSeries(1, LineAxis::Days);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, {}, months);
    EXPECT_EQ(a.series().count(), 0);
    EXPECT_EQ(a.keyLabel(), "20時");
}

TEST(MenuAnalysis, RanksEveryItemOfTheMenuLaterItemFirstOnTies) {
    MemoryMonths months;
    months.addSlip(2003, 12, 3, {1}, kAtSeven, {{12, 3}, {14, 3}, {99, 50}, {13, 1}});
    MenuCatalogue menu;
    menu.items = {menuItem(12, "生ビール"), menuItem(13, "枝豆"), menuItem(14, "焼鳥"),
                  menuItem(15, "冷奴")};
    Analysis a(AnalysisKind::Menu);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, menu, months);
    ASSERT_EQ(a.rows().size(), 4u); // id 99 is no item: never shown
    const std::vector<std::pair<std::string, int>> expected{
        {"焼鳥", 1}, {"生ビール", 1}, {"枝豆", 3}, {"冷奴", 4}};
    for (std::size_t p = 0; p < expected.size(); ++p) {
        EXPECT_EQ(a.rows()[p].label, expected[p].first);
        EXPECT_EQ(a.rows()[p].rank, expected[p].second);
    }
    EXPECT_EQ(a.rowKey(1), 14);
    EXPECT_EQ(a.rows()[3].value, 0);
}

TEST(MenuAnalysis, CategoryNarrowsTheTableNotTheSeries) {
    MemoryMonths months;
    months.addSlip(2003, 12, 3, {1}, kAtSeven, {{1, 2}, {2, 5}});
    MenuCatalogue menu;
    menu.items = {menuItem(1, "ビール", 7), menuItem(2, "唐揚", 8), menuItem(3, "日本酒", 7)};
    menu.categories = {{7, "飲物"}, {8, "料理"}};
    Filters drinks;
    drinks.categoryChoice = 1;
    Analysis a(AnalysisKind::Menu);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), drinks, menu, months);
    ASSERT_EQ(a.rows().size(), 2u);
    EXPECT_EQ(a.rows()[0].label, "ビール");
    EXPECT_EQ(a.rows()[1].label, "日本酒"); // never ordered, still listed
    EXPECT_EQ(a.categoryText(), "飲物");
    a.buildSeries(1, LineAxis::Months);
    EXPECT_EQ(a.series().values, std::vector<std::int64_t>{2});
    EXPECT_EQ(a.keyLabel(), "ビール");
    EXPECT_EQ(a.figures().totals[KeyMap::menuIds(menu.items).keyOf(MenuId{2})], 5);
}

TEST(MenuAnalysis, ArrivalSlotAndCustomerTypeFilterTheLines) {
    MemoryMonths months;
    months.addSlip(2003, 12, 3, {1, 1}, {19, 40, 21, 0}, {{12, 3}});
    months.addSlip(2003, 12, 3, {2}, {20, 0, 21, 0}, {{12, 4}});
    months.addSlip(2003, 12, 3, {1}, {25, 30, 26, 0}, {{12, 5}});
    months.addSlip(2003, 12, 3, {3}, {19, 0, 20, 0}); // no lines: nothing
    MenuCatalogue menu;
    menu.items = {menuItem(12, "ハイボール")};
    struct Case {
        int slot, type;
        std::int64_t total;
    } cases[] = {{0, 0, 12}, {10, 0, 7}, {11, 0, 4}, {13, 0, 5}, {1, 0, 0}, {10, kCouple, 3}};
    for (const Case& c : cases) {
        Filters f;
        f.arrivalSlot = c.slot;
        f.customerType = c.type;
        Analysis a(AnalysisKind::Menu);
        a.recalculate(period(2003, 12, 1, 2003, 12, 31), f, menu, months);
        EXPECT_EQ(a.rows().at(0).value, c.total) << "slot " << c.slot << " type " << c.type;
    }
}

TEST(MenuAnalysis, SeriesKeepsTheLastItemOfAnIdAndNoMenuRanksNothing) {
    MemoryMonths months;
    months.addSlip(2003, 12, 3, {1}, kAtSeven, {{5, 2}});
    MenuCatalogue menu;
    menu.items = {menuItem(5, "初代"), menuItem(6, "別品"), menuItem(5, "二代目")};
    Analysis a(AnalysisKind::Menu);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, menu, months);
    ASSERT_EQ(a.rows().size(), 3u);
    EXPECT_EQ(a.rows()[0].label, "二代目");
    a.buildSeries(2, LineAxis::Days); // "初代", id 5 too: the last item of id 5 is chosen
    EXPECT_EQ(a.keyLabel(), "二代目");
    EXPECT_EQ(a.series().values[2], 2);

    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, {}, months);
    EXPECT_TRUE(a.rows().empty());
}

TEST(CustomerAnalysis, TotalsAndCellsGoPastSixteenBits) {
    MemoryMonths months;
    months.addSlip(2003, 12, 2, {20000}, kAtSeven);
    months.addSlip(2003, 12, 2, {0, 20000}, kAtSeven);
    Analysis a(AnalysisKind::Customers);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, {}, months);
    const Aggregation& f = a.figures();
    EXPECT_EQ(f.totals[19], 40000);
    EXPECT_EQ(column(f.days, 19)[1], 40000);
    EXPECT_EQ(column(f.weeks, 19)[0], 40000);
    EXPECT_EQ(column(f.months, 19), std::vector<std::int64_t>{40000});
    EXPECT_EQ(a.rows().front().value, 40000);
    a.buildSeries(1, LineAxis::Weeks);
    EXPECT_EQ(a.series().values.front(), 40000);
}

TEST(MenuAnalysis, IdsUpTo32767AndQuantitiesPastSixteenBitsAreCounted) {
    MemoryMonths months;
    months.addSlip(2003, 12, 3, {1}, kAtSeven, {{3001, 30000}, {32767, 7}, {40000, 9}, {-1, 3}});
    months.addSlip(2003, 12, 4, {1}, kAtSeven, {{3001, 30000}});
    MenuCatalogue menu;
    menu.items = {menuItem(3001, "燗酒"), menuItem(32767, "梅酒"), menuItem(2, "水")};
    Analysis a(AnalysisKind::Menu);
    a.recalculate(period(2003, 12, 1, 2003, 12, 31), {}, menu, months);
    ASSERT_EQ(a.rows().size(), 3u); // ids that are no item's are never shown
    EXPECT_EQ(a.rows()[0].label, "燗酒");
    EXPECT_EQ(a.rows()[0].value, 60000);
    EXPECT_EQ(a.rowKey(1), 3001);
    EXPECT_EQ(a.rows()[1].label, "梅酒");
    EXPECT_EQ(a.rows()[1].value, 7);
    EXPECT_EQ(a.rowKey(2), 32767);
    a.buildSeries(1, LineAxis::Months);
    EXPECT_EQ(a.series().values, std::vector<std::int64_t>{60000});
    a.buildSeries(2, LineAxis::Days);
    EXPECT_EQ(a.series().values[2], 7);
    EXPECT_EQ(a.keyLabel(), "梅酒");
}
