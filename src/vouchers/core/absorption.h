#pragma once
// Taking a day of the daily report over into the vouchers of the same day: what the day has no
// voucher for yet is appended, so a second press appends nothing.
#include "storage/state.h"

namespace lukana {

struct AbsorptionResult {
    int appended = 0;
    int notTaken = 0; // items that found no match and no free place in the day
};

// Matching is one to one: a voucher that matched one item, or was appended for it, is not
// matched again by another item of the same run. Amounts compare exactly, as both books store
// them (every exact pair is matched before an older month's payment that matches only in
// single precision); credit-sale lines also compare the account title and the customer.
AbsorptionResult absorbDailyReportDay(const NippouDay& source, int creditSaleTiming,
                                      DenpyouDay& target);

} // namespace lukana
