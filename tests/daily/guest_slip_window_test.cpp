#include "daily/core/guest_slips.h"
#include "daily/guest_slip_window.h"
#include "daily/order_panel.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "storage/state.h"
#include "support/grid_clicks.h"
#include "support/painted_figures.h"
#include "support/ui_script.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

using namespace lukana;
using namespace lukana::platform;

namespace {

class GuestSlipWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        curYear = 2003;
        curMonth = 12;
        curDay = 9;
        nippouMonth[9] = NippouDay{};
        reportChanged = detailChanged = 0;
        // The registers' readers leave their lists at full capacity, counted by the counts.
        mbunRecs.assign(kMbunCapacity, MenuBunrui{});
        mbunRecs[0] = {1, "飲物"};
        mbunRecs[1] = {2, "料理"};
        menudRecs.assign(kMenudCapacity, MenuItem{});
        menudRecs[0] = {10, "ビール", 750, "", 1};
        menudRecs[1] = {11, "枝豆", 300, "", 2};
        menudRecs[2] = {12, "焼酎", 500, "", 1};
        menudCount = 3;
        mbunCount = 2;
    }
    void open() {
        window = std::make_unique<GuestSlipWindow>(day(), "本店");
        window->load();
        window->show();
    }
    NippouDay& day() { return nippouMonth[9]; }
    Grid& grid() { return *window->slips(); }
    QString cell(int row, int col) { return grid().text(row, col); }

    // Types into a cell as the user does: a click, then the editor's text.
    void type(int row, int col, const QString& text) {
        clickCell(grid(), row, col);
        ASSERT_TRUE(window->cellEditor()->isVisible());
        window->cellEditor()->setText(text);
    }
    void key(QWidget* widget, int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
    // A day of n slips, each with one man and n order lines of item 10.
    void fillDay(int n) {
        for (int t = 0; t < n; ++t) {
            countEntrySlip(day());
            day().slipValues[t][kSlipMen] = t + 1;
            setQuantity(day(), t, 10, t + 1);
        }
    }
    void order(int row, const QString& quantity) {
        Grid& orders = *window->orderPanel()->orders();
        clickCell(orders, row, 2);
        ASSERT_TRUE(window->orderPanel()->quantityEditor()->isVisible());
        window->orderPanel()->quantityEditor()->setText(quantity);
    }

    TestScript script;
    std::unique_ptr<GuestSlipWindow> window;
};

} // namespace

TEST_F(GuestSlipWindowTest, EmptyDayShowsHeadingsTotalsAndOneEntryRow) {
    open();
    EXPECT_EQ(window->windowTitle(), " 2003年 12月 9日の詳細");
    EXPECT_EQ(grid().rows(), 4);
    EXPECT_EQ(grid().fixedRows(), 3);
    EXPECT_EQ(grid().fixedCols(), 1);
    EXPECT_EQ(cell(1, 1), "男性");
    EXPECT_EQ(cell(0, 8), "入店");
    EXPECT_EQ(cell(2, 0), "合計");
    EXPECT_EQ(cell(3, 0), "1");
    for (int c : {1, 2, 3, 4, 5, 6, 7, 14})
        EXPECT_EQ(cell(2, c), "0") << c;
    EXPECT_EQ(cell(2, 12), " 0: 0");
    EXPECT_LE(window->width(), 1280);
    EXPECT_LE(window->height(), 768);
}

TEST_F(GuestSlipWindowTest, TypingIntoTheEntryRowCountsASlip) {
    open();
    type(3, 1, "2");
    EXPECT_EQ(day().slipCount, 1);
    EXPECT_EQ(grid().rows(), 5);
    EXPECT_EQ(cell(4, 0), "2");
    EXPECT_EQ(cell(3, 5), "2");
    EXPECT_EQ(cell(3, 6), "0");
    EXPECT_EQ(cell(3, 7), "2");
    EXPECT_EQ(reportChanged, 1);
    EXPECT_EQ(detailChanged, 1);
    window->cellEditor()->setText("");
    EXPECT_EQ(day().slipCount, 1);
    EXPECT_EQ(day().slipValues[0][kSlipMen], 0);

    type(4, 14, "1,500"); // pasted with its comma
    EXPECT_EQ(day().slipCount, 2);
    EXPECT_EQ(cell(4, 14), "1500");
    EXPECT_EQ(day().slipValues[1][kSlipPaid], 1500);
    EXPECT_EQ(cell(2, 14), "1500");
}

