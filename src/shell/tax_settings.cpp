#include "tax_settings.h"

#include "date_spin.h"
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
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

namespace lukana {

using namespace platform;

frmOptions::frmOptions(QWidget* parent)
    : Window(parent),
      tbsOptions(new QTabBar(this)), picOptions{new QWidget(this), new QWidget(this)},
      List1(new QListWidget(this)), txy(new TextBox(this)), txm(new TextBox(this)),
      txd(new TextBox(this)), VSy(new Spinner(this)), VSm(new Spinner(this)),
      VSd(new Spinner(this)), Text5(new TextBox(this)),
      Command11(new QPushButton(QStringLiteral("追加"), this)),
      Command10(new QPushButton(QStringLiteral("削除"), this)),
      Option1{new OptionButton(QStringLiteral("切り捨て")),
              new OptionButton(QStringLiteral("切り上げ"))},
      Option2{new OptionButton(QStringLiteral("掛売り発生時に売上として処理する")),
              new OptionButton(QStringLiteral("集金時に売上として処理する"))},
      cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      cmdCancel(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this)),
      cmdApply(new QPushButton(QStringLiteral("適用(&A)"), this)) {
    setWindowTitle(QStringLiteral("ｵﾌﾟｼｮﾝ"));
    tbsOptions->addTab(QStringLiteral("消費税"));
    tbsOptions->addTab(QStringLiteral("売掛金の処理"));

    VSy->setRange(kMinSpinYear, kMaxSpinYear);
    VSm->setRange(0, 13);
    VSd->setRange(0, 32);
    for (TextBox* box : {txy, txm, txd, Text5}) {
        box->setStripCommas(true);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setMaximumWidth(60);
    }

    // First tab: the rate table and the rounding.
    auto* rates = new QGroupBox(QStringLiteral("消費税率"), picOptions[0]);
    auto* dateRow = new QHBoxLayout;
    const std::array<std::pair<TextBox*, Spinner*>, 3> dateParts{
        {{txy, VSy}, {txm, VSm}, {txd, VSd}}};
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
    rateRow->addWidget(Text5);
    rateRow->addWidget(new QLabel(QStringLiteral("％"), rates));
    rateRow->addStretch();
    rateRow->addWidget(Command11);
    rateRow->addWidget(Command10);
    auto* ratesLayout = new QVBoxLayout(rates);
    ratesLayout->addWidget(List1);
    ratesLayout->addLayout(dateRow);
    ratesLayout->addLayout(rateRow);

    auto* rounding = new QGroupBox(QStringLiteral("消費税小数点以下"), picOptions[0]);
    auto* roundingLayout = new QHBoxLayout(rounding);
    for (OptionButton* b : Option1)
        roundingLayout->addWidget(b);
    auto* panel0 = new QVBoxLayout(picOptions[0]);
    panel0->addWidget(rates);
    panel0->addWidget(rounding);

    // Second tab: when a credit sale counts as sales.
    auto* timing = new QGroupBox(picOptions[1]);
    auto* timingLayout = new QVBoxLayout(timing);
    for (OptionButton* b : Option2)
        timingLayout->addWidget(b);
    auto* panel1 = new QVBoxLayout(picOptions[1]);
    panel1->addWidget(timing);
    panel1->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdApply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbsOptions);
    for (QWidget* panel : picOptions)
        layout->addWidget(panel);
    layout->addLayout(buttons);

    Command10->setEnabled(false);

    txy->onChange([this] { boxChanged(DateField::Year); });
    txm->onChange([this] { boxChanged(DateField::Month); });
    txd->onChange([this] { boxChanged(DateField::Day); });
    VSy->onChange([this] { spinnerChanged(DateField::Year); });
    VSm->onChange([this] { spinnerChanged(DateField::Month); });
    VSd->onChange([this] { spinnerChanged(DateField::Day); });
    for (int i = 0; i < 2; ++i) {
        Option1[i]->onChange([i] { taxRounding = i; });
        Option2[i]->onChange([i] { salesTiming = i; });
    }
    // A line clicked again after it was deselected is no change of the current row, so the
    // selection decides.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!List1->selectedItems().isEmpty())
            Command10->setEnabled(true);
    });
    connect(tbsOptions, &QTabBar::currentChanged, this, [this](int index) { showTab(index); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [this] { nextTab(); });
    for (QKeyCombination keys :
         {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::Key_Backtab}) {
        auto* previous = new QShortcut(QKeySequence(keys), this);
        connect(previous, &QShortcut::activated, this, [this] { previousTab(); });
    }
}

