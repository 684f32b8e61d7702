#include "closing_days.h"

#include "date_spin.h"
#include "dialog_support.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/settings.h"
#include "storage/state.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lukana {

using namespace platform;

namespace {

// The shared closing days in the order of simebi.dat.
const std::array<int*, 4> kClosingDays{&simeKinmu, &simeGenkin, &simeKyuuryou, &simeKurejitto};

const std::array<QString, 4> kClosingDayCaptions{
    QStringLiteral("勤務の締め日"), QStringLiteral("現金仕入れの締め日"),
    QStringLiteral("給料の締め日"), QStringLiteral("クレジット締め日")};

// The fiscal year end is tested against a year without 29 February, so February never
// offers a 29th.
constexpr int kYearUnderTest = 1999;

bool validDepartment(int index) {
    return index >= 0 && index < busyoCount && index < static_cast<int>(busyoNames.size());
}

void showSaveFailure(const QString& what, const Status& s) {
    msgBox(QStringLiteral("%1を保存できませんでした。\r%2")
               .arg(what, QString::fromStdString(s.message())),
           Buttons::Ok, Icon::Critical);
}

} // namespace

// ---------------------------------------------------------------- closing days

frmSime::frmSime(QWidget* parent)
    : Window(parent), Combo1(new ComboBox(this)), Text4{}, VScroll3{},
      Command6(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("締め日"));
    auto* top = new QHBoxLayout;
    top->addWidget(Combo1, 1);
    top->addWidget(new QLabel(QStringLiteral("の"), this));
    auto* frames = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* frame = new QGroupBox(kClosingDayCaptions[i], this);
        Text4[i] = new TextBox(frame);
        Text4[i]->setStripCommas(true);
        Text4[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
        Text4[i]->setMaximumWidth(50);
        VScroll3[i] = new Spinner(frame);
        VScroll3[i]->setRange(0, 32);
        VScroll3[i]->setValue(0);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(Text4[i]);
        row->addWidget(VScroll3[i]);
        row->addWidget(new QLabel(QStringLiteral("日"), frame));
        row->addStretch();
        frames->addWidget(frame, i / 2, i % 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(frames);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command6);
    layout->addLayout(buttons);

    Combo1->onChange([this] { Combo1_Change(); });
    for (int i = 0; i < 4; ++i) {
        VScroll3[i]->onChange([this, i] { VScroll3_Change(i); });
        Text4[i]->onChange([this, i] { Text4_Change(i); });
    }
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
}

void frmSime::formLoad() {
    {
        const QSignalBlocker quiet(Combo1); // filling the list picks nothing yet
        Combo1->clear();
        for (int i = 0; i < busyoCount && i < static_cast<int>(busyoNames.size()); ++i)
            Combo1->addItem(QString::fromStdString(busyoNames[i]));
        Combo1->setListIndex(-1);
    }
    {
        FlagScope loading(loading_);
        if (validDepartment(curBusyo))
            Combo1->setListIndex(curBusyo);
    }
    setMousePointer(Pointer::Normal);
}

void frmSime::Combo1_Change() {
    const int index = Combo1->listIndex();
    if (restoring_ || index < 0 || !validDepartment(index))
        return;
    // Switching departments never loses edits: the department left is written first, and
    // when that fails it stays on screen.
    if (!loading_ && shownIndex_ >= 0) {
        if (Status s = hozon(); !s) {
            showSaveFailure(QStringLiteral("締め日"), s);
            FlagScope restoring(restoring_);
            Combo1->setListIndex(shownIndex_);
            return;
        }
    }
    selectDepartment(index);
}

void frmSime::selectDepartment(int index) {
    for (int* day : kClosingDays)
        *day = 0;
    shownIndex_ = index;
    currentFile_ = busyoFilePath(busyoNames[index], "simebi.dat");
    filePath = currentFile_;
    (void)simebiModosi(); // a missing or short file leaves the values not read at 0
    for (int* day : kClosingDays)
        if (*day == 0)
            *day = 31;
    for (int i = 0; i < 4; ++i) {
        // A stored day the spinner cannot take leaves spinner and box as they were.
        if (VScroll3[i]->setValue(*kClosingDays[i]) && VScroll3[i]->value() == *kClosingDays[i])
            Text4[i]->setText(QString::number(*kClosingDays[i]));
    }
}

void frmSime::VScroll3_Change(int i) {
    const int value = VScroll3[i]->value();
    // The arrows cycle through 1 to 31; the nested change stores the value.
    if (value <= 0) {
        VScroll3[i]->setValue(31);
        return;
    }
    if (value >= 32) {
        VScroll3[i]->setValue(1);
        return;
    }
    *kClosingDays[i] = value;
    if (!typing_)
        Text4[i]->setText(QString::number(value));
}

void frmSime::Text4_Change(int i) {
    FlagScope typing(typing_);
    const double value = leadingNumber(Text4[i]->text().toStdString());
    if (value < 0) {
        Text4[i]->setText(QStringLiteral("0")); // the nested change moves the spinner
        return;
    }
    if (value > 31) {
        Text4[i]->setText(QStringLiteral("31"));
        return;
    }
    // A typed 0 stores 31 through the spinner while the box keeps the 0.
    VScroll3[i]->setValueFromBox(roundHalfEven(value));
}