TEST_F(GuestSlipWindowTest, StaysSpendAndTheirTotals) {
    struct Case {
        QString ah, am, dh, dm, stay;
    };
    const Case cases[] = {{"18", "30", "21", "15", " 2: 45"},
                          {"22", "", "25", "", " 3: 0"},
                          {"23", "", "", "30", " 1: 30"}};
    open();
    for (int i = 0; i < 3; ++i) {
        const Case& c = cases[i];
        const int row = 3 + i;
        type(row, 8, c.ah);
        type(row, 9, c.am);
        type(row, 10, c.dh);
        type(row, 11, c.dm);
        EXPECT_EQ(cell(row, 12), c.stay) << i;
    }
    EXPECT_EQ(cell(2, 12), " 7: 15");

    type(3, 1, "3");
    type(3, 14, "10000");
    EXPECT_EQ(cell(3, 15), "@3,333.33");
    type(3, 1, "0");
    EXPECT_EQ(cell(3, 15), "@3,333.33"); // no persons: the cell keeps its text

    script.answer(Answer::Ok);
    type(4, 8, "40000");
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "時間が不正です");
    EXPECT_EQ(cell(4, 8), "40000");
}

TEST_F(GuestSlipWindowTest, StaysOfMoreThanADayAddUpWithoutWrapping) {
    open();
    type(3, 10, "20");
    type(4, 10, "5");
    EXPECT_EQ(cell(2, 12), " 25: 0");
}

TEST_F(GuestSlipWindowTest, KindEditorOpensSilentlyAndCountsTheEntryRow) {
    fillDay(1);
    day().slipValues[0][kSlipKind] = 3;
    open();
    EXPECT_EQ(cell(3, 16), "掛売");
    clickCell(grid(), 3, 16);
    EXPECT_TRUE(window->kindEditor()->isVisible());
    EXPECT_EQ(window->kindEditor()->currentText(), "売掛");
    EXPECT_EQ(day().slipValues[0][kSlipKind], 3);
    EXPECT_EQ(reportChanged, 0);
    EXPECT_EQ(detailChanged, 0);

    clickCell(grid(), 4, 16); // the entry row
    window->kindEditor()->setListIndex(1);
    EXPECT_EQ(day().slipCount, 2);
    EXPECT_EQ(day().slipValues[1][kSlipKind], 1);
    EXPECT_EQ(cell(4, 16), "現金");
    EXPECT_EQ(grid().rows(), 6);
}

TEST_F(GuestSlipWindowTest, EveryColumnIsInViewAndTheKindEditorLiesInside) {
    fillDay(1);
    open();
    clickCell(grid(), 3, 16);
    ASSERT_TRUE(window->kindEditor()->isVisible());
    const QWidget* view = grid().viewport();
    const QRect shown(view->mapToGlobal(QPoint(0, 0)), view->size());
    const QRect editor(window->kindEditor()->mapToGlobal(QPoint(0, 0)),
                       window->kindEditor()->size());
    EXPECT_TRUE(shown.contains(editor));
}

TEST_F(GuestSlipWindowTest, EnterMovesAlongTheTypedColumnsAndCountsTheEntryRow) {
    fillDay(5);
    open();
    type(4, 1, "7");
    const int route[] = {2, 3, 4, 8, 9, 10, 11, 14};
    for (int col : route) {
        key(window->cellEditor(), Qt::Key_Return);
        EXPECT_EQ(grid().col(), col);
    }
    key(window->cellEditor(), Qt::Key_Return); // from ご清算 of slip 2
    EXPECT_EQ(grid().row(), 5);
    EXPECT_EQ(grid().col(), 1);
    EXPECT_TRUE(window->cellEditor()->isVisible());

    type(8, 14, ""); // the entry row, left empty
    EXPECT_EQ(day().slipCount, 5);
    key(window->cellEditor(), Qt::Key_Return);
    EXPECT_EQ(day().slipCount, 6);
    for (double v : day().slipValues[5])
        EXPECT_EQ(v, 0);
    EXPECT_EQ(grid().row(), 9);
}

