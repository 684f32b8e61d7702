// The period list and the monthly summary, driven through their controls.
#include "platform/clock.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "summaries/cash_book_window.h"
#include "summaries/monthly_summary_window.h"
#include "summaries/period_list_window.h"
#include "support/painted_figures.h"
#include "support/printed_rules.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"
#include "support/voucher_lines.h"

#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

using namespace lukana;
using namespace lukana::platform;
using namespace lukana;

namespace {

// "x,top text" of a figure ending a quarter digit before rule.
QString printedBefore(double rule, double top, const QString& figure) {
    static const printed_rules::Measure page(Orientation::Landscape, 3200, 8);
    return QStringLiteral("%1,%2 %3")
        .arg(page.leftBefore(rule, figure), 0, 'g', 10)
        .arg(top)
        .arg(figure);
}

class SummaryWindowsTest : public ::testing::Test {
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
        simeGenkin = 25;
        setToday(CalendarDay{2003, 3, 15});
        std::filesystem::create_directories(busyoFolderPath("本店"));
    }
    void TearDown() override { setToday(std::nullopt); }
    // count vouchers of 1,000 (tax 48) from the department to the supplier on that day.
    void vouchers(int year, int month, int day, int count, int subAccountId = 0) {
        auto m = std::make_unique<DenpyouMonth>();
        readDenpyouMonth(denpyouPath("本店", year, month), *m).ok();
        for (int i = 0; i < count; ++i)
            appendVoucher((*m)[day], {.amount = 1000,
                                      .fromKind = 2,
                                      .toKind = 1,
                                      .toId = 7,
                                      .entryType = 1,
                                      .accountId = 1,
                                      .subAccountId = subAccountId,
                                      .tax = 48});
        ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", year, month), *m).ok());
    }
    static QStringList boxes(const PeriodEntry& entry, int index) { return entry.boxTexts(index); }
    TempDir dir;
};

TEST_F(SummaryWindowsTest, PeriodListOpensOnTheFiscalYearAndListsIt) {
    vouchers(2003, 4, 1, 1);
    vouchers(2004, 3, 31, 2);
    vouchers(2004, 4, 1, 1);
    PeriodListWindow w;
    w.load();
    EXPECT_EQ(boxes(*w.periodEntry(), 0), QStringList({"2003", "4", "1"}));
    EXPECT_EQ(boxes(*w.periodEntry(), 1), QStringList({"2004", "3", "31"}));
    ASSERT_EQ(w.listGrid()->rows(), 4);
    EXPECT_EQ(w.listGrid()->text(1, 0), QStringLiteral(" 2003/ 4/ 1"));
    // The date column and the totals' first column fit a whole date.
    for (const Grid* grid : {w.listGrid(), w.totalsGrid()})
        EXPECT_GE(grid->colWidth(0) / kTwipsPerPixel, // with the cell's margins
                  grid->fontMetrics().horizontalAdvance(QStringLiteral(" 2003/ 12/ 31")) + 5);
    EXPECT_EQ(w.listGrid()->text(3, 6), QStringLiteral("¥2,000")) << "sums start again each month";
    EXPECT_EQ(w.listGrid()->text(3, 8), QStringLiteral("酒屋"));
    EXPECT_EQ(w.totalsGrid()->text(1, 1), QStringLiteral("¥2,856"));
    EXPECT_EQ(w.totalsGrid()->text(1, 3), QStringLiteral("¥144"));
    EXPECT_EQ(w.totalsGrid()->text(1, 5), QStringLiteral("¥3,000"));

    // A period typed but not recalculated leaves the list as it was.
    w.periodEntry()->date(1)->box(DatePart::Month)->setText(QStringLiteral("4"));
    EXPECT_EQ(w.listGrid()->rows(), 4);
    w.recalculateButton()->click();
    EXPECT_EQ(w.listGrid()->rows(), 5);
}

