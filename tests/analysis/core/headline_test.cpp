#include "analysis/core/analysis.h"
#include "analysis/core/headline.h"
#include "month_fixture.h"

#include <gtest/gtest.h>

using namespace lukana;

TEST(Headline, TitlesAndPeriodLines) {
    const AnalysisPeriod p{2003, 11, 15, 2003, 12, 10};
    EXPECT_EQ(periodLine(AnalysisKind::Customers, p),
              "【集客状況 2003年 11月 15日～ 2003年 12月 10日 ");
    EXPECT_EQ(periodLine(AnalysisKind::Menu, {2003, 12, 1, 2003, 12, 31}),
              "【売れ筋メニュー 2003年 12月 1日～ 2003年 12月 31日 ");
    EXPECT_EQ(reportTitle(AnalysisKind::Customers), "集客状況レポート");
    EXPECT_EQ(reportTitle(AnalysisKind::Menu), "売れ筋メニューレポート");
    EXPECT_EQ(keyTitle("0時"), "【0時】");
}

TEST(Headline, ConditionLines) {
    Filters all;
    EXPECT_EQ(conditionLine(AnalysisKind::Customers, all, "全て", true), " 曜日:全て  客層:全て");
    EXPECT_EQ(conditionLine(AnalysisKind::Menu, all, "全て", true),
              " 曜日:全て  時間帯:全て  客層:全て  分類:全て】");

    Filters f;
    f.weekday = 6;
    f.arrivalSlot = 10;
    f.customerType = kMenGroup;
    f.detailCounts = {2, 1, 0, 0}; // not the detailed type: no counts written
    EXPECT_EQ(conditionLine(AnalysisKind::Menu, f, "飲物", true),
              " 曜日:金曜日  時間帯: 18時～ 20時  客層:男性グループ  分類:飲物】");

    Filters detailed;
    detailed.customerType = kDetailed;
    detailed.detailCounts = {2, 0, 0, 0};
    detailed.detailModes = {kAtLeast, kExactly, kExactly, kExactly};
    const std::string line = conditionLine(AnalysisKind::Customers, detailed, "", true);
    EXPECT_EQ(line, " 曜日:全て  客層:詳細設定  男性: 2人以上  女性: 0人ピタ  男児: 0人ピタ  "
                    "女児: 0人ピタ");
    EXPECT_EQ(conditionLine(AnalysisKind::Customers, detailed, "", false),
              " 曜日:全て  客層:詳細設定");
    EXPECT_EQ(conditionLine(AnalysisKind::Menu, detailed, "全て", true),
              " 曜日:全て  時間帯:全て  客層:詳細設定  男性: 2人以上  女性: 0人ピタ  男児: "
              "0人ピタ  女児: 0人ピタ  分類:全て】");
}

TEST(Headline, SplitsByCharactersNotBytes) {
    const auto repeat = [](const std::string& piece, int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += piece;
        return s;
    };
    struct Case {
        int chars;
        std::vector<std::size_t> lineChars;
    } cases[] = {{45, {45}}, {46, {45, 1}}, {100, {45, 45, 10}}, {55, {45, 10}}, {1, {1}}};
    for (const Case& c : cases) {
        const auto lines = splitByCharacters(repeat("曜", c.chars));
        ASSERT_EQ(lines.size(), c.lineChars.size()) << c.chars;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], repeat("曜", static_cast<int>(c.lineChars[i]))) << c.chars;
    }
    const auto mixed = splitByCharacters(repeat("a曜", 30));
    ASSERT_EQ(mixed.size(), 2u);
    EXPECT_EQ(mixed[1], repeat("曜a", 7) + "曜");

    // The 55 characters of a customer condition line with the detailed condition.
    Filters detailed;
    detailed.customerType = kDetailed;
    const auto printed =
        splitByCharacters(conditionLine(AnalysisKind::Customers, detailed, "", true));
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0], " 曜日:全て  客層:詳細設定  男性: 0人ピタ  女性: 0人ピタ  男児: 0人ピタ");
    EXPECT_EQ(printed[1], "  女児: 0人ピタ");
}

TEST(Headline, ChartLabelsShrinkAndWrapByTheirSixteenCharacterPieces) {
    const auto repeat = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += "曜";
        return s;
    };
    struct Case {
        int chars;
        int lineBase;
        int points;
        std::vector<int> lineChars;
    } cases[] = {
        {0, 16, 9, {0}},                   // an empty label is one empty line
        {16, 16, 9, {16}},                 // one piece stays whole
        {17, 16, 7, {16, 1}},              // two pieces: 7 points, lines of the base
        {17, 11, 7, {11, 6}},              // the screen's bar chart cuts shorter
        {40, 16, 6, {19, 19, 2}},          // three pieces: three characters a line more
        {112, 16, 2, {31, 31, 31, 19}},    // seven pieces
        {113, 11, 1, {29, 29, 29, 26}},    // eight pieces: the smallest size
        {200, 16, 1, {49, 49, 49, 49, 4}}, // never below 1 point
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chars);
        const ChartLabelLines shaped = chartLabelLines(repeat(c.chars), c.lineBase);
        EXPECT_EQ(shaped.points, c.points);
        EXPECT_EQ(shaped.wrapped(), c.lineChars.size() > 1);
        ASSERT_EQ(shaped.lines.size(), c.lineChars.size());
        for (std::size_t i = 0; i < shaped.lines.size(); ++i)
            EXPECT_EQ(shaped.lines[i], repeat(c.lineChars[i]));
    }
}

TEST(Headline, AnalysisKeepsTheFiltersOfItsCalculation) {
    analysis_fixtures::MemoryMonths months;
    Filters detailed;
    detailed.customerType = kDetailed;
    detailed.detailCounts = {2, 0, 0, 0};
    Analysis a(AnalysisKind::Customers);
    a.recalculate({2003, 12, 1, 2003, 12, 31}, detailed, {}, months);
    EXPECT_EQ(a.periodLine(), "【集客状況 2003年 12月 1日～ 2003年 12月 31日 ");
    EXPECT_EQ(a.conditionLine(true), " 曜日:全て  客層:詳細設定  男性: 2人ピタ  女性: 0人ピタ  "
                                     "男児: 0人ピタ  女児: 0人ピタ");
    EXPECT_EQ(a.categoryText(), "全て");
}