void frmOptions::formLoad() {
    hyoujiChu = 0;
    tbsOptions->setCurrentIndex(0);
    showTab(0);
    Hyouji();
}

// The voucher book shows the busy pointer while the dialog opens.
void frmOptions::formActivate() {
    setMousePointer(Pointer::Normal);
}

void frmOptions::showTab(int index) {
    for (int i = 0; i < static_cast<int>(picOptions.size()); ++i) {
        picOptions[i]->setVisible(i == index);
        picOptions[i]->setEnabled(i == index);
    }
}

void frmOptions::nextTab() {
    const int count = tbsOptions->count();
    tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + 1) % count);
}

void frmOptions::previousTab() {
    const int count = tbsOptions->count();
    tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + count - 1) % count);
}

void frmOptions::Hyouji() {
    hyoujiChu = 1;
    txy->setText(blankNumber(todayYear));
    txm->setText(blankNumber(todayMonth));
    txd->setText(blankNumber(todayDay));
    if (taxRounding == 0 || taxRounding == 1)
        Option1[taxRounding]->setChecked(true);
    if (salesTiming == 0 || salesTiming == 1)
        Option2[salesTiming]->setChecked(true);
    Ls1Ire();
    hyoujiChu = 0;
}

void frmOptions::Ls1Ire() {
    List1->clear();
    for (int i = 0; i < taxCount && i < kTaxCapacity; ++i)
        List1->addItem(QString::fromStdString(taxLine(i)));
}

bool frmOptions::Youbi() const {
    return isValidDate(VSy->value(), VSm->value(), VSd->value());
}

// A number typed into a date box moves its spinner; the spinner leaves that box as typed.
void frmOptions::boxChanged(DateField field) {
    TextBox* box = field == DateField::Year ? txy : field == DateField::Month ? txm : txd;
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
        VSd->setValueFromBox(roundHalfEven(v));
        break;
    case DateField::Month:
        if (v >= 1 && v <= 12)
            VSm->setValueFromBox(roundHalfEven(v));
        break;
    case DateField::Year:
        if (v >= kMinSpinYear && v <= kMaxSpinYear)
            VSy->setValueFromBox(roundHalfEven(v));
        break;
    }
}

void frmOptions::spinnerChanged(DateField field) {
    if (hyoujiChu == 1 || settingSpinners_)
        return;
    SpinDate d{VSy->value(), VSm->value(), VSd->value()};
    d = field == DateField::Day     ? afterDaySpin(d)
        : field == DateField::Month ? afterMonthSpin(d)
                                    : afterYearSpin(d);
    {
        FlagScope setting(settingSpinners_);
        VSy->setValue(d.year);
        VSm->setValue(d.month);
        VSd->setValue(d.day);
    }
    if (!typingYear_)
        txy->setText(blankNumber(d.year));
    if (!typingMonth_)
        txm->setText(blankNumber(d.month));
    if (!typingDay_)
        txd->setText(blankNumber(d.day));
}

void frmOptions::Command11_Click() {
    const double rate = leadingNumber(Text5->text().toStdString());
    switch (addTaxEntry(VSy->value(), VSm->value(), VSd->value(), rate)) {
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

void frmOptions::Command10_Click() {
    Command10->setEnabled(false);
    const int row = List1->currentRow();
    if (row < 0 || !List1->item(row)->isSelected())
        return;
    deleteTaxEntry(row);
    Ls1Ire();
}

// A failed write is said so; the dialog then stays open with the edits.
bool frmOptions::writeOpt() {
    filePath = rootFilePath("opt.dat");
    if (Status s = optHozon(); !s) {
        msgBox(QStringLiteral("税率の設定を保存できませんでした。\r%1")
                   .arg(QString::fromStdString(s.message())),
               Buttons::Ok, Icon::Critical);
        return false;
    }
    return true;
}

void frmOptions::cmdOK_Click() {
    if (writeOpt())
        unloadWindow();
}

void frmOptions::cmdApply_Click() {
    (void)writeOpt();
}

void frmOptions::cmdCancel_Click() {
    filePath = rootFilePath("opt.dat");
    (void)optModosi(); // a file that cannot be read leaves the edits in memory
    unloadWindow();
}

} // namespace lukana
