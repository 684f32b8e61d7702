#pragma once
// The frame "計算期間": the presets, the period entry of two dates, the button "再計算" and its
// hint. The entry's spinners hold the period; a change by hand selects "自由".
#include "core/analysis_types.h"
#include "core/period_dates.h"
#include "platform/controls.h"
#include "platform/period_entry.h"

#include <QGroupBox>

#include <array>
#include <functional>

class QPushButton;

namespace lukana {

class PeriodFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit PeriodFrame(QWidget* parent = nullptr);

    // Runs for "再計算" and for a preset other than "自由" outside the window's load.
    void onRecalculate(std::function<void()> handler) { recalculate_ = std::move(handler); }
    // While the window loads, the spinners take the boxes' values as they are.
    void setLoading(bool loading) { loading_ = loading ? 1 : 0; }

    // Selects a preset as a click would.
    void selectPreset(PeriodPreset preset);
    PeriodPreset selectedPreset() const;
    // The period the spinners hold.
    AnalysisPeriod period() const;

    // The controls, for the window's tests.
    platform::OptionButton* presetButton(PeriodPreset preset) const {
        return presets_[static_cast<int>(preset)];
    }
    platform::TextBox* box(int date, platform::DatePart part) const {
        return entry_->date(date)->box(part);
    }
    platform::Spinner* spinner(int date, platform::DatePart part) const {
        return entry_->date(date)->spinner(part);
    }
    QPushButton* recalculateButton() const { return recalculateButton_; }

  private:
    void onPresetClicked(PeriodPreset preset);

    std::array<platform::OptionButton*, 4> presets_{};
    platform::PeriodEntry* entry_ = nullptr;
    QPushButton* recalculateButton_ = nullptr;
    std::function<void()> recalculate_;
    int loading_ = 0;
};

} // namespace lukana