TEST_F(GuestSlipWindowTest, DeletingASlip) {
    fillDay(3);
    open();
    window->deleteButton()->click(); // before any click: nothing, no question
    clickCell(grid(), 6, 1);         // the entry row: nothing either
    window->deleteButton()->click();
    EXPECT_TRUE(script.boxes().empty());

    script.answer(Answer::No);
    clickCell(grid(), 4, 1);
    window->deleteButton()->click();
    EXPECT_EQ(day().slipCount, 3);

    script.answer(Answer::Yes);
    clickCell(grid(), 4, 1);
    window->deleteButton()->click();
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[1].text, " 2の行を削除します。よろしいですか？");
    EXPECT_EQ(script.boxes()[1].title, "削除確認");
    EXPECT_EQ(script.boxes()[1].buttons, Buttons::YesNo);
    EXPECT_EQ(script.boxes()[1].icon, Icon::Question);
    EXPECT_EQ(day().slipCount, 2);
    EXPECT_EQ(cell(4, 1), "3");
    EXPECT_EQ(quantityOf(day(), 1, 10), 3);
    EXPECT_EQ(grid().rows(), 6);
    window->deleteButton()->click(); // the row clicked is stale now
    EXPECT_EQ(script.boxes().size(), 2u);
}

TEST_F(GuestSlipWindowTest, NinetyNineSlipsLeaveNoEntryRow) {
    fillDay(98);
    open();
    type(3 + 98, 1, "1");
    EXPECT_EQ(day().slipCount, 99);
    EXPECT_EQ(grid().rows(), 3 + 99);
}

TEST_F(GuestSlipWindowTest, OrderPanelBooksQuantitiesAndAppliesTheTotal) {
    fillDay(1);
    day().lineCount[0] = 0;
    day().lineMenu[0] = {};
    day().lineQty[0] = {};
    open();
    clickCell(grid(), 3, 13);
    ASSERT_TRUE(window->orderPanel()->isVisible());
    EXPECT_EQ(window->orderPanel()->caption()->text(), " 1番の伝票");
    Grid& orders = *window->orderPanel()->orders();
    EXPECT_EQ(orders.rows(), 5) << "the three items listed and the total row";
    EXPECT_EQ(window->orderPanel()->filter()->count(), 3);
    order(1, "2");
    EXPECT_EQ(quantityOf(day(), 0, 10), 2);
    EXPECT_EQ(orders.text(4, 1), "¥1,500");
    EXPECT_EQ(orders.text(4, 2), " 2個");
    EXPECT_EQ(cell(3, 14), "1500");
    EXPECT_EQ(cell(2, 14), "1500");
    EXPECT_EQ(cell(3, 15), "@1,500.");

    order(2, "1");
    order(3, "3");
    for (const char* erase : {"", "0", "0.4"}) {
        order(1, erase);
        EXPECT_FALSE(quantityOf(day(), 0, 10));
        EXPECT_EQ(day().lineMenu[0][0], 11); // later lines move up
        order(1, "2");
    }

    // A filter shows fewer items; the total still counts every line.
    window->orderPanel()->filter()->setListIndex(2);
    EXPECT_EQ(orders.rows(), 3);
    EXPECT_EQ(orders.text(1, 0), "枝豆");
    order(1, "4");
    EXPECT_EQ(quantityOf(day(), 0, 11), 4);
    EXPECT_EQ(orders.text(2, 1), "¥4,200");
    EXPECT_EQ(day().slipValues[0][kSlipPaid], 4200);

    window->applyTotalBox()->setValue(0);
    order(1, "1");
    EXPECT_EQ(day().slipValues[0][kSlipPaid], 4200);
}

