// The daily report window driven through its controls on a fresh data tree: opening on the
// main window's department, typing amounts and list lines, closing with the save question,
// the files written and read back, and a window without a department.
#include "daily_report_fixture.h"
#include "storage/atomic_file.h"
#include "support/painted_figures.h"
#include "support/text_room.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;
namespace fs = std::filesystem;

namespace {

// A widget's rectangle on the screen.
QRect onScreen(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

TEST_F(DailyReportTest, OpensOnTodayAndTheMainWindowsDepartment) {
    open([](DailyReportWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("本店業務日報　　 2026年 7月 10日"));
        EXPECT_EQ(w.departmentChoice()->currentText(), QStringLiteral("本店"));
        EXPECT_EQ(w.weatherChoice()->count(), 5);
        EXPECT_EQ(w.payments()->pickList()->itemText(2), QStringLiteral("その他"));
        EXPECT_EQ(w.deposits()->pickList()->count(), 4);
        EXPECT_EQ(w.payments()->grid()->rows(), 2);
        EXPECT_EQ(w.amounts()->label(5)->text(), QStringLiteral("0"));
        EXPECT_FALSE(w.voucherBookButton()->isEnabled()) << "no voucher book yet";
        EXPECT_FALSE(w.slipsButton()->isEnabled());
        EXPECT_EQ(reportChanged, 0);
        w.closeWindow(); // nothing changed: no question
    });
    EXPECT_TRUE(script.boxes().empty());
    EXPECT_FALSE(fs::exists(nippouPath("本店", 2026, 7)));
    // the defaults of the account titles and sub-accounts were written
    EXPECT_TRUE(fs::exists(rootFilePath("tekiyou.dat")));
    EXPECT_TRUE(fs::exists(rootFilePath("ty.dat")));
}

TEST_F(DailyReportTest, TypedAmountsAndLinesAreSavedAndPostedOnClose) {
    script.answer(Answer::Yes);
    open([](DailyReportWindow& w) {
        type(w, 5, "1,234");
        EXPECT_EQ(w.amounts()->label(5)->text(), QStringLiteral("1,234"));
        EXPECT_EQ(w.sheet().text(7), "1234");
        EXPECT_EQ(reportChanged, 1);
        Grid& grid = *w.payments()->grid();
        clickCell(grid, 1, 1);
        w.payments()->amountEditor()->setText("300");
        EXPECT_EQ(grid.rows(), 3) << "a fresh entry row";
        EXPECT_EQ(w.sheet().text(0), "300");
        clickCell(grid, 1, 0);
        w.payments()->pickList()->setListIndex(0);
        EXPECT_EQ(grid.text(1, 0), QStringLiteral("酒屋"));
        w.closeWindow();
    });
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, QStringLiteral("データを保存しますか"));
    EXPECT_EQ(script.boxes()[0].title, QStringLiteral("確認"));
    EXPECT_EQ(reportChanged, 0);

    auto month = std::make_unique<NippouMonth>();
    double costs = 0;
    ASSERT_TRUE(readNippouMonth(nippouPath("本店", 2026, 7), *month, costs).ok());
    const NippouDay& day = (*month)[10];
    EXPECT_EQ(day.kingaku[5], 1234);
    EXPECT_EQ(day.kingaku[0], 300);
    EXPECT_EQ(day.kaidasiCount, 1);
    EXPECT_EQ(day.kaidasiSiireId[0], 11);

    auto vouchers = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(denpyouPath("本店", 2026, 7), *vouchers).ok());
    ASSERT_EQ((*vouchers)[10].denpyouCount, 2);
    EXPECT_EQ((*vouchers)[10].accountId[0], 5) << "a supplier bought on credit";
    EXPECT_EQ((*vouchers)[10].amount[1], 1234);

    // reopening shows what was stored
    open([](DailyReportWindow& w) {
        EXPECT_EQ(w.sheet().text(5), "1234");
        EXPECT_EQ(w.payments()->grid()->text(1, 0), QStringLiteral("酒屋"));
        EXPECT_EQ(w.payments()->grid()->text(1, 1), QStringLiteral("300"));
        w.closeWindow();
    });
}

TEST_F(DailyReportTest, CancelKeepsTheWindowOpenAndNoDiscardsTheEdits) {
    script.answer(Answer::Cancel).answer(Answer::No);
    open([](DailyReportWindow& w) {
        type(w, 2, "50");
        EXPECT_FALSE(w.closeWindow());
        EXPECT_EQ(w.sheet().text(2), "50");
        EXPECT_TRUE(w.closeWindow());
    });
    EXPECT_EQ(script.boxes().size(), 2u);
    EXPECT_FALSE(fs::exists(nippouPath("本店", 2026, 7)));
}

TEST_F(DailyReportTest, WithoutADepartmentTheDayStaysDisabled) {
    curBusyo = 5;
    open([](DailyReportWindow& w) {
        EXPECT_EQ(w.departmentChoice()->listIndex(), -1);
        EXPECT_FALSE(w.amounts()->field(5)->isEnabled());
        EXPECT_FALSE(w.payments()->grid()->isEnabled());
        EXPECT_TRUE(w.backButton()->isEnabled());
        w.departmentChoice()->setListIndex(0);
        EXPECT_TRUE(w.amounts()->field(5)->isEnabled());
        w.closeWindow();
    });
}

