#include "analysis/core/analysis_csv.h"
#include "month_fixture.h"

#include <gtest/gtest.h>

using namespace lukana;
using namespace analysis_fixtures;

TEST(AnalysisCsv, CustomerTableOfDecember) {
    MemoryMonths months;
    months.addSlip(2003, 12, 5, {2, 1}, {20, 0, 21, 30});
    Analysis a(AnalysisKind::Customers);
    a.recalculate({2003, 12, 1, 2003, 12, 31}, {}, {}, months);
    EXPECT_EQ(rankingTableCsv(a), decemberCustomerTableCsv());
}

TEST(AnalysisCsv, MenuTableQuotesANameWithAQuote) {
    MemoryMonths months;
    months.addSlip(2003, 12, 5, {1}, {19, 0, 20, 0}, {{3, 2}});
    MenuCatalogue menu;
    menu.items = {menuItem(3, "\"極\"ハイボール"), menuItem(4, "枝豆")};
    Analysis a(AnalysisKind::Menu);
    a.recalculate({2003, 12, 1, 2003, 12, 31}, {}, menu, months);
    EXPECT_EQ(rankingTableCsv(a), "売れ筋メニューレポート\r\n"
                                  "【売れ筋メニュー 2003年 12月 1日～ 2003年 12月 31日 \r\n"
                                  " 曜日:全て  時間帯:全て  客層:全て  分類:全て】\r\n"
                                  "順位,メニュー名,オーダー数\r\n"
                                  "1,\"\"\"極\"\"ハイボール\",2\r\n"
                                  "2,枝豆,0\r\n");

    a.recalculate({2003, 12, 1, 2003, 12, 31}, {}, {}, months);
    EXPECT_EQ(rankingTableCsv(a), "売れ筋メニューレポート\r\n"
                                  "【売れ筋メニュー 2003年 12月 1日～ 2003年 12月 31日 \r\n"
                                  " 曜日:全て  時間帯:全て  客層:全て  分類:全て】\r\n"
                                  "順位,メニュー名,オーダー数\r\n");
}

TEST(AnalysisCsv, SeriesOfAnHourByMonthAndAfterARecalculation) {
    MemoryMonths months;
    months.addSlip(2003, 12, 5, {2}, {20, 0, 20, 30});
    months.addSlip(2004, 1, 9, {1}, {20, 0, 20, 30});
    Filters f;
    f.customerType = kDetailed;
    f.detailCounts = {2, 0, 0, 0};
    f.detailModes = {kAtLeast, kExactly, kExactly, kExactly};
    Analysis a(AnalysisKind::Customers);
    a.recalculate({2003, 12, 1, 2004, 1, 31}, f, {}, months);
    a.buildSeries(1, LineAxis::Months);
    const std::string header = "集客状況レポート【20時】\r\n"
                               "【集客状況 2003年 12月 1日～ 2004年 1月 31日 \r\n"
                               " 曜日:全て  客層:詳細設定  男性: 2人以上  女性: 0人ピタ  男児: "
                               "0人ピタ  女児: 0人ピタ\r\n";
    EXPECT_EQ(lineSeriesCsv(a), header + "12月,2\r\n1月,0\r\n");

    a.recalculate({2003, 12, 1, 2004, 1, 31}, f, {}, months);
    EXPECT_EQ(lineSeriesCsv(a), header);
}
