// The monthly sales list window on a temporary drive: opening, department, month and year
// navigation, its printout and its CSV file.
#include "daily/sales_list_printout.h"
#include "daily/sales_list_window.h"
#include "platform/grid.h"
#include "storage/cp932.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/painted_figures.h"
#include "support/printed_rules.h"
#include "support/printed_text.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

using namespace lukana;
using namespace lukana::platform;

namespace {

const std::string kListBusyo = "本店";

class SalesListWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = drive.str();
        std::filesystem::create_directories(busyoFolderPath(kListBusyo));
        busyoCount = 2;
        busyoRecs.resize(kBusyoCapacity);
        busyoRecs[0].name = kListBusyo;
        busyoRecs[0].id = 1;
        busyoRecs[1].name = "支店";
        busyoRecs[1].id = 2;
        ASSERT_TRUE(writeDepartments(rootFilePath("misena.dat")).ok());
        siireCount = 2;
        siireNames = {"酒屋", "八百屋"};
        siireIds = {10, 3000};
        siirePayKind = {0, 0};
        siireSimebi = {0, 0};
        siireBusyoIds = {0, 0};
        siireTukigo = {0, 0};
        siireBunrui = {0, 1};
        ASSERT_TRUE(writeSuppliers(rootFilePath("siire.dat")).ok());
        todayYear = 2003;
        todayMonth = 3;
        curBusyo = 0;
    }
    void TearDown() override { resetSharedState(); }

    // A month with sales on day 1 and a payment to each supplier.
    void writeMonth(int year, int month, bool olderName, double sales) {
        auto m = std::make_unique<NippouMonth>();
        NippouDay& day = (*m)[1];
        day.kingaku[7] = sales;
        day.kaidasiCount = 2;
        day.kaidasiSiireId[0] = 10;
        day.kaidasiGaku[0] = 1000;
        day.kaidasiSiireId[1] = 3000;
        day.kaidasiGaku[1] = 500;
        ASSERT_TRUE(writeNippouMonth(nippouPath(kListBusyo, year, month, olderName), *m, 0).ok());
    }

    TempDir drive;
};

TEST_F(SalesListWindowTest, OpensOnTodaysMonthOfTheMainWindowsDepartment) {
    writeMonth(2003, 3, true, 12345); // only under the older name
    TestScript script;
    SalesListWindow window;
    window.load();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("本店の売上げ一覧を表示しています"));
    EXPECT_EQ(window.departmentList()->count(), 2);
    EXPECT_EQ(window.yearBox()->text(), QStringLiteral("2003"));
    EXPECT_EQ(window.monthBox()->text(), QStringLiteral("3"));
    Grid* days = window.dayGrid();
    ASSERT_EQ(days->rows(), 32);
    EXPECT_EQ(days->text(0, 2), QStringLiteral("総売上"));
    EXPECT_EQ(days->text(1, 0), QStringLiteral("1"));
    EXPECT_EQ(days->text(1, 1), QStringLiteral("土"));
    EXPECT_EQ(days->text(1, 2), QStringLiteral("12,345"));
    EXPECT_EQ(days->text(1, 9), QStringLiteral("1,000")); // 酒類
    EXPECT_EQ(days->text(1, 10), QStringLiteral("500"));  // 食品一般, supplier id 3000
    EXPECT_EQ(days->text(1, 12), QStringLiteral("8.1%")); // 1000 / 12345
    EXPECT_EQ(days->text(31, 2), QStringLiteral("0"));
    Grid* summary = window.summaryGrid();
    EXPECT_EQ(summary->text(1, 0), QStringLiteral("合計"));
    EXPECT_EQ(summary->text(1, 1), QStringLiteral("12,345"));
    // The labels fit their column, and the amount columns of both grids stay in line.
    EXPECT_GE(summary->colWidth(0) / kTwipsPerPixel, // with the cell's margins
              summary->fontMetrics().horizontalAdvance(QStringLiteral("上平均")) + 5);
    EXPECT_EQ(days->colWidth(0) + days->colWidth(1), summary->colWidth(0));
    EXPECT_TRUE(window.printButton()->isEnabled());
    EXPECT_TRUE(window.csvButton()->isEnabled());
    EXPECT_TRUE(script.boxes().empty());
}

