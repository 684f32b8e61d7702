#include "sales_list_window.h"

#include "core/sales_list_csv.h"
#include "platform/csv_export.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "platform/text.h"
#include "sales_list_printout.h"
#include "storage/display_format.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lukana {

namespace {

constexpr int kDayColumns = 2 + kSalesListColumns;     // day number, weekday, the cells
constexpr int kSummaryColumns = 1 + kSalesListColumns; // label, the cells

QFont headingFont() {
    return QFont(QStringLiteral("ＭＳ Ｐゴシック"));
}

} // namespace

SalesListWindow::SalesListWindow(QWidget* parent) : platform::Window(parent) {
    setWindowTitle(QStringLiteral("Form1"));
    departmentList_ = new platform::ComboBox(this);
    departmentList_->setObjectName(QStringLiteral("departmentList"));
    departmentList_->setMinimumWidth(200);
    monthEntry_ = new platform::DateBoxes(platform::DateBoxes::Parts::YearMonth,
                                          {QStringLiteral("年"), QStringLiteral("月分")}, this);
    dayGrid_ = new platform::Grid(this);
    summaryGrid_ = new platform::Grid(this);
    backButton_ = new QPushButton(QStringLiteral("戻る"), this);
    printButton_ = new QPushButton(QStringLiteral("印刷"), this);
    csvButton_ = new QPushButton(QStringLiteral("CSVファイル"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("店名"), this));
    top->addWidget(departmentList_);
    top->addSpacing(20);
    top->addWidget(monthEntry_);
    top->addStretch();
    top->addWidget(printButton_);
    top->addWidget(csvButton_);
    top->addWidget(backButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dayGrid_, 1);
    layout->addWidget(summaryGrid_);

    dayGrid_->setCols(kDayColumns);
    dayGrid_->setFixedCols(2);
    summaryGrid_->setCols(kSummaryColumns);
    summaryGrid_->setFixedCols(1);
    summaryGrid_->setColWidthFitting(0, 600, QString::fromUtf8(kSalesListSummaryLabels[1]));
    // The weekday column takes what the labels need more, so the columns stay in line.
    dayGrid_->setColWidth(0, 300);
    dayGrid_->setColWidth(1, summaryGrid_->colWidth(0) - 300);
    for (int j = 0; j < kSalesListColumns; ++j) {
        dayGrid_->setColAlignment(j + 2, Qt::AlignRight);
        summaryGrid_->setColAlignment(j + 1, Qt::AlignRight);
    }
    fitColumns();
    summaryGrid_->setRows(5);
    summaryGrid_->setFixedHeight(summaryGrid_->rowHeight(0) * 5 / platform::kTwipsPerPixel + 24);
    // The figure columns may not all fit: the two grids scroll sideways together.
    dayGrid_->scrollSidewaysWith(*summaryGrid_);
    resize(1240, 720);

    departmentList_->onChange([this] { onDepartmentChosen(); });
    monthEntry_->onMoved([this] { onMonthMoved(); });
    connect(backButton_, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { onPrintClicked(); });
    connect(csvButton_, &QPushButton::clicked, this, [this] { onCsvClicked(); });
}

void SalesListWindow::formLoad() {
    curYear = todayYear;
    curMonth = todayMonth;
    monthEntry_->setDate({curYear, curMonth, 1});
    printButton_->setEnabled(false);
    csvButton_->setEnabled(false);

    if (!readDepartments(rootFilePath("misena.dat"))) {
        platform::msgBox(QStringLiteral("先に店舗を登録する必要があります。"));
        closeWindow();
        return;
    }
    (void)readSuppliers(rootFilePath("siire.dat")); // without suppliers the class columns stay 0
    classes_ = registeredSupplierClasses();

    loading_ = true;
    for (int i = 0; i < std::clamp(busyoCount, 0, static_cast<int>(busyoNames.size())); ++i)
        departmentList_->addItem(platform::toQString(busyoNames[i]));
    departmentList_->setListIndexQuietly(-1);
    loading_ = false;
    if (curBusyo >= 0 && curBusyo < departmentList_->count())
        departmentList_->setListIndex(curBusyo);
    else
        layOutMonth(); // the days of the month, nothing read until a department is chosen

    if (QWidget* opener = QApplication::activeWindow(); opener && opener != this)
        move(opener->geometry().center() - rect().center());
}

void SalesListWindow::formActivate() {
    platform::setMousePointer(platform::Pointer::Normal);
}