// The order total goes into the amount paid as it adds up, past single precision too.
TEST_F(GuestSlipWindowTest, TheAppliedOrderTotalIsStoredExactly) {
    menudRecs[0].price = 123456789012;
    open();
    clickCell(grid(), 3, 13);
    order(1, "1");
    EXPECT_EQ(day().slipValues[0][kSlipPaid], 123456789012);
    EXPECT_EQ(cell(3, 14), "123456789012");
}

// A digit typed past twelve into a slip's cell, or a quantity of more digits pasted into the
// order panel, is refused with the message; the slip keeps what it held.
TEST_F(GuestSlipWindowTest, ADigitPastTwelveIsRefused) {
    fillDay(1);
    day().slipValues[0][kSlipPaid] = 999999999999;
    open();
    script.answer(Answer::Ok).answer(Answer::Ok);
    clickCell(grid(), 3, 14);
    TextBox* editor = window->cellEditor();
    ASSERT_TRUE(editor->isVisible());
    editor->end(false);
    typeText(editor, "9");
    EXPECT_EQ(day().slipValues[0][kSlipPaid], 999999999999);
    EXPECT_EQ(cell(3, 14), "999999999999");

    clickCell(grid(), 3, 13);
    clickCell(*window->orderPanel()->orders(), 1, 2);
    TextBox* quantity = window->orderPanel()->quantityEditor();
    ASSERT_TRUE(quantity->isVisible());
    quantity->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("1234567890123"));
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(quantity, &paste);
    EXPECT_EQ(quantityOf(day(), 0, 10), 1);

    ASSERT_EQ(script.boxes().size(), 2u);
    for (const auto& box : script.boxes())
        EXPECT_EQ(box.text, QStringLiteral("金額は12桁までです。"));
}

// The order panel's prices, total and pieces show whole beside a long menu name, every column
// in view.
TEST_F(GuestSlipWindowTest, OrderFiguresShowWholeBesideALongName) {
    menudRecs[0].name = std::string(40, 'W');
    menudRecs[0].price = 999999999999;
    menudRecs[1].price = -999999999999;
    open();
    clickCell(grid(), 3, 13);
    Grid& orders = *window->orderPanel()->orders();
    for (const auto& [quantity, total] :
         {std::pair{"1", "¥999,999,999,999"}, std::pair{"3", "¥2,999,999,999,997"}}) {
        order(1, quantity);
        ASSERT_EQ(orders.text(4, 1), QString::fromUtf8(total));
        for (int row = 1; row < orders.rows(); ++row)
            for (int col : {1, 2})
                EXPECT_LT(orders.fontMetrics().horizontalAdvance(orders.text(row, col)) *
                              kTwipsPerPixel,
                          orders.colWidth(col))
                    << orders.text(row, col).toStdString();
        EXPECT_LE(orders.widthShowingAllColumns(), orders.width());
    }
    EXPECT_TRUE(orders.shownText(1, 0).endsWith(QStringLiteral("…")));
}

// Twelve slips of minus twelve digits sum to fourteen: the totals, the unit prices ("@…") and
// the order panel's figures are painted whole, smaller where they must be, minus sign and all.
TEST_F(GuestSlipWindowTest, SumsPastTwelveDigitsArePaintedWhole) {
    fillDay(12);
    for (int t = 0; t < 12; ++t)
        day().slipValues[t][kSlipPaid] = -999999999999;
    menudRecs[0].price = 999999999999;
    open();
    ASSERT_EQ(cell(2, 14), QStringLiteral("-11999999999988"));
    const QStringList figures = expectFiguresPaintedWhole(grid());
    EXPECT_TRUE(figures.contains(QStringLiteral("-11999999999988")));
    EXPECT_TRUE(figures.contains(QStringLiteral("-@999,999,999,999.")))
        << figures.join(' ').toStdString();
    clickCell(grid(), 3, 13);
    order(1, "12");
    Grid& orders = *window->orderPanel()->orders();
    EXPECT_TRUE(expectFiguresPaintedWhole(orders).contains(QStringLiteral("¥11,999,999,999,988")));
}

