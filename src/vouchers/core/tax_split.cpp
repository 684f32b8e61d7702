#include "tax_split.h"

#include <cmath>

namespace lukana {

namespace {
// Hundredths beyond this would not fit the integer quotient.
constexpr double kLargestHundredths = 9.0e15;

long long floorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}
} // namespace

double taxExcludedAmount(double amount, int rate, int rounding, bool taxExempt) {
    if (taxExempt || rate <= -100 || !std::isfinite(amount))
        return amount;
    const double hundredths = std::round(amount * 100.0);
    const long long divisor = 100LL + rate;
    if (std::fabs(hundredths) > kLargestHundredths) {
        const double x = hundredths / static_cast<double>(divisor);
        return rounding == 1 ? std::floor(x) : std::ceil(x);
    }
    const long long a = static_cast<long long>(hundredths);
    const long long down = floorDiv(a, divisor);
    if (rounding == 1 || down * divisor == a)
        return static_cast<double>(down);
    return static_cast<double>(down + 1);
}

} // namespace lukana