Status frmSime::hozon() {
    if (shownIndex_ < 0)
        return {}; // no department shown: nothing to write
    if (currentFile_.empty())
        return Status::failure("部署名をフォルダー名に使えません: " + busyoNames[shownIndex_]);
    filePath = currentFile_;
    return simebiHozon();
}

void frmSime::Command6_Click() {
    if (Status s = hozon(); !s) {
        showSaveFailure(QStringLiteral("締め日"), s);
        return;
    }
    unloadWindow();
}

// ---------------------------------------------------------------- fiscal year end

frmKoguti::frmKoguti(QWidget* parent)
    : Window(parent), txm(new TextBox(this)), VSm(new Spinner(this)), txd(new TextBox(this)),
      VSd(new Spinner(this)), Label6(new QLabel(QStringLiteral("日"), this)),
      Command1(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("決算日の設定"));
    VSm->setRange(0, 13);
    VSm->setValue(1);
    VSd->setRange(0, 32);
    VSd->setValue(1);
    for (TextBox* box : {txm, txd}) {
        box->setStripCommas(true);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setMaximumWidth(50);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(txm);
    row->addWidget(VSm);
    row->addWidget(new QLabel(QStringLiteral("月"), this));
    row->addWidget(txd);
    row->addWidget(VSd);
    row->addWidget(new QLabel(QStringLiteral("日"), this));
    row->addWidget(Label6);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    txm->onChange([this] { txm_Change(); });
    txd->onChange([this] { txd_Change(); });
    VSm->onChange([this] { VSm_Change(); });
    VSd->onChange([this] { VSd_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void frmKoguti::formLoad() {
    hyoujiChu = 1;
    hyouji3();
    hyoujiChu = 0;
}

// The voucher book shows the busy pointer while the dialog opens.
void frmKoguti::formActivate() {
    setMousePointer(Pointer::Normal);
}

// Every close saves.
bool frmKoguti::queryUnload() {
    if (Status s = hozon(); !s)
        showSaveFailure(QStringLiteral("決算日"), s);
    return true;
}

void frmKoguti::hyouji3() {
    txm->setText(QString::number(kesanTuki));
    txd->setText(QString::number(kesanBi));
}

Status frmKoguti::hozon() {
    if (!validDepartment(denpyouBusyo))
        return Status::failure("部署が選ばれていません");
    filePath = busyoFilePath(busyoNames[denpyouBusyo], "kesan.dat");
    if (filePath.empty())
        return Status::failure("部署名をフォルダー名に使えません: " + busyoNames[denpyouBusyo]);
    return kesanHozon();
}

bool frmKoguti::Youbi(int month, int day) {
    static const QString kDays = QStringLiteral("日月火水木金土");
    const bool valid = isValidDate(kYearUnderTest, month, day);
    Label6->setText(valid ? QString(kDays[weekday(kYearUnderTest, month, day)]) : QString());
    return valid;
}

void frmKoguti::txm_Change() {
    FlagScope typing(typingMonth_);
    const double value = leadingNumber(txm->text().toStdString());
    if (value >= 1 && value <= 12)
        VSm->setValueFromBox(roundHalfEven(value));
}

void frmKoguti::txd_Change() {
    FlagScope typing(typingDay_);
    const double value = leadingNumber(txd->text().toStdString());
    if (value < 0) {
        txd->setText(QStringLiteral("0")); // the nested change does the rest
        return;
    }
    if (value > 31) {
        txd->setText(QStringLiteral("31"));
        return;
    }
    VSd->setValueFromBox(roundHalfEven(value));
    kesanBi = VSd->value();
    kesanTuki = VSm->value();
}

void frmKoguti::takeSpunDate(const SpinDate& d) {
    {
        FlagScope adjusting(adjusting_);
        VSm->setValue(d.month);
        VSd->setValue(d.day);
    }
    kesanTuki = d.month;
    kesanBi = d.day;
    Youbi(d.month, d.day);
}

// Runs also while the dialog fills its boxes, so that the stored day is made a valid one.
void frmKoguti::VSd_Change() {
    if (adjusting_)
        return;
    const int monthBefore = VSm->value();
    const SpinDate d = afterDaySpin({kYearUnderTest, monthBefore, VSd->value()}, false);
    takeSpunDate(d);
    if (!typingDay_)
        txd->setText(blankNumber(d.day));
    // A day rolled into the next or previous month: the box shows the month that is kept.
    if (!typingMonth_ && d.month != monthBefore)
        txm->setText(blankNumber(d.month));
}

void frmKoguti::VSm_Change() {
    if (hyoujiChu == 1 || adjusting_)
        return;
    const int dayBefore = VSd->value();
    const SpinDate d = afterMonthSpin({kYearUnderTest, VSm->value(), dayBefore}, false);
    takeSpunDate(d);
    if (!typingMonth_)
        txm->setText(blankNumber(d.month));
    // A day the new month lacks was moved back; the box shows the day that is kept.
    if (!typingDay_ && d.day != dayBefore)
        txd->setText(blankNumber(d.day));
}

} // namespace lukana
