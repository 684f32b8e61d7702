#include "analysis/table_printout.h"
#include "printout_fixture.h"
#include "support/printed_rules.h"

#include <gtest/gtest.h>

using namespace printout_fixture;

namespace {

std::vector<TableLine> tableRows(int count) {
    std::vector<TableLine> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({QString::number(i), QStringLiteral("%1時").arg(i), QStringLiteral("7")});
    return rows;
}

PrintRecording tablePrintout(const std::vector<TableLine>& rows,
                             const std::string& condition = kCondition) {
    return printed([&] { printRankingTable(header(condition), rows, [](bool) {}); });
}

QStringList frame(double top, double bottom) {
    return {"width 1",
            QStringLiteral("line 480,%1 480,%2").arg(top).arg(bottom),
            QStringLiteral("line 2880,%1 2880,%2").arg(top).arg(bottom),
            "width 4",
            QStringLiteral("box 250,%1 3200,%2").arg(top).arg(bottom),
            "width 1"};
}

const printed_rules::Measure& measure() {
    static const printed_rules::Measure page(lukana::platform::Orientation::Portrait, 3450, 9);
    return page;
}
double rankX(const QString& rank) {
    return measure().leftBefore(480, rank);
}
double valueX(const QString& value) {
    return measure().leftBefore(3200, value);
}

QStringList tail(const QStringList& page, int n) {
    return page.mid(page.size() - n);
}

} // namespace

TEST(TablePrintout, HeadingOnlyPrintsTheHeaderAndAFrameOfNoHeight) {
    const PrintRecording rec = tablePrintout({});
    ASSERT_EQ(rec.pages.size(), 1u);
    const QStringList expected = QStringList{"scale 0,0 3450,4400", "font 9",
                                             "text 300,40 " + QString::fromStdString(kPeriod),
                                             "text 400,140 " + QString::fromStdString(kCondition)} +
                                 frame(280, 280);
    EXPECT_EQ(rec.page(0), expected);
}

TEST(TablePrintout, RowsPlaceRankLabelAndValueAndRuleUnderThem) {
    const PrintRecording rec = tablePrintout({{"1", "18時", "123"}, {"12", "", "45"}});
    const QStringList page = rec.page(0);
    EXPECT_EQ(page.mid(4, 8).filter(QRegularExpression("^(line|width|text 500,)")),
              (QStringList{"text 500,300 18時", "line 250,380 3200,380", "line 250,480 3200,480",
                           "width 1"}));
    EXPECT_EQ(rec.texts(0).filter(QRegularExpression(",(300|400) ")),
              (QStringList{at(rankX("1位"), 300, "1位"), at(valueX("123"), 300, "123"),
                           at(500, 300, "18時"), at(rankX("12位"), 400, "12位"),
                           at(valueX("45"), 400, "45")}));
    EXPECT_EQ(tail(page, 6), frame(280, 480));
}

// Values are whole numbers without separators; nine digits fill the value column.
TEST(TablePrintout, TheWidestRankAndValueEndAQuarterDigitBeforeTheirRules) {
    const PrintRecording rec = tablePrintout({{"9999", "x", "999999999"}, {"1", "", "-99999999"}});
    EXPECT_TRUE(printed_rules::figuresEndBeforeRules(
        rec, {"9999位", "999999999", "1位", "-99999999"}, measure().digit()));
}

// Totals run to 64 bits: a wider figure moves the table's right edge out on every page, and
// the labels keep their room.
TEST(TablePrintout, TwelveDigitAndNegativeValuesFitTheirColumnOnEveryPage) {
    std::vector<TableLine> rows = tableRows(42);
    rows[0].value = QStringLiteral("999999999999");
    rows[41].value = QStringLiteral("-999999999999");
    const PrintRecording rec = tablePrintout(rows);
    ASSERT_EQ(rec.pages.size(), 2u);
    EXPECT_TRUE(printed_rules::figuresEndBeforeRules(rec, {"999999999999", "-999999999999", "7"},
                                                     measure().digit()));
    const double right = 2880 + measure().width(rows[41].value) + measure().digit() / 2;
    EXPECT_LT(right, 3450); // still on the page
    for (const auto& page : rec.pages) {
        double edge = 0;
        for (const printed_rules::Rule& rule : printed_rules::verticalRules(page))
            edge = std::max(edge, rule.x);
        EXPECT_NEAR(edge, right, 1e-3);
    }
    EXPECT_LT(500 + measure().width(QString(47, u'あ')), 2880);
}

