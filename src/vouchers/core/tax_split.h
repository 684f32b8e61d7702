#pragma once

namespace lukana {

// The part of an amount (tax included) that is not consumption tax, at rate percent.
// The quotient is formed in whole hundredths of a yen, so a whole result never comes out one
// short (110 at 10 % is 100 under either rounding). rounding 1 (taxRounding) rounds the tax up,
// that is the tax-excluded part down; any other value the other way. A tax-exempt amount, or a rate
// of -100 or below, splits nothing.
double taxExcludedAmount(double amount, int rate, int rounding, bool taxExempt);

} // namespace lukana