TEST_F(SummaryWindowsTest, PeriodListPrintoutNamesThePeriodOfItsRows) {
    PeriodListWindow w;
    w.load();
    w.periodEntry()->date(0)->box(DatePart::Year)->setText(QStringLiteral("2001"));
    TestScript script;
    script.printer(true);
    w.printButton()->click();
    ASSERT_EQ(script.printouts().size(), 1u);
    const PrintRecording rec = script.printouts()[0];
    EXPECT_EQ(rec.orientation, Orientation::Landscape);
    EXPECT_EQ(rec.documentName, "期間集計表_本店_20030401-20040331");
    EXPECT_TRUE(rec.ended);
    const QStringList texts = rec.texts(0);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(
        texts[0],
        QStringLiteral("500,50 2003年4月1日～2004年3月31日　　種別全て；全てから全てへ全ての"));
    EXPECT_TRUE(texts.contains(QStringLiteral("110,340 合計")));
    for (double rule : {800, 1380, 1960})
        EXPECT_TRUE(texts.contains(printedBefore(rule, 340, QStringLiteral("¥")))) << rule;
}

TEST_F(SummaryWindowsTest, PrintoutPagesHold33Rows) {
    vouchers(2003, 3, 1, 34);
    MonthlySummaryWindow w;
    w.load();
    ASSERT_EQ(w.listGrid()->rows(), 35);
    TestScript script;
    script.printer(true);
    w.printButton()->click();
    const PrintRecording rec = script.printouts().at(0);
    EXPECT_EQ(rec.documentName, "月間支出集計_本店_200303");
    ASSERT_EQ(rec.pages.size(), 2u);
    EXPECT_EQ(rec.texts(0)[0],
              QStringLiteral("500,50  2003年 3月　種別全て；全てから全てへ全ての"));
    EXPECT_TRUE(rec.texts(1).contains(QStringLiteral("110,300  3/ 1")));
    EXPECT_TRUE(rec.page(0).contains(QStringLiteral("box 80,150 3120,3590")));
}

TEST_F(SummaryWindowsTest, CancelPrintsNothingAndFailureAbortsWithTheMessage) {
    MonthlySummaryWindow w;
    w.load();
    {
        TestScript script;
        script.printer(false);
        w.printButton()->click();
        EXPECT_TRUE(script.printouts().empty());
        EXPECT_TRUE(script.boxes().empty());
    }
    TestScript script;
    script.printer(true, 3).answer(Answer::Ok);
    w.printButton()->click();
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, QStringLiteral("プリンターが接続されていません"));
    EXPECT_EQ(script.boxes()[0].buttons, Buttons::Ok);
    const PrintRecording rec = script.printouts().at(0);
    EXPECT_TRUE(rec.aborted);
    EXPECT_FALSE(rec.ended);
}

TEST_F(SummaryWindowsTest, MonthlySummaryCutsAtTheClosingDayAndRecalculatesOnlyWhenAsked) {
    vouchers(2003, 2, 25, 1);
    vouchers(2003, 2, 26, 1);
    vouchers(2003, 3, 25, 1);
    vouchers(2003, 3, 26, 1);
    MonthlySummaryWindow w;
    w.load();
    EXPECT_EQ(w.periodCaption()->text(), QStringLiteral(" 2月 26日～ 3月 25日"));
    ASSERT_EQ(w.listGrid()->rows(), 3);
    EXPECT_EQ(w.listGrid()->text(1, 0), QStringLiteral(" 2/ 26"));
    EXPECT_NEAR(w.listGrid()->colWidth(0), 1000, kTwipsPerPixel) << "wide enough as it is";
    EXPECT_EQ(w.listGrid()->text(2, 6), QStringLiteral("¥2,000")) << "sums run on into March";

    w.closingDay()->box()->setText(QStringLiteral("0"));
    EXPECT_EQ(simeGenkin, 31);
    EXPECT_EQ(w.listGrid()->rows(), 3);
    w.recalculateButton()->click();
    EXPECT_EQ(w.periodCaption()->text(), QStringLiteral(" 3月 1日～ 3月 31日"));
    EXPECT_EQ(w.listGrid()->rows(), 3);
    w.previousMonthButton()->click();
    EXPECT_EQ(w.listGrid()->rows(), 3);
    EXPECT_EQ(w.shownMonth().month, 2);
}

