#pragma once
// The rename dialogs of the registers. A register sets renameIndex (and registerKind or
// meibo2Mode where one dialog serves several registers), shows the dialog modally and reads
// renameResult after it has closed: the new name on OK, else the name the entry had.
#include "platform/controls.h"
#include "platform/window.h"

#include <string>

class QPushButton;

namespace lukana {

// Mode of frmMeibo2: 0 suppliers, 1 sub-accounts (only while the sub-account register renames).
extern int meibo2Mode;

class RenameDialog : public platform::Window {
    Q_OBJECT
  public:
    platform::TextBox* Text1;
    QPushButton* Command1; // OK
    QPushButton* Command2; // キャンセル

    void Command1_Click();
    void Command2_Click();

  protected:
    struct PointerRule {
        bool normalOnLoad = true;
        bool normalOnActivate = false;
    };
    RenameDialog(PointerRule pointer, QWidget* parent);
    void formLoad() override;
    void formActivate() override;

    // Caption, and the current name of entry renameIndex of the dialog's list.
    virtual QString caption() const = 0;
    virtual std::string currentName() const = 0;

  private:
    PointerRule pointer_;
};

// Departments (registerKind 0), account titles (2), menu items (4).
class frmMeibo : public RenameDialog {
    Q_OBJECT
  public:
    explicit frmMeibo(QWidget* parent = nullptr);

  protected:
    QString caption() const override;
    std::string currentName() const override;
};

// Suppliers (meibo2Mode 0) and sub-accounts (1).
class frmMeibo2 : public RenameDialog {
    Q_OBJECT
  public:
    explicit frmMeibo2(QWidget* parent = nullptr);

  protected:
    QString caption() const override;
    std::string currentName() const override;
};

// Menu categories.
class frmMeibo4 : public RenameDialog {
    Q_OBJECT
  public:
    explicit frmMeibo4(QWidget* parent = nullptr);

  protected:
    QString caption() const override;
    std::string currentName() const override;
};

// Banks.
class frmMeibogk : public RenameDialog {
    Q_OBJECT
  public:
    explicit frmMeibogk(QWidget* parent = nullptr);

  protected:
    QString caption() const override;
    std::string currentName() const override;
};

} // namespace lukana
