#include "analysis/bar_chart.h"
#include "chart_fixture.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace lukana;
using namespace analysis_fixtures;

namespace {

struct BarSurfaces : RankingSurfaces {
    std::optional<int> draw(const Analysis& a) {
        return drawBarChart(figure.surface, texts.surface, a, scale);
    }
};

std::vector<std::pair<std::string, int>> items(int n, int value = 1) {
    std::vector<std::pair<std::string, int>> out;
    for (int i = 0; i < n; ++i)
        out.emplace_back("品" + std::to_string(i), value);
    return out;
}

// The calls after the last one that matches.
QStringList after(const QStringList& calls, const QString& call) {
    return calls.mid(calls.lastIndexOf(call) + 1);
}

} // namespace

TEST(BarChart, SurfaceHeightAndScrollMaximumFollowTheNumberOfKeys) {
    struct Case {
        int keys, heightTwips, scrollMaximum;
    };
    for (const Case c : {Case{1, 2100, 0}, Case{6, 5100, 0}, Case{7, 5700, 6}}) {
        BarSurfaces s;
        EXPECT_EQ(s.draw(*menuRanking(items(c.keys))), c.scrollMaximum) << c.keys;
        EXPECT_EQ(s.texts.surface.heightTwips(), c.heightTwips);
        EXPECT_EQ(s.figure.surface.heightTwips(), c.heightTwips);
        EXPECT_EQ(s.scale, (RankingScale{c.keys, 1, 0}));
    }
    BarSurfaces s;
    EXPECT_EQ(s.draw(*customerRanking({})), 108);
    EXPECT_EQ(s.texts.surface.heightTwips(), 15900);
    EXPECT_EQ(rankingScrollMaximum(600 * 501 + 1500), 2970); // past 32767 twips of offset
}

TEST(BarChart, DrawsHeadlineFrameBarsValuesAndScaleInOrder) {
    BarSurfaces s;
    s.draw(*menuRanking({{"ビール", 57}, {"枝豆", 19}}));
    const QStringList frame{"fore 0,0,255",
                            "width 3",
                            "line 0,0 2000,0",
                            "line 0,200 2000,200",
                            "line 2000,0 2000,200",
                            "line 0,0 0,200",
                            "line 1000,10 1000,0",
                            "line 1000,200 1000,190",
                            "fore 0,0,0",
                            "width 1",
                            "font 9"};
    QStringList figure = QStringList{"clear", "scale -50,-100 2050,600"} + frame;
    figure << "fillbox 2000,20 0,80 255,0,0"
           << "fillbox 666.6666667,120 0,180 255,0,0";
    EXPECT_EQ(after(s.figure.calls(), "clear"), figure.mid(1));
    QStringList texts{"scale -850,-300 2150,400",
                      "text -800,-250 【売れ筋メニュー 2003年 12月 1日～ 2003年 12月 31日 ",
                      "text -400,-180  曜日:全て  時間帯:全て  客層:全て  分類:全て】"};
    texts << frame;
    texts << "text -830,40 ビール"
          << "fillbox 2000,20 0,80 255,0,0"
          << "text 2000,35  57 "
          << "text -830,140 枝豆"
          << "fillbox 666.6666667,120 0,180 255,0,0"
          << "text 666.6666667,135  19 "
          << "font 10"
          << "text -50,-70  0"
          << "text 950,-70  28.5"
          << "text 1950,-70  57"
          << "font 9";
    EXPECT_EQ(after(s.texts.calls(), "clear"), texts);
}

TEST(BarChart, ScaleValuesHaveNoZeroBeforeThePoint) {
    BarSurfaces s;
    s.draw(*menuRanking({{"a", 1}, {"b", 0}}));
    EXPECT_EQ(s.texts.recording->texts(0).mid(4),
              (QStringList{"-830,140 b", "0,135  0 ", "-50,-70  0", "950,-70  .5", "1950,-70  1"}));
}

TEST(BarChart, AllZeroRankingDrawsFrameHeadlineAndZeroScaleOnly) {
    BarSurfaces s;
    EXPECT_EQ(s.draw(*customerRanking({})), 108);
    const QStringList calls = after(s.texts.calls(), "clear");
    EXPECT_EQ(calls.filter("fillbox").size(), 0);
    EXPECT_EQ(calls.filter("line ").size(), 6);
    EXPECT_EQ(s.texts.recording->texts(0),
              (QStringList{"-800,-250 【集客状況 2003年 12月 1日～ 2003年 12月 31日 ",
                           "-400,-180  曜日:全て  客層:全て", "-50,-70  0", "950,-70  0",
                           "1950,-70  0"}));
    EXPECT_EQ(s.scale, (RankingScale{24, 0, 0}));
}