TEST_F(SummaryWindowsTest, AccountTitleRefillsTheSubAccountList) {
    tekiyouCount = 2;
    tekiyouNames[1] = "水道光熱費";
    tekiyouIds[1] = 2;
    tyCount = 3;
    const char* names[] = {"酒類", "電気", "食材"};
    const int titles[] = {1, 2, 1};
    for (int i = 0; i < 3; ++i) {
        tyNames[i] = names[i];
        tyIds[i] = 10 + i;
        tyTekiyouIds[i] = titles[i];
    }
    vouchers(2003, 3, 1, 1, 10);
    vouchers(2003, 3, 2, 2, 12);
    MonthlySummaryWindow w;
    w.load();
    ComboBox* title = w.filters()->lists[kAccountTitle];
    ComboBox* sub = w.filters()->lists[kSubAccount];
    auto items = [&] {
        QStringList texts;
        for (int i = 0; i < sub->count(); ++i)
            texts << sub->itemText(i);
        return texts;
    };
    EXPECT_EQ(sub->count(), 0);
    title->setListIndex(1);
    EXPECT_EQ(items(), QStringList({"全て", "酒類", "食材"}));
    EXPECT_EQ(sub->listIndex(), 0);
    sub->setListIndex(2);
    EXPECT_EQ(w.listGrid()->rows(), 3) << "only 食材";
    title->setListIndex(2);
    EXPECT_EQ(items(), QStringList({"全て", "電気"}));
    EXPECT_EQ(filterSel[kSubAccount], 0);
    EXPECT_EQ(w.listGrid()->rows(), 1);
    title->setListIndex(0);
    EXPECT_EQ(sub->count(), 0);
    EXPECT_EQ(w.listGrid()->rows(), 4) << "every sub-account again";
}

TEST_F(SummaryWindowsTest, MatchModeClickRecalculates) {
    MonthlySummaryWindow w;
    w.load();
    EXPECT_TRUE(w.filters()->matchOptions[0]->isChecked());
    vouchers(2003, 3, 1, 1); // written after the listing: only a recalculation shows it
    EXPECT_EQ(w.listGrid()->rows(), 1);
    w.filters()->matchOptions[1]->click();
    EXPECT_EQ(w.listGrid()->rows(), 2) << "also without a party filter";

    w.filters()->lists[kToParty]->setListIndex(2);   // 本店: no voucher goes there
    w.filters()->lists[kFromParty]->setListIndex(3); // 本部: none comes from there
    EXPECT_EQ(w.listGrid()->rows(), 1);
    w.filters()->lists[kFromParty]->setListIndex(2); // 本店
    EXPECT_EQ(w.listGrid()->rows(), 2) << "either side matching lists it";
    w.filters()->matchOptions[0]->click();
    EXPECT_EQ(w.listGrid()->rows(), 1);
}

TEST_F(SummaryWindowsTest, ReopeningStartsAfresh) {
    vouchers(2003, 4, 1, 1);
    {
        PeriodListWindow w;
        w.load();
        w.filters()->lists[kEntryType]->setListIndex(2);
        w.filters()->lists[kAccountTitle]->setListIndex(1);
        w.filters()->matchOptions[1]->click();
        w.periodEntry()->date(0)->box(DatePart::Year)->setText(QStringLiteral("2001"));
        w.recalculateButton()->click();
        EXPECT_EQ(w.listGrid()->rows(), 1);
        w.backButton()->click();
    }
    PeriodListWindow w;
    w.load();
    for (int list : {kToParty, kFromParty, kAccountTitle, kEntryType})
        EXPECT_EQ(w.filters()->shownText(FilterList(list)), QStringLiteral("全て")) << list;
    EXPECT_EQ(w.filters()->lists[kSubAccount]->count(), 0);
    EXPECT_EQ(filterSel, (std::array<int, 6>{}));
    EXPECT_TRUE(w.filters()->matchOptions[0]->isChecked());
    EXPECT_EQ(w.filters()->matchMode(), kBothMatch);
    EXPECT_EQ(boxes(*w.periodEntry(), 0), QStringList({"2003", "4", "1"}));
    EXPECT_EQ(w.listGrid()->rows(), 2);
}

