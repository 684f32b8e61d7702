#pragma once
// The menu-category register of one department (mbun.dat); its department choice changes
// curBusyo.
#include "damaged_files.h"
#include "register_window.h"
#include "storage/state.h"

namespace lukana {

class MenuCategoryRegister : public RegisterWindow {
    Q_OBJECT
  public:
    explicit MenuCategoryRegister(QWidget* parent = nullptr);

  protected:
    RegisterEntries& entries() override { return list_; }
    void readList() override;
    Status writeList() override;
    void openRenameDialog() override;

  private:
    RecordList<MenuBunrui> list_;
    RegisterFileGuard file_;
};

} // namespace lukana
