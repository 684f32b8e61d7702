#pragma once
// The cash book's listing: the money out of and into one party over a closing-day month, a
// money-out then a money-in row per voucher, with running totals and a running balance that
// starts from the previous balance.
#include "filters.h"
#include "party_names.h"
#include "periods.h"
#include "storage/state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lukana {

struct CashRow {
    double amount = 0;
    double runningIn = 0, runningOut = 0;    // receiptsTotal and paymentsTotal after this row
    double balance = 0;                      // previous balance + in - out after this row
    std::int32_t otherKind = 0, otherId = 0; // the voucher's other side
    std::int32_t accountId = 0, subAccountId = 0;
    std::string note;
    std::int8_t month = 0, day = 0;
    bool moneyIn = false;
};

// Which vouchers count as cash: "売掛金をはずす" leaves out account title 4, "買掛金をはずす"
// account title 5, on both sides.
struct CashSwitches {
    bool excludeReceivables = false;
    bool excludePayables = false;
    bool excludes(int accountId) const {
        return (excludeReceivables && accountId == 4) || (excludePayables && accountId == 5);
    }
};

class CashListing {
  public:
    // Lists the spans of the department for the party, loading each month into month.
    void list(const std::string& departmentName, const std::vector<MonthSpan>& spans,
              const PartyKey& party, const AccountFilter& filter, CashSwitches switches,
              double openingBalance, DenpyouMonth& month);

    const std::vector<CashRow>& rows() const { return rows_; }
    double receiptsTotal() const { return in_; }
    double paymentsTotal() const { return out_; }
    double openingBalance() const { return openingBalance_; }
    double closingBalance() const { return openingBalance_ + in_ - out_; }
    // The party's closing balance with the entry-type, account-title and sub-account
    // filters at "全て" (the switches still in force): what the balance file keeps.
    double partyClosingBalance() const { return openingBalance_ + allIn_ - allOut_; }

  private:
    void addDay(const DenpyouDay& day, int month, int dayNumber, const PartyKey& party,
                const AccountFilter& filter, CashSwitches switches);
    void addRow(const DenpyouDay& day, int j, int month, int dayNumber, bool moneyIn);

    std::vector<CashRow> rows_;
    double openingBalance_ = 0, in_ = 0, out_ = 0, allIn_ = 0, allOut_ = 0;
};

// Column c (0 date, 1 in, 2 running in, 3 out, 4 running out, 5 balance, 6 the other side,
// 7 account title, 8 sub-account, 9 note) of a row; the amount columns of the other
// direction are empty.
std::string cashCellText(const CashRow& row, int column, const PartyNames& parties,
                         const AccountNames& accounts);
inline constexpr int kCashColumns = 10;

} // namespace lukana
