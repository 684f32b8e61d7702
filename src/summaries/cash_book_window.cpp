#include "cash_book_window.h"

#include "list_printout.h"
#include "platform/clock.h"
#include "platform/damaged_file.h"
#include "platform/file_names.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "platform/text.h"
#include "registers/damaged_files.h"
#include "storage/display_format.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <filesystem>

namespace lukana {

using namespace platform;

CashBookWindow::CashBookWindow(QWidget* parent)
    : Window(parent), filters_(new FilterControls(FilterControls::Kind::CashBook, this)),
      previousBalanceBox_(new TextBox(this)),
      receivablesSwitch_(new CheckBox(QStringLiteral("売掛金をはずす"), this)),
      payablesSwitch_(new CheckBox(QStringLiteral("買掛金をはずす"), this)),
      listGrid_(new Grid(this)), totalsGrid_(new Grid(this)),
      previousMonthButton_(new QPushButton(QStringLiteral("前の月"), this)),
      nextMonthButton_(new QPushButton(QStringLiteral("次の月"), this)),
      printButton_(new QPushButton(QStringLiteral("印刷"), this)),
      backButton_(new QPushButton(QStringLiteral("戻る"), this)), rows_(listing_) {
    setWindowTitle(QStringLiteral("出納帳"));
    resize(1000, 640);
    previousBalanceBox_->setStripCommas(true);
    previousBalanceBox_->setMaxDigits(kAmountDigits);
    previousBalanceBox_->setWidestText(toQString(Format(kWidestAmount, "###,##0")));
    auto* top = new QHBoxLayout;
    top->addWidget(filters_);
    top->addWidget(new QLabel(QStringLiteral("先月残高"), this));
    top->addWidget(previousBalanceBox_);
    top->addWidget(receivablesSwitch_);
    top->addWidget(payablesSwitch_);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* b : {previousMonthButton_, nextMonthButton_, printButton_, backButton_})
        bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listGrid_, 5);
    layout->addWidget(totalsGrid_, 1);
    layout->addLayout(bottom);
    layOutCashGrids(*listGrid_, *totalsGrid_);
    listGrid_->setRowSource(&rows_);
    listGrid_->scrollSidewaysWith(*totalsGrid_); // the totals stay under their columns

    filters_->onChosen([this](int list) {
        if (list == kToParty)
            switchParty();
        recalculate();
    });
    previousBalanceBox_->onChange([this] { previousBalanceEdited(); });
    receivablesSwitch_->onChange([this] {
        switches_.excludeReceivables = receivablesSwitch_->value() == 1;
        recalculate();
    });
    payablesSwitch_->onChange([this] {
        switches_.excludePayables = payablesSwitch_->value() == 1;
        recalculate();
    });
    connect(previousMonthButton_, &QPushButton::clicked, this, [this] { stepShownMonth(-1); });
    connect(nextMonthButton_, &QPushButton::clicked, this, [this] { stepShownMonth(1); });
    connect(printButton_, &QPushButton::clicked, this, [this] { onPrintClicked(); });
    connect(backButton_, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void CashBookWindow::formLoad() {
    formLoading_ = true;
    switches_ = {};
    filters_->fill();
    const CalendarDay now = today();
    shown_ = {now.year, now.month};
    daysInMonth = shown_.days();
    formLoading_ = false;
    switchParty();
    recalculate();
}

void CashBookWindow::formActivate() {
    setMousePointer(Pointer::Normal);
}

void CashBookWindow::formUnload() {
    // The display on screen is stored when the window closes, however it closes.
    leaveDisplay();
}

std::string CashBookWindow::departmentName() const {
    return denpyouBusyo >= 0 && denpyouBusyo < busyoCount
               ? busyoNames[static_cast<size_t>(denpyouBusyo)]
               : std::string();
}

PartyKey CashBookWindow::shownParty() const {
    return partyAt(filters_->parties(), filterSel[kToParty]).value_or(kDepartmentCash);
}

void CashBookWindow::switchParty() {
    leaveDisplay();
    showPreviousBalance();
}

void CashBookWindow::leaveDisplay() {
    carry_.leave(previousBalance_, listing_.partyClosingBalance());
    tellNotices();
}

void CashBookWindow::showPreviousBalance() {
    const QString text =
        QString::fromStdString(carry_.show(departmentName(), shown_, shownParty()));
    tellNotices();
    if (previousBalanceBox_->text() == text) {
        previousBalance_ = leadingNumber(text.toStdString());
    } else {
        // A stored balance is shown whole, even past the digits a user may type.
        previousBalanceBox_->setTextQuietly(text);
        previousBalanceEdited();
    }
}

void CashBookWindow::previousBalanceEdited() {
    previousBalance_ = leadingNumber(KanmaNuki(previousBalanceBox_->text().toStdString()));
    if (!formLoading_)
        recalculate();
}

void CashBookWindow::recalculate() {
    Grid::Filling hideList(*listGrid_);
    Grid::Filling hideTotals(*totalsGrid_);
    layOutCashGrids(*listGrid_, *totalsGrid_);
    listing_.list(departmentName(), closingDayMonths(shown_, simeGenkin), shownParty(),
                  AccountFilter::fromSelection(), switches_, previousBalance_, *month_);
    rows_.refresh();
    listGrid_->rowSourceChanged();
    showCashTotals(*totalsGrid_, listing_);
    fitCashGrids(*listGrid_, *totalsGrid_, rows_);
}

void CashBookWindow::stepShownMonth(int delta) {
    const ShownMonth next = stepMonth(shown_, delta);
    if (next.year == shown_.year && next.month == shown_.month)
        return;
    // The display being left is stored with the month it showed.
    leaveDisplay();
    shown_ = next;
    daysInMonth = shown_.days();
    showPreviousBalance();
    recalculate();
}

void CashBookWindow::tellNotices() {
    for (const BalanceNotice& n : carry_.takeNotices()) {
        const QString file = QString::fromStdString(n.file);
        switch (n.kind) {
        case BalanceNotice::Kind::MovedAside:
            tellDamagedFile({n.file, n.detail, {}});
            break;
        case BalanceNotice::Kind::KeptDamaged:
            msgBox(QStringLiteral("%1 が壊れていて読めず、別の名前に移すこともできませんでした。\r"
                                  "このファイルはそのまま残し、上書きの保存はしません。")
                       .arg(file),
                   Buttons::Ok, Icon::Warning);
            break;
        case BalanceNotice::Kind::WriteFailed:
            msgBox(QStringLiteral("出納帳の残高を保存できませんでした。\r%1\r%2")
                       .arg(file, QString::fromStdString(n.detail)),
                   Buttons::Ok, Icon::Critical);
            break;
        }
    }
}

void CashBookWindow::onPrintClicked() {
    ListPrintLayout layout;
    layout.title = QString::fromStdString(Str(shown_.year)) + "年" +
                   QString::fromStdString(Str(shown_.month)) + QStringLiteral("月　種別") +
                   filters_->shownText(kEntryType) + QStringLiteral("；") +
                   filters_->shownText(kToParty) + filters_->shownText(kAccountTitle) +
                   QStringLiteral("の") + filters_->shownText(kSubAccount);
    layout.left = 80;
    layout.columns = {{QStringLiteral("日付"), 110, 110, false},
                      {QStringLiteral("入金額"), 270, 460, true},
                      {QStringLiteral("入金額計"), 510, 700, true},
                      {QStringLiteral("出金額"), 750, 940, true},
                      {QStringLiteral("出金額計"), 990, 1180, true},
                      {QStringLiteral("差し引き額"), 1230, 1420, true},
                      {QStringLiteral("勘定相手"), 1470, 1430, false},
                      {QStringLiteral("勘定科目"), 1950, 1910, false},
                      {QStringLiteral("補助科目"), 2190, 2150, false},
                      {QStringLiteral("備考"), 2430, 2390, false}};
    layout.frameRules = {220, 460, 700, 940, 1180, 1420, 1900, 2140, 2380};
    layout.totalsRules = {220, 460, 700, 940, 1180, 1420, 1660};
    layout.totals = {
        {700, QString::fromStdString(yen(listing_.receiptsTotal()))},
        {1180, QString::fromStdString(yen(listing_.paymentsTotal()))},
        {1420, QString::fromStdString(yen(listing_.receiptsTotal() - listing_.paymentsTotal()))}};
    printList(
        layout, rows_.rowCount(), [&](int r, int c) { return rows_.text(r, c); },
        platform::fileNameFrom({windowTitle(), QString::fromStdString(departmentName()),
                                platform::fileDate(shown_.year, shown_.month)}));
}

} // namespace lukana
