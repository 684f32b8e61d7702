#pragma once
// Parties, entry types and names as the voucher book shows and offers them, from the shared
// register lists and the voucher book's department (denpyouBusyo).
#include <string>
#include <vector>

namespace lukana {

// The words of the entry types 0..4 ("" for 0 and any other value).
std::string entryTypeWord(int entryType);
inline constexpr int kEntryTypeCount = 5;

// The name of a party in the "どこから" column (fromColumn) or the "どこへ" column: a supplier by
// id ("その他" for -1 only where the money goes), the department or "本部", a bank account with
// its type word; empty for anything else.
std::string partyName(int kind, int id, bool fromColumn);

std::string accountTitleName(int accountId);
std::string subAccountName(int subAccountId);

// One item of a party list: what it shows and what choosing it stores.
struct PartyChoice {
    std::string text;
    int kind = 0;
    int id = 0; // the supplier's id for kind 1
};

// The lists of the "どこから" and "どこへ" editors for an entry type.
std::vector<PartyChoice> fromChoices(int entryType);
std::vector<PartyChoice> toChoices(int entryType);

struct SubAccountChoice {
    std::string text;
    int position = 0; // in the sub-account register
};
// The sub-accounts of an account title, those of every title (0), or all when no title is
// chosen (0), in register order.
std::vector<SubAccountChoice> subAccountChoices(int accountId);

} // namespace lukana
