#pragma once
#include "platform/window.h"

#include <array>

class QPushButton;

namespace lukana {

// The print-method choice; its result: cancelled (1) or chosen (0), and the chosen index.
extern int printMethodCancelled;
extern int printMethodIndex;

class PrinterMethodChoice : public platform::Window {
    Q_OBJECT
  public:
    explicit PrinterMethodChoice(QWidget* parent = nullptr);
    const std::array<QPushButton*, 3>& methodButtons() const { return methodButtons_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    void onMethodClicked(int index);
    void onCancelClicked();

  protected:
    void formLoad() override;

  private:
    std::array<QPushButton*, 3> methodButtons_{};
    QPushButton* cancelButton_;
};

} // namespace lukana
