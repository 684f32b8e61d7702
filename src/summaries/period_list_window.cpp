#include "period_list_window.h"

#include "platform/file_names.h"
#include "storage/state.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace lukana {

using namespace platform;

PeriodListWindow::PeriodListWindow(QWidget* parent)
    : SummaryWindow(DateForm::YearMonthDay, QStringLiteral("出金元"), QStringLiteral("入金先"),
                    parent),
      periodEntry_(new PeriodEntry(this)),
      recalculateButton_(new QPushButton(QStringLiteral("再計算"), this)) {
    setWindowTitle(QStringLiteral("期間集計表"));
    resize(960, 640);
    periodEntry_->setGuard(&hyoujiChu);
    auto* period = new QGroupBox(QStringLiteral("計算期間"), this);
    auto* periodRow = new QHBoxLayout(period);
    periodRow->addWidget(periodEntry_);
    periodRow->addWidget(recalculateButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(period);
    bottom->addStretch();
    bottom->addWidget(printButton_);
    bottom->addWidget(backButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filters_);
    layout->addWidget(listGrid_, 5);
    layout->addWidget(totalsGrid_, 1);
    layout->addLayout(bottom);
    connect(recalculateButton_, &QPushButton::clicked, this, [this] { recalculate(); });
}

void PeriodListWindow::formLoad() {
    fillFilters();
    const VoucherDateSpan p = defaultPeriod(curYear, curMonth, curDay, kesanTuki, kesanBi);
    hyoujiChu = 1;
    periodEntry_->setDates({p.start.year, p.start.month, p.start.day},
                           {p.end.year, p.end.month, p.end.day});
    hyoujiChu = 0;
    recalculate();
}

void PeriodListWindow::periodShown() {
    listedFrom_ = periodEntry_->spinnerDate(0);
    listedTo_ = periodEntry_->spinnerDate(1);
}

std::vector<MonthSpan> PeriodListWindow::periodSpans() {
    return periodMonths({{listedFrom_.year, listedFrom_.month, listedFrom_.day},
                         {listedTo_.year, listedTo_.month, listedTo_.day}});
}

QString PeriodListWindow::filePeriod() const {
    return platform::fileDate(listedFrom_.year, listedFrom_.month, listedFrom_.day) +
           QStringLiteral("-") + platform::fileDate(listedTo_.year, listedTo_.month, listedTo_.day);
}

QString PeriodListWindow::printTitle() const {
    auto date = [](const SpinDate& d) {
        return QStringLiteral("%1年%2月%3日").arg(d.year).arg(d.month).arg(d.day);
    };
    return date(listedFrom_) + QStringLiteral("～") + date(listedTo_) + QStringLiteral("　　種別");
}

} // namespace lukana
