#pragma once
// The rename dialogs of the registers. A register sets renameIndex (and registerKind or
// supplierRenameMode where one dialog serves several registers), shows the dialog modally and reads
// renameResult after it has closed: the new name on OK, else the name the entry had.
#include "platform/controls.h"
#include "platform/window.h"

#include <string>

class QPushButton;

namespace lukana {

// Mode of SupplierRenameDialog: 0 suppliers, 1 sub-accounts (only while the sub-account register
// renames).
extern int supplierRenameMode;

class RenameDialog : public platform::Window {
    Q_OBJECT
  public:
    platform::TextBox* nameBox() const { return nameBox_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    void onOkClicked();
    void onCancelClicked();

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
    platform::TextBox* nameBox_;
    QPushButton* okButton_;     // OK
    QPushButton* cancelButton_; // キャンセル

    PointerRule pointer_;
};

// Departments (registerKind 0), account titles (2), menu items (4).
class RenameByKindDialog : public RenameDialog {
    Q_OBJECT
  public:
    explicit RenameByKindDialog(QWidget* parent = nullptr);

  protected:
    QString caption() const override;
    std::string currentName() const override;
};

// Suppliers (supplierRenameMode 0) and sub-accounts (1).
class SupplierRenameDialog : public RenameDialog {
    Q_OBJECT
  public:
    explicit SupplierRenameDialog(QWidget* parent = nullptr);

  protected:
    QString caption() const override;
    std::string currentName() const override;
};

// Menu categories.
class MenuCategoryRenameDialog : public RenameDialog {
    Q_OBJECT
  public:
    explicit MenuCategoryRenameDialog(QWidget* parent = nullptr);

  protected:
    QString caption() const override;
    std::string currentName() const override;
};

// Banks.
class BankRenameDialog : public RenameDialog {
    Q_OBJECT
  public:
    explicit BankRenameDialog(QWidget* parent = nullptr);

  protected:
    QString caption() const override;
    std::string currentName() const override;
};

} // namespace lukana
