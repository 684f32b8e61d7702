#include "date_navigator.h"

#include "storage/routines.h"

#include <QHBoxLayout>
#include <QLabel>

namespace lukana::platform {

QString weekdayName(const SpinDate& date) {
    static const QString kDays = QStringLiteral("日月火水木金土");
    if (!isValidDate(date.year, date.month, date.day))
        return {};
    return QString(kDays[weekday(date.year, date.month, date.day)]);
}

DateNavigator::DateNavigator(DateBoxes::Parts parts, QStringList captions, QWidget* parent)
    : QWidget(parent) {
    if (captions.isEmpty()) {
        if (parts != DateBoxes::Parts::MonthDay)
            captions << QStringLiteral("年");
        captions << QStringLiteral("月");
        if (parts != DateBoxes::Parts::YearMonth)
            captions << QStringLiteral("日");
    }
    boxes_ = new DateBoxes(parts, captions, this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(boxes_);
    if (parts != DateBoxes::Parts::YearMonth) {
        weekday_ = new QLabel(this);
        weekday_->setMinimumWidth(16);
        row->addWidget(weekday_);
        row->addWidget(new QLabel(QStringLiteral("曜日"), this));
    }
    row->addStretch();
    boxes_->onMoved([this] {
        showWeekday();
        if (moved_)
            moved_();
    });
    showWeekday();
}

void DateNavigator::setDate(const SpinDate& date) {
    boxes_->setDate(date);
    showWeekday();
}

void DateNavigator::showWeekday() {
    if (weekday_)
        weekday_->setText(weekdayName(boxes_->date()));
}

} // namespace lukana::platform
