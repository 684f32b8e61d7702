#include "period_frame.h"

#include "platform/clock.h"
#include "storage/routines.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace lukana::analysis {
namespace {

int index(DateField field) {
    return static_cast<int>(field);
}

constexpr std::array<DateField, 3> kFields{DateField::Year, DateField::Month, DateField::Day};

} // namespace

PeriodFrame::PeriodFrame(QWidget* parent) : QGroupBox(QStringLiteral("計算期間"), parent) {
    auto* row = new QHBoxLayout;
    // From the left: "先月", "今月", "今年", "自由".
    const std::array<std::pair<PeriodPreset, const char*>, 4> order{
        {{PeriodPreset::LastMonth, "先月"},
         {PeriodPreset::ThisMonth, "今月"},
         {PeriodPreset::ThisYear, "今年"},
         {PeriodPreset::Free, "自由"}}};
    for (const auto& [preset, caption] : order) {
        auto* button = new platform::OptionButton(QString::fromUtf8(caption), this);
        presets_[static_cast<int>(preset)] = button;
        button->onChange([this, preset = preset] { onPresetClicked(preset); });
        row->addWidget(button);
    }
    const std::array<std::pair<int, int>, 3> ranges{
        {{kFirstPeriodYear, kLastPeriodYear}, {0, 13}, {0, 32}}};
    const std::array<const char*, 3> units{"年", "月", "日"};
    for (int date = 0; date < 2; ++date) {
        for (DateField field : kFields) {
            auto* box = new platform::TextBox(this);
            box->setStripCommas(true);
            box->setFixedWidth(field == DateField::Year ? 48 : 32);
            auto* spinner = new platform::Spinner(this);
            spinner->setRange(ranges[index(field)].first, ranges[index(field)].second);
            dates_[date].boxes[index(field)] = box;
            dates_[date].spinners[index(field)] = spinner;
            box->onChange([this, date, field] { onBoxChanged(date, field); });
            spinner->onChange([this, date, field] { onSpinnerChanged(date, field); });
            row->addWidget(box);
            row->addWidget(spinner);
            const bool fromDay = date == 0 && field == DateField::Day;
            row->addWidget(new QLabel(
                fromDay ? QStringLiteral("日～") : QString::fromUtf8(units[index(field)]), this));
        }
    }
    recalculateButton_ = new QPushButton(QStringLiteral("再計算"), this);
    connect(recalculateButton_, &QPushButton::clicked, this, [this] {
        if (recalculate_)
            recalculate_();
    });
    row->addWidget(recalculateButton_);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(new QLabel(
        QStringLiteral("集計期間を変更した場合は「再計算」ボタンをクリックしてください。"), this));
}

platform::TextBox* PeriodFrame::box(int date, DateField field) const {
    return dates_[date].boxes[index(field)];
}

platform::Spinner* PeriodFrame::spinner(int date, DateField field) const {
    return dates_[date].spinners[index(field)];
}

void PeriodFrame::selectPreset(PeriodPreset preset) {
    presetButton(preset)->setChecked(true);
}

PeriodPreset PeriodFrame::selectedPreset() const {
    for (int i = 0; i < 4; ++i)
        if (presets_[i]->isChecked())
            return static_cast<PeriodPreset>(i);
    return PeriodPreset::Free;
}

Period PeriodFrame::period() const {
    const auto value = [this](int date, DateField field) { return spinner(date, field)->value(); };
    return {value(0, DateField::Year), value(0, DateField::Month), value(0, DateField::Day),
            value(1, DateField::Year), value(1, DateField::Month), value(1, DateField::Day)};
}

void PeriodFrame::onPresetClicked(PeriodPreset preset) {
    presetApplying_ = true;
    const platform::CalendarDay today = platform::today();
    if (const auto p = presetPeriod(preset, today.year, today.month, today.day)) {
        const auto plain = [](int n) { return QString::number(n); };
        box(0, DateField::Year)->setText(plain(p->fromYear));
        box(1, DateField::Year)->setText(plain(p->toYear));
        box(0, DateField::Month)->setText(plain(p->fromMonth));
        box(1, DateField::Month)->setText(plain(p->toMonth));
        box(0, DateField::Day)->setText(plain(p->fromDay));
        box(1, DateField::Day)->setText(plain(p->toDay));
        if (!loading_ && recalculate_)
            recalculate_();
    }
    presetApplying_ = false;
}

void PeriodFrame::onBoxChanged(int date, DateField field) {
    platform::TextBox* b = box(date, field);
    const double v = leadingNumber(b->text().toStdString());
    if (field == DateField::Day) {
        // Each correction runs this handler again for its own text.
        if (v < 0) {
            b->setText(QStringLiteral("0"));
            return;
        }
        if (v > 31) {
            b->setText(QStringLiteral("31"));
            return;
        }
    } else if (field == DateField::Month ? (v < 1 || v > 12)
                                         : (v < kFirstPeriodYear || v > kLastPeriodYear)) {
        return; // not taken: the box keeps its text, the spinner its value
    }
    spinner(date, field)->setValueFromBox(static_cast<int>(std::nearbyint(v)));
}

void PeriodFrame::onSpinnerChanged(int date, DateField field) {
    if (loading_ || spinnerSync_)
        return;
    DateControls& d = dates_[date];
    const auto value = [&](DateField f) { return d.spinners[index(f)]->value(); };
    const SpunDate carried = carrySpunDate(field, value(DateField::Year), value(DateField::Month),
                                           value(DateField::Day));
    const bool typed = d.spinners[index(field)]->fromBox();
    const std::array<int, 3> before{value(DateField::Year), value(DateField::Month),
                                    value(DateField::Day)};
    spinnerSync_ = true;
    d.spinners[index(DateField::Day)]->setValue(carried.day);
    d.spinners[index(DateField::Month)]->setValue(carried.month);
    d.spinners[index(DateField::Year)]->setValue(carried.year);
    spinnerSync_ = false;
    if (!presetApplying_)
        selectPreset(PeriodPreset::Free);
    // The moved spinner's box, unless it is being typed in, and the boxes of the spinners the
    // date carried into.
    for (DateField f : kFields) {
        const bool changed = value(f) != before[index(f)];
        if ((f == field && !typed) || (f != field && changed))
            writeBox(date, f, QStringLiteral(" %1").arg(value(f)));
    }
}

void PeriodFrame::writeBox(int date, DateField field, const QString& text) {
    box(date, field)->setText(text);
}

} // namespace lukana::analysis
