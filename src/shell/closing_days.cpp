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

#include <algorithm>

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
    : Window(parent),
      departmentChoice_(new ComboBox(this)), closingDays_{}, dayBoxes_{}, daySpinners_{},
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("締め日"));
    makeFixedDialog();
    auto* top = new QHBoxLayout;
    top->addWidget(departmentChoice_, 1);
    top->addWidget(new QLabel(QStringLiteral("の"), this));
    auto* frames = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* frame = new QGroupBox(kClosingDayCaptions[i], this);
        closingDays_[i] = new ClosingDayBox(frame);
        dayBoxes_[i] = closingDays_[i]->box();
        daySpinners_[i] = closingDays_[i]->spinner();
        auto* row = new QHBoxLayout(frame);
        row->addWidget(closingDays_[i]);
        row->addWidget(new QLabel(QStringLiteral("日"), frame));
        row->addStretch();
        frames->addWidget(frame, i / 2, i % 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(frames);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    layout->addLayout(buttons);

    departmentChoice_->onChange([this] { onDepartmentChanged(); });
    for (int i = 0; i < 4; ++i)
        closingDays_[i]->onChange([this, i] { *kClosingDays[i] = closingDays_[i]->day(); });
    setDefaultButton(okButton_);
    connect(okButton_, &QPushButton::clicked, this, [this] { onOkClicked(); });
}

void ClosingDaysDialog::formLoad() {
    {
        const QSignalBlocker quiet(departmentChoice_); // filling the list picks nothing yet
        departmentChoice_->clear();
        for (int i = 0; i < busyoCount && i < static_cast<int>(busyoNames.size()); ++i)
            departmentChoice_->addItem(QString::fromStdString(busyoNames[i]));
        departmentChoice_->setListIndex(-1);
    }
    {
        FlagScope loading(loading_);
        if (validDepartment(curBusyo))
            departmentChoice_->setListIndex(curBusyo);
    }
    setMousePointer(Pointer::Normal);
}

void ClosingDaysDialog::onDepartmentChanged() {
    const int index = departmentChoice_->listIndex();
    if (restoring_ || index < 0 || !validDepartment(index))
        return;
    // Switching departments never loses edits: the department left is written first, and
    // when that fails it stays on screen.
    if (!loading_ && shownIndex_ >= 0) {
        if (Status s = save(); !s) {
            showSaveFailure(QStringLiteral("締め日"), s);
            FlagScope restoring(restoring_);
            departmentChoice_->setListIndex(shownIndex_);
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
    (void)readClosingDays(currentFile_); // a missing or short file leaves the values not read at 0
    for (int* day : kClosingDays)
        if (*day == 0)
            *day = 31;
    // A stored day outside 1..31 leaves spinner and box as they were.
    for (int i = 0; i < 4; ++i)
        closingDays_[i]->setDay(*kClosingDays[i]);
}

Status ClosingDaysDialog::save() {
    if (shownIndex_ < 0)
        return {}; // no department shown: nothing to write
    if (currentFile_.empty())
        return Status::failure("部署名をフォルダー名に使えません: " + busyoNames[shownIndex_]);
    return writeClosingDays(currentFile_);
}

void ClosingDaysDialog::onOkClicked() {
    if (Status s = save(); !s) {
        showSaveFailure(QStringLiteral("締め日"), s);
        return;
    }
    unloadWindow();
}

// ---------------------------------------------------------------- fiscal year end

FiscalYearEndDialog::FiscalYearEndDialog(QWidget* parent)
    : Window(parent), navigator_(new DateNavigator(DateBoxes::Parts::MonthDay, {}, this)),
      monthBox_(navigator_->boxes()->box(DatePart::Month)),
      monthSpinner_(navigator_->boxes()->spinner(DatePart::Month)),
      dayBox_(navigator_->boxes()->box(DatePart::Day)),
      daySpinner_(navigator_->boxes()->spinner(DatePart::Day)),
      weekdayLabel_(navigator_->weekdayLabel()),
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("決算日の設定"));
    makeFixedDialog();
    navigator_->setDate({kYearUnderTest, 1, 1});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(navigator_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    layout->addLayout(buttons);

    navigator_->onMoved([this] {
        kesanTuki = navigator_->date().month;
        kesanBi = navigator_->date().day;
    });
    setDefaultButton(okButton_);
    connect(okButton_, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void FiscalYearEndDialog::formLoad() {
    hyoujiChu = 1;
    showFiscalYearEnd();
    hyoujiChu = 0;
}

// The voucher book shows the busy pointer while the dialog opens.
void FiscalYearEndDialog::formActivate() {
    setMousePointer(Pointer::Normal);
}

// Every close saves.
bool FiscalYearEndDialog::queryUnload() {
    if (Status s = save(); !s)
        showSaveFailure(QStringLiteral("決算日"), s);
    return true;
}

// A stored day the month lacks becomes the first of the next month, as the day spinner makes
// it; a stored month out of range leaves January.
void FiscalYearEndDialog::showFiscalYearEnd() {
    const int month = kesanTuki >= 1 && kesanTuki <= 12 ? kesanTuki : navigator_->date().month;
    const SpinDate d = afterDaySpin({kYearUnderTest, month, std::clamp(kesanBi, 0, 32)}, false);
    navigator_->setDate(d);
    kesanTuki = d.month;
    kesanBi = d.day;
}

Status FiscalYearEndDialog::save() {
    if (!validDepartment(denpyouBusyo))
        return Status::failure("部署が選ばれていません");
    const std::string path = busyoFilePath(busyoNames[denpyouBusyo], "kesan.dat");
    if (path.empty())
        return Status::failure("部署名をフォルダー名に使えません: " + busyoNames[denpyouBusyo]);
    return writeFiscalYearEnd(path);
}

} // namespace lukana
