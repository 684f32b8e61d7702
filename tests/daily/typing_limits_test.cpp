// What the user types into the daily report, against what the program writes itself: the digit
// limit holds for typing only, and Escape takes back only what was typed since the last Enter.
#include "daily_report_fixture.h"

#include <QLabel>

#include <memory>
#include <vector>

using namespace lukana;
using namespace lukana::platform;

// Month-to-date figures past 12 digits are the program's own: showing and stepping days says
// nothing, and a credit sale typed afterwards is taken whole.
TEST_F(DailyReportTest, MonthTotalsPastTwelveDigitsRaiseNoMessageAndACreditIsTakenWhole) {
    auto month = std::make_unique<NippouMonth>();
    for (int d = 1; d <= 9; ++d)
        (*month)[d].kingaku[5] = (*month)[d].kingaku[7] = 200000000000;
    ASSERT_TRUE(writeNippouMonth(nippouPath("本店", 2026, 7), *month, 0).ok());
    script.answer(Answer::Yes); // the save question, and nothing else
    open([this](DailyReportWindow& w) {
        EXPECT_EQ(w.sheet().text(22), "1800000000000");
        step(w, DatePart::Day, true);
        step(w, DatePart::Day, false);
        step(w, DatePart::Day, false);
        step(w, DatePart::Day, true);
        EXPECT_EQ(curDay, 10);
        EXPECT_TRUE(script.boxes().empty());

        DayListGrid& credit = *w.creditSales();
        Grid& grid = *credit.grid();
        clickCell(grid, 1, 1);
        typeText(credit.amountEditor(), "20000001");
        EXPECT_EQ(grid.text(1, 1), "20000001");
        EXPECT_EQ(w.sheet().text(37), "20000001");
        EXPECT_EQ(w.sheet().text(22), "1800020000001");
        EXPECT_TRUE(script.boxes().empty());
        w.closeWindow();
    });
    ASSERT_EQ(script.boxes().size(), 1u);
    const auto saved = readMonth(2026, 7);
    const NippouDay& day = (*saved)[10];
    EXPECT_EQ(day.urikakeCount, 1);
    EXPECT_EQ(day.urikakeGaku[0], 20000001);
    EXPECT_EQ(day.kingaku[37], 20000001);
    const auto vouchers = readVouchers(2026, 7);
    const DenpyouDay& posted = (*vouchers)[10];
    ASSERT_EQ(posted.denpyouCount, 1);
    EXPECT_EQ(posted.amount[0], 20000001);
}

// Enter confirms a payment even though it moves nowhere: Escape then takes back only what was
// typed after it.
TEST_F(DailyReportTest, EscapeAfterEnterKeepsTheConfirmedPayment) {
    open([](DailyReportWindow& w) {
        DayListGrid& payments = *w.payments();
        Grid& grid = *payments.grid();
        TextBox* editor = payments.amountEditor();
        clickCell(grid, 1, 1);
        typeText(editor, "5000");
        sendKey(editor, Qt::Key_Return);
        EXPECT_EQ(w.amounts()->label(0)->text(), QStringLiteral("5,000"));
        ASSERT_TRUE(editor->isVisible());
        editor->selectAll();
        typeText(editor, "7000");
        EXPECT_EQ(w.amounts()->label(0)->text(), QStringLiteral("7,000"));
        sendKey(editor, Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(grid.text(1, 1), QStringLiteral("5000"));
        EXPECT_EQ(payments.amounts(), std::vector<double>{5000});
        EXPECT_EQ(w.sheet().text(0), "5000");
        EXPECT_EQ(w.amounts()->label(0)->text(), QStringLiteral("5,000"));
        reportChanged = 0;
        w.closeWindow();
    });
}