TEST_F(DailyReportTest, AFailedMonthWriteKeepsTheWindowOpenWithItsEdits) {
    script.answer(Answer::Yes).answer(Answer::Ok).answer(Answer::No);
    open([](DailyReportWindow& w) {
        type(w, 2, "50");
        setWriteFaultHook([](WriteStage s) { return s == WriteStage::Rename; });
        EXPECT_FALSE(w.closeWindow());
        setWriteFaultHook({});
        EXPECT_EQ(reportChanged, 1);
        EXPECT_TRUE(w.closeWindow());
    });
    ASSERT_EQ(script.boxes().size(), 3u);
    EXPECT_TRUE(
        script.boxes()[1].text.startsWith(QStringLiteral("20267.dat を保存できませんでした。")));
}

TEST_F(DailyReportTest, EveryListShowsItsAmountColumnAndItsEditorLiesInside) {
    open([](DailyReportWindow& w) {
        for (DayListGrid* list : {w.payments(), w.deposits(), w.withdrawals(), w.creditSales()}) {
            Grid& grid = *list->grid();
            clickCell(grid, 1, 1);
            ASSERT_TRUE(list->amountEditor()->isVisible());
            EXPECT_TRUE(onScreen(grid.viewport()).contains(onScreen(list->amountEditor())))
                << grid.text(0, 0).toStdString();
        }
        w.closeWindow();
    });
}

TEST_F(DailyReportTest, AFigurePastTwelveDigitsIsRefusedAndTheStoredAmountStays) {
    script.answer(Answer::Ok).answer(Answer::Ok);
    open([this](DailyReportWindow& w) {
        type(w, 5, "999,999,999,999");
        EXPECT_EQ(w.sheet().text(5), "999999999999");
        w.amounts()->open(5);
        w.amounts()->box(5)->end(false);
        typeText(w.amounts()->box(5), "9");
        EXPECT_EQ(w.sheet().text(5), "999999999999");
        EXPECT_EQ(w.amounts()->label(5)->text(), QStringLiteral("999,999,999,999"));
        // A list's amount cell takes no more either.
        Grid& grid = *w.payments()->grid();
        const std::string total = w.sheet().text(0);
        clickCell(grid, 1, 1);
        QApplication::clipboard()->setText(QStringLiteral("1234567890123"));
        w.payments()->amountEditor()->paste();
        EXPECT_EQ(grid.text(1, 1), QString());
        EXPECT_EQ(w.sheet().text(0), total);
        ASSERT_EQ(script.boxes().size(), 2u);
        EXPECT_EQ(script.boxes()[1].text, QStringLiteral("金額は12桁までです。"));
        reportChanged = 0;
        w.closeWindow();
    });
}

// A figure of twelve digits, negative too, shows whole in every amount label and box, in the
// two month-to-date figures and in the amount column of every list.
TEST_F(DailyReportTest, TwelveDigitFiguresShowWhole) {
    open([this](DailyReportWindow& w) {
        AmountPanel& amounts = *w.amounts();
        for (const QString& figure :
             {QStringLiteral("999999999999"), QStringLiteral("-999999999999")}) {
            SCOPED_TRACE(figure.toStdString());
            auto expectWhole = [](const QLabel* label, int box) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), textRoom(label))
                    << label->text().toStdString() << " in box " << box;
            };
            for (int box : kAmountBoxes) {
                SCOPED_TRACE(box); // one figure at a time: the sums stay within twelve digits
                type(w, box, figure);
                expectWhole(amounts.label(box), box);
                amounts.open(box);
                EXPECT_LE(amounts.box(box)->fontMetrics().horizontalAdvance(figure),
                          textRoom(amounts.box(box)))
                    << box;
                amounts.hideBoxes();
                if (box == 6)
                    expectWhole(amounts.cardSalesLabel(), box);
                if (box == 21)
                    expectWhole(amounts.runningProfitLabel(), box);
                type(w, box, "0");
            }
            TextBox* costs = amounts.fixedCostsBox();
            costs->setText(figure);
            EXPECT_LE(costs->fontMetrics().horizontalAdvance(figure), textRoom(costs));
            costs->setText("0");
            for (DayListGrid* list :
                 {w.payments(), w.deposits(), w.withdrawals(), w.creditSales()}) {
                addLine(*list, -1, figure);
                Grid& grid = *list->grid();
                const QString shown = grid.text(grid.rows() - 2, 1);
                ASSERT_EQ(shown, figure);
                EXPECT_LT(grid.fontMetrics().horizontalAdvance(shown) * kTwipsPerPixel,
                          grid.colWidth(1))
                    << grid.text(0, 0).toStdString();
                list->amountEditor()->setText("0");
            }
        }
        reportChanged = 0;
        w.closeWindow();
    });
}

