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
    std::array<QPushButton*, 3> methodButtons{};
    QPushButton* cancelButton;
    void onMethodClicked(int index);
    void onCancelClicked();

  protected:
    void formLoad() override;
};

} // namespace lukana
