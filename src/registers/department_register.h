#pragma once
// The department register (misena.dat): the departments with their address, the header data
// of bank transfers with the main account, and three further accounts. Each department has a
// data folder named after it, made on insert and renamed with it.
#include "bank_codes.h"
#include "code_picker.h"
#include "damaged_files.h"
#include "register_window.h"
#include "storage/state.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

class QPushButton;

namespace lukana {

class DepartmentRegister : public RegisterWindow {
    Q_OBJECT
  public:
    explicit DepartmentRegister(QWidget* parent = nullptr);
    ~DepartmentRegister() override;

    // Address: prefecture, city, town, then the street and the contact numbers.
    const std::array<TextCombo*, 3>& areaBoxes() const { return areaBoxes_; }
    platform::TextBox* streetBox() const { return streetBox_; }
    platform::TextBox* telBox() const { return telBox_; }
    platform::TextBox* faxBox() const { return faxBox_; }
    platform::TextBox* postalCodeBox() const { return postalCodeBox_; }
    QPushButton* postalLookupButton() const { return postalLookupButton_; }
    // Header data of bank transfers.
    const std::array<platform::OptionButton*, 3>& transferKindOptions() const {
        return transferKindOptions_;
    }
    platform::TextBox* companyCodeBox() const { return companyCodeBox_; }
    platform::TextBox* companyKanaBox() const { return companyKanaBox_; }

    // The controls of one account: 0 the main account, 1 to 3 the further ones.
    struct Account {
        platform::TextBox* holder = nullptr; // further accounts only
        CodePicker* bank = nullptr;
        platform::TextBox* bankCode = nullptr;
        CodePicker* branch = nullptr;
        platform::TextBox* branchCode = nullptr;
        platform::ComboBox* type = nullptr;
        platform::TextBox* number = nullptr;
    };
    const std::array<Account, 4>& accounts() const { return accounts_; }

    // Handlers, as the controls run them.
    void onPostalLookupClicked();
    void onTransferKindClicked();
    void onAccountTypeChosen();

  protected:
    RegisterEntries& entries() override { return list_; }
    void readList() override;
    Status writeList() override;
    void openRenameDialog() override;
    void showSelectedEntry() override;
    void storeDetails() override;
    void clearDetails() override;
    void insertCommand() override;
    bool applyRename(int row) override;
    void formLoad() override;
    void formUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<TextCombo*, 3> areaBoxes_;
    platform::TextBox* streetBox_;
    platform::TextBox* telBox_;
    platform::TextBox* faxBox_;
    platform::TextBox* postalCodeBox_;
    QPushButton* postalLookupButton_;                            // "〒"
    std::array<platform::OptionButton*, 3> transferKindOptions_; // transfer kind 1, 2, 3
    platform::TextBox* companyCodeBox_;
    platform::TextBox* companyKanaBox_; // company name in half-width kana
    std::array<Account, 4> accounts_;

    void buildPanel();
    void connectHandlers();
    void markChanged();
    void noSelection();
    void bankCodeChanged(int account);
    // The branch list of an account (0 the main one, 1 to 3 ① ② ③) for a bank code.
    void showBranches(int account, int bankCode);
    void bankPicked(int account, int row);
    void branchPicked(int account, int row);
    void setTransferKind(int kind);
    // curBusyo follows its department by id whenever the department lists are rebuilt.
    void followCurrentDepartment();

    RecordList<BusyoRec> list_;
    RegisterFileGuard file_;
    std::unique_ptr<BankCodeSource> bankCodes_;
    bool postalTableRead_ = false; // without it no code can be found, however typed
    std::optional<int> currentId_; // id of the department curBusyo names
    bool fillingDetails_ = false;
    // A rename whose folder has moved and that misena.dat does not hold yet.
    struct UnsavedRename {
        int row;
        std::string oldName;
        std::string newName;
    };
    std::optional<UnsavedRename> unsavedRename_;
};

} // namespace lukana
