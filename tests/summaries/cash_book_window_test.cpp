// The cash book window: its listing, the balance carried through the balance files, its
// printout.
#include "platform/clock.h"
#include "storage/balances.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "summaries/cash_book_window.h"
#include "support/files.h"
#include "support/painted_figures.h"
#include "support/printed_rules.h"
#include "support/temp_dir.h"
#include "support/text_room.h"
#include "support/ui_script.h"
#include "support/voucher_lines.h"

#include <gtest/gtest.h>

#include <memory>

using namespace lukana;
using namespace lukana::platform;
using namespace lukana;

namespace {

class CashBookWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = dir.str();
        busyoCount = 2;
        busyoRecs[0].name = busyoNames[0] = "本店";
        busyoRecs[0].id = busyoIds[0] = 2;
        busyoRecs[1].name = busyoNames[1] = "支店";
        busyoRecs[1].id = busyoIds[1] = 4;
        denpyouBusyo = 0;
        siireCount = 1;
        siireNames[0] = "S商店";
        siireIds[0] = 7;
        simeGenkin = 31;
        setToday(CalendarDay{2004, 4, 20});
        for (const char* b : {"本店", "支店"})
            std::filesystem::create_directories(busyoFolderPath(b));
        // 20,000 from head office on the 10th, 5,000 to S on the 15th.
        auto m = std::make_unique<DenpyouMonth>();
        appendVoucher((*m)[10],
                      {.amount = 20000, .fromKind = 2, .fromId = 1, .toKind = 2, .entryType = 2});
        appendVoucher((*m)[15],
                      {.amount = 5000, .fromKind = 2, .toKind = 1, .toId = 7, .entryType = 1});
        EXPECT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2004, 4), *m).ok());
    }
    void TearDown() override {
        setToday(std::nullopt);
        setMoveAsideHook({});
    }
    static std::string file(const char* department, int year, int month) {
        return readBytes(zanPath(department, year, month));
    }
    static bool exists(const char* department, int year, int month) {
        return std::filesystem::exists(zanPath(department, year, month));
    }
    TempDir dir;
};

TEST_F(CashBookWindowTest, WorkedExampleCarriesItsBalanceIntoTheNextMonth) {
    CashBookWindow w;
    w.load();
    EXPECT_EQ(w.previousBalanceBox()->text(), QStringLiteral("0"));
    EXPECT_FALSE(exists("本店", 2004, 3)) << "opening writes nothing";
    w.previousBalanceBox()->setText(QStringLiteral("1,000"));
    EXPECT_EQ(w.previousBalanceBox()->text(), QStringLiteral("1000"));
    ASSERT_EQ(w.listGrid()->rows(), 3);
    EXPECT_EQ(w.listGrid()->text(1, 1), QStringLiteral("¥20,000"));
    EXPECT_EQ(w.listGrid()->text(1, 5), QStringLiteral("¥21,000"));
    EXPECT_EQ(w.listGrid()->text(1, 6), QStringLiteral("本部"));
    EXPECT_EQ(w.listGrid()->text(2, 3), QStringLiteral("¥5,000"));
    EXPECT_EQ(w.listGrid()->text(2, 5), QStringLiteral("¥16,000"));
    EXPECT_EQ(w.listGrid()->text(2, 6), QStringLiteral("S商店"));
    EXPECT_EQ(w.totalsGrid()->text(1, 2), QStringLiteral("¥20,000"));
    EXPECT_EQ(w.totalsGrid()->text(1, 4), QStringLiteral("¥5,000"));
    EXPECT_EQ(w.totalsGrid()->text(1, 5), QStringLiteral("¥15,000"));

    w.nextMonthButton()->click();
    EXPECT_EQ(file("本店", 2004, 3), " 1\r\n 2\r\n 0\r\n 1000\r\n");
    EXPECT_EQ(file("本店", 2004, 4), " 1\r\n 2\r\n 0\r\n 16000\r\n");
    EXPECT_EQ(w.previousBalanceBox()->text(), QStringLiteral("16000"));
    EXPECT_EQ(w.listGrid()->rows(), 1);

    w.backButton()->click();
    EXPECT_EQ(file("本店", 2004, 5), " 1\r\n 2\r\n 0\r\n 16000\r\n");
}

