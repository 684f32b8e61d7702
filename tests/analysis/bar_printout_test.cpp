#include "analysis/bar_printout.h"
#include "printout_fixture.h"

#include <gtest/gtest.h>

using namespace printout_fixture;
using lukana::platform::Orientation;

namespace {

PrintRecording barPrintout(const std::vector<RankingRow>& rows,
                           const std::string& condition = kCondition) {
    return printed([&] { printBarChart(header(condition), rows); });
}

QString barAt(int row, double end, const char* colour = "255,0,0") {
    return QStringLiteral("fillbox %1,%2 600,%3 %4")
        .arg(end)
        .arg(400 + 100 * row)
        .arg(460 + 100 * row)
        .arg(colour);
}

} // namespace

TEST(BarPrintout, ThirtyFourKeysTakeTwoPagesEachWithHeaderBarsAndFrame) {
    const PrintRecording rec = barPrintout(ranking(34, 10));
    EXPECT_EQ(rec.orientation, Orientation::Portrait);
    ASSERT_EQ(rec.pages.size(), 2u);
    const QStringList first = rec.page(0);
    EXPECT_EQ(first.mid(0, 3), (QStringList{"font 9", "scale 0,0 2200,3900", "font 12"}));
    for (size_t p = 0; p < 2; ++p) {
        const QStringList texts = rec.texts(p);
        EXPECT_EQ(texts.mid(0, 3), (QStringList{at(200, 100, kTitle), at(400, 270, kPeriod),
                                                at(400, 330, kCondition)}));
    }
    EXPECT_EQ(calls(rec, 0, "fillbox").size(), 33);
    EXPECT_EQ(calls(rec, 0, "fillbox")[0], barAt(1, 2000));
    EXPECT_EQ(calls(rec, 0, "fillbox")[32], barAt(33, 2000));
    EXPECT_EQ(calls(rec, 1, "fillbox"), QStringList{barAt(1, 2000)});
    EXPECT_TRUE(rec.texts(1).contains(at(100, 520, "34時")));
    EXPECT_TRUE(rec.texts(1).contains(at(2000, 515, " 10 ")));
    // a full page's frame ends 50 below its 33rd bar; the frame of one bar 50 below row 1
    EXPECT_TRUE(first.contains("box 600,480 2000,3810"));
    EXPECT_TRUE(rec.page(1).contains("box 600,480 2000,610"));
    EXPECT_TRUE(rec.texts(0).contains(at(1980, 3810, " 10")));
}

TEST(BarPrintout, TwoPieceConditionStartsTheBarsInRowTwoWithThirtyTwoAPage) {
    const PrintRecording rec = barPrintout(ranking(33, 4), kLongCondition);
    ASSERT_EQ(rec.pages.size(), 2u);
    const QStringList texts = rec.texts(0);
    const QStringList pieces = printPieces(kLongCondition, 45);
    EXPECT_TRUE(texts.contains(at(400, 330, pieces[0])));
    EXPECT_TRUE(texts.contains(at(400, 390, pieces[1])));
    EXPECT_EQ(calls(rec, 0, "fillbox").size(), 32);
    EXPECT_EQ(calls(rec, 0, "fillbox")[0], barAt(2, 2000));
    EXPECT_EQ(calls(rec, 1, "fillbox"), QStringList{barAt(2, 2000)});
    EXPECT_TRUE(rec.page(0).contains("box 600,580 2000,3810"));
    EXPECT_TRUE(rec.page(0).contains("line 1300,590 1300,580"));
    for (double x : {580, 1280, 1980})
        EXPECT_EQ(texts.filter(QStringLiteral("%1,500 ").arg(x)).size(), 1) << x;
}

TEST(BarPrintout, FiveHundredOneKeysFillSixteenPagesTheLastWithSixBars) {
    const PrintRecording rec = barPrintout(ranking(501, 1));
    ASSERT_EQ(rec.pages.size(), 16u);
    for (size_t p = 0; p < 15; ++p)
        EXPECT_EQ(calls(rec, p, "fillbox").size(), 33);
    EXPECT_EQ(calls(rec, 15, "fillbox").size(), 6);
    EXPECT_TRUE(rec.texts(15).contains(at(100, 1020, "501時")));
    EXPECT_TRUE(rec.page(15).contains("box 600,480 2000,1110"));
}

TEST(BarPrintout, AllZeroRankingPrintsAnEmptyFrameWithSixZeroFigures) {
    const PrintRecording rec = barPrintout(ranking(5, 0));
    ASSERT_EQ(rec.pages.size(), 1u);
    EXPECT_TRUE(calls(rec, 0, "fillbox").isEmpty());
    EXPECT_TRUE(rec.page(0).contains("box 600,480 2000,610"));
    const QStringList texts = rec.texts(0).mid(3);
    EXPECT_EQ(texts.size(), 6);
    EXPECT_EQ(texts.filter(QRegularExpression(QStringLiteral("^\\d+,\\d+  0$"))).size(), 6);
}

TEST(BarPrintout, BarsValuesAndScaleFollowTheLargestValue) {
    struct Case {
        std::int64_t top, value;
        double end;
        QString middle;
    };
    const Case cases[] = {
        {10, 5, 1300, " 5"}, {25, 0, 600, " 12.5"}, {7, 7, 2000, " 3.5"}, {1, 1, 2000, " .5"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.top);
        const PrintRecording rec = barPrintout(ranking({c.top, c.value}));
        EXPECT_EQ(calls(rec, 0, "fillbox")[1], barAt(2, c.end));
        const QStringList texts = rec.texts(0);
        EXPECT_TRUE(texts.contains(at(c.end, 615, QStringLiteral(" %1 ").arg(c.value))));
        EXPECT_TRUE(texts.contains(at(1280, 710, c.middle)));
        EXPECT_TRUE(texts.contains(at(1280, 400, c.middle)));
    }
}

TEST(BarPrintout, LongLabelsShrinkAndSplitThenTheNextIsBackAtNinePoints) {
    std::vector<RankingRow> rows = ranking(5, 3);
    rows[0].label = std::string(16, 'a');
    rows[1].label = std::string(17, 'b');
    rows[2].label = std::string(40, 'c');
    rows[3].label = std::string(129, 'd');
    const PrintRecording rec = barPrintout(rows);
    const QStringList page = rec.page(0);
    const auto before = [&](const QString& call) { return page.value(page.indexOf(call) - 1); };
    EXPECT_EQ(before("text 100,520 " + QString(16, 'a')), "font 9");
    const QString b = "text 100,590 " + QString(16, 'b');
    EXPECT_EQ(page.mid(page.indexOf(b) - 1, 4),
              (QStringList{"font 7", b, "text 100,622 b", "font 9"}));
    EXPECT_EQ(before("text 100,690 " + QString(19, 'c')), "font 6");
    EXPECT_TRUE(page.contains("text 100,754 cc"));
    EXPECT_EQ(before("text 100,790 " + QString(37, 'd')), "font 1");
    EXPECT_TRUE(page.contains("text 100,920 5時"));
}
