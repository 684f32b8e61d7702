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

// Draws one text between the rules at 1000 and 1250 of a landscape page 3200 wide, 8 points.
Drawn draw(const QString& text, bool rightAligned) {
    auto recording = std::make_shared<PrintRecording>();
    recording->orientation = lukana::platform::Orientation::Landscape;
    RecordingPageWriter page(recording);
    page.setScale({0, 0}, {3200, 4000});
    page.setFontSize(8);
    if (rightAligned)
        textBetweenRules(page, 1000, 1250, 300, text, 8);
    else
        textBeforeNextRule(page, 1020, 1250, 300, text, 8);
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
        // A cut figure keeps its last digits, a cut name its start.
        {QStringLiteral("-¥999,999,999,999,999,999,999,999,999"), true, true, QStringLiteral("…"),
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
