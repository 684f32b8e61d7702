#include "tax_settings.h"

#include "dialog_support.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/settings.h"
#include "storage/state.h"
#include "storage/text_format.h"
#include "tax_table.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

namespace lukana {

using namespace platform;

TaxSettingsDialog::TaxSettingsDialog(QWidget* parent)
    : Window(parent), tabs_(new QTabBar(this)), tabPages_{new QWidget(this), new QWidget(this)},
      rateList_(new ListBox(this)),
      dateBoxes_(new DateBoxes(DateBoxes::Parts::YearMonthDay,
                               {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")},
                               this)),
      yearBox_(dateBoxes_->box(DatePart::Year)), monthBox_(dateBoxes_->box(DatePart::Month)),
      dayBox_(dateBoxes_->box(DatePart::Day)), yearSpinner_(dateBoxes_->spinner(DatePart::Year)),
      monthSpinner_(dateBoxes_->spinner(DatePart::Month)),
      daySpinner_(dateBoxes_->spinner(DatePart::Day)), rateBox_(new TextBox(this)),
      addButton_(new QPushButton(QStringLiteral("追加"), this)),
      deleteButton_(new QPushButton(QStringLiteral("削除"), this)),
      roundingOptions_{new OptionButton(QStringLiteral("切り捨て")),
                       new OptionButton(QStringLiteral("切り上げ"))},
      salesTimingOptions_{new OptionButton(QStringLiteral("掛売り発生時に売上として処理する")),
                          new OptionButton(QStringLiteral("集金時に売上として処理する"))},
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this)),
      applyButton_(new QPushButton(QStringLiteral("適用(&A)"), this)) {
    setWindowTitle(QStringLiteral("ｵﾌﾟｼｮﾝ"));
    makeFixedDialog();
    setEscapeButton(cancelButton_);
    tabs_->addTab(QStringLiteral("消費税"));
    tabs_->addTab(QStringLiteral("売掛金の処理"));

    // The dialog fills the date boxes with hyoujiChu set: the spinners take them as they are.
    dateBoxes_->setGuard(&hyoujiChu);
    rateBox_->setStripCommas(true);
    rateBox_->setAttribute(Qt::WA_InputMethodEnabled, false);
    rateBox_->setMaximumWidth(60);

    // First tab: the rate table and the rounding.
    auto* rates = new QGroupBox(QStringLiteral("消費税率"), tabPages_[0]);
    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(new QLabel(QStringLiteral("税率"), rates));
    rateRow->addWidget(rateBox_);
    rateRow->addWidget(new QLabel(QStringLiteral("％"), rates));
    rateRow->addStretch();
    rateRow->addWidget(addButton_);
    rateRow->addWidget(deleteButton_);
    auto* ratesLayout = new QVBoxLayout(rates);
    ratesLayout->addWidget(rateList_);
    ratesLayout->addWidget(dateBoxes_);
    ratesLayout->addLayout(rateRow);

    auto* rounding = new QGroupBox(QStringLiteral("消費税小数点以下"), tabPages_[0]);
    auto* roundingLayout = new QHBoxLayout(rounding);
    for (OptionButton* b : roundingOptions_)
        roundingLayout->addWidget(b);
    auto* panel0 = new QVBoxLayout(tabPages_[0]);
    panel0->addWidget(rates);
    panel0->addWidget(rounding);

    // Second tab: when a credit sale counts as sales.
    auto* timing = new QGroupBox(tabPages_[1]);
    auto* timingLayout = new QVBoxLayout(timing);
    for (OptionButton* b : salesTimingOptions_)
        timingLayout->addWidget(b);
    auto* panel1 = new QVBoxLayout(tabPages_[1]);
    panel1->addWidget(timing);
    panel1->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(applyButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    for (QWidget* panel : tabPages_)
        layout->addWidget(panel);
    layout->addLayout(buttons);

    deleteButton_->setEnabled(false);

    for (int i = 0; i < 2; ++i) {
        roundingOptions_[i]->onChange([i] { taxRounding = i; });
        salesTimingOptions_[i]->onChange([i] { salesTiming = i; });
    }
    // Every click on a line enables delete, also on the line already chosen.
    rateList_->onChange([this] {
        if (rateList_->listIndex() >= 0)
            deleteButton_->setEnabled(true);
    });
    rateList_->onClick([this] { deleteButton_->setEnabled(true); });
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { showTab(index); });
    connect(addButton_, &QPushButton::clicked, this, [this] { onAddClicked(); });
    connect(deleteButton_, &QPushButton::clicked, this, [this] { onDeleteClicked(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { onCancelClicked(); });
    connect(applyButton_, &QPushButton::clicked, this, [this] { onApplyClicked(); });
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [this] { nextTab(); });
    for (QKeyCombination keys :
         {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::Key_Backtab}) {
        auto* previous = new QShortcut(QKeySequence(keys), this);
        connect(previous, &QShortcut::activated, this, [this] { previousTab(); });
    }
}

void TaxSettingsDialog::formLoad() {
    hyoujiChu = 0;
    tabs_->setCurrentIndex(0);
    showTab(0);
    showSettings();
}

// The voucher book shows the busy pointer while the dialog opens.
void TaxSettingsDialog::formActivate() {
    setMousePointer(Pointer::Normal);
}

void TaxSettingsDialog::showTab(int index) {
    for (int i = 0; i < static_cast<int>(tabPages_.size()); ++i) {
        tabPages_[i]->setVisible(i == index);
        tabPages_[i]->setEnabled(i == index);
    }
}

void TaxSettingsDialog::nextTab() {
    const int count = tabs_->count();
    tabs_->setCurrentIndex((tabs_->currentIndex() + 1) % count);
}

void TaxSettingsDialog::previousTab() {
    const int count = tabs_->count();
    tabs_->setCurrentIndex((tabs_->currentIndex() + count - 1) % count);
}

void TaxSettingsDialog::showSettings() {
    hyoujiChu = 1;
    yearBox_->setText(blankNumber(todayYear));
    monthBox_->setText(blankNumber(todayMonth));
    dayBox_->setText(blankNumber(todayDay));
    if (taxRounding == 0 || taxRounding == 1)
        roundingOptions_[taxRounding]->setChecked(true);
    if (salesTiming == 0 || salesTiming == 1)
        salesTimingOptions_[salesTiming]->setChecked(true);
    fillRateList();
    hyoujiChu = 0;
}

void TaxSettingsDialog::fillRateList() {
    rateList_->clear();
    for (int i = 0; i < taxCount && i < kTaxCapacity; ++i)
        rateList_->addItem(QString::fromStdString(taxLine(i)));
}

void TaxSettingsDialog::onAddClicked() {
    const double rate = leadingNumber(rateBox_->text().toStdString());
    switch (
        addTaxEntry(yearSpinner_->value(), monthSpinner_->value(), daySpinner_->value(), rate)) {
    case TaxAddResult::Added:
        fillRateList();
        return;
    case TaxAddResult::NoRate:
        msgBox(QStringLiteral("税率が入力されていません"));
        return;
    case TaxAddResult::Negative:
        msgBox(QStringLiteral("マイナスの税率は登録できません"));
        return;
    case TaxAddResult::TooLarge:
        msgBox(QStringLiteral("税率が大きすぎます"));
        return;
    case TaxAddResult::Full:
        msgBox(QStringLiteral("税率は%1件までしか登録できません").arg(kTaxCapacity));
        return;
    }
}

void TaxSettingsDialog::onDeleteClicked() {
    deleteButton_->setEnabled(false);
    const int row = rateList_->listIndex();
    if (row < 0)
        return;
    deleteTaxEntry(row);
    fillRateList();
}

// A failed write is said so; the dialog then stays open with the edits.
bool TaxSettingsDialog::writeOpt() {
    if (Status s = writeTaxTable(rootFilePath("opt.dat")); !s) {
        msgBox(QStringLiteral("税率の設定を保存できませんでした。\r%1")
                   .arg(QString::fromStdString(s.message())),
               Buttons::Ok, Icon::Critical);
        return false;
    }
    return true;
}

void TaxSettingsDialog::onOkClicked() {
    if (writeOpt())
        unloadWindow();
}

void TaxSettingsDialog::onApplyClicked() {
    (void)writeOpt();
}

void TaxSettingsDialog::onCancelClicked() {
    (void)readTaxTable(
        rootFilePath("opt.dat")); // a file that cannot be read leaves the edits in memory
    unloadWindow();
}

} // namespace lukana
