#pragma once
// The sub-account register (ty.dat in the data root): the sub-accounts of the account title
// chosen above the list. It works on the list in memory and reads no file when it opens.
#include "register_window.h"
#include "sub_account_view.h"

class QLabel;

namespace lukana {

class SubAccountRegister : public RegisterWindow {
    Q_OBJECT
  public:
    explicit SubAccountRegister(QWidget* parent = nullptr);

    platform::ComboBox* titleChoice() const { return titleChoice_; }

    void onTitleChosen();
    const SubAccountView& view() const { return view_; }

  protected:
    RegisterEntries& entries() override { return view_; }
    Status writeList() override;
    void openRenameDialog() override;
    void formLoad() override;
    void formActivate() override;
    void insertCommand() override;
    // The dialog reads the whole list.
    int renamePosition(int row) const override { return view_.position(row); }
    void moveCommand(Move m) override;

  private:
    platform::ComboBox* titleChoice_; // the account titles in list order
    QLabel* titleLabel_;

    SubAccountView view_;
};

} // namespace lukana
