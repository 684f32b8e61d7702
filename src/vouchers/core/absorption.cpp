#include "absorption.h"

#include "daily/core/posting.h"

#include <cmath>
#include <vector>

namespace lukana {

namespace {

// Payment lines used to be kept in single precision while their vouchers took the rounded
// figure in double, so a line from such a month matches its voucher when both round to the same
// single. Only below 2^24, where that single still tells every yen apart: larger figures are
// compared exactly, so two payments a yen apart stay two.
bool sameAmount(const PostingRow& row, double stored, bool exact) {
    if (stored == row.amount)
        return true;
    constexpr double kSingleWholeYen = 16777216.0;
    return !exact && row.source == PostingSource::Payment &&
           std::fabs(row.amount) < kSingleWholeYen && std::fabs(stored) < kSingleWholeYen &&
           static_cast<float>(stored) == static_cast<float>(row.amount);
}

bool matches(const PostingRow& row, const DenpyouDay& day, int j, bool exact) {
    if (day.fromKind[j] != row.fromKind || day.fromId[j] != row.fromId ||
        day.toKind[j] != row.toKind || day.toId[j] != row.toId)
        return false;
    if (!sameAmount(row, day.amount[j], exact))
        return false;
    if (row.source == PostingSource::CreditSale)
        return day.accountId[j] == row.accountId && day.subAccountId[j] == row.subAccountId;
    return true;
}

} // namespace

AbsorptionResult absorbDailyReportDay(const NippouDay& source, int creditSaleTiming,
                                      DenpyouDay& target) {
    AbsorptionResult result;
    const std::vector<PostingRow> rows = postingRows(source, creditSaleTiming);
    std::vector<bool> used(static_cast<std::size_t>(kDenpyouCapacity), false);
    std::vector<bool> present(rows.size(), false);
    // Every exact pair first: a line matching only by the rounded figure must not take the
    // voucher that another line matches exactly.
    for (const bool exact : {true, false}) {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            for (int j = 0; !present[k] && j < target.denpyouCount && j < kDenpyouCapacity; ++j) {
                if (!used[j] && matches(rows[k], target, j, exact)) {
                    used[j] = true;
                    present[k] = true;
                }
            }
        }
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (present[k])
            continue;
        if (appendVoucher(target, rows[k]))
            ++result.appended;
        else
            ++result.notTaken;
    }
    return result;
}

} // namespace lukana
