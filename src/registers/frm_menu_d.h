#pragma once
// The menu-item register of one department (menud.dat): name, unit price, code and category
// of every item. Its department choice changes curBusyo.
#include "damaged_files.h"
#include "register_window.h"
#include "storage/state.h"

#include <array>

class QLabel;

namespace lukana {

class frmMenuD : public RegisterWindow {
    Q_OBJECT
  public:
    explicit frmMenuD(QWidget* parent = nullptr);

    platform::ComboBox* Combo2;              // the department choice
    std::array<platform::TextBox*, 2> Text2; // unit price, code number
    platform::ComboBox* Combo1;              // category: mbunRecs in order

    int fillingDetails = 0;

    void Text2_Change(int index);
    void Text2_Click();
    void Combo1_Click();

  protected:
    RegisterEntries& entries() override { return list_; }
    void readList() override;
    Status writeList() override;
    void openRenameDialog() override;
    void Hyouji() override;
    void preHozon() override;
    void clearDetails() override;
    void departmentChosen() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void noSelection();
    RecordList<MenuItem> list_;
    RegisterFileGuard file_;
};

} // namespace lukana