TEST_F(CashBookWindowTest, PartyChangeStoresBothFilesAndFiltersDoNotChangeTheStoredBalance) {
    writeBytes(zanPath("本店", 2004, 3), " 1\r\n 4\r\n 1\r\n 300\r\n");
    CashBookWindow w;
    w.load();
    w.filters()->lists[kEntryType]->setListIndex(1); // 支払い only
    ASSERT_EQ(w.listGrid()->rows(), 2);
    w.filters()->lists[kToParty]->setListIndex(2); // the main bank
    EXPECT_EQ(file("本店", 2004, 3), " 2\r\n 4\r\n 1\r\n 300\r\n 2\r\n 0\r\n 0\r\n");
    EXPECT_EQ(file("本店", 2004, 4), " 1\r\n 2\r\n 0\r\n 15000\r\n");
    EXPECT_EQ(w.previousBalanceBox()->text(), QStringLiteral("300"));
}

TEST_F(CashBookWindowTest, JanuaryStepsBackToDecemberAndReadsNovember) {
    setToday(CalendarDay{2004, 1, 5});
    writeBytes(zanPath("本店", 2003, 11), " 1\r\n 2\r\n 0\r\n 77\r\n");
    CashBookWindow w;
    w.load();
    w.previousMonthButton()->click();
    EXPECT_EQ(w.shownMonth().year, 2003);
    EXPECT_EQ(w.shownMonth().month, 12);
    EXPECT_EQ(w.previousBalanceBox()->text(), QStringLiteral("77"));
}

TEST_F(CashBookWindowTest, AnotherDepartmentReadsAndWritesItsOwnFiles) {
    writeBytes(zanPath("支店", 2004, 3), " 1\r\n 2\r\n 0\r\n 5\r\n");
    denpyouBusyo = 1;
    CashBookWindow w;
    w.load();
    EXPECT_EQ(w.previousBalanceBox()->text(), QStringLiteral("5"));
    w.backButton()->click();
    EXPECT_EQ(file("支店", 2004, 4), " 1\r\n 2\r\n 0\r\n 5\r\n");
    EXPECT_FALSE(exists("本店", 2004, 4));
}

TEST_F(CashBookWindowTest, FailedWriteIsToldAndTheWindowStillCloses) {
    CashBookWindow w;
    w.load();
    std::filesystem::remove_all(busyoFolderPath("本店"));
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::Ok);
    w.backButton()->click();
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_TRUE(
        script.boxes()[0].text.startsWith(QStringLiteral("出納帳の残高を保存できませんでした。")));
    EXPECT_FALSE(w.isOpen());
}

TEST_F(CashBookWindowTest, BalanceFilesThatCannotBeMovedAsideAreNeverWrittenOver) {
    writeBytes(zanPath("本店", 2004, 3), " 5\r\n"); // the count promises more
    writeBytes(zanPath("本店", 2004, 4), "x\r\n");  // no count at all
    setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
    TestScript script;
    for (int i = 0; i < 4; ++i)
        script.answer(Answer::Ok);
    {
        CashBookWindow w;
        w.load();
        EXPECT_EQ(w.previousBalanceBox()->text(), QStringLiteral("0"));
        w.previousBalanceBox()->setText(QStringLiteral("1000"));
        w.backButton()->click();
        EXPECT_FALSE(w.isOpen());
    }
    setMoveAsideHook({});
    EXPECT_EQ(file("本店", 2004, 3), " 5\r\n");
    EXPECT_EQ(file("本店", 2004, 4), "x\r\n");
    const QString kept =
        QStringLiteral("が壊れていて読めず、別の名前に移すこともできませんでした。");
    const QString notSaved = QStringLiteral("出納帳の残高を保存できませんでした。");
    ASSERT_EQ(script.boxes().size(), 4u);
    EXPECT_TRUE(script.boxes()[0].text.startsWith(QString::fromStdString(zanPath("本店", 2004, 3)) +
                                                  " " + kept));
    EXPECT_TRUE(script.boxes()[1].text.startsWith(notSaved));
    EXPECT_TRUE(script.boxes()[2].text.startsWith(QString::fromStdString(zanPath("本店", 2004, 4)) +
                                                  " " + kept));
    EXPECT_TRUE(script.boxes()[3].text.startsWith(notSaved));
}

