#include "closing_day_entry.h"

#include "storage/routines.h"

#include <QHBoxLayout>
#include <QLabel>

#include <cmath>

namespace lukana::platform {

ClosingDayEntry::ClosingDayEntry(QWidget* parent)
    : QWidget(parent), box_(new TextBox(this)), spinner_(new Spinner(this)) {
    box_->setStripCommas(true);
    box_->setAttribute(Qt::WA_InputMethodEnabled, false);
    box_->setMaximumWidth(50);
    spinner_->setRange(0, 32);
    spinner_->setValue(0);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(box_);
    row->addWidget(spinner_);
    row->addWidget(new QLabel(QStringLiteral("日"), this));
    row->addStretch();
    spinner_->onChange([this] { spinnerMoved(); });
    box_->onChange([this] { boxEdited(); });
}

bool ClosingDayEntry::setDay(int day) {
    if (!spinner_->setValue(day) || spinner_->value() != day)
        return false;
    box_->setText(QString::number(day));
    return true;
}

void ClosingDayEntry::spinnerMoved() {
    const int value = spinner_->value();
    // The nested change of the wrapped value reports it.
    if (value <= 0) {
        spinner_->setValue(31);
        return;
    }
    if (value >= 32) {
        spinner_->setValue(1);
        return;
    }
    if (changed_)
        changed_(value);
    if (!typing_)
        box_->setText(QString::number(value));
}

void ClosingDayEntry::boxEdited() {
    const bool was = typing_;
    typing_ = true;
    const double value = leadingNumber(box_->text().toStdString());
    if (value < 0)
        box_->setText(QStringLiteral("0")); // the nested change moves the spinner
    else if (value > 31)
        box_->setText(QStringLiteral("31"));
    else
        spinner_->setValueFromBox(static_cast<int>(std::nearbyint(value)));
    typing_ = was;
}

} // namespace lukana::platform
