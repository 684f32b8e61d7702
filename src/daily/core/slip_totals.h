#pragma once
// What the guest slips of a day add up to, for the take-over into the daily report's boxes.
#include "storage/state.h"

namespace lukana {

struct SlipTotals {
    int groups = 0;
    double persons = 0; // men, women, boys and girls
    double cash = 0;    // paid in cash or without a payment kind
    double card = 0;
    double credit = 0; // on account
};

// Payment kinds 1 cash, 2 card, 3 on account; any other kind counts as none, that is cash.
SlipTotals slipTotals(const NippouDay& day);

} // namespace lukana
