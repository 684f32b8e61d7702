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

class QPushButton;

namespace lukana {

class frmtenpo : public RegisterWindow {
    Q_OBJECT
  public:
    explicit frmtenpo(QWidget* parent = nullptr);
    ~frmtenpo() override;

    // Address: prefecture, city, town; Text2 holds street, TEL, Fax, postal code and (5) the
    // company name in half-width kana. Text2[4] does not exist.
    std::array<TextCombo*, 3> Combo2;
    std::array<platform::TextBox*, 6> Text2;
    QPushButton* Command1; // "〒": postal-code lookup
    // Header data of bank transfers and the main account.
    std::array<platform::OptionButton*, 3> Option1; // transfer kind 1, 2, 3
    platform::TextBox* Text3;                       // company code
    CodePicker* DataCombo1;                         // bank
    platform::TextBox* Text4;                       // bank code
    CodePicker* DataCombo5;                         // branch
    platform::TextBox* Text5;                       // branch code
    platform::ComboBox* Combo1;                     // account type
    platform::TextBox* Text6;                       // account number
    // Further accounts ① ② ③: holder, bank, bank code, branch, branch code, type, number.
    platform::TextBox *Text16, *Text17, *Text18;
    CodePicker *DataCombo2, *DataCombo4, *DataCombo7;
    platform::TextBox *Text8, *Text11, *Text14;
    CodePicker *DataCombo3, *DataCombo6, *DataCombo8;
    platform::TextBox *Text7, *Text10, *Text13;
    platform::ComboBox *Combo3, *Combo4, *Combo5;
    platform::TextBox *Text9, *Text12, *Text15;

    int bankCodeParam = 0; // the bank code last taken from a bank-code box

    // Branch lists of the main account and of ① ② ③ for bankCodeParam.
    void busyohyouji();
    void busyohyouji2();
    void busyohyouji3();
    void busyohyouji4();

    // Handlers, as the controls run them.
    void Command1_Click();
    void Option1_Click();
    void Combo1_Click();

  protected:
    RegisterEntries& entries() override { return list_; }
    void readList() override;
    Status writeList() override;
    void openRenameDialog() override;
    void Hyouji() override;
    void preHozon() override;
    void clearDetails() override;
    void insertCommand() override;
    void renameCommand() override;
    void formLoad() override;
    void formUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
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

    void buildPanel();
    void connectHandlers();
    void markChanged();
    void noSelection();
    void bankCodeChanged(int account);
    void showBranches(int account);
    void bankPicked(int account, int row);
    void branchPicked(int account, int row);
    void setTransferKind(int kind);
    // curBusyo follows its department by id whenever the department lists are rebuilt.
    void followCurrentDepartment();

    RecordList<BusyoRec> list_;
    RegisterFileGuard file_;
    std::array<Account, 4> accounts_;
    std::unique_ptr<BankCodeSource> bankCodes_;
    std::optional<int> currentId_; // id of the department curBusyo names
    int fillingDetails_ = 0;
    bool listWritten_ = false; // misena.dat was written by the last save
};

} // namespace lukana
