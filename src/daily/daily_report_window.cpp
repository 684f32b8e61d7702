#include "daily_report_window.h"

#include "amount_panel.h"
#include "core/posting.h"
#include "day_list_grid.h"
#include "openers.h"

#include "platform/controls.h"
#include "platform/damaged_file.h"
#include "platform/date_navigator.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "platform/text.h"
#include "platform/widget_events.h"
#include "registers/damaged_files.h"
#include "storage/display_format.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/settings.h"

#include <QPushButton>

namespace lukana {

using namespace platform;

namespace {

// A box shows its stored value as plain decimal text; 0 leaves it empty.
std::string storedText(double value) {
    return value == 0 ? std::string() : plainDecimal(value);
}

} // namespace

DailyReportWindow::DailyReportWindow(QWidget* parent)
    : Window(parent), previousMonth_(std::make_unique<NippouMonth>()),
      departmentChoice_(new ComboBox(this)), weatherChoice_(new ComboBox(this)),
      staffChoice_(new ComboBox(this)),
      dateNavigator_(new DateNavigator(DateBoxes::Parts::YearMonthDay, {}, this)),
      amounts_(new AmountPanel(sheet_, this)),
      customerRegisterButton_(new QPushButton(QStringLiteral("売掛用お客様登録"), this)),
      voucherBookButton_(new QPushButton(QStringLiteral("伝票入力"), this)),
      printButton_(new QPushButton(QStringLiteral("日報印刷"), this)),
      slipsButton_(new QPushButton(QStringLiteral("詳細情報入力"), this)),
      backButton_(new QPushButton(QStringLiteral("戻る"), this)) {
    const DayList order[] = {DayList::Payments, DayList::Deposits, DayList::Withdrawals,
                             DayList::CreditSales};
    for (size_t k = 0; k < lists_.size(); ++k)
        lists_[k] = new DayListGrid(order[k], sheet_, this);
    buildLayout();
    wireHandlers();
}

DailyReportWindow::~DailyReportWindow() = default;

void DailyReportWindow::wireHandlers() {
    amounts_->onBoxChanged = [this](int) { onBoxChanged(); };
    amounts_->onClicked = [this] { hideEditors(); };
    for (DayListGrid* list : lists_) {
        list->record = [this]() -> NippouDay& { return shownRecord(); };
        list->onEdited = [this] { onListEdited(); };
        list->hideAllEditors = [this] { hideEditors(); };
    }
    for (ComboBox* chooser : {departmentChoice_, weatherChoice_, staffChoice_})
        onFocusLost(chooser, [this] { hideEditors(); });
    departmentChoice_->onChange([this] { onDepartmentChosen(); });
    weatherChoice_->onChange([this] { onWeatherOrStaffChosen(); });
    staffChoice_->onChange([this] { onWeatherOrStaffChosen(); });
    dateNavigator_->onMove([this](const DateMove& move) { return onDateMove(move); });
    dateNavigator_->onTouched([this] { hideEditors(); });
    connect(backButton_, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(customerRegisterButton_, &QPushButton::clicked, this,
            [this] { onCustomerRegisterClicked(); });
    connect(voucherBookButton_, &QPushButton::clicked, this, [this] { onVoucherBookClicked(); });
    connect(slipsButton_, &QPushButton::clicked, this, [this] { onSlipsClicked(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { hideEditors(); }); // no printout
    dayControls_ = {weatherChoice_, staffChoice_,       dateNavigator_, customerRegisterButton_,
                    slipsButton_,   voucherBookButton_, printButton_,   amounts_->fixedCostsBox()};
    for (int i : kAmountBoxes)
        dayControls_.push_back(amounts_->field(i));
    for (DayListGrid* list : lists_) {
        dayControls_.push_back(list->grid());
        dayControls_.push_back(list->deleteButton());
    }
}

// ---- loading, activation, closing ----

void DailyReportWindow::formLoad() {
    hyoujiChu = 0;
    setUpLists();
    loadRegisters();
    fillChoices();
    curYear = todayYear;
    curMonth = todayMonth;
    curDay = todayDay;
    shownYear_ = curYear;
    shownMonth_ = curMonth;
    shownDay_ = curDay;
    hyoujiChu = 1;
    nippouMonthLoaded = 0;
    nippouYearLoaded = 0;
    setDayEnabled(false);
    departmentChoice_->setListIndex(-1);
    if (curBusyo >= 0 && curBusyo < busyoCount)
        departmentChoice_->setListIndex(curBusyo);
    dateNavigator_->setDate({curYear, curMonth, curDay});
    fillSupplierList();
    fillCustomerList();
    hyoujiChu = 0;
}

void DailyReportWindow::loadRegisters() {
    const struct {
        const char* file;
        PathReader read;
    } lists[] = {
        {"misena.dat", readDepartments}, {"kanri.dat", readStaff}, {"siire.dat", readSuppliers}};
    for (const auto& l : lists) {
        (void)l.read(rootFilePath(l.file)); // a list that cannot be read keeps what its reader left
    }
    loadAccountTitlesTelling();
}

void DailyReportWindow::setUpLists() {
    for (DayListGrid* list : {payments(), deposits(), withdrawals(), creditSales()})
        list->setUp();
}

void DailyReportWindow::fillChoices() {
    const bool was = hyoujiChu;
    hyoujiChu = 1; // filling a list chooses its first entry: no edit
    departmentChoice_->clear();
    for (int i = 0; i < busyoCount; ++i)
        departmentChoice_->addItem(platform::toQString(busyoNames[i]));
    staffChoice_->clear();
    for (int i = 0; i < kanriCount; ++i)
        staffChoice_->addItem(platform::toQString(kanriNames[i]));
    weatherChoice_->clear();
    for (const char* w : {"晴れ", "曇り", "雨", "雪", "暴風雨"})
        weatherChoice_->addItem(QString::fromUtf8(w));
    hyoujiChu = was;
}

void DailyReportWindow::fillSupplierList() {
    std::vector<QString> names;
    std::vector<int> ids;
    for (int i = 0; i < siireCount; ++i) {
        names.push_back(platform::toQString(siireNames[i]));
        ids.push_back(siireIds[i]);
    }
    names.push_back(QStringLiteral("その他"));
    ids.push_back(-1);
    payments()->setPickItems(names, ids);
}

void DailyReportWindow::fillCustomerList() {
    customerSubAccounts_.clear();
    std::vector<QString> names;
    std::vector<int> ids;
    for (int i = 0; i < tyCount; ++i) {
        if (tyTekiyouIds[i] != kAccountReceivable)
            continue;
        customerSubAccounts_.push_back(i);
        names.push_back(platform::toQString(tyNames[i]));
        ids.push_back(tyIds[i]);
    }
    creditSales()->setPickItems(names, ids);
}

void DailyReportWindow::formActivate() {
    curYear = shownYear_;
    curMonth = shownMonth_;
    curDay = shownDay_;
    setMousePointer(Pointer::Normal);
}

bool DailyReportWindow::queryUnload() {
    hideEditors();
    return proceeds(askToSave());
}

void DailyReportWindow::hideEditors() {
    for (DayListGrid* list : {creditSales(), withdrawals(), payments(), deposits()})
        list->hideEditors();
}

void DailyReportWindow::setDayEnabled(bool enabled) {
    for (QWidget* w : dayControls_)
        w->setEnabled(enabled);
    voucherBookButton_->setEnabled(enabled && bool(dailyReportLinks().voucherBook));
    slipsButton_->setEnabled(enabled && bool(dailyReportLinks().guestSlips));
}

// ---- the department and the day shown ----

void DailyReportWindow::onDepartmentChosen() {
    hideEditors();
    const int chosen = departmentChoice_->listIndex();
    if (chosen < 0)
        return;
    if (!proceeds(askToSave())) {
        departmentChoice_->setListIndexQuietly(department_);
        return;
    }
    department_ = chosen;
    loadDepartment();
    nippouYearLoaded = 0;
    nippouMonthLoaded = 0;
    showDate();
    setDayEnabled(true);
}

void DailyReportWindow::loadDepartment() {
    const std::string& name = busyoNames[department_];
    (void)readClosingDays(busyoFilePath(name, "simebi.dat"));
    for (int* day : {&simeKinmu, &simeGenkin, &simeKyuuryou, &simeKurejitto})
        if (*day == 0)
            *day = 31;
    creditClosingDay_ = simeKurejitto;
    (void)readMenuItems(busyoFilePath(name, "menud.dat"));
    (void)readMenuCategories(busyoFilePath(name, "mbun.dat"));
    std::vector<QString> banks;
    std::vector<int> bankSlots;
    for (int slot = 1; slot <= 4; ++slot) {
        banks.push_back(platform::toQString(bankAccountText(busyoRecs[department_], slot)));
        bankSlots.push_back(slot);
    }
    deposits()->setPickItems(banks, bankSlots);
    withdrawals()->setPickItems(banks, bankSlots);
}

void DailyReportWindow::showDate() {
    previous_ = monthBefore(curYear, curMonth);
    openFailed = 0;
    const std::string& name = busyoNames[department_];
    setWindowTitle(platform::toQString(name) + QStringLiteral("業務日報　　") +
                   platform::toQString(Str(curYear)) + QStringLiteral("年") +
                   platform::toQString(Str(curMonth)) + QStringLiteral("月") +
                   platform::toQString(Str(curDay)) + QStringLiteral("日"));
    departmentName_ = name;
    if (nippouYearLoaded != curYear || nippouMonthLoaded != curMonth) {
        for (const DamagedFile& damaged :
             monthFiles_.load(name, curYear, curMonth, *previousMonth_))
            tellDamagedFile(damaged);
        monthDays_ = Nissuu(curYear, curMonth);
    }
    nippouYearLoaded = curYear;
    nippouMonthLoaded = curMonth;
    showDay();
    setMousePointer(Pointer::Normal);
}

QString DailyReportWindow::partyName(DayList list, int party) const {
    switch (list) {
    case DayList::Payments:
        if (party == -1)
            return QStringLiteral("その他");
        for (int i = 0; i < siireCount; ++i)
            if (siireIds[i] == party)
                return platform::toQString(siireNames[i]);
        return {};
    case DayList::Deposits:
    case DayList::Withdrawals:
        return party >= 1 ? platform::toQString(bankAccountText(busyoRecs[department_], party))
                          : QString();
    case DayList::CreditSales:
        break;
    }
    for (int i = 0; i < tyCount; ++i)
        if (tyIds[i] == party)
            return platform::toQString(tyNames[i]);
    return {};
}

void DailyReportWindow::showDay() {
    showingDay_ = true;
    sheet_.setShownDay({&nippouMonth, previousMonth_.get(), curMonth, previous_.month, curDay,
                        monthDays_, creditClosingDay_});
    const NippouDay& day = shownRecord();
    for (DayListGrid* list : {payments(), deposits(), withdrawals(), creditSales()}) {
        const DayList kind = list->list();
        list->show(day, [this, kind](int party) { return partyName(kind, party); });
    }
    auto showBoxes = [&](int from, int to) {
        for (int i : kAmountBoxes)
            if (i >= from && i <= to)
                sheet_.write(i, storedText(day.kingaku[i]));
    };
    amounts_->hideBoxes();
    showBoxes(0, 22);
    sheet_.writeFixedCosts(plainDecimal(koteihi));
    showBoxes(25, 38);
    if (day.kingaku[25] == 0) {
        const double carried =
            curDay >= 2 ? nippouMonth[curDay - 1].kingaku[28]
                        : (*previousMonth_)[Nissuu(previous_.year, previous_.month)].kingaku[28];
        sheet_.write(25, storedText(carried));
    }
    for (DayList list :
         {DayList::Payments, DayList::CreditSales, DayList::Withdrawals, DayList::Deposits}) {
        const int box = listTotalBox(list);
        if (day.kingaku[box] != 0)
            continue;
        double sum = 0;
        for (int k = 0; k < lineCount(day, list) && k < kNippouLineCapacity; ++k)
            sum += lineAmount(day, list, k);
        sheet_.write(box, plainDecimal(finiteOrZero(sum)));
    }
    // Only now: a later write can empty a box written before (スタート金 copies レジ補充).
    for (int i : kAmountBoxes)
        if (sheet_.text(i).empty())
            amounts_->showZeroLabel(i);
    const int weather = day.sentaku[1];
    weatherChoice_->setListIndex(weather >= 0 && weather < weatherChoice_->count() ? weather : -1);
    int staff = -1;
    for (int i = 0; i < kanriCount; ++i)
        if (kanriIds[i] == day.sentaku[2]) {
            staff = i;
            break;
        }
    staffChoice_->setListIndex(staff);
    showingDay_ = false;
    sheet_.refreshCardSales();
}

// ---- edits ----

void DailyReportWindow::onBoxChanged() {
    if (!showingDay_ && hyoujiChu != 1)
        reportChanged = 1;
}

void DailyReportWindow::onListEdited() {
    if (!showingDay_)
        reportChanged = 1;
}

void DailyReportWindow::onWeatherOrStaffChosen() {
    hideEditors();
    if (!showingDay_ && hyoujiChu != 1)
        reportChanged = 1;
}

bool DailyReportWindow::onDateMove(const DateMove& move) {
    hideEditors();
    if (move.monthChanged()) {
        if (!proceeds(askToSave()))
            return false;
    }
    storeShownDay();
    curYear = shownYear_ = move.to.year;
    curMonth = shownMonth_ = move.to.month;
    curDay = shownDay_ = move.to.day;
    showDate();
    return true;
}

} // namespace lukana
