#pragma once
// Names of the parties, account titles and sub-accounts that list rows show, looked up in
// maps built once per listing (the first register entry of an id wins, as a search from the
// top would find it).
#include <string>
#include <unordered_map>
#include <vector>

namespace lukana {

class PartyNames {
  public:
    // Takes the registers and the voucher book's department as they stand.
    PartyNames();
    // A supplier by its id; the department (id 0) or "本部"; a bank account 1 to 5; else
    // empty.
    const std::string& nameOf(int kind, int id) const;
    // Every name nameOf can give.
    std::vector<std::string> all() const;

  private:
    std::unordered_map<int, std::string> suppliers_;
    std::string departmentName_;
    std::string banks_[6];
};

class AccountNames {
  public:
    AccountNames();
    const std::string& accountTitle(int id) const;
    const std::string& subAccount(int id) const;

  private:
    std::unordered_map<int, std::string> titles_;
    std::unordered_map<int, std::string> subAccounts_;
};

} // namespace lukana
