// The widest amounts of the period list, monthly summary and cash book printouts end just
// inside their columns' rules, printed from the windows.
#include "platform/clock.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "summaries/cash_book_window.h"
#include "summaries/monthly_summary_window.h"
#include "summaries/period_list_window.h"
#include "support/printed_rules.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

using namespace lukana;
using namespace lukana::platform;
using namespace lukana::summaries;
using namespace printed_rules;

namespace {

struct Voucher {
    int day, fromKind, fromId, toKind, toId;
    double amount, tax;
    int entryType;
};

// Vouchers of -99,999,999 yen (tax -9,999,999) paid to the supplier on the 10th and, for the
// cash book, 99,999,999 received from head office on the 9th.
const std::vector<Voucher> kWidest = {{9, 2, 1, 2, 0, 99999999, 0, 2},
                                      {10, 2, 0, 1, 7, -99999999, -9999999, 1}};

// Opens the window on the month of today and prints it.
template <class Window> PrintRecording printedFrom() {
    Window window;
    window.load();
    TestScript script;
    script.printer(true);
    window.printButton->click();
    EXPECT_EQ(script.printouts().size(), 1u);
    return script.printouts().empty() ? PrintRecording() : script.printouts()[0];
}

struct Case {
    const char* name;
    PrintRecording (*print)();
};

class SummaryPrintedFigures : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = dir.str();
        busyoCount = 1;
        busyoRecs[0].name = busyoNames[0] = "本店";
        busyoRecs[0].id = busyoIds[0] = 2;
        denpyouBusyo = 0;
        siireCount = 1;
        siireNames[0] = "酒屋";
        siireIds[0] = 7;
        tekiyouCount = 1;
        tekiyouNames[0] = "仕入";
        tekiyouIds[0] = 1;
        curYear = 2003, curMonth = 4, curDay = 10;
        kesanTuki = 3, kesanBi = 31;
        simeGenkin = 31;
        setToday(CalendarDay{2003, 4, 20});
        std::filesystem::create_directories(busyoFolderPath("本店"));
    }
    void TearDown() override { setToday(std::nullopt); }
    void write(int year, int month) {
        auto m = std::make_unique<DenpyouMonth>();
        for (const Voucher& v : kWidest) {
            DenpyouDay& d = (*m)[v.day];
            const int j = d.denpyouCount++;
            d.fromKind[j] = v.fromKind;
            d.fromId[j] = v.fromId;
            d.toKind[j] = v.toKind;
            d.toId[j] = v.toId;
            d.amount[j] = v.amount;
            d.tax[j] = v.tax;
            d.entryType[j] = v.entryType;
            d.accountId[j] = 1;
        }
        ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", year, month), *m).ok());
    }
    TempDir dir;
};

} // namespace

TEST_P(SummaryPrintedFigures, EndAQuarterDigitBeforeTheirRules) {
    const Case& c = GetParam();
    write(2003, 4);
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
