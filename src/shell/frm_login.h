#pragma once
#include "platform/controls.h"
#include "platform/window.h"

class QPushButton;

namespace lukana {

// The login window: asks for the password, or takes the first one typed while passw.dat is
// missing. Its result is OK, read by the opener after the window has closed.
class frmLogin : public platform::Window {
    Q_OBJECT
  public:
    explicit frmLogin(QWidget* parent = nullptr);

    bool OK = false;

    platform::TextBox* txtUserName;
    platform::TextBox* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void cmdOK_Click();
    void cmdCancel_Click();

  protected:
    void formLoad() override;
};

} // namespace lukana
