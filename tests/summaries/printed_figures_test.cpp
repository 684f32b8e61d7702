// The widest amounts of the period list, monthly summary and cash book printouts end just
// inside their columns' rules, printed from the windows.
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

#include <memory>

using namespace lukana;
using namespace lukana::platform;
using namespace lukana;
using namespace printed_rules;

namespace {

// Opens the window on the month of today and prints it.
template <class Window> PrintRecording printedFrom() {
    Window window;
    window.load();
    TestScript script;
    script.printer(true);
    window.printButton()->click();
    EXPECT_EQ(script.printouts().size(), 1u);
    return script.printouts().empty() ? PrintRecording() : script.printouts()[0];
}

struct Case {
    const char* name;
    PrintRecording (*print)();
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
    const PrintRecording recording = c.print();
    // The amounts of the rows and of the totals line.
    const QStringList figures =
        textsBelow(recording, 300).filter(QRegularExpression(QStringLiteral("^-?¥")));
    EXPECT_TRUE(figures.contains(QStringLiteral("-¥99,999,999")))
        << figures.join(" | ").toStdString();
    EXPECT_TRUE(
        figuresEndBeforeRules(recording, figures, digitWidth(Orientation::Landscape, 3200, 8)))
        << figures.join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Printouts, SummaryPrintedFigures,
    ::testing::Values(Case{"PeriodList", printedFrom<PeriodListWindow>},
                      Case{"MonthlySummary", printedFrom<MonthlySummaryWindow>},
                      Case{"CashBook", printedFrom<CashBookWindow>}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
