#include "period_frame.h"

#include "platform/clock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lukana {

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
    entry_ = new platform::PeriodEntry(this);
    entry_->setGuard(&loading_);
    entry_->onChangedByUser([this] { selectPreset(PeriodPreset::Free); });
    row->addWidget(entry_);
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

void PeriodFrame::selectPreset(PeriodPreset preset) {
    presetButton(preset)->setChecked(true);
}

PeriodPreset PeriodFrame::selectedPreset() const {
    for (int i = 0; i < 4; ++i)
        if (presets_[i]->isChecked())
            return static_cast<PeriodPreset>(i);
    return PeriodPreset::Free;
}

AnalysisPeriod PeriodFrame::period() const {
    const SpinDate from = entry_->spinnerDate(0), to = entry_->spinnerDate(1);
    return {from.year, from.month, from.day, to.year, to.month, to.day};
}

void PeriodFrame::onPresetClicked(PeriodPreset preset) {
    const platform::CalendarDay today = platform::today();
    const auto p = presetPeriod(preset, today.year, today.month, today.day);
    if (!p)
        return; // "自由" writes nothing
    // Loaded quietly: a preset is no change by hand.
    entry_->setDates({p->fromYear, p->fromMonth, p->fromDay}, {p->toYear, p->toMonth, p->toDay});
    if (!loading_ && recalculate_)
        recalculate_();
}

} // namespace lukana