// The widest texts a row can hold: a rank of four digits, labels of 47 wide letters or
// characters a line, the widest 64-bit values.
TEST(TablePrintout, NoTextRunsAcrossARuleAt150Dpi) {
    const QString widest = QStringLiteral("-9223372036854775808");
    const std::vector<TableLine> rows = {
        {"9999", QString(47, u'W'), widest},
        {"9999", QString(47, u'鬱') + QString(47, u'M'), QStringLiteral("9223372036854775807")},
        {"1", QStringLiteral("18時"), QStringLiteral("999999999999")},
    };
    TestScript script;
    script.printerAt(150);
    printRankingTable(header(), rows, [](bool) {});
    ASSERT_EQ(script.printouts().size(), 1u);
    const PrintRecording rec = script.printouts()[0];
    EXPECT_TRUE(printed_rules::noTextAcrossRules(rec));
    const QStringList texts = printed_rules::textsBelow(rec, 300);
    for (const QString& whole :
         {QStringLiteral("9999位"), QStringLiteral("1位"), QStringLiteral("18時"), widest})
        EXPECT_TRUE(texts.contains(whole)) << whole.toStdString();
}

TEST(TablePrintout, FortyOneLinesAPageAndTheFortySecondRowStartsTheNext) {
    const PrintRecording rec = tablePrintout(tableRows(42));
    ASSERT_EQ(rec.pages.size(), 2u);
    EXPECT_TRUE(rec.texts(0).contains(at(500, 4300, "41時")));
    EXPECT_EQ(tail(rec.page(0), 6), frame(280, 4380));
    EXPECT_EQ(rec.texts(1).mid(0, 3), (QStringList{at(300, 40, kPeriod), at(400, 140, kCondition),
                                                   at(rankX("42位"), 300, "42位")}));
    EXPECT_EQ(tail(rec.page(1), 6), frame(280, 380));
}

TEST(TablePrintout, TwoPieceConditionLeavesFortyLinesAPage) {
    const PrintRecording rec = tablePrintout(tableRows(41), kLongCondition);
    ASSERT_EQ(rec.pages.size(), 2u);
    const QStringList pieces = printPieces(kLongCondition, 45);
    EXPECT_EQ(rec.texts(0).mid(1, 3), (QStringList{at(400, 140, pieces[0]), at(400, 240, pieces[1]),
                                                   at(rankX("1位"), 400, "1位")}));
    EXPECT_EQ(tail(rec.page(0), 6), frame(380, 4380));
    EXPECT_TRUE(rec.texts(1).contains(at(500, 400, "41時")));
}

TEST(TablePrintout, LongLabelsTakeALineForEachFortySevenCharacters) {
    const QString label47(47, u'あ');
    const PrintRecording rec =
        tablePrintout({{"1", label47, "2"}, {"2", label47 + u'い', "1"}, {"3", "x", "1"}});
    const QStringList texts = rec.texts(0);
    EXPECT_TRUE(texts.contains(at(500, 300, label47)));
    EXPECT_TRUE(texts.contains(at(500, 400, label47)));
    EXPECT_TRUE(texts.contains(at(500, 500, "い")));
    EXPECT_TRUE(texts.contains(at(500, 600, "x")));
    EXPECT_EQ(
        calls(rec, 0, "line").filter("line 250,"),
        (QStringList{"line 250,380 3200,380", "line 250,580 3200,580", "line 250,680 3200,680"}));
}

TEST(TablePrintout, ARowThatWouldRunPastLineFortyOneStartsTheNextPage) {
    std::vector<TableLine> rows = tableRows(40);
    rows[39].label = QString(95, u'x'); // three lines, due at line 40
    const PrintRecording rec = tablePrintout(rows);
    ASSERT_EQ(rec.pages.size(), 2u);
    EXPECT_EQ(tail(rec.page(0), 6), frame(280, 4180));
    EXPECT_EQ(rec.texts(1).mid(2),
              (QStringList{at(rankX("40位"), 300, "40位"), at(valueX("7"), 300, "7"),
                           at(500, 300, QString(47, 'x')), at(500, 400, QString(47, 'x')),
                           at(500, 500, "x")}));
    EXPECT_EQ(tail(rec.page(1), 6), frame(280, 580));
}

TEST(TablePrintout, TheTableIsHiddenWhileItsRowsPrintAndShownAgainAfterAFailure) {
    for (int failAt : {0, 6}) {
        SCOPED_TRACE(failAt);
        TestScript script;
        script.printer(true, failAt);
        if (failAt)
            script.answer(lukana::platform::Answer::Ok);
        std::vector<bool> shown;
        printRankingTable(header(), tableRows(3), [&](bool visible) { shown.push_back(visible); });
        EXPECT_EQ(shown, (std::vector<bool>{false, true}));
    }
}
