// The daily report's screen: the header, the groups "出金", "売上", "集計" on the left, "収支"
// on the right and the buttons along the bottom.
#include "amount_panel.h"
#include "daily_report_window.h"
#include "day_list_grid.h"

#include "platform/controls.h"
#include "platform/date_navigator.h"
#include "platform/grid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lukana {

namespace {

// Rows of caption, amount and circled mark or formula.
class AmountRows {
  public:
    AmountRows(AmountPanel& panel, QGroupBox* group) : panel_(panel), grid_(new QGridLayout) {
        auto* layout = new QVBoxLayout(group);
        layout->setContentsMargins(6, 4, 6, 4);
        layout->setSpacing(2);
        layout->addLayout(grid_);
        grid_->setVerticalSpacing(2);
        grid_->setHorizontalSpacing(4);
        outer_ = layout;
    }
    AmountRows& add(const QString& caption, int box, const QString& mark = {}) {
        grid_->addWidget(new QLabel(caption), row_, 0);
        grid_->addWidget(panel_.field(box), row_, 1);
        if (!mark.isEmpty())
            grid_->addWidget(new QLabel(mark), row_, 2);
        ++row_;
        return *this;
    }
    AmountRows& note(const QString& text) {
        auto* label = new QLabel(text);
        label->setAlignment(Qt::AlignRight);
        grid_->addWidget(label, row_++, 1, 1, 2);
        return *this;
    }
    AmountRows& widget(QWidget* w) {
        grid_->addWidget(w, row_++, 0, 1, 3);
        return *this;
    }
    AmountRows& pair(QWidget* caption, QWidget* value) {
        grid_->addWidget(caption, row_, 0);
        grid_->addWidget(value, row_++, 1);
        return *this;
    }
    QVBoxLayout* outer() const { return outer_; }

  private:
    AmountPanel& panel_;
    QGridLayout* grid_;
    QVBoxLayout* outer_;
    int row_ = 0;
};

// A list grid under its caption, with its "削除" button.
QWidget* listBlock(const QString& caption, DayListGrid& list, int rowsShown) {
    auto* block = new QWidget;
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(caption));
    head->addStretch();
    head->addWidget(list.deleteButton());
    layout->addLayout(head);
    platform::Grid* grid = list.grid();
    grid->setFixedHeight(platform::twipsToPixels(platform::Grid::kMinRowHeight) * (rowsShown + 1) +
                         6);
    layout->addWidget(grid);
    return block;
}

} // namespace

