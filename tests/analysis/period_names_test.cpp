// The analyses and the summaries each name their period type after what it holds, so that one
// file can use both: this file compiling is the check.
#include "analysis/core/analysis_types.h"
#include "summaries/core/periods.h"

#include <gtest/gtest.h>

TEST(AnalysisPeriod, SitsBesideTheSummariesPeriodsInOneFile) {
    const lukana::AnalysisPeriod december{2003, 12, 1, 2003, 12, 31};
    EXPECT_EQ(december.toDay, 31);
}