TEST_F(SummaryWindowsTest, ClosingDayBoxAndSpinner) {
    MonthlySummaryWindow w;
    w.load();
    struct Case {
        const char* typed;
        const char* box;
        int day;
    };
    const Case cases[] = {{"10", "10", 10}, {"", "", 31},    {"ab", "ab", 31},
                          {"45", "31", 31}, {"-3", "0", 31}, {"1,5", "15", 15}};
    for (const Case& c : cases) {
        w.closingDay()->box()->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(w.closingDay()->box()->text(), QString::fromUtf8(c.box)) << c.typed;
        EXPECT_EQ(simeGenkin, c.day) << c.typed;
    }
    w.closingDay()->box()->setText(QStringLiteral("1"));
    w.closingDay()->spinner()->stepDown();
    EXPECT_EQ(simeGenkin, 31);
    EXPECT_EQ(w.closingDay()->box()->text(), QStringLiteral("31"));
    w.closingDay()->spinner()->stepUp();
    EXPECT_EQ(simeGenkin, 1);
}

TEST_F(SummaryWindowsTest, ThousandsOfVouchersAreAllListedAndPrinted) {
    vouchers(2003, 3, 1, 401);
    for (int d = 2; d <= 8; ++d)
        vouchers(2003, 3, d, 401);
    MonthlySummaryWindow w;
    w.load();
    ASSERT_EQ(w.listGrid()->rows(), 1 + 8 * 401);
    TestScript script;
    script.printer(true);
    w.printButton()->click();
    const PrintRecording rec = script.printouts().at(0);
    EXPECT_EQ(rec.pages.size(), static_cast<size_t>((8 * 401 + 32) / 33));
    EXPECT_TRUE(rec.texts(rec.pages.size() - 1)
                    .contains(printedBefore(1960, 1000, QStringLiteral("¥3,208,000"))));
}

} // namespace

TEST_F(SummaryWindowsTest, PartyColumnsShowTheirLongestName) {
    busyoRecs[0].bankName = "みずほ";
    busyoRecs[0].branchName = "東京営業部";
    busyoRecs[0].accountNumber = "1234567";
    siireNames[0] = "有限会社 酒のやまだ 東京中央卸売市場店";
    {
        auto m = std::make_unique<DenpyouMonth>();
        DenpyouDay& d = (*m)[1];
        d.denpyouCount = 2;
        d.fromKind[0] = 4, d.fromId[0] = 1, d.toKind[0] = 1, d.toId[0] = 7, d.amount[0] = 1000;
        d.fromKind[1] = 2, d.fromId[1] = 0, d.toKind[1] = 4, d.toId[1] = 1, d.amount[1] = 2000;
        ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2003, 4), *m).ok());
    }
    PeriodListWindow w;
    w.load();
    ASSERT_EQ(w.listGrid()->rows(), 3);
    for (int row : {1, 2})
        for (int col : {7, 8}) {
            const QString text = w.listGrid()->text(row, col);
            EXPECT_FALSE(text.isEmpty());
            for (const Grid* grid : {w.listGrid(), w.totalsGrid()}) // the totals keep in line
                EXPECT_LT(grid->fontMetrics().horizontalAdvance(text) * kTwipsPerPixel,
                          grid->colWidth(col))
                    << text.toStdString();
        }
}

