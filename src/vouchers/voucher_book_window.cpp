#include "voucher_book_window.h"

#include "platform/damaged_file.h"
#include "platform/date_navigator.h"
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
    departmentChoice = new ComboBox(this);
    departmentChoice->onChange([this] { onDepartmentChosen(); });
    onFocusGained(departmentChoice, [this] { hideEditors(); });

    dateNavigator = new DateNavigator(DateBoxes::Parts::YearMonthDay, {}, this);
    dateNavigator->onTouched([this] { hideEditors(); });
    dateNavigator->onMove([this](const DateMove& move) { return onDateMove(move.to); });

    voucherGrid = new Grid(this);
    totalsFrame = new QGroupBox(this);
    supplierGrid = new Grid(totalsFrame);
    sourceGrid = new Grid(totalsFrame);
    accountGrid = new Grid(totalsFrame);
    incomeGrid = new Grid(totalsFrame);
    dayTotalLabel = new QLabel(this);
    periodTotalLabel = new QLabel(this);
    periodExcludedLabel = new QLabel(this);
    for (QLabel* l : {dayTotalLabel, periodTotalLabel, periodExcludedLabel})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    absorbButton = new QPushButton(QStringLiteral("日報会計の吸収"), this);
    deleteButton = new QPushButton(QStringLiteral("選択データの削除"), this);
    backButton = new QPushButton(QStringLiteral("戻る"), this);
    connect(backButton, &QPushButton::clicked, this, [this] { closeWindow(); });

    exemptEditor = new CheckBox(QString(), voucherGrid->viewport());
    entryTypeEditor = new ComboBox(voucherGrid->viewport());
    fromEditor = new ComboBox(voucherGrid->viewport());
    amountEditor = new TextBox(voucherGrid->viewport());
    taxEditor = new TextBox(voucherGrid->viewport());
    toEditor = new ComboBox(voucherGrid->viewport());
    accountEditor = new ComboBox(voucherGrid->viewport());
    subAccountEditor = new ComboBox(voucherGrid->viewport());
    noteEditor = new TextBox(voucherGrid->viewport());
    hideEditors();
    buildEditors();
}

void VoucherBookWindow::layOut() {
    auto* top = new QHBoxLayout;
    top->addWidget(departmentChoice);
    top->addWidget(dateNavigator);
    top->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(helpText("各伝票は「どこから」出金し、「どこへ」お金が入金されたか、"
                             "というかたちで入力しいってください。",
                             this));
    side->addWidget(helpText("「売上」の場合は「どこから」を未選択にし、「どこへ」でお店または"
                             "銀行を選択して、勘定科目で売上を選択してください",
                             this));
    side->addStretch();
    side->addWidget(absorbButton);
    side->addWidget(deleteButton);
    side->addWidget(backButton);

    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(voucherGrid, 1);
    gridRow->addLayout(side);

    auto* dayRow = new QHBoxLayout;
    dayRow->addStretch();
    dayRow->addWidget(new QLabel(QStringLiteral("合計"), this));
    dayRow->addWidget(dayTotalLabel);
    dayRow->addWidget(new QLabel(QStringLiteral("円"), this));

    auto* frameLayout = new QGridLayout(totalsFrame);
    const std::pair<Grid*, const char*> summaries[] = {
        {supplierGrid, "仕入先や銀行へ出金したもの全ての合計です"},
        {sourceGrid, "銀行・店舗からの出金額の合計です"},
        {accountGrid, "勘定科目別の入出金の合計額です"},
        {incomeGrid, "顧客から店舗へ入金があった場合の集計です"},
    };
    for (int i = 0; i < 4; ++i) {
        auto* box = new QVBoxLayout;
        box->addWidget(summaries[i].first, 1);
        box->addWidget(helpText(summaries[i].second, totalsFrame));
        frameLayout->addLayout(box, i / 2, i % 2);
    }

    auto* periodBox = new QGridLayout;
    periodBox->addWidget(new QLabel(QStringLiteral("合計"), this), 0, 0);
    periodBox->addWidget(periodTotalLabel, 0, 1);
    periodBox->addWidget(new QLabel(QStringLiteral("円"), this), 0, 2);
    periodBox->addWidget(new QLabel(QStringLiteral("税抜き出金額"), this), 1, 0);
    periodBox->addWidget(periodExcludedLabel, 1, 1);
    periodBox->addWidget(new QLabel(QStringLiteral("円"), this), 1, 2);
    auto* periodSide = new QVBoxLayout;
    periodSide->addLayout(periodBox);
    periodSide->addWidget(
        helpText("詳細な集計はメニューの「ツール」の「集計」で表示できます", this));
    periodSide->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(totalsFrame, 1);
    bottom->addLayout(periodSide);

    auto* main = new QVBoxLayout(this);
    main->setMenuBar(menuBar);
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
    Hyouji();
    curYear = todayYear, curMonth = todayMonth, curDay = todayDay;
    hyoujiChu = 1;
    dateNavigator->setDate({curYear, curMonth, curDay});
    lstIre();
    entryTypeEditor->clear();
    QStringList departments;
    for (int i = 0; i < busyoCount; ++i)
        departments << platform::toQString(busyoNames[i]);
    fillQuietly(*departmentChoice, departments);
    hyoujiChu = 0;
    QStringList types;
    for (int t = 0; t < kEntryTypeCount; ++t)
        types << platform::toQString(entryTypeWord(t));
    fillQuietly(*entryTypeEditor, types);
    setInputEnabled(false);
}

