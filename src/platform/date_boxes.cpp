#include "date_boxes.h"

#include "controls.h"
#include "storage/display_format.h"
#include "storage/routines.h"

#include <QHBoxLayout>
#include <QLabel>

namespace lukana::platform {
namespace {

constexpr std::array<DatePart, 3> kParts{DatePart::Year, DatePart::Month, DatePart::Day};

} // namespace

DateBoxes::DateBoxes(Parts parts, const QStringList& captions, QWidget* parent)
    : QWidget(parent), layout_(parts) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    int caption = 0;
    auto next = [&] { return caption < captions.size() ? captions[caption++] : QString(); };
    if (parts != Parts::MonthDay)
        addPart(DatePart::Year, kMinYear, kMaxYear, next());
    addPart(DatePart::Month, 0, 13, next());
    if (parts != Parts::YearMonth)
        addPart(DatePart::Day, 0, 32, next());
    row->addStretch();
    setDate(date_);
}

void DateBoxes::addPart(DatePart part, int minimum, int maximum, const QString& caption) {
    Part& p = parts_[index(part)];
    p.box = new TextBox(this);
    p.box->setStripCommas(true);
    p.box->setAttribute(Qt::WA_InputMethodEnabled, false);
    p.box->setMaximumWidth(part == DatePart::Year ? 48 : 32);
    p.spinner = new Spinner(this);
    p.spinner->setRange(minimum, maximum);
    p.box->onChange([this, part] { boxEdited(part); });
    p.spinner->onChange([this, part] { spinnerMoved(part); });
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->addWidget(p.box);
    row->addWidget(p.spinner);
    if (!caption.isEmpty())
        row->addWidget(new QLabel(caption, this));
}

int DateBoxes::valueOf(const SpinDate& date, DatePart part) {
    switch (part) {
    case DatePart::Year:
        return date.year;
    case DatePart::Month:
        return date.month;
    case DatePart::Day:
        return date.day;
    }
    return 0;
}

SpinDate DateBoxes::date() const {
    return date_;
}

SpinDate DateBoxes::spinnerDate() const {
    SpinDate d = date_;
    if (Spinner* s = spinner(DatePart::Year))
        d.year = s->value();
    d.month = spinner(DatePart::Month)->value();
    if (Spinner* s = spinner(DatePart::Day))
        d.day = s->value();
    return d;
}

void DateBoxes::setDate(SpinDate date) {
    if (layout_ == Parts::YearMonth)
        date.day = 1;
    date_ = date;
    writeSpinners(date);
    for (DatePart part : kParts)
        if (TextBox* b = box(part))
            b->setTextQuietly(QString::number(valueOf(date, part)));
}

void DateBoxes::writeSpinners(const SpinDate& date) {
    bool was = writing_;
    writing_ = true;
    for (DatePart part : kParts)
        if (Spinner* s = spinner(part))
            s->setValue(valueOf(date, part));
    writing_ = was;
}

void DateBoxes::boxEdited(DatePart part) {
    if (touched_)
        touched_();
    TextBox* b = box(part);
    const double typed = leadingNumber(b->text().toStdString());
    std::optional<int> value;
    switch (part) {
    case DatePart::Day: {
        TypedDay day = typedDay(typed);
        if (day.correctedText) {
            b->setText(QString::fromLatin1(day.correctedText)); // handled as typed, nested
            return;
        }
        value = day.spinnerValue;
        break;
    }
    case DatePart::Month:
        value = typedMonth(typed);
        break;
    case DatePart::Year:
        value = typedYear(typed);
        break;
    }
    if (!value)
        return;
    Part& p = parts_[index(part)];
    bool was = p.typing;
    p.typing = true;
    p.spinner->setValueFromBox(*value);
    p.typing = was;
}

void DateBoxes::spinnerMoved(DatePart part) {
    if (writing_)
        return;
    if (touched_)
        touched_();
    const SpinDate raw = spinnerDate();
    if (guard_ && *guard_ != 0) {
        date_ = raw;
        return;
    }
    const bool carryYear = layout_ != Parts::MonthDay;
    DateMove move{date_, raw, part, parts_[index(part)].typing};
    switch (part) {
    case DatePart::Day:
        move.to = afterDaySpin(raw, carryYear);
        break;
    case DatePart::Month:
        move.to = afterMonthSpin(raw, carryYear);
        break;
    case DatePart::Year:
        move.to = afterYearSpin(raw);
        break;
    }
    if (move.to == move.from || (move_ && !move_(move))) {
        writeSpinners(date_);
        return;
    }
    date_ = move.to;
    writeSpinners(date_);
    showInBoxes(move);
    if (moved_)
        moved_();
}

void DateBoxes::showInBoxes(const DateMove& move) {
    for (DatePart part : kParts) {
        const Part& p = parts_[index(part)];
        if (!p.box || p.typing)
            continue;
        if (part == move.moved || valueOf(move.to, part) != valueOf(move.from, part))
            p.box->setTextQuietly(QString::fromStdString(Str(valueOf(move.to, part))));
    }
}

} // namespace lukana::platform
