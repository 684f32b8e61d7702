#include "voucher_book_window.h"

#include "platform/damaged_file.h"
#include "platform/date_navigator.h"
#include "platform/figure_label.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "platform/text.h"
#include "platform/widget_events.h"
#include "storage/display_format.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/settings.h"
#include "storage/state.h"
#include "vouchers/core/voucher_parties.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <filesystem>

namespace lukana {

using namespace platform;

namespace {

QLabel* helpText(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

void fillQuietly(ComboBox& box, const QStringList& items) {
    const QSignalBlocker quiet(&box);
    box.clear();
    box.addItems(items);
    box.setCurrentIndex(-1);
}

VoucherBookWindow::VoucherBookWindow(QWidget* parent) : Window(parent) {
    setWindowTitle(QStringLiteral("小口支出一覧"));
    buildControls();
    buildMenus();
    layOut();
}

VoucherBookWindow::~VoucherBookWindow() = default;

void VoucherBookWindow::buildControls() {
    departmentChoice_ = new ComboBox(this);
    departmentChoice_->onChange([this] { onDepartmentChosen(); });
    onFocusGained(departmentChoice_, [this] { hideEditors(); });

    dateNavigator_ = new DateNavigator(DateBoxes::Parts::YearMonthDay, {}, this);
    dateNavigator_->onTouched([this] { hideEditors(); });
    dateNavigator_->onMove([this](const DateMove& move) { return onDateMove(move.to); });

    voucherGrid_ = new Grid(this);
    totalsFrame_ = new QGroupBox(this);
    supplierGrid_ = new Grid(totalsFrame_);
    sourceGrid_ = new Grid(totalsFrame_);
    accountGrid_ = new Grid(totalsFrame_);
    incomeGrid_ = new Grid(totalsFrame_);
    dayTotalLabel_ = new FigureLabel(this);
    periodTotalLabel_ = new FigureLabel(this);
    periodExcludedLabel_ = new FigureLabel(this);
    for (QLabel* l : {dayTotalLabel_, periodTotalLabel_, periodExcludedLabel_})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    absorbButton_ = new QPushButton(QStringLiteral("日報会計の吸収"), this);
    deleteButton_ = new QPushButton(QStringLiteral("選択データの削除"), this);
    backButton_ = new QPushButton(QStringLiteral("戻る"), this);
    connect(backButton_, &QPushButton::clicked, this, [this] { closeWindow(); });

    exemptEditor_ = new CheckBox(QString(), voucherGrid_->viewport());
    entryTypeEditor_ = new ComboBox(voucherGrid_->viewport());
    fromEditor_ = new ComboBox(voucherGrid_->viewport());
    amountEditor_ = new TextBox(voucherGrid_->viewport());
    taxEditor_ = new TextBox(voucherGrid_->viewport());
    toEditor_ = new ComboBox(voucherGrid_->viewport());
    accountEditor_ = new ComboBox(voucherGrid_->viewport());
    subAccountEditor_ = new ComboBox(voucherGrid_->viewport());
    noteEditor_ = new TextBox(voucherGrid_->viewport());
    hideEditors();
    buildEditors();
}

void VoucherBookWindow::layOut() {
    auto* top = new QHBoxLayout;
    top->addWidget(departmentChoice_);
    top->addWidget(dateNavigator_);
    top->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(helpText("各伝票は「どこから」出金し、「どこへ」お金が入金されたか、"
                             "というかたちで入力しいってください。",
                             this));
    side->addWidget(helpText("「売上」の場合は「どこから」を未選択にし、「どこへ」でお店または"
                             "銀行を選択して、勘定科目で売上を選択してください",
                             this));
    side->addStretch();
    side->addWidget(absorbButton_);
    side->addWidget(deleteButton_);
    side->addWidget(backButton_);

    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(voucherGrid_, 1);
    gridRow->addLayout(side);

    auto* dayRow = new QHBoxLayout;
    dayRow->addStretch();
    dayRow->addWidget(new QLabel(QStringLiteral("合計"), this));
    dayRow->addWidget(dayTotalLabel_);
    dayRow->addWidget(new QLabel(QStringLiteral("円"), this));

    auto* frameLayout = new QGridLayout(totalsFrame_);
    const std::pair<Grid*, const char*> summaries[] = {
        {supplierGrid_, "仕入先や銀行へ出金したもの全ての合計です"},
        {sourceGrid_, "銀行・店舗からの出金額の合計です"},
        {accountGrid_, "勘定科目別の入出金の合計額です"},
        {incomeGrid_, "顧客から店舗へ入金があった場合の集計です"},
    };
    for (int i = 0; i < 4; ++i) {
        auto* box = new QVBoxLayout;
        box->addWidget(summaries[i].first, 1);
        box->addWidget(helpText(summaries[i].second, totalsFrame_));
        frameLayout->addLayout(box, i / 2, i % 2);
    }

    auto* periodBox = new QGridLayout;
    periodBox->addWidget(new QLabel(QStringLiteral("合計"), this), 0, 0);
    periodBox->addWidget(periodTotalLabel_, 0, 1);
    periodBox->addWidget(new QLabel(QStringLiteral("円"), this), 0, 2);
    periodBox->addWidget(new QLabel(QStringLiteral("税抜き出金額"), this), 1, 0);
    periodBox->addWidget(periodExcludedLabel_, 1, 1);
    periodBox->addWidget(new QLabel(QStringLiteral("円"), this), 1, 2);
    auto* periodSide = new QVBoxLayout;
    periodSide->addLayout(periodBox);
    periodSide->addWidget(
        helpText("詳細な集計はメニューの「ツール」の「集計」で表示できます", this));
    periodSide->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(totalsFrame_, 1);
    bottom->addLayout(periodSide);

    auto* main = new QVBoxLayout(this);
    main->setMenuBar(menuBar_);
    main->addLayout(top);
    main->addLayout(gridRow, 3);
    main->addLayout(dayRow);
    main->addLayout(bottom, 4);
    resize(1180, 720);
}

// ---- opening, activation, closing ----

void VoucherBookWindow::formLoad() {
    hyoujiChu = 0;
    if (!readDepartments(rootFilePath("misena.dat"))) {
        msgBox(QStringLiteral("先に店舗を登録する必要があります。"));
        unloadWindow();
        return;
    }
    setUpGrids();
    curYear = todayYear, curMonth = todayMonth, curDay = todayDay;
    hyoujiChu = 1;
    dateNavigator_->setDate({curYear, curMonth, curDay});
    fillAccountList();
    entryTypeEditor_->clear();
    QStringList departments;
    for (int i = 0; i < busyoCount; ++i)
        departments << platform::toQString(busyoNames[i]);
    fillQuietly(*departmentChoice_, departments);
    hyoujiChu = 0;
    QStringList types;
    for (int t = 0; t < kEntryTypeCount; ++t)
        types << platform::toQString(entryTypeWord(t));
    fillQuietly(*entryTypeEditor_, types);
    setInputEnabled(false);
}

void VoucherBookWindow::formActivate() {
    curYear = todayYear, curMonth = todayMonth, curDay = todayDay;
    dateNavigator_->setDate({curYear, curMonth, curDay});
    fillAccountList();
    loadedMonth_ = 0;
    departmentChoice_->setListIndex(-1);
    if (curBusyo >= 0 && curBusyo < departmentChoice_->count())
        departmentChoice_->setListIndex(curBusyo);
    setMousePointer(Pointer::Normal);
}

bool VoucherBookWindow::queryUnload() {
    return proceeds(askToSave());
}

// ---- department ----

void VoucherBookWindow::onDepartmentChosen() {
    if (departmentChoice_->listIndex() < 0) {
        setInputEnabled(false);
        return;
    }
    if (!proceeds(askToSave())) {
        departmentChoice_->setListIndexQuietly(denpyouBusyo);
        return;
    }
    denpyouBusyo = departmentChoice_->listIndex();
    setInputEnabled(true);
    loadDepartmentSettings();
    showDate(true);
}

void VoucherBookWindow::loadDepartmentSettings() {
    const std::string name = busyoNames[denpyouBusyo];
    if (!readClosingDays(busyoFilePath(name, "simebi.dat")))
        simeKinmu = simeGenkin = simeKyuuryou = simeKurejitto = 0;
    for (int* day : {&simeKinmu, &simeGenkin, &simeKyuuryou, &simeKurejitto})
        if (*day == 0)
            *day = 31;
    if (!readFiscalYearEnd(busyoFilePath(name, "kesan.dat"))) {
        kesanTuki = 3;
        kesanBi = 31;
    }
}

void VoucherBookWindow::setInputEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{voucherGrid_, dateNavigator_, absorbButton_,
                                                      deleteButton_})
        w->setEnabled(enabled);
}

QString VoucherBookWindow::departmentName() const {
    return denpyouBusyo >= 0 && denpyouBusyo < busyoCount
               ? platform::toQString(busyoNames[denpyouBusyo])
               : QString();
}

// ---- the month ----

void VoucherBookWindow::showDate(bool reloadMonth) {
    setUpGrids();
    setWindowTitle(QStringLiteral("仕入仕訳票(%1)  %2年%3月%4日")
                       .arg(departmentName(), platform::toQString(Str(curYear)),
                            platform::toQString(Str(curMonth)), platform::toQString(Str(curDay))));
    if (curMonth != loadedMonth_ || curYear != loadedYear_ || reloadMonth) {
        for (const DamagedFile& d : months_.load(busyoNames[denpyouBusyo], curYear, curMonth))
            tellDamagedFile(d);
        daysInMonth = Nissuu(curYear, curMonth);
    }
    loadedMonth_ = curMonth;
    loadedYear_ = curYear;
    showDay();
    setMousePointer(Pointer::Normal);
}

int VoucherBookWindow::rowCount() const {
    return voucherGrid_->rows();
}

int VoucherBookWindow::slotOfRow(int row) const {
    const int slot = row - 1;
    return slot >= 0 && slot < kDenpyouCapacity ? slot : -1;
}

void VoucherBookWindow::storeShownDay() {
    DenpyouDay& day = denpyouMonth[curDay];
    const int vouchers = std::min(rowCount() - 2, kDenpyouCapacity);
    day.denpyouCount = 0;
    for (int r = 1; r <= vouchers; ++r) {
        const int k = r - 1;
        // An amount not typed keeps its stored value, fraction and all: the cell shows it
        // rounded. A typed one replaces it, even when it reads the same.
        if (amountTyped_[static_cast<size_t>(k)])
            day.amount[k] = leadingNumber(voucherGrid_->text(r, kAmountCol).toStdString());
        day.tax[k] = leadingNumber(voucherGrid_->text(r, kTaxCol).toStdString());
        day.denpyouCount = r;
    }
}

SaveAnswer VoucherBookWindow::askToSave() {
    return platform::askToSave(vouchersChanged_, [this] {
        storeShownDay();
        return saveMonth();
    });
}

bool VoucherBookWindow::saveMonth() {
    const std::string name = busyoNames[denpyouBusyo];
    const Status s = months_.save(name, curYear, curMonth);
    if (!s) {
        msgBox(QStringLiteral("%1 を保存できませんでした。\r%2")
                   .arg(platform::toQString(monthFileName(curYear, curMonth, "u.dat")),
                        platform::toQString(s.message())),
               Buttons::Ok, Icon::Critical);
        return false;
    }
    return true;
}

// ---- dates ----

bool VoucherBookWindow::onDateMove(const SpinDate& to) {
    storeShownDay();
    if (to.year != curYear || to.month != curMonth) {
        if (!proceeds(askToSave()))
            return false;
    }
    curYear = to.year, curMonth = to.month, curDay = to.day;
    showDate();
    return true;
}

} // namespace lukana