TEST_F(CashBookWindowTest, PrintoutTitleRowsAndTotals) {
    setToday(CalendarDay{2003, 12, 1});
    CashBookWindow w;
    w.load();
    TestScript script;
    script.printer(true);
    w.printButton()->click();
    const PrintRecording rec = script.printouts().at(0);
    EXPECT_EQ(rec.documentName, "出納帳_本店_200312");
    const QStringList texts = rec.texts(0);
    EXPECT_EQ(texts[0], QStringLiteral("500,50  2003年 12月　種別全て；本店全ての"));
    EXPECT_TRUE(texts.contains(QStringLiteral("110,340 合計")));
    const printed_rules::Measure page(Orientation::Landscape, 3200, 8);
    for (double rule : {700, 1180, 1420})
        EXPECT_TRUE(texts.contains(
            QStringLiteral("%1,340 ¥").arg(page.leftBefore(rule, QStringLiteral("¥")), 0, 'g', 10)))
            << rule;
    EXPECT_TRUE(rec.ended);
}

TEST_F(CashBookWindowTest, APrinterFailureAbortsTheJobWithItsMessage) {
    CashBookWindow w;
    w.load();
    const QString message = QStringLiteral("プリンターが接続されていません");
    {
        TestScript script;
        script.printerUnavailable().answer(Answer::Ok);
        w.printButton()->click();
        EXPECT_TRUE(script.printouts().empty());
        ASSERT_EQ(script.boxes().size(), 1u);
        EXPECT_EQ(script.boxes()[0].text, message);
    }
    // Calls: scale 1, font 2 and 3, title 4, eight headings, ...; the end comes last.
    for (int k : {1, 4, 30}) {
        SCOPED_TRACE(k);
        TestScript script;
        script.printer(true, k).answer(Answer::Ok);
        w.printButton()->click();
        const PrintRecording rec = script.printouts().at(0);
        EXPECT_EQ(rec.calls, k - 1) << "nothing drawn after the failure";
        EXPECT_TRUE(rec.aborted);
        EXPECT_FALSE(rec.ended);
        ASSERT_EQ(script.boxes().size(), 1u);
        EXPECT_EQ(script.boxes()[0].text, message);
        EXPECT_EQ(script.boxes()[0].buttons, Buttons::Ok);
    }
}

TEST_F(CashBookWindowTest, PagesHold33RowsAndCancelPrintsNothing) {
    // The two vouchers of the fixture and 31 more on the 20th: 33 rows.
    auto m = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(denpyouPath("本店", 2004, 4), *m).ok());
    DenpyouDay& d20 = (*m)[20];
    auto add = [&](int count) {
        for (int i = 0; i < count; ++i)
            appendVoucher(d20,
                          {.amount = 100, .fromKind = 2, .toKind = 1, .toId = 7, .entryType = 1});
        ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2004, 4), *m).ok());
    };
    add(31);
    CashBookWindow w;
    w.load();
    {
        TestScript script;
        script.printer(false);
        w.printButton()->click();
        EXPECT_TRUE(script.printouts().empty());
        EXPECT_TRUE(script.boxes().empty());
    }
    auto print = [&] {
        TestScript script;
        script.printer(true);
        w.printButton()->click();
        return script.printouts().at(0);
    };
    const PrintRecording one = print();
    ASSERT_EQ(one.pages.size(), 1u);
    EXPECT_TRUE(one.texts(0).contains(QStringLiteral("110,3500  4/ 20")));
    EXPECT_TRUE(one.texts(0).contains(QStringLiteral("110,3600 合計")));
    EXPECT_TRUE(one.page(0).contains(QStringLiteral("box 80,150 3120,3590")));

    add(1);
    w.previousBalanceBox()->setText(QStringLiteral("1")); // relists
    ASSERT_EQ(w.listGrid()->rows(), 35);
    const PrintRecording two = print();
    ASSERT_EQ(two.pages.size(), 2u);
    EXPECT_TRUE(two.page(0).contains(QStringLiteral("box 80,150 3120,3590")));
    EXPECT_FALSE(two.texts(0).contains(QStringLiteral("110,3600 合計")));
    const QStringList last = two.texts(1);
    EXPECT_EQ(last[0], QStringLiteral("500,50  2004年 4月　種別全て；本店全ての"));
    EXPECT_TRUE(last.contains(QStringLiteral("110,300  4/ 20")));
    EXPECT_TRUE(last.contains(QStringLiteral("110,400 合計")));
    EXPECT_TRUE(two.page(1).contains(QStringLiteral("box 80,150 3120,390")));
    EXPECT_TRUE(two.ended);
}

} // namespace

