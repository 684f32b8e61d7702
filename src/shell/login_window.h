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

    bool accepted() const { return accepted_; }

    platform::TextBox* passwordBox() const { return passwordBox_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    void onOkClicked();
    void onCancelClicked();

  protected:
    void formLoad() override;

  private:
    platform::TextBox* userNameBox_;
    platform::TextBox* passwordBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    bool accepted_ = false;
};

} // namespace lukana
