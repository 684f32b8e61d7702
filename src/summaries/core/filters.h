#pragma once
// The filter lists of the voucher summaries and the cash book, and the voucher tests that
// read them. The list positions chosen are kept in filterSel (state.h): 0 to (4) are the to
// party (the cash book: the shown party), the from party, the account title, the
// sub-account and the entry type; position 0 is "全て" except in the cash book's party list.
#include "storage/state.h"

#include <optional>
#include <string>
#include <vector>

namespace lukana {

enum FilterList {
    kToParty = 0,
    kFromParty = 1,
    kAccountTitle = 2,
    kSubAccount = 3,
    kEntryType = 4
};

// The items of a party list with the kind and id each stands for. A supplier item keeps the
// supplier's position in the supplier list as its id, not the supplier's id.
struct PartyList {
    std::vector<std::string> texts;
    std::vector<int> partyKinds;
    std::vector<int> partyIds;
    void add(std::string text, int kind, int id);
};

// "全て", the department's suppliers (its own and those of every department), the
// department, "本部", the main bank and further bank slots 1 to 3.
PartyList summaryPartyList();
// The cash book's: the department, "本部", the main bank and further bank slots 1 to 3.
PartyList cashBookPartyList();

// Bank name, branch name and account number joined by blanks: id 1 the department's main
// account, 2 to 5 its further slot id - 1; empty for any other id.
std::string bankPartyText(int bankId);

// "全て" and the four entry types (positions 1 to 4 are entry types 1 to 4).
std::vector<std::string> entryTypeItems();
// "全て" and every account title in register order.
std::vector<std::string> accountTitleItems();
// The sub-account list for the account title at that list position: empty for "全て",
// else "全て" and every sub-account of that title in register order, with tyMap rebuilt.
std::vector<std::string> subAccountItems(int accountTitlePosition);

// The test the account-title, sub-account and entry-type lists make, taken from filterSel
// once per listing. A position whose lookup falls outside its table restricts nothing.
class AccountFilter {
  public:
    static AccountFilter fromSelection();
    bool passes(const DenpyouDay& day, int j) const {
        return (entryType_ == 0 || day.entryType[j] == entryType_) &&
               (!accountId_ || day.accountId[j] == *accountId_) &&
               (!subAccountId_ || day.subAccountId[j] == *subAccountId_);
    }

  private:
    int entryType_ = 0;
    std::optional<int> accountId_;
    std::optional<int> subAccountId_;
};

// A party as vouchers name it; a set filter matches only its own kind and id.
struct PartyKey {
    int kind = 0;
    int id = 0;
    bool matches(int voucherKind, int voucherId) const {
        return voucherKind == kind && voucherId == id;
    }
};
// The department's own cash, the party a cash book follows unless another is chosen.
inline constexpr PartyKey kDepartmentCash{partyKind::kDepartment, 0};
// The party that a list position stands for (a supplier by its id); nothing for a position
// without a party.
std::optional<PartyKey> partyAt(const PartyList& parties, int position);

enum MatchMode { kBothMatch = 0, kEitherMatch = 1 };

// The test of the period list and the monthly summary, for the current filterSel.
class VoucherFilter {
  public:
    static VoucherFilter fromSelection(const PartyList& parties, int matchMode);
    bool voucherMatches(const DenpyouDay& day, int j) const {
        if (!accounts_.passes(day, j))
            return false;
        const bool to = !to_ || to_->matches(day.toKind[j], day.toId[j]);
        const bool from = !from_ || from_->matches(day.fromKind[j], day.fromId[j]);
        return matchMode_ == kEitherMatch ? (to || from) : (to && from);
    }

  private:
    AccountFilter accounts_;
    std::optional<PartyKey> to_, from_;
    int matchMode_ = kBothMatch;
};

} // namespace lukana
