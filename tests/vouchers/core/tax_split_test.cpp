#include "vouchers/core/tax_split.h"

#include <gtest/gtest.h>

using lukana::taxExcludedAmount;

namespace {

struct SplitCase {
    double amount;
    int rate;
    bool exempt;
    double roundingUp;   // taxRounding 1
    double roundingDown; // taxRounding 0
};

TEST(TaxSplit, ExactQuotientUnderBothRoundings) {
    const SplitCase cases[] = {
        {105, 5, false, 100, 100},     {100, 5, false, 95, 96},
        {-100, 5, false, -96, -95},    {110, 10, false, 100, 100},
        {220, 10, false, 200, 200},    {1080, 8, false, 1000, 1000},
        {135, 8, false, 125, 125},     {2.2, 10, false, 2, 2},
        {108, 8, false, 100, 100},     {0, 8, false, 0, 0},
        {1, 8, false, 0, 1},           {-1, 8, false, -1, 0},
        {500, 8, true, 500, 500},      {1234.6, 8, true, 1234.6, 1234.6},
        {700, 0, false, 700, 700},     {1234.6, 0, false, 1234, 1235},
        {500, -100, false, 500, 500},  {500, -150, false, 500, 500},
        {500, -50, false, 1000, 1000},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.amount << " at " << c.rate << "% exempt " << c.exempt);
        EXPECT_EQ(taxExcludedAmount(c.amount, c.rate, 1, c.exempt), c.roundingUp);
        EXPECT_EQ(taxExcludedAmount(c.amount, c.rate, 0, c.exempt), c.roundingDown);
        // Any value but 1 rounds the tax down.
        EXPECT_EQ(taxExcludedAmount(c.amount, c.rate, 7, c.exempt), c.roundingDown);
    }
}

TEST(TaxSplit, HugeAmountsStillSplit) {
    EXPECT_DOUBLE_EQ(taxExcludedAmount(1.08e17, 8, 1, false), 1e17);
    EXPECT_DOUBLE_EQ(taxExcludedAmount(-1.08e17, 8, 0, false), -1e17);
}

} // namespace
