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
      periodEntry(new PeriodEntry(this)),
      recalculateButton(new QPushButton(QStringLiteral("再計算"), this)) {
    setWindowTitle(QStringLiteral("期間集計表"));
    resize(960, 640);
    periodEntry->setGuard(&hyoujiChu);
    auto* period = new QGroupBox(QStringLiteral("計算期間"), this);
    auto* periodRow = new QHBoxLayout(period);
    periodRow->addWidget(periodEntry);
    periodRow->addWidget(recalculateButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(period);
    bottom->addStretch();
    bottom->addWidget(printButton);
    bottom->addWidget(backButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filters);
    layout->addWidget(listGrid, 5);
    layout->addWidget(totalsGrid, 1);
    layout->addLayout(bottom);
    connect(recalculateButton, &QPushButton::clicked, this, [this] { recalculate(); });
}

void PeriodListWindow::formLoad() {
    fillFilters();
    const Period p = defaultPeriod(curYear, curMonth, curDay, kesanTuki, kesanBi);
    hyoujiChu = 1;
    periodEntry->setDates({p.start.year, p.start.month, p.start.day},
                          {p.end.year, p.end.month, p.end.day});
    hyoujiChu = 0;
    recalculate();
}

void PeriodListWindow::periodShown() {
    listedFrom_ = periodEntry->spinnerDate(0);
    listedTo_ = periodEntry->spinnerDate(1);
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