// Twelve-digit figures, negative ones too, show whole in every column of both grids, and the
// columns of the two grids stay in line.
TEST_F(SalesListWindowTest, TwelveDigitFiguresShowWhole) {
    auto m = std::make_unique<NippouMonth>();
    for (int d : {1, 2}) {
        const double figure = d == 1 ? 999999999999 : -999999999999;
        NippouDay& day = (*m)[d];
        for (int k : {7, 21, 12, 13, 16, 15, 4})
            day.kingaku[k] = figure;
        day.kaidasiCount = 2;
        day.kaidasiSiireId = {10, 3000};
        day.kaidasiGaku[0] = day.kaidasiGaku[1] = figure;
    }
    ASSERT_TRUE(writeNippouMonth(nippouPath(kListBusyo, 2003, 3), *m, 0).ok());
    TestScript script;
    SalesListWindow window;
    window.load();
    Grid* days = window.dayGrid();
    Grid* summary = window.summaryGrid();
    ASSERT_EQ(days->text(2, 2), QStringLiteral("-999,999,999,999"));
    for (auto [grid, first] : {std::pair{days, 2}, std::pair{summary, 1}})
        for (int row = 1; row < grid->rows(); ++row)
            for (int col = first; col < grid->cols(); ++col)
                EXPECT_LT(grid->fontMetrics().horizontalAdvance(grid->text(row, col)) *
                              kTwipsPerPixel,
                          grid->colWidth(col))
                    << grid->text(row, col).toStdString();
    for (int col = 2; col < days->cols(); ++col)
        EXPECT_EQ(days->colWidth(col), summary->colWidth(col - 1)) << col;
    // Scrolled sideways, the two grids show the same columns.
    window.show();
    days->setLeftCol(4);
    ASSERT_EQ(days->leftCol(), 4);
    EXPECT_EQ(summary->leftCol(), 3);
    summary->setLeftCol(2);
    EXPECT_EQ(days->leftCol(), 3);
}

// A month of twelve-digit days sums to fourteen digits: every figure of both grids, the sums
// and averages among them, is painted whole, smaller where it must be, minus sign and all.
TEST_F(SalesListWindowTest, SumsPastTwelveDigitsArePaintedWhole) {
    auto m = std::make_unique<NippouMonth>();
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = (*m)[d];
        day.kingaku[7] = 999999999999;
        day.kingaku[21] = day.kingaku[4] = -999999999999;
        day.kingaku[12] = day.kingaku[13] = 1;
        day.kaidasiCount = 1;
        day.kaidasiSiireId[0] = 10;
        day.kaidasiGaku[0] = -999999999999;
    }
    ASSERT_TRUE(writeNippouMonth(nippouPath(kListBusyo, 2003, 3), *m, 0).ok());
    TestScript script;
    SalesListWindow window;
    window.load();
    window.show();
    QStringList figures;
    for (Grid* grid : {window.dayGrid(), window.summaryGrid()})
        figures << expectFiguresPaintedWhole(*grid);
    EXPECT_TRUE(figures.contains(QStringLiteral("30,999,999,999,969")));
    EXPECT_TRUE(figures.contains(QStringLiteral("-30,999,999,999,969")));
}