namespace {

// Every cell below the headings of both grids shows its text whole.
template <class Window> void expectFiguresWhole(const QStringList& expected) {
    Window w;
    w.load();
    QStringList shown;
    for (const Grid* grid : {w.listGrid(), w.totalsGrid()})
        for (int row = 1; row < grid->rows(); ++row)
            for (int col = 0; col < grid->cols(); ++col) {
                const QString text = grid->text(row, col);
                shown << text;
                EXPECT_LT(grid->fontMetrics().horizontalAdvance(text) * kTwipsPerPixel,
                          grid->colWidth(col))
                    << text.toStdString();
            }
    for (const QString& figure : expected)
        EXPECT_TRUE(shown.contains(figure)) << figure.toStdString();
}

// Every figure of both grids is painted whole, the expected among them.
template <class Window> void expectFiguresPaintedWholeIn(const QStringList& expected) {
    Window w;
    w.load();
    w.show();
    QStringList painted;
    for (Grid* grid : {w.listGrid(), w.totalsGrid()})
        painted << expectFiguresPaintedWhole(*grid);
    for (const QString& figure : expected)
        EXPECT_TRUE(painted.contains(figure)) << figure.toStdString();
}

} // namespace

TEST_F(SummaryWindowsTest, TwelveDigitFiguresAndTheirSumsShowWhole) {
    // Two vouchers of 999,999,999,999 and four of minus that on 10 March.
    auto m = std::make_unique<DenpyouMonth>();
    for (double amount : {1.0, 1.0, -1.0, -1.0, -1.0, -1.0})
        appendVoucher((*m)[10], {.amount = amount * 999999999999,
                                 .fromKind = 2,
                                 .toKind = 1,
                                 .toId = 7,
                                 .entryType = 1,
                                 .tax = amount * 99999999999});
    ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2003, 3), *m).ok());
    curYear = 2003, curMonth = 3;
    const QStringList figures{"¥999,999,999,999", "-¥999,999,999,999", "¥1,999,999,999,998",
                              "-¥1,999,999,999,998", "-¥1,800,000,000,000"};
    expectFiguresWhole<PeriodListWindow>(figures);
    expectFiguresWhole<MonthlySummaryWindow>(figures);

    // Fourteen more on 11 March bring the sums to fourteen digits: painted whole, smaller.
    for (int i = 0; i < 14; ++i)
        appendVoucher((*m)[11], {.amount = 999999999999,
                                 .fromKind = 2,
                                 .toKind = 1,
                                 .toId = 7,
                                 .entryType = 1,
                                 .tax = 99999999999});
    ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2003, 3), *m).ok());
    const QStringList sums{"¥11,999,999,999,988", "¥1,199,999,999,988"};
    expectFiguresPaintedWholeIn<PeriodListWindow>(sums);
    expectFiguresPaintedWholeIn<MonthlySummaryWindow>(sums);
}

namespace {

// In a window too narrow for every column, the totals stand under the columns of their list
// however either grid is scrolled.
template <class Window> void expectTotalsScrollWithTheirList() {
    Window w;
    w.load();
    w.show();
    w.resize(420, w.height());
    Grid& list = *w.listGrid();
    Grid& totals = *w.totalsGrid();
    list.setLeftCol(list.cols()); // as far as it goes
    EXPECT_GT(list.leftCol(), 1);
    EXPECT_EQ(totals.leftCol(), list.leftCol());
    totals.horizontalScrollBar()->setValue(1); // the user scrolls the totals
    EXPECT_EQ(totals.leftCol(), 2);
    EXPECT_EQ(list.leftCol(), 2);
}

} // namespace

TEST_F(SummaryWindowsTest, TotalsScrollSidewaysWithTheirList) {
    vouchers(2003, 4, 1, 60); // more rows than the list shows: it has a vertical scroll bar
    vouchers(2003, 3, 1, 60);
    {
        SCOPED_TRACE("period list");
        expectTotalsScrollWithTheirList<PeriodListWindow>();
    }
    {
        SCOPED_TRACE("monthly summary");
        expectTotalsScrollWithTheirList<MonthlySummaryWindow>();
    }
    {
        SCOPED_TRACE("cash book");
        expectTotalsScrollWithTheirList<CashBookWindow>();
    }
}