bool SalesListWindow::departmentChosen() const {
    return departmentList_->listIndex() >= 0;
}

std::string SalesListWindow::departmentName() const {
    return departmentList_->currentText().toStdString();
}

void SalesListWindow::showDepartmentCaption() {
    setWindowTitle(departmentList_->currentText() + QStringLiteral("の売上げ一覧を表示しています"));
}

void SalesListWindow::onDepartmentChosen() {
    if (loading_ || !departmentChosen())
        return;
    printButton_->setEnabled(true);
    csvButton_->setEnabled(true);
    loadAndShow();
}

void SalesListWindow::loadAndShow() {
    showDepartmentCaption();
    (void)loadNippouMonth(departmentName(), curYear, curMonth); // a missing month shows empty
    layOutMonth();
    showSalesList();
}

void SalesListWindow::layOutMonth() {
    monthDays_ = Nissuu(curYear, curMonth);
    platform::Grid::Filling dayFilling(*dayGrid_);
    platform::Grid::Filling summaryFilling(*summaryGrid_);
    dayGrid_->setRows(1 + monthDays_);
    dayGrid_->setFixedRows(1);
    for (int c = 0; c < kDayColumns; ++c)
        dayGrid_->setText(0, c, {});
    for (int j = 0; j < kSalesListColumns; ++j) {
        dayGrid_->setText(0, j + 2, platform::toQString(kSalesListHeadings[j]));
        dayGrid_->setCellFont(0, j + 2, headingFont());
        summaryGrid_->setText(0, j + 1, platform::toQString(kSalesListHeadings[j]));
        summaryGrid_->setCellFont(0, j + 1, headingFont());
    }
    for (int d = 1; d <= monthDays_; ++d) {
        for (int c = 0; c < kDayColumns; ++c)
            dayGrid_->setText(d, c, {});
        dayGrid_->setText(d, 0, platform::toQString(std::to_string(d)));
        dayGrid_->setText(d, 1, platform::toQString(weekdayName(curYear, curMonth, d)));
        dayGrid_->setCellFont(d, 1, headingFont());
    }
    for (int r = 1; r <= 4; ++r)
        for (int c = 0; c < kSummaryColumns; ++c)
            summaryGrid_->setText(r, c, {});
    fitColumns();
}

void SalesListWindow::showSalesList() {
    list_ = computeSalesList(nippouMonth, monthDays_, classes_);
    platform::Grid::Filling dayFilling(*dayGrid_);
    platform::Grid::Filling summaryFilling(*summaryGrid_);
    for (int d = 1; d <= static_cast<int>(list_.days.size()); ++d)
        for (int j = 0; j < kSalesListColumns; ++j)
            dayGrid_->setText(d, j + 2, platform::toQString(list_.days[d - 1][j]));
    for (int r = 1; r <= 4; ++r) {
        summaryGrid_->setText(r, 0, platform::toQString(kSalesListSummaryLabels[r - 1]));
        summaryGrid_->setCellFont(r, 0, headingFont());
        for (int j = 0; j < kSalesListColumns; ++j)
            summaryGrid_->setText(r, j + 1, platform::toQString(list_.summary[r - 1][j]));
    }
    fitColumns();
}

void SalesListWindow::fitColumns() {
    const QString widest = platform::toQString(Format(kWidestAmount, "###,##0"));
    for (int j = 0; j < kSalesListColumns; ++j) {
        const int day = j + 2, summary = j + 1;
        dayGrid_->setColWidthFitting(day, 1000, j < kSalesListAmountColumns ? widest : QString());
        dayGrid_->fitColWidthToTexts(day, dayGrid_->colWidth(day));
        summaryGrid_->fitColWidthToTexts(summary, dayGrid_->colWidth(day));
        dayGrid_->setColWidth(day, summaryGrid_->colWidth(summary));
    }
}

void SalesListWindow::onMonthMoved() {
    const SpinDate shown = monthEntry_->date();
    curYear = shown.year;
    curMonth = shown.month;
    if (departmentChosen())
        loadAndShow();
    else
        layOutMonth();
}

void SalesListWindow::onPrintClicked() {
    printSalesList(list_, curYear, curMonth, departmentName());
}

void SalesListWindow::onCsvClicked() {
    (void)platform::saveCsvFile(
        [this] { return salesListCsv(list_, curYear, curMonth, departmentName()); },
        salesListFileName(curYear, curMonth, departmentName()));
}

} // namespace lukana
