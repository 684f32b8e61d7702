#pragma once
// Turning a day of the daily report into vouchers. The rows are built once here; the daily
// report's save appends them to a day without vouchers, the voucher book's absorption matches
// them against the vouchers a day already has.
#include "storage/state.h"

#include <string>
#include <vector>

namespace lukana {

// Party kinds and ids of a voucher.
inline constexpr int kPartyNone = 0;
inline constexpr int kPartySupplier = 1;
inline constexpr int kPartyOwn = 2;  // id 0 the department's cash, id 1 head office
inline constexpr int kPartyBank = 4; // id is the department's bank slot 1..4
inline constexpr int kOwnCash = 0;
inline constexpr int kHeadOffice = 1;

// Entry types.
inline constexpr int kEntryNone = 0;
inline constexpr int kEntryPayment = 1;
inline constexpr int kEntryReceipt = 2;
inline constexpr int kEntryFromBank = 3;
inline constexpr int kEntryToBank = 4;

// Account titles of the default list that the rows name.
inline constexpr int kAccountSales = 2;
inline constexpr int kAccountReceivable = 4;
inline constexpr int kAccountPayable = 5;

// Where a row comes from: the four lists line by line, then four single amounts.
enum class PostingSource {
    Payment,
    Deposit,
    Withdrawal,
    CreditSale,
    FromHeadOffice,  // kingaku(36)
    ToHeadOffice,    // kingaku(29)
    CreditCollected, // kingaku(38)
    CashSales,       // kingaku(5)
};

struct PostingRow {
    PostingSource source = PostingSource::Payment;
    int line = -1; // list line, -1 for the single amounts
    int fromKind = 0, fromId = 0;
    int toKind = 0, toId = 0;
    double amount = 0;
    int taxExempt = 0;
    int entryType = 0;
    int accountId = 0; // payments: 0 here, see supplierPaymentAccount
    int subAccountId = 0;
    std::string note;
};

// Every row of a day in posting order: each list line whatever its amount, then the single
// amounts 36, 29, 38 and 5 each only when above 0. creditSaleTiming is salesTiming of opt.dat:
// 0 books a credit sale when it happens, 1 when it is collected.
std::vector<PostingRow> postingRows(const NippouDay& day, int creditSaleTiming);

// The account of a payment to a supplier: payables for a supplier bought on credit, none for a
// cash supplier, "その他" (-1) or one no longer in the list.
int supplierPaymentAccount(int supplierId, int count, const std::vector<int>& ids,
                           const std::vector<int>& payKinds);

// Writes a row into the next free place of a day; false when the day is full.
bool appendVoucher(DenpyouDay& target, const PostingRow& row);

// The daily report's posting: into a day without vouchers, every row with the supplier's
// account; a day that has vouchers keeps them and gets nothing. Returns how many were posted.
int postDailyReportDay(const NippouDay& day, int creditSaleTiming, int supplierCount,
                       const std::vector<int>& supplierIds,
                       const std::vector<int>& supplierPayKinds, DenpyouDay& target);

} // namespace lukana
