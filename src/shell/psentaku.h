#pragma once
#include "platform/window.h"

#include <array>

class QPushButton;

namespace lukana {

// The print-method choice; its result: cancelled (1) or chosen (0), and the chosen index.
extern int psentakuCancelled;
extern int psentakuIndex;

class PSentaku : public platform::Window {
    Q_OBJECT
  public:
    explicit PSentaku(QWidget* parent = nullptr);
    std::array<QPushButton*, 3> Command1{};
    QPushButton* Command2;
    void Command1_Click(int index);
    void Command2_Click();

  protected:
    void formLoad() override;
};

} // namespace lukana
