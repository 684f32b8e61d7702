#pragma once
// The bank register of the voucher book's department (kouza.dat in the folder of department
// denpyouBusyo): names with ids from one counter shared by every department's list.
#include "damaged_files.h"
#include "register_window.h"

namespace lukana {

class BankRegister : public RegisterWindow {
    Q_OBJECT
  public:
    explicit BankRegister(QWidget* parent = nullptr);

  protected:
    RegisterEntries& entries() override { return list_; }
    void readList() override;
    Status writeList() override;
    void openRenameDialog() override;
    void formActivate() override;
    void insertCommand() override;

  private:
    ParallelList list_;
    RegisterFileGuard file_;
};

} // namespace lukana