// A day after one holding twelve-digit figures shows every empty box as 0, スタート金 (which
// copies レジ補充) included.
TEST_F(DailyReportTest, TheNextDayShowsEveryEmptyBoxAsZero) {
    open([this](DailyReportWindow& w) {
        for (const QString& figure :
             {QStringLiteral("999999999999"), QStringLiteral("-999999999999")}) {
            SCOPED_TRACE(figure.toStdString());
            for (int box : kAmountBoxes)
                type(w, box, figure);
            step(w, DatePart::Day, true);
            EXPECT_EQ(w.sheet().text(8), "");
            for (int box : kAmountBoxes) {
                if (w.sheet().text(box).empty()) {
                    EXPECT_EQ(w.amounts()->label(box)->text(), QStringLiteral("0")) << box;
                }
            }
        }
        reportChanged = 0;
        w.closeWindow();
    });
}

// Sums of twelve-digit figures reach thirteen and fourteen digits: every amount label and both
// month-to-date figures paint them whole, smaller where they must, minus sign and all; so does
// the next day's carried-over cash.
TEST_F(DailyReportTest, SumsPastTwelveDigitsArePaintedWholeWithTheirSign) {
    auto month = std::make_unique<NippouMonth>();
    for (int d = 1; d <= 29; ++d) {
        (*month)[d].kingaku[7] = 999999999999;
        (*month)[d].kingaku[21] = -999999999999;
    }
    ASSERT_TRUE(writeNippouMonth(nippouPath("本店", 2026, 7), *month, 0).ok());
    todayDay = 30;
    open([this](DailyReportWindow& w) {
        AmountPanel& amounts = *w.amounts();
        ScreenTextRecording rec;
        auto expectAllPaintedWhole = [&] {
            std::vector<QLabel*> labels{amounts.runningProfitLabel(), amounts.cardSalesLabel()};
            for (int box : kAmountBoxes)
                labels.push_back(amounts.label(box));
            for (QLabel* label : labels) {
                if (label->text().isEmpty())
                    continue;
                SCOPED_TRACE(label->text().toStdString());
                EXPECT_TRUE(expectPaintedFigure(paintedBy(rec, *label, label), label->text()));
            }
        };
        for (int box : {2, 3, 29, 30})
            type(w, box, "999999999999");
        EXPECT_EQ(amounts.label(4)->text(), QStringLiteral("1,999,999,999,998"));
        EXPECT_EQ(amounts.label(21)->text(), QStringLiteral("-1,999,999,999,998"));
        EXPECT_EQ(amounts.label(22)->text(), QStringLiteral("28,999,999,999,971"));
        EXPECT_EQ(amounts.label(28)->text(), QStringLiteral("-3,999,999,999,996"));
        EXPECT_EQ(amounts.runningProfitLabel()->text(), QStringLiteral("-30,999,999,999,969"));
        expectAllPaintedWhole();

        step(w, DatePart::Day, true);
        ASSERT_EQ(curDay, 31);
        EXPECT_EQ(amounts.label(25)->text(), QStringLiteral("-3,999,999,999,996"));
        EXPECT_EQ(amounts.label(27)->text(), QStringLiteral("-3,999,999,999,996"));
        EXPECT_EQ(amounts.label(22)->text(), QStringLiteral("28,999,999,999,971"));
        expectAllPaintedWhole();
        reportChanged = 0;
        w.closeWindow();
    });
}

// The fixed costs take twelve digits; a further digit typed is refused with the message.
TEST_F(DailyReportTest, AThirteenthDigitOfTheFixedCostsIsRefused) {
    script.answer(Answer::Ok);
    open([this](DailyReportWindow& w) {
        TextBox* costs = w.amounts()->fixedCostsBox();
        costs->setFocus();
        costs->selectAll();
        typeText(costs, "999999999999");
        ASSERT_EQ(w.sheet().fixedCostsText(), "999999999999");
        typeText(costs, "9");
        EXPECT_EQ(w.sheet().fixedCostsText(), "999999999999");
        EXPECT_EQ(costs->text(), QStringLiteral("999999999999"));
        ASSERT_EQ(script.boxes().size(), 1u);
        EXPECT_EQ(script.boxes()[0].text, QStringLiteral("金額は12桁までです。"));
        reportChanged = 0;
        w.closeWindow();
    });
}

TEST_F(DailyReportTest, BankPickListsShowAnUnregisteredSlotAsAnEmptyLine) {
    open([](DailyReportWindow& w) {
        for (DayListGrid* list : {w.deposits(), w.withdrawals()}) {
            ComboBox& pick = *list->pickList();
            ASSERT_EQ(pick.count(), 4);
            EXPECT_TRUE(pick.itemText(0).startsWith(QStringLiteral("みずほ")));
            EXPECT_TRUE(pick.itemText(1).startsWith(QStringLiteral("りそな")));
            EXPECT_EQ(pick.itemText(2), QString());
            EXPECT_EQ(pick.itemText(3), QString());
        }
        w.closeWindow();
    });
}