TEST(BarChart, LongLabelsGoSmallerInPieces) {
    const std::string l16 = "一二三四五六七八九十一二三四五六";
    const std::string l17 = l16 + "七";
    const std::string l40 = l16 + l16 + "ABCDEFGH";
    BarSurfaces s;
    s.draw(*menuRanking({{l16, 3}, {l17, 2}, {l40, 1}}));
    const QStringList calls = s.texts.calls();
    const int second = calls.indexOf("fillbox 2000,20 0,80 255,0,0") + 2;
    EXPECT_EQ(calls.mid(second - 3, 1), QStringList{"text -830,40 " + QString::fromStdString(l16)});
    EXPECT_EQ(calls.mid(second, 4), (QStringList{"font 7", "text -830,120 一二三四五六七八九十一",
                                                 "text -830,145 二三四五六七", "font 9"}));
    EXPECT_EQ(calls.mid(second + 6, 5),
              (QStringList{"font 6", "text -830,220 一二三四五六七八九十一二三四",
                           "text -830,245 五六一二三四五六七八九十一二",
                           "text -830,270 三四五六ABCDEFGH", "font 9"}));
}

TEST(BarChart, LabelsBeyondOneHundredTwentyEightCharactersStayAtOnePoint) {
    BarSurfaces s;
    s.draw(*menuRanking({{std::string(200, 'x'), 1}}));
    EXPECT_TRUE(s.texts.calls().contains("font 1"));
    EXPECT_TRUE(s.texts.calls().filter(QRegularExpression("^font (-|0)")).isEmpty());
}

TEST(BarChart, EmptyRankingLeavesBlankSurfacesAndTheScaleAsItWas) {
    BarSurfaces s;
    s.scale = {7, 3, 0};
    s.draw(*menuRanking({{"a", 3}}));
    EXPECT_EQ(s.draw(*menuRanking({})), std::nullopt);
    EXPECT_EQ(s.scale, (RankingScale{1, 3, 0}));
    EXPECT_EQ(s.texts.calls().last(), "clear");
    EXPECT_EQ(s.figure.calls().last(), "clear");
}

TEST(BarChart, PicturesShowBarsFrameAndTextsWhereTheyBelong) {
    BarSurfaces s;
    s.draw(*customerRanking({{21, 10}, {20, 10}, {19, 5}}));
    const QImage texts = s.texts.surface.image();
    ASSERT_EQ(texts.size(), QSize(503, 1060));
    const QRectF textsScale(-850, -300, 3000, 2900);
    const QColor red(255, 0, 0), blue(0, 0, 255), white(Qt::white);
    EXPECT_EQ(colorAt(texts, textsScale, {1000, 50}), red);
    EXPECT_EQ(colorAt(texts, textsScale, {500, 250}), red);
    EXPECT_EQ(colorAt(texts, textsScale, {1500, 250}), white);
    // The zero bands hold no red right of the frame's left edge.
    for (int y = 320; y < 2380; y += 7)
        for (int x = 30; x < 2000; x += 11)
            ASSERT_NE(colorAt(texts, textsScale, {double(x), double(y)}), red) << x << "," << y;
    bool frame = false;
    for (int dx = -1; dx <= 1; ++dx)
        frame |= texts.pixelColor(int(850.0 / 3000 * 503) + dx, int(1500.0 / 2900 * 1060)) == blue;
    EXPECT_TRUE(frame);

    // "21時" hangs from its point (-830, 40), upright and unstretched.
    const QPoint at(int(20.0 / 3000 * 503), int(340.0 / 2900 * 1060));
    QRect ink;
    for (int y = at.y() - 10; y < at.y() + 30; ++y)
        for (int x = 0; x < 130; ++x)
            if (texts.pixelColor(x, y) != white)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), at.x());
    EXPECT_GE(ink.top(), at.y());
    EXPECT_LE(ink.height(), 16);

    const QImage figure = s.figure.surface.image();
    ASSERT_EQ(figure.size(), QSize(493, 1060));
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x) {
            const QColor c = figure.pixelColor(x, y);
            ASSERT_TRUE(c == white || c == red || c == blue) << x << "," << y;
        }
}

TEST(BarChart, AllFiveHundredOneBarsAreDrawnPastSixteenBitCoordinates) {
    BarSurfaces s;
    EXPECT_EQ(s.draw(*menuRanking(items(501))), 2970);
    EXPECT_EQ(s.texts.surface.heightTwips(), 302100);
    for (const RecordedSurface* surface : {&s.figure, &s.texts}) {
        const QStringList bars = after(surface->calls(), "clear").filter("fillbox");
        ASSERT_EQ(bars.size(), 501);
        EXPECT_EQ(bars.last(), "fillbox 2000,50020 0,50080 255,0,0");
    }
    const QImage texts = s.texts.surface.image();
    ASSERT_EQ(texts.size(), QSize(503, 20140));
    const QRectF textsScale(-850, -300, 3000, 50600);
    const QColor red(255, 0, 0), white(Qt::white);
    EXPECT_EQ(colorAt(texts, textsScale, {1000, 50050}), red);   // the last bar
    EXPECT_EQ(colorAt(texts, textsScale, {1000, 32750}), red);   // the bar of row 327
    EXPECT_EQ(colorAt(texts, textsScale, {1000, 50000}), white); // between the last two
}
