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
    : Window(parent), tabs(new QTabBar(this)), tabPages{new QWidget(this), new QWidget(this)},
      rateList(new ListBox(this)),
      dateBoxes(new DateBoxes(DateBoxes::Parts::YearMonthDay,
                              {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")},
                              this)),
      yearBox(dateBoxes->box(DatePart::Year)), monthBox(dateBoxes->box(DatePart::Month)),
      dayBox(dateBoxes->box(DatePart::Day)), yearSpinner(dateBoxes->spinner(DatePart::Year)),
      monthSpinner(dateBoxes->spinner(DatePart::Month)),
      daySpinner(dateBoxes->spinner(DatePart::Day)), rateBox(new TextBox(this)),
      addButton(new QPushButton(QStringLiteral("追加"), this)),
      deleteButton(new QPushButton(QStringLiteral("削除"), this)),
      roundingOptions{new OptionButton(QStringLiteral("切り捨て")),
                      new OptionButton(QStringLiteral("切り上げ"))},
      salesTimingOptions{new OptionButton(QStringLiteral("掛売り発生時に売上として処理する")),
                         new OptionButton(QStringLiteral("集金時に売上として処理する"))},
      okButton(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this)),
      applyButton(new QPushButton(QStringLiteral("適用(&A)"), this)) {
    setWindowTitle(QStringLiteral("ｵﾌﾟｼｮﾝ"));
    makeFixedDialog();
    setEscapeButton(cancelButton);
    tabs->addTab(QStringLiteral("消費税"));
    tabs->addTab(QStringLiteral("売掛金の処理"));

    // The dialog fills the date boxes with hyoujiChu set: the spinners take them as they are.
    dateBoxes->setGuard(&hyoujiChu);
    rateBox->setStripCommas(true);
    rateBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    rateBox->setMaximumWidth(60);

    // First tab: the rate table and the rounding.
    auto* rates = new QGroupBox(QStringLiteral("消費税率"), tabPages[0]);
    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(new QLabel(QStringLiteral("税率"), rates));
    rateRow->addWidget(rateBox);
    rateRow->addWidget(new QLabel(QStringLiteral("％"), rates));
    rateRow->addStretch();
    rateRow->addWidget(addButton);
    rateRow->addWidget(deleteButton);
    auto* ratesLayout = new QVBoxLayout(rates);
    ratesLayout->addWidget(rateList);
    ratesLayout->addWidget(dateBoxes);
    ratesLayout->addLayout(rateRow);

    auto* rounding = new QGroupBox(QStringLiteral("消費税小数点以下"), tabPages[0]);
    auto* roundingLayout = new QHBoxLayout(rounding);
    for (OptionButton* b : roundingOptions)
        roundingLayout->addWidget(b);
    auto* panel0 = new QVBoxLayout(tabPages[0]);
    panel0->addWidget(rates);
    panel0->addWidget(rounding);

    // Second tab: when a credit sale counts as sales.
    auto* timing = new QGroupBox(tabPages[1]);
    auto* timingLayout = new QVBoxLayout(timing);
    for (OptionButton* b : salesTimingOptions)
        timingLayout->addWidget(b);
    auto* panel1 = new QVBoxLayout(tabPages[1]);
    panel1->addWidget(timing);
    panel1->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(applyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    for (QWidget* panel : tabPages)
        layout->addWidget(panel);
    layout->addLayout(buttons);

    deleteButton->setEnabled(false);

    for (int i = 0; i < 2; ++i) {
        roundingOptions[i]->onChange([i] { taxRounding = i; });
        salesTimingOptions[i]->onChange([i] { salesTiming = i; });
    }
    // Every click on a line enables delete, also on the line already chosen.
    rateList->onChange([this] {
        if (rateList->listIndex() >= 0)
            deleteButton->setEnabled(true);
    });
    rateList->onClick([this] { deleteButton->setEnabled(true); });
    connect(tabs, &QTabBar::currentChanged, this, [this](int index) { showTab(index); });
    connect(addButton, &QPushButton::clicked, this, [this] { onAddClicked(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { onDeleteClicked(); });
    connect(okButton, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { onCancelClicked(); });
    connect(applyButton, &QPushButton::clicked, this, [this] { onApplyClicked(); });
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
    tabs->setCurrentIndex(0);
    showTab(0);
    showSettings();
}

// The voucher book shows the busy pointer while the dialog opens.
void TaxSettingsDialog::formActivate() {
    setMousePointer(Pointer::Normal);
}

void TaxSettingsDialog::showTab(int index) {
    for (int i = 0; i < static_cast<int>(tabPages.size()); ++i) {
        tabPages[i]->setVisible(i == index);
        tabPages[i]->setEnabled(i == index);
    }
}

void TaxSettingsDialog::nextTab() {
    const int count = tabs->count();
    tabs->setCurrentIndex((tabs->currentIndex() + 1) % count);
}

void TaxSettingsDialog::previousTab() {
    const int count = tabs->count();
    tabs->setCurrentIndex((tabs->currentIndex() + count - 1) % count);
}

void TaxSettingsDialog::showSettings() {
    hyoujiChu = 1;
    yearBox->setText(blankNumber(todayYear));
    monthBox->setText(blankNumber(todayMonth));
    dayBox->setText(blankNumber(todayDay));
    if (taxRounding == 0 || taxRounding == 1)
        roundingOptions[taxRounding]->setChecked(true);
    if (salesTiming == 0 || salesTiming == 1)
        salesTimingOptions[salesTiming]->setChecked(true);
    fillRateList();
    hyoujiChu = 0;
}

void TaxSettingsDialog::fillRateList() {
    rateList->clear();
    for (int i = 0; i < taxCount && i < kTaxCapacity; ++i)
        rateList->addItem(QString::fromStdString(taxLine(i)));
}

void TaxSettingsDialog::onAddClicked() {
    const double rate = leadingNumber(rateBox->text().toStdString());
    switch (addTaxEntry(yearSpinner->value(), monthSpinner->value(), daySpinner->value(), rate)) {
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
    deleteButton->setEnabled(false);
    const int row = rateList->listIndex();
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
