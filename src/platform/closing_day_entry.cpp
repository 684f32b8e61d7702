#include "closing_day_entry.h"

#include "storage/routines.h"

#include <QHBoxLayout>
#include <QLabel>

#include <cmath>

namespace lukana::platform {

ClosingDayEntry::ClosingDayEntry(QWidget* parent)
    : QWidget(parent), box(new TextBox(this)), spinner(new Spinner(this)) {
    box->setStripCommas(true);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setMaximumWidth(50);
    spinner->setRange(0, 32);
    spinner->setValue(0);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(box);
    row->addWidget(spinner);
    row->addWidget(new QLabel(QStringLiteral("日"), this));
    row->addStretch();
    spinner->onChange([this] { spinnerMoved(); });
    box->onChange([this] { boxEdited(); });
}

bool ClosingDayEntry::setDay(int day) {
    if (!spinner->setValue(day) || spinner->value() != day)
        return false;
    box->setText(QString::number(day));
    return true;
}

void ClosingDayEntry::spinnerMoved() {
    const int value = spinner->value();
    // The nested change of the wrapped value reports it.
    if (value <= 0) {
        spinner->setValue(31);
        return;
    }
    if (value >= 32) {
        spinner->setValue(1);
        return;
    }
    if (changed_)
        changed_(value);
    if (!typing_)
        box->setText(QString::number(value));
}

void ClosingDayEntry::boxEdited() {
    const bool was = typing_;
    typing_ = true;
    const double value = leadingNumber(box->text().toStdString());
    if (value < 0)
        box->setText(QStringLiteral("0")); // the nested change moves the spinner
    else if (value > 31)
        box->setText(QStringLiteral("31"));
    else
        spinner->setValueFromBox(static_cast<int>(std::nearbyint(value)));
    typing_ = was;
}

} // namespace lukana::platform