TEST_F(SalesListWindowTest, MonthAndYearBoxesAndSpinners) {
    TestScript script;
    SalesListWindow window;
    window.load();
    // No file: every amount 0, no message.
    EXPECT_EQ(window.dayGrid()->text(5, 2), QStringLiteral("0"));
    EXPECT_EQ(window.summaryGrid()->text(4, 1), QStringLiteral("0"));

    for (const char* text : {"13", "0", "abc"}) {
        window.monthBox()->setText(QString::fromUtf8(text));
        EXPECT_EQ(curMonth, 3) << text;
        EXPECT_EQ(window.monthBox()->text(), QString::fromUtf8(text));
    }
    writeMonth(2003, 8, false, 777);
    window.monthBox()->setText(QStringLiteral("7.5"));
    EXPECT_EQ(curMonth, 8);
    EXPECT_EQ(window.monthBox()->text(), QStringLiteral("7.5")); // typed text stays
    EXPECT_EQ(window.dayGrid()->text(1, 2), QStringLiteral("777"));

    window.monthBox()->setText(QStringLiteral("12"));
    ASSERT_EQ(curMonth, 12);
    window.monthSpinner()->stepUp();
    EXPECT_EQ(curYear, 2004);
    EXPECT_EQ(curMonth, 1);
    EXPECT_EQ(window.yearBox()->text(), QStringLiteral(" 2004"));
    EXPECT_EQ(window.monthBox()->text(), QStringLiteral(" 1"));
    window.monthSpinner()->stepDown();
    EXPECT_EQ(curYear, 2003);
    EXPECT_EQ(curMonth, 12);
    window.yearSpinner()->stepUp();
    EXPECT_EQ(curYear, 2004);

    // February of a leap year: 29 rows; the year box takes typed years within 1-9999.
    window.monthBox()->setText(QStringLiteral("2"));
    EXPECT_EQ(window.dayGrid()->rows(), 30);
    window.yearBox()->setText(QStringLiteral("10000"));
    EXPECT_EQ(curYear, 2004);
    window.yearBox()->setText(QStringLiteral("9999"));
    EXPECT_EQ(curYear, 9999);
    window.monthBox()->setText(QStringLiteral("12"));
    window.monthSpinner()->stepUp(); // past the last year: nothing moves
    EXPECT_EQ(curYear, 9999);
    EXPECT_EQ(curMonth, 12);
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(SalesListWindowTest, ASpinnerStepRewritesOnlyTheBoxOfTheSpinnerThatMoved) {
    const struct {
        const char* what;
        const char* yearTyped; // nothing: left as the window filled it
        const char* monthTyped;
        bool monthSpinner; // else the year spinner, each one step up
        int year, month;
        const char* yearBox;
        const char* monthBox;
    } cases[] = {
        {"month step", "20000", nullptr, true, 2003, 4, "20000", " 4"},
        {"year step", nullptr, "13", false, 2004, 3, " 2004", "13"},
        {"month step into the next year", "abc", "12", true, 2004, 1, " 2004", " 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestScript script;
        SalesListWindow window;
        window.load();
        if (c.monthTyped)
            window.monthBox()->setText(QString::fromUtf8(c.monthTyped));
        if (c.yearTyped)
            window.yearBox()->setText(QString::fromUtf8(c.yearTyped));
        (c.monthSpinner ? window.monthSpinner() : window.yearSpinner())->stepUp();
        EXPECT_EQ(curYear, c.year);
        EXPECT_EQ(curMonth, c.month);
        EXPECT_EQ(window.yearBox()->text(), QString::fromUtf8(c.yearBox));
        EXPECT_EQ(window.monthBox()->text(), QString::fromUtf8(c.monthBox));
        EXPECT_EQ(window.dayGrid()->rows(), 1 + Nissuu(c.year, c.month));
    }
}

TEST_F(SalesListWindowTest, WithoutTheMainWindowsDepartmentOnlyTheDateMoves) {
    curBusyo = 5;
    TestScript script;
    SalesListWindow window;
    window.load();
    EXPECT_EQ(window.departmentList()->listIndex(), -1);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Form1"));
    EXPECT_FALSE(window.printButton()->isEnabled());
    EXPECT_FALSE(window.csvButton()->isEnabled());
    nippouMonth[1].kingaku[7] = 5; // nothing may be read over it
    filePath = "unchanged";
    window.monthSpinner()->stepUp();
    EXPECT_EQ(curMonth, 4);
    EXPECT_EQ(window.dayGrid()->rows(), 31);
    EXPECT_EQ(nippouMonth[1].kingaku[7], 5);
    EXPECT_EQ(filePath, "unchanged");

    writeMonth(2003, 4, false, 4000);
    window.departmentList()->setListIndex(0);
    EXPECT_TRUE(window.printButton()->isEnabled());
    EXPECT_EQ(window.dayGrid()->text(1, 2), QStringLiteral("4,000"));
    EXPECT_EQ(curBusyo, 5); // the main window's department is never changed
}

TEST_F(SalesListWindowTest, WithoutDepartmentsItSaysSoAndCloses) {
    std::filesystem::remove(rootFilePath("misena.dat"));
    TestScript script;
    script.answer(Answer::Ok);
    SalesListWindow window;
    window.load();
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, QStringLiteral("先に店舗を登録する必要があります。"));
    EXPECT_FALSE(window.isOpen());
}

TEST_F(SalesListWindowTest, PrintsOneLandscapePage) {
    writeMonth(2003, 12, false, 12345);
    todayMonth = 12;
    TestScript script;
    SalesListWindow window;
    window.load();
    script.printer(true);
    window.printButton()->click();
    ASSERT_EQ(script.printouts().size(), 1u);
    const PrintRecording rec = script.printouts()[0];
    EXPECT_EQ(rec.orientation, Orientation::Landscape);
    EXPECT_EQ(rec.documentName, "売上一覧_本店_200312"); // the name a printout to a file gets
    EXPECT_TRUE(rec.ended);
    ASSERT_EQ(rec.pages.size(), 1u);
    const QStringList calls = rec.page(0);
    EXPECT_TRUE(calls.contains(QStringLiteral("scale 0,0 4450,2750")))
        << calls.join("\n").toStdString();
    const QStringList texts = rec.texts(0);
    EXPECT_TRUE(texts.contains(at(1500, 50, QStringLiteral(" 2003年 12月　本店"))));
    EXPECT_TRUE(texts.contains(at(70, 250, QStringLiteral(" 1月"))));
    EXPECT_TRUE(texts.contains(at(220, 180, QStringLiteral("総売上"))));
    // Figures end a quarter digit before the rule right of their column.
    const printed_rules::Measure page(Orientation::Landscape, 4450, 8);
    EXPECT_TRUE(texts.contains(at(page.leftBefore(520, "12,345"), 250, "12,345"))); // 総売上
    EXPECT_TRUE(texts.contains(at(page.leftBefore(2620, "1,000"), 250, "1,000")));  // 酒類
    EXPECT_TRUE(texts.contains(at(70, 31 * 70 + 250, QStringLiteral("合計"))));
}

TEST_F(SalesListWindowTest, CancelPrintsNothingAndEveryPrinterFailureSaysSoOnce) {
    TestScript script;
    SalesListWindow window;
    window.load();
    const struct {
        const char* what;
        std::function<void()> printer;
        bool told;
    } cases[] = {
        {"cancel", [&] { script.printer(false); }, false},
        {"printer chosen cannot take it", [&] { script.printerUnavailable(); }, true},
        {"no printer at all", [&] { script.noPrinter(); }, true},
        {"printer fails on the fifth call", [&] { script.printer(true, 5); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t shown = script.boxes().size();
        c.printer();
        if (c.told)
            script.answer(Answer::Ok);
        window.printButton()->click();
        ASSERT_EQ(script.boxes().size() - shown, c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(script.boxes().back().text, QStringLiteral("プリンターが接続されていません"));
            EXPECT_EQ(script.boxes().back().buttons, Buttons::Ok);
        }
    }
    ASSERT_EQ(script.printouts().size(), 1u);
    EXPECT_EQ(script.printouts()[0].calls, 4);
    EXPECT_TRUE(script.printouts()[0].aborted);
    EXPECT_FALSE(script.printouts()[0].ended);
}

TEST(SalesListPrintout, AShortMonthGetsTallerRows) {
    auto month = std::make_unique<NippouMonth>();
    const SalesList list = computeSalesList(*month, 28, {});
    auto recording = std::make_shared<PrintRecording>();
    RecordingPageWriter page(recording);
    drawSalesList(page, list, 2003, 2, "本店");
    const QStringList calls = recording->page(0);
    EXPECT_TRUE(calls.contains(QStringLiteral("scale 0,0 4450,2540")));
    const QStringList texts = recording->texts(0);
    EXPECT_TRUE(texts.contains(at(70, 2210, QStringLiteral("合計"))));
    EXPECT_TRUE(texts.contains(at(70, 2280, QStringLiteral("上平均"))));
    EXPECT_TRUE(texts.contains(at(70, 2350, QStringLiteral("下平均"))));
    EXPECT_TRUE(texts.contains(at(70, 2420, QStringLiteral("平均"))));
    EXPECT_TRUE(calls.contains(QStringLiteral("box 60,170 4430,2490")));
}

TEST_F(SalesListWindowTest, SavesTheCsvFile) {
    writeMonth(2003, 3, false, 123456);
    TestScript script;
    SalesListWindow window;
    window.load();
    const std::string path = (drive.path() / "list").string(); // no extension added
    script.saveFile(QString::fromStdString(path)).answer(Answer::Ok);
    window.csvButton()->click();
    ASSERT_EQ(script.saveRequests().size(), 1u);
    EXPECT_EQ(script.saveRequests()[0].suggested, "売上一覧_本店_200303.csv");
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, QStringLiteral("ﾌｧｲﾙ処理に成功しました"));
    const std::string bytes = readBytes(path);
    const std::string title = *toCp932(" 2003年 3月　本店\r\n");
    EXPECT_EQ(bytes.substr(0, title.size()), title);
    EXPECT_NE(bytes.find(*toCp932(" 1,土,\"123,456\",0,0,0,0,0,0,\"1,000\",500,0,.81%,.41%,,\r\n")),
              std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n");
}

} // namespace