TEST_F(GuestSlipWindowTest, ClickingTheWindowClosesThePanelAndTheKindEditorOnly) {
    fillDay(1);
    open();
    clickCell(grid(), 3, 13);
    ASSERT_TRUE(window->orderPanel()->isVisible());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1000, 600), QPointF(1000, 600),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &press);
    EXPECT_FALSE(window->orderPanel()->isVisible());
    clickCell(grid(), 3, 1);
    QApplication::sendEvent(window.get(), &press);
    EXPECT_TRUE(window->cellEditor()->isVisible());
}

TEST_F(GuestSlipWindowTest, QuantityLimitsAndItemsNoLongerInTheMenu) {
    fillDay(1);
    day().lineMenu[0][0] = 99; // an item since removed from the menu
    open();
    clickCell(grid(), 3, 13);
    EXPECT_EQ(window->orderPanel()->orders()->text(4, 1), "¥");

    script.answer(Answer::Ok);
    order(1, "32768");
    EXPECT_EQ(script.boxes().back().text, "数量は32767までです");
    EXPECT_FALSE(quantityOf(day(), 0, 10));
    EXPECT_EQ(window->orderPanel()->orders()->text(1, 2), "");
    EXPECT_EQ(day().lineCount[0], 1);

    for (int c = 1; c < kSlipLineCapacity; ++c) {
        day().lineMenu[0][c] = 1000 + c;
        day().lineQty[0][c] = 1;
    }
    day().lineCount[0] = kSlipLineCapacity;
    script.answer(Answer::Ok);
    order(1, "1");
    EXPECT_EQ(script.boxes().back().text, "1枚の伝票に入力できるメニューは101品目までです");
    EXPECT_FALSE(quantityOf(day(), 0, 10));
}

TEST_F(GuestSlipWindowTest, OrderingOnTheEntryRowCountsIt) {
    open();
    clickCell(grid(), 3, 13);
    order(1, "1");
    EXPECT_EQ(day().slipCount, 1);
    EXPECT_EQ(quantityOf(day(), 0, 10), 1);
    EXPECT_EQ(cell(3, 14), "750");
}

TEST_F(GuestSlipWindowTest, PrintButtonPrintsTheDayUnderTheDailyReportsDepartment) {
    fillDay(2);
    open();
    script.printer(true);
    window->printButton()->click();
    ASSERT_EQ(script.printouts().size(), 1u);
    EXPECT_EQ(script.printouts()[0].documentName, "詳細日報_本店_20031209");
    EXPECT_EQ(script.printouts()[0].texts(0)[0],
              "200,60 本店  ：  2003 年  12 月 9 日の詳細日報 1/ 1");
    EXPECT_EQ(reportChanged, 0);
}

TEST_F(GuestSlipWindowTest, TheOrderPanelLeavesTheKindColumnFreeAndEveryColumnComesBack) {
    fillDay(2);
    open();
    const int allColumns = grid().width();
    for (int row : {3, 4}) {
        clickCell(grid(), row, 13);
        ASSERT_TRUE(window->orderPanel()->isVisible());
        const QRect panel = window->orderPanel()->geometry();
        const QRect view(grid().viewport()->mapTo(window.get(), QPoint(0, 0)),
                         grid().viewport()->size());
        for (int col : {13, 14, 15, 16}) {
            const QRect cell = grid().cellRect(row, col, window.get());
            EXPECT_TRUE(view.contains(cell)) << "column " << col;
            EXPECT_FALSE(panel.intersects(cell)) << "column " << col;
        }
    }
    clickCell(grid(), 3, 14); // another column closes the panel
    EXPECT_FALSE(window->orderPanel()->isVisible());
    EXPECT_EQ(grid().width(), allColumns);
}

TEST_F(GuestSlipWindowTest, FigureColumnsShowTheirWidestText) {
    open();
    type(3, 1, "3");
    type(3, 14, "5000");
    type(4, 1, "1");
    type(4, 14, "999999999999");
    ASSERT_EQ(cell(3, 15), "@1,666.67");
    for (int row : {2, 3, 4})
        for (int col : {14, 15})
            EXPECT_LT(grid().fontMetrics().horizontalAdvance(cell(row, col)) * kTwipsPerPixel,
                      grid().colWidth(col))
                << cell(row, col).toStdString();
}