void DailyReportWindow::buildLayout() {
    setWindowTitle(QStringLiteral("日報"));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 6, 8, 6);
    root->setSpacing(4);

    // Header.
    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("部署名")));
    departmentChoice_->setMinimumWidth(160);
    header->addWidget(departmentChoice_);
    header->addSpacing(12);
    header->addWidget(dateNavigator_);
    header->addSpacing(12);
    header->addWidget(new QLabel(QStringLiteral("天気")));
    header->addWidget(weatherChoice_);
    header->addWidget(new QLabel(QStringLiteral("担当")));
    staffChoice_->setMinimumWidth(120);
    header->addWidget(staffChoice_);
    header->addStretch();
    root->addLayout(header);

    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);

    // Left half: "出金" and "売上" side by side, "集計" below.
    auto* left = new QVBoxLayout;
    body->addLayout(left);
    auto* top = new QHBoxLayout;
    left->addLayout(top);

    auto* paid = new QGroupBox(QStringLiteral("出金"));
    AmountRows paidRows(*amounts_, paid);
    paidRows.widget(listBlock(QStringLiteral("買出し等"), *lists_[0], 7))
        .add(QStringLiteral("買出し等小計"), 0)
        .add(QStringLiteral("その他1"), 2)
        .add(QStringLiteral("その他2"), 3)
        .add(QStringLiteral("合計"), 4, QStringLiteral("⑮"));
    paidRows.outer()->addStretch();
    top->addWidget(paid);

    auto* sales = new QGroupBox(QStringLiteral("売上"));
    AmountRows salesRows(*amounts_, sales);
    auto* customerNote = new QLabel(QStringLiteral("売掛金の補助科目としてお客様を登録します"));
    customerNote->setWordWrap(true);
    salesRows.add(QStringLiteral("現金売上"), 5)
        .add(QStringLiteral("カード売上"), 6)
        .add(QStringLiteral("売掛金合計"), 37)
        .add(QStringLiteral("総売上"), 7, QStringLiteral("⑯"))
        .widget(listBlock(QStringLiteral("売掛金"), *lists_[3], 5))
        .widget(customerRegisterButton_)
        .widget(customerNote);
    salesRows.outer()->addStretch();
    top->addWidget(sales);

    auto* summary = new QGroupBox(QStringLiteral("集計"));
    auto* sum = new QGridLayout(summary);
    sum->setContentsMargins(6, 4, 6, 4);
    sum->setVerticalSpacing(2);
    auto* guests = new QHBoxLayout;
    guests->addWidget(amounts_->field(12));
    guests->addWidget(new QLabel(QStringLiteral("組 ⑱")));
    guests->addWidget(amounts_->field(13));
    guests->addWidget(new QLabel(QStringLiteral("名様 ⑰")));
    sum->addWidget(new QLabel(QStringLiteral("総客数")), 0, 0);
    sum->addLayout(guests, 0, 1, 1, 3);
    const struct {
        QString caption;
        int box;
        QString mark;
        int row, col;
    } cells[] = {{QStringLiteral("客単価"), 15, QStringLiteral("⑯÷⑰"), 1, 0},
                 {QStringLiteral("組単価"), 16, QStringLiteral("⑯÷⑱"), 2, 0},
                 {QStringLiteral("仮想粗利"), 21, {}, 1, 3},
                 {QStringLiteral("累計総売上"), 22, {}, 2, 3}};
    for (const auto& c : cells) {
        sum->addWidget(new QLabel(c.caption + (c.mark.isEmpty() ? QString() : " " + c.mark)), c.row,
                       c.col);
        sum->addWidget(amounts_->field(c.box), c.row, c.col + 1);
    }
    sum->addWidget(new QLabel(QStringLiteral("今月の月間固定費")), 3, 0);
    sum->addWidget(amounts_->fixedCostsBox(), 3, 1);
    sum->addWidget(new QLabel(QStringLiteral("累計仮想粗利")), 3, 3);
    sum->addWidget(amounts_->runningProfitLabel(), 3, 4);
    sum->addWidget(amounts_->cardSalesCaption(), 4, 0, 1, 4);
    sum->addWidget(amounts_->cardSalesLabel(), 4, 4);
    sum->addWidget(new QLabel(QStringLiteral("仮想粗利=総売上-月間固定費/30-出金合計")), 5, 0, 1,
                   4);
    sum->addWidget(slipsButton_, 5, 4);
    left->addWidget(summary);

    // Right half: "収支".
    auto* balance = new QGroupBox(QStringLiteral("収支"));
    auto* balanceLayout = new QVBoxLayout(balance);
    balanceLayout->setContentsMargins(6, 4, 6, 4);
    balanceLayout->setSpacing(2);
    body->addWidget(balance, 1);

    auto* reserve = new QGroupBox(QStringLiteral("店舗保留金"));
    auto* reserveLayout = new QHBoxLayout;
    auto* reserveBoxes = new QGroupBox;
    reserveBoxes->setFlat(true);
    AmountRows reserveRows(*amounts_, reserveBoxes);
    reserveRows.add(QStringLiteral("前日残現金"), 25, QStringLiteral("①"))
        .add(QStringLiteral("銀行引出し合計"), 34, QStringLiteral("②"))
        .add(QStringLiteral("本部から入金"), 36, QStringLiteral("③"))
        .add(QStringLiteral("その他から入金"), 35, QStringLiteral("④"))
        .add(QStringLiteral("売掛金入金"), 38, QStringLiteral("⑤"))
        .add(QStringLiteral("レジ補充"), 26, QStringLiteral("⑥"))
        .add(QStringLiteral("残高"), 27, QStringLiteral("⑦"))
        .note(QStringLiteral("①+②+③+④+⑤-⑥"));
    reserveLayout->addWidget(reserveBoxes);
    reserveLayout->addWidget(listBlock(QStringLiteral("銀行から引出し"), *lists_[2], 6), 1);
    reserve->setLayout(reserveLayout);
    balanceLayout->addWidget(reserve);

    auto* middle = new QHBoxLayout;
    auto* drawer = new QGroupBox(QStringLiteral("レジ現金"));
    AmountRows drawerRows(*amounts_, drawer);
    drawerRows.add(QStringLiteral("スタート金"), 8)
        .add(QStringLiteral("現金売上"), 9)
        .add(QStringLiteral("レジ最終現金"), 11, QStringLiteral("⑧"));
    middle->addWidget(drawer);
    auto* totals = new QGroupBox;
    totals->setFlat(true);
    AmountRows totalRows(*amounts_, totals);
    totalRows.add(QStringLiteral("出金合計"), 10, QStringLiteral("⑨"))
        .add(QStringLiteral("実在現金合計"), 31, QStringLiteral("⑩"))
        .note(QStringLiteral("⑦+⑧-⑨"));
    middle->addWidget(totals);
    balanceLayout->addLayout(middle);

    auto* afterClosing = new QGroupBox(QStringLiteral("閉店後処理"));
    auto* afterLayout = new QHBoxLayout(afterClosing);
    auto* afterBoxes = new QGroupBox;
    afterBoxes->setFlat(true);
    AmountRows afterRows(*amounts_, afterBoxes);
    afterRows.add(QStringLiteral("本部へ入金"), 29)
        .add(QStringLiteral("その他へ出金"), 30)
        .add(QStringLiteral("銀行入金合計"), 32)
        .add(QStringLiteral("閉店後出金合計"), 33, QStringLiteral("⑪"));
    afterLayout->addWidget(afterBoxes);
    afterLayout->addWidget(listBlock(QStringLiteral("銀行へ入金"), *lists_[1], 4), 1);
    balanceLayout->addWidget(afterClosing);

    auto* finalRow = new QGroupBox;
    finalRow->setFlat(true);
    AmountRows finalRows(*amounts_, finalRow);
    finalRows.add(QStringLiteral("最終残高"), 28, QStringLiteral("⑩-⑪"));
    balanceLayout->addWidget(finalRow);
    balanceLayout->addStretch();

    // Buttons.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(voucherBookButton_);
    buttons->addWidget(printButton_);
    buttons->addWidget(backButton_);
    root->addLayout(buttons);

    resize(1240, 720);
}

} // namespace lukana
