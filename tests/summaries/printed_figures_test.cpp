// The widest amounts of the period list, monthly summary and cash book printouts end just
// inside their columns' rules, and no text of theirs runs across a rule, printed from the
// windows.
#include "core/summaries_fixture.h"
#include "platform/clock.h"
#include "summaries/cash_book_window.h"
#include "summaries/monthly_summary_window.h"
#include "summaries/period_list_window.h"
#include "support/printed_rules.h"
#include "support/ui_script.h"

#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace lukana;
using namespace lukana::platform;
using namespace lukana;
using namespace printed_rules;

namespace {

// Opens the window on the month of today and prints it on a printer of that resolution.
template <class Window> PrintRecording printedFrom(int dotsPerInch) {
    Window window;
    window.load();
    TestScript script;
    script.printerAt(dotsPerInch);
    window.printButton()->click();
    EXPECT_EQ(script.printouts().size(), 1u);
    return script.printouts().empty() ? PrintRecording() : script.printouts()[0];
}

struct Case {
    const char* name;
    PrintRecording (*print)(int dotsPerInch);
};

class SummaryPrintedFigures : public summaries_test::SummariesFixture,
                              public ::testing::WithParamInterface<Case> {
  protected:
    void SetUp() override {
        SummariesFixture::SetUp();
        curYear = 2003, curMonth = 4, curDay = 10;
        kesanTuki = 3, kesanBi = 31;
        simeGenkin = 31;
        setToday(CalendarDay{2003, 4, 20});
        // 99,999,999 yen received from head office on the 9th; -99,999,999 (tax -9,999,999)
        // paid to a supplier on the 10th.
        add(2003, 4, 9, {2, 1, 2, 0, 99999999, 0, 2});
        add(2003, 4, 10, {2, 0, 1, 10, -99999999, -9999999, 1});
        writeMonths();
    }
    void TearDown() override { setToday(std::nullopt); }
};

} // namespace

TEST_P(SummaryPrintedFigures, EndAQuarterDigitBeforeTheirRules) {
    const Case& c = GetParam();
    const PrintRecording recording = c.print(1200);
    // The amounts of the rows and of the totals line.
    const QStringList figures =
        textsBelow(recording, 300).filter(QRegularExpression(QStringLiteral("^-?¥")));
    EXPECT_TRUE(figures.contains(QStringLiteral("-¥99,999,999")))
        << figures.join(" | ").toStdString();
    EXPECT_TRUE(
        figuresEndBeforeRules(recording, figures, digitWidth(Orientation::Landscape, 3200, 8)))
        << figures.join(" | ").toStdString();
}

TEST_P(SummaryPrintedFigures, NoTextRunsAcrossARuleAt150Dpi) {
    // Dates of two-digit months and days, a bank and a supplier of long names, a long note
    // and sums past twelve digits, either sign.
    busyoRecs[0].bankName = "ナショナル・オーストラリア・バンク・リミテッド";
    busyoRecs[0].branchName = "ひばりケ丘ローンプラザ出張所";
    siireNames[0] = "有限会社 酒のやまだ 東京中央卸売市場店";
    curYear = 2003, curMonth = 11, curDay = 25;
    setToday(CalendarDay{2003, 11, 25});
    const std::string note = "月末にまとめて支払う約束の分、領収書は後日郵送で届く予定";
    for (double sign : {1, 1, 1, -1, -1, -1, -1, -1, -1})
        add(2003, 11, 23, {2, 0, 1, 10, sign * 999999999999, sign * 99999999999, 1, 1, 0, note});
    add(2003, 11, 23, {4, 1, 2, 0, 1000, 0, 2});
    add(2003, 11, 23, {2, 0, 4, 1, 2000, 0, 1});
    writeMonths();

    const PrintRecording recording = GetParam().print(150);
    EXPECT_TRUE(noTextAcrossRules(recording));
    const QStringList texts = textsBelow(recording, 300);
    auto printed = [&](const QString& start) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const QString& t) { return t.startsWith(start); });
    };
    EXPECT_TRUE(printed(QStringLiteral("03/ 11/ 23")) || printed(QStringLiteral(" 11/ 23")));
    for (const QString& start :
         {QStringLiteral("ナショナル"), QStringLiteral("有限会社"),
          QStringLiteral("¥2,999,999,999,997"), QStringLiteral("-¥2,999,999,999,997")})
        EXPECT_TRUE(printed(start)) << start.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Printouts, SummaryPrintedFigures,
    ::testing::Values(Case{"PeriodList", printedFrom<PeriodListWindow>},
                      Case{"MonthlySummary", printedFrom<MonthlySummaryWindow>},
                      Case{"CashBook", printedFrom<CashBookWindow>}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