// On the last item Enter moves nowhere, yet it confirms the quantity: Escape takes back only
// what was typed after it.
TEST_F(GuestSlipWindowTest, EscapeAfterEnterKeepsTheConfirmedQuantity) {
    fillDay(1); // one man, one beer
    open();
    clickCell(grid(), 3, 13);
    Grid& orders = *window->orderPanel()->orders();
    TextBox* editor = window->orderPanel()->quantityEditor();
    clickCell(orders, 3, 2); // 焼酎, the last item
    typeText(editor, "2");
    sendKey(editor, Qt::Key_Return);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(day().slipValues[0][kSlipPaid], 1750);
    editor->selectAll();
    typeText(editor, "5");
    EXPECT_EQ(day().slipValues[0][kSlipPaid], 3250);
    sendKey(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(orders.text(3, 2), "2");
    EXPECT_EQ(quantityOf(day(), 0, 12), 2);
    EXPECT_EQ(orders.text(4, 1), "¥1,750");
    EXPECT_EQ(day().slipValues[0][kSlipPaid], 1750);
    EXPECT_EQ(cell(3, 14), "1750");
}

// Escape in any of the window's cell editors puts back the cell, the slip and the totals as
// they were when the editor opened; Enter keeps what was typed.
TEST_F(GuestSlipWindowTest, EscapeClosesTheCellEditorAndLeavesTheCell) {
    const struct {
        const char* what;
        int col;                        // the slip's cell that shows the edit
        int totalCol;                   // its totals cell, -1 for none
        std::function<QWidget*()> edit; // opens an editor and edits; gives the editor
        std::function<double()> stored;
        QString before, edited;
    } cases[] = {
        {"persons", 1, 1,
         [this]() -> QWidget* {
             clickCell(grid(), 3, 1);
             typeText(window->cellEditor(), "4");
             return window->cellEditor();
         },
         [this] { return day().slipValues[0][kSlipMen]; }, "1", "14"},
        {"paid", 14, 14,
         [this]() -> QWidget* {
             clickCell(grid(), 3, 14);
             typeText(window->cellEditor(), "0");
             return window->cellEditor();
         },
         [this] { return day().slipValues[0][kSlipPaid]; }, "750", "7500"},
        {"kind", 16, -1,
         [this]() -> QWidget* {
             clickCell(grid(), 3, 16);
             sendKey(window->kindEditor(), Qt::Key_Down);
             return window->kindEditor();
         },
         [this] { return day().slipValues[0][kSlipKind]; }, "現金", "カード"},
        {"order quantity", 14, 14,
         [this]() -> QWidget* {
             clickCell(grid(), 3, 13);
             clickCell(*window->orderPanel()->orders(), 1, 2);
             typeText(window->orderPanel()->quantityEditor(), "2");
             return window->orderPanel()->quantityEditor();
         },
         [this] { return double(quantityOf(day(), 0, 10).value_or(0)); }, "750", "9000"},
    };
    for (const auto& c : cases)
        for (bool escape : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (escape ? ", Escape" : ", Enter"));
            nippouMonth[9] = NippouDay{};
            fillDay(1); // one man, one beer
            day().slipValues[0][kSlipPaid] = 750;
            day().slipValues[0][kSlipKind] = 1;
            const double stored = c.stored();
            open();
            ASSERT_EQ(cell(3, c.col), c.before);
            QWidget* editor = c.edit();
            ASSERT_TRUE(editor->isVisible());
            ASSERT_EQ(cell(3, c.col), c.edited);
            sendKey(editor, escape ? Qt::Key_Escape : Qt::Key_Return);
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(cell(3, c.col), escape ? c.before : c.edited);
            if (c.totalCol >= 0) {
                EXPECT_EQ(cell(2, c.totalCol), escape ? c.before : c.edited);
            }
            if (escape) {
                EXPECT_FALSE(editor->isVisible());
                EXPECT_EQ(c.stored(), stored);
            } else {
                EXPECT_NE(c.stored(), stored);
            }
        }
}
