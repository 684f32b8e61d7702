#pragma once
#include "platform/controls.h"
#include "platform/window.h"

class QPushButton;

namespace lukana {

// The login window: asks for the password, or takes the first one typed while passw.dat is
// missing. Its result is accepted, read by the opener after the window has closed.
class LoginWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit LoginWindow(QWidget* parent = nullptr);

    bool accepted = false;

    platform::TextBox* userNameBox;
    platform::TextBox* passwordBox;
    QPushButton* okButton;
    QPushButton* cancelButton;

    void onOkClicked();
    void onCancelClicked();

  protected:
    void formLoad() override;
};

} // namespace lukana
