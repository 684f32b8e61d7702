#include "closing_day_box.h"

#include "controls.h"
#include "storage/date_carry.h"
#include "storage/routines.h"

#include <QHBoxLayout>

namespace lukana::platform {

ClosingDayBox::ClosingDayBox(QWidget* parent)
    : QWidget(parent), box_(new TextBox(this)), spinner_(new Spinner(this)) {
    box_->setStripCommas(true);
    box_->setAttribute(Qt::WA_InputMethodEnabled, false);
    box_->setMaximumWidth(50);
    spinner_->setRange(0, 32);
    spinner_->setValue(31);
    box_->setText(QStringLiteral("31"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(box_);
    row->addWidget(spinner_);
    box_->onChange([this] { boxEdited(); });
    spinner_->onChange([this] { spinnerMoved(); });
}

int ClosingDayBox::day() const {
    return spinner_->value();
}

bool ClosingDayBox::setDay(int day) {
    if (day < 1 || day > 31)
        return false;
    bool was = loading_;
    loading_ = true;
    spinner_->setValue(day);
    box_->setTextQuietly(QString::number(day));
    loading_ = was;
    return true;
}

void ClosingDayBox::boxEdited() {
    TypedDay typed = typedDay(leadingNumber(box_->text().toStdString()));
    if (typed.correctedText) {
        box_->setText(QString::fromLatin1(typed.correctedText)); // handled as typed, nested
        return;
    }
    bool was = typing_;
    typing_ = true;
    spinner_->setValueFromBox(typed.spinnerValue);
    typing_ = was;
}

void ClosingDayBox::spinnerMoved() {
    const int value = spinner_->value();
    // The outer values only wrap; the nested change takes the day.
    if (value <= 0) {
        spinner_->setValue(31);
        return;
    }
    if (value >= 32) {
        spinner_->setValue(1);
        return;
    }
    if (loading_)
        return;
    if (!typing_)
        box_->setTextQuietly(QString::number(value));
    if (changed_)
        changed_();
}

} // namespace lukana::platform
