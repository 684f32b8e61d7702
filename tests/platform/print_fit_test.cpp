// A table text is drawn whole at its column's size when it fits, smaller when it does not,
// and cut with an ellipsis when even the smallest size is too wide; the column's size is in
// force again afterwards.
#include "platform/print_fit.h"
#include "platform/print_recording.h"

#include <gtest/gtest.h>

#include <memory>

using namespace lukana::platform;

namespace {

struct Drawn {
    PrintCall text;
    double points = 0; // the size it was drawn in
    double pointsAfter = 0;
};

// Draws one text between the rules at 1000 and rule (1250 unless told) of a landscape page
// 3200 wide, 8 points.
Drawn draw(const QString& text, bool rightAligned, double rule = 1250) {
    auto recording = std::make_shared<PrintRecording>();
    recording->orientation = lukana::platform::Orientation::Landscape;
    RecordingPageWriter page(recording);
    page.setScale({0, 0}, {3200, 4000});
    page.setFontSize(8);
    if (rightAligned)
        textBetweenRules(page, 1000, rule, 300, text, 8);
    else
        textBeforeNextRule(page, 1020, rule, 300, text, 8);
    Drawn drawn;
    for (const PrintCall& call : recording->pages[0]) {
        if (call.op == PrintOp::FontSize)
            (drawn.text.text.isEmpty() ? drawn.points : drawn.pointsAfter) = call.args[0];
        if (call.op == PrintOp::Text)
            drawn.text = call;
    }
    if (drawn.pointsAfter == 0)
        drawn.pointsAfter = drawn.points;
    return drawn;
}

} // namespace

TEST(PrintFit, ATextKeepsBetweenTheRulesOfItsColumn) {
    const QString figure = QStringLiteral("-¥99,999,999");
    const QString wide = QStringLiteral("-¥999,999,999,999,999");
    const QString name = QStringLiteral("酒のやまだ");
    const QString longer = QStringLiteral("有限会社 酒のやまだ");
    struct Case {
        QString text;
        bool rightAligned;
        bool smaller;
        QString start, end; // of the text drawn
    } cases[] = {
        {figure, true, false, figure, figure},
        {wide, true, true, wide, wide},
        // A cut figure keeps its sign and its last digits, a cut name its start.
        {QStringLiteral("-¥999,999,999,999,999,999,999,999,999"), true, true, QStringLiteral("-¥…"),
         QStringLiteral("999,999")},
        {name, false, false, name, name},
        {longer, false, true, longer, longer},
        {QStringLiteral("ナショナル・オーストラリア・バンク・リミテッド 本店"), false, true,
         QStringLiteral("ナショナル"), QStringLiteral("…")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const Drawn d = draw(c.text, c.rightAligned);
        const double left = d.text.args[0], right = left + d.text.width;
        EXPECT_GT(left, 1000);
        EXPECT_LT(right, 1250);
        EXPECT_TRUE(d.text.text.startsWith(c.start)) << d.text.text.toStdString();
        EXPECT_TRUE(d.text.text.endsWith(c.end)) << d.text.text.toStdString();
        EXPECT_EQ(d.points < 8, c.smaller);
        EXPECT_GE(d.points, kSmallestPrintPoints);
        EXPECT_EQ(d.pointsAfter, 8);
    }
}

// A cut figure keeps its sign and yen mark before the ellipsis, so that a negative figure and
// its positive twin never print alike, and the digits kept never start at a comma.
TEST(PrintFit, ACutFigureKeepsItsSignAndStartsItsDigitsAtADigit) {
    struct Case {
        QString text, marks;
    } cases[] = {
        {QStringLiteral("-¥123,456,789,012,345,678,901"), QStringLiteral("-¥…")},
        {QStringLiteral("¥123,456,789,012,345,678,901"), QStringLiteral("¥…")},
        {QStringLiteral("-123,456,789,012,345,678,901"), QStringLiteral("-…")},
        {QStringLiteral("123,456,789,012,345,678,901"), QStringLiteral("…")},
        {QStringLiteral("-@123,456,789,012,345,678.25"), QStringLiteral("-@…")},
    };
    QStringList drawn;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        // The room of 1000 to 1250 at the least size holds about fifteen digits.
        const Drawn d = draw(c.text, true);
        const QString t = d.text.text;
        ASSERT_TRUE(t.startsWith(c.marks)) << t.toStdString();
        const QString kept = t.mid(c.marks.size());
        ASSERT_FALSE(kept.isEmpty());
        EXPECT_TRUE(kept[0].isDigit()) << t.toStdString();
        EXPECT_TRUE(c.text.endsWith(kept)) << t.toStdString();
        EXPECT_EQ(d.points, kSmallestPrintPoints);
        EXPECT_LT(d.text.args[0] + d.text.width, 1250);
        EXPECT_GT(d.text.args[0], 1000);
        drawn.append(t);
    }
    EXPECT_NE(drawn[0], drawn[1]);
    EXPECT_NE(drawn[2], drawn[3]);
}

// However narrow the column, a text prints at least the ellipsis: a blank on paper reads as
// zero. A column too narrow for one digit draws "…" for a single digit too.
TEST(PrintFit, AColumnTooNarrowForADigitStillDrawsTheEllipsis) {
    struct Case {
        QString text;
        bool rightAligned;
        double rule;
        QString expect; // the text drawn
    } cases[] = {
        {QStringLiteral("-¥999,999,999"), true, 1035, QStringLiteral("…")},
        {QStringLiteral("5"), true, 1003, QStringLiteral("…")},
        {QStringLiteral("酒のやまだ"), false, 1030, QStringLiteral("…")},
        // Room for the marks and the ellipsis but no digit: the sign stays.
        {QStringLiteral("-¥999,999,999"), true, 1060, QStringLiteral("-¥…")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " before " + std::to_string(c.rule));
        const Drawn d = draw(c.text, c.rightAligned, c.rule);
        EXPECT_EQ(d.text.text, c.expect);
        EXPECT_EQ(d.points, kSmallestPrintPoints);
        EXPECT_EQ(d.pointsAfter, 8);
    }
}
