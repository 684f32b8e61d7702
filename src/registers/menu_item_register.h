#pragma once
// The menu-item register of one department (menud.dat): name, unit price, code and category
// of every item. Its department choice changes curBusyo.
#include "damaged_files.h"
#include "register_window.h"
#include "storage/state.h"

#include <array>

class QLabel;

namespace lukana {

class MenuItemRegister : public RegisterWindow {
    Q_OBJECT
  public:
    explicit MenuItemRegister(QWidget* parent = nullptr);

    const std::array<platform::TextBox*, 2>& priceAndCodeBoxes() const {
        return priceAndCodeBoxes_;
    }
    platform::ComboBox* categoryChoice() const { return categoryChoice_; }

    void onPriceOrCodeEdited(int index);
    void onPriceOrCodeClicked();
    void onCategoryChosen();

  protected:
    RegisterEntries& entries() override { return list_; }
    void readList() override;
    Status writeList() override;
    void openRenameDialog() override;
    void showSelectedEntry() override;
    void storeDetails() override;
    void clearDetails() override;
    void departmentChosen() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<platform::TextBox*, 2> priceAndCodeBoxes_; // unit price, code number
    platform::ComboBox* categoryChoice_;                  // category: mbunRecs in order

    void noSelection();
    bool fillingDetails_ = false;
    RecordList<MenuItem> list_;
    RegisterFileGuard file_;
};

} // namespace lukana
