#pragma once
// The frame "詳細条件": per person kind a count 0..100 in a box with its spinner and the modes
// "ピタ", "以上", "未満"; its own "再計算". The counts and modes are applied by the next
// recalculation only.
#include "platform/controls.h"

#include <QGroupBox>

#include <array>
#include <functional>

class QPushButton;

namespace lukana {

class DetailConditionFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit DetailConditionFrame(QWidget* parent = nullptr);

    void onRecalculate(std::function<void()> handler) { recalculate_ = std::move(handler); }

    std::array<int, 4> counts() const;
    const std::array<int, 4>& modes() const { return modes_; }

    platform::TextBox* countBox(int kind) const { return boxes_[kind]; }
    platform::Spinner* countSpinner(int kind) const { return spinners_[kind]; }
    platform::OptionButton* modeButton(int kind, int mode) const {
        return modeButtons_[kind][mode];
    }
    QPushButton* recalculateButton() const { return recalculateButton_; }

  private:
    void onCountTyped(int kind);
    void onCountSpun(int kind);

    std::array<platform::TextBox*, 4> boxes_{};
    std::array<platform::Spinner*, 4> spinners_{};
    std::array<std::array<platform::OptionButton*, 3>, 4> modeButtons_{};
    std::array<int, 4> modes_{};
    QPushButton* recalculateButton_ = nullptr;
    std::function<void()> recalculate_;
};

} // namespace lukana
