#include "closing_days.h"

#include "dialog_support.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "storage/date_carry.h"
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

ClosingDaysDialog::ClosingDaysDialog(QWidget* parent)
    : Window(parent), departmentChoice(new ComboBox(this)), dayBoxes{}, daySpinners{},
      okButton(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("締め日"));
    auto* top = new QHBoxLayout;
    top->addWidget(departmentChoice, 1);
    top->addWidget(new QLabel(QStringLiteral("の"), this));
    auto* frames = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* frame = new QGroupBox(kClosingDayCaptions[i], this);
        dayBoxes[i] = new TextBox(frame);
        dayBoxes[i]->setStripCommas(true);
        dayBoxes[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
        dayBoxes[i]->setMaximumWidth(50);
        daySpinners[i] = new Spinner(frame);
        daySpinners[i]->setRange(0, 32);
        daySpinners[i]->setValue(0);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(dayBoxes[i]);
        row->addWidget(daySpinners[i]);
        row->addWidget(new QLabel(QStringLiteral("日"), frame));
        row->addStretch();
        frames->addWidget(frame, i / 2, i % 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(frames);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    layout->addLayout(buttons);

    departmentChoice->onChange([this] { onDepartmentChanged(); });
    for (int i = 0; i < 4; ++i) {
        daySpinners[i]->onChange([this, i] { onDaySpinnerChanged(i); });
        dayBoxes[i]->onChange([this, i] { onDayBoxEdited(i); });
    }
    connect(okButton, &QPushButton::clicked, this, [this] { onOkClicked(); });
}

void ClosingDaysDialog::formLoad() {
    {
        const QSignalBlocker quiet(departmentChoice); // filling the list picks nothing yet
        departmentChoice->clear();
        for (int i = 0; i < busyoCount && i < static_cast<int>(busyoNames.size()); ++i)
            departmentChoice->addItem(QString::fromStdString(busyoNames[i]));
        departmentChoice->setListIndex(-1);
    }
    {
        FlagScope loading(loading_);
        if (validDepartment(curBusyo))
            departmentChoice->setListIndex(curBusyo);
    }
    setMousePointer(Pointer::Normal);
}

void ClosingDaysDialog::onDepartmentChanged() {
    const int index = departmentChoice->listIndex();
    if (restoring_ || index < 0 || !validDepartment(index))
        return;
    // Switching departments never loses edits: the department left is written first, and
    // when that fails it stays on screen.
    if (!loading_ && shownIndex_ >= 0) {
        if (Status s = hozon(); !s) {
            showSaveFailure(QStringLiteral("締め日"), s);
            FlagScope restoring(restoring_);
            departmentChoice->setListIndex(shownIndex_);
            return;
        }
    }
    selectDepartment(index);
}

void ClosingDaysDialog::selectDepartment(int index) {
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
        if (daySpinners[i]->setValue(*kClosingDays[i]) &&
            daySpinners[i]->value() == *kClosingDays[i])
            dayBoxes[i]->setText(QString::number(*kClosingDays[i]));
    }
}

void ClosingDaysDialog::onDaySpinnerChanged(int i) {
    const int value = daySpinners[i]->value();
    // The arrows cycle through 1 to 31; the nested change stores the value.
    if (value <= 0) {
        daySpinners[i]->setValue(31);
        return;
    }
    if (value >= 32) {
        daySpinners[i]->setValue(1);
        return;
    }
    *kClosingDays[i] = value;
    if (!typing_)
        dayBoxes[i]->setText(QString::number(value));
}

void ClosingDaysDialog::onDayBoxEdited(int i) {
    FlagScope typing(typing_);
    const double value = leadingNumber(dayBoxes[i]->text().toStdString());
    if (value < 0) {
        dayBoxes[i]->setText(QStringLiteral("0")); // the nested change moves the spinner
        return;
    }
    if (value > 31) {
        dayBoxes[i]->setText(QStringLiteral("31"));
        return;
    }
    // A typed 0 stores 31 through the spinner while the box keeps the 0.
    daySpinners[i]->setValueFromBox(roundHalfEven(value));
}

Status ClosingDaysDialog::hozon() {
    if (shownIndex_ < 0)
        return {}; // no department shown: nothing to write
    if (currentFile_.empty())
        return Status::failure("部署名をフォルダー名に使えません: " + busyoNames[shownIndex_]);
    filePath = currentFile_;
    return simebiHozon();
}

void ClosingDaysDialog::onOkClicked() {
    if (Status s = hozon(); !s) {
        showSaveFailure(QStringLiteral("締め日"), s);
        return;
    }
    unloadWindow();
}

// ---------------------------------------------------------------- fiscal year end

