#include "period_entry.h"

#include "controls.h"

#include <QHBoxLayout>

namespace lukana::platform {

PeriodEntry::PeriodEntry(QWidget* parent)
    : QWidget(parent),
      dates_{
          new DateBoxes(DateBoxes::Parts::YearMonthDay,
                        {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日～")}, this),
          new DateBoxes(DateBoxes::Parts::YearMonthDay,
                        {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")}, this)} {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (DateBoxes* d : dates_) {
        row->addWidget(d);
        d->onMoved([this] {
            if (changed_)
                changed_();
        });
    }
    row->addStretch();
}

void PeriodEntry::setGuard(const int* guard) {
    for (DateBoxes* d : dates_)
        d->setGuard(guard);
}

QStringList PeriodEntry::boxTexts(int index) const {
    const DateBoxes* d = dates_[index];
    return {d->box(DatePart::Year)->text(), d->box(DatePart::Month)->text(),
            d->box(DatePart::Day)->text()};
}

void PeriodEntry::setDates(const SpinDate& from, const SpinDate& to) {
    dates_[0]->setDate(from);
    dates_[1]->setDate(to);
}

} // namespace lukana::platform
