#include "analysis/pie_chart.h"
#include "chart_fixture.h"

#include <QRegularExpression>

#include <cmath>
#include <gtest/gtest.h>

using namespace lukana;
using namespace analysis_fixtures;

namespace {

struct PieSurfaces : RankingSurfaces {
    std::optional<int> draw(const Analysis& a) {
        return drawPieChart(figure.surface, texts.surface, a, scale);
    }
};

// The end angles of the wedges drawn.
std::vector<double> wedgeEnds(const QStringList& calls) {
    std::vector<double> ends;
    for (const QString& call : calls.filter(QRegularExpression("^pie ")))
        ends.push_back(call.section(' ', 4, 4).toDouble());
    return ends;
}

} // namespace

TEST(PieChart, ZeroValuesTakeNoColourAndTheLegendRunsFromTheSmallest) {
    PieSurfaces s;
    EXPECT_EQ(s.draw(*menuRanking({{"ビール", 30}, {"枝豆", 20}, {"焼酎", 0}})), 0);
    EXPECT_EQ(s.scale.count, 3);
    EXPECT_EQ(s.figure.calls().filter("fill "), (QStringList{"fill 0,0,255", "fill 0,255,0"}));
    const std::vector<double> ends = wedgeEnds(s.figure.calls());
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_NEAR(ends[0], 20.0 / 50 * 2 * 3.1415, 1e-6);
    EXPECT_NEAR(ends[1], 2 * 3.1415, 1e-6);
    EXPECT_TRUE(s.figure.calls().filter("pie ").front().startsWith("pie 4400,2800 2100 1"));
    EXPECT_EQ(s.texts.recording->texts(0),
              (QStringList{"120,10 【売れ筋メニュー 2003年 12月 1日～ 2003年 12月 31日 ",
                           "200,220  曜日:全て  時間帯:全て  客層:全て  分類:全て】",
                           "100,515 枝豆; 20", "100,715 ビール; 30"}));
    EXPECT_TRUE(s.texts.calls().contains("fillbox -140,540 20,640 0,0,255"));
    EXPECT_TRUE(s.texts.calls().contains("fillbox -140,740 20,840 0,255,0"));
    EXPECT_EQ(s.texts.calls().filter("scale "), QStringList{"scale -425,-115 7120,7100"});
    EXPECT_EQ(s.figure.calls().filter("scale "), QStringList{"scale -425,-115 6970,7100"});
}

TEST(PieChart, TenBestKeysGetTheTenColoursAndTheTopTenMark) {
    std::vector<std::pair<std::string, int>> items;
    for (int i = 0; i < 12; ++i)
        items.emplace_back("品" + std::to_string(i), 20 - i);
    PieSurfaces s;
    s.draw(*menuRanking(items));
    EXPECT_EQ(s.scale.count, 10);
    EXPECT_EQ(s.figure.calls().filter("fill "),
              (QStringList{"fill 0,0,255", "fill 0,255,0", "fill 0,255,255", "fill 255,0,0",
                           "fill 255,0,255", "fill 255,255,0", "fill 0,0,0", "fill 0,0,128",
                           "fill 0,128,0", "fill 0,128,128"}));
    EXPECT_EQ(s.texts.recording->texts(0)[1],
              "200,220  曜日:全て  時間帯:全て  客層:全て  分類:全て(上位10品)】");
    EXPECT_EQ(s.texts.recording->texts(0)[2], "100,515 品9; 11"); // the tenth, smallest first

    const auto hours = customerRanking({{20, 3}});
    EXPECT_EQ(hours->conditionLine(false, topTenMark(hours->kind(), 24)),
              " 曜日:全て  客層:全て(上位10)");
    EXPECT_EQ(topTenMark(AnalysisKind::Menu, 9), "");
}

TEST(PieChart, LongLabelTakesOneMoreRowForEachPiece) {
    const std::string name = "一二三四五六七八九十一二三四五六"; // 16 + "; 1" = 19 characters
    PieSurfaces s;
    s.draw(*menuRanking({{"枝豆", 5}, {name, 1}}));
    const QStringList calls = s.texts.calls();
    const int font = calls.indexOf("font 7");
    ASSERT_GT(font, 0);
    EXPECT_EQ(calls[font - 1], "fillbox -140,540 20,640 0,0,255");
    EXPECT_EQ(calls[font + 1], "text 100,520 " + QString::fromStdString(name));
    EXPECT_TRUE(calls[font + 2].startsWith("text 100,")); // below the first piece
    EXPECT_EQ(calls[font + 2].section(' ', 2), "; 1");
    EXPECT_EQ(calls[font + 3], "font 9");
    EXPECT_EQ(calls[font + 7], "fillbox -140,1140 20,1240 0,255,0"); // row 5, not 3
    EXPECT_EQ(calls[font + 8], "text 100,1115 枝豆; 5");
}

TEST(PieChart, PositiveValuesAloneShareTheCircle) {
    // A negative value lowers nothing: the sectors end at the circle's end, never past it.
    PieSurfaces s;
    s.draw(*menuRanking({{"a", 30}, {"b", 20}, {"c", -10}}));
    const std::vector<double> ends = wedgeEnds(s.figure.calls());
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_NEAR(ends.back(), 2 * 3.1415, 1e-5);

    PieSurfaces one;
    one.draw(*menuRanking({{"a", 7}, {"b", 0}}));
    EXPECT_EQ(wedgeEnds(one.figure.calls()).size(), 1u);
    EXPECT_NEAR(wedgeEnds(one.figure.calls()).front(), 6.283, 1e-5);
}

TEST(PieChart, NothingPositiveLeavesTheHeadlineAlone) {
    PieSurfaces s;
    EXPECT_EQ(s.draw(*customerRanking({})), 0);
    EXPECT_EQ(s.texts.recording->texts(0).size(), 2);
    EXPECT_TRUE(s.texts.calls().filter("pie ").isEmpty());
    EXPECT_TRUE(s.figure.calls().filter("pie ").isEmpty());

    PieSurfaces empty;
    empty.scale = {4, 0, 0};
    EXPECT_EQ(empty.draw(*menuRanking({})), std::nullopt);
    EXPECT_EQ(empty.scale.count, 4);
}

TEST(PieChart, PictureIsRoundAndRunsCounterClockwise) {
    PieSurfaces s;
    s.draw(*menuRanking({{"a", 30}, {"b", 20}}));
    const QImage image = s.figure.surface.image();
    const QRectF scale(-425, -115, 7395, 7215);
    const auto at = [&](double degrees, double radius) {
        const double r = degrees * M_PI / 180;
        return colorAt(image, scale,
                       {4400 + radius * 2100 * std::cos(r), 2800 - radius * 2100 * std::sin(r)});
    };
    EXPECT_EQ(at(72, 0.5), QColor(0, 0, 255));  // the 20 from 3 o'clock up
    EXPECT_EQ(at(252, 0.5), QColor(0, 255, 0)); // the 30 after it
    EXPECT_EQ(at(90, 0.95), QColor(0, 0, 255));
    EXPECT_EQ(at(90, 1.05), QColor(Qt::white));
    EXPECT_EQ(at(0, 1.05), QColor(Qt::white));
}

TEST(PieChart, LabelsBeyondOneHundredTwentyEightCharactersStayAtOnePoint) {
    PieSurfaces s;
    s.draw(*menuRanking({{std::string(200, 'x'), 1}}));
    EXPECT_TRUE(s.texts.calls().contains("font 1"));
    EXPECT_TRUE(s.texts.calls().filter(QRegularExpression("^font (-|0)")).isEmpty());
}
