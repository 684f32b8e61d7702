#pragma once
// A voucher appended to a day of a voucher month; what is not given stays zero.
#include "storage/state.h"

#include <string>

struct VoucherLine {
    double amount = 0;
    int fromKind = 0, fromId = 0, toKind = 0, toId = 0;
    int entryType = 0, accountId = 0, subAccountId = 0;
    int exempt = 0;
    double tax = 0;
    std::string note{};
};

inline void appendVoucher(lukana::DenpyouDay& day, const VoucherLine& v) {
    const int i = day.denpyouCount++;
    day.amount[i] = v.amount;
    day.fromKind[i] = v.fromKind, day.fromId[i] = v.fromId;
    day.toKind[i] = v.toKind, day.toId[i] = v.toId;
    day.entryType[i] = v.entryType;
    day.accountId[i] = v.accountId, day.subAccountId[i] = v.subAccountId;
    day.taxExempt[i] = v.exempt;
    day.tax[i] = v.tax;
    day.note[i] = v.note;
}
