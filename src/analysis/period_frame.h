#pragma once
// The frame "計算期間": the presets, the from and to dates as boxes with carrying spinners, the
// button "再計算" and its hint. The spinners hold the period; the boxes feed them.
#include "analysis_types.h"
#include "period_dates.h"
#include "platform/controls.h"

#include <QGroupBox>

#include <array>
#include <functional>

class QPushButton;

namespace lukana::analysis {

class PeriodFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit PeriodFrame(QWidget* parent = nullptr);

    // Runs for "再計算" and for a preset other than "自由" outside the window's load.
    void onRecalculate(std::function<void()> handler) { recalculate_ = std::move(handler); }
    // While the window loads, the spinners take the boxes' values as they are.
    void setLoading(bool loading) { loading_ = loading; }

    // Selects a preset as a click would.
    void selectPreset(PeriodPreset preset);
    PeriodPreset selectedPreset() const;
    // The period the spinners hold.
    Period period() const;

    // The controls, for the window's tests.
    platform::OptionButton* presetButton(PeriodPreset preset) const {
        return presets_[static_cast<int>(preset)];
    }
    platform::TextBox* box(int date, DateField field) const;
    platform::Spinner* spinner(int date, DateField field) const;
    QPushButton* recalculateButton() const { return recalculateButton_; }

  private:
    struct DateControls {
        std::array<platform::TextBox*, 3> boxes{};    // year, month, day
        std::array<platform::Spinner*, 3> spinners{}; // year, month, day
    };

    void onPresetClicked(PeriodPreset preset);
    void onBoxChanged(int date, DateField field);
    void onSpinnerChanged(int date, DateField field);
    void writeBox(int date, DateField field, const QString& text);

    std::array<platform::OptionButton*, 4> presets_{};
    std::array<DateControls, 2> dates_;
    QPushButton* recalculateButton_ = nullptr;
    std::function<void()> recalculate_;
    bool loading_ = false;
    bool presetApplying_ = false;
    bool spinnerSync_ = false;
};

} // namespace lukana::analysis
