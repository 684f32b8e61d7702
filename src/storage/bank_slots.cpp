#include "bank_slots.h"

namespace lukana {

std::string accountTypeWord(int type) {
    switch (type) {
    case 0:
        return "普通";
    case 1:
        return "当座";
    case 2:
        return "その他";
    default:
        return "";
    }
}

std::string bankSlotText(const BusyoRec& busyo, int slot, bool withType) {
    const int k = slot - 2;
    if (slot < 1 || k >= static_cast<int>(busyo.otherBankName.size()))
        return "";
    const bool main = slot == 1;
    const std::string& bank = main ? busyo.bankName : busyo.otherBankName[k];
    const std::string& branch = main ? busyo.branchName : busyo.otherBranchName[k];
    const std::string& number = main ? busyo.accountNumber : busyo.otherAccountNumber[k];
    if (bank.empty() && branch.empty() && number.empty())
        return "";
    std::string text = bank + " " + branch + " ";
    if (withType)
        text += accountTypeWord(main ? busyo.accountType : busyo.otherAccountType[k]) + " ";
    return text + number;
}

} // namespace lukana