FiscalYearEndDialog::FiscalYearEndDialog(QWidget* parent)
    : Window(parent), monthBox(new TextBox(this)), monthSpinner(new Spinner(this)),
      dayBox(new TextBox(this)), daySpinner(new Spinner(this)),
      weekdayLabel(new QLabel(QStringLiteral("日"), this)),
      okButton(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("決算日の設定"));
    monthSpinner->setRange(0, 13);
    monthSpinner->setValue(1);
    daySpinner->setRange(0, 32);
    daySpinner->setValue(1);
    for (TextBox* box : {monthBox, dayBox}) {
        box->setStripCommas(true);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setMaximumWidth(50);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(monthBox);
    row->addWidget(monthSpinner);
    row->addWidget(new QLabel(QStringLiteral("月"), this));
    row->addWidget(dayBox);
    row->addWidget(daySpinner);
    row->addWidget(new QLabel(QStringLiteral("日"), this));
    row->addWidget(weekdayLabel);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    layout->addLayout(buttons);

    monthBox->onChange([this] { onMonthBoxEdited(); });
    dayBox->onChange([this] { onDayBoxEdited(); });
    monthSpinner->onChange([this] { onMonthSpinnerChanged(); });
    daySpinner->onChange([this] { onDaySpinnerChanged(); });
    connect(okButton, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void FiscalYearEndDialog::formLoad() {
    hyoujiChu = 1;
    hyouji3();
    hyoujiChu = 0;
}

// The voucher book shows the busy pointer while the dialog opens.
void FiscalYearEndDialog::formActivate() {
    setMousePointer(Pointer::Normal);
}

// Every close saves.
bool FiscalYearEndDialog::queryUnload() {
    if (Status s = hozon(); !s)
        showSaveFailure(QStringLiteral("決算日"), s);
    return true;
}

void FiscalYearEndDialog::hyouji3() {
    monthBox->setText(QString::number(kesanTuki));
    dayBox->setText(QString::number(kesanBi));
}

Status FiscalYearEndDialog::hozon() {
    if (!validDepartment(denpyouBusyo))
        return Status::failure("部署が選ばれていません");
    filePath = busyoFilePath(busyoNames[denpyouBusyo], "kesan.dat");
    if (filePath.empty())
        return Status::failure("部署名をフォルダー名に使えません: " + busyoNames[denpyouBusyo]);
    return kesanHozon();
}

bool FiscalYearEndDialog::Youbi(int month, int day) {
    static const QString kDays = QStringLiteral("日月火水木金土");
    const bool valid = isValidDate(kYearUnderTest, month, day);
    weekdayLabel->setText(valid ? QString(kDays[weekday(kYearUnderTest, month, day)]) : QString());
    return valid;
}

void FiscalYearEndDialog::onMonthBoxEdited() {
    FlagScope typing(typingMonth_);
    const double value = leadingNumber(monthBox->text().toStdString());
    if (value >= 1 && value <= 12)
        monthSpinner->setValueFromBox(roundHalfEven(value));
}

void FiscalYearEndDialog::onDayBoxEdited() {
    FlagScope typing(typingDay_);
    const double value = leadingNumber(dayBox->text().toStdString());
    if (value < 0) {
        dayBox->setText(QStringLiteral("0")); // the nested change does the rest
        return;
    }
    if (value > 31) {
        dayBox->setText(QStringLiteral("31"));
        return;
    }
    daySpinner->setValueFromBox(roundHalfEven(value));
    kesanBi = daySpinner->value();
    kesanTuki = monthSpinner->value();
}

void FiscalYearEndDialog::takeSpunDate(const SpinDate& d) {
    {
        FlagScope adjusting(adjusting_);
        monthSpinner->setValue(d.month);
        daySpinner->setValue(d.day);
    }
    kesanTuki = d.month;
    kesanBi = d.day;
    Youbi(d.month, d.day);
}

// Runs also while the dialog fills its boxes, so that the stored day is made a valid one.
void FiscalYearEndDialog::onDaySpinnerChanged() {
    if (adjusting_)
        return;
    const int monthBefore = monthSpinner->value();
    const SpinDate d = afterDaySpin({kYearUnderTest, monthBefore, daySpinner->value()}, false);
    takeSpunDate(d);
    if (!typingDay_)
        dayBox->setText(blankNumber(d.day));
    // A day rolled into the next or previous month: the box shows the month that is kept.
    if (!typingMonth_ && d.month != monthBefore)
        monthBox->setText(blankNumber(d.month));
}

void FiscalYearEndDialog::onMonthSpinnerChanged() {
    if (hyoujiChu == 1 || adjusting_)
        return;
    const int dayBefore = daySpinner->value();
    const SpinDate d = afterMonthSpin({kYearUnderTest, monthSpinner->value(), dayBefore}, false);
    takeSpunDate(d);
    if (!typingMonth_)
        monthBox->setText(blankNumber(d.month));
    // A day the new month lacks was moved back; the box shows the day that is kept.
    if (!typingDay_ && d.day != dayBefore)
        dayBox->setText(blankNumber(d.day));
}

} // namespace lukana
