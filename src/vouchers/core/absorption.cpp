#include "absorption.h"

#include "daily/core/posting.h"

#include <vector>

namespace lukana {

namespace {

bool matches(const PostingRow& row, const DenpyouDay& day, int j) {
    if (day.fromKind[j] != row.fromKind || day.fromId[j] != row.fromId ||
        day.toKind[j] != row.toKind || day.toId[j] != row.toId)
        return false;
    if (day.amount[j] != row.amount)
        return false;
    if (row.source == PostingSource::CreditSale)
        return day.accountId[j] == row.accountId && day.subAccountId[j] == row.subAccountId;
    return true;
}

} // namespace

AbsorptionResult absorbDailyReportDay(const NippouDay& source, int creditSaleTiming,
                                      DenpyouDay& target) {
    AbsorptionResult result;
    std::vector<bool> used(static_cast<std::size_t>(kDenpyouCapacity), false);
    for (const PostingRow& row : postingRows(source, creditSaleTiming)) {
        bool found = false;
        for (int j = 0; j < target.denpyouCount && j < kDenpyouCapacity; ++j) {
            if (!used[j] && matches(row, target, j)) {
                used[j] = true;
                found = true;
                break;
            }
        }
        if (found)
            continue;
        const int slot = target.denpyouCount;
        if (appendVoucher(target, row)) {
            used[slot] = true;
            ++result.appended;
        } else {
            ++result.notTaken;
        }
    }
    return result;
}

} // namespace lukana