TEST_F(CashBookWindowTest, ColumnsShowALongPartyNameAndTwelveDigitFiguresWhole) {
    siireNames[0] = "有限会社 酒のやまだ 東京中央卸売市場店";
    {
        auto m = std::make_unique<DenpyouMonth>();
        ASSERT_TRUE(readDenpyouMonth(denpyouPath("本店", 2004, 4), *m).ok());
        (*m)[10].amount[0] = 999999999999;
        (*m)[15].amount[0] = 123456789012;
        ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2004, 4), *m).ok());
    }
    CashBookWindow w;
    w.load();
    w.previousBalanceBox()->setText(QStringLiteral("-999999999999"));
    ASSERT_EQ(w.listGrid()->rows(), 3);
    EXPECT_EQ(w.listGrid()->text(1, 1), QStringLiteral("¥999,999,999,999"));
    EXPECT_EQ(w.listGrid()->text(2, 5), QStringLiteral("-¥123,456,789,012"));
    EXPECT_EQ(w.listGrid()->text(2, 6), QString::fromStdString(siireNames[0]));
    EXPECT_EQ(w.totalsGrid()->text(1, 5), QStringLiteral("¥876,543,210,987"));
    for (const Grid* grid : {w.listGrid(), w.totalsGrid()})
        for (int row = 1; row < grid->rows(); ++row)
            for (int col = 0; col < grid->cols(); ++col) {
                const QString text = grid->text(row, col);
                EXPECT_LT(grid->fontMetrics().horizontalAdvance(text) * kTwipsPerPixel,
                          grid->colWidth(col))
                    << text.toStdString();
            }
}

// Payments of twelve digits run the balance and the totals to fourteen: painted whole in both
// grids, smaller where they must be, the minus sign kept; so is a long balance in its box.
TEST_F(CashBookWindowTest, SumsPastTwelveDigitsArePaintedWhole) {
    auto m = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(denpyouPath("本店", 2004, 4), *m).ok());
    for (int i = 0; i < 12; ++i)
        appendVoucher(
            (*m)[16],
            {.amount = 999999999999, .fromKind = 2, .toKind = 1, .toId = 7, .entryType = 1});
    ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2004, 4), *m).ok());
    CashBookWindow w;
    w.load();
    w.show();
    w.previousBalanceBox()->setText(QStringLiteral("-999999999999"));
    QStringList figures;
    for (Grid* grid : {w.listGrid(), w.totalsGrid()})
        figures << expectFiguresPaintedWhole(*grid);
    EXPECT_TRUE(figures.contains(QStringLiteral("-¥12,999,999,984,987")))
        << figures.join(' ').toStdString();
    w.previousBalanceBox()->setText(QStringLiteral("-1234567890123"));
    ScreenTextRecording rec;
    EXPECT_TRUE(expectPaintedFigure(paintedBy(rec, *w.previousBalanceBox(), w.previousBalanceBox()),
                                    QStringLiteral("-1234567890123")));
}

TEST_F(CashBookWindowTest, PreviousBalanceTakesTwelveDigitsAndShowsThemWhole) {
    CashBookWindow w;
    w.load();
    w.show(); // laid out as on screen
    TextBox* box = w.previousBalanceBox();
    for (const char* figure : {"999999999999", "-999999999999", "-999,999,999,999"})
        EXPECT_GE(textRoom(box), box->fontMetrics().horizontalAdvance(QString::fromUtf8(figure)))
            << figure;

    box->clear();
    typeText(box, QStringLiteral("-999999999999"));
    TestScript script;
    script.answer(Answer::Ok);
    typeText(box, QStringLiteral("9"));
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, QStringLiteral("金額は12桁までです。"));
    EXPECT_EQ(box->text(), QStringLiteral("-999999999999"));
    EXPECT_EQ(w.listGrid()->text(1, 5), QStringLiteral("-¥999,999,979,999"));
    w.nextMonthButton()->click();
    EXPECT_EQ(file("本店", 2004, 3), " 1\r\n 2\r\n 0\r\n-999999999999\r\n");
    EXPECT_EQ(file("本店", 2004, 4), " 1\r\n 2\r\n 0\r\n-999999984999\r\n");
}

