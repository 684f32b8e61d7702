#include "tax_settings.h"

#include "dialog_support.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "storage/date_carry.h"
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
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

namespace lukana {

using namespace platform;

TaxSettingsDialog::TaxSettingsDialog(QWidget* parent)
    : Window(parent), tabs(new QTabBar(this)), tabPages{new QWidget(this), new QWidget(this)},
      rateList(new QListWidget(this)), yearBox(new TextBox(this)), monthBox(new TextBox(this)),
      dayBox(new TextBox(this)), yearSpinner(new Spinner(this)), monthSpinner(new Spinner(this)),
      daySpinner(new Spinner(this)), rateBox(new TextBox(this)),
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
    tabs->addTab(QStringLiteral("消費税"));
    tabs->addTab(QStringLiteral("売掛金の処理"));

    yearSpinner->setRange(kMinYear, kMaxYear);
    monthSpinner->setRange(0, 13);
    daySpinner->setRange(0, 32);
    for (TextBox* box : {yearBox, monthBox, dayBox, rateBox}) {
        box->setStripCommas(true);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setMaximumWidth(60);
    }

    // First tab: the rate table and the rounding.
    auto* rates = new QGroupBox(QStringLiteral("消費税率"), tabPages[0]);
    auto* dateRow = new QHBoxLayout;
    const std::array<std::pair<TextBox*, Spinner*>, 3> dateParts{
        {{yearBox, yearSpinner}, {monthBox, monthSpinner}, {dayBox, daySpinner}}};
    const std::array<QString, 3> dateLabels{QStringLiteral("年"), QStringLiteral("月"),
                                            QStringLiteral("日")};
    for (size_t i = 0; i < dateParts.size(); ++i) {
        dateRow->addWidget(dateParts[i].first);
        dateRow->addWidget(dateParts[i].second);
        dateRow->addWidget(new QLabel(dateLabels[i], rates));
    }
    dateRow->addStretch();
    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(new QLabel(QStringLiteral("税率"), rates));
    rateRow->addWidget(rateBox);
    rateRow->addWidget(new QLabel(QStringLiteral("％"), rates));
    rateRow->addStretch();
    rateRow->addWidget(addButton);
    rateRow->addWidget(deleteButton);
    auto* ratesLayout = new QVBoxLayout(rates);
    ratesLayout->addWidget(rateList);
    ratesLayout->addLayout(dateRow);
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

    yearBox->onChange([this] { boxChanged(DateField::Year); });
    monthBox->onChange([this] { boxChanged(DateField::Month); });
    dayBox->onChange([this] { boxChanged(DateField::Day); });
    yearSpinner->onChange([this] { spinnerChanged(DateField::Year); });
    monthSpinner->onChange([this] { spinnerChanged(DateField::Month); });
    daySpinner->onChange([this] { spinnerChanged(DateField::Day); });
    for (int i = 0; i < 2; ++i) {
        roundingOptions[i]->onChange([i] { taxRounding = i; });
        salesTimingOptions[i]->onChange([i] { salesTiming = i; });
    }
    // A line clicked again after it was deselected is no change of the current row, so the
    // selection decides.
    connect(rateList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!rateList->selectedItems().isEmpty())
            deleteButton->setEnabled(true);
    });
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
    Hyouji();
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

void TaxSettingsDialog::Hyouji() {
    hyoujiChu = 1;
    yearBox->setText(blankNumber(todayYear));
    monthBox->setText(blankNumber(todayMonth));
    dayBox->setText(blankNumber(todayDay));
    if (taxRounding == 0 || taxRounding == 1)
        roundingOptions[taxRounding]->setChecked(true);
    if (salesTiming == 0 || salesTiming == 1)
        salesTimingOptions[salesTiming]->setChecked(true);
    Ls1Ire();
    hyoujiChu = 0;
}

void TaxSettingsDialog::Ls1Ire() {
    rateList->clear();
    for (int i = 0; i < taxCount && i < kTaxCapacity; ++i)
        rateList->addItem(QString::fromStdString(taxLine(i)));
}

bool TaxSettingsDialog::Youbi() const {
    return isValidDate(yearSpinner->value(), monthSpinner->value(), daySpinner->value());
}

// A number typed into a date box moves its spinner; the spinner leaves that box as typed.
void TaxSettingsDialog::boxChanged(DateField field) {
    TextBox* box = field == DateField::Year    ? yearBox
                   : field == DateField::Month ? monthBox
                                               : dayBox;
    FlagScope typing(field == DateField::Year    ? typingYear_
                     : field == DateField::Month ? typingMonth_
                                                 : typingDay_);
    const double v = leadingNumber(box->text().toStdString());
    switch (field) {
    case DateField::Day:
        if (v < 0) {
            box->setText(QStringLiteral("0")); // the nested change moves the spinner
            return;
        }
        if (v > 31) {
            box->setText(QStringLiteral("31"));
            return;
        }
        daySpinner->setValueFromBox(roundHalfEven(v));
        break;
    case DateField::Month:
        if (v >= 1 && v <= 12)
            monthSpinner->setValueFromBox(roundHalfEven(v));
        break;
    case DateField::Year:
        if (v >= kMinYear && v <= kMaxYear)
            yearSpinner->setValueFromBox(roundHalfEven(v));
        break;
    }
}

void TaxSettingsDialog::spinnerChanged(DateField field) {
    if (hyoujiChu == 1 || settingSpinners_)
        return;
    SpinDate d{yearSpinner->value(), monthSpinner->value(), daySpinner->value()};
    d = field == DateField::Day     ? afterDaySpin(d)
        : field == DateField::Month ? afterMonthSpin(d)
                                    : afterYearSpin(d);
    {
        FlagScope setting(settingSpinners_);
        yearSpinner->setValue(d.year);
        monthSpinner->setValue(d.month);
        daySpinner->setValue(d.day);
    }
    if (!typingYear_)
        yearBox->setText(blankNumber(d.year));
    if (!typingMonth_)
        monthBox->setText(blankNumber(d.month));
    if (!typingDay_)
        dayBox->setText(blankNumber(d.day));
}

void TaxSettingsDialog::onAddClicked() {
    const double rate = leadingNumber(rateBox->text().toStdString());
    switch (addTaxEntry(yearSpinner->value(), monthSpinner->value(), daySpinner->value(), rate)) {
    case TaxAddResult::Added:
        Ls1Ire();
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
    const int row = rateList->currentRow();
    if (row < 0 || !rateList->item(row)->isSelected())
        return;
    deleteTaxEntry(row);
    Ls1Ire();
}

// A failed write is said so; the dialog then stays open with the edits.
bool TaxSettingsDialog::writeOpt() {
    filePath = rootFilePath("opt.dat");
    if (Status s = optHozon(); !s) {
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
    filePath = rootFilePath("opt.dat");
    (void)optModosi(); // a file that cannot be read leaves the edits in memory
    unloadWindow();
}

} // namespace lukana