void VoucherBookWindow::formActivate() {
    curYear = todayYear, curMonth = todayMonth, curDay = todayDay;
    dateNavigator->setDate({curYear, curMonth, curDay});
    lstIre();
    denpyouMonthLoaded = 0;
    departmentChoice->setListIndex(-1);
    if (curBusyo >= 0 && curBusyo < departmentChoice->count())
        departmentChoice->setListIndex(curBusyo);
    setMousePointer(Pointer::Normal);
}

bool VoucherBookWindow::queryUnload() {
    return proceeds(askToSave());
}

// ---- department ----

void VoucherBookWindow::onDepartmentChosen() {
    if (departmentChoice->listIndex() < 0) {
        setInputEnabled(false);
        return;
    }
    if (!proceeds(askToSave())) {
        departmentChoice->setListIndexQuietly(denpyouBusyo);
        return;
    }
    denpyouBusyo = departmentChoice->listIndex();
    setInputEnabled(true);
    loadDepartmentSettings();
    busyoReload = 1;
    hyouji2();
    busyoReload = 0;
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
    for (QWidget* w :
         std::initializer_list<QWidget*>{voucherGrid, dateNavigator, absorbButton, deleteButton})
        w->setEnabled(enabled);
}

QString VoucherBookWindow::departmentName() const {
    return denpyouBusyo >= 0 && denpyouBusyo < busyoCount
               ? platform::toQString(busyoNames[denpyouBusyo])
               : QString();
}

// ---- the month ----

void VoucherBookWindow::hyouji2() {
    Hyouji();
    setWindowTitle(QStringLiteral("仕入仕訳票(%1)  %2年%3月%4日")
                       .arg(departmentName(), platform::toQString(Str(curYear)),
                            platform::toQString(Str(curMonth)), platform::toQString(Str(curDay))));
    if (curMonth != denpyouMonthLoaded || curYear != denpyouYearLoaded || busyoReload > 0) {
        for (const DamagedFile& d : months_.load(busyoNames[denpyouBusyo], curYear, curMonth))
            tellDamagedFile(d);
        daysInMonth = Nissuu(curYear, curMonth);
    }
    denpyouMonthLoaded = curMonth;
    denpyouYearLoaded = curYear;
    hyouji3();
    setMousePointer(Pointer::Normal);
}

int VoucherBookWindow::rowCount() const {
    return voucherGrid->rows();
}

int VoucherBookWindow::slotOfRow(int row) const {
    const int slot = row - 1;
    return slot >= 0 && slot < kDenpyouCapacity ? slot : -1;
}

void VoucherBookWindow::preHozon() {
    DenpyouDay& day = denpyouMonth[curDay];
    const int vouchers = std::min(rowCount() - 2, kDenpyouCapacity);
    day.denpyouCount = 0;
    for (int r = 1; r <= vouchers; ++r) {
        const int k = r - 1;
        // An amount not typed keeps its stored value, fraction and all: the cell shows it
        // rounded. A typed one replaces it, even when it reads the same.
        if (amountTyped_[static_cast<size_t>(k)])
            day.amount[k] = leadingNumber(voucherGrid->text(r, kAmountCol).toStdString());
        day.tax[k] = leadingNumber(voucherGrid->text(r, kTaxCol).toStdString());
        day.denpyouCount = r;
    }
}

SaveAnswer VoucherBookWindow::askToSave() {
    return platform::askToSave(denpyouChanged, [this] {
        preHozon();
        return hozon();
    });
}

bool VoucherBookWindow::hozon() {
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
    preHozon();
    if (to.year != curYear || to.month != curMonth) {
        if (!proceeds(askToSave()))
            return false;
    }
    curYear = to.year, curMonth = to.month, curDay = to.day;
    hyouji2();
    return true;
}

} // namespace lukana