TEST_F(CashBookWindowTest, AStoredBalancePastTwelveDigitsIsShownWithoutAMessage) {
    writeBytes(zanPath("本店", 2004, 3), " 1\r\n 2\r\n 0\r\n 1234567890123\r\n");
    TestScript script;
    CashBookWindow w;
    w.load();
    EXPECT_EQ(w.previousBalanceBox()->text(), QStringLiteral("1234567890123"));
    EXPECT_EQ(w.listGrid()->text(2, 5), QStringLiteral("¥1,234,567,905,123"));
    EXPECT_TRUE(script.boxes().empty());
}

// A typed exponent form stands for its figure: within twelve digits it is carried as that
// figure, past them it is refused like any other long figure.
TEST_F(CashBookWindowTest, AnExponentFormIsCarriedAsItsFigureAndRefusedPastTwelveDigits) {
    CashBookWindow w;
    w.load();
    TextBox* box = w.previousBalanceBox();
    box->clear();
    typeText(box, QStringLiteral("1e2"));
    TestScript script;
    script.answer(Answer::Ok);
    typeText(box, QStringLiteral("0"));
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, QStringLiteral("金額は12桁までです。"));
    EXPECT_EQ(box->text(), QStringLiteral("1e2"));
    EXPECT_EQ(box->cursorPosition(), 3);
    EXPECT_EQ(w.listGrid()->text(1, 5), QStringLiteral("¥20,100"));
    w.backButton()->click();
    EXPECT_EQ(file("本店", 2004, 3), " 1\r\n 2\r\n 0\r\n 100\r\n");
    EXPECT_EQ(file("本店", 2004, 4), " 1\r\n 2\r\n 0\r\n 15100\r\n");
}

TEST_F(CashBookWindowTest, AnUndoBringsBackAStoredBalancePastTwelveDigits) {
    writeBytes(zanPath("本店", 2004, 3), " 1\r\n 2\r\n 0\r\n 1234567890123\r\n");
    TestScript script;
    CashBookWindow w;
    w.load();
    TextBox* box = w.previousBalanceBox();
    box->setCursorPosition(13);
    sendKey(box, Qt::Key_Backspace);
    EXPECT_EQ(w.listGrid()->text(2, 5), QStringLiteral("¥123,456,804,012"));
    sendKey(box, Qt::Key_Z, Qt::ControlModifier); // undo
    EXPECT_TRUE(script.boxes().empty());
    EXPECT_EQ(box->text(), QStringLiteral("1234567890123"));
    EXPECT_EQ(w.listGrid()->text(2, 5), QStringLiteral("¥1,234,567,905,123"));
    w.backButton()->click();
    EXPECT_EQ(file("本店", 2004, 3), " 1\r\n 2\r\n 0\r\n 1234567890123\r\n");
}

TEST_F(CashBookWindowTest, ADamagedBalanceFileMovedAwayByTheUserIsWrittenAgain) {
    writeBytes(zanPath("本店", 2004, 3), " 5\r\n"); // the count promises more
    setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
    TestScript script;
    script.answer(Answer::Ok); // the file could not be moved aside
    CashBookWindow w;
    w.load();
    ASSERT_EQ(script.boxes().size(), 1u);
    setMoveAsideHook({});
    std::filesystem::rename(zanPath("本店", 2004, 3), zanPath("本店", 2004, 3) + ".user");
    w.previousBalanceBox()->setText(QStringLiteral("700"));
    w.backButton()->click();
    EXPECT_EQ(script.boxes().size(), 1u) << "the write is not refused";
    EXPECT_EQ(file("本店", 2004, 3), " 1\r\n 2\r\n 0\r\n 700\r\n");
}
