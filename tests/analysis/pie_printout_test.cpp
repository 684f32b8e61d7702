#include "analysis/pie_printout.h"
#include "printout_fixture.h"

#include <gtest/gtest.h>

using namespace printout_fixture;
using lukana::platform::PrintCall;
using lukana::platform::PrintOp;

namespace {

PrintRecording piePrintout(const std::vector<RankingRow>& rows,
                           const std::string& condition = kCondition) {
    return printed([&] { printPieChart(header(condition), rows); });
}

std::vector<PrintCall> wedges(const PrintRecording& rec) {
    std::vector<PrintCall> out;
    for (const PrintCall& call : rec.pages[0])
        if (call.op == PrintOp::Pie)
            out.push_back(call);
    return out;
}

QString legendBox(int column, int row, const char* colour) {
    const int left = 700 * (column - 1);
    return QStringLiteral("fillbox %1,%2 %3,%4 %5")
        .arg(left + 20)
        .arg(80 * row + 330)
        .arg(left + 80)
        .arg(80 * row + 360)
        .arg(colour);
}

} // namespace

TEST(PiePrintout, TenKeysFillTheCircleAndALegendOfThreeThreeThreeAndOne) {
    const PrintRecording rec = piePrintout(ranking({10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 1}));
    ASSERT_EQ(rec.pages.size(), 1u);
    const std::vector<PrintCall> pie = wedges(rec);
    ASSERT_EQ(pie.size(), 10u);
    EXPECT_EQ(std::vector<double>(pie[0].args.begin(), pie[0].args.begin() + 3),
              (std::vector<double>{1100, 1000, 600}));
    EXPECT_NEAR(pie[0].args[3], 1e-10, 1e-15);
    EXPECT_NEAR(pie[0].args[4], 2 * 3.1415 * 1 / 55, 1e-6); // the smallest first
    for (size_t i = 1; i < pie.size(); ++i)
        EXPECT_FLOAT_EQ(pie[i].args[3], float(pie[i - 1].args[4]));
    EXPECT_NEAR(pie[9].args[4], 2 * 3.1415, 1e-5);
    const QStringList fills = calls(rec, 0, "fill");
    EXPECT_EQ(fills, (QStringList{"fill 0,0,255", "fill 0,255,0", "fill 0,255,255", "fill 255,0,0",
                                  "fill 255,0,255", "fill 255,255,0", "fill 0,0,0", "fill 0,0,128",
                                  "fill 0,128,0", "fill 0,128,128"}));
    const QStringList boxes = calls(rec, 0, "fillbox");
    EXPECT_EQ(boxes, (QStringList{legendBox(1, 27, "0,0,255"), legendBox(2, 27, "0,255,0"),
                                  legendBox(3, 27, "0,255,255"), legendBox(1, 28, "255,0,0"),
                                  legendBox(2, 28, "255,0,255"), legendBox(3, 28, "255,255,0"),
                                  legendBox(1, 29, "0,0,0"), legendBox(2, 29, "0,0,128"),
                                  legendBox(3, 29, "0,128,0"), legendBox(1, 30, "0,128,128")}));
    const QStringList texts = rec.texts(0);
    EXPECT_EQ(texts.mid(0, 3), (QStringList{at(200, 1980, kTitle), at(200, 2150, kPeriod),
                                            at(400, 2230, kCondition)}));
    EXPECT_EQ(texts[3], at(100, 2495, "10時; 1"));
    EXPECT_EQ(texts.last(), at(100, 2735, "1時; 10"));
    EXPECT_EQ(texts.size(), 13);
}

TEST(PiePrintout, OnlyPositiveValuesShareTheCircleAndTakeColours) {
    const PrintRecording rec = piePrintout(ranking({30, 20, 0, -50}));
    const std::vector<PrintCall> pie = wedges(rec);
    ASSERT_EQ(pie.size(), 2u);
    EXPECT_NEAR(pie[0].args[4], 2 * 3.1415 * 20 / 50, 1e-6);
    EXPECT_NEAR(pie[1].args[4], 2 * 3.1415, 1e-5);
    EXPECT_EQ(calls(rec, 0, "fill"), (QStringList{"fill 0,0,255", "fill 0,255,0"}));
    EXPECT_EQ(rec.texts(0).mid(3),
              (QStringList{at(100, 2495, "2時; 20"), at(800, 2495, "1時; 30")}));
}

TEST(PiePrintout, NoPositiveValuePrintsTheTitlesOnly) {
    const PrintRecording rec = piePrintout(ranking({0, 0, -1}));
    ASSERT_EQ(rec.pages.size(), 1u);
    EXPECT_TRUE(wedges(rec).empty());
    EXPECT_TRUE(calls(rec, 0, "fillbox").isEmpty());
    EXPECT_EQ(rec.texts(0).size(), 3);
}

TEST(PiePrintout, EveryExtraConditionPieceMovesTheLegendOneRowDown) {
    const PrintRecording two = piePrintout(ranking({5}), kLongCondition);
    const QStringList pieces = printPieces(kLongCondition, 45);
    EXPECT_EQ(two.texts(0).mid(2, 2),
              (QStringList{at(400, 2230, pieces[0]), at(400, 2310, pieces[1])}));
    EXPECT_EQ(calls(two, 0, "fillbox"), QStringList{legendBox(1, 28, "0,0,255")});

    // 23 pieces put the legend's first row past 48: it starts a page of its own at row 1
    const PrintRecording many = piePrintout(ranking({5}), std::string(45 * 22 + 1, 'x'));
    ASSERT_EQ(many.pages.size(), 2u);
    EXPECT_TRUE(calls(many, 0, "fillbox").isEmpty());
    EXPECT_EQ(calls(many, 1, "fillbox"), QStringList{legendBox(1, 1, "0,0,255")});
    EXPECT_EQ(many.texts(1), QStringList{at(100, 415, "1時; 5")});
}

TEST(PiePrintout, AWrappedLabelPushesTheNextRowDownByItsLines) {
    std::vector<RankingRow> rows = ranking({4, 3, 2, 1});
    rows[3].label = std::string(14, 'a'); // "aaaaaaaaaaaaaa; 1": 17 characters
    const PrintRecording rec = piePrintout(rows);
    const QStringList page = rec.page(0);
    const double line7 = 7 * 1.2 * 20 * 3900 / (11 * 1440.0);
    const int first = static_cast<int>(page.indexOf("text 100,2500 " + QString(14, 'a') + "; "));
    ASSERT_GT(first, 0);
    EXPECT_EQ(page[first - 1], "font 7");
    EXPECT_EQ(page[first + 1], QStringLiteral("text 100,%1 1").arg(2500 + line7 + 25, 0, 'g', 10));
    EXPECT_EQ(page[first + 2], "font 9");
    EXPECT_EQ(calls(rec, 0, "fillbox").last(), legendBox(1, 30, "255,0,0"));
}
