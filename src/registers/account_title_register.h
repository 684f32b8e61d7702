#pragma once
// The account-title register (tekiyou.dat in the data root). Every opening reads the file
// again; when it cannot be read the default titles (and, if ty.dat cannot be read either, the
// default sub-accounts) take its place.
#include "register_window.h"

namespace lukana {

class AccountTitleRegister : public RegisterWindow {
    Q_OBJECT
  public:
    explicit AccountTitleRegister(QWidget* parent = nullptr);

  protected:
    RegisterEntries& entries() override { return list_; }
    void readList() override;
    Status writeList() override;
    void openRenameDialog() override;
    void formActivate() override;

  private:
    ParallelList list_;
};

} // namespace lukana
